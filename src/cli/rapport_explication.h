// The JSON forms of the explanations, one document on one line (UTF-8),
// without the final line end. Texts of propositions use the user's decimal
// separator, as the text forms do; numbers are JSON numbers.
//
// why:    deduced  {"datum","origin":"deduced","level","rule","priority",
//                   "premises":[{"premise","satisfied_by":{...}}]}
//         observed {"datum","origin":"observed","position"}
//         A deduced datum met again in the same tree carries
//         "explained_above":true and no premises.
// whynot: {"datum","established":false,"candidates":[{"rule","priority",
//         "conclusion","status",...}], and with no candidate
//         "in_dictionary" and "observation_data":[{"datum","position"}]}.
//         Per status: "excluded" adds "critical"; "abandoned" adds "level",
//         "premise", "premise_text", "contradicted_by" (a datum with its
//         origin); "fired" adds "level"; "already_known" adds "level" and
//         "known_as" (a datum with its origin); "open" and "stopped" add
//         "unsatisfied":[{"premise","premise_text", then "whynot":{...} or
//         "cut":"depth"|"cycle"}]. A nested explanation that found the
//         datum after all has "established":true and "origin".
#pragma once

#include <string>

#include "inference/explication.h"

namespace veridane {

std::string JsonPourquoi(const TNoeudPourquoi& noeud, char separateur);

std::string JsonPourquoiPas(const TPourquoiPas& explication, double valeurCritique, char separateur);

}  // namespace veridane
