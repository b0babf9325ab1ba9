// Running cases on the demo project: the outcome of each kind of clause and
// the line that explains a failure, the coverage and the count over a whole
// file, and the cases file recorded from the current results.
#include <gtest/gtest.h>

#include "../project/outils_test.h"
#include "core/journal.h"
#include "project/cycle_projet.h"
#include "verification/execution_cas.h"
#include "verification/explication_cas.h"
#include "verification/textes_cas.h"

namespace veridane {
namespace {

const std::string Demo = std::string(VERIDANE_TEST_DATA) + "/demo/car.exp";

class ExecutionCas : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(TCycleProjet(Etat, Fenetres, Dialogues, Progression).OuvreProjet(Demo)); }

    TCas Cas(const std::string& ligne) {
        auto cas = DecortiqueCas(ligne, 1, Dialogues);
        EXPECT_TRUE(cas) << ligne;
        return cas.value_or(TCas{});
    }

    TFichierCas Fichier(const std::vector<std::string>& lignes) { return DecortiqueFichierCas(lignes, Dialogues); }

    TEtatVeridane Etat;
    test::TFenetresScript Fenetres;
    TDialoguesJournal Dialogues;
    TProgressionMuette Progression;
};

struct TClauseAttendue {
    const char* Ligne;
    double CritiqueProjet;
    std::vector<std::string> Rapport;  // LignesRapportCas
};

TEST_F(ExecutionCas, ChaqueClauseReussitOuDitPourquoi) {
    const TClauseAttendue table[] = {
        {"Observation 1: expect DIAGNOSIS = BATTERY_DRAINED; expect ACTION = RECHARGE_BATTERY", 0,
         {"PASS Observation 1"}},
        // A datum satisfies a clause as it would satisfy a premise.
        {"Observation 1: expect BATTERY_VOLTAGE < 12; expect KEY_TURN in { CLICKS, NOTHING }", 0,
         {"PASS Observation 1"}},
        {"Observation 1: expect BATTERY_VOLTAGE > 12; reject ACTION = CALL_A_MECHANIC", 0,
         {"FAIL Observation 1", "  expected BATTERY_VOLTAGE > 12: not established"}},
        {"Observation 1: reject KEY_TURN = CLICKS; reject DIAGNOSIS in { BATTERY_DRAINED, OUT_OF_FUEL }", 0,
         {"FAIL Observation 1", "  rejected KEY_TURN = CLICKS: observed, datum 1",
          "  rejected DIAGNOSIS in { BATTERY_DRAINED, OUT_OF_FUEL }: established by rule 7 at level 3"}},
        {"Observation 8: reject ACTION = CALL_A_MECHANIC", 0,
         {"FAIL Observation 8", "  rejected ACTION = CALL_A_MECHANIC: established by rule 29 at level 4"}},
        // The critical value of the case, else the project's, leaves out
        // rule 14 (priority 0.9), which alone finds the drain.
        {"Observation 1 critical 0.95: expect DRAIN = LIGHTS", 0,
         {"FAIL Observation 1", "  expected DRAIN = LIGHTS: not established"}},
        {"Observation 1: expect DRAIN = LIGHTS", 0.95, {"FAIL Observation 1", "  expected DRAIN = LIGHTS: not established"}},
        {"Observation 1 critical 0.9: expect DRAIN = LIGHTS", 0.95, {"PASS Observation 1"}},
        {"Observation 9: reject A = B", 0, {"FAIL Observation 9", "  observation 9 is not in the data base"}},
    };
    for (const TClauseAttendue& ligne : table) {
        SCOPED_TRACE(ligne.Ligne);
        Etat.ValeurCritique = ligne.CritiqueProjet;
        std::vector<TRegle> regles = Etat.Base.Regles;
        TMoteur moteur;
        const TCas cas = Cas(ligne.Ligne);
        EXPECT_EQ(LignesRapportCas(cas, ExecuteCas(cas, Etat, regles, moteur), '.'), ligne.Rapport);
    }
}

