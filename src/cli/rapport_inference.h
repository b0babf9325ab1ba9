// What "run" prints of one inference: the observation, the reasoning tree
// (its upper and lower areas), the counters and the deduced data, as text
// lines or as one JSON document.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/knowledge_base.h"
#include "inference/moteur.h"

namespace veridane {

// The text form, in Windows-1252 lines: "Observation N", the tree's upper
// area, its lower area, the triggered and deduced counters, then one line
// per deduced datum in the order deduced.
std::vector<std::string> LignesInference(const TMoteur& moteur, const std::vector<TRegle>& regles,
                                         bool baseFaitsOuverte, char separateur);

// The same content as one JSON document on one line (UTF-8), without the
// final line end.
std::string JsonInference(const TMoteur& moteur, const std::vector<TRegle>& regles, bool baseFaitsOuverte,
                          char separateur);

// A JSON string literal holding the Windows-1252 text in UTF-8.
std::string ChaineJson(const std::string& texte);

}  // namespace veridane
