// The atomic writer under failures: whatever call fails, the reason is
// returned, the old file keeps every byte and no temporary file is left.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/fichier_texte.h"
#include "dossier_test.h"
#include "systeme_en_panne.h"

namespace veridane {
namespace {

using test::TPanne;
using test::TSystemeEnPanne;

class FautesEcriture : public DossierTest {};

TEST_F(FautesEcriture, AFailedSaveKeepsTheOldFileAndLeavesNothingBehind) {
    struct Cas {
        TPanne panne;
        const char* raison;
    };
    const Cas cas[] = {
        {TPanne::LectureSeule, "Read-only file system"},
        {TPanne::DisquePlein, "No space left on device"},
        {TPanne::Synchronisation, "Input/output error"},
        {TPanne::Renommage, "Permission denied"},
    };
    for (const Cas& c : cas) {
        const std::string ancien = "old\r\ncontent\r\n";
        std::string chemin = Ecrit("base.rul", ancien);
        TSystemeEnPanne systeme;
        systeme.Panne = c.panne;
        TEcrivainTexte ecrivain;
        for (int i = 0; i < 100; ++i) ecrivain.Ligne("a longer new content than the disk takes");

        auto raison = ecrivain.Enregistre(chemin, systeme);
        ASSERT_TRUE(raison.has_value()) << c.raison;
        EXPECT_EQ(*raison, c.raison);
        EXPECT_EQ(Lit(chemin), ancien) << c.raison;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dossier), {}), 1) << c.raison;

        // The same writer succeeds once the fault is gone.
        EXPECT_FALSE(ecrivain.Enregistre(chemin, TSystemeFichiers::Reel()).has_value());
        EXPECT_EQ(Lit(chemin), ecrivain.Contenu);
    }
}

TEST_F(FautesEcriture, AnExceptionWhileWritingLeavesTheOldFileAndNothingBehind) {
    const std::string ancien = "old\r\ncontent\r\n";
    std::string chemin = Ecrit("base.rul", ancien);
    TSystemeEnPanne systeme;
    systeme.Panne = TPanne::Exception;
    TEcrivainTexte ecrivain;
    ecrivain.Ligne("new");
    EXPECT_THROW(ecrivain.Enregistre(chemin, systeme), std::runtime_error);
    EXPECT_EQ(Lit(chemin), ancien);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dossier), {}), 1);
}

TEST_F(FautesEcriture, TargetsThatCannotBeFilesAreRefusedWithTheirReason) {
    std::filesystem::create_directory(Dossier / "base.rul");
    TEcrivainTexte ecrivain;
    ecrivain.Ligne("x");
    EXPECT_EQ(ecrivain.Enregistre(Chemin("base.rul")), "Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(Dossier / "base.rul"));
    EXPECT_EQ(ecrivain.Enregistre(Chemin("missing/base.rul")), "No such file or directory");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dossier), {}), 1);
}

}  // namespace
}  // namespace veridane
