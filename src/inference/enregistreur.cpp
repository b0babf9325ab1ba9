#include "enregistreur.h"

namespace veridane {

void TEnregistreur::DebutRun(const std::vector<TRegle>& regles) {
    const std::size_t nbRegles = regles.size();
    Debuts_.assign(nbRegles + 1, 0);
    for (std::size_t i = 0; i < nbRegles; ++i) Debuts_[i + 1] = Debuts_[i] + regles[i].Premisses.size();
    Satisfactions_.assign(Debuts_.back(), TRepere{});
    Contradictions_.assign(Debuts_.back(), TRepere{});
    Statuts_.assign(nbRegles, TStatutRegle::Ouverte);
    Niveaux_.assign(nbRegles, 0);
    Abandons_.assign(nbRegles, -1);
    Arretee_ = false;
    // The preparation of the run marks the rules below the critical value;
    // nothing else is marked before the first level.
    for (std::size_t i = 0; i < nbRegles; ++i)
        if (regles[i].Declenchee) Statuts_[i] = TStatutRegle::Exclue;
}

void TEnregistreur::Contredite(std::size_t i, std::size_t j, TRepere repere) {
    Contradictions_[Debuts_[i] + j] = repere;
    // The first contradiction abandons the rule; others of the same pass
    // are kept per premise only.
    if (Statuts_[i] != TStatutRegle::Ouverte) return;
    Statuts_[i] = TStatutRegle::Abandonnee;
    Niveaux_[i] = repere.Niveau;
    Abandons_[i] = static_cast<std::int32_t>(j);
}

void TEnregistreur::Declenchee(std::size_t i, int niveau, bool dejaConnue) {
    Statuts_[i] = dejaConnue ? TStatutRegle::DejaConnue : TStatutRegle::Declenchee;
    Niveaux_[i] = niveau;
}

void TEnregistreur::FinRun(bool arretee) {
    Arretee_ = arretee;
    if (!arretee) return;
    for (auto& statut : Statuts_)
        if (statut == TStatutRegle::Ouverte) statut = TStatutRegle::Arretee;
}

std::size_t TEnregistreur::Octets() const {
    return Debuts_.capacity() * sizeof(std::size_t) +
           (Satisfactions_.capacity() + Contradictions_.capacity()) * sizeof(TRepere) +
           Statuts_.capacity() * sizeof(TStatutRegle) +
           (Niveaux_.capacity() + Abandons_.capacity()) * sizeof(std::int32_t);
}

}  // namespace veridane
