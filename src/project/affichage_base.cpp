#include "affichage_base.h"

#include "core/proposition.h"

namespace veridane {

namespace {

std::string Numero(int n) { return std::to_string(n); }

std::string LigneObservation(int i, std::size_t donnees) {
    if (donnees == 0) return "Observation " + Numero(i) + ": no data";
    return "Observation " + Numero(i) + ": " + Numero(static_cast<int>(donnees)) + " data";
}

void LegendesNumerotees(TEtatVeridane& etat) {
    std::string i = Numero(etat.Faits.NumObservation + 1);
    std::string n = Numero(static_cast<int>(etat.Faits.Observations.size()));
    etat.Commandes.LegendeMenuBase = "Data &base (" + i + " / " + n + ") ";
    etat.Commandes.LegendeVoirDonnees = "&View data of observation " + i;
    etat.Commandes.LegendeAjouterDonnees = "&Add / Remove data (observation " + i + ")";
}

}  // namespace

TAffichageBase ListesEtatBase(TEtatVeridane& etat) {
    TBaseFaits& faits = etat.Faits;
    etat.Commandes.ListesVisibles = true;
    TAffichageBase affichage;
    int nombre = static_cast<int>(faits.Observations.size());
    for (int i = 0; i < nombre; ++i)
        affichage.LignesEtatBase.push_back(LigneObservation(i + 1, faits.Observations[static_cast<std::size_t>(i)].size()));
    if (nombre == 0) return affichage;
    // The selection always names an existing observation.
    if (faits.NumObservation < 0 || faits.NumObservation >= nombre) faits.NumObservation = 0;
    affichage.Selection = faits.NumObservation;
    const TObservation& courante = faits.ObservationCourante();
    std::string i = Numero(faits.NumObservation + 1);
    if (courante.empty()) {
        affichage.TitreEtatObs = "Observation " + i + " is empty ";
    } else {
        affichage.TitreEtatObs = LigneObservation(faits.NumObservation + 1, courante.size());
        for (const TProposition& p : courante) affichage.LignesEtatObs.push_back(PropEnSupChaine(p, etat.Base.SeparateurDecimal));
    }
    return affichage;
}

TAffichageBase AfficheEtatBase(TEtatVeridane& etat) {
    TAffichageBase affichage = ListesEtatBase(etat);
    if (etat.Faits.Observations.empty()) {
        etat.Commandes.LegendeMenuBase = "Data &base";
        etat.Commandes.LegendeVoirDonnees = "&View data";
        etat.Commandes.LegendeAjouterDonnees = "&Add / Remove data";
    } else {
        LegendesNumerotees(etat);
    }
    return affichage;
}

TAffichageBase EtatBaseClick(TEtatVeridane& etat, int ligne) {
    if (ligne < 0 || ligne >= static_cast<int>(etat.Faits.Observations.size())) return ListesEtatBase(etat);
    etat.Faits.NumObservation = ligne;
    etat.Commandes.ClicObservation();
    LegendesNumerotees(etat);
    return ListesEtatBase(etat);
}

}  // namespace veridane
