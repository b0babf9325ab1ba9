#include "etat.h"

namespace veridane {

int TBaseFaits::CompteFaits() const {
    int total = 0;
    for (const auto& observation : Observations) total += static_cast<int>(observation.size());
    return total;
}

void TEtatVeridane::Demarrage() {
    char separateur = Base.SeparateurDecimal;
    Base = TBaseConnaissances{};
    Base.SeparateurDecimal = separateur;
    Faits = TBaseFaits{};
    Projet = TProjet{};
    Commandes = TEtatCommandes::Demarrage();
    ValeurCritique = 0.0;
    CasModifies = false;
}

}  // namespace veridane
