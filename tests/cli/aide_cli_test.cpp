// The help and version of veridane-cli: what prints where, and the status.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commandes.h"
#include "veridane_version.h"

namespace veridane {
namespace {

struct TCasAide {
    const char* Nom;
    std::vector<std::string> Arguments;
    int Statut;
    std::vector<std::string> DansLaSortie;   // each must appear on standard output
    std::vector<std::string> DansLesErreurs; // each must appear on standard error
};

class AideCli : public ::testing::TestWithParam<TCasAide> {};

TEST_P(AideCli, PrintsWhereItShouldAndExits) {
    const TCasAide& cas = GetParam();
    std::ostringstream sortie, erreurs;
    EXPECT_EQ(ExecuteCli(cas.Arguments, sortie, erreurs), cas.Statut);
    for (const std::string& texte : cas.DansLaSortie) EXPECT_NE(sortie.str().find(texte), std::string::npos) << texte;
    for (const std::string& texte : cas.DansLesErreurs)
        EXPECT_NE(erreurs.str().find(texte), std::string::npos) << texte;
    // Help goes to one stream only: standard output when asked for, standard
    // error when the command line was wrong.
    EXPECT_TRUE(cas.DansLaSortie.empty() ? sortie.str().empty() : erreurs.str().empty()) << cas.Nom;
}

INSTANTIATE_TEST_SUITE_P(
    Cas, AideCli,
    ::testing::Values(
        TCasAide{"Help", {"--help"}, 0, {"Usage: veridane-cli COMMAND", "check FILE.RUL", "run PROJECT.EXP", "--version"}, {}},
        TCasAide{"Version", {"--version"}, 0, {std::string("veridane-cli ") + VERIDANE_VERSION + "\n"}, {}},
        TCasAide{"CheckHelpGivesEveryForm", {"check", "--help"}, 0,
                 {"veridane-cli check FILE.RUL\n", "veridane-cli check FILE.DTA\n", "veridane-cli check PROJECT.EXP\n"}, {}},
        TCasAide{"RunHelp", {"run", "--help"}, 0, {"veridane-cli run PROJECT.EXP [--observation N | --all]", "forward chaining"}, {}},
        TCasAide{"UnknownOption", {"--frobnicate"}, 2, {}, {"usage:", "veridane-cli check FILE.RUL"}},
        TCasAide{"UnknownCommand", {"explode", "--help"}, 2, {}, {"usage:"}},
        TCasAide{"HelpAmongOtherArguments", {"run", "x.exp", "--help"}, 2, {}, {"usage:"}}),
    [](const auto& info) { return std::string(info.param.Nom); });

}  // namespace
}  // namespace veridane
