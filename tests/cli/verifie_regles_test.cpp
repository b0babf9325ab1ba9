#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>

#include "cli/commandes.h"
#include "commun/fichiers_test.h"
#include "cli/dialogues_console.h"

namespace veridane {
namespace {

namespace fs = std::filesystem;

class VerifieReglesTest : public ::testing::Test {
protected:
    std::string Ecrit(const std::string& nom, const std::string& contenu) {
        test::EcritFichier(Repertoire / nom, contenu);
        return Repertoire / nom;
    }

    int Lance(std::vector<std::string> arguments) {
        Sortie.str("");
        Erreurs.str("");
        return ExecuteCli(arguments, Sortie, Erreurs);
    }

    test::TRepertoireTemporaire Repertoire;
    fs::path Dossier{Repertoire.Chemin};
    std::ostringstream Sortie;
    std::ostringstream Erreurs;
};

const char* const ReglesCorrectes =
    "#Diagnosis rules\r\n\r\nNumber of rules: 2;\r\n\r\n# Rule 1\r\nIf TEMPERATURE > 38 \r\nAnd COUGH = YES \r\n"
    "Then DISEASE = FLU [0.8];\r\n\r\n# Rule 2\r\nIf COLOR in { RED, BLUE }\r\nThen KIND not_in { A, B }[0.5];\r\n\r\n";

TEST_F(VerifieReglesTest, CleanFileGivesTheSummaryAndStatusZero) {
    std::string chemin = Ecrit("flu.rul", ReglesCorrectes);
    EXPECT_EQ(Lance({"check", chemin}), SortieSucces);
    EXPECT_EQ(Sortie.str(), "rules: 2, dictionary: 5\n");
    EXPECT_EQ(Erreurs.str(), "");
}

TEST_F(VerifieReglesTest, ReadsTheDictionaryBesideTheRules) {
    std::string chemin = Ecrit("FLU.RUL", ReglesCorrectes);
    Ecrit("flu.dic", "\r\nAGE > 18 ;\r\n\r\nCOUGH = YES ;\r\n");
    EXPECT_EQ(Lance({"check", chemin}), SortieSucces);
    EXPECT_EQ(Sortie.str(), "rules: 2, dictionary: 6\n");
}

struct CasSortie {
    const char* Nom;
    const char* Regles;
    const char* Dico;  // nullptr: no dictionary file
    int Statut;
    const char* Attendu;
};

class VerifieReglesMessages : public VerifieReglesTest, public ::testing::WithParamInterface<CasSortie> {};

TEST_P(VerifieReglesMessages, PrintsEachMessageThenTheSummary) {
    const CasSortie& cas = GetParam();
    std::string chemin = Ecrit("base.rul", cas.Regles);
    if (cas.Dico) Ecrit("base.dic", cas.Dico);
    EXPECT_EQ(Lance({"check", chemin}), cas.Statut);
    EXPECT_EQ(Sortie.str(), cas.Attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VerifieReglesMessages,
    ::testing::Values(
        CasSortie{"Mismatch",
                  "Number of rules: 3;\r\nIf A = B Then C = D [0.5];\r\nIf A = B C = D [0.5];\r\n", nullptr, 1,
                  "warning: Error in the rule 2: THEN not found\n"
                  "warning: 1 rules extracted, 3 expected rules\n"
                  "rules: 1, dictionary: 2\n"},
        CasSortie{"TrailingBlankKept", "Number of rules: 1;\r\nIf A = B Then C = D 0.5;\r\n", nullptr, 1,
                  "warning: Error in rule 1: '[' not found \n"
                  "warning: 0 rules extracted, 1 expected rules\n"
                  "rules: 0, dictionary: 0\n"},
        CasSortie{"NoCount", "   \r\nNumber of rules: 1;\r\n", nullptr, 1,
                  "warning: Error: not number of rules in the file \n"
                  "rules: 0, dictionary: 0\n"},
        CasSortie{"DictionaryError", "Number of rules: 1;\r\nIf A = B Then C = D [1];\r\n", "X = 1 ;\r\n;\r\n", 1,
                  "warning: Error in data 2 of the dictionary: attribute of data not found\n"
                  "rules: 1, dictionary: 3\n"},
        CasSortie{"RuleEndsOnAnOperator", "Number of rules: 1;\r\n; IF X NOT_IN", nullptr, 1,
                  "warning: Error in the rule 1: THEN not found\n"
                  "warning: 0 rules extracted, 1 expected rules\n"
                  "rules: 0, dictionary: 0\n"},
        CasSortie{"PriorityMinusOne", "Number of rules: 1;\r\nIf A = B Then C = D [-1];\r\n", nullptr, 1,
                  "warning: Error in rule 1: priority degree incorrect\n"
                  "warning: 0 rules extracted, 1 expected rules\n"
                  "rules: 0, dictionary: 0\n"}),
    [](const auto& info) { return std::string(info.param.Nom); });

TEST_F(VerifieReglesTest, MissingFileIsAWarning) {
    EXPECT_EQ(Lance({"check", (Dossier / "absent.rul").string()}), SortieAvertissement);
    EXPECT_EQ(Sortie.str(), "warning: File of rules not found\nrules: 0, dictionary: 0\n");
}

TEST_F(VerifieReglesTest, CommandLineErrorsGiveUsage) {
    const std::vector<std::vector<std::string>> fautes = {
        {}, {"check"}, {"check", "base.txt"}, {"check", "base"}, {"audit", "base.rul"}, {"check", "a.rul", "b.rul"}};
    for (const auto& arguments : fautes) {
        EXPECT_EQ(Lance(arguments), SortieUsage) << ::testing::PrintToString(arguments);
        EXPECT_EQ(Sortie.str(), "");
        EXPECT_NE(Erreurs.str().find("veridane-cli check FILE.RUL"), std::string::npos);
    }
}

// A command that throws: what it printed stays, the fault is reported with
// the file on the error stream, and the status says it was the program's.
TEST(LanceCommandeGardeeTest, AnExceptionIsAnInternalFaultWithStatusThree) {
    struct Cas {
        TFonctionCommande Fonction;
        std::vector<std::string> Arguments;
        const char* Erreur;
    };
    const Cas cas[] = {
        {[](const std::vector<std::string>&, TContexteCli& c) -> int {
             c.Sortie << "warning: half\n";
             throw std::out_of_range("basic_string::compare");
         },
         {"base.rul"}, "error: internal fault: basic_string::compare while reading base.rul\n"},
        {[](const std::vector<std::string>&, TContexteCli&) -> int { throw 1; }, {"p.exp", "--all"},
         "error: internal fault: unknown exception while reading p.exp\n"},
    };
    for (const Cas& c : cas) {
        std::ostringstream sortie, erreurs;
        TContexteCli contexte{sortie, erreurs, '.'};
        const TCommandeCli commande{"check", ".RUL", c.Fonction, "check FILE.RUL"};
        EXPECT_EQ(LanceCommandeGardee(commande, c.Arguments, contexte), SortieFauteInterne);
        EXPECT_EQ(erreurs.str(), c.Erreur);
        EXPECT_EQ(sortie.str(), c.Arguments.size() == 1 ? "warning: half\n" : "");
    }
}

TEST(DialoguesConsoleTest, PrintsOneUtf8LinePerBox) {
    std::ostringstream sortie;
    TDialoguesConsole dialogues(sortie);
    dialogues.Avertit("Temp\xE9rature \x80 ");
    dialogues.Informe("done");
    EXPECT_EQ(dialogues.Demande("Save ?"), TReponse::Non);
    EXPECT_EQ(sortie.str(), "warning: Temp\xC3\xA9rature \xE2\x82\xAC \ninformation: done\nquestion: Save ?\n");
    EXPECT_EQ(dialogues.NbAvertissements(), 1);
    EXPECT_FALSE(dialogues.ChoisitFichierAOuvrir("*.rul"));
}

TEST(SeparateurDecimalTest, LeavesNumbersReadTheCWay) {
    const char separateur = SeparateurDecimalDuSysteme();
    EXPECT_TRUE(separateur == '.' || separateur == ',');
    EXPECT_STREQ(std::localeconv()->decimal_point, ".");
    EXPECT_EQ(std::strtod("0.5", nullptr), 0.5);
}

TEST(ExtensionDeTest, TakesTheLastPointOfTheName) {
    EXPECT_EQ(ExtensionDe("dir.v2/flu.rul"), ".RUL");
    EXPECT_EQ(ExtensionDe("dir.v2/flu"), "");
    EXPECT_EQ(ExtensionDe("a.b.Dta"), ".DTA");
}

}  // namespace
}  // namespace veridane
