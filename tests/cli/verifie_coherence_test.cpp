// "verify": what it prints in each format, where it points in the rules
// file, and its exit status for each --fail-on level and each faulty input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "cli/commandes.h"

namespace veridane {
namespace {

namespace fs = std::filesystem;

const std::string Donnees = std::string(VERIDANE_TEST_DATA) + "/verification/";

const char* const TexteRegles =
    "defauts.rul: rule 2: warning [conflict] can fire on the same data as rule 1 and concludes DISEASE = COLD "
    "against DISEASE = FLU\n"
    "defauts.rul: rule 2: warning [unreachable-premise] premise SNEEZE = YES: no rule concludes SNEEZE, no "
    "observation holds it and the dictionary does not declare it\n"
    "defauts.rul: rule 3: warning [conflict] can fire on the same data as rule 2 and concludes DISEASE = FLU "
    "against DISEASE = COLD\n"
    "defauts.rul: rule 3: warning [duplicate-rule] same premises and conclusion as rule 1\n"
    "defauts.rul: rule 4: error [contradictory-premises] premises TEMPERATURE > 38 and TEMPERATURE < 36 are "
    "satisfied by no single value of TEMPERATURE: the rule can never fire\n"
    "defauts.dic: entry 1: note [unused-entry] entry AGE > 18 is used by no premise and no conclusion\n"
    "defauts.rul: note [goals] goals of the base (concluded, tested by no premise): DISEASE and FEVER\n"
    "verify: 1 errors, 4 warnings, 2 notes\n";

// The project names its files in upper case, and its observation holds
// SNEEZE: that premise is fed.
const char* const TexteProjet =
    "DEFAUTS.RUL: rule 2: warning [conflict] can fire on the same data as rule 1 and concludes DISEASE = COLD "
    "against DISEASE = FLU\n"
    "DEFAUTS.RUL: rule 3: warning [conflict] can fire on the same data as rule 2 and concludes DISEASE = FLU "
    "against DISEASE = COLD\n"
    "DEFAUTS.RUL: rule 3: warning [duplicate-rule] same premises and conclusion as rule 1\n"
    "DEFAUTS.RUL: rule 4: error [contradictory-premises] premises TEMPERATURE > 38 and TEMPERATURE < 36 are "
    "satisfied by no single value of TEMPERATURE: the rule can never fire\n"
    "DEFAUTS.dic: entry 1: note [unused-entry] entry AGE > 18 is used by no premise and no conclusion\n"
    "DEFAUTS.RUL: note [goals] goals of the base (concluded, tested by no premise): DISEASE and FEVER\n"
    "verify: 1 errors, 3 warnings, 2 notes\n";

const char* const JsonProjet =
    "[\n"
    "  {\"id\": \"conflict\", \"level\": \"warning\", \"rule\": 2, \"entry\": null, \"related_rules\": [1], "
    "\"attributes\": [\"DISEASE\"], \"message\": \"can fire on the same data as rule 1 and concludes DISEASE = COLD "
    "against DISEASE = FLU\"},\n"
    "  {\"id\": \"conflict\", \"level\": \"warning\", \"rule\": 3, \"entry\": null, \"related_rules\": [2], "
    "\"attributes\": [\"DISEASE\"], \"message\": \"can fire on the same data as rule 2 and concludes DISEASE = FLU "
    "against DISEASE = COLD\"},\n"
    "  {\"id\": \"duplicate-rule\", \"level\": \"warning\", \"rule\": 3, \"entry\": null, \"related_rules\": [1], "
    "\"attributes\": [\"DISEASE\"], \"message\": \"same premises and conclusion as rule 1\"},\n"
    "  {\"id\": \"contradictory-premises\", \"level\": \"error\", \"rule\": 4, \"entry\": null, \"related_rules\": [], "
    "\"attributes\": [\"TEMPERATURE\"], \"message\": \"premises TEMPERATURE > 38 and TEMPERATURE < 36 are satisfied "
    "by no single value of TEMPERATURE: the rule can never fire\"},\n"
    "  {\"id\": \"unused-entry\", \"level\": \"note\", \"rule\": null, \"entry\": 1, \"related_rules\": [], "
    "\"attributes\": [\"AGE\"], \"message\": \"entry AGE > 18 is used by no premise and no conclusion\"},\n"
    "  {\"id\": \"goals\", \"level\": \"note\", \"rule\": null, \"entry\": null, \"related_rules\": [], "
    "\"attributes\": [\"DISEASE\", \"FEVER\"], \"message\": \"goals of the base (concluded, tested by no premise): "
    "DISEASE and FEVER\"}\n"
    "]\n";

struct TCasVerify {
    const char* Nom;
    std::vector<std::string> Arguments;  // after "verify"; "@" stands for the data folder
    int Statut;
    const char* Sortie;   // nullptr: not compared
    const char* Erreurs;  // the start of the error stream
};

class VerifyTest : public ::testing::TestWithParam<TCasVerify> {
protected:
    void SetUp() override {
        Dossier = fs::temp_directory_path() / "veridane_cli_verify";
        fs::create_directories(Dossier);
        // A rules file that stops at its second rule, and one that is not there.
        std::ofstream(Dossier / "coupe.rul", std::ios::binary)
            << "Number of rules: 2;\r\nIf A = 1 Then B = 2 [1];\r\nIf C = 1 Then D [1];\r\n";
    }
    fs::path Dossier;
};

TEST_P(VerifyTest, PrintsAndExitsAsExpected) {
    const TCasVerify& cas = GetParam();
    std::vector<std::string> arguments{"verify"};
    for (std::string a : cas.Arguments) {
        if (a.rfind("@", 0) == 0) a = Donnees + a.substr(1);
        if (a.rfind("%", 0) == 0) a = (Dossier / a.substr(1)).string();
        arguments.push_back(a);
    }
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(ExecuteCli(arguments, sortie, erreurs), cas.Statut);
    if (cas.Sortie) {
        EXPECT_EQ(sortie.str(), cas.Sortie);
    }
    EXPECT_EQ(erreurs.str().substr(0, std::string(cas.Erreurs).size()), cas.Erreurs);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, VerifyTest,
    ::testing::Values(
        TCasVerify{"RulesFileText", {"@defauts.rul"}, SortieAvertissement, TexteRegles, ""},
        TCasVerify{"ProjectText", {"@defauts.exp", "--format", "text"}, SortieAvertissement, TexteProjet, ""},
        TCasVerify{"ProjectJson", {"@defauts.exp", "--format", "json"}, SortieAvertissement, JsonProjet, ""},
        TCasVerify{"FailOnError", {"@defauts.exp", "--fail-on", "error"}, SortieAvertissement, nullptr, ""},
        TCasVerify{"FailOnNone", {"--fail-on", "none", "@defauts.exp"}, SortieSucces, nullptr, ""},
        TCasVerify{"NotesPassByDefault", {"@propre.rul"}, SortieSucces,
                   "propre.rul: note [goals] goals of the base (concluded, tested by no premise): ADVICE\n"
                   "verify: 0 errors, 0 warnings, 1 notes\n",
                   ""},
        TCasVerify{"NotesFailOnNote", {"@propre.rul", "--fail-on", "note"}, SortieAvertissement, nullptr, ""},
        TCasVerify{"WarningsPassOnError", {"@propre.rul", "--fail-on", "error"}, SortieSucces, nullptr, ""},
        TCasVerify{"MissingRules", {"%absent.rul"}, SortieUsage, "", "warning: File of rules not found\n"},
        TCasVerify{"MissingProject", {"%absent.exp"}, SortieUsage, "", "warning: Error : file "},
        TCasVerify{"RuleThatDoesNotRead", {"%coupe.rul"}, SortieUsage, nullptr,
                   "warning: Error in rule 2: operateur of conclusion not found\n"},
        TCasVerify{"UnknownFormat", {"@defauts.exp", "--format", "xml"}, SortieUsage, "", "usage:\n"},
        TCasVerify{"UnknownLevel", {"@defauts.exp", "--fail-on", "all"}, SortieUsage, "", "usage:\n"},
        TCasVerify{"OptionWithoutValue", {"@defauts.exp", "--format"}, SortieUsage, "", "usage:\n"},
        TCasVerify{"TwoFiles", {"@defauts.exp", "@defauts.rul"}, SortieUsage, "", "usage:\n"},
        TCasVerify{"DataBaseFile", {"@defauts.dta"}, SortieUsage, "", "usage:\n"},
        TCasVerify{"NoFile", {}, SortieUsage, "", "usage:\n"}),
    [](const ::testing::TestParamInfo<TCasVerify>& info) { return std::string(info.param.Nom); });

// SARIF results point at the first line of each rule in the file, although
// the base holds the rules in another order (by priority); an entry's
// result points at the dictionary file.
TEST(VerifySarifTest, ResultsPointAtTheRulesLines) {
    std::ostringstream sortie, erreurs;
    ExecuteCli({"verify", Donnees + "defauts.rul", "--format", "sarif"}, sortie, erreurs);
    const std::string sarif = sortie.str();
    std::vector<std::string> lignes;
    const std::regex ligne("\"startLine\": ([0-9]+)");
    for (std::sregex_iterator it(sarif.begin(), sarif.end(), ligne), fin; it != fin; ++it)
        lignes.push_back((*it)[1]);
    EXPECT_EQ(lignes, (std::vector<std::string>{"15", "15", "19", "19", "6"}));
    EXPECT_NE(sarif.find("\"ruleId\": \"unused-entry\", \"ruleIndex\": 8, \"level\": \"note\", \"message\": {\"text\": "
                         "\"entry AGE > 18 is used by no premise and no conclusion\"}, \"locations\": "
                         "[{\"physicalLocation\": {\"artifactLocation\": {\"uri\": \"file://" +
                         Donnees + "defauts.dic\"}}}]"),
              std::string::npos)
        << sarif;
}

}  // namespace
}  // namespace veridane
