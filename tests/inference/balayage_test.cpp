// The intervals of critical values, the comparison of two runs' deduced data
// and the changes of a what-if copy.
#include "inference/balayage.h"

#include <gtest/gtest.h>

#include "inference/que_si.h"
#include "proposition_texte.h"

namespace veridane {
namespace {

using test::P;
using Textes = std::vector<std::string>;

std::vector<TProposition> Faits(const Textes& textes) {
    std::vector<TProposition> faits;
    for (const auto& texte : textes) faits.push_back(P(texte));
    return faits;
}

Textes TextesDe(const std::vector<TProposition>& faits) {
    Textes textes;
    for (const auto& fait : faits) textes.push_back(PropEnChaine(fait));
    return textes;
}

struct TCasIntervalles {
    const char* Nom;
    std::vector<double> Priorites;  // of the rules, in any order
    Textes Attendus;                // "interval rules"
};

class Intervalles : public ::testing::TestWithParam<TCasIntervalles> {};

TEST_P(Intervalles, OnePerDistinctPriorityAndNoneLeftOut) {
    std::vector<TRegle> regles;
    for (double priorite : GetParam().Priorites) regles.emplace_back().Priorite = priorite;
    Textes obtenus;
    for (const auto& intervalle : IntervallesCritiques(regles))
        obtenus.push_back(TexteIntervalle(intervalle, '.') + " " + std::to_string(intervalle.NbRegles));
    EXPECT_EQ(obtenus, GetParam().Attendus);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Intervalles,
    ::testing::Values(
        TCasIntervalles{"NoRule", {}, {"[0, 1] 0"}},
        TCasIntervalles{"RepeatedPriorities", {1, 0.5, 0.8, 0.5}, {"[0, 0.5] 4", "(0.5, 0.8] 2", "(0.8, 1] 1"}},
        // Above the highest priority no rule takes part, up to 1.
        TCasIntervalles{"HighestBelowOne", {0.3, 0.3}, {"[0, 0.3] 2", "(0.3, 1] 0"}},
        TCasIntervalles{"PriorityZero", {0, 1}, {"[0, 0] 2", "(0, 1] 1"}}),
    [](const auto& info) { return std::string(info.param.Nom); });

TEST(Intervalles, DecimalCommaKeepsTheBoundsApart) {
    TPasBalayage pas{{0.5, 0.75, false, 3}, 4, 0, {}};
    EXPECT_EQ(LigneIntervalle(pas, ','), "critical in (0,5; 0,75]: 3 rules take part, 4 data deduced");
}

struct TCasDifference {
    const char* Nom;
    Textes Avant, Apres, Gagnes, Perdus;
};

class Difference : public ::testing::TestWithParam<TCasDifference> {};

TEST_P(Difference, CountsRepeatsAndKeepsTheOrderOfEachRun) {
    const auto& cas = GetParam();
    const auto difference = DifferenceFaits(Faits(cas.Avant), Faits(cas.Apres));
    EXPECT_EQ(TextesDe(difference.Gagnes), cas.Gagnes);
    EXPECT_EQ(TextesDe(difference.Perdus), cas.Perdus);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, Difference,
    ::testing::Values(
        TCasDifference{"Same", {"A = 1", "B = X"}, {"B = X", "A = 1"}, {}, {}},
        TCasDifference{"GainedAndLost", {"A = 1", "B = X", "C = Y"}, {"D = 2", "B = X", "E = Z"},
                       {"D = 2", "E = Z"}, {"A = 1", "C = Y"}},
        // Equivalent data compare equal however they were written.
        TCasDifference{"Equivalent", {"A = 1.50", "S IN { P, Q }"}, {"A = 1.5", "S IN {P,Q}"}, {}, {}},
        TCasDifference{"SetOrderMatters", {"S IN { P, Q }"}, {"S IN { Q, P }"}, {"S in { Q, P }"},
                       {"S in { P, Q }"}},
        // Two rules of one level may deduce the same datum twice.
        TCasDifference{"RepeatLost", {"A = 1", "A = 1", "B = 2"}, {"A = 1", "B = 2"}, {}, {"A = 1"}},
        TCasDifference{"RepeatGained", {"A = 1"}, {"A = 1", "C = 3", "A = 1"}, {"C = 3", "A = 1"}, {}},
        TCasDifference{"OperatorCounts", {"T > 5"}, {"T >= 5"}, {"T >= 5"}, {"T > 5"}}),
    [](const auto& info) { return std::string(info.param.Nom); });

struct TCasChangement {
    const char* Nom;
    Textes Observation;
    const char* Pose;     // nullptr: none
    const char* Retire;   // nullptr: none
    Textes Attendue;
    int NbRetires;
};

class ChangementQueSi : public ::testing::TestWithParam<TCasChangement> {};

TEST_P(ChangementQueSi, ChangesTheCopyAsAsked) {
    const auto& cas = GetParam();
    auto observation = Faits(cas.Observation);
    if (cas.Pose) PoseFait(observation, P(cas.Pose));
    if (cas.Retire) {
        EXPECT_EQ(RetireAttribut(observation, cas.Retire), cas.NbRetires);
    }
    EXPECT_EQ(TextesDe(observation), cas.Attendue);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, ChangementQueSi,
    ::testing::Values(
        TCasChangement{"SetKeepsThePlaceOfTheFirst", {"A = 1", "T = 3", "B = X", "T > 7"}, "T = 9", nullptr,
                       {"A = 1", "T = 9", "B = X", "T > 7"}, 0},
        TCasChangement{"SetAppendsANewAttribute", {"A = 1"}, "S IN { P }", nullptr, {"A = 1", "S in { P }"}, 0},
        TCasChangement{"RemoveTakesEveryDatum", {"T = 3", "A = 1", "T > 7"}, nullptr, "T", {"A = 1"}, 2},
        TCasChangement{"RemoveOfAnAbsentAttribute", {"A = 1"}, nullptr, "TT", {"A = 1"}, 0}),
    [](const auto& info) { return std::string(info.param.Nom); });

}  // namespace
}  // namespace veridane
