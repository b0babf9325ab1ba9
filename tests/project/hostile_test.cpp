// Hostile and broken data base and project files: each gives its message or
// a clear refusal, never a crash, a hang, an exhausted memory or a file
// written outside the project. VERIDANE_HOSTILE=1 (make test-hostile) gives
// the file without a line end its full 200 MB.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "cycle_test_outils.h"
#include "core/fichier_regles.h"
#include "project/base_faits.h"
#include "project/fichier_projet.h"

namespace veridane {
namespace {

using namespace veridane::test;

class HostileBase : public ::testing::Test {
protected:
    std::vector<std::string> Ouvre(const std::string& chemin) {
        Etat = TEtatVeridane{};
        Dialogues.Messages.clear();
        OuvrirFF(Etat, chemin, Dialogues, Progression);
        return Dialogues.Textes();
    }
    TRepertoireTemporaire Repertoire;
    TEtatVeridane Etat;
    TDialoguesJournal Dialogues;
    TProgressionMuette Progression;
};

TEST_F(HostileBase, AFileWithoutALineEndIsRefused) {
    const std::size_t taille = (std::getenv("VERIDANE_HOSTILE") ? 200u : 16u) << 20;
    const std::string morceau(1 << 20, 'x');
    {
        std::ofstream fichier(Repertoire / "long.dta", std::ios::binary);
        for (std::size_t ecrit = 0; ecrit < taille; ecrit += morceau.size()) fichier << morceau;
    }
    EXPECT_EQ(Ouvre(Repertoire / "long.dta"), std::vector<std::string>{"Error: not number of data in the file "});
    EXPECT_TRUE(Etat.Faits.Observations.empty());
    std::filesystem::remove(Repertoire / "long.dta");
}

class HostileProjet : public CycleProjet {};

// A project file may name only plain files of its own directory: anything
// else is refused before the project changes, so no save can write
// elsewhere.
TEST_F(HostileProjet, NamesThatLeaveTheProjectAreRefused) {
    const std::string projet = PrepareGrippe();
    const std::string noms[] = {"../x",     "/etc/passwd", "a/b.rul", "C:FLU.RUL", "c:\\flu.rul",
                                "..\\X.RUL", "A\\B.RUL",   "..",      ".",         std::string("FLU\0.RUL", 8),
                                "FLU\x01.RUL"};
    for (const std::string& nom : noms) {
        SCOPED_TRACE(nom);
        EcritFichier(projet, Lignes({"#Flu study", "", "Rules file: " + nom, "Data base: Flu.DTA"}));
        Etat = TEtatVeridane{};
        Etat.Commandes.Titre = "Veridane";
        Dialogues.Messages.clear();
        EXPECT_FALSE(Cycle.OuvreProjet(projet));
        ASSERT_EQ(Dialogues.Messages.size(), 1u);
        EXPECT_EQ(Dialogues.Messages[0].Texte, "Error : file name " + Majuscules(nom) + " in " + projet +
                                                    " is not a plain file name of the project directory");
        EXPECT_EQ(Etat.Commandes.Titre, "Veridane");
        EXPECT_TRUE(Etat.Projet.RepertoireProjet.empty());
    }
}

// A project saved under a name with blanks or "#" names its files so that
// the project file can name them back, and opens again as saved.
TEST(NomPortable, KeepsOnlyWhatAProjectFileCarriesBack) {
    struct Cas {
        const char* nom;
        const char* portable;
    };
    const Cas cas[] = {
        {"Flu.RUL", "Flu.RUL"},         {"My flu.RUL", "My_flu.RUL"}, {"flu#2.RUL", "flu_2.RUL"},
        {"a:b.RUL", "a_b.RUL"},         {"a\\b.RUL", "a_b.RUL"},      {"v1..2.RUL", "v1._2.RUL"},
        {"...RUL", "._.RUL"},           {"tab\t.RUL", "tab_.RUL"},     {"\xE9t\xE9.RUL", "\xE9t\xE9.RUL"},
    };
    for (const Cas& c : cas) {
        EXPECT_EQ(NomPortable(c.nom), c.portable) << c.nom;
        EXPECT_TRUE(NomFichierSimple(NomPortable(c.nom))) << c.nom;
    }
}

// A project file that is a symbolic link to a file elsewhere is read
// through the link, but a save replaces the link: nothing outside the
// project directory is ever written.
TEST_F(HostileProjet, ASaveReplacesALinkAndNeverWritesThroughIt) {
    const std::string projet = PrepareGrippe();
    std::filesystem::create_directories(Repertoire / "Elsewhere");
    std::filesystem::rename(Repertoire / "Work/flu.rul", Repertoire / "Elsewhere/flu.rul");
    std::filesystem::create_symlink(Repertoire / "Elsewhere/flu.rul", Repertoire / "Work/flu.rul");
    ASSERT_TRUE(Cycle.OuvreProjet(projet));
    ASSERT_EQ(Etat.Base.Regles.size(), 2u);
    Etat.Base.Regles.pop_back();
    Etat.Base.ReglesModifiees = true;

    EXPECT_TRUE(Cycle.Saveproject1Click());
    EXPECT_EQ(LitFichier(Repertoire / "Elsewhere/flu.rul"), ReglesGrippe);
    EXPECT_FALSE(std::filesystem::is_symlink(Repertoire / "Work/flu.rul"));
    EXPECT_EQ(LitFichier(Repertoire / "Work/flu.rul"), TexteBaseRegles(Etat.Base));
}

}  // namespace
}  // namespace veridane
