// Writes large, valid rules files (and their dictionaries) for benchmarks:
// 2 to 4 premises per rule over a few thousand attributes, numbers, words
// and sets, priorities in random order. The same parameters always give the
// same files.
#pragma once

#include <cstdint>
#include <string>

namespace veridane {

struct TParametresGeneration {
    int NbRegles = 100000;
    int NbAttributs = 3000;
    int ValeursParAttribut = 6;  // distinct facts per attribute
    std::uint32_t Graine = 1;
    bool AvecDico = true;  // also write the dictionary file (half the facts) beside the rules
};

struct TFichiersGeneres {
    std::string Regles;
    std::string Dico;  // empty when none was written
    std::size_t NbFaitsDico = 0;  // entries written to the dictionary file
};

// Writes `chemin` (a ".rul" path) and, when asked, the ".dic" beside it.
// Throws std::runtime_error when a file cannot be written.
TFichiersGeneres EcritFichierRegles(const std::string& chemin, const TParametresGeneration& parametres);

}  // namespace veridane
