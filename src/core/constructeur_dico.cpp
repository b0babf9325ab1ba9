#include "constructeur_dico.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "proposition.h"

namespace veridane {

TConstructeurDico::TConstructeurDico(std::vector<TProposition> depart) : Entrees(std::move(depart)) {
    if (Entrees.size() >= UINT32_MAX) throw std::length_error("dictionary too large");
    std::size_t taille = 1024;
    while (taille < 2 * Entrees.size()) taille *= 2;
    Cases.assign(taille, TCase{});
    for (std::size_t i = 0; i < Entrees.size(); ++i) {
        const std::size_t hache = HacheEquivalence(Entrees[i]);
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
    Reinsere(Cases, anciennes);
}

bool TConstructeurDico::Ajoute(const TProposition& p) {
    return Ajoute(p, std::hash<std::string_view>{}(p.Attribut));
}

bool TConstructeurDico::Ajoute(const TProposition& p, std::size_t hacheAttribut) {
    return AjouteHache(p, HacheEquivalence(p, hacheAttribut));
}

void TConstructeurDico::AjouteLot(const TProposition* const* propositions, const std::size_t* hachesAttributs,
                                  std::size_t nombre) {
    for (std::size_t debut = 0; debut < nombre; debut += Lot) {
        const std::size_t taille = std::min(Lot, nombre - debut);
        std::size_t haches[Lot];
        const std::size_t masque = Cases.size() - 1;
        for (std::size_t k = 0; k < taille; ++k) {
            haches[k] = HacheEquivalence(*propositions[debut + k], hachesAttributs[debut + k]);
            __builtin_prefetch(&Cases[haches[k] & masque]);
        }
        // The entry an added proposition is most likely equal to: the one
        // of its first slot, when the hashes agree.
        for (std::size_t k = 0; k < taille; ++k) {
            const TCase& e = Cases[haches[k] & masque];
            if (e.Position != 0 && e.Hache == haches[k]) __builtin_prefetch(&Entrees[e.Position - 1]);
        }
        for (std::size_t k = 0; k < taille; ++k) AjouteHache(*propositions[debut + k], haches[k]);
    }
}

bool TConstructeurDico::AjouteHache(const TProposition& p, std::size_t hache) {
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

namespace {

// The first eight bytes of a text as a number that orders as the texts do
// (bytes unsigned, a shorter text padded with zeros): texts of different
// numbers need no other comparison.
std::uint64_t Debut(std::string_view texte) {
    std::uint64_t debut = 0;
    for (std::size_t k = 0; k < 8; ++k)
        debut = debut << 8 | (k < texte.size() ? static_cast<unsigned char>(texte[k]) : 0u);
    return debut;
}

}  // namespace

std::vector<TProposition> TConstructeurDico::Termine() {
    Cases = {};
    // The positions are sorted, not the entries, so that each entry moves
    // once, into a list of its exact size (the dictionary lives as long as
    // the project). Ties keep the order of addition, which is where
    // FaitPresent would have put each entry.
    struct TCle {
        std::uint64_t Debut;
        std::uint32_t Position;
    };
    std::vector<TCle> ordre(Entrees.size());
    for (std::size_t i = 0; i < Entrees.size(); ++i) ordre[i] = {Debut(Entrees[i].Attribut), static_cast<std::uint32_t>(i)};
    std::sort(ordre.begin(), ordre.end(), [this](const TCle& a, const TCle& b) {
        if (a.Debut != b.Debut) return a.Debut < b.Debut;
        const int c = Entrees[a.Position].Attribut.compare(Entrees[b.Position].Attribut);
        return c != 0 ? c < 0 : a.Position < b.Position;
    });
    std::vector<TProposition> dictionnaire;
    dictionnaire.reserve(Entrees.size());
    for (const TCle& cle : ordre) dictionnaire.push_back(std::move(Entrees[cle.Position]));
    Entrees = {};
    return dictionnaire;
}

}  // namespace veridane
