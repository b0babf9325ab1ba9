// "sweep" and "whatif": the exact outputs of each form on a small
// hand-built base and on the demo, and their usage errors.
#include <gtest/gtest.h>

#include "cli/lance_cli.h"

namespace veridane {
namespace {

const std::string Cli = std::string(VERIDANE_TEST_DATA) + "/cli/";
const std::string Demo = std::string(VERIDANE_TEST_DATA) + "/demo/car.exp";

struct TCas {
    const char* Nom;
    std::vector<std::string> Arguments;  // the project path is put second
    std::string Projet;
    int Statut;
    const char* Sortie;
    const char* Erreurs;
};

class SweepEtWhatif : public ::testing::TestWithParam<TCas> {};

TEST_P(SweepEtWhatif, PrintExactly) {
    const TCas& cas = GetParam();
    auto arguments = cas.Arguments;
    arguments.insert(arguments.begin() + 1, cas.Projet);
    const TResultat r = Lance(arguments);
    EXPECT_EQ(r.Statut, cas.Statut);
    EXPECT_EQ(r.Sortie, cas.Sortie);
    EXPECT_EQ(r.Erreurs, cas.Erreurs);
}

// In the hand-built base, B = NO comes from the only low rule and abandons
// the rule that concludes G = OK: raising the critical value above 0.3 sets
// the low rule aside and gains G = OK.
INSTANTIATE_TEST_SUITE_P(
    Cas, SweepEtWhatif,
    ::testing::Values(
        TCas{"SweepGainsWhenRaised", {"sweep"}, Cli + "gain.exp", 0,
             "Observation 1\n"
             "critical in [0, 0.3]: 4 rules take part, 3 data deduced\n"
             "critical in (0.3, 0.9]: 3 rules take part, 3 data deduced\n"
             "+ G = OK\n"
             "- B = NO\n"
             "critical in (0.9, 1]: 0 rules take part, 0 data deduced\n"
             "- D = YES\n- B = YES\n- G = OK\n",
             ""},
        TCas{"SweepJson", {"sweep", "--json", "--all", "--goal", "G"}, Cli + "gain.exp", 0,
             "{\"goal\":\"G\",\"observations\":[{\"observation\":1,\"intervals\":["
             "{\"low\":0,\"low_included\":true,\"high\":0.3,\"rules\":4,\"deduced\":3,\"goal_data\":0,"
             "\"gained\":[],\"lost\":[]},"
             "{\"low\":0.3,\"low_included\":false,\"high\":0.9,\"rules\":3,\"deduced\":3,\"goal_data\":1,"
             "\"gained\":[\"G = OK\"],\"lost\":[]},"
             "{\"low\":0.9,\"low_included\":false,\"high\":1,\"rules\":0,\"deduced\":0,\"goal_data\":0,"
             "\"gained\":[],\"lost\":[\"G = OK\"]}]}],\"observations_reaching_goal\":[0,1,0]}\n",
             ""},
        TCas{"SweepCsvQuotesTheData", {"sweep", "--csv", "--observation", "1"}, Cli + "tiny.exp", 0,
             "observation,low,high,rules,deduced,goal_data,gained,lost\n"
             "1,0,0.5,4,3,3,\"\",\"\"\n"
             "1,0.5,0.8,3,2,2,\"\",\"LABEL = \"\"A\\B\"\"\"\n"
             "1,0.8,1,1,1,1,\"\",\"KIND = BIG_WARM\"\n",
             ""},
        TCas{"SweepUnknownGoalWarns", {"sweep", "--goal", "NOPE"}, Cli + "gain.exp", 1,
             "Observation 1\n"
             "critical in [0, 0.3]: 4 rules take part, 3 data deduced\n"
             "critical in (0.3, 0.9]: 3 rules take part, 3 data deduced\n"
             "critical in (0.9, 1]: 0 rules take part, 0 data deduced\n",
             "warning: no rule concludes on NOPE\n"},
        TCas{"WhatIfChangesTheDiagnosis", {"whatif", "--observation", "1", "--set", "battery_voltage = 12.6"}, Demo, 0,
             "+ BATTERY_CHARGE = GOOD\n+ CONNECTIONS = POOR\n+ DIAGNOSIS = CORRODED_TERMINALS\n"
             "+ ACTION = CLEAN_TERMINALS\n"
             "- BATTERY_CHARGE = LOW\n- BATTERY = FLAT\n- DIAGNOSIS = BATTERY_DRAINED\n- ACTION = RECHARGE_BATTERY\n"
             "Deduced data before: 9\nDeduced data after: 9\nGained: 4\nLost: 4\n",
             ""},
        TCas{"WhatIfRemoveAtACriticalValueAsJson",
             {"whatif", "--observation", "1", "--remove", "LIGHTS_LEFT_ON", "--critical", "0,9", "--json"}, Demo, 0,
             "{\"observation\":1,\"critical\":0.9,\"gained\":[],\"lost\":[\"DRAIN = LIGHTS\","
             "\"DIAGNOSIS = BATTERY_DRAINED\",\"ACTION = RECHARGE_BATTERY\"],\"deduced_before\":7,"
             "\"deduced_after\":4}\n",
             ""},
        TCas{"WhatIfNotADatum", {"whatif", "--observation", "1", "--set", "X in { A"}, Demo, 2, "",
             "error: not a datum: X IN { A\n"}),
    [](const auto& info) { return std::string(info.param.Nom); });

}  // namespace
}  // namespace veridane
