#include "moteur_reference.h"

#include "core/proposition.h"
#include "inference/correspondance.h"

namespace veridane::reference {

void TMoteurReference::InitialiseCompteurs(const std::vector<TRegle>& regles) {
    NbRegles = static_cast<int>(regles.size());
    NbReglesDeclenchees = 0;
    NbFaitsInitiaux = static_cast<int>(ObservationInference.size());
    NbFaitsDeduits = 0;
}

void TMoteurReference::InitialiseRegles(std::vector<TRegle>& regles, double valeurCritique) const {
    for (auto& regle : regles) {
        if (regle.Priorite < valeurCritique) {
            regle.Declenchee = true;
        } else {
            regle.Declenchee = false;
            regle.NbPremissesRestantes = static_cast<int>(regle.Premisses.size());
            for (auto& premisse : regle.Premisses) premisse.Validee = false;
        }
    }
}

void TMoteurReference::StopClick() {
    ContinueInference = false;
    ArretDemande = true;
}

bool TMoteurReference::FaitPresent(const TProposition& conclusion, const std::vector<TRegle>& regles) const {
    for (const auto& fait : ObservationInference)
        if (fait.Attribut == conclusion.Attribut && Equivalence(fait, conclusion)) return true;
    for (const auto& niveau : Raisonnement)
        for (const auto& record : niveau.ReglesDeclenchees) {
            const auto& autre = regles[static_cast<std::size_t>(record.Numero - 1)].Conclusion;
            if (autre.Attribut == conclusion.Attribut && Equivalence(autre, conclusion)) return true;
        }
    return false;
}

void TMoteurReference::Strategie(std::vector<TRegle>& regles, INotificationsMoteur& notifications) {
    ContinueInference = true;
    ArretDemande = false;
    Raisonnement.clear();
    FaitsDeduits.clear();
    EtatPremisses.clear();
    for (const auto& regle : regles) {
        std::vector<TNumeroDeRegle> premisses;
        for (std::size_t j = 0; j < regle.Premisses.size(); ++j)
            premisses.push_back({static_cast<int>(j), 0, 0});
        EtatPremisses.push_back(premisses);
    }
    FaitsCourants = ObservationInference;
    int niveau = 0;
    const int nbRegles = static_cast<int>(regles.size());

    while (ContinueInference) {
        notifications.DebutNiveau(niveau + 1);
        NouveauxFaits.clear();
        std::vector<TNumeroDeRegle> declenchees;
        // Each rule is reported to the gauge, so a stop can come before any of them.
        for (int i = 0; i < nbRegles && ContinueInference; ++i) {
            notifications.ProgressionRegle(i, nbRegles);
            if (!regles[static_cast<std::size_t>(i)].Declenchee) TesteRegle(regles, i, declenchees, notifications);
        }

        ContinueInference = !NouveauxFaits.empty() && !ArretDemande;
        FaitsCourants = NouveauxFaits;
        Raisonnement.push_back({0, declenchees});
        notifications.FinNiveau();
        ++niveau;
    }
    notifications.FinInference();
}

void TMoteurReference::TesteRegle(std::vector<TRegle>& regles, int i, std::vector<TNumeroDeRegle>& declenchees,
                                  INotificationsMoteur& notifications) {
    auto& regle = regles[static_cast<std::size_t>(i)];
    for (std::size_t j = 0; j < regle.Premisses.size(); ++j) {
        auto& premisse = regle.Premisses[j];
        if (premisse.Validee) continue;
        for (const auto& fait : FaitsCourants) {
            const int resultat = Correspondance(fait, premisse);
            if (resultat == 0) {
                regle.Declenchee = true;
                break;
            }
            if (resultat == 2) {
                EtatPremisses[static_cast<std::size_t>(i)][j].Certitude = fait.Certitude;
                EtatPremisses[static_cast<std::size_t>(i)][j].Precision = fait.Precision;
                if (!premisse.Validee) {
                    premisse.Validee = true;
                    regle.NbPremissesRestantes -= 1;
                }
            }
        }
        if (regle.NbPremissesRestantes == 0) Declenche(regles, i, declenchees, notifications);
    }
}

void TMoteurReference::Declenche(std::vector<TRegle>& regles, int i, std::vector<TNumeroDeRegle>& declenchees,
                                 INotificationsMoteur& notifications) {
    auto& regle = regles[static_cast<std::size_t>(i)];
    regle.Declenchee = true;
    if (FaitPresent(regle.Conclusion, regles)) return;
    declenchees.push_back({i + 1, 6, 6});
    NbReglesDeclenchees += 1;
    notifications.RegleDeclenchee(i + 1, NbReglesDeclenchees);

    // The conclusion, certain, its set words kept only for a set.
    TProposition fait = regle.Conclusion;
    if (fait.TypeValeur != TypeEnsemble) fait.Liste.clear();
    fait.Certitude = 6;
    fait.Precision = 6;
    fait.Validee = false;
    NouveauxFaits.push_back(fait);

    NbFaitsDeduits += 1;
    FaitsDeduits.push_back(fait);
    notifications.FaitDeduit(fait, NbFaitsDeduits, NbFaitsInitiaux + NbFaitsDeduits);
}

}  // namespace veridane::reference
