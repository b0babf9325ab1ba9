#include "observations.h"

#include "core/dialogues.h"
#include "project/affichage_base.h"

namespace veridane {

namespace {

std::string Numero(std::size_t n) { return std::to_string(n); }
std::string Numero(int n) { return std::to_string(n); }

std::string QuestionSuppression(std::size_t donnees, int position) {
    if (donnees == 1)
        return "There is one data in observation " + Numero(position) + ". Do you want to remove this observation ?";
    return "There are " + Numero(donnees) + " data in observation " + Numero(position) +
           ". Do you want to remove this observation ?";
}

// The selected index once observation `retiree` is gone.
int SelectionApres(int selection, int retiree, int nombre) {
    if (retiree < selection) return selection - 1;
    if (retiree == selection && selection == nombre - 1) return selection - 1;
    return selection;
}

}  // namespace

void NouvelleDataBase(TEtatVeridane& etat) {
    TBaseFaits& faits = etat.Faits;
    faits.BaseFaitsSansNom = true;
    faits.Observations.assign(1, TObservation{});
    faits.NumObservation = 0;
    faits.BaseFaitsOuverte = true;
    faits.CommentairesBase.clear();
    faits.NbFaits = 0;
    faits.BaseFaitsModifiee = true;
    etat.Commandes.NouvelleBase();
    AfficheEtatBase(etat);
}

std::string QuestionNouvelleBase(int nbFaits, int nbObservations) {
    if (nbObservations > 1 && nbFaits > 1)
        return "There are " + Numero(nbFaits) + " data in " + Numero(nbObservations) +
               " observations. Do you really want to delete them?";
    if (nbObservations > 1)
        return "There is one data in " + Numero(nbObservations) + " observations." +
               " Do you really want to delete the data base?";
    if (nbFaits > 1)
        return "There are " + Numero(nbFaits) + " data in the data base." + " Do you really want to delete them?";
    return "There is one data in the data base. Do you really want to delete the data base?";
}

bool Createanewdatabase1Click(TEtatVeridane& etat, IDialogues& dialogues) {
    etat.Faits.NbFaits = etat.Faits.CompteFaits();
    if (etat.Faits.NbFaits > 0) {
        int observations = static_cast<int>(etat.Faits.Observations.size());
        if (dialogues.Demande(QuestionNouvelleBase(etat.Faits.NbFaits, observations)) != TReponse::Oui) return false;
    }
    NouvelleDataBase(etat);
    return true;
}

void Addanobservation1Click(TEtatVeridane& etat, IDialogues& dialogues) {
    TBaseFaits& faits = etat.Faits;
    TEtatCommandes& commandes = etat.Commandes;
    commandes.VoirDonneesBase = commandes.AjouterDonneesBase = commandes.BoutonBaseFaits = true;
    if (faits.Observations.size() == 1) faits.NumObservation = 0;
    faits.Observations.emplace_back();
    faits.BaseFaitsModifiee = true;
    dialogues.Informe("Observation n\xB0" + Numero(faits.Observations.size()) + " added in the data base");
    AfficheEtatBase(etat);
}

TApresSuppression SupprimeObservation(TEtatVeridane& etat, IDialogues& dialogues, int position) {
    if (position < 1 || position > static_cast<int>(etat.Faits.Observations.size()))
        return TApresSuppression::ResteOuvert;
    std::size_t donnees = etat.Faits.Observations[static_cast<std::size_t>(position - 1)].size();
    if (donnees > 0 && dialogues.Demande(QuestionSuppression(donnees, position)) != TReponse::Oui)
        return TApresSuppression::ResteOuvert;
    return SupprimeLObservation(etat, dialogues, position);
}

TApresSuppression SupprimeLObservation(TEtatVeridane& etat, IDialogues& dialogues, int position) {
    TBaseFaits& faits = etat.Faits;
    int nombre = static_cast<int>(faits.Observations.size());
    if (position < 1 || position > nombre) return TApresSuppression::ResteOuvert;
    faits.BaseFaitsModifiee = true;
    if (nombre == 1) {
        NouvelleDataBase(etat);
        return TApresSuppression::Ferme;
    }
    int selection = SelectionApres(faits.NumObservation, position - 1, nombre);
    faits.Observations.erase(faits.Observations.begin() + (position - 1));
    faits.NumObservation = nombre == 2 ? 0 : selection;
    faits.NbFaits = faits.CompteFaits();
    if (nombre == 2) {
        dialogues.Informe("Observation " + Numero(position) + " deleted. Only one observation now.");
        etat.Commandes.LegendeMenuBase = "Data &base";
        etat.Commandes.LegendeVoirDonnees = "&View data";
        etat.Commandes.LegendeAjouterDonnees = "&Add / Remove data";
        etat.Commandes.SelectionObservationActive = false;
        ListesEtatBase(etat);
        return TApresSuppression::Ferme;
    }
    etat.Commandes.SelectionObservationActive = true;
    AfficheEtatBase(etat);
    return TApresSuppression::ResteOuvert;
}

void FermeEffaceur(TEtatVeridane& etat) {
    etat.Faits.NbFaits = etat.Faits.CompteFaits();
    if (etat.Faits.NbFaits == 0) etat.Commandes.PlusAucuneDonnee();
}

std::string TitreEffaceur(const TEtatVeridane& etat) {
    return "Observations Eraser: " + Numero(etat.Faits.Observations.size()) + " observations";
}

std::string LegendeEffaceur(const TEtatVeridane& etat, int position) {
    std::size_t donnees = etat.Faits.Observations.at(static_cast<std::size_t>(position - 1)).size();
    if (donnees == 0) return "Observation n\xB0" + Numero(position) + " is empty";
    return "Observation n\xB0" + Numero(position) + ": " + Numero(donnees) + " data";
}

}  // namespace veridane
