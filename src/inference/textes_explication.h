// The texts of the explanations of a run, shared by the command line (as
// indented lines) and the explanation window (one line per tree item).
// Lines are Windows-1252, like every text of the model.
#pragma once

#include <string>
#include <vector>

#include "explication.h"

namespace veridane {

// "observed, datum 3" or "level 2, rule 6".
std::string TexteOrigine(const TOrigine& origine);

// ---- Why -------------------------------------------------------------------
// The datum and where it comes from: "X = 1: observed, datum 3" or
// "X = 1: level 2, rule 6 [0.9]" (" (explained above)" on a repeat).
std::string LigneFaitExplique(const TNoeudPourquoi& noeud, char separateur);
// The premise a datum satisfied: "premise 2 X > 0: satisfied by X = 1".
std::string LigneAppui(const TNoeudPourquoi& appui, char separateur);
// "Weakest rule in the chain: rule 6 [0.9]".
std::string LigneRegleLaPlusFaible(int regle, double priorite, char separateur);
// The whole tree, two blanks of indent per step: the datum, then per
// premise its line and the explanation of its datum; the weakest rule last.
std::vector<std::string> LignesPourquoi(const TNoeudPourquoi& racine, char separateur);
// "X = 1 was not established in observation 2 (try whynot)".
std::string MessageNonEtabli(const TProposition& fait, int numeroObservation, char separateur);

// ---- Why not ---------------------------------------------------------------
// "X = 1 was not established in observation 2."
std::string LigneNonEtabli(const TProposition& fait, int numeroObservation, char separateur);
// "rule 7 [1] -> X = 1: " followed by what became of it.
std::string LigneCandidat(const TCandidat& candidat, double valeurCritique, char separateur);
// "premise 2 X = 1: no datum satisfied it".
std::string LigneNonSatisfaite(const TPremisseNonSatisfaite& premisse, char separateur);
// Why an explanation stops at a premise (empty when it does not).
std::string TexteCoupure(TCoupure coupure);
// The lines of an explanation with no candidate rule, or of a premise's
// explanation that found the datum after all.
std::vector<std::string> LignesSansCandidat(const TPourquoiPas& explication, int numeroObservation,
                                            char separateur);
// The whole explanation: its first line, then each candidate with its
// unsatisfied premises and their own explanations, indented.
std::vector<std::string> LignesPourquoiPas(const TPourquoiPas& explication, int numeroObservation,
                                           double valeurCritique, char separateur);

}  // namespace veridane
