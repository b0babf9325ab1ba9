// Builds propositions from their text ("X > 5", "X IN { A, B }") with the
// program's own scanners, so tests read like rules.
#pragma once

#include <string>
#include <vector>

#include "core/proposition.h"

namespace veridane::test {

inline TProposition P(const std::string& texte) {
    std::size_t pos = 0;
    TProposition p;
    p.Certitude = DegreCertain;
    p.Precision = DegreCertain;
    SauteBlancs(texte, pos);
    p.Attribut = TrouveAttribut(texte, pos);
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    GereModalite(texte, pos, p.Operateur, p);
    return p;
}

// A rule from the texts of its premises and conclusion, ready to run.
inline TRegle R(const std::vector<std::string>& premisses, const std::string& conclusion, double priorite = 1.0) {
    TRegle regle;
    for (const auto& texte : premisses) regle.Premisses.push_back(P(texte));
    regle.Conclusion = P(conclusion);
    regle.Priorite = priorite;
    regle.NbPremissesRestantes = static_cast<int>(regle.Premisses.size());
    return regle;
}

// A proposition the syntax cannot write: any operator with any value kind.
inline TProposition Brute(std::uint8_t operateur, std::uint8_t type, std::string modalite = "",
                          std::vector<std::string> liste = {}) {
    TProposition p;
    p.Attribut = "X";
    p.Operateur = operateur;
    p.TypeValeur = type;
    p.Modalite = std::move(modalite);
    for (auto& mot : liste) p.Liste.push_back({std::move(mot)});
    return p;
}

}  // namespace veridane::test
