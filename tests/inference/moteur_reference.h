// The forward-chaining algorithm written plainly, step by step, with no index
// and no hash: every level visits every rule, every premise scans every
// working datum, and a conclusion is looked up by walking the initial data
// and the recorded levels. The fast engine must give the same results.
#pragma once

#include <vector>

#include "core/knowledge_base.h"
#include "inference/moteur.h"

namespace veridane::reference {

class TMoteurReference {
public:
    void InitialiseCompteurs(const std::vector<TRegle>& regles);
    void InitialiseRegles(std::vector<TRegle>& regles, double valeurCritique) const;
    void Strategie(std::vector<TRegle>& regles, INotificationsMoteur& notifications);
    void StopClick();

    std::vector<TProposition> ObservationInference;
    std::vector<TProposition> FaitsCourants;
    std::vector<TProposition> NouveauxFaits;
    std::vector<std::vector<TNumeroDeRegle>> EtatPremisses;
    std::vector<TRaisonnement> Raisonnement;
    std::vector<TProposition> FaitsDeduits;
    bool ContinueInference = false;
    bool ArretDemande = false;
    int NbReglesDeclenchees = 0;
    int NbFaitsInitiaux = 0;
    int NbFaitsDeduits = 0;
    int NbRegles = 0;

private:
    bool FaitPresent(const TProposition& conclusion, const std::vector<TRegle>& regles) const;
    void TesteRegle(std::vector<TRegle>& regles, int i, std::vector<TNumeroDeRegle>& declenchees,
                    INotificationsMoteur& notifications);
    void Declenche(std::vector<TRegle>& regles, int i, std::vector<TNumeroDeRegle>& declenchees,
                   INotificationsMoteur& notifications);
};

}  // namespace veridane::reference
