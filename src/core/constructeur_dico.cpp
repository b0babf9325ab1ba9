#include "constructeur_dico.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "proposition.h"

namespace veridane {

std::size_t TConstructeurDico::Hacher(const TProposition& p) { return HacheEquivalence(p); }

TConstructeurDico::TConstructeurDico(std::vector<TProposition> depart) : Entrees(std::move(depart)) {
    if (Entrees.size() >= UINT32_MAX) throw std::length_error("dictionary too large");
    std::size_t taille = 1024;
    while (taille < 2 * Entrees.size()) taille *= 2;
    Cases.assign(taille, TCase{});
    for (std::size_t i = 0; i < Entrees.size(); ++i) {
        const std::size_t hache = Hacher(Entrees[i]);
        // An equivalent entry already held stays the only one indexed, as
        // a lookup would find it first.
        const std::size_t c = Case(Entrees[i], hache);
        if (Cases[c].Position == 0) Cases[c] = {hache, static_cast<std::uint32_t>(i + 1)};
    }
}

std::size_t TConstructeurDico::Case(const TProposition& p, std::size_t hache) const {
    const std::size_t masque = Cases.size() - 1;
    for (std::size_t c = hache & masque;; c = (c + 1) & masque) {
        const TCase& e = Cases[c];
        if (e.Position == 0 || (e.Hache == hache && Equivalence(Entrees[e.Position - 1], p))) return c;
    }
}

void TConstructeurDico::Agrandit() {
    std::vector<TCase> anciennes(Cases.size() * 2, TCase{});
    anciennes.swap(Cases);
    const std::size_t masque = Cases.size() - 1;
    for (const TCase& e : anciennes) {
        if (e.Position == 0) continue;
        std::size_t c = e.Hache & masque;
        while (Cases[c].Position != 0) c = (c + 1) & masque;
        Cases[c] = e;
    }
}

bool TConstructeurDico::Ajoute(const TProposition& p) {
    const std::size_t hache = Hacher(p);
    std::size_t c = Case(p, hache);
    if (Cases[c].Position != 0) return false;
    if (Entrees.size() + 1 >= UINT32_MAX) throw std::length_error("dictionary too large");
    TProposition& entree = Entrees.emplace_back(p);
    entree.Certitude = DegreNul;
    entree.Precision = DegreNul;
    entree.Validee = false;
    if (entree.TypeValeur != TypeEnsemble) entree.Liste.clear();
    if (2 * Entrees.size() > Cases.size()) {
        Agrandit();
        c = Case(entree, hache);
    }
    Cases[c] = {hache, static_cast<std::uint32_t>(Entrees.size())};
    return true;
}

std::vector<TProposition> TConstructeurDico::Termine() {
    Cases = {};
    // A stable sort keeps the order of addition among entries of one
    // attribute, which is where FaitPresent would have put each of them.
    std::stable_sort(Entrees.begin(), Entrees.end(),
                     [](const TProposition& a, const TProposition& b) { return a.Attribut < b.Attribut; });
    // The dictionary lives as long as the project: no spare room.
    Entrees.shrink_to_fit();
    return std::move(Entrees);
}

}  // namespace veridane
