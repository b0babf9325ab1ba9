#include "project/vues_donnees.h"

#include <gtest/gtest.h>

#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {
namespace {

TEST(VuesDonneesTest, ItemShowsItsValueWithTheViewersDigits) {
    struct Cas {
        TProposition p;
        int position;
        int chiffres;
        char separateur;
        TVueDonnee attendu;
    };
    const std::vector<Cas> cas = {
        {NouvelleProposition("PI", OpEgal, 3.14159), 1, ChiffresVueDico, '.', {"Data 1:", "PI", "=", {"3.142"}}},
        {NouvelleProposition("PI", OpEgal, 3.14159), 2, ChiffresAffichage, '.', {"Data 2:", "PI", "=", {"3.14159"}}},
        {NouvelleProposition("PI", OpSuperieur, 3.14159), 3, ChiffresVueDico, ',', {"Data 3:", "PI", ">", {"3,142"}}},
        {NouvelleProposition("C", OpDifferent, std::string("YES")), 4, ChiffresVueDico, '.',
         {"Data 4:", "C", "<>", {"YES"}}},
        {NouvelleProposition("S", OpHorsDe, std::vector<std::string>{"A", "B", "C"}), 12, ChiffresAffichage, '.',
         {"Data 12:", "S", "not_in", {"A", "B", "C"}}},
    };
    for (const auto& c : cas) EXPECT_EQ(VueDonnee(c.p, c.position, c.chiffres, c.separateur), c.attendu);
}

TEST(VuesDonneesTest, DictionaryViewerTitleAndCount) {
    TBaseConnaissances base;
    EXPECT_EQ(TitreVueDico(base), "Dictionary Viewer: no data (dictionary is empty)");
    EXPECT_EQ(NombreVueDico(base), 1);
    base.Dictionnaire = {NouvelleProposition("A", OpEgal, 1.0), NouvelleProposition("B", OpEgal, 2.0)};
    EXPECT_EQ(TitreVueDico(base), "Dictionary Viewer: 2 data");
    EXPECT_EQ(NombreVueDico(base), 2);
}

TEST(VuesDonneesTest, DataBaseViewerTitles) {
    struct Cas {
        std::vector<int> tailles;
        int num;
        std::string titre;
    };
    const std::vector<Cas> cas = {
        {{4}, 0, "Data base Viewer: 4 data"},
        {{1, 4, 0}, 1, "Data base Viewer of observation 2: 4 data"},
        {{1, 4, 0}, 2, "Data base Viewer of observation 3: no data"},
        {{0}, 0, "Data base Viewer of observation 1: no data"},
        {{}, 0, "Data base Viewer of observation 1: no data"},
    };
    for (const auto& c : cas) {
        TBaseFaits faits;
        for (int taille : c.tailles) faits.Observations.emplace_back(taille, NouvelleProposition("A", OpEgal, 1.0));
        faits.NumObservation = c.num;
        EXPECT_EQ(TitreVueBase(faits), c.titre);
    }
    TBaseFaits faits;
    faits.Observations.resize(3);
    faits.NumObservation = 2;
    EXPECT_EQ(TexteObservationSansDonnees(faits), "Observation 3 contains no data");
    EXPECT_EQ(TitreObservationVide(faits), "Observation 3 is empty");
    EXPECT_NE(ObservationVue(faits), nullptr);
    faits.NumObservation = 3;
    EXPECT_EQ(ObservationVue(faits), nullptr);
}

TEST(VuesDonneesTest, GlobalViewListsEveryEntryInOrder) {
    TBaseConnaissances base;
    EXPECT_EQ(CompteVueGlobale(base), "0 data");
    base.SeparateurDecimal = ',';
    base.Dictionnaire = {NouvelleProposition("A", OpSuperieur, 3.14159),
                         NouvelleProposition("B", OpDans, std::vector<std::string>{"X", "Y"})};
    EXPECT_EQ(CompteVueGlobale(base), "2 data");
    EXPECT_EQ(LignesVueGlobale(base), (std::vector<std::string>{"A > 3,14159", "B in { X, Y }"}));
}

}  // namespace
}  // namespace veridane
