// The files that travel with a project (its cases file): the windows write
// them at the end of every save, and a change to them alone makes the
// project changed for the questions of a quit.
#include "cycle_test_outils.h"

namespace veridane {
namespace {

using namespace veridane::test;

class TFenetresAnnexes : public TFenetresScript {
public:
    bool SauveFichiersAnnexes(bool nouveauNom) override {
        Journal.push_back(nouveauNom ? "Annexes(nouveau nom)" : "Annexes");
        return Reussite;
    }
    bool Reussite = true;
};

class FichiersAnnexes : public CycleProjet {
protected:
    TFenetresAnnexes Annexes;
    TCycleProjet CycleAnnexes{Etat, Annexes, Dialogues, Progression};
};

TEST_F(FichiersAnnexes, ChaqueSauvegardeLesEcritEtUnChangementDeCasSeulFaitPoserLaQuestion) {
    ASSERT_TRUE(CycleAnnexes.OuvreProjet(PrepareGrippe()));
    Annexes.Journal.clear();
    EXPECT_FALSE(Etat.ProjetChange());

    // A failed write of the cases file makes the save incomplete.
    Etat.CasModifies = true;
    Annexes.Reussite = false;
    EXPECT_FALSE(CycleAnnexes.Saveproject1Click());
    Annexes.Reussite = true;
    EXPECT_TRUE(CycleAnnexes.Saveproject1Click());
    EXPECT_TRUE(CycleAnnexes.EnregistreSous(Repertoire / "Work/Copy.exp", false));
    EXPECT_EQ(Annexes.Journal, (std::vector<std::string>{"Annexes", "Annexes", "Annexes(nouveau nom)"}));

    // Changed data and changed cases: the project's question, whose save
    // takes the cases along.
    Annexes.Journal.clear();
    Etat.Faits.BaseFaitsModifiee = true;
    Dialogues.Reponses = {TReponse::Annuler, TReponse::Oui};
    EXPECT_FALSE(CycleAnnexes.FermetureDemandee());
    EXPECT_TRUE(CycleAnnexes.FermetureDemandee());
    EXPECT_EQ(Dialogues.Textes(), (std::vector<std::string>{"Current project has changed, save it?",
                                                            "Current project has changed, save it?"}));
    EXPECT_EQ(Annexes.Journal, std::vector<std::string>{"Annexes"});

    // Another project's cases are not this one's changes.
    Etat.CasModifies = true;
    ASSERT_TRUE(CycleAnnexes.OuvreProjet(Repertoire / "Work/Copy.exp"));
    EXPECT_FALSE(Etat.CasModifies);
}

}  // namespace
}  // namespace veridane
