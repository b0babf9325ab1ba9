// Saving a project and its data base, and what a quit asks.
#include "cycle_test_outils.h"
#include "project/base_faits.h"

namespace veridane {
namespace {

using namespace veridane::test;

TEST_F(CycleProjet, SaveAsNamesAndWritesAllFourFilesInTheProjectDirectory) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe(Lignes({"", "Rules file: Flu.RUL", "Data base: Flu.DTA"}))));
    std::filesystem::create_directories(Repertoire / "Out/Work");
    Dialogues.Fichiers = {Repertoire / "Out/Work/Flu.exp"};
    EXPECT_TRUE(Cycle.Saveprojectas1Click());

    EXPECT_EQ(Dialogues.Motifs, std::vector<std::string>{"*.exp"});
    EXPECT_EQ(Fenetres.Journal, (std::vector<std::string>{"MontreProjet", "ChangeComment(projet)"}));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Etat.Projet.NomProjet, "Flu.EXP");
    EXPECT_EQ(Etat.Projet.NomFichRul, "Flu.RUL");
    EXPECT_EQ(Etat.Projet.NomFichDic, "Flu.DIC");
    EXPECT_EQ(Etat.Projet.NomFichDat, "Flu.DTA");
    EXPECT_EQ(Etat.Commandes.Titre, "Veridane - Flu.EXP");
    EXPECT_EQ(Fichiers(Repertoire / "Out/Work"), (std::vector<std::string>{"flu.dic", "flu.dta", "flu.exp", "flu.rul"}));
    // The project had no commentary: the rules file's comments became it.
    EXPECT_EQ(LitFichier(Repertoire / "Out/Work/flu.exp"),
              Lignes({"#Diagnosis rules", "", "Rules file: Flu.RUL", "Data base: Flu.DTA"}));
    EXPECT_EQ(LitFichier(Repertoire / "Out/Work/flu.dta"), TexteBaseFaits(Etat.Faits, '.'));
}

TEST_F(CycleProjet, ASavedProjectOpensAgainUnchanged) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    CommentaireSaisi({"Flu study", "", "  kept as typed"});
    Etat.Faits.CommentairesBase.push_back({""});
    std::vector<TObservation> observations = Etat.Faits.Observations;
    std::vector<TModalite> commentairesBase = Etat.Faits.CommentairesBase;
    std::size_t regles = Etat.Base.Regles.size(), dico = Etat.Base.Dictionnaire.size();

    std::filesystem::create_directories(Repertoire / "Copy");
    ASSERT_TRUE(Cycle.EnregistreSous(Repertoire / "Copy/Flu.exp", true));
    Etat = TEtatVeridane{};
    ASSERT_TRUE(Cycle.OuvreProjet(Repertoire / "Copy/Flu.exp"));

    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(*Etat.Projet.CommentairesProjet, (std::vector<TModalite>{{"Flu study"}, {""}, {"  kept as typed"}}));
    EXPECT_EQ(Etat.Faits.CommentairesBase, commentairesBase);
    ASSERT_EQ(Etat.Faits.Observations.size(), observations.size());
    for (std::size_t i = 0; i < observations.size(); ++i) {
        ASSERT_EQ(Etat.Faits.Observations[i].size(), observations[i].size());
        for (std::size_t j = 0; j < observations[i].size(); ++j)
            EXPECT_TRUE(Equivalence(Etat.Faits.Observations[i][j], observations[i][j]));
    }
    EXPECT_EQ(Etat.Base.Regles.size(), regles);
    EXPECT_EQ(Etat.Base.Dictionnaire.size(), dico);
    EXPECT_FALSE(Etat.ProjetChange());
}

TEST_F(CycleProjet, SaveWritesOnlyWhatChanged) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    for (const char* nom : {"flu.rul", "flu.dta", "Flu.exp"}) std::filesystem::remove(Repertoire / ("Work/" + std::string(nom)));
    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_TRUE(Fichiers(Repertoire / "Work").empty());

    Etat.Faits.BaseFaitsModifiee = true;
    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_EQ(Fichiers(Repertoire / "Work"), std::vector<std::string>{"flu.dta"});
    EXPECT_FALSE(Etat.Faits.BaseFaitsModifiee);

    Etat.Base.ReglesModifiees = Etat.Base.DicoModifie = true;
    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_EQ(Fichiers(Repertoire / "Work"), (std::vector<std::string>{"flu.dic", "flu.dta", "flu.rul"}));
    EXPECT_FALSE(Etat.ProjetChange());
    EXPECT_TRUE(Dialogues.Motifs.empty());
}

