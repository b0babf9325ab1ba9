#include "cycle_projet.h"

#include "core/dialogues.h"
#include "core/dictionnaire.h"
#include "core/fichier_regles.h"
#include "core/fichier_texte.h"
#include "core/proposition.h"
#include "project/affichage_base.h"
#include "project/base_faits.h"
#include "project/fichier_projet.h"
#include "project/resume.h"

namespace veridane {

namespace {

const char* const QuestionProjetChange = "Current project has changed, save it?";
const char* const QuestionProjetNonSauve = "Current project is not saved, save it?";
const char* const QuestionBaseChangee = "Current data base has changed, save it?";
const char* const QuestionQuitter = "Do you want to quit Veridane ?";

void ActiveSauvegarde(TEtatCommandes& commandes) {
    commandes.SauverProjet = commandes.SauverProjetSous = commandes.BoutonSauver = true;
}

// A project file must name both files, each by a plain name.
bool ContenuUtilisable(const TContenuProjet& contenu, const std::string& chemin, IDialogues& dialogues) {
    if (!contenu.FichierRegles || !contenu.FichierBase) {
        dialogues.Avertit("Error : file " + chemin + " does not name a rules file and a data base");
        return false;
    }
    for (const std::string* nom : {&*contenu.FichierRegles, &*contenu.FichierBase}) {
        if (!NomFichierSimple(*nom)) {
            dialogues.Avertit("Error : file name " + *nom + " in " + chemin +
                              " is not a plain file name of the project directory");
            return false;
        }
    }
    return true;
}

}  // namespace

TCycleProjet::TCycleProjet(TEtatVeridane& etat, IFenetresProjet& fenetres, IDialogues& dialogues,
                           IProgression& progression, const TSystemeFichiers& systeme)
    : Etat(etat), Fenetres(fenetres), Dialogues(dialogues), Progression(progression), Systeme(systeme) {}

// ---- "&File" menu ---------------------------------------------------------

void TCycleProjet::Newproject1Click() {
    if (Etat.ProjetChange()) {
        TReponse reponse = Dialogues.Demande(QuestionProjetChange, true);
        if (reponse == TReponse::Annuler) return;
        // A save the user asked for and that did not happen keeps the project.
        if (reponse == TReponse::Oui && !Saveproject1Click()) return;
    }
    switch (Fenetres.NouveauProjet()) {
        case TChoixNouveauProjet::CreerDictionnaire: LanceNouveauProjet(); break;
        case TChoixNouveauProjet::LierRegles: OuvreReglesAvec(); break;
        case TChoixNouveauProjet::Annuler: break;
    }
}

void TCycleProjet::Openproject1Click() {
    if (!QuestionAvantOuverture()) return;
    auto chemin = Dialogues.ChoisitFichierAOuvrir("*.exp");
    if (!chemin) return;
    OuvreProjet(*chemin);
}

bool TCycleProjet::OuvreProjetChoisi(const std::string& chemin) {
    return QuestionAvantOuverture() && OuvreProjet(chemin);
}

bool TCycleProjet::QuestionAvantOuverture() {
    return !(Etat.ProjetChange() && Dialogues.Demande(QuestionProjetChange) == TReponse::Oui && !Saveproject1Click());
}

bool TCycleProjet::OuvreProjet(const std::string& chemin) {
    // Everything is checked before anything changes: a project file that
    // cannot be used leaves the title, the directory and the bases alone.
    auto contenu = LitProjet(chemin);
    if (!contenu) {
        Dialogues.Avertit("Error : file " + chemin + " does'nt exist ");
        return false;
    }
    if (!ContenuUtilisable(*contenu, chemin, Dialogues)) return false;

    char separateur = Etat.Base.SeparateurDecimal;
    Etat.Base = TBaseConnaissances{};
    Etat.Base.SeparateurDecimal = separateur;
    Etat.Faits = TBaseFaits{};
    Etat.Projet = TProjet{};
    Etat.Commandes = TEtatCommandes::Demarrage();
    Etat.ValeurCritique = 0.0;
    Etat.CasModifies = false;
    FormeNomProjet(Etat, chemin);
    ActiveSauvegarde(Etat.Commandes);
    if (!contenu->Commentaires.empty()) Etat.Projet.CommentairesProjet = contenu->Commentaires;

    std::string repertoire = RepertoireDe(chemin);
    OuvreFichiers(repertoire + *contenu->FichierRegles, repertoire + *contenu->FichierBase);
    return true;
}

void TCycleProjet::OuvreFichiers(const std::string& cheminRegles, const std::string& cheminBase) {
    TProjet& projet = Etat.Projet;
    bool regles = OuvrirFR(Etat.Base, cheminRegles, Etat.Commandes, Dialogues, Progression);
    projet.ReglesIntrouvables = !regles;
    if (regles) {
        FormeNomFichRul(projet, cheminRegles);
    } else {
        // Without its rules file the project is no longer the one named:
        // the next save asks for a new name instead of writing half of it.
        projet.NomProjet.clear();
        projet.ProjetSansNom = true;
        Etat.Commandes.Titre = "Veridane";
    }
    bool base = OuvrirFF(Etat, cheminBase, Dialogues, Progression);
    if (!regles && !base) return;  // back to the start-up state
    ActiveSauvegarde(Etat.Commandes);
    Etat.Commandes.MenuBaseFaits = true;
    Fenetres.MontreProjet();
}

bool TCycleProjet::Saveproject1Click() {
    if (Etat.Projet.ProjetSansNom) return Saveprojectas1Click();
    bool complet = true;
    if (Etat.Base.ReglesModifiees) complet = SauveRegles() && complet;
    if (Etat.Faits.BaseFaitsModifiee) complet = SauveBaseFaits() && complet;
    if (Etat.Base.DicoModifie) complet = SauveDictionnaire() && complet;
    complet = Fenetres.SauveFichiersAnnexes(false) && complet;
    return complet;
}

bool TCycleProjet::Saveprojectas1Click() {
    auto chemin = Dialogues.ChoisitFichierAEnregistrer("*.exp");
    if (!chemin) return false;
    return EnregistreSous(*chemin, true);
}

bool TCycleProjet::EnregistreSous(const std::string& chemin, bool commentaire) {
    TProjet& projet = Etat.Projet;
    FormeNomProjet(Etat, chemin);
    projet.FichRulNomme = projet.FichDatNomme = true;
    // The project file names the other files: they take names it can carry
    // back ("My flu.exp" names My_flu.RUL, which opens again).
    projet.NomFichRul = NomPortable(ChangeExtension(projet.NomProjet, ".RUL"));
    projet.NomFichDic = NomPortable(ChangeExtension(projet.NomProjet, ".DIC"));
    projet.NomFichDat = NomPortable(ChangeExtension(projet.NomProjet, ".DTA"));
    Etat.Faits.BaseFaitsSansNom = false;
    projet.ProjetSansNom = false;
    if (SansCommentaireProjet(projet)) projet.CommentairesProjet = Etat.Base.CommentairesRegles;
    if (commentaire) Fenetres.ChangeComment(false);

    OuvreBasesVides();
    bool complet =
        SauveBaseRegles(Etat.Base, CheminFichier(projet, projet.NomFichRul), Dialogues, Progression, Systeme);
    complet = EcritBaseFaits(Etat.Faits, CheminFichier(projet, projet.NomFichDat), Etat.Base.SeparateurDecimal,
                             Dialogues, Progression, Systeme) && complet;
    complet =
        SauveDico(Etat.Base, CheminFichier(projet, projet.NomFichDic), Dialogues, Progression, Systeme) && complet;
    complet = EcritProjet(projet, Dialogues, Systeme) && complet;
    complet = Fenetres.SauveFichiersAnnexes(true) && complet;
    return complet;
}

// A project saved under a new name holds all four files, so that it opens
// again without a "not found": a rules base or a data base that was read
// empty is written as an empty base.
void TCycleProjet::OuvreBasesVides() {
    TBaseConnaissances& base = Etat.Base;
    if (!base.BaseReglesOuverte) {
        base.Regles.clear();
        base.NbRegles = 0;
        base.BaseReglesOuverte = true;
    }
    base.DicoCree = true;
    TBaseFaits& faits = Etat.Faits;
    if (!faits.BaseFaitsOuverte) {
        faits.BaseFaitsOuverte = true;
        if (faits.Observations.empty()) {
            faits.Observations.emplace_back();
            faits.NumObservation = 0;
            AfficheEtatBase(Etat);
        }
    }
}

bool TCycleProjet::SauveRegles() {
    return SauveBaseRegles(Etat.Base, CheminFichier(Etat.Projet, Etat.Projet.NomFichRul), Dialogues, Progression,
                           Systeme);
}

bool TCycleProjet::SauveDictionnaire() {
    Etat.Projet.NomFichDic = FaitNomDico(Etat.Projet.NomFichRul);
    return SauveDico(Etat.Base, CheminFichier(Etat.Projet, Etat.Projet.NomFichDic), Dialogues, Progression, Systeme);
}

bool TCycleProjet::Exit1Click() {
    if (Dialogues.Message(TGenreMessage::Information, QuestionQuitter, TBoutons::OuiNon) != TReponse::Oui)
        return false;
    return QuestionsAvantDeQuitter();
}

bool TCycleProjet::FermetureDemandee() { return QuestionsAvantDeQuitter(); }

// The save questions of a quit; a cancelled or failed save cancels the quit.
bool TCycleProjet::QuestionsAvantDeQuitter() {
    const char* question = nullptr;
    if (Etat.Projet.ProjetSansNom)
        question = QuestionProjetNonSauve;
    else if (Etat.Faits.BaseFaitsModifiee && !Etat.Base.ReglesModifiees && !Etat.Base.DicoModifie &&
             !Etat.CasModifies)
        question = QuestionBaseChangee;
    else if (Etat.ProjetChange())
        question = QuestionProjetChange;
    if (!question) return true;
    TReponse reponse = Dialogues.Demande(question, true);
    if (reponse == TReponse::Annuler) return false;
    if (reponse != TReponse::Oui) return true;
    if (question == QuestionProjetNonSauve) return Saveprojectas1Click();
    if (question == QuestionBaseChangee) return SauveBaseFaits();
    return Saveproject1Click();
}

// ---- New project ----------------------------------------------------------

void TCycleProjet::Initialise() {
    Etat.Commandes.Initialise();
    Etat.Base.Vide();
    Etat.Faits = TBaseFaits{};
    Etat.Faits.BaseFaitsOuverte = true;
    TProjet& projet = Etat.Projet;
    projet.CommentairesProjet = std::vector<TModalite>{};
    // The files of the previous project are not this one's.
    projet.NomFichRul.clear();
    projet.NomFichDic.clear();
    projet.NomFichDat.clear();
    projet.FichRulNomme = projet.FichDatNomme = false;
    projet.ReglesIntrouvables = false;
    Etat.ValeurCritique = 0.0;
    Etat.CasModifies = false;
}

void TCycleProjet::LanceNouveauProjet() {
    Initialise();
    Etat.Projet.ProjetSansNom = true;
    Etat.Projet.NomProjet.clear();
    Etat.Commandes.Titre = "Veridane";
    Fenetres.GestionnaireDico();
    if (!Etat.Base.Dictionnaire.empty()) Etat.Commandes.DicoNonVide();
    Etat.Faits.Observations.assign(1, TObservation{});
    Etat.Faits.NumObservation = 0;
    Etat.Faits.NumFait = 0;
    AfficheEtatBase(Etat);
}

void TCycleProjet::OuvreReglesAvec() {
    auto chemin = Dialogues.ChoisitFichierAOuvrir("*.rul");
    if (!chemin) return;
    Etat.Base.AvecDico = false;
    Initialise();
    bool lu = OuvrirFR(Etat.Base, *chemin, Etat.Commandes, Dialogues, Progression);
    Etat.Projet.ReglesIntrouvables = !lu;
    if (lu) FormeNomFichRul(Etat.Projet, *chemin);
    Etat.Projet.ProjetSansNom = true;
    Etat.Base.AvecDico = true;
    NouvelleDataBase();
    Etat.Commandes.SupprimerRegles = Etat.Commandes.ModifierRegles = true;
}

// ---- Data base file -------------------------------------------------------

bool TCycleProjet::SauveBaseFaits() {
    TBaseFaits& faits = Etat.Faits;
    const TProjet& projet = Etat.Projet;
    if (faits.BaseFaitsSansNom || !projet.FichDatNomme || projet.NomFichDat.empty()) {
        // Nothing to keep yet: an unnamed data base that was never changed.
        if (!faits.BaseFaitsModifiee && !faits.BaseFaitsSansNom) return true;
        return Savedatabaseas1Click();
    }
    // A data base read with no data is written as soon as it was changed.
    if (!faits.BaseFaitsOuverte && !faits.BaseFaitsModifiee) return true;
    return EcritBaseFaits(faits, CheminFichier(projet, projet.NomFichDat), Etat.Base.SeparateurDecimal, Dialogues,
                          Progression, Systeme);
}

bool TCycleProjet::Savedatabaseas1Click() {
    auto chemin = Dialogues.ChoisitFichierAEnregistrer("*.dta");
    if (!chemin) return false;
    TProjet& projet = Etat.Projet;
    Etat.Faits.BaseFaitsSansNom = false;
    // The data base goes to the project directory; before any is known, the
    // directory chosen in the dialog becomes it.
    if (projet.RepertoireProjet.empty()) projet.RepertoireProjet = RepertoireDe(*chemin);
    FormeNomFichDat(projet, *chemin);
    Fenetres.ChangeComment(true);
    return EcritBaseFaits(Etat.Faits, CheminFichier(projet, projet.NomFichDat), Etat.Base.SeparateurDecimal,
                          Dialogues, Progression, Systeme);
}

// ---- Observations ---------------------------------------------------------

void TCycleProjet::NouvelleDataBase() { veridane::NouvelleDataBase(Etat); }

void TCycleProjet::Createanewdatabase1Click() { veridane::Createanewdatabase1Click(Etat, Dialogues); }

void TCycleProjet::Addanobservation1Click() { veridane::Addanobservation1Click(Etat, Dialogues); }

TApresSuppression TCycleProjet::Supprime(int position) { return SupprimeObservation(Etat, Dialogues, position); }

TApresSuppression TCycleProjet::SupprimeLObservation(int position) {
    return veridane::SupprimeLObservation(Etat, Dialogues, position);
}

}  // namespace veridane
