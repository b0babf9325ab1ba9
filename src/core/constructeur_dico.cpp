#include "constructeur_dico.h"

#include <algorithm>
#include <string_view>

#include "proposition.h"

namespace veridane {

namespace {

void Melange(std::size_t& graine, std::size_t valeur) {
    graine ^= valeur + 0x9e3779b97f4a7c15ULL + (graine << 6) + (graine >> 2);
}

}  // namespace

std::size_t TConstructeurDico::Hacher(const TProposition& p) {
    std::size_t graine = std::hash<std::string_view>{}(p.Attribut);
    Melange(graine, p.Operateur);
    Melange(graine, p.TypeValeur);
    switch (p.TypeValeur) {
        case TypeNumerique:
            // 0 and -0 are equal for Equivalence, so they must hash alike.
            Melange(graine, std::hash<double>{}(p.Reel == 0 ? 0.0 : p.Reel));
            break;
        case TypeSymbolique: Melange(graine, std::hash<std::string_view>{}(p.Modalite)); break;
        default:
            for (const TModalite& mot : p.Liste) Melange(graine, std::hash<std::string_view>{}(mot.Nom));
            break;
    }
    return graine;
}

bool TConstructeurDico::Egalite::operator()(const Cle& a, const Cle& b) const {
    return a.Hache == b.Hache &&
           Equivalence(Constructeur->Proposition(a.Position), Constructeur->Proposition(b.Position));
}

TConstructeurDico::TConstructeurDico(std::vector<TProposition> depart)
    : Entrees(std::move(depart)), Index(0, Hachage{}, Egalite{this}) {
    Index.reserve(Entrees.size());
    for (std::size_t i = 0; i < Entrees.size(); ++i) Index.insert({i, Hacher(Entrees[i])});
}

bool TConstructeurDico::Ajoute(const TProposition& p) {
    const std::size_t hache = Hacher(p);
    Cherche = &p;
    const bool present = Index.find({Candidat, hache}) != Index.end();
    Cherche = nullptr;
    if (present) return false;
    TProposition& entree = Entrees.emplace_back(p);
    entree.Certitude = DegreNul;
    entree.Precision = DegreNul;
    entree.Validee = false;
    if (entree.TypeValeur != TypeEnsemble) entree.Liste.clear();
    Index.insert({Entrees.size() - 1, hache});
    return true;
}

std::vector<TProposition> TConstructeurDico::Termine() {
    Index.clear();
    // A stable sort keeps the order of addition among entries of one
    // attribute, which is where FaitPresent would have put each of them.
    std::stable_sort(Entrees.begin(), Entrees.end(),
                     [](const TProposition& a, const TProposition& b) { return a.Attribut < b.Attribut; });
    // The dictionary lives as long as the project: no spare room.
    Entrees.shrink_to_fit();
    return std::move(Entrees);
}

}  // namespace veridane
