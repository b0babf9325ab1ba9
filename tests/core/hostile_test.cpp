// Hostile and broken rules and dictionary files: each gives its message or a
// clear refusal, never a crash, a hang or an exhausted memory. The huge
// inputs are kept small here; VERIDANE_HOSTILE=1 (make test-hostile) gives
// them their full size: a 200 MB file without a line end and a million rules.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/dictionnaire.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "dossier_test.h"

namespace veridane {
namespace {

bool Pleine() { return std::getenv("VERIDANE_HOSTILE") != nullptr; }

class HostileRegles : public DossierTest {
protected:
    // Reads `chemin` as a rules file with its dictionary; the messages shown.
    std::vector<std::string> Ouvre(const std::string& chemin) {
        Base = TBaseConnaissances{};
        Dialogues.Messages.clear();
        OuvrirFR(Base, chemin, Commandes, Dialogues, Progression);
        return Dialogues.Textes();
    }

    TBaseConnaissances Base;
    TEtatCommandes Commandes;
    TDialoguesJournal Dialogues;
    TProgressionMuette Progression;
};

const std::string EnTete = "#Hostile\r\n\r\nNumber of rules: 1;\r\n\r\n";

TEST_F(HostileRegles, AFileWithoutALineEndIsRefusedInBoundedMemory) {
    // Written a mebibyte at a time: the test itself holds no copy.
    const std::size_t taille = (Pleine() ? 200u : 16u) << 20;
    std::string morceau(1 << 20, 'x');
    {
        std::ofstream fichier(Dossier / "long.rul", std::ios::binary);
        for (std::size_t ecrit = 0; ecrit < taille; ecrit += morceau.size()) fichier << morceau;
    }
    EXPECT_EQ(Ouvre(Chemin("long.rul")), std::vector<std::string>{"Error: not number of rules in the file "});
    EXPECT_TRUE(Base.Regles.empty());

    // The same line after the count line: gathered, never ended by a ";".
    {
        std::ofstream fichier(Dossier / "corps.rul", std::ios::binary);
        fichier << EnTete;
        for (std::size_t ecrit = 0; ecrit < taille; ecrit += morceau.size()) fichier << morceau;
    }
    EXPECT_EQ(Ouvre(Chemin("corps.rul")), std::vector<std::string>{"0 rules extracted, 1 expected rules"});
    std::filesystem::remove(Dossier / "long.rul");
    std::filesystem::remove(Dossier / "corps.rul");
}

TEST_F(HostileRegles, BrokenFilesGiveTheirMessages) {
    struct Cas {
        const char* nom;
        std::string contenu;
        std::vector<std::string> messages;
        std::size_t regles;
    };
    const Cas cas[] = {
        {"count of 30 digits", "\r\nNumber of rules: 999999999999999999999999999999;\r\nIf A = B \r\nThen C = D [1];",
         {"Error: not number of rules in the file "}, 0},
        {"largest count", "\r\nNumber of rules: 2147483647;\r\nIf A = B \r\nThen C = D [1];",
         {"1 rules extracted, 2147483647 expected rules"}, 1},
        {"0x1A before the count", "\r\n\x1aNumber of rules: 1;\r\n", {"Error: not number of rules in the file "}, 0},
        {"NUL-only lines at the head", std::string("\0\0\r\n\0\r\n", 7) + "Number of rules: 0;\r\n", {}, 0},
        {"NUL in a count", std::string("Number of rules: 1\0;\r\n", 22), {"Error: not number of rules in the file "}, 0},
        {"priority overflowing a double", EnTete + "If A = B \r\nThen C = D [1E999];",
         {"Error in rule 1: priority degree incorrect", "0 rules extracted, 1 expected rules"}, 0},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Ecrit("b.rul", c.contenu);
        EXPECT_EQ(Ouvre(Chemin("b.rul")), c.messages);
        EXPECT_EQ(Base.Regles.size(), c.regles);
    }
}

// A device, a pipe or a directory where a rules or dictionary file should be
// is not read (it could never end, or block for ever): the rules file is
// "not found", a dictionary is rebuilt from the rules alone.
TEST_F(HostileRegles, OnlyRegularFilesAreRead) {
    ASSERT_EQ(::mkfifo(Chemin("fifo.rul").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", Dossier / "zero.rul");
    std::filesystem::create_directory(Dossier / "dir.rul");
    for (const char* nom : {"fifo.rul", "zero.rul", "dir.rul"}) {
        SCOPED_TRACE(nom);
        EXPECT_EQ(Ouvre(Chemin(nom)), std::vector<std::string>{"File of rules not found"});
        EXPECT_FALSE(Base.BaseReglesOuverte);
    }

    Ecrit("fifo_dico.rul", EnTete + "If A = B \r\nThen C = D [1];\r\n");
    ASSERT_EQ(::mkfifo(Chemin("fifo_dico.dic").c_str(), 0644), 0);
    Ecrit("zero_dico.rul", EnTete + "If A = B \r\nThen C = D [1];\r\n");
    std::filesystem::create_symlink("/dev/zero", Dossier / "zero_dico.dic");
    for (const char* nom : {"fifo_dico.rul", "zero_dico.rul"}) {
        SCOPED_TRACE(nom);
        EXPECT_TRUE(Ouvre(Chemin(nom)).empty());
        EXPECT_TRUE(Base.DicoACompiler);
        EXPECT_EQ(Base.Dictionnaire.size(), 2u);
    }
}

}  // namespace
}  // namespace veridane
