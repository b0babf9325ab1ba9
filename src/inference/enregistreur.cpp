#include "enregistreur.h"

namespace veridane {

void TEnregistreur::DebutRun(const std::vector<TRegle>& regles) {
    // One pass over the rules, which are a large part of memory in a large
    // base: the premise slots, and the rules the preparation of the run
    // marked below the critical value (nothing else is marked before the
    // first level).
    const std::size_t nbRegles = regles.size();
    Debuts_.resize(nbRegles + 1);
    Statuts_.resize(nbRegles);
    std::uint32_t debut = 0;
    for (std::size_t i = 0; i < nbRegles; ++i) {
        Debuts_[i] = debut;
        debut += static_cast<std::uint32_t>(regles[i].Premisses.size());
        Statuts_[i] = regles[i].Declenchee ? TStatutRegle::Exclue : TStatutRegle::Ouverte;
    }
    Debuts_[nbRegles] = debut;
    Satisfactions_.assign(debut, TRepere{});
    Contradictions_.assign(debut, TRepere{});
    Niveaux_.assign(nbRegles, 0);
    Abandons_.assign(nbRegles, -1);
    Arretee_ = false;
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
    return Debuts_.capacity() * sizeof(std::uint32_t) +
           (Satisfactions_.capacity() + Contradictions_.capacity()) * sizeof(TRepere) +
           Statuts_.capacity() * sizeof(TStatutRegle) +
           (Niveaux_.capacity() + Abandons_.capacity()) * sizeof(std::int32_t);
}

}  // namespace veridane
