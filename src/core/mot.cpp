#include "mot.h"

namespace veridane {

void TMot::Copie(std::string_view texte) {
    if (texte.size() <= EnPlace) {
        Vide();
        std::memcpy(Octets_, texte.data(), texte.size());
        Octets_[EnPlace] = static_cast<char>(EnPlace - texte.size());
        return;
    }
    char* bloc = new char[texte.size() + 1];
    std::memcpy(bloc, texte.data(), texte.size());
    bloc[texte.size()] = '\0';
    const std::uint64_t longueur = texte.size() | (std::uint64_t{Marque} << 56);
    std::memcpy(Octets_, &bloc, sizeof bloc);
    std::memcpy(Octets_ + 8, &longueur, sizeof longueur);
}

std::string TMot::Joint(std::string_view a, std::string_view b) {
    std::string texte;
    texte.reserve(a.size() + b.size());
    texte.append(a).append(b);
    return texte;
}

}  // namespace veridane