TEST_F(CycleProjet, EmptyBasesAreWrittenSoTheProjectReopensWithoutNotFound) {
    std::filesystem::create_directories(Repertoire / "Work");
    EcritFichier(Repertoire / "Work/e.exp", Lignes({"", "Rules file: e.rul", "Data base: e.dta"}));
    EcritFichier(Repertoire / "Work/e.rul", Lignes({"#no rule yet", "", "Number of rules: 0;"}));
    EcritFichier(Repertoire / "Work/e.dta", Lignes({"#no data yet", "", "Number of data: 0;"}));
    ASSERT_TRUE(Cycle.OuvreProjet(Repertoire / "Work/e.exp"));
    EXPECT_FALSE(Etat.Base.BaseReglesOuverte);
    EXPECT_FALSE(Etat.Faits.BaseFaitsOuverte);

    ASSERT_TRUE(Cycle.EnregistreSous(Repertoire / "Work/Empty.exp", false));
    EXPECT_EQ(Fichiers(Repertoire / "Work"), (std::vector<std::string>{"e.dta", "e.exp", "e.rul", "empty.dic",
                                                                       "empty.dta", "empty.exp", "empty.rul"}));
    EXPECT_NE(LitFichier(Repertoire / "Work/empty.rul").find("#no rule yet\r\n\r\nNumber of rules: 0;"), std::string::npos);
    EXPECT_NE(LitFichier(Repertoire / "Work/empty.dta").find("#no data yet\r\n\r\nNumber of data: 0;"), std::string::npos);
    Dialogues.Messages.clear();
    ASSERT_TRUE(Cycle.OuvreProjet(Repertoire / "Work/Empty.exp"));
    for (const std::string& texte : Dialogues.Textes()) EXPECT_EQ(texte.find("not found"), std::string::npos) << texte;
}

TEST_F(CycleProjet, AChangedDataBaseReadWithoutDataIsSaved) {
    std::string chemin = PrepareGrippe();
    EcritFichier(Repertoire / "Work/flu.dta", Lignes({"", "Number of data: 0;"}));
    ASSERT_TRUE(Cycle.OuvreProjet(chemin));
    Etat.Faits.Observations[0].push_back(Sym("COUGH", "YES"));
    Etat.Faits.BaseFaitsModifiee = true;
    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_NE(LitFichier(Repertoire / "Work/flu.dta").find("COUGH = YES  ;"), std::string::npos);
}

TEST_F(CycleProjet, ANewDataBaseAsksForItsNameAndCommentaryWhenSaved) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    Cycle.NouvelleDataBase();
    Etat.Faits.Observations[0].push_back(Sym("KIND", "A"));
    CommentaireSaisi({"Autumn", ""});
    Dialogues.Fichiers = {Repertoire / "Elsewhere/Autumn.dta"};
    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_EQ(Dialogues.Motifs, std::vector<std::string>{"*.dta"});
    EXPECT_EQ(Fenetres.Journal, (std::vector<std::string>{"MontreProjet", "ChangeComment(base)"}));
    EXPECT_EQ(Etat.Projet.NomFichDat, "Autumn.dta");
    EXPECT_FALSE(Etat.Faits.BaseFaitsSansNom || Etat.Faits.BaseFaitsModifiee);
    // Written in the project directory, whatever directory the dialog showed.
    EXPECT_EQ(LitFichier(Repertoire / "Work/autumn.dta").rfind(Lignes({"#Autumn", "#", "", "Number of data: 1;"}), 0), 0u);

    // The data base's commentary first, then the project's.
    CommentaireSaisi({"Project"});
    ASSERT_TRUE(Cycle.EnregistreSous(Repertoire / "Work/Flu2.exp", true));
    EXPECT_EQ(Fenetres.Journal.back(), "ChangeComment(projet)");
    EXPECT_EQ(LitFichier(Repertoire / "Work/flu2.exp").rfind("#Project\r\n\r\n", 0), 0u);
}

TEST_F(CycleProjet, CancellingTheDataBaseNameKeepsItUnsaved) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    Cycle.NouvelleDataBase();
    Dialogues.Fichiers = {std::nullopt};
    EXPECT_FALSE(Cycle.Saveproject1Click());
    EXPECT_TRUE(Etat.Faits.BaseFaitsSansNom && Etat.Faits.BaseFaitsModifiee);
}

