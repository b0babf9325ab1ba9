#include "project/observations.h"

#include <gtest/gtest.h>

#include "core/journal.h"
#include "outils_test.h"
#include "project/affichage_base.h"

namespace veridane {
namespace {

using namespace veridane::test;

// A data base whose observations hold the given numbers of data.
TEtatVeridane EtatAvec(const std::vector<int>& donnees, int selection = 0) {
    TEtatVeridane etat;
    for (std::size_t i = 0; i < donnees.size(); ++i) {
        TObservation o;
        for (int j = 0; j < donnees[i]; ++j) o.push_back(Sym("A" + std::to_string(i + 1), "V" + std::to_string(j + 1)));
        etat.Faits.Observations.push_back(o);
    }
    etat.Faits.NumObservation = selection;
    etat.Faits.BaseFaitsOuverte = true;
    return etat;
}

// The first datum's attribute names its observation ("A3" for the third).
std::string Marque(const TObservation& o) { return o.empty() ? "-" : o[0].Attribut.str(); }

TEST(AffichageBaseTest, ShowsTheObservationsAndTheSelectedOnesData) {
    TEtatVeridane etat = EtatAvec({2, 0, 1});
    etat.Faits.Observations[0][1] = Num("T", OpSuperieur, 38.5);
    etat.Base.SeparateurDecimal = ',';
    TAffichageBase a = AfficheEtatBase(etat);
    EXPECT_EQ(a.LignesEtatBase,
              (std::vector<std::string>{"Observation 1: 2 data", "Observation 2: no data", "Observation 3: 1 data"}));
    EXPECT_EQ(a.Selection, 0);
    EXPECT_EQ(a.TitreEtatObs, "Observation 1: 2 data");
    EXPECT_EQ(a.LignesEtatObs, (std::vector<std::string>{"A1 = V1", "T > 38,5"}));
    EXPECT_EQ(etat.Commandes.LegendeMenuBase, "Data &base (1 / 3) ");
    EXPECT_EQ(etat.Commandes.LegendeVoirDonnees, "&View data of observation 1");
    EXPECT_EQ(etat.Commandes.LegendeAjouterDonnees, "&Add / Remove data (observation 1)");
    EXPECT_TRUE(etat.Commandes.ListesVisibles);
}

TEST(AffichageBaseTest, ClickSelectsAnObservation) {
    struct Cas {
        int ligne;
        int selection;
        const char* titre;
        std::size_t lignes;
        const char* menu;
        bool active;
    };
    const Cas cas[] = {
        {2, 2, "Observation 3 is empty ", 0, "Data &base (3 / 3) ", true},
        {1, 1, "Observation 2: 2 data", 2, "Data &base (2 / 3) ", true},
        {-1, 0, "Observation 1: 1 data", 1, "", false},
    };
    for (const Cas& c : cas) {
        TEtatVeridane etat = EtatAvec({1, 2, 0});
        etat.Commandes.LegendeMenuBase = "";
        etat.Commandes.SelectionObservationActive = false;
        TAffichageBase a = EtatBaseClick(etat, c.ligne);
        EXPECT_EQ(etat.Faits.NumObservation, c.selection) << c.ligne;
        EXPECT_EQ(a.Selection, c.selection) << c.ligne;
        EXPECT_EQ(a.TitreEtatObs, c.titre) << c.ligne;
        EXPECT_EQ(a.LignesEtatObs.size(), c.lignes) << c.ligne;
        EXPECT_EQ(etat.Commandes.LegendeMenuBase, c.menu) << c.ligne;
        EXPECT_EQ(etat.Commandes.SelectionObservationActive, c.active) << c.ligne;
    }
}

TEST(ObservationsTest, NewDataBaseAsksAccordingToWhatItWouldDelete) {
    struct Cas {
        std::vector<int> donnees;
        const char* question;  // nullptr: no question
    };
    const Cas cas[] = {
        {{0}, nullptr},
        {{2, 1}, "There are 3 data in 2 observations. Do you really want to delete them?"},
        {{0, 1}, "There is one data in 2 observations. Do you really want to delete the data base?"},
        {{4}, "There are 4 data in the data base. Do you really want to delete them?"},
        {{1}, "There is one data in the data base. Do you really want to delete the data base?"},
    };
    for (TReponse reponse : {TReponse::Oui, TReponse::Non}) {
        for (const Cas& c : cas) {
            TEtatVeridane etat = EtatAvec(c.donnees);
            TDialoguesJournal dialogues;
            dialogues.Reponses = {reponse};
            bool fait = Createanewdatabase1Click(etat, dialogues);
            if (c.question) {
                ASSERT_EQ(dialogues.Messages.size(), 1u);
                EXPECT_EQ(dialogues.Messages[0], (TMessageJournal{TGenreMessage::Confirmation, c.question, TBoutons::OuiNon}));
            } else {
                EXPECT_TRUE(dialogues.Messages.empty());
            }
            bool remplace = !c.question || reponse == TReponse::Oui;
            EXPECT_EQ(fait, remplace);
            EXPECT_EQ(etat.Faits.Observations.size(), remplace ? 1u : c.donnees.size());
            EXPECT_EQ(etat.Faits.BaseFaitsModifiee, remplace);
        }
    }
}

TEST(ObservationsTest, NewDataBaseIsUnnamedWithOneEmptyObservation) {
    TEtatVeridane etat = EtatAvec({2, 3}, 1);
    etat.Faits.CommentairesBase = {{"old"}};
    etat.Commandes.ReglesLues();
    NouvelleDataBase(etat);
    ASSERT_EQ(etat.Faits.Observations.size(), 1u);
    EXPECT_TRUE(etat.Faits.Observations[0].empty());
    EXPECT_EQ(etat.Faits.NumObservation, 0);
    EXPECT_TRUE(etat.Faits.CommentairesBase.empty());
    EXPECT_TRUE(etat.Faits.BaseFaitsSansNom && etat.Faits.BaseFaitsOuverte && etat.Faits.BaseFaitsModifiee);
    EXPECT_EQ(etat.Faits.NbFaits, 0);
    TEtatCommandes attendu = TEtatCommandes::Demarrage();
    attendu.ReglesLues();
    attendu.NouvelleBase();
    attendu.ListesVisibles = true;
    attendu.LegendeMenuBase = "Data &base (1 / 1) ";
    attendu.LegendeVoirDonnees = "&View data of observation 1";
    attendu.LegendeAjouterDonnees = "&Add / Remove data (observation 1)";
    EXPECT_EQ(etat.Commandes, attendu);
    EXPECT_FALSE(etat.Commandes.MenuInference);
}

TEST(ObservationsTest, AddingKeepsTheSelectionAndSaysSo) {
    TEtatVeridane etat = EtatAvec({1, 2}, 1);
    etat.Commandes.VoirDonneesBase = etat.Commandes.AjouterDonneesBase = false;
    TDialoguesJournal dialogues;
    Addanobservation1Click(etat, dialogues);
    EXPECT_EQ(dialogues.Messages,
              (std::vector<TMessageJournal>{{TGenreMessage::Information, "Observation n\xB0" "3 added in the data base", TBoutons::Ok}}));
    EXPECT_EQ(etat.Faits.Observations.size(), 3u);
    EXPECT_TRUE(etat.Faits.Observations[2].empty());
    EXPECT_EQ(etat.Faits.NumObservation, 1);
    EXPECT_TRUE(etat.Faits.BaseFaitsModifiee);
    EXPECT_TRUE(etat.Commandes.VoirDonneesBase && etat.Commandes.AjouterDonneesBase && etat.Commandes.BoutonBaseFaits);
    EXPECT_EQ(etat.Commandes.LegendeMenuBase, "Data &base (2 / 3) ");
}

TEST(ObservationsTest, RemovingFromThreeOrMoreKeepsASensibleSelection) {
    struct Cas {
        std::vector<int> donnees;
        int selection;   // 0-based, before
        int retiree;     // 1-based position removed
        int attendue;    // 0-based, after
        const char* marque;  // observation selected after
    };
    const Cas cas[] = {
        {{1, 1, 1, 1}, 2, 1, 1, "A3"},  // another, before it: same observation
        {{1, 1, 1, 1}, 1, 4, 1, "A2"},  // another, after it
        {{1, 1, 1, 1}, 1, 2, 1, "A3"},  // the selected one: its next neighbour
        {{1, 1, 1, 1}, 3, 4, 2, "A3"},  // the last, selected: the previous one
    };
    for (const Cas& c : cas) {
        TEtatVeridane etat = EtatAvec(c.donnees, c.selection);
        TDialoguesJournal dialogues;
        EXPECT_EQ(SupprimeLObservation(etat, dialogues, c.retiree), TApresSuppression::ResteOuvert);
        EXPECT_EQ(etat.Faits.NumObservation, c.attendue) << c.selection << " " << c.retiree;
        EXPECT_EQ(Marque(etat.Faits.ObservationCourante()), c.marque) << c.selection << " " << c.retiree;
        EXPECT_EQ(etat.Faits.Observations.size(), c.donnees.size() - 1);
        EXPECT_TRUE(dialogues.Messages.empty());
        EXPECT_TRUE(etat.Faits.BaseFaitsModifiee);
        EXPECT_TRUE(etat.Commandes.SelectionObservationActive);
        EXPECT_EQ(etat.Commandes.LegendeMenuBase, "Data &base (" + std::to_string(c.attendue + 1) + " / " +
                                                      std::to_string(c.donnees.size() - 1) + ") ");
        EXPECT_EQ(TitreEffaceur(etat), "Observations Eraser: " + std::to_string(c.donnees.size() - 1) + " observations");
    }
}

TEST(ObservationsTest, RemovingOneOfTwoLeavesOneAndCaptionsWithoutNumbers) {
    for (int retiree : {1, 2}) {
        TEtatVeridane etat = EtatAvec({1, 2}, 1);
        AfficheEtatBase(etat);
        TDialoguesJournal dialogues;
        EXPECT_EQ(SupprimeLObservation(etat, dialogues, retiree), TApresSuppression::Ferme);
        EXPECT_EQ(dialogues.Messages,
                  (std::vector<TMessageJournal>{{TGenreMessage::Information,
                                                 "Observation " + std::to_string(retiree) +
                                                     " deleted. Only one observation now.",
                                                 TBoutons::Ok}}));
        ASSERT_EQ(etat.Faits.Observations.size(), 1u);
        EXPECT_EQ(Marque(etat.Faits.Observations[0]), retiree == 1 ? "A2" : "A1");
        EXPECT_EQ(etat.Faits.NumObservation, 0);
        EXPECT_EQ(etat.Commandes.LegendeMenuBase, "Data &base");
        EXPECT_EQ(etat.Commandes.LegendeVoirDonnees, "&View data");
        EXPECT_EQ(etat.Commandes.LegendeAjouterDonnees, "&Add / Remove data");
        EXPECT_FALSE(etat.Commandes.SelectionObservationActive);
        EXPECT_EQ(ListesEtatBase(etat).LignesEtatBase.size(), 1u);
    }
}

TEST(ObservationsTest, RemovingTheOnlyObservationMakesANewUnnamedDataBase) {
    TEtatVeridane etat = EtatAvec({3});
    etat.Faits.CommentairesBase = {{"x"}};
    TDialoguesJournal dialogues;
    EXPECT_EQ(SupprimeLObservation(etat, dialogues, 1), TApresSuppression::Ferme);
    ASSERT_EQ(etat.Faits.Observations.size(), 1u);
    EXPECT_TRUE(etat.Faits.Observations[0].empty());
    EXPECT_TRUE(etat.Faits.BaseFaitsSansNom);
    EXPECT_TRUE(etat.Faits.CommentairesBase.empty());
    EXPECT_TRUE(dialogues.Messages.empty());
}

TEST(ObservationsTest, EraserAsksBeforeRemovingAnObservationThatHoldsData) {
    struct Cas {
        int donnees;
        TReponse reponse;
        const char* question;  // nullptr: removed without one
        bool retiree;
    };
    const Cas cas[] = {
        {0, TReponse::Non, nullptr, true},
        {1, TReponse::Non, "There is one data in observation 2. Do you want to remove this observation ?", false},
        {3, TReponse::Non, "There are 3 data in observation 2. Do you want to remove this observation ?", false},
    };
    for (const Cas& c : cas) {
        TEtatVeridane etat = EtatAvec({1, c.donnees, 1});
        TDialoguesJournal dialogues;
        dialogues.Reponses = {c.reponse};
        EXPECT_EQ(SupprimeObservation(etat, dialogues, 2), TApresSuppression::ResteOuvert);
        if (c.question)
            EXPECT_EQ(dialogues.Messages,
                      (std::vector<TMessageJournal>{{TGenreMessage::Confirmation, c.question, TBoutons::OuiNon}}));
        else
            EXPECT_TRUE(dialogues.Messages.empty());
        EXPECT_EQ(etat.Faits.Observations.size(), c.retiree ? 2u : 3u);
        EXPECT_EQ(etat.Faits.BaseFaitsModifiee, c.retiree);
    }
}

TEST(ObservationsTest, EraserTextsAndClosing) {
    TEtatVeridane etat = EtatAvec({2, 0});
    EXPECT_EQ(LegendeEffaceur(etat, 1), "Observation n\xB0" "1: 2 data");
    EXPECT_EQ(LegendeEffaceur(etat, 2), "Observation n\xB0" "2 is empty");
    EXPECT_EQ(TitreEffaceur(etat), "Observations Eraser: 2 observations");

    etat.Commandes.MenuInference = true;
    FermeEffaceur(etat);
    EXPECT_TRUE(etat.Commandes.MenuInference);
    EXPECT_EQ(etat.Faits.NbFaits, 2);
    etat.Faits.Observations[0].clear();
    FermeEffaceur(etat);
    EXPECT_FALSE(etat.Commandes.MenuInference);
}

}  // namespace
}  // namespace veridane
