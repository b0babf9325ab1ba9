#include "project/gestion_faits.h"
#include "project/vues_donnees.h"

#include <gtest/gtest.h>

#include "core/proposition.h"

namespace veridane {
namespace {

// A dictionary entry as the dictionary holds it: degree codes 0.
TProposition Entree(TProposition p) {
    p.Certitude = DegreNul;
    p.Precision = DegreNul;
    return p;
}

TBaseFaits Base(std::vector<int> tailles, int num, bool ouverte = true) {
    TBaseFaits faits;
    for (int taille : tailles) {
        TObservation observation;
        for (int i = 0; i < taille; ++i) observation.push_back(NouvelleProposition("A" + std::to_string(i), OpEgal, 1.0));
        faits.Observations.push_back(observation);
    }
    faits.NumObservation = num;
    faits.BaseFaitsOuverte = ouverte;
    faits.NbFaits = faits.CompteFaits();
    return faits;
}

TEST(GestionFaitsTest, ObservationLabelNamesTheObservationOnlyWhenThereAreSeveral) {
    struct Cas {
        std::vector<int> tailles;
        int num;
        bool ouverte;
        std::string attendu;
    };
    const std::vector<Cas> cas = {
        {{}, 0, false, "Data base: no data"},
        {{0}, 0, true, "Data base: 0 data"},
        {{2}, 0, true, "Data base: 2 data"},
        {{1, 0, 5}, 2, true, "Data base of observation 3: 5 data"},
        {{1, 4}, 7, true, "Data base: no data"},  // an index naming no observation
    };
    for (const auto& c : cas) EXPECT_EQ(LegendeObservation(Base(c.tailles, c.num, c.ouverte)), c.attendu);
}

TEST(GestionFaitsTest, DictionaryLabelCountsTheEntriesOfACreatedDictionary) {
    TBaseConnaissances base;
    base.DicoCree = false;
    base.Dictionnaire = {Entree(NouvelleProposition("A", OpEgal, 1.0))};
    EXPECT_EQ(LegendeDictionnaire(base), "Data dictionary: no data");
    EXPECT_TRUE(LignesDictionnaire(base).empty());
    base.DicoCree = true;
    EXPECT_EQ(LegendeDictionnaire(base), "Data dictionary: 1 data");
    base.Dictionnaire.clear();
    EXPECT_EQ(LegendeDictionnaire(base), "Data dictionary: 0 data");
}

TEST(GestionFaitsTest, LinesShowSevenSignificantDigitsWithTheUsersSeparator) {
    struct Cas {
        TProposition p;
        char separateur;
        std::string attendu;
    };
    const std::vector<Cas> cas = {
        {NouvelleProposition("TEMPERATURE", OpSuperieur, 38.5), ',', "TEMPERATURE > 38,5"},
        {NouvelleProposition("N", OpInferieurEgal, 12345678.0), '.', "N <= 1.234568E7"},
        {NouvelleProposition("SYMPTOMS", OpHorsDe, std::vector<std::string>{"FEVER", "RASH"}), '.',
         "SYMPTOMS not_in { FEVER, RASH }"},
    };
    for (const auto& c : cas) EXPECT_EQ(LigneFait(c.p, c.separateur), c.attendu);
}

TEST(GestionFaitsTest, ListingsFollowTheDictionaryAndTheSelectedObservation) {
    TBaseConnaissances base;
    base.DicoCree = true;
    base.SeparateurDecimal = ',';
    base.Dictionnaire = {Entree(NouvelleProposition("A", OpEgal, 0.5)),
                         Entree(NouvelleProposition("B", OpDans, std::vector<std::string>{"X"}))};
    EXPECT_EQ(LignesDictionnaire(base), (std::vector<std::string>{"A = 0,5", "B in { X }"}));

    TBaseFaits faits = Base({1, 2}, 1);
    EXPECT_EQ(LignesObservation(faits, '.'), (std::vector<std::string>{"A0 = 1", "A1 = 1"}));
    faits.BaseFaitsOuverte = false;
    EXPECT_TRUE(LignesObservation(faits, '.').empty());
}

TEST(GestionFaitsTest, AddingToAClosedOrMissingDataBaseOpensIt) {
    const TProposition entree = Entree(NouvelleProposition("A", OpEgal, std::string("B")));
    TBaseFaits fermee = Base({0}, 0, false);
    AjouteFait(fermee, entree);
    EXPECT_TRUE(fermee.BaseFaitsOuverte);
    EXPECT_EQ(LegendeObservation(fermee), "Data base: 1 data");

    TBaseFaits absente;
    absente.NumObservation = 3;
    AjouteFait(absente, entree);
    ASSERT_EQ(absente.Observations.size(), 1u);
    EXPECT_EQ(absente.NumObservation, 0);
    EXPECT_EQ(absente.Observations[0].size(), 1u);
    EXPECT_TRUE(absente.BaseFaitsModifiee);
}

TEST(GestionFaitsTest, RemovingTakesOutTheChosenDatumOnly) {
    TBaseFaits faits = Base({3}, 0);
    EXPECT_TRUE(RetireFait(faits, 1));
    ASSERT_EQ(faits.Observations[0].size(), 2u);
    EXPECT_EQ(faits.Observations[0][0].Attribut, "A0");
    EXPECT_EQ(faits.Observations[0][1].Attribut, "A2");
    EXPECT_EQ(faits.NbFaits, 2);
    EXPECT_TRUE(faits.BaseFaitsModifiee);

    for (int index : {-1, 2, 9}) {
        TBaseFaits avant = Base({2}, 0);
        EXPECT_FALSE(RetireFait(avant, index)) << index;
        EXPECT_EQ(avant.Observations[0].size(), 2u);
        EXPECT_FALSE(avant.BaseFaitsModifiee);
    }
    TBaseFaits vide;
    EXPECT_FALSE(RetireFait(vide, 0));
}

TEST(GestionFaitsTest, ClosingSetsTheInferenceMenuFromDataAndRules) {
    struct Cas {
        std::vector<int> tailles;
        bool regles;
        bool inferenceAvant;
        bool inferenceApres;
        bool voirDonnees;
    };
    const std::vector<Cas> cas = {
        {{0}, true, true, false, false},
        {{0, 0}, false, true, false, false},
        {{0, 2}, true, false, true, true},
        {{1}, false, false, false, true},
        {{1}, false, true, true, true},
    };
    for (const auto& c : cas) {
        TEtatVeridane etat;
        etat.Faits = Base(c.tailles, 0);
        etat.Faits.NbFaits = 7;  // a count read from a file may be off: closing recounts
        if (c.regles) etat.Base.Regles.push_back(TRegle{});
        etat.Commandes.MenuInference = c.inferenceAvant;
        etat.Commandes.VoirDonneesBase = false;
        etat.Commandes.BoutonBaseFaits = false;
        FermeGereFaits(etat);
        EXPECT_EQ(etat.Faits.NbFaits, etat.Faits.CompteFaits());
        EXPECT_EQ(etat.Commandes.MenuInference, c.inferenceApres);
        EXPECT_EQ(etat.Commandes.VoirDonneesBase, c.voirDonnees);
        EXPECT_EQ(etat.Commandes.BoutonBaseFaits, c.voirDonnees);
    }
}

TEST(VuesDonneesTest, ViewerTextsOfUnusualStates) {
    TBaseConnaissances base;
    base.SeparateurDecimal = ',';
    base.Dictionnaire = {NouvelleProposition("A", OpSuperieur, 3.14159)};
    EXPECT_EQ(LignesVueGlobale(base), std::vector<std::string>{"A > 3,14159"});
    EXPECT_EQ(CompteVueGlobale(TBaseConnaissances{}), "0 data");
    EXPECT_EQ(NombreVueDico(TBaseConnaissances{}), 1);

    TBaseFaits faits = Base({1, 2}, 2);  // an index past the last observation
    EXPECT_EQ(ObservationVue(faits), nullptr);
    EXPECT_EQ(TitreVueBase(faits), "Data base Viewer of observation 3: no data");
    faits.NumObservation = 1;
    EXPECT_EQ(TitreVueBase(faits), "Data base Viewer of observation 2: 2 data");
}

}  // namespace
}  // namespace veridane