// What "E&xit" and the close box ask, and whether the program may close.
TEST_F(CycleProjet, QuitAsksToSaveWhatChanged) {
    const std::string projetChange = "Current project has changed, save it?";
    const std::string baseChangee = "Current data base has changed, save it?";
    const std::string nonSauve = "Current project is not saved, save it?";
    enum Etape { Aucune, Base, Regles, SansNom };
    struct Cas {
        Etape change;
        TReponse reponse;
        const char* question;  // "" when none
        bool ferme;
        bool sauve;  // the data base file was written
    };
    const Cas cas[] = {
        {Aucune, TReponse::Oui, "", true, false},
        {Base, TReponse::Oui, baseChangee.c_str(), true, true},
        {Base, TReponse::Non, baseChangee.c_str(), true, false},
        {Base, TReponse::Annuler, baseChangee.c_str(), false, false},
        {Regles, TReponse::Oui, projetChange.c_str(), true, true},
        {Regles, TReponse::Non, projetChange.c_str(), true, false},
        {Regles, TReponse::Annuler, projetChange.c_str(), false, false},
        {SansNom, TReponse::Non, nonSauve.c_str(), true, false},
        {SansNom, TReponse::Annuler, nonSauve.c_str(), false, false},
    };
    for (bool boutonQuitter : {true, false}) {
        for (const Cas& c : cas) {
            std::string chemin = PrepareGrippe();
            Etat = TEtatVeridane{};
            ASSERT_TRUE(Cycle.OuvreProjet(chemin));
            Etat.Faits.Observations[1].push_back(Sym("NEW", "DATUM"));
            Etat.Faits.BaseFaitsModifiee = c.change != Aucune;
            Etat.Base.ReglesModifiees = c.change == Regles;
            Etat.Projet.ProjetSansNom = c.change == SansNom;
            Dialogues.Messages.clear();
            Dialogues.Reponses = {TReponse::Oui, c.reponse};
            if (!boutonQuitter) Dialogues.Reponses.pop_front();

            bool ferme = boutonQuitter ? Cycle.Exit1Click() : Cycle.FermetureDemandee();

            std::vector<TMessageJournal> attendus;
            if (boutonQuitter)
                attendus.push_back({TGenreMessage::Information, "Do you want to quit Veridane ?", TBoutons::OuiNon});
            if (*c.question) attendus.push_back({TGenreMessage::Confirmation, c.question, TBoutons::OuiNonAnnuler});
            EXPECT_EQ(Dialogues.Messages, attendus) << c.change << " " << static_cast<int>(c.reponse);
            EXPECT_EQ(ferme, c.ferme) << c.change << " " << static_cast<int>(c.reponse);
            bool ecrit = LitFichier(Repertoire / "Work/flu.dta").find("NEW = DATUM") != std::string::npos;
            EXPECT_EQ(ecrit, c.sauve) << c.change << " " << static_cast<int>(c.reponse);
        }
    }
}

TEST_F(CycleProjet, NoToTheFirstQuestionStaysWithoutAnotherQuestion) {
    ASSERT_TRUE(Cycle.OuvreProjet(PrepareGrippe()));
    Etat.Faits.BaseFaitsModifiee = true;
    Dialogues.Reponses = {TReponse::Non};
    EXPECT_FALSE(Cycle.Exit1Click());
    EXPECT_EQ(Dialogues.Messages.size(), 1u);
}

TEST_F(CycleProjet, CancellingTheSaveDialogOfAQuitCancelsTheQuit) {
    for (bool boutonQuitter : {true, false}) {
        Etat = TEtatVeridane{};
        Etat.Projet.ProjetSansNom = true;
        Dialogues.Reponses = {TReponse::Oui, TReponse::Oui};
        Dialogues.Fichiers = {std::nullopt};
        EXPECT_FALSE(boutonQuitter ? Cycle.Exit1Click() : Cycle.FermetureDemandee());
        EXPECT_EQ(Dialogues.Motifs.back(), "*.exp");
    }
    // With a name given, the project is written and the program closes.
    Etat = TEtatVeridane{};
    Cycle.LanceNouveauProjet();
    Dialogues.Reponses = {TReponse::Oui, TReponse::Oui};
    Dialogues.Fichiers = {Repertoire / "New.exp"};
    EXPECT_TRUE(Cycle.Exit1Click());
    EXPECT_EQ(Fichiers(Repertoire.Chemin), (std::vector<std::string>{"new.dic", "new.dta", "new.exp", "new.rul"}));
}

}  // namespace
}  // namespace veridane
