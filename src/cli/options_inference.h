// The command line of "run": the project, which observations, the critical
// value and the forms of the output.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "project/etat.h"

namespace veridane {

class IDialogues;
struct TContexteCli;

struct TOptionsInference {
    std::string Projet;
    int Observation = 1;              // 1-based
    bool Toutes = false;              // every observation that holds data
    std::optional<std::string> Critique;  // the text given, read later as the parameters dialog reads it
    bool Json = false;
    bool Temps = false;
    bool operator==(const TOptionsInference&) const = default;
};

// Nothing when the arguments are not a valid "run" command line: no project
// file, an unknown or repeated option, a missing value, an observation number
// that is not a whole number from 1, or both --observation and --all.
std::optional<TOptionsInference> LitOptionsInference(const std::vector<std::string>& arguments);

// An observation number as typed: a whole number from 1.
std::optional<int> LitNumeroObservation(const std::string& texte);

// Opens the project as the main window does (its messages go to the error
// stream) with the user's decimal separator; false when it cannot be opened.
bool OuvreProjetCli(TEtatVeridane& etat, const std::string& projet, TContexteCli& contexte, IDialogues& dialogues);

// The observations a command works on, 0-based, or the exit status when the
// one asked for cannot be used (after its message). `toutes`: every
// observation that holds data; otherwise observation `numero` (1-based),
// chosen as the selection window chooses it.
struct TChoixObservations {
    std::vector<std::size_t> Observations;
    int Refus = 0;
};
TChoixObservations ObservationsChoisies(bool toutes, int numero, const TBaseFaits& faits, TContexteCli& contexte,
                                        IDialogues& dialogues);

}  // namespace veridane
