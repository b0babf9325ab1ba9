// The command-line check on files that are not rules files at all: a pipe,
// a device, a directory, binary bytes. Each ends with its message and the
// warning status, never a hang or a crash.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commandes.h"

namespace veridane {
namespace {

namespace fs = std::filesystem;

TEST(HostileCli, CheckRefusesWhatIsNoRulesFile) {
    const fs::path dossier = fs::temp_directory_path() / "veridane_cli_hostile";
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    ASSERT_EQ(::mkfifo((dossier / "fifo.rul").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dossier / "zero.rul");
    fs::create_directory(dossier / "dir.rul");
    std::string binaire;
    for (int i = 0; i < 4096; ++i) binaire += static_cast<char>((i * 7919) & 0xFF);
    std::ofstream(dossier / "binary.rul", std::ios::binary) << binaire;

    struct Cas {
        const char* nom;
        const char* sortie;
    };
    const Cas cas[] = {
        {"fifo.rul", "warning: File of rules not found\nrules: 0, dictionary: 0\n"},
        {"zero.rul", "warning: File of rules not found\nrules: 0, dictionary: 0\n"},
        {"dir.rul", "warning: File of rules not found\nrules: 0, dictionary: 0\n"},
        {"binary.rul", "warning: Error: not number of rules in the file \nrules: 0, dictionary: 0\n"},
    };
    for (const Cas& c : cas) {
        std::ostringstream sortie, erreurs;
        EXPECT_EQ(ExecuteCli({"check", (dossier / c.nom).string()}, sortie, erreurs), SortieAvertissement) << c.nom;
        EXPECT_EQ(sortie.str(), c.sortie) << c.nom;
    }
    fs::remove_all(dossier);
}

}  // namespace
}  // namespace veridane
