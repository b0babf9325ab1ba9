// The guard around each command: a fault of the program inside a command
// puts the state back as it was, says which command and file, and lets the
// next command run.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/journal.h"
#include "outils_test.h"
#include "project/garde_commande.h"

namespace veridane {
namespace {

using namespace veridane::test;

TEST(GardeCommande, AFaultPutsTheStateBackAndNamesTheCommandAndTheFile) {
    struct Cas {
        const char* Nom;
        std::function<void()> Faute;  // nothing: the command ends normally
        const char* Quoi;
    };
    const Cas cas[] = {
        {"StandardException", [] { throw std::out_of_range("basic_string::compare"); }, "basic_string::compare"},
        {"OtherException", [] { throw 42; }, "unknown exception"},
        {"NoFault", nullptr, nullptr},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Nom);
        TEtatVeridane etat;
        etat.Projet.RepertoireProjet = "/projects/";
        etat.Projet.NomProjet = "CAR.EXP";
        etat.Faits.Observations = {{Sym("COLOR", "RED")}};
        etat.Faits.BaseFaitsModifiee = true;
        TDialoguesJournal dialogues;
        // The command changes the state, then meets its fault.
        bool fini = ExecuteGardee(etat, dialogues, "Open project", [&] {
            etat.Faits.Observations.clear();
            etat.Faits.BaseFaitsModifiee = false;
            etat.Projet.NomProjet = "OTHER.EXP";
            if (c.Faute) c.Faute();
        });
        EXPECT_EQ(fini, c.Faute == nullptr);
        if (!c.Faute) {
            EXPECT_TRUE(dialogues.Messages.empty());
            EXPECT_TRUE(etat.Faits.Observations.empty());
            continue;
        }
        EXPECT_EQ(dialogues.Textes(), std::vector<std::string>{MessageFauteInterne("Open project", "/projects/OTHER.EXP",
                                                                                   c.Quoi)});
        EXPECT_EQ(dialogues.NbAvertissements(), 1);
        EXPECT_EQ(etat.Faits.Observations.size(), 1u);
        EXPECT_TRUE(etat.Faits.BaseFaitsModifiee);
        EXPECT_EQ(etat.Projet.NomProjet, "CAR.EXP");
    }
}

TEST(GardeCommande, AReadingCommandsFaultIsReportedAndTheProgramGoesOn) {
    const std::function<void()> fautes[] = {[] { throw std::out_of_range("vector"); }, [] { throw 42; }, nullptr};
    for (const auto& faute : fautes) {
        TEtatVeridane etat;
        etat.Projet.RepertoireProjet = "/projects/";
        etat.Projet.NomProjet = "CAR.EXP";
        TDialoguesJournal dialogues;
        const bool fini = ExecuteGardee(etat, dialogues, "View rules", [&] { if (faute) faute(); }, TGarde::LectureSeule);
        EXPECT_EQ(fini, faute == nullptr);
        EXPECT_EQ(dialogues.NbAvertissements(), faute ? 1 : 0);
        if (!faute) continue;
        EXPECT_EQ(dialogues.Textes().front().rfind("Internal fault in the command \"View rules\" on the file "
                                                   "/projects/CAR.EXP: ", 0), 0u);
    }
}

TEST(GardeCommande, TheMessageNamesTheFileTheStateNames) {
    EXPECT_EQ(MessageFauteInterne("Save project", "/p/CAR.EXP", "write fault"),
              "Internal fault in the command \"Save project\" on the file /p/CAR.EXP: write fault\n"
              "The project is left as it was before the command.");
    TEtatVeridane etat;
    EXPECT_EQ(FichierDeCommande(etat), "(no file)");
    etat.Projet.RepertoireProjet = "/p/";
    etat.Projet.NomFichRul = "CAR.RUL";
    EXPECT_EQ(FichierDeCommande(etat), "/p/CAR.RUL");
    etat.Projet.NomProjet = "CAR.EXP";
    EXPECT_EQ(FichierDeCommande(etat), "/p/CAR.EXP");
}

}  // namespace
}  // namespace veridane
