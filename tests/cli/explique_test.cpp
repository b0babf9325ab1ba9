// "why" and "whynot": their command lines, exit statuses and JSON forms, and
// their output on the demo project, kept in tests/data/cli/car_explications.txt
// (set VERIDANE_REGENERE to a path to write the current output there) and
// in the worked cases of examples/README.md.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/commandes.h"

namespace veridane {
namespace {

const std::string Donnees = std::string(VERIDANE_TEST_DATA) + "/cli/";
const std::string Demo = std::string(VERIDANE_TEST_DATA) + "/demo/car.exp";

struct TResultat {
    int Statut;
    std::string Sortie;
    std::string Erreurs;
};

TResultat Lance(const std::vector<std::string>& arguments, char separateur = '.') {
    std::ostringstream sortie, erreurs;
    int statut = ExecuteCli(arguments, sortie, erreurs, separateur);
    return {statut, sortie.str(), erreurs.str()};
}

std::string Lit(const std::string& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(CommandesExplication, WrongCommandLinesGiveUsage) {
    const std::string tiny = Donnees + "tiny.exp";
    const std::vector<std::vector<std::string>> fautes = {
        {"why", tiny, "WARM = YES"},
        {"why", tiny, "--observation", "1"},
        {"why", tiny, "--observation", "1", "WARM = YES", "SIZE = 1"},
        {"why", tiny, "--observation", "0", "WARM = YES"},
        {"why", tiny, "--observation", "1", "WARM = YES", "--depth", "2"},
        {"why", Donnees + "tiny.rul", "--observation", "1", "WARM = YES"},
        {"whynot", tiny, "--observation", "1", "WARM = YES", "--depth", "-1"},
        {"whynot", tiny, "--observation", "1", "WARM = YES", "--depth"},
        {"whynot", tiny, "--observation", "1", "WARM = YES", "--json", "--json"},
        {"whynot", tiny, "--observation", "1", "WARM = YES", "--verbose"},
    };
    for (const auto& arguments : fautes) {
        TResultat r = Lance(arguments);
        EXPECT_EQ(r.Statut, SortieUsage) << ::testing::PrintToString(arguments);
        EXPECT_EQ(r.Sortie, "");
        EXPECT_NE(r.Erreurs.find("veridane-cli whynot PROJECT.EXP --observation N"), std::string::npos);
    }
}

TEST(CommandesExplication, ExitStatusesAndMessages) {
    const std::string tiny = Donnees + "tiny.exp";
    struct TCas {
        std::vector<std::string> Arguments;
        int Statut;
        const char* Sortie;
        const char* Erreurs;
    };
    const std::vector<TCas> cas{
        {{"why", tiny, "--observation", "1", "colour = red"}, 0, "COLOUR = RED: observed, datum 1\n", ""},
        {{"why", tiny, "--observation", "1", "KIND = SMALL"}, 1, "",
         "KIND = SMALL was not established in observation 1 (try whynot)\n"},
        {{"whynot", tiny, "--observation", "1", "COLOUR = RED"}, 1, "COLOUR = RED: observed, datum 1\n", ""},
        {{"why", tiny, "--observation", "1", "SIZE >"}, 2, "",
         "error: \"SIZE >\" is not a proposition: write an attribute, an operator and a value\n"},
        {{"why", tiny, "--observation", "1", "SIZE = 1", "--critical", "2"}, 2, "",
         "warning: Error: critical value of priority degree incorrect\n"},
        {{"whynot", tiny, "--observation", "9", "SIZE = 1"}, 2, "",
         "error: observation 9 does not exist: the data base holds 3 observation(s)\n"},
        {{"whynot", Donnees + "missing.exp", "--observation", "1", "SIZE = 1"}, 2, "", nullptr},
    };
    for (const auto& c : cas) {
        TResultat r = Lance(c.Arguments);
        EXPECT_EQ(r.Statut, c.Statut) << ::testing::PrintToString(c.Arguments);
        EXPECT_EQ(r.Sortie, c.Sortie) << ::testing::PrintToString(c.Arguments);
        if (c.Erreurs) {
            EXPECT_EQ(r.Erreurs, c.Erreurs) << ::testing::PrintToString(c.Arguments);
        }
    }
}

TEST(CommandesExplication, JsonForms) {
    struct TCas {
        std::vector<std::string> Arguments;
        const char* Json;
    };
    const std::vector<TCas> cas{
        {{"why", Demo, "--observation", "3", "KEY_STATUS = REJECTED", "--json"},
         "{\"datum\":\"KEY_STATUS = REJECTED\",\"origin\":\"deduced\",\"level\":2,\"rule\":16,\"priority\":0.9,"
         "\"premises\":[{\"premise\":\"IMMOBILISER = ACTIVE\",\"satisfied_by\":{\"datum\":\"IMMOBILISER = ACTIVE\","
         "\"origin\":\"deduced\",\"level\":1,\"rule\":12,\"priority\":0.9,\"premises\":[{\"premise\":"
         "\"SECURITY_LIGHT = FLASHING\",\"satisfied_by\":{\"datum\":\"SECURITY_LIGHT = FLASHING\",\"origin\":"
         "\"observed\",\"position\":4}}]}},{\"premise\":\"STARTER_POWER in { INTERRUPTED, GOOD }\",\"satisfied_by\":"
         "{\"datum\":\"STARTER_POWER = INTERRUPTED\",\"origin\":\"deduced\",\"level\":1,\"rule\":11,\"priority\":0.9,"
         "\"premises\":[{\"premise\":\"KEY_TURN in { NOTHING, CLICKS }\",\"satisfied_by\":{\"datum\":"
         "\"KEY_TURN = NOTHING\",\"origin\":\"observed\",\"position\":1}},{\"premise\":\"DASH_LIGHTS = BRIGHT\","
         "\"satisfied_by\":{\"datum\":\"DASH_LIGHTS = BRIGHT\",\"origin\":\"observed\",\"position\":2}}]}}]}\n"},
        {{"whynot", Demo, "--observation", "3", "--critical", "0.95", "--depth", "1", "DIAGNOSIS = STARTER_FAILURE",
          "--json"},
         "{\"datum\":\"DIAGNOSIS = STARTER_FAILURE\",\"established\":false,\"candidates\":[{\"rule\":27,"
         "\"priority\":0.8,\"conclusion\":\"DIAGNOSIS = STARTER_FAILURE\",\"status\":\"excluded\",\"critical\":0.95}]}\n"},
        {{"whynot", Demo, "--observation", "3", "--depth", "1", "STARTER_CIRCUIT = FAULTY", "--json"},
         "{\"datum\":\"STARTER_CIRCUIT = FAULTY\",\"established\":false,\"candidates\":[{\"rule\":25,"
         "\"priority\":0.8,\"conclusion\":\"STARTER_CIRCUIT = FAULTY\",\"status\":\"abandoned\",\"level\":2,"
         "\"premise\":2,\"premise_text\":\"IMMOBILISER = RELEASED\",\"contradicted_by\":{\"datum\":"
         "\"IMMOBILISER = ACTIVE\",\"origin\":\"deduced\",\"level\":1,\"rule\":12}}]}\n"},
        {{"whynot", Demo, "--observation", "3", "--depth", "1", "DRAIN = LIGHTS", "--json"},
         "{\"datum\":\"DRAIN = LIGHTS\",\"established\":false,\"candidates\":[{\"rule\":14,\"priority\":0.9,"
         "\"conclusion\":\"DRAIN = LIGHTS\",\"status\":\"open\",\"unsatisfied\":[{\"premise\":1,\"premise_text\":"
         "\"LIGHTS_LEFT_ON = YES\",\"whynot\":{\"datum\":\"LIGHTS_LEFT_ON = YES\",\"established\":false,"
         "\"candidates\":[],\"in_dictionary\":true,\"observation_data\":[]}}]}]}\n"},
    };
    for (const auto& c : cas) {
        TResultat r = Lance(c.Arguments);
        EXPECT_EQ(r.Sortie, c.Json) << ::testing::PrintToString(c.Arguments);
    }
}

// The deduced data of a run, from the lines after "Deduced data: n".
std::vector<std::string> Deduits(int observation) {
    const std::string sortie = Lance({"run", Demo, "--observation", std::to_string(observation)}).Sortie;
    std::vector<std::string> deduits;
    std::istringstream lignes(sortie.substr(sortie.find("Deduced data: ")));
    std::string ligne;
    std::getline(lignes, ligne);
    while (std::getline(lignes, ligne)) deduits.push_back(ligne.substr(1));
    return deduits;
}

// Every deduced datum of each demo observation, and three diagnoses it did
// not reach.
TEST(CommandesExplication, DemoExplanationsStayAsRecorded) {
    static const std::vector<std::string> diagnostics{
        "BATTERY_DRAINED", "BATTERY_WORN_OUT", "CHARGING_FAULT",  "CORRODED_TERMINALS",  "STARTER_FAILURE",
        "KEY_NOT_RECOGNISED", "OUT_OF_FUEL", "FUEL_PUMP_FAILURE", "FUEL_FILTER_BLOCKED", "FLOODED_ENGINE",
        "IGNITION_FAULT"};
    std::string tout;
    for (int observation = 1; observation <= 8; ++observation) {
        const std::string numero = std::to_string(observation);
        const auto deduits = Deduits(observation);
        ASSERT_FALSE(deduits.empty());
        for (const auto& fait : deduits) {
            const TResultat pourquoi = Lance({"why", Demo, "--observation", numero, fait});
            EXPECT_EQ(pourquoi.Statut, 0) << fait;
            // Asked why not, an established datum is explained the same way.
            const TResultat pourquoiPas = Lance({"whynot", Demo, "--observation", numero, fait});
            EXPECT_EQ(pourquoiPas.Statut, 1) << fait;
            EXPECT_EQ(pourquoiPas.Sortie, pourquoi.Sortie) << fait;
            tout += "$ why --observation " + numero + " \"" + fait + "\"\n" + pourquoi.Sortie;
        }
        int montres = 0;
        for (std::size_t k = 0; montres < 3; ++k) {
            const std::string fait = "DIAGNOSIS = " + diagnostics[(static_cast<std::size_t>(observation) + k) % 11];
            if (std::find(deduits.begin(), deduits.end(), fait) != deduits.end()) continue;
            ++montres;
            const TResultat pourquoi = Lance({"why", Demo, "--observation", numero, fait});
            EXPECT_EQ(pourquoi.Statut, 1) << fait;
            EXPECT_EQ(pourquoi.Erreurs, fait + " was not established in observation " + numero + " (try whynot)\n");
            const TResultat pourquoiPas = Lance({"whynot", Demo, "--observation", numero, fait});
            EXPECT_EQ(pourquoiPas.Statut, 0) << fait;
            tout += "$ whynot --observation " + numero + " \"" + fait + "\"\n" + pourquoiPas.Sortie;
        }
    }
    if (const char* chemin = std::getenv("VERIDANE_REGENERE")) std::ofstream(chemin, std::ios::binary) << tout;
    EXPECT_EQ(tout, Lit(Donnees + "car_explications.txt"));
}

// The words of a shell command line, double quotes grouping.
std::vector<std::string> Mots(const std::string& ligne) {
    std::vector<std::string> mots;
    std::string mot;
    bool entreGuillemets = false, dansMot = false;
    for (char c : ligne) {
        if (c == '"') {
            entreGuillemets = !entreGuillemets;
            dansMot = true;
        } else if (c == ' ' && !entreGuillemets) {
            if (dansMot) mots.push_back(mot);
            mot.clear();
            dansMot = false;
        } else {
            mot += c;
            dansMot = true;
        }
    }
    if (dansMot) mots.push_back(mot);
    return mots;
}

// Each "```text" block of the demo's README that starts with a veridane-cli
// command shows exactly what the command prints.
TEST(CommandesExplication, WorkedCasesOfTheExamplesStayTrue) {
    const std::string lisezMoi = Lit(std::string(VERIDANE_TEST_DATA) + "/../../examples/README.md");
    const std::string debut = "```text\n$ veridane-cli ";
    int cas = 0;
    for (std::size_t pos = lisezMoi.find(debut); pos != std::string::npos; pos = lisezMoi.find(debut, pos + 1)) {
        const std::size_t commande = pos + debut.size();
        const std::size_t finCommande = lisezMoi.find('\n', commande);
        const std::size_t finBloc = lisezMoi.find("```\n", finCommande);
        ASSERT_NE(finBloc, std::string::npos);
        auto arguments = Mots(lisezMoi.substr(commande, finCommande - commande));
        for (auto& argument : arguments)
            if (argument == "car.exp") argument = Demo;
        const TResultat r = Lance(arguments);
        EXPECT_EQ(r.Sortie, lisezMoi.substr(finCommande + 1, finBloc - finCommande - 1))
            << lisezMoi.substr(commande, finCommande - commande);
        ++cas;
    }
    EXPECT_GE(cas, 4);
}

}  // namespace
}  // namespace veridane
