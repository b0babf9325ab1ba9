// "test": the demo's cases after a rule's priority was lowered, the JUnit
// report of that run as CI tools read it, recording the current results,
// and the command lines and files it refuses.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commandes.h"

namespace veridane {
namespace {

namespace fs = std::filesystem;

struct TSortie {
    int Statut;
    std::string Sortie;
    std::string Erreurs;
};

TSortie Lance(const std::vector<std::string>& arguments) {
    std::ostringstream sortie, erreurs;
    int statut = ExecuteCli(arguments, sortie, erreurs, '.');
    return {statut, sortie.str(), erreurs.str()};
}

std::string Lit(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Ecrit(const fs::path& chemin, const std::string& texte) { std::ofstream(chemin, std::ios::binary) << texte; }

std::string Commande(const std::string& ligne) {
    std::string sortie;
    if (FILE* tube = ::popen(ligne.c_str(), "r")) {
        char morceau[512];
        while (std::fgets(morceau, sizeof morceau, tube)) sortie += morceau;
        ::pclose(tube);
    }
    return sortie;
}

// A copy of the demo project with its cases file, in a directory of its own.
class TesteCas : public ::testing::Test {
protected:
    void SetUp() override {
        Dossier = fs::temp_directory_path() / ("veridane-cas-" + std::to_string(::getpid()));
        fs::remove_all(Dossier);
        fs::create_directories(Dossier);
        for (const char* nom : {"car.exp", "car.rul", "car.dic", "car.dta", "car.tst"})
            fs::copy_file(fs::path(VERIDANE_TEST_DATA) / "demo" / nom, Dossier / nom);
    }
    void TearDown() override { fs::remove_all(Dossier); }
    std::string Projet() const { return (Dossier / "car.exp").string(); }

    fs::path Dossier;
};

TEST_F(TesteCas, UnePrioriteAbaisseeCasseLesDeuxCasQuiEnDependent) {
    // Rule 29 sends every fault a driver cannot mend to a mechanic; below
    // the critical value of the cases it no longer takes part.
    std::string regles = Lit(Dossier / "car.rul");
    const std::string avant = "Then ACTION = CALL_A_MECHANIC [0.8];";
    ASSERT_NE(regles.find(avant), std::string::npos);
    regles.replace(regles.find(avant), avant.size(), "Then ACTION = CALL_A_MECHANIC [0.4];");
    Ecrit(Dossier / "car.rul", regles);

    const std::string rapport = (Dossier / "report.xml").string();
    const TSortie s = Lance({"test", Projet(), "--junit", rapport});
    EXPECT_EQ(s.Statut, 1);
    EXPECT_EQ(s.Erreurs, "");
    EXPECT_EQ(s.Sortie,
              "PASS Observation 1\nPASS Observation 2\nPASS Observation 3\nPASS Observation 4\n"
              "PASS Observation 5\nPASS Observation 6\n"
              "FAIL Observation 7\n  expected ACTION = CALL_A_MECHANIC: not established\n"
              "    rule 43 [0.4] -> ACTION = CALL_A_MECHANIC: excluded: its priority 0.4 is below the critical value 0.5\n"
              "FAIL Observation 8\n  expected ACTION = CALL_A_MECHANIC: not established\n"
              "    rule 43 [0.4] -> ACTION = CALL_A_MECHANIC: excluded: its priority 0.4 is below the critical value 0.5\n"
              "Rules fired: 38 of 43; never fired: 34, 39, 40, 42, 43\n"
              "6 passed, 2 failed\n");

    EXPECT_EQ(Commande(std::string(VERIDANE_PYTHON) + " " + VERIDANE_LIT_JUNIT + " " + rapport),
              "suite car tests=8 failures=2 errors=0\n"
              "Observation 7: expected ACTION = CALL_A_MECHANIC: not established\n"
              "Observation 8: expected ACTION = CALL_A_MECHANIC: not established\n");
}

TEST_F(TesteCas, LesResultatsEnregistresPassentEnsuite) {
    const TSortie enregistre = Lance({"test", Projet(), "--record"});
    EXPECT_EQ(enregistre.Statut, 0);
    EXPECT_EQ(enregistre.Sortie, "Cases recorded: 8 in " + (Dossier / "car.tst").string() + "\n");
    const std::string nouveau = Lit(Dossier / "car.tst");
    EXPECT_EQ(nouveau.rfind("# Veridane demo: what each roadside case must conclude.\r\n", 0), 0u);
    EXPECT_NE(nouveau.find("\r\nObservation 8 critical 0.5: expect BATTERY_CHARGE = GOOD; expect STARTER_POWER = INTERRUPTED; "), std::string::npos);

    const TSortie s = Lance({"test", Projet(), "--json"});
    EXPECT_EQ(s.Statut, 0);
    EXPECT_NE(s.Sortie.find("\"passed\":8,\"failed\":0}"), std::string::npos);
}

struct TRefus {
    const char* Nom;
    std::vector<std::string> Options;  // after "test" and the project
    std::string CasEcrit;              // cases file written first ("" for the demo's)
    int Statut;
    const char* Erreurs;  // a piece of the error stream
};

TEST_F(TesteCas, LesLignesDeCommandeEtLesFichiersRefuses) {
    const TRefus table[] = {
        {"option inconnue", {"--verbose"}, "", 2, "usage:"},
        {"option repetee", {"--json", "--json"}, "", 2, "usage:"},
        {"enregistrer et rapporter", {"--record", "--junit", "r.xml"}, "", 2, "usage:"},
        {"valeur manquante", {"--cases"}, "", 2, "usage:"},
        {"fichier de cas absent", {"--cases", "none.tst"}, "", 2, "error: the cases file none.tst cannot be read"},
        // A line that cannot be read is a check that did not run.
        {"ligne illisible", {}, "Observation 1: expect DIAGNOSIS = BATTERY_DRAINED\r\nObservation x:\r\n", 1,
         "warning: Error in line 2 of the cases file: observation number incorrect"},
    };
    for (const TRefus& refus : table) {
        SCOPED_TRACE(refus.Nom);
        if (!refus.CasEcrit.empty()) Ecrit(Dossier / "car.tst", refus.CasEcrit);
        std::vector<std::string> arguments{"test", Projet()};
        arguments.insert(arguments.end(), refus.Options.begin(), refus.Options.end());
        const TSortie s = Lance(arguments);
        EXPECT_EQ(s.Statut, refus.Statut);
        EXPECT_NE(s.Erreurs.find(refus.Erreurs), std::string::npos) << s.Erreurs;
    }
    EXPECT_EQ(Lance({"test", (Dossier / "missing.exp").string()}).Statut, 2);
}

}  // namespace
}  // namespace veridane
