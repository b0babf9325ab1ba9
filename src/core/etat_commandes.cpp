#include "etat_commandes.h"

namespace veridane {

void TEtatCommandes::Initialise() {
    SauverProjet = SauverProjetSous = BoutonSauver = true;
    MenuRegles = MenuBaseFaits = MenuDico = true;
    BoutonRegles = VoirRegles = SupprimerRegles = ModifierRegles = false;
    MenuInference = false;
    VoirDonneesBase = AjouterDonneesBase = false;
    SelectionObservationVisible = false;
}

void TEtatCommandes::ReglesLues() {
    BoutonRegles = VoirRegles = true;
    MenuRegles = MenuDico = MenuBaseFaits = MenuInference = true;
    SauverProjet = SauverProjetSous = BoutonSauver = true;
    VoirDonneesBase = AjouterDonneesBase = false;
    SelectionObservationVisible = false;
}

void TEtatCommandes::SansRegles() {
    MenuRegles = MenuDico = MenuBaseFaits = MenuInference = true;
    SauverProjet = SauverProjetSous = BoutonSauver = true;
    BoutonDico = BoutonBaseFaits = true;
    VoirDonneesBase = AjouterDonneesBase = true;
    SelectionObservationVisible = true;
    BoutonRegles = VoirRegles = SupprimerRegles = ModifierRegles = false;
}

void TEtatCommandes::DicoNonVide() {
    VoirDonneesDico = AjouterDonneesDico = BoutonDico = MenuDico = true;
}

void TEtatCommandes::BaseLue() {
    BoutonBaseFaits = VoirDonneesBase = AjouterDonneesBase = true;
    SelectionObservationVisible = false;
}

void TEtatCommandes::ReglesAjoutees() {
    BoutonRegles = VoirRegles = SupprimerRegles = ModifierRegles = MenuInference = true;
}

void TEtatCommandes::DerniereRegleSupprimee() {
    BoutonRegles = VoirRegles = SupprimerRegles = ModifierRegles = MenuInference = false;
}

void TEtatCommandes::NouvelleBase() {
    AjouterDonneesBase = true;
    MenuInference = false;
    SelectionObservationVisible = false;
}

void TEtatCommandes::PlusAucuneDonnee() { MenuInference = false; }

void TEtatCommandes::ClicObservation() { SelectionObservationActive = true; }

void TEtatCommandes::DicoVide() { VoirDonneesDico = BoutonDico = false; }

}  // namespace veridane