TEST_F(ExecutionCas, UnAttenduManquantDonneLaPremiereRaisonDuPourquoiPas) {
    struct TRaison {
        const char* Ligne;
        std::optional<std::string> Raison;
    };
    const TRaison table[] = {
        {"Observation 1 critical 0.95: expect DRAIN = LIGHTS",
         "rule 14 [0.9] -> DRAIN = LIGHTS: excluded: its priority 0.9 is below the critical value 0.95"},
        {"Observation 1: expect WEATHER = HOT", "No rule can conclude WEATHER = HOT."},
        {"Observation 9: expect WEATHER = HOT", std::nullopt},
    };
    for (const TRaison& ligne : table) {
        SCOPED_TRACE(ligne.Ligne);
        const TCas cas = Cas(ligne.Ligne);
        const TExplicationCas explication(cas, Etat);
        EXPECT_EQ(explication.PremiereRaison(cas.Clauses[0].Proposition), ligne.Raison);
    }
}

TEST_F(ExecutionCas, LeBilanCompteLesCasEtLesReglesDeclenchees) {
    const auto fichier = Fichier({"# two cases", "Observation 1: expect ACTION = RECHARGE_BATTERY",
                                  "Observation 2: expect ACTION = RECHARGE_BATTERY"});
    TBilanCas bilan = ExecuteTousLesCas(fichier, Etat, Progression);
    EXPECT_EQ(LigneBilan(bilan.NbReussis(), bilan.NbEchoues()), "1 passed, 1 failed");
    // Observation 1 fires 1 3 6 7 9 13 14 23 33, observation 2 fires 2 4 5 8 10 13 17.
    EXPECT_EQ(LigneCouverture(bilan.Couverture),
              "Rules fired: 15 of 43; never fired: 11, 12, 15, 16, 18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 29, 30, 31, "
              "32, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43");
    bilan.Couverture.Declenchees.assign(2, true);
    EXPECT_EQ(LigneCouverture(bilan.Couverture), "Rules fired: 2 of 2; never fired: none");
}

TEST_F(ExecutionCas, LesResultatsEnregistresPassentEtGardentCommentairesEtValeursCritiques) {
    const auto ancien = Fichier({
        "# reviewed by the workshop",
        "Observation 2 critical 0.5: reject DIAGNOSIS = OUT_OF_FUEL; reject ACTION = TOW",
        "Observation 12: expect A = B",
        "Observation 1 critical 0.95: expect DIAGNOSIS = BATTERY_DRAINED",
    });
    const TFichierCas nouveau = EnregistreResultats(ancien, Etat);
    std::vector<std::string> lignes;
    for (const TLigneCas& ligne : nouveau.Lignes) lignes.push_back(ligne.Cas ? LigneCas(*ligne.Cas, '.') : ligne.Texte);
    ASSERT_EQ(lignes.size(), 9u);
    EXPECT_EQ(lignes[0], "# reviewed by the workshop");
    // The deduced data in the order deduced; a reject that still holds stays.
    EXPECT_EQ(lignes[1],
              "Observation 2 critical 0.5: expect STARTER_POWER = GOOD; expect BATTERY_CHARGE = GOOD; "
              "expect FUEL_SUPPLY = EMPTY; expect IMMOBILISER = RELEASED; expect ENGINE_FEED = NO_FUEL; "
              "expect DIAGNOSIS = OUT_OF_FUEL; expect ACTION = ADD_FUEL; reject ACTION = TOW");
    // Without rule 14 the drain is unknown: nothing past a flat battery.
    EXPECT_EQ(lignes[2],
              "Observation 1 critical 0.95: expect STARTER_POWER = WEAK; expect BATTERY_CHARGE = LOW; "
              "expect BATTERY = FLAT");
    for (int k = 3; k <= 8; ++k) EXPECT_EQ(lignes[static_cast<std::size_t>(k)].rfind("Observation " + std::to_string(k) + ": expect ", 0), 0u);

    const TBilanCas bilan = ExecuteTousLesCas(nouveau, Etat, Progression);
    EXPECT_EQ(bilan.NbReussis(), 8);
    EXPECT_EQ(bilan.NbEchoues(), 0);
}

}  // namespace
}  // namespace veridane
