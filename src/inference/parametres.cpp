#include "parametres.h"

#include "core/proposition.h"

namespace veridane {

std::optional<double> LitDegre(const std::string& texte) {
    auto valeur = LitNombre(texte);
    if (!valeur || *valeur < 0.0 || *valeur > 1.0) return std::nullopt;
    return valeur;
}

}  // namespace veridane
