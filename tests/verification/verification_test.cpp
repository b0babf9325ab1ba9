// The static checks, one small base per kind of finding: each planted fault
// is found on exactly the rules named, with its message, and its near miss
// (a base that looks alike but is sound) gives no finding of that kind.
#include "verification/verification.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/dictionnaire.h"
#include "core/fichier_regles.h"
#include "core/journal.h"

namespace veridane {
namespace {

struct TAttendu {
    int Regle;
    int Entree;
    std::vector<int> Liees;
    std::string Message;
};

struct TCas {
    const char* Nom;
    std::vector<std::string> Regles;  // upper-cased rule texts, in the order they are read
    std::vector<std::string> Dico;    // entries of the dictionary file
    std::vector<std::string> Observes;
    const char* Id;
    std::vector<TAttendu> Attendus;   // empty: the near miss
};

TBaseConnaissances Base(const TCas& cas) {
    TBaseConnaissances base;
    base.Vide();
    TDialoguesJournal dialogues;
    for (const std::string& entree : cas.Dico) EXPECT_TRUE(DecortiqueDico(base, entree, dialogues)) << entree;
    for (const std::string& regle : cas.Regles) EXPECT_TRUE(DecortiqueRegle(base, regle, dialogues)) << regle;
    base.NbRegles = static_cast<int>(base.Regles.size());
    CompileDico(base);
    return base;
}

class VerificationTest : public ::testing::TestWithParam<TCas> {};

TEST_P(VerificationTest, FindsThePlantedFaultOnlyWhereItIs) {
    const TCas& cas = GetParam();
    const TBaseConnaissances base = Base(cas);
    TSourcesAttributs sources;
    for (const std::string& entree : cas.Dico) sources.Declares.insert(entree.substr(0, entree.find(' ')));
    sources.Observes.insert(cas.Observes.begin(), cas.Observes.end());
    std::vector<TAttendu> trouves;
    for (const TConstat& c : VerifieBase(base, sources))
        if (c.Id == cas.Id) trouves.push_back({c.Regle, c.Entree, c.ReglesLiees, c.Message});
    ASSERT_EQ(trouves.size(), cas.Attendus.size());
    for (std::size_t i = 0; i < trouves.size(); ++i) {
        EXPECT_EQ(trouves[i].Regle, cas.Attendus[i].Regle);
        EXPECT_EQ(trouves[i].Entree, cas.Attendus[i].Entree);
        EXPECT_EQ(trouves[i].Liees, cas.Attendus[i].Liees);
        EXPECT_EQ(trouves[i].Message, cas.Attendus[i].Message);
    }
}

const std::string Jamais = ": the rule can never fire";

INSTANTIATE_TEST_SUITE_P(
    Bases, VerificationTest,
    ::testing::Values(
        // Premises of one rule that exclude each other.
        TCas{"IntervalsApart", {"IF X > 5 AND X < 3 THEN Y = A [1];"}, {}, {}, "contradictory-premises",
             {{1, 0, {}, "premises X > 5 and X < 3 are satisfied by no single value of X" + Jamais}}},
        TCas{"TwoWords", {"IF Z = Q THEN Y = A [1];", "IF X = A AND X = B THEN Y = A [1];"}, {}, {},
             "contradictory-premises",
             {{2, 0, {}, "premises X = A and X = B are satisfied by no single value of X" + Jamais}}},
        TCas{"SetAgainstWord", {"IF X IN {A, B} AND W = 1 AND X = C THEN Y = A [1];"}, {}, {},
             "contradictory-premises",
             {{1, 0, {}, "premises X in { A, B } and X = C are satisfied by no single value of X" + Jamais}}},
        TCas{"OnlyAllThree", {"IF X >= 5 AND X <= 5 AND X <> 5 THEN Y = A [1];"}, {}, {}, "contradictory-premises",
             {{1, 0, {}, "premises X >= 5, X <= 5 and X <> 5 are satisfied by no single value of X" + Jamais}}},
        TCas{"NumberAgainstWord", {"IF X > 5 AND X = A THEN Y = A [1];"}, {}, {}, "contradictory-premises",
             {{1, 0, {}, "premises X > 5 and X = A are satisfied by no single value of X" + Jamais}}},
        TCas{"NarrowIntervalMiss", {"IF X > 5 AND X < 6 THEN Y = A [1];"}, {}, {}, "contradictory-premises", {}},
        TCas{"PointLeftMiss", {"IF X >= 5 AND X <= 5 AND X <> 4 THEN Y = A [1];"}, {}, {}, "contradictory-premises", {}},
        TCas{"SetLessWordMiss", {"IF X IN {A, B} AND X NOT_IN {A} THEN Y = A [1];"}, {}, {}, "contradictory-premises", {}},

        // The same rule twice, premises in another order.
        TCas{"Duplicate", {"IF A = 1 AND B = 2 THEN C = X [1];", "IF D = 1 THEN C = X [1];", "IF B = 2 AND A = 1 THEN C = X [1];"},
             {}, {}, "duplicate-rule", {{3, 0, {1}, "same premises and conclusion as rule 1"}}},
        TCas{"OtherConclusionMiss", {"IF A = 1 AND B = 2 THEN C = X [1];", "IF B = 2 AND A = 1 THEN C = Y [1];"}, {}, {},
             "duplicate-rule", {}},
        TCas{"SetOrderMiss", {"IF A IN {P, Q} THEN C = X [1];", "IF A IN {Q, P} THEN C = X [1];"}, {}, {},
             "duplicate-rule", {}},

        // A rule that a rule with fewer or weaker premises makes useless.
        TCas{"StrongerBound", {"IF X > 7 AND Y = A THEN Z = B [1];", "IF X > 5 THEN Z = B [1];"}, {}, {}, "subsumed-rule",
             {{1, 0, {2}, "rule 2 concludes the same from fewer or weaker premises: this rule adds nothing"}}},
        TCas{"WordInSet", {"IF X IN {A, B} THEN Z = B [1];", "IF X = A THEN Z = B [1];"}, {}, {}, "subsumed-rule",
             {{2, 0, {1}, "rule 1 concludes the same from fewer or weaker premises: this rule adds nothing"}}},
        TCas{"WeakerBoundMiss", {"IF X > 5 AND Y = A THEN Z = B [1];", "IF X > 7 THEN Z = B [1];"}, {}, {}, "subsumed-rule",
             {}},
        TCas{"OtherConclusionSubsumeMiss", {"IF X > 7 THEN Z = B [1];", "IF X > 5 THEN Z = C [1];"}, {}, {}, "subsumed-rule",
             {}},

        // Two rules that can fire together and conclude values that cannot both hold.
        TCas{"ConflictFreePremises", {"IF X = A THEN D = F [1];", "IF Y = B THEN D = G [1];"}, {}, {}, "conflict",
             {{2, 0, {1}, "can fire on the same data as rule 1 and concludes D = G against D = F"}}},
        TCas{"ConflictOverlap", {"IF X > 5 THEN D > 10 [1];", "IF X < 7 THEN D <= 10 [1];"}, {}, {}, "conflict",
             {{2, 0, {1}, "can fire on the same data as rule 1 and concludes D <= 10 against D > 10"}}},
        TCas{"DisjointPremisesMiss", {"IF X = A THEN D = F [1];", "IF X = B THEN D = G [1];"}, {}, {}, "conflict", {}},
        TCas{"DisjointIntervalsMiss", {"IF X > 5 THEN D = F [1];", "IF X < 3 THEN D = G [1];"}, {}, {}, "conflict", {}},
        TCas{"SharedValueMiss", {"IF X = A THEN D IN {F, G} [1];", "IF Y = B THEN D = G [1];"}, {}, {}, "conflict", {}},

        // Conclusions that feed each other's premises.
        TCas{"ThreeRuleCycle",
             {"IF A = 1 THEN B = 2 [1];", "IF Q = 1 THEN R = 2 [1];", "IF B = 2 THEN C = 3 [1];", "IF C = 3 THEN A = 1 [1];"},
             {}, {}, "cycle", {{1, 0, {3, 4}, "rules 1, 3 and 4 feed each other through A, B and C"}}},
        TCas{"CycleOfOne", {"IF X > 1 THEN X = 2 [1];"}, {}, {}, "cycle",
             {{1, 0, {}, "the rule tests X, the attribute it concludes"}}},
        TCas{"ChainMiss", {"IF A = 1 THEN B = 2 [1];", "IF B = 2 THEN C = 3 [1];"}, {}, {}, "cycle", {}},

        // A premise nothing can feed.
        TCas{"Unreachable", {"IF X = A AND W = 1 THEN Y = B [1];"}, {}, {"W"}, "unreachable-premise",
             {{1, 0, {}, "premise X = A: no rule concludes X, no observation holds it and the dictionary does not declare it"}}},
        TCas{"ObservedMiss", {"IF X = A THEN Y = B [1];"}, {}, {"X"}, "unreachable-premise", {}},
        TCas{"DeclaredMiss", {"IF X = A THEN Y = B [1];"}, {"X = C ;"}, {}, "unreachable-premise", {}},
        TCas{"ConcludedMiss", {"IF X = A THEN Y = B [1];", "IF Y = B THEN X = A [1];"}, {}, {}, "unreachable-premise", {}},

        // A premise on a deduced attribute that no rule can satisfy.
        TCas{"Unsatisfiable", {"IF Y = C THEN Z = 1 [1];", "IF X = A THEN Y = B [1];"}, {}, {"X"}, "unsatisfiable-premise",
             {{1, 0, {}, "premise Y = C: Y is only deduced, and no rule concludes a value that satisfies it"}}},
        TCas{"BoundUnsatisfiable", {"IF Y > 10 THEN Z = 1 [1];", "IF X = A THEN Y = 10 [1];"}, {}, {"X"},
             "unsatisfiable-premise",
             {{1, 0, {}, "premise Y > 10: Y is only deduced, and no rule concludes a value that satisfies it"}}},
        TCas{"SatisfiedBySetMiss", {"IF Y IN {B, C} THEN Z = 1 [1];", "IF X = A THEN Y = B [1];"}, {}, {"X"},
             "unsatisfiable-premise", {}},
        TCas{"ObservedToo", {"IF Y = C THEN Z = 1 [1];", "IF X = A THEN Y = B [1];"}, {}, {"X", "Y"},
             "unsatisfiable-premise", {}},

        // A premise fed only by rules of lower priority.
        TCas{"Inversion", {"IF Y = B THEN Z = 1 [0.9];", "IF X = A THEN Y = B [0.5];", "IF X = C THEN Y = B [0.25];"},
             {}, {"X"}, "priority-inversion",
             {{1, 0, {2}, "premise Y = B is only satisfied by rules of lower priority, at most 0.5 (rule 2): "
                          "above a critical value of 0.5 this rule can never fire"}}},
        TCas{"EqualPriorityMiss", {"IF Y = B THEN Z = 1 [0.9];", "IF X = A THEN Y = B [0.9];"}, {}, {"X"},
             "priority-inversion", {}},
        TCas{"OneHigherMiss", {"IF X = C THEN Y = B [1];", "IF Y = B THEN Z = 1 [0.9];", "IF X = A THEN Y = B [0.5];"},
             {}, {"X"}, "priority-inversion", {}},

        // Dictionary entries that no rule uses.
        TCas{"UnusedEntry", {"IF X = A THEN Y = B [1];"}, {"W = Q ;", "X = A ;", "X = Z ;"}, {}, "unused-entry",
             {{0, 1, {}, "entry W = Q is used by no premise and no conclusion"},
              {0, 3, {}, "entry X = Z is used by no premise and no conclusion"}}},
        TCas{"UsedEntriesMiss", {"IF X = A THEN Y = B [1];"}, {"X = A ;", "Y = B ;"}, {}, "unused-entry", {}},

        // The attributes concluded and never tested.
        TCas{"Goals", {"IF X = A THEN Y = B [1];", "IF Y = B THEN Z = C [1];", "IF X = B THEN W = C [1];"}, {}, {},
             "goals", {{0, 0, {}, "goals of the base (concluded, tested by no premise): W and Z"}}},
        TCas{"NoGoalMiss", {"IF X = A THEN Y = B [1];", "IF Y = B THEN X = A [1];"}, {}, {}, "goals", {}}),
    [](const ::testing::TestParamInfo<TCas>& info) { return std::string(info.param.Nom); });

// A base written with care: every premise fed by the observations or by a
// rule of the same or higher priority, no rule useless or at odds with
// another. Only the goals are noted.
TEST(VerificationPropreTest, CleanBaseGivesOnlyItsGoals) {
    TCas cas{"Clean",
             {"IF TEMPERATURE > 38.5 AND COUGH = YES THEN INFECTION = LIKELY [1];",
              "IF TEMPERATURE <= 38.5 THEN INFECTION = UNLIKELY [1];",
              "IF INFECTION = LIKELY AND RASH = YES THEN DISEASE = MEASLES [0.8];",
              "IF INFECTION = LIKELY AND RASH = NO THEN DISEASE = FLU [0.8];",
              "IF INFECTION = UNLIKELY THEN ADVICE = REST [0.5];"},
             {},
             {"TEMPERATURE", "COUGH", "RASH"},
             "",
             {}};
    const TBaseConnaissances base = Base(cas);
    TSourcesAttributs sources;
    sources.Observes = {"TEMPERATURE", "COUGH", "RASH"};
    const auto constats = VerifieBase(base, sources);
    ASSERT_EQ(constats.size(), 1u);
    EXPECT_EQ(constats[0].Id, "goals");
    EXPECT_EQ(constats[0].Attributs, (std::vector<std::string>{"ADVICE", "DISEASE"}));
}

}  // namespace
}  // namespace veridane
