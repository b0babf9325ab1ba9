// "sweep" and "whatif": the exact outputs on a small hand-built base and on
// the demo, every interval of a sweep checked against "run --critical", and
// a what-if that leaves the project's files as they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/commandes.h"

namespace veridane {
namespace {

namespace fs = std::filesystem;

const std::string Cli = std::string(VERIDANE_TEST_DATA) + "/cli/";
const std::string Demo = std::string(VERIDANE_TEST_DATA) + "/demo/car.exp";

struct TResultat {
    int Statut;
    std::string Sortie;
    std::string Erreurs;
};

TResultat Lance(const std::vector<std::string>& arguments) {
    std::ostringstream sortie, erreurs;
    int statut = ExecuteCli(arguments, sortie, erreurs);
    return {statut, sortie.str(), erreurs.str()};
}

std::vector<std::string> Lignes(const std::string& texte) {
    std::vector<std::string> lignes;
    std::istringstream flux(texte);
    for (std::string ligne; std::getline(flux, ligne);) lignes.push_back(ligne);
    return lignes;
}

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
        TCas{"SweepGoalFiltersAndCountsObservations", {"sweep", "--all", "--goal", "g"}, Cli + "gain.exp", 0,
             "Observation 1\n"
             "critical in [0, 0.3]: 4 rules take part, 3 data deduced\n"
             "critical in (0.3, 0.9]: 3 rules take part, 3 data deduced\n"
             "+ G = OK\n"
             "critical in (0.9, 1]: 0 rules take part, 0 data deduced\n"
             "- G = OK\n"
             "\nObservations deducing G\n"
             "critical in [0, 0.3]: 0 of 1 observations\n"
             "critical in (0.3, 0.9]: 1 of 1 observations\n"
             "critical in (0.9, 1]: 0 of 1 observations\n",
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
        TCas{"SweepEmptyObservationRefused", {"sweep", "--observation", "2"}, Cli + "tiny.exp", 1, "",
             "warning: Observation n\xC2\xB0" "2 is empty. Select an other observation for inference\n"},
        // One reading changed: the battery is charged, so the terminals are
        // blamed instead of the lights.
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
        TCas{"WhatIfRemoveOfAnAbsentAttributeWarns", {"whatif", "--observation", "1", "--remove", "nope"}, Demo, 1,
             "Deduced data before: 9\nDeduced data after: 9\nGained: 0\nLost: 0\n",
             "warning: observation 1 holds no datum on NOPE\n"},
        TCas{"WhatIfNotADatum", {"whatif", "--observation", "1", "--set", "X in { A"}, Demo, 2, "",
             "error: not a datum: X IN { A\n"},
        TCas{"WhatIfCriticalValueRefused", {"whatif", "--observation", "1", "--critical", "2"}, Demo, 2, "",
             "warning: Error: critical value of priority degree incorrect\n"}),
    [](const auto& info) { return std::string(info.param.Nom); });

TEST(SweepEtWhatif, WrongCommandLinesGiveUsage) {
    const std::vector<std::vector<std::string>> fautes = {
        {"sweep"},
        {"sweep", Demo, "--json", "--csv"},
        {"sweep", Demo, "--all", "--observation", "1"},
        {"sweep", Demo, "--goal"},
        {"sweep", Demo, "--critical", "0.5"},
        {"whatif", Demo},
        {"whatif", Demo, "--observation", "1", "--set"},
        {"whatif", Demo, "--observation", "1", "--all"},
    };
    for (const auto& arguments : fautes) {
        const TResultat r = Lance(arguments);
        EXPECT_EQ(r.Statut, SortieUsage) << ::testing::PrintToString(arguments);
        EXPECT_EQ(r.Sortie, "");
        EXPECT_NE(r.Erreurs.find("veridane-cli whatif PROJECT.EXP --observation N"), std::string::npos);
    }
}

// What one sweep says of one observation: per interval its upper bound,
// its count and its gains and losses.
struct TIntervalLu {
    std::string Haute;
    int NbDeduits = 0;
    std::vector<std::string> Gagnes, Perdus;
};

std::map<int, std::vector<TIntervalLu>> LitBalayage(const std::string& sortie) {
    std::map<int, std::vector<TIntervalLu>> balayage;
    std::vector<TIntervalLu>* courante = nullptr;
    for (const auto& ligne : Lignes(sortie)) {
        if (ligne.starts_with("Observations deducing")) break;  // the last table
        if (ligne.starts_with("Observation ")) {
            courante = &balayage[std::stoi(ligne.substr(12))];
        } else if (ligne.starts_with("critical in ")) {
            const auto virgule = ligne.find(", "), crochet = ligne.find("]: ");
            TIntervalLu& lu = courante->emplace_back();
            lu.Haute = ligne.substr(virgule + 2, crochet - virgule - 2);
            lu.NbDeduits = std::stoi(ligne.substr(ligne.find("part, ") + 6));
        } else if (ligne.starts_with("+ ")) {
            courante->back().Gagnes.push_back(ligne.substr(2));
        } else if (ligne.starts_with("- ")) {
            courante->back().Perdus.push_back(ligne.substr(2));
        }
    }
    return balayage;
}

// The deduced data that "run" lists after its "Deduced data: " count.
std::vector<std::string> DeduitsDeRun(const std::string& sortie) {
    std::vector<std::string> deduits;
    bool apres = false;
    for (const auto& ligne : Lignes(sortie)) {
        if (apres) deduits.push_back(ligne.substr(1));
        if (ligne.starts_with("Deduced data: ")) apres = true;
    }
    std::sort(deduits.begin(), deduits.end());
    return deduits;
}

TEST(SweepDemo, EveryIntervalIsTheRunAtItsUpperBound) {
    const TResultat r = Lance({"sweep", Demo, "--all"});
    ASSERT_EQ(r.Statut, SortieSucces) << r.Erreurs;
    const auto balayage = LitBalayage(r.Sortie);
    ASSERT_EQ(balayage.size(), 8u);
    int nbPerdus = 0;
    for (const auto& [numero, intervalles] : balayage) {
        std::vector<std::string> hautes;
        for (const auto& lu : intervalles) hautes.push_back(lu.Haute);
        EXPECT_EQ(hautes, (std::vector<std::string>{"0.5", "0.6", "0.8", "0.9", "1"}));
        // The data of each interval: the run of the first, then the gains
        // and losses of each step applied to the previous ones.
        std::vector<std::string> faits;
        for (std::size_t i = 0; i < intervalles.size(); ++i) {
            const auto& lu = intervalles[i];
            const TResultat run =
                Lance({"run", Demo, "--observation", std::to_string(numero), "--critical", lu.Haute});
            const auto attendus = DeduitsDeRun(run.Sortie);
            if (i == 0) faits = attendus;
            for (const auto& perdu : lu.Perdus) {
                auto it = std::find(faits.begin(), faits.end(), perdu);
                ASSERT_NE(it, faits.end()) << perdu;
                faits.erase(it);
            }
            faits.insert(faits.end(), lu.Gagnes.begin(), lu.Gagnes.end());
            std::sort(faits.begin(), faits.end());
            EXPECT_EQ(faits, attendus) << "observation " << numero << " critical " << lu.Haute;
            EXPECT_EQ(lu.NbDeduits, static_cast<int>(attendus.size()));
            nbPerdus += static_cast<int>(lu.Perdus.size());
        }
    }
    EXPECT_GT(nbPerdus, 0);
    // Nothing is deduced by every observation once only the certain rules
    // take part: the last table says how many still reach a diagnosis.
    EXPECT_NE(r.Sortie.find("\nObservations deducing data\ncritical in [0, 0.5]: 8 of 8 observations\n"),
              std::string::npos);
}

TEST(WhatIfDemo, TheProjectFilesAreNeverWritten) {
    const fs::path dossier = fs::temp_directory_path() / "veridane_whatif_files";
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    std::map<fs::path, std::pair<std::string, fs::file_time_type>> avant;
    for (const auto& entree : fs::directory_iterator(fs::path(Demo).parent_path())) {
        const fs::path copie = dossier / entree.path().filename();
        fs::copy_file(entree.path(), copie);
        std::ifstream f(copie, std::ios::binary);
        avant[copie] = {std::string(std::istreambuf_iterator<char>(f), {}), fs::last_write_time(copie)};
    }
    const TResultat r = Lance({"whatif", (dossier / "car.exp").string(), "--observation", "2", "--set",
                               "FUEL_LEVEL = 60", "--remove", "FUEL_SMELL"});
    EXPECT_EQ(r.Statut, SortieSucces) << r.Erreurs;
    EXPECT_NE(r.Sortie.find("- DIAGNOSIS = OUT_OF_FUEL\n"), std::string::npos) << r.Sortie;

    std::size_t nbFichiers = 0;
    for (const auto& entree : fs::directory_iterator(dossier)) {
        ++nbFichiers;
        std::ifstream f(entree.path(), std::ios::binary);
        ASSERT_TRUE(avant.contains(entree.path())) << entree.path();
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), avant[entree.path()].first);
        EXPECT_EQ(fs::last_write_time(entree.path()), avant[entree.path()].second);
    }
    EXPECT_EQ(nbFichiers, avant.size());
    fs::remove_all(dossier);
}

}  // namespace
}  // namespace veridane
