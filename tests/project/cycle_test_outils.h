// A fixture for the life of a project: a temporary directory holding a small
// project (rules, data base, project file), the state, scripted dialogs and
// windows, and the operations under test.
#pragma once

#include <gtest/gtest.h>

#include "core/journal.h"
#include "outils_test.h"
#include "project/cycle_projet.h"
#include "project/resume.h"

namespace veridane::test {

inline const std::string ReglesGrippe = Lignes({
    "#Diagnosis rules",
    "",
    "Number of rules: 2;",
    "",
    "# Rule 1",
    "If TEMPERATURE > 38 ",
    "And COUGH = YES ",
    "Then DISEASE = FLU [0.8];",
    "",
    "# Rule 2",
    "If COLOR in { RED, BLUE }",
    "Then KIND not_in { A, B }[0.5];",
    "",
});

inline const std::string BaseGrippe = Lignes({
    "#Spring survey",
    "#",
    "#  second line",
    "",
    "Number of data: 4;",
    "",
    "# Observation 1",
    "TEMPERATURE > 39.5  ;",
    "COUGH = YES  ;",
    "* ",
    "# Observation 2",
    "* ",
    "# Observation 3",
    "COLOR in { RED } ;",
    "KIND = B  ;",
});

class CycleProjet : public ::testing::Test {
protected:
    // The project Flu in directory Work: a project file written by hand in
    // mixed case, the rules and the data base in lower case.
    std::string PrepareGrippe(const std::string& projet = Lignes({"#Flu study", "", "Rules file: Flu.RUL",
                                                                      "Data base: Flu.DTA"})) {
        std::filesystem::create_directories(Repertoire / "Work");
        EcritFichier(Repertoire / "Work/Flu.exp", projet);
        EcritFichier(Repertoire / "Work/flu.rul", ReglesGrippe);
        EcritFichier(Repertoire / "Work/flu.dta", BaseGrippe);
        return Repertoire / "Work/Flu.exp";
    }

    // The commentary window that takes `lignes` when its "OK" is pressed.
    void CommentaireSaisi(std::vector<std::string> lignes) {
        Fenetres.Commentaire = [this, lignes](bool base) { OKAbstractClick(Etat, base, lignes); };
    }

    TRepertoireTemporaire Repertoire;
    TEtatVeridane Etat;
    TDialoguesJournal Dialogues;
    TFenetresScript Fenetres;
    TProgressionMuette Progression;
    TCycleProjet Cycle{Etat, Fenetres, Dialogues, Progression};
};

}  // namespace veridane::test
