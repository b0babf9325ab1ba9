#include <gtest/gtest.h>

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

// Each reader message is printed as a warning before the summary.
TEST_F(VerifieReglesTest, PrintsEachMessageThenTheSummary) {
    std::string chemin = Ecrit("base.rul", "Number of rules: 3;\r\nIf A = B Then C = D [0.5];\r\nIf A = B C = D [0.5];\r\n");
    EXPECT_EQ(Lance({"check", chemin}), 1);
    EXPECT_EQ(Sortie.str(),
              "warning: Error in the rule 2: THEN not found\n"
              "warning: 1 rules extracted, 3 expected rules\n"
              "rules: 1, dictionary: 2\n");
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

}  // namespace
}  // namespace veridane
