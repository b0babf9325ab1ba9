// Correspondance over two parsed propositions.
//
// Input: two lines, a datum and a premise, each "ATTR op value" (upper-cased
// as the readers do).
//
// Invariants: the result is one of Contredite, SansRapport, Satisfaite;
// different attributes give SansRapport; the call changes neither side; and
// a datum that states one value ("= v") decides a premise exactly as that
// value does: a number against a numeric premise, a word against "= w",
// "in" and "not_in".
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "inference/correspondance.h"
#include "outils_fuzz.h"

using namespace veridane;
using namespace veridane::fuzz;

namespace {

std::optional<TProposition> Proposition(const std::string& texte) {
    std::size_t pos = 0;
    TProposition p;
    p.Certitude = p.Precision = DegreCertain;
    SauteBlancs(texte, pos);
    p.Attribut = TrouveAttribut(texte, pos);
    if (p.Attribut.empty()) return std::nullopt;
    SauteBlancs(texte, pos);
    p.Operateur = TrouveOperateur(texte, pos);
    if (p.Operateur == OpAucun) return std::nullopt;
    GereModalite(texte, pos, p.Operateur, p);
    return p;
}

bool Vrai(double v, std::uint8_t op, double p) {
    switch (op) {
        case OpEgal: return v == p;
        case OpSuperieur: return v > p;
        case OpInferieur: return v < p;
        case OpSuperieurEgal: return v >= p;
        case OpInferieurEgal: return v <= p;
        default: return v != p;
    }
}

bool Contient(const std::vector<TModalite>& liste, std::string_view mot) {
    return std::any_of(liste.begin(), liste.end(), [&](const TModalite& m) { return m.Nom == mot; });
}

// What a datum "= v" must give, when the premise is one it decides.
std::optional<int> Attendu(const TProposition& fait, const TProposition& premisse) {
    if (fait.Operateur != OpEgal) return std::nullopt;
    auto oui = [](bool b) { return b ? Satisfaite : Contredite; };
    if (fait.TypeValeur == TypeNumerique) {
        if (premisse.TypeValeur != TypeNumerique || premisse.Operateur > OpDifferent) return std::nullopt;
        return oui(Vrai(fait.Reel, premisse.Operateur, premisse.Reel));
    }
    if (premisse.Operateur == OpEgal && premisse.TypeValeur == TypeSymbolique)
        return oui(fait.Modalite == premisse.Modalite);
    if (premisse.Operateur == OpDans) return oui(Contient(premisse.Liste, fait.Modalite));
    if (premisse.Operateur == OpHorsDe) return oui(!Contient(premisse.Liste, fait.Modalite));
    return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    std::string entree = Majuscules(std::string(reinterpret_cast<const char*>(donnees), taille));
    auto [a, b] = Coupe(entree, "\n");
    if (!b) return 0;
    auto fait = Proposition(std::string(a));
    auto premisse = Proposition(std::string(*b));
    if (!fait || !premisse) return 0;
    const TProposition faitAvant = *fait, premisseAvant = *premisse;

    for (const std::string& attribut : {premisse->Attribut.str(), premisse->Attribut + "X"}) {
        TProposition p = *premisse;
        p.Attribut = attribut;
        int resultat = Correspondance(*fait, p);
        Verifie(resultat == Contredite || resultat == SansRapport || resultat == Satisfaite,
                "Correspondance gave no result of the table");
        if (fait->Attribut != attribut) {
            Verifie(resultat == SansRapport, "different attributes decide something");
            continue;
        }
        if (auto attendu = Attendu(*fait, p))
            Verifie(resultat == *attendu, "a datum of one value decides a premise wrongly",
                    Decrit(*fait) + " / " + Decrit(p) + " gave " + std::to_string(resultat));
    }
    Verifie(Identiques(*fait, faitAvant) && Identiques(*premisse, premisseAvant), "Correspondance changed its input");
    return 0;
}
