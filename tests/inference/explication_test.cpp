#include "inference/explication.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inference/textes_explication.h"
#include "journal_moteur.h"
#include "proposition_texte.h"

namespace veridane {
namespace {

using test::P;
using test::R;
using Textes = std::vector<std::string>;

// A recorded run on a base where every fate of a rule occurs.
struct TRunEnregistre {
    std::vector<TRegle> Regles{
        R({"A = 1"}, "B = 1", 0.7),              // 1 fires at level 1
        R({"B = 1", "C = 2"}, "D = 1", 0.9),     // 2 open: nothing gives C
        R({"A = 2"}, "D = 1", 0.8),              // 3 abandoned by A = 1
        R({"E = 1"}, "D = 1", 0.2),              // 4 excluded
        R({"B = 1"}, "A = 1", 1),                // 5 fires, A = 1 already known
        R({"F = 1"}, "D = 1", 0.9),              // 6 and 7 need each other
        R({"D = 1"}, "F = 1", 0.9),
        R({"B = 1", "B > 0"}, "G = 1", 1),       // 8 uses one datum twice
    };
    TMoteur Moteur;
    TEnregistreur Enregistreur;
    test::TJournalMoteur Journal;

    explicit TRunEnregistre(bool arret = false) {
        Moteur.Enregistre(&Enregistreur);
        Moteur.ChoisitObservation({P("A = 1")}, 0);
        Moteur.InitialiseCompteurs(Regles);
        Moteur.InitialiseRegles(Regles, 0.5);
        if (arret)
            Journal.Reaction = [this](const test::TEvenement& e) {
                if (e.Genre == test::TGenre::Niveau) Moteur.StopClick();
            };
        Moteur.Strategie(Regles, Journal);
    }
};

TEST(ExplicationTest, WhyGoesDownToTheObservedDataAndNamesTheWeakestRule) {
    TRunEnregistre run;
    const TExplication explication(run.Moteur, run.Regles, run.Enregistreur);
    const auto origine = explication.Trouve(P("G = 1"));
    ASSERT_TRUE(origine);
    EXPECT_EQ(LignesPourquoi(explication.Pourquoi(*origine), '.'),
              (Textes{"G = 1: level 2, rule 8 [1]",
                      "  premise 1 B = 1: satisfied by B = 1",
                      "    B = 1: level 1, rule 1 [0.7]",
                      "      premise 1 A = 1: satisfied by A = 1",
                      "        A = 1: observed, datum 1",
                      "  premise 2 B > 0: satisfied by B = 1",
                      "    B = 1: level 1, rule 1 [0.7] (explained above)",
                      "Weakest rule in the chain: rule 1 [0.7]"}));
    EXPECT_EQ(LignesPourquoi(explication.Pourquoi(*explication.Trouve(P("A = 1"))), ','),
              Textes{"A = 1: observed, datum 1"});
    EXPECT_FALSE(explication.Trouve(P("D = 1")));
}

TEST(ExplicationTest, WhyNotGivesEachCandidateRuleItsFate) {
    const std::vector<TProposition> dictionnaire{P("C = 2")};
    struct TCasPourquoiPas {
        const char* Fait;
        int Profondeur;
        Textes Attendu;
    };
    const std::vector<TCasPourquoiPas> cas{
        {"D = 1", 3,
         {"D = 1 was not established in observation 1.",
          "  rule 2 [0.9] -> D = 1: open: premises never satisfied",
          "    premise 2 C = 2: no datum satisfied it",
          "      No rule can conclude C = 2.",
          "      C is in the dictionary: an observation could give it.",
          "      Observation 1 has no datum on C.",
          "  rule 3 [0.8] -> D = 1: abandoned at level 1: premise 1 A = 2 contradicted by A = 1 (observed, datum 1)",
          "  rule 4 [0.2] -> D = 1: excluded: its priority 0.2 is below the critical value 0.5",
          "  rule 6 [0.9] -> D = 1: open: premises never satisfied",
          "    premise 1 F = 1: no datum satisfied it",
          "      rule 7 [0.9] -> F = 1: open: premises never satisfied",
          "        premise 1 D = 1: no datum satisfied it",
          "          (not explained again: it is being explained above)"}},
        {"F = 1", 0,
         {"F = 1 was not established in observation 1.",
          "  rule 7 [0.9] -> F = 1: open: premises never satisfied",
          "    premise 1 D = 1: no datum satisfied it",
          "      (not explained further: depth limit reached)"}},
        // Satisfied as a premise by what two rules concluded, yet never
        // established as such.
        {"A > 0", 3,
         {"A > 0 was not established in observation 1.",
          "  rule 5 [1] -> A = 1: fired at level 2, but its conclusion was already known (observed, datum 1)"}},
        {"B > 0", 3, {"B > 0 was not established in observation 1.", "  rule 1 [0.7] -> B = 1: fired at level 1"}},
        {"H = 1", 3,
         {"H = 1 was not established in observation 1.", "  No rule can conclude H = 1.",
          "  H is not in the dictionary: no observation gives it.", "  Observation 1 has no datum on H."}},
        {"A = 3", 3,
         {"A = 3 was not established in observation 1.", "  No rule can conclude A = 3.",
          "  A is not in the dictionary: no observation gives it.", "  Observation 1 gives A = 1 (datum 1)."}},
    };
    TRunEnregistre run;
    const TExplication explication(run.Moteur, run.Regles, run.Enregistreur);
    for (const auto& c : cas) {
        const auto pourquoiPas = explication.PourquoiPas(P(c.Fait), c.Profondeur, dictionnaire);
        EXPECT_FALSE(pourquoiPas.Etabli) << c.Fait;
        EXPECT_EQ(LignesPourquoiPas(pourquoiPas, 1, 0.5, '.'), c.Attendu) << c.Fait;
    }
    EXPECT_EQ(explication.PourquoiPas(P("B = 1"), 3, dictionnaire).Etabli, (TOrigine{false, 0, 1, 1, 0}));
}

TEST(ExplicationTest, AStopLeavesTheOpenRulesNotReached) {
    TRunEnregistre run(true);
    const TExplication explication(run.Moteur, run.Regles, run.Enregistreur);
    EXPECT_EQ(LignesPourquoiPas(explication.PourquoiPas(P("B = 1"), 3, {}), 1, 0.5, '.'),
              (Textes{"B = 1 was not established in observation 1.",
                      "  rule 1 [0.7] -> B = 1: not reached: the run was stopped",
                      "    premise 1 A = 1: no datum satisfied it",
                      "      A = 1 was established: observed, datum 1"}));
}

TEST(ExplicationTest, PropositionsAreReadAsRuleConclusions) {
    struct TCasLecture {
        const char* Texte;
        const char* Lu;  // nullptr: refused
    };
    const std::vector<TCasLecture> cas{
        {"action = recharge_battery", "ACTION = RECHARGE_BATTERY"},
        {"  X >= 2,5  ", "X >= 2.5"},
        {"x in {a,b}", "X in { A, B }"},
        {"X NOT_IN { A }", "X not_in { A }"},
        {"X > ABC", nullptr},
        {"X >", nullptr},
        {"", nullptr},
        {"X ~ 3", nullptr},
        {"X = A [1]", nullptr},
    };
    for (const auto& c : cas) {
        const auto lu = LitProposition(c.Texte);
        if (!c.Lu) {
            EXPECT_FALSE(lu) << c.Texte;
            continue;
        }
        ASSERT_TRUE(lu) << c.Texte;
        EXPECT_EQ(PropEnChaine(*lu), c.Lu) << c.Texte;
    }
}

}  // namespace
}  // namespace veridane
