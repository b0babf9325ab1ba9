// Opening a project: what is read, what the main window shows and enables,
// and what a project file that cannot be used leaves alone.
#include "cycle_test_outils.h"

namespace veridane {
namespace {

using namespace veridane::test;

TEST_F(CycleProjet, OpensAProjectWithItsRulesDictionaryAndDataBase) {
    std::string chemin = PrepareGrippe();
    Etat.ValeurCritique = 0.7;
    Dialogues.Fichiers = {chemin};
    Cycle.Openproject1Click();

    EXPECT_EQ(Dialogues.Motifs, std::vector<std::string>{"*.exp"});
    EXPECT_TRUE(Dialogues.Messages.empty()) << Dialogues.Textes()[0];
    EXPECT_EQ(Etat.Commandes.Titre, "Veridane - Flu.EXP");
    EXPECT_EQ(Etat.Projet.RepertoireProjet, Repertoire / "Work/");
    EXPECT_EQ(Etat.Projet.NomFichRul, "FLU.RUL");
    EXPECT_EQ(Etat.Projet.NomFichDat, "FLU.DTA");
    EXPECT_FALSE(Etat.Projet.ProjetSansNom);
    EXPECT_EQ(Etat.Base.Regles.size(), 2u);
    EXPECT_FALSE(Etat.Base.Dictionnaire.empty());
    EXPECT_EQ(Etat.Faits.Observations.size(), 3u);
    EXPECT_EQ(Etat.Faits.NbFaits, 4);
    EXPECT_EQ(Etat.ValeurCritique, 0.0);
    EXPECT_EQ(*Etat.Projet.CommentairesProjet, std::vector<TModalite>{{"Flu study"}});
    EXPECT_EQ(Fenetres.Journal, std::vector<std::string>{"MontreProjet"});
    EXPECT_EQ(Etat.Commandes.LegendeMenuBase, "Data &base (1 / 3) ");
}

TEST_F(CycleProjet, AsksToSaveAChangedProjectBeforeOpeningAnother) {
    std::string chemin = PrepareGrippe();
    ASSERT_TRUE(Cycle.OuvreProjet(chemin));
    Etat.Faits.Observations[0].pop_back();
    Etat.Faits.BaseFaitsModifiee = true;
    for (TReponse reponse : {TReponse::Non, TReponse::Oui}) {
        Dialogues.Messages.clear();
        Dialogues.Reponses = {reponse};
        Dialogues.Fichiers = {std::nullopt};
        Cycle.Openproject1Click();
        EXPECT_EQ(Dialogues.Messages, (std::vector<TMessageJournal>{{TGenreMessage::Confirmation,
                                                                      "Current project has changed, save it?",
                                                                      TBoutons::OuiNon}}));
        EXPECT_EQ(Etat.Faits.BaseFaitsModifiee, reponse == TReponse::Non);
    }
    EXPECT_NE(LitFichier(Repertoire / "Work/flu.dta").find("Number of data: 3;"), std::string::npos);
}

TEST_F(CycleProjet, AProjectFileThatCannotBeOpenedChangesNothing) {
    std::string chemin = PrepareGrippe();
    ASSERT_TRUE(Cycle.OuvreProjet(chemin));
    Etat.Faits.BaseFaitsModifiee = true;
    TEtatCommandes avant = Etat.Commandes;
    std::string absent = Repertoire / "Elsewhere/Gone.exp";
    Dialogues.Fichiers = {absent};
    Dialogues.Reponses = {TReponse::Non};
    Cycle.Openproject1Click();
    EXPECT_EQ(Dialogues.Textes().back(), "Error : file " + absent + " does'nt exist ");
    EXPECT_EQ(Dialogues.Messages.back().Genre, TGenreMessage::Avertissement);
    EXPECT_EQ(Etat.Commandes, avant);
    EXPECT_EQ(Etat.Projet.RepertoireProjet, Repertoire / "Work/");
    EXPECT_EQ(Etat.Projet.NomProjet, "Flu.EXP");
    EXPECT_EQ(Etat.Faits.Observations.size(), 3u);
    EXPECT_TRUE(Etat.Faits.BaseFaitsModifiee);
}

TEST_F(CycleProjet, RefusesAProjectFileThatDoesNotNameBothFiles) {
    std::string chemin = PrepareGrippe(Lignes({"#only rules", "", "Rules file: flu.rul"}));
    EXPECT_FALSE(Cycle.OuvreProjet(chemin));
    EXPECT_EQ(Dialogues.Textes(),
              std::vector<std::string>{"Error : file " + chemin + " does not name a rules file and a data base"});
    EXPECT_EQ(Etat.Commandes.Titre, "Veridane");
}

TEST_F(CycleProjet, MissingFilesAreReportedAndBothMissingIsTheStartUpState) {
    struct Cas {
        const char* nom;
        bool regles;
        bool base;
        std::vector<std::string> messages;
        const char* titre;
    };
    const std::vector<Cas> cas = {
        {"rules missing", false, true, {"File of rules not found"}, "Veridane"},
        {"data base missing", true, false, {"File of data base not found"}, "Veridane - Flu.EXP"},
        {"both missing", false, false, {"File of rules not found", "File of data base not found"}, "Veridane"},
    };
    for (const Cas& c : cas) {
        TRepertoireTemporaire repertoire;
        std::string chemin = repertoire / "Flu.exp";
        EcritFichier(chemin, Lignes({"", "Rules file: Flu.RUL", "Data base: Flu.DTA"}));
        if (c.regles) EcritFichier(repertoire / "flu.rul", ReglesGrippe);
        if (c.base) EcritFichier(repertoire / "flu.dta", BaseGrippe);
        Etat = TEtatVeridane{};
        Dialogues.Messages.clear();
        Fenetres.Journal.clear();
        EXPECT_TRUE(Cycle.OuvreProjet(chemin)) << c.nom;
        EXPECT_EQ(Dialogues.Textes(), c.messages) << c.nom;
        EXPECT_EQ(Etat.Commandes.Titre, c.titre) << c.nom;
        EXPECT_EQ(Etat.Projet.ReglesIntrouvables, !c.regles && c.base) << c.nom;
        if (!c.regles && !c.base) {
            EXPECT_EQ(Etat.Commandes, TEtatCommandes::Demarrage()) << c.nom;
            EXPECT_TRUE(Fenetres.Journal.empty()) << c.nom;
        } else {
            EXPECT_TRUE(Etat.Commandes.SauverProjet && Etat.Commandes.MenuBaseFaits) << c.nom;
            // Without its rules file the project must be saved under a name again.
            EXPECT_EQ(Etat.Projet.ProjetSansNom, !c.regles) << c.nom;
            EXPECT_EQ(Fenetres.Journal, std::vector<std::string>{"MontreProjet"}) << c.nom;
        }
    }
}

}  // namespace
}  // namespace veridane
