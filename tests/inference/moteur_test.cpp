#include "inference/moteur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "journal_moteur.h"
#include "proposition_texte.h"

namespace veridane {
namespace {

using test::P;
using test::R;
using test::TEvenement;
using test::TGenre;
using test::TJournalMoteur;
using Niveaux = std::vector<std::vector<int>>;
using Textes = std::vector<std::string>;

std::vector<TProposition> Faits(std::vector<std::string> textes) {
    std::vector<TProposition> faits;
    for (const auto& texte : textes) faits.push_back(P(texte));
    return faits;
}

Niveaux NumerosParNiveau(const TMoteur& moteur) {
    Niveaux niveaux;
    for (const auto& niveau : moteur.Raisonnement()) {
        niveaux.emplace_back();
        for (const auto& record : niveau.ReglesDeclenchees) {
            EXPECT_EQ(record.Certitude, DegreCertain);
            EXPECT_EQ(record.Precision, DegreCertain);
            niveaux.back().push_back(record.Numero);
        }
    }
    return niveaux;
}

// One complete run as the window does it.
struct TRun {
    std::vector<TRegle> Regles;
    TMoteur Moteur;
    TJournalMoteur Journal;

    TRun(std::vector<TRegle> regles, const std::vector<TProposition>& observation, double critique = 0.0,
         std::function<void(TMoteur&, const TEvenement&)> reaction = {})
        : Regles(std::move(regles)) {
        Moteur.ChoisitObservation(observation, 0);
        Moteur.InitialiseCompteurs(Regles);
        Moteur.InitialiseRegles(Regles, critique);
        if (reaction) Journal.Reaction = [this, reaction](const TEvenement& e) { reaction(Moteur, e); };
        Moteur.Strategie(Regles, Journal);
    }
};

struct CasMoteur {
    const char* Libelle;
    std::vector<TRegle> Regles;
    std::vector<std::string> Observation;
    double Critique;
    Niveaux Attendus;
    Textes Evenements;
};

TEST(MoteurTest, EdgeCasesOfTheRun) {
    const std::vector<CasMoteur> cas{
        {"a priority equal to the critical value takes part, one below never fires",
         {R({"X = 1"}, "A = 1", 0.5), R({"X = 1"}, "B = 1", 0.4)},
         {"X = 1"},
         0.5,
         {{1}, {}},
         {"level 1", "fired 1 #1", "deduced A = 1 #1 /2", "end level", "level 2", "end level", "end"}},
        {"a rule without premise never fires",
         {R({}, "A = 1")},
         {"X = 1"},
         0.0,
         {{}},
         {"level 1", "end level", "end"}},
        {"a conclusion equal to an initial datum is neither recorded nor counted",
         {R({"X = 1"}, "Y = 2"), R({"X = 1"}, "Z = 2")},
         {"X = 1", "Y = 2"},
         0.0,
         {{2}, {}},
         {"level 1", "fired 2 #1", "deduced Z = 2 #1 /3", "end level", "level 2", "end level", "end"}},
        {"equivalent conclusions in one level are both recorded",
         {R({"X = 1"}, "A IN { P, Q }"), R({"X > 0"}, "A IN { P, Q }")},
         {"X = 1"},
         0.0,
         {{1, 2}, {}},
         {"level 1", "fired 1 #1", "deduced A in { P, Q } #1 /2", "fired 2 #2", "deduced A in { P, Q } #2 /3",
          "end level", "level 2", "end level", "end"}},
        {"in different levels only the first one is",
         {R({"X = 1"}, "A = 1"), R({"A = 1"}, "B = 1"), R({"B = 1"}, "A = 1")},
         {"X = 1"},
         0.0,
         {{1}, {2}, {}},
         {"level 1", "fired 1 #1", "deduced A = 1 #1 /2", "end level", "level 2", "fired 2 #2",
          "deduced B = 1 #2 /3", "end level", "level 3", "end level", "end"}},
        {"a contradiction abandons the rule for the rest of the run",
         {R({"X = 1"}, "Y = 2"), R({"Y = 2"}, "Z = 1"), R({"X = 2"}, "W = 1"), R({"Z = 1"}, "X = 2")},
         {"X = 1"},
         0.0,
         {{1}, {2}, {4}, {}},
         {"level 1", "fired 1 #1", "deduced Y = 2 #1 /2", "end level", "level 2", "fired 2 #2",
          "deduced Z = 1 #2 /3", "end level", "level 3", "fired 4 #3", "deduced X = 2 #3 /4", "end level",
          "level 4", "end level", "end"}},
        {"premises satisfied across levels: the rule fires when the last one is",
         {R({"X = 1"}, "A = 1"), R({"X = 1", "A = 1"}, "B = 1")},
         {"X = 1"},
         0.0,
         {{1}, {2}, {}},
         {"level 1", "fired 1 #1", "deduced A = 1 #1 /2", "end level", "level 2", "fired 2 #2",
          "deduced B = 1 #2 /3", "end level", "level 3", "end level", "end"}},
        {"no datum deduced at level 1",
         {R({"X = 2"}, "A = 1"), R({"Y = 1"}, "B = 1")},
         {"X = 1"},
         0.0,
         {{}},
         {"level 1", "end level", "end"}},
        {"only the counter decides: satisfied then contradicted in one scan still fires",
         {R({"X = 1"}, "A = 1")},
         {"X = 1", "X = 2"},
         0.0,
         {{1}, {}},
         {"level 1", "fired 1 #1", "deduced A = 1 #1 /3", "end level", "level 2", "end level", "end"}},
        {"a premise satisfied by several data is counted once",
         {R({"X >= 1", "Y = 1"}, "A = 1")},
         {"X = 1", "X = 2"},
         0.0,
         {{}},
         {"level 1", "end level", "end"}},
        {"an empty observation fires nothing",
         {R({"X = 1"}, "A = 1")},
         {},
         0.0,
         {{}},
         {"level 1", "end level", "end"}},
    };
    for (const auto& c : cas) {
        TRun run(c.Regles, Faits(c.Observation), c.Critique);
        EXPECT_EQ(NumerosParNiveau(run.Moteur), c.Attendus) << c.Libelle;
        EXPECT_EQ(run.Journal.Evenements, c.Evenements) << c.Libelle;
        int recorded = 0;
        for (const auto& niveau : c.Attendus) recorded += static_cast<int>(niveau.size());
        EXPECT_EQ(run.Moteur.NbReglesDeclenchees(), recorded) << c.Libelle;
        EXPECT_EQ(run.Moteur.NbFaitsDeduits(), recorded) << c.Libelle;
        EXPECT_EQ(run.Moteur.FaitsDeduits().size(), static_cast<std::size_t>(recorded)) << c.Libelle;
        EXPECT_EQ(run.Moteur.NbFaitsInitiaux(), static_cast<int>(c.Observation.size())) << c.Libelle;
        EXPECT_FALSE(run.Moteur.ContinueInference()) << c.Libelle;
    }
}

TEST(MoteurTest, RulesBelowTheCriticalValueAreSetAsideUntouched) {
    std::vector<TRegle> regles{R({"X = 1", "Y = 1"}, "A = 1", 0.2), R({"X = 1"}, "B = 1", 0.9)};
    regles[0].NbPremissesRestantes = 7;
    regles[0].Premisses[0].Validee = true;
    regles[1].Declenchee = true;
    regles[1].Premisses[0].Validee = true;
    TMoteur moteur;
    moteur.InitialiseRegles(regles, 0.5);
    EXPECT_TRUE(regles[0].Declenchee);
    EXPECT_EQ(regles[0].NbPremissesRestantes, 7);
    EXPECT_TRUE(regles[0].Premisses[0].Validee);
    EXPECT_FALSE(regles[1].Declenchee);
    EXPECT_EQ(regles[1].NbPremissesRestantes, 1);
    EXPECT_FALSE(regles[1].Premisses[0].Validee);
}

TEST(MoteurTest, KnownConclusionsFollowEquivalence) {
    auto zeroNegatif = P("A = 0");
    zeroNegatif.Reel = -0.0;
    auto nan = P("A = 0");
    nan.Reel = std::numeric_limits<double>::quiet_NaN();
    auto ensemble = P("S IN { P, Q }");

    TRegle r1 = R({"X = 1"}, "A = 0");
    r1.Conclusion = zeroNegatif;
    TRegle r2 = R({"X = 1"}, "A = 0");
    r2.Conclusion = nan;
    TRegle r3 = R({"B = 1"}, "A = 0");
    r3.Conclusion = nan;
    TRun run({r1, r2, r3, R({"X = 1"}, "S IN { Q, P }"), R({"X = 1"}, "S IN { P, Q }"), R({"X = 1"}, "B = 1")},
             {P("A = 0"), P("X = 1"), ensemble});
    // -0 is the datum 0; a NaN equals nothing, not even itself; set order matters.
    EXPECT_EQ(NumerosParNiveau(run.Moteur), (Niveaux{{2, 4, 6}, {3}, {}}));
    EXPECT_TRUE(run.Moteur.FaitPresent(zeroNegatif));
    EXPECT_FALSE(run.Moteur.FaitPresent(nan));
    EXPECT_TRUE(run.Moteur.FaitPresent(P("S IN { Q, P }")));
    EXPECT_FALSE(run.Moteur.FaitPresent(P("S IN { P }")));
    EXPECT_FALSE(run.Moteur.FaitPresent(P("a = 0")));
}

TEST(MoteurTest, RecordsAreFoundAcrossLevels) {
    TRun run({R({"X = 1"}, "A = 1"), R({"X = 1"}, "B = 1"), R({"A = 1"}, "C = 1")}, Faits({"X = 1"}));
    EXPECT_EQ(NumerosParNiveau(run.Moteur), (Niveaux{{1, 2}, {3}, {}}));
    EXPECT_EQ(run.Moteur.NumeroRegleDuRecord(0), 1);
    EXPECT_EQ(run.Moteur.NumeroRegleDuRecord(1), 2);
    EXPECT_EQ(run.Moteur.NumeroRegleDuRecord(2), 3);
    EXPECT_EQ(run.Moteur.NumeroRegleDuRecord(3), std::nullopt);
}

// Stops pressed from inside a notification: the run ends at the end of the
// level, whose records and data are kept.
struct CasArret {
    const char* Libelle;
    TGenre Genre;
    int Niveau;
    int Valeur;
    Niveaux Attendus;
    Textes Evenements;
};

TEST(MoteurTest, StopEndsTheRunAtTheEndOfTheLevel) {
    const std::vector<TRegle> regles{R({"X = 1"}, "A = 1"), R({"X = 1"}, "B = 1"), R({"A = 1"}, "C = 1"),
                                     R({"C = 1"}, "D = 1")};
    const Textes niveau1Complet{"level 1", "fired 1 #1", "deduced A = 1 #1 /2", "fired 2 #2",
                                "deduced B = 1 #2 /3", "end level"};
    auto suite = [&](Textes fin) {
        Textes t = niveau1Complet;
        t.insert(t.end(), fin.begin(), fin.end());
        return t;
    };
    const std::vector<CasArret> cas{
        {"at the first firing", TGenre::Declenchement, 1, 1, {{1}},
         {"level 1", "fired 1 #1", "deduced A = 1 #1 /2", "end level", "end"}},
        {"at the gauge of rule 2: rule 2 is still tested", TGenre::Progression, 1, 1, {{1, 2}},
         suite({"end"})},
        {"at the start of level 2", TGenre::Niveau, 2, 2, {{1, 2}, {}},
         suite({"level 2", "end level", "end"})},
        {"in a pump of level 2", TGenre::Pompe, 2, 0, {{1, 2}, {}},
         suite({"level 2", "end level", "end"})},
    };
    for (const auto& c : cas) {
        bool presse = false;
        TRun run(regles, Faits({"X = 1"}), 0.0, [&](TMoteur& moteur, const TEvenement& e) {
            if (!presse && e.Genre == c.Genre && e.Niveau == c.Niveau && e.Valeur == c.Valeur) {
                presse = true;
                moteur.StopClick();
            }
        });
        EXPECT_TRUE(presse) << c.Libelle;
        EXPECT_EQ(NumerosParNiveau(run.Moteur), c.Attendus) << c.Libelle;
        EXPECT_EQ(run.Journal.Evenements, c.Evenements) << c.Libelle;
        EXPECT_FALSE(run.Moteur.ContinueInference()) << c.Libelle;
    }
}

TEST(MoteurTest, ANewRunForgetsTheStopAndThePreviousResults) {
    TRun run({R({"X = 1"}, "A = 1"), R({"A = 1"}, "B = 1")}, Faits({"X = 1"}), 0.0,
             [](TMoteur& moteur, const TEvenement& e) {
                 if (e.Genre == TGenre::Declenchement) moteur.StopClick();
             });
    EXPECT_EQ(NumerosParNiveau(run.Moteur), (Niveaux{{1}}));
    TJournalMoteur journal;
    run.Moteur.InitialiseCompteurs(run.Regles);
    run.Moteur.InitialiseRegles(run.Regles, 0.0);
    run.Moteur.Strategie(run.Regles, journal);
    EXPECT_EQ(NumerosParNiveau(run.Moteur), (Niveaux{{1}, {2}, {}}));
    EXPECT_EQ(run.Moteur.NbReglesDeclenchees(), 2);
    EXPECT_EQ(run.Moteur.FaitsDeduits().size(), 2u);
}

}  // namespace
}  // namespace veridane
