// The texts of an inference that the windows and the command-line program
// share: counters, run status, the reasoning tree and its printout, and the
// details of a rule.
#pragma once

#include <string>
#include <vector>

#include "core/knowledge_base.h"
#include "moteur.h"

namespace veridane {

inline constexpr const char* TexteFinInference = " End of inference ";
inline constexpr const char* TitreDetailsRegle = "Details of rule ";
inline constexpr const char* QuestionImpression = "Do you want to print the reasoning?";
inline constexpr const char* MessageImprime = "The reasoning has been printed";
// Preparing a run: a critical value refused, an empty observation chosen.
inline constexpr const char* MessageValeurCritiqueIncorrecte = "Error: critical value of priority degree incorrect";
std::string MessageObservationVide(int numero);  // "Observation n<degree sign>3 is empty. Select an ..."

// Counters as written when a run starts (with their unit word).
std::string TexteReglesBase(int nbRegles);             // "Rules Base: 2 rules"
std::string TexteReglesDeclenchees(int nbDeclenchees); // "Triggered rules: 0 rule"
std::string TexteBaseFaits(int total);                 // "Data Base: 5 data"
std::string TexteFaitsInitiaux(int nbInitiaux);        // "Initial data: 3 data"
std::string TexteFaitsDeduits(int nbDeduits);          // "Deduced data: 2 data"

// Counters as they change during a run (no unit word).
std::string TexteRegleDeclencheeEnCours(int nbDeclenchees);  // "Triggered rule: 1"
std::string TexteFaitsDeduitsEnCours(int nbDeduits);         // "Deduced data: 1"
std::string TexteBaseFaitsEnCours(int total);                // "Data Base: 4"

std::string TexteNiveauEnCours(int niveau);     // " Level 2"
std::string LigneRegleDeclenchee(int numero);   // "Rule 7"

// The upper area of the reasoning tree: "Level 0", then " " and the text of
// each initial datum when a data base is open.
std::vector<std::string> LignesNiveauZero(const std::vector<TProposition>& observation, bool baseFaitsOuverte,
                                          char separateur);

// The lower area: per level "Level L" then "  Rule n -> conclusion" per
// record. The last level is left out when it is empty (the one that ended
// the run); a level ended by a stop keeps its records.
std::vector<std::string> LignesNiveaux(const std::vector<TRaisonnement>& raisonnement,
                                       const std::vector<TRegle>& regles, char separateur);

// One printed line at device coordinates (top-left corner).
struct TLigneImprimee {
    int X;
    int Y;
    std::string Texte;
    bool operator==(const TLigneImprimee&) const = default;
};

// The printout of the tree: title, observation number, then the levels of
// LignesNiveaux, 100 device units apart and 100 more after each level.
std::vector<TLigneImprimee> LignesImpression(const std::string& nomProjet, int numObservationInference,
                                             const std::vector<TRaisonnement>& raisonnement,
                                             const std::vector<TRegle>& regles, char separateur);

// The details of rule `numero` (1-based): lines separated by CR LF, none
// after the last.
std::string AfficheRegle(const TRegle& regle, int numero, char separateur);

}  // namespace veridane
