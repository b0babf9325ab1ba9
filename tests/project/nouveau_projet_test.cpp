// Making a new project: emptied state, the dictionary manager, a project made
// from an existing rules file.
#include "core/dictionnaire.h"
#include "cycle_test_outils.h"

namespace veridane {
namespace {

using namespace veridane::test;

TEST_F(CycleProjet, NewProjectAsksToSaveAChangedProjectFirst) {
    struct Cas {
        TReponse reponse;
        bool dialogue;  // the new-project dialog was shown
        bool sauve;
    };
    const Cas cas[] = {{TReponse::Oui, true, true}, {TReponse::Non, true, false}, {TReponse::Annuler, false, false}};
    for (const Cas& c : cas) {
        Etat = TEtatVeridane{};
        ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
        Etat.Faits.Observations[1].push_back(Sym("NEW", "DATUM"));
        Etat.Faits.BaseFaitsModifiee = true;
        Dialogues.Messages.clear();
        Fenetres.Journal.clear();
        Dialogues.Reponses = {c.reponse};
        Cycle.Newproject1Click();
        EXPECT_EQ(Dialogues.Messages, (std::vector<TMessageJournal>{{TGenreMessage::Confirmation,
                                                                      "Current project has changed, save it?",
                                                                      TBoutons::OuiNonAnnuler}}));
        EXPECT_EQ(Fenetres.Journal, c.dialogue ? std::vector<std::string>{"NouveauProjet"} : std::vector<std::string>{});
        EXPECT_EQ(LitFichier(Repertoire / "Work/flu.dta").find("NEW = DATUM") != std::string::npos, c.sauve);
        // The dialog was cancelled: the project is still there.
        EXPECT_EQ(Etat.Faits.Observations.size(), 3u);
    }
}

TEST_F(CycleProjet, NewProjectWithANewDictionary) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    Fenetres.Journal.clear();
    Fenetres.Choix = TChoixNouveauProjet::CreerDictionnaire;
    Fenetres.Dico = [this] { AjouteAuDico(Etat.Base, Sym("COLOR", "RED")); };
    Cycle.Newproject1Click();

    EXPECT_EQ(Fenetres.Journal, (std::vector<std::string>{"NouveauProjet", "GestionnaireDico"}));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_TRUE(Etat.Projet.ProjetSansNom);
    EXPECT_EQ(Etat.Projet.NomProjet, "");
    EXPECT_EQ(Etat.Base.Dictionnaire.size(), 1u);
    ASSERT_EQ(Etat.Faits.Observations.size(), 1u);
    EXPECT_TRUE(Etat.Faits.Observations[0].empty());
}

TEST_F(CycleProjet, NewProjectFromAnExistingRulesFile) {
    std::string chemin = PrepareGrippe();
    ASSERT_TRUE(Cycle.OuvreProjet(chemin));
    Etat.ValeurCritique = 0.9;
    Fenetres.Journal.clear();
    Fenetres.Choix = TChoixNouveauProjet::LierRegles;
    Dialogues.Fichiers = {Repertoire / "Work/FLU.RUL"};
    Cycle.Newproject1Click();

    EXPECT_EQ(Dialogues.Motifs, std::vector<std::string>{"*.rul"});
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Etat.Base.Regles.size(), 2u);
    EXPECT_TRUE(Etat.Base.AvecDico);
    EXPECT_TRUE(Etat.Projet.ProjetSansNom);
    EXPECT_EQ(Etat.Projet.NomFichRul, "FLU.RUL");
    EXPECT_EQ(Etat.ValeurCritique, 0.0);
    // The title is left as it was.
    EXPECT_EQ(Etat.Commandes.Titre, "Veridane - Flu.EXP");
    ASSERT_EQ(Etat.Faits.Observations.size(), 1u);
    EXPECT_TRUE(Etat.Faits.BaseFaitsSansNom && Etat.Faits.BaseFaitsModifiee);

    // Saving asks for the project's name, and writes the new project there.
    Dialogues.Fichiers = {Repertoire / "Work/Linked.exp"};
    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_EQ(Dialogues.Motifs.back(), "*.exp");
    EXPECT_TRUE(Existe(Repertoire / "Work/linked.rul") && Existe(Repertoire / "Work/linked.dta"));
}

TEST_F(CycleProjet, CancellingTheRulesFileDialogChangesNothing) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    TEtatCommandes avant = Etat.Commandes;
    Fenetres.Choix = TChoixNouveauProjet::LierRegles;
    Dialogues.Fichiers = {std::nullopt};
    Cycle.Newproject1Click();
    EXPECT_EQ(Etat.Commandes, avant);
    EXPECT_EQ(Etat.Faits.Observations.size(), 3u);
    EXPECT_FALSE(Etat.Projet.ProjetSansNom);
}

TEST_F(CycleProjet, RemovingTheOnlyObservationAsksForADataBaseNameAtTheNextSave) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    Cycle.Supprime(2);
    Cycle.Supprime(2);
    Dialogues.Reponses = {TReponse::Oui};
    EXPECT_EQ(Cycle.Supprime(1), TApresSuppression::Ferme);
    Dialogues.Fichiers = {std::nullopt};
    EXPECT_FALSE(Cycle.Saveproject1Click());
    EXPECT_EQ(Dialogues.Motifs, std::vector<std::string>{"*.dta"});
}

}  // namespace
}  // namespace veridane
