// What "why" and "whynot" share: their command line, the project opened and
// the observation run with the recorder on, and the output of a "why" tree.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/commandes.h"
#include "core/knowledge_base.h"
#include "inference/enregistreur.h"
#include "inference/explication.h"
#include "inference/moteur.h"
#include "project/etat.h"

namespace veridane {

struct TOptionsExplication {
    std::string Projet;
    int Observation = 0;                  // 1-based
    std::string Fait;                     // the proposition, as typed
    std::optional<std::string> Critique;  // read as the parameters dialog reads it
    bool Json = false;
    int Profondeur = 3;                   // whynot: nested explanations of premises
    bool operator==(const TOptionsExplication&) const = default;
};

// "PROJECT.EXP --observation N DATUM [--critical V] [--json]", plus
// "[--depth D]" when `avecProfondeur`; nothing when the line is not valid
// (no project file, no observation, no datum or two, an unknown or repeated
// option, a number that is not a whole number in range).
std::optional<TOptionsExplication> LitOptionsExplication(const std::vector<std::string>& arguments,
                                                         bool avecProfondeur);

// A project opened and one observation run with the recorder on.
struct TRunExplique {
    TEtatVeridane Etat;
    TMoteur Moteur;
    TEnregistreur Enregistreur;
    TProposition Fait;
};

// Reads the command line, opens the project, reads the datum and runs the
// observation. Returns SortieSucces, or the exit status after the message.
int PrepareExplication(const std::vector<std::string>& arguments, bool avecProfondeur, TContexteCli& contexte,
                       TOptionsExplication& options, TRunExplique& run);

// Prints why the datum at `origine` is known, as text or JSON.
void EcritPourquoi(const TRunExplique& run, const TExplication& explication, const TOrigine& origine, bool json,
                   TContexteCli& contexte);

}  // namespace veridane
