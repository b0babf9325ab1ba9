// Runs veridane-cli in the test's process and keeps what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/commandes.h"

namespace veridane {

struct TResultat {
    int Statut;
    std::string Sortie;
    std::string Erreurs;
};

inline TResultat Lance(const std::vector<std::string>& arguments, char separateur = '.') {
    std::ostringstream sortie, erreurs;
    int statut = ExecuteCli(arguments, sortie, erreurs, separateur);
    return {statut, sortie.str(), erreurs.str()};
}

}  // namespace veridane
