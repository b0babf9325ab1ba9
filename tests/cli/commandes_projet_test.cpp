// The commands that read and write whole projects and data bases:
// "check FILE.DTA", "check PROJECT.EXP", "save" and "run", on the small
// files of tests/data/cli and on the demo project.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/commandes.h"
#include "commun/fichiers_test.h"
#include "cli/options_inference.h"
#include "cli/rapport_inference.h"

namespace veridane {
namespace {

namespace fs = std::filesystem;

const std::string Donnees = std::string(VERIDANE_TEST_DATA) + "/cli/";

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

std::string Lit(const fs::path& chemin) { return test::LitFichier(chemin); }

struct TCas {
    const char* Nom;
    std::vector<std::string> Arguments;  // file names are taken in tests/data/cli
    int Statut;
    const char* Sortie;
    const char* Erreurs;
};

class CommandesFichiers : public ::testing::TestWithParam<TCas> {};

TEST_P(CommandesFichiers, PrintExactlyAndExitWithTheirStatus) {
    const TCas& cas = GetParam();
    std::vector<std::string> arguments = cas.Arguments;
    if (arguments.size() > 1) arguments[1] = Donnees + arguments[1];
    TResultat r = Lance(arguments);
    EXPECT_EQ(r.Statut, cas.Statut);
    EXPECT_EQ(r.Sortie, cas.Sortie);
    EXPECT_EQ(r.Erreurs, cas.Erreurs);
}

const char* const SortieTiny1 =
    "Observation 1\nLevel 0\n COLOUR = RED\n SIZE = 3.5\nLevel 1\n  Rule 1 -> WARM = YES\nLevel 2\n"
    "  Rule 2 -> KIND = BIG_WARM\nLevel 3\n  Rule 4 -> LABEL = \"A\\B\"\nTriggered rules: 3\n"
    "Deduced data: 3\n WARM = YES\n KIND = BIG_WARM\n LABEL = \"A\\B\"\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandesFichiers,
    ::testing::Values(
        TCas{"CheckDataBase", {"check", "tiny.dta"}, 0, "observations: 3, data: 4\n", ""},
        TCas{"CheckBrokenDataBase", {"check", "broken.dta"}, 1,
             "warning: Error in data 2: incorrect operator in data\n"
             "warning: 2 data extracted, 3 expected data\nobservations: 1, data: 1\n", ""},
        TCas{"CheckMissingDataBase", {"check", "absent.dta"}, 1,
             "warning: File of data base not found\nobservations: 0, data: 0\n", ""},
        TCas{"CheckProject", {"check", "tiny.exp"}, 0, "rules: 4, dictionary: 7, observations: 3, data: 4\n", ""},
        TCas{"CheckProjectWithoutDataBase", {"check", "nodata.exp"}, 1,
             "warning: File of data base not found\nrules: 4, dictionary: 7, observations: 0, data: 0\n", ""},
        TCas{"RunFirstObservation", {"run", "tiny.exp"}, 0, SortieTiny1, ""},
        TCas{"RunNamedObservation", {"run", "tiny.exp", "--observation", "3"}, 0,
             "Observation 3\nLevel 0\n COLOUR = GREEN\n SIZE = 1\nLevel 1\n  Rule 3 -> KIND = SMALL\n"
             "Triggered rules: 1\nDeduced data: 1\n KIND = SMALL\n", ""},
        TCas{"RunEmptyObservationRefused", {"run", "tiny.exp", "--observation", "2"}, 1, "",
             "warning: Observation n\xC2\xB0" "2 is empty. Select an other observation for inference\n"},
        TCas{"RunSingleEmptyObservation", {"run", "single.exp"}, 0,
             "Observation 1\nLevel 0\nTriggered rules: 0\nDeduced data: 0\n", ""},
        TCas{"RunAllSkipsEmptyObservations", {"run", "tiny.exp", "--all", "--critical", "0,9"}, 0,
             "Observation 1\nLevel 0\n COLOUR = RED\n SIZE = 3.5\nLevel 1\n  Rule 1 -> WARM = YES\n"
             "Triggered rules: 1\nDeduced data: 1\n WARM = YES\n\n"
             "Observation 3\nLevel 0\n COLOUR = GREEN\n SIZE = 1\nTriggered rules: 0\nDeduced data: 0\n",
             ""},
        TCas{"RunCriticalValueOneKeepsOnlyPriorityOne", {"run", "tiny.exp", "--critical", "1"}, 0,
             "Observation 1\nLevel 0\n COLOUR = RED\n SIZE = 3.5\nLevel 1\n  Rule 1 -> WARM = YES\n"
             "Triggered rules: 1\nDeduced data: 1\n WARM = YES\n", ""},
        TCas{"RunCriticalValueRefused", {"run", "tiny.exp", "--critical", "1.01"}, 2, "",
             "warning: Error: critical value of priority degree incorrect\n"},
        TCas{"RunCriticalValueNotANumber", {"run", "tiny.exp", "--critical", "abc"}, 2, "",
             "warning: Error: critical value of priority degree incorrect\n"},
        TCas{"RunWithoutDataBase", {"run", "nodata.exp"}, 1, "",
             "warning: File of data base not found\n"
             "error: observation 1 does not exist: the data base holds 0 observation(s)\n"},
        TCas{"RunObservationOutOfRange", {"run", "tiny.exp", "--observation", "4"}, 2, "",
             "error: observation 4 does not exist: the data base holds 3 observation(s)\n"},
        TCas{"RunJsonAll", {"run", "tiny.exp", "--json", "--all"}, 0,
             "{\"observation\":1,\"initial_data\":[\"COLOUR = RED\",\"SIZE = 3.5\"],\"levels\":["
             "{\"level\":1,\"rules\":[{\"rule\":1,\"conclusion\":\"WARM = YES\"}]},"
             "{\"level\":2,\"rules\":[{\"rule\":2,\"conclusion\":\"KIND = BIG_WARM\"}]},"
             "{\"level\":3,\"rules\":[{\"rule\":4,\"conclusion\":\"LABEL = \\\"A\\\\B\\\"\"}]}],"
             "\"deduced_data\":[\"WARM = YES\",\"KIND = BIG_WARM\",\"LABEL = \\\"A\\\\B\\\"\"],"
             "\"rules\":4,\"triggered_rules\":3,\"initial_count\":2,\"deduced_count\":3}\n"
             "{\"observation\":3,\"initial_data\":[\"COLOUR = GREEN\",\"SIZE = 1\"],\"levels\":["
             "{\"level\":1,\"rules\":[{\"rule\":3,\"conclusion\":\"KIND = SMALL\"}]}],"
             "\"deduced_data\":[\"KIND = SMALL\"],\"rules\":4,\"triggered_rules\":1,\"initial_count\":2,"
             "\"deduced_count\":1}\n",
             ""}),
    [](const auto& info) { return std::string(info.param.Nom); });

TEST(CommandesUsage, WrongCommandLinesGiveUsageAndNoOutput) {
    const std::string tiny = Donnees + "tiny.exp";
    const std::vector<std::vector<std::string>> fautes = {
        {"run"},
        {"run", Donnees + "tiny.rul"},
        {"run", tiny, "--observation"},
        {"run", tiny, "--observation", "0"},
        {"run", tiny, "--observation", "2x"},
        {"run", tiny, "--observation", "1", "--all"},
        {"run", tiny, "--all", "--all"},
        {"run", tiny, "--critical"},
        {"run", tiny, "--verbose"},
        {"save", tiny},
        {"save", tiny, "copy.rul"},
        {"save", tiny, "a.exp", "b.exp"},
        {"check", tiny, "tiny.dta"},
    };
    for (const auto& arguments : fautes) {
        TResultat r = Lance(arguments);
        EXPECT_EQ(r.Statut, SortieUsage) << ::testing::PrintToString(arguments);
        EXPECT_EQ(r.Sortie, "");
        EXPECT_NE(r.Erreurs.find("veridane-cli run PROJECT.EXP [--observation N | --all]"), std::string::npos);
    }
}

TEST(CommandesRun, DecimalSeparatorOfTheUserShowsInNumbers) {
    TResultat r = Lance({"run", Donnees + "tiny.exp"}, ',');
    EXPECT_NE(r.Sortie.find(" SIZE = 3,5\n"), std::string::npos);
}

TEST(CommandesRun, TimesGoToTheErrorStreamOnly) {
    TResultat r = Lance({"run", Donnees + "tiny.exp", "--time"});
    EXPECT_EQ(r.Sortie, SortieTiny1);
    EXPECT_EQ(r.Erreurs.rfind("load time: ", 0), 0u);
    EXPECT_NE(r.Erreurs.find("\nobservation 1 inference time: "), std::string::npos);
}

class CommandeSave : public ::testing::Test {
protected:
    test::TRepertoireTemporaire Repertoire;
    fs::path Dossier{Repertoire.Chemin};
};

TEST_F(CommandeSave, CopyReadsBackAsTheOriginal) {
    const std::string cible = (Dossier / "Copy.EXP").string();
    TResultat r = Lance({"save", Donnees + "tiny.exp", cible});
    EXPECT_EQ(r.Statut, SortieSucces);
    EXPECT_EQ(r.Sortie, "");
    for (const char* nom : {"copy.exp", "copy.rul", "copy.dic", "copy.dta"})
        EXPECT_TRUE(fs::exists(Dossier / nom)) << nom;
    // The project's own abstract is kept, non-ASCII letters included.
    EXPECT_EQ(Lit(Dossier / "copy.exp"),
              "#Small test project\r\n#Second line, \xE9t\xE9\r\n\r\nRules file: Copy.RUL\r\nData base: Copy.DTA\r\n");

    // The copy opens again as the original does.
    EXPECT_EQ(Lance({"check", cible}).Sortie, Lance({"check", Donnees + "tiny.exp"}).Sortie);
}

TEST_F(CommandeSave, MessagesOfTheOpeningArePrintedAndTheCopyStillMade) {
    TResultat r = Lance({"save", Donnees + "nodata.exp", (Dossier / "nodata.exp").string()});
    EXPECT_EQ(r.Statut, SortieAvertissement);
    EXPECT_EQ(r.Sortie, "warning: File of data base not found\n");
    EXPECT_EQ(Lance({"check", (Dossier / "nodata.exp").string()}).Sortie,
              "rules: 4, dictionary: 7, observations: 1, data: 0\n");
}

TEST_F(CommandeSave, UnreadableProjectIsNotSaved) {
    TResultat r = Lance({"save", (Dossier / "absent.exp").string(), (Dossier / "copy.exp").string()});
    EXPECT_EQ(r.Statut, SortieAvertissement);
    EXPECT_EQ(r.Sortie, "warning: Error : file " + (Dossier / "absent.exp").string() + " does'nt exist \n");
    EXPECT_TRUE(fs::is_empty(Dossier));
}

TEST_F(CommandeSave, ProjectWithNeitherFileReadableIsNotSaved) {
    TResultat r = Lance({"save", Donnees + "missing.exp", (Dossier / "copy.exp").string()});
    EXPECT_EQ(r.Statut, SortieAvertissement);
    EXPECT_EQ(r.Sortie, "warning: File of rules not found\nwarning: File of data base not found\n");
    EXPECT_TRUE(fs::is_empty(Dossier));
}

// The demo project: the rules fired at each level of each observation, as
// its guide tells them.
TEST(CommandesRun, DemoProjectReachesItsDiagnoses) {
    const std::vector<std::vector<std::vector<int>>> niveaux = {
        {{1, 3, 13, 14, 23, 33}, {6}, {7}, {9}},   {{2, 4, 5, 13}, {17}, {8}, {10}},
        {{4, 11, 12}, {16}, {19}, {21}},           {{1, 4, 23}, {24}, {26}, {28}},
        {{2, 13, 31, 39}, {34}, {37}, {42}},       {{1, 3, 15, 22, 32}, {6}, {18}, {20}},
        {{2, 13, 30, 38}, {17}, {36}, {29}},       {{4, 11, 13}, {25}, {27}, {29}},
    };
    TResultat r = Lance({"run", std::string(VERIDANE_TEST_DATA) + "/demo/car.exp", "--all", "--json"});
    ASSERT_EQ(r.Statut, SortieSucces);
    std::istringstream documents(r.Sortie);
    std::string document;
    for (std::size_t o = 0; o < niveaux.size(); ++o) {
        ASSERT_TRUE(std::getline(documents, document));
        std::string attendu;
        for (std::size_t l = 0; l < niveaux[o].size(); ++l)
            for (int regle : niveaux[o][l]) attendu += std::to_string(l + 1) + ":" + std::to_string(regle) + " ";
        std::string obtenu;
        for (std::size_t p = document.find("{\"level\":"); p != std::string::npos;
             p = document.find("{\"level\":", p + 1)) {
            const std::string niveau = document.substr(p + 9, document.find(',', p) - p - 9);
            const std::size_t fin = document.find("]}", p);
            for (std::size_t q = document.find("{\"rule\":", p); q < fin; q = document.find("{\"rule\":", q + 1))
                obtenu += niveau + ":" + document.substr(q + 8, document.find(',', q) - q - 8) + " ";
        }
        EXPECT_EQ(obtenu, attendu) << "observation " << o + 1;
        EXPECT_NE(document.find("\"observation\":" + std::to_string(o + 1) + ","), std::string::npos);
    }
    EXPECT_FALSE(std::getline(documents, document));
}

TEST(ChaineJsonTest, EscapesAndConvertsToUtf8) {
    const std::vector<std::pair<std::string, std::string>> cas = {
        {"", "\"\""},
        {"A = B", "\"A = B\""},
        {"say \"hi\" \\ bye", "\"say \\\"hi\\\" \\\\ bye\""},
        {"tab\tcr\r", "\"tab\\u0009cr\\u000d\""},
        {"\xE9t\xE9 \x80", "\"\xC3\xA9t\xC3\xA9 \xE2\x82\xAC\""},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(ChaineJson(texte), attendu) << texte;
}

TEST(LitOptionsInferenceTest, ReadsEveryOptionOnce) {
    auto options = LitOptionsInference({"p.Exp", "--time", "--critical", "0,5", "--json", "--observation", "12"});
    ASSERT_TRUE(options);
    TOptionsInference attendu;
    attendu.Projet = "p.Exp";
    attendu.Observation = 12;
    attendu.Critique = "0,5";
    attendu.Json = attendu.Temps = true;
    EXPECT_EQ(*options, attendu);
    EXPECT_FALSE(LitOptionsInference({"p.exp", "--critical", "1", "--critical", "0"}));
    EXPECT_FALSE(LitOptionsInference({"p.exp", "--observation", "-1"}));
    EXPECT_TRUE(LitOptionsInference({"p.exp", "--all", "--json"})->Toutes);
}

}  // namespace
}  // namespace veridane
