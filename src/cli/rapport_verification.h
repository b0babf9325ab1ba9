// The findings of the checks of a knowledge base as the command-line program
// prints them: text lines, a JSON array, or a SARIF 2.1.0 log.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "verification/constats.h"

namespace veridane {

// The files the findings point into.
struct TFichiersVerifies {
    std::string NomRegles;          // as the project names it ("CAR.RUL")
    std::string NomDico;            // "CAR.dic"
    std::string CheminRegles;       // the file as found on disk
    std::string CheminDico;
    std::vector<int> LignesRegles;  // first line of each rule, in base order
};

// Each writer puts the findings on `sortie` as it goes: a large base has
// hundreds of megabytes of them.

// One line per finding ("FILE: rule N: LEVEL [ID] MESSAGE"), then the
// summary line; UTF-8.
void EcritTexteConstats(std::ostream& sortie, const std::vector<TConstat>& constats,
                        const TFichiersVerifies& fichiers);

// An array of objects with id, level, rule, entry, related_rules, attributes
// and message, in the same order.
void EcritJsonConstats(std::ostream& sortie, const std::vector<TConstat>& constats);

// A SARIF 2.1.0 log of one run.
void EcritSarifConstats(std::ostream& sortie, const std::vector<TConstat>& constats,
                        const TFichiersVerifies& fichiers);

// A file path as a URI reference: absolute paths as file: URIs, relative
// ones kept relative; bytes outside the unreserved set percent-encoded.
std::string UriDeChemin(const std::string& chemin);

}  // namespace veridane
