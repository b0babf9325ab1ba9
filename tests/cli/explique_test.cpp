// "why" and "whynot": their command lines, exit statuses and JSON forms, and
// the worked cases of examples/README.md.
#include <gtest/gtest.h>

#include <fstream>

#include "cli/lance_cli.h"
#include "commun/fichiers_test.h"

namespace veridane {
namespace {

const std::string Donnees = std::string(VERIDANE_TEST_DATA) + "/cli/";
const std::string Demo = std::string(VERIDANE_TEST_DATA) + "/demo/car.exp";


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
        {{"whynot", tiny, "--observation", "9", "SIZE = 1"}, 2, "",
         "error: observation 9 does not exist: the data base holds 3 observation(s)\n"},
    };
    for (const auto& c : cas) {
        TResultat r = Lance(c.Arguments);
        EXPECT_EQ(r.Statut, c.Statut) << ::testing::PrintToString(c.Arguments);
        EXPECT_EQ(r.Sortie, c.Sortie) << ::testing::PrintToString(c.Arguments);
        EXPECT_EQ(r.Erreurs, c.Erreurs) << ::testing::PrintToString(c.Arguments);
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
    const std::string lisezMoi = test::LitFichier(std::string(VERIDANE_TEST_DATA) + "/../../examples/README.md");
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
