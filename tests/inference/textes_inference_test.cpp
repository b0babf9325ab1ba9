#include "inference/textes_inference.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proposition_texte.h"

namespace veridane {
namespace {

using test::P;
using test::R;
using Textes = std::vector<std::string>;

TRaisonnement Niveau(std::vector<int> numeros) {
    TRaisonnement niveau;
    for (int n : numeros) niveau.ReglesDeclenchees.push_back({n, DegreCertain, DegreCertain});
    return niveau;
}

TEST(TextesInferenceTest, Counters) {
    struct Cas {
        std::string Obtenu;
        const char* Attendu;
    };
    const std::vector<Cas> cas{
        {TexteReglesBase(0), "Rules Base: 0 rule"},
        {TexteReglesBase(1), "Rules Base: 1 rule"},
        {TexteReglesBase(2), "Rules Base: 2 rules"},
        {TexteReglesDeclenchees(0), "Triggered rules: 0 rule"},
        {TexteReglesDeclenchees(1), "Triggered rules: 1 rule"},
        {TexteReglesDeclenchees(2), "Triggered rules: 2 rules"},
        {TexteBaseFaits(1), "Data Base: 1 data"},
        {TexteFaitsInitiaux(0), "Initial data: 0 data"},
        {TexteFaitsDeduits(12), "Deduced data: 12 data"},
        {TexteRegleDeclencheeEnCours(1), "Triggered rule: 1"},
        {TexteFaitsDeduitsEnCours(3), "Deduced data: 3"},
        {TexteBaseFaitsEnCours(7), "Data Base: 7"},
        {TexteNiveauEnCours(2), " Level 2"},
        {LigneRegleDeclenchee(14), "Rule 14"},
        {TexteFinInference, " End of inference "},
        {TitreDetailsRegle, "Details of rule "},
    };
    for (const auto& c : cas) EXPECT_EQ(c.Obtenu, c.Attendu);
}

class ArbreTest : public ::testing::Test {
protected:
    std::vector<TRegle> Regles{R({"X = 1"}, "A = 1"), R({"X = 1"}, "COLOR IN { RED, BLUE }"),
                               R({"A = 1"}, "T > 38.5"), R({"T > 38"}, "W = HIGH")};
    std::vector<TProposition> Observation{P("X = 1"), P("S NOT_IN { P, Q }"), P("V = 0.5")};
};

TEST_F(ArbreTest, UpperAreaListsTheInitialData) {
    EXPECT_EQ(LignesNiveauZero(Observation, true, '.'),
              (Textes{"Level 0", " X = 1", " S not_in { P, Q }", " V = 0.5"}));
    EXPECT_EQ(LignesNiveauZero(Observation, true, ',')[3], " V = 0,5");
    EXPECT_EQ(LignesNiveauZero(Observation, false, '.'), (Textes{"Level 0"}));
}

TEST_F(ArbreTest, LowerAreaShowsEachLevelButTheFinalEmptyOne) {
    const std::vector<TRaisonnement> raisonnement{Niveau({1, 2}), Niveau({3}), Niveau({})};
    EXPECT_EQ(LignesNiveaux(raisonnement, Regles, '.'),
              (Textes{"Level 1", "  Rule 1 -> A = 1", "  Rule 2 -> COLOR in { RED, BLUE }", "Level 2",
                      "  Rule 3 -> T > 38.5"}));
    EXPECT_EQ(LignesNiveaux(raisonnement, Regles, ',').back(), "  Rule 3 -> T > 38,5");
    EXPECT_TRUE(LignesNiveaux({Niveau({})}, Regles, '.').empty());
    EXPECT_TRUE(LignesNiveaux({}, Regles, '.').empty());
    // A run stopped in a level that fired keeps that level.
    EXPECT_EQ(LignesNiveaux({Niveau({}), Niveau({4})}, Regles, '.'),
              (Textes{"Level 1", "Level 2", "  Rule 4 -> W = HIGH"}));
}

TEST_F(ArbreTest, PrintoutPlacesEveryLine) {
    const std::vector<TRaisonnement> raisonnement{Niveau({1, 2}), Niveau({3}), Niveau({})};
    EXPECT_EQ(LignesImpression("FLU", 4, raisonnement, Regles, '.'),
              (std::vector<TLigneImprimee>{{1, 1, "Tree of reasoning - FLU"},
                                           {50, 100, "Observation 5"},
                                           {1, 200, "Level 1"},
                                           {1, 300, "  Rule 1 -> A = 1"},
                                           {1, 400, "  Rule 2 -> COLOR in { RED, BLUE }"},
                                           {1, 600, "Level 2"},
                                           {1, 700, "  Rule 3 -> T > 38.5"}}));
    EXPECT_EQ(LignesImpression("", 0, {Niveau({})}, Regles, '.'),
              (std::vector<TLigneImprimee>{{1, 1, "Tree of reasoning - "}, {50, 100, "Observation 1"}}));
}

TEST(AfficheRegleTest, DetailsText) {
    struct Cas {
        TRegle Regle;
        int Numero;
        char Separateur;
        const char* Attendu;
    };
    const std::vector<Cas> cas{
        {R({"X = 1", "COLOR IN { RED, BLUE, GREEN }", "T >= 37.5"}, "S NOT_IN { A, B }", 0.85), 3, '.',
         "Rule 3 [Confidence degree = 85%]:\r\nIf X = 1\r\nAnd COLOR in { RED,  BLUE,  GREEN }\r\n"
         "And T >= 37.5\r\nThen S not_in { A, B }"},
        {R({"T < 0.5"}, "W = HIGH", 0.125), 1, ',',
         "Rule 1 [Confidence degree = 12,5%]:\r\nIf T < 0,5\r\nThen W = HIGH"},
        {R({"X NOT_IN { }"}, "Y = 2.25", 1.0), 12, '.',
         "Rule 12 [Confidence degree = 100%]:\r\nIf X not_in {  }\r\nThen Y = 2.25"},
        {R({}, "Y IN { ONE }", 0.0), 2, '.', "Rule 2 [Confidence degree = 0%]:\r\nThen Y in { ONE }"},
        {R({"X = 1E-9"}, "Y = 12345678", 0.333), 5, '.',
         "Rule 5 [Confidence degree = 33.3%]:\r\nIf X = 1E-9\r\nThen Y = 1.234568E7"},
    };
    for (const auto& c : cas) EXPECT_EQ(AfficheRegle(c.Regle, c.Numero, c.Separateur), c.Attendu);
}

TEST(AfficheRegleTest, LongRulesAreNotCut) {
    TRegle regle;
    for (int j = 0; j < 2000; ++j) regle.Premisses.push_back(P("ATTRIBUTE_" + std::to_string(j) + " = VALUE"));
    regle.Conclusion = P("END = 1");
    const auto texte = AfficheRegle(regle, 1, '.');
    EXPECT_GT(texte.size(), 15000u);
    const std::string fin = "And ATTRIBUTE_1999 = VALUE\r\nThen END = 1";
    EXPECT_EQ(texte.substr(texte.size() - fin.size()), fin);
}

}  // namespace
}  // namespace veridane
