// The demo project of the test data: it opens without a message and a copy
// saved under a new name holds the same files.
#include "cycle_test_outils.h"

namespace veridane {
namespace {

using namespace veridane::test;

const std::string Demo = std::string(VERIDANE_TEST_DATA) + "/demo/";

TEST_F(CycleProjet, TheDemoProjectOpensAndSavesUnchanged) {
    ASSERT_TRUE(Cycle.OuvreProjet(Demo + "car.exp"));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Etat.Faits.Observations.size(), 8u);
    EXPECT_EQ(Etat.Faits.NbFaits, 45);
    std::size_t regles = Etat.Base.Regles.size(), dico = Etat.Base.Dictionnaire.size();
    ASSERT_GT(regles, 0u);

    // Named as the demo names its files, so the project file is the same.
    ASSERT_TRUE(Cycle.EnregistreSous(Repertoire / "CAR.exp", false));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(LitFichier(Repertoire / "car.dta"), LitFichier(Demo + "car.dta"));
    EXPECT_EQ(LitFichier(Repertoire / "car.exp"), LitFichier(Demo + "car.exp"));

    Etat = TEtatVeridane{};
    ASSERT_TRUE(Cycle.OuvreProjet(Repertoire / "car.exp"));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Etat.Base.Regles.size(), regles);
    EXPECT_EQ(Etat.Base.Dictionnaire.size(), dico);
    EXPECT_EQ(Etat.Faits.NbFaits, 45);
}

}  // namespace
}  // namespace veridane
