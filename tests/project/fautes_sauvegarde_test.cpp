// Saving a project when the file system fails: a read-only directory, a full
// disk, a target that is a directory, the project directory removed between
// the opening and the save. Each failure warns with the file and the reason,
// keeps the old files byte for byte and the dirty flags set; the next save
// that can write writes everything.
#include <filesystem>
#include <map>

#include "../core/systeme_en_panne.h"
#include "core/dictionnaire.h"
#include "core/fichier_regles.h"
#include "cycle_test_outils.h"
#include "project/base_faits.h"

namespace veridane {
namespace {

using namespace veridane::test;

const std::string DicoGrippe = Lignes({"#Diagnosis rules", "", "AGE > 3 ;", ""});

class FautesSauvegarde : public CycleProjet {
protected:
    // The Flu project opened, then changed in its rules, data and dictionary.
    void OuvreEtChange() {
        std::string projet = PrepareGrippe();
        EcritFichier(Repertoire / "Work/flu.dic", DicoGrippe);
        ASSERT_TRUE(CycleEnPanne.OuvreProjet(projet));
        Etat.Base.Regles[0].Priorite = 0.9;
        Etat.Faits.Observations[0].push_back(Sym("SMELL", "FUEL"));
        AjouteAuDico(Etat.Base, Sym("SMELL", "FUEL"));
        Etat.Base.ReglesModifiees = Etat.Faits.BaseFaitsModifiee = Etat.Base.DicoModifie = true;
        Dialogues.Messages.clear();
        Avant = Contenus();
    }

    std::map<std::string, std::string> Contenus() const {
        std::map<std::string, std::string> contenus;
        if (!Existe(Repertoire / "Work")) return contenus;
        for (const std::string& nom : Fichiers(Repertoire / "Work"))
            contenus[nom] = std::filesystem::is_regular_file(Repertoire / ("Work/" + nom))
                                ? LitFichier(Repertoire / ("Work/" + nom))
                                : "(directory)";
        return contenus;
    }

    void AttendsEcritureComplete() {
        EXPECT_EQ(LitFichier(Repertoire / "Work/flu.rul"), TexteBaseRegles(Etat.Base));
        EXPECT_EQ(LitFichier(Repertoire / "Work/flu.dta"), TexteBaseFaits(Etat.Faits, '.'));
        EXPECT_EQ(LitFichier(Repertoire / "Work/flu.dic"), TexteDico(Etat.Base));
        EXPECT_FALSE(Etat.ProjetChange());
    }

    TSystemeEnPanne Systeme;
    TCycleProjet CycleEnPanne{Etat, Fenetres, Dialogues, Progression, Systeme};
    std::map<std::string, std::string> Avant;
};

TEST_F(FautesSauvegarde, EveryFailingFileIsNamedKeptAndSavedLater) {
    enum class TCause { LectureSeule, DisquePlein, RepertoireCible, RepertoireSupprime };
    struct Cas {
        const char* nom;
        TCause cause;
        const char* raison;
        std::vector<std::string> echecs;  // files whose save fails, in order
    };
    const std::vector<std::string> tous = {"flu.rul", "flu.dta", "flu.dic"};
    const Cas cas[] = {
        {"read-only directory", TCause::LectureSeule, "Read-only file system", tous},
        {"full disk", TCause::DisquePlein, "No space left on device", tous},
        {"rules file is a directory", TCause::RepertoireCible, "Is a directory", {"flu.rul"}},
        {"project directory removed", TCause::RepertoireSupprime, "No such file or directory", tous},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Etat = TEtatVeridane{};
        std::filesystem::remove_all(Repertoire / "Work");
        OuvreEtChange();
        switch (c.cause) {
            case TCause::LectureSeule: Systeme.Panne = TPanne::LectureSeule; break;
            case TCause::DisquePlein: Systeme.Panne = TPanne::DisquePlein; break;
            case TCause::RepertoireCible:
                std::filesystem::remove(Repertoire / "Work/flu.rul");
                std::filesystem::create_directory(Repertoire / "Work/flu.rul");
                break;
            case TCause::RepertoireSupprime: std::filesystem::remove_all(Repertoire / "Work"); break;
        }
        Avant = Contenus();

        EXPECT_FALSE(CycleEnPanne.Saveproject1Click());
        ASSERT_EQ(Dialogues.Messages.size(), c.echecs.size());
        for (std::size_t i = 0; i < c.echecs.size(); ++i) {
            EXPECT_EQ(Dialogues.Messages[i].Genre, TGenreMessage::Avertissement);
            EXPECT_EQ(Dialogues.Messages[i].Texte,
                      "Cannot write file " + (Repertoire / "Work/") + c.echecs[i] + ": " + c.raison);
        }
        // The failing files are as they were, and no temporary file is left.
        std::map<std::string, std::string> apres = Contenus();
        for (const std::string& nom : c.echecs) EXPECT_EQ(apres[nom], Avant[nom]) << nom;
        EXPECT_EQ(apres.size(), Avant.size());
        auto echoue = [&](const char* nom) {
            return std::find(c.echecs.begin(), c.echecs.end(), nom) != c.echecs.end();
        };
        EXPECT_EQ(Etat.Base.ReglesModifiees, echoue("flu.rul"));
        EXPECT_EQ(Etat.Faits.BaseFaitsModifiee, echoue("flu.dta"));
        EXPECT_EQ(Etat.Base.DicoModifie, echoue("flu.dic"));

        // The fault mended, the next save writes everything still owed.
        Systeme.Panne = TPanne::Aucune;
        if (c.cause == TCause::RepertoireCible) std::filesystem::remove(Repertoire / "Work/flu.rul");
        std::filesystem::create_directories(Repertoire / "Work");
        Dialogues.Messages.clear();
        EXPECT_TRUE(CycleEnPanne.Saveproject1Click());
        EXPECT_TRUE(Dialogues.Messages.empty());
        AttendsEcritureComplete();
    }
}

TEST_F(FautesSauvegarde, SaveAsOnAFullDiskCreatesNoFileAndSucceedsLater) {
    OuvreEtChange();
    std::filesystem::create_directories(Repertoire / "Copy");
    Systeme.Panne = TPanne::DisquePlein;
    EXPECT_FALSE(CycleEnPanne.EnregistreSous(Repertoire / "Copy/Flu.exp", false));
    EXPECT_EQ(Dialogues.NbAvertissements(), 4);
    EXPECT_TRUE(Fichiers(Repertoire / "Copy").empty());
    EXPECT_TRUE(Etat.Base.ReglesModifiees && Etat.Faits.BaseFaitsModifiee && Etat.Base.DicoModifie);
    EXPECT_EQ(Contenus(), Avant);

    Systeme.Panne = TPanne::Aucune;
    Dialogues.Messages.clear();
    EXPECT_TRUE(CycleEnPanne.EnregistreSous(Repertoire / "Copy/Flu.exp", false));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Fichiers(Repertoire / "Copy"), (std::vector<std::string>{"flu.dic", "flu.dta", "flu.exp", "flu.rul"}));
    EXPECT_FALSE(Etat.ProjetChange());
}

}  // namespace
}  // namespace veridane
