#include "cas_aleatoires.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "core/proposition.h"

namespace veridane::test {

TCas GenereCas(std::uint32_t numero) {
    TGenerateur g(numero * 2654435761u + 17u);
    TCas cas;
    const bool grand = g.Chance(3);
    const int nbAttributs = grand ? g.Entier(20, 80) : g.Entier(1, 6);
    const int nbRegles = grand ? g.Entier(257, 900) : g.Entier(0, 30);
    for (int i = 0; i < nbRegles; ++i) cas.Regles.push_back(g.Regle(nbAttributs));
    cas.Observation = g.Observation(nbAttributs, grand ? 20 : 6);
    cas.Observation2 = g.Observation(nbAttributs, grand ? 20 : 6);
    static const std::vector<double> critiques{0.0, 0.0, 0.0, 0.5, 0.8};
    cas.ValeurCritique = g.Parmi(critiques);
    if (g.Chance(50)) {
        cas.Arret.Genre = static_cast<TArret>(g.Entier(1, 5));
        cas.Arret.Niveau = g.Entier(1, 3);
        cas.Arret.Valeur = cas.Arret.Genre == TArret::Progression ? g.Entier(0, std::max(0, nbRegles - 1))
                                                                   : g.Entier(1, 5);
    }
    return cas;
}

std::uint32_t NombreDeCas() {
    if (const char* texte = std::getenv("VERIDANE_DIFF_CASES")) {
        const long n = std::strtol(texte, nullptr, 10);
        if (n > 0) return static_cast<std::uint32_t>(n);
    }
    return 5000;
}

}  // namespace veridane::test
