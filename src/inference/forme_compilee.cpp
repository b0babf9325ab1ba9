#include "forme_compilee.h"

#include <algorithm>
#include <stdexcept>

namespace veridane {
namespace {

std::size_t Hache(std::string_view nom) { return std::hash<std::string_view>{}(nom); }


}  // namespace

TFormeCompilee::TFormeCompilee(const std::vector<TRegle>& regles) {
    // Ids are 32-bit: a base beyond that is refused rather than mixed up.
    std::size_t nbPremisses = 0;
    for (const auto& regle : regles) nbPremisses += regle.Premisses.size();
    if (regles.size() >= Aucun || nbPremisses >= Aucun) throw std::length_error("rules base too large to compile");

    DebutNoms_.push_back(0);
    Cases_.assign(1024, 0);
    BitsId_ = 10;
    DebutPremisses_.reserve(regles.size() + 1);
    AttributPremisse_.reserve(nbPremisses);
    // The names go to Interne in batches, in order, each batch's memory
    // fetched first.
    std::string_view noms[Lot];
    std::size_t haches[Lot];
    std::size_t nombre = 0;
    auto interneLot = [&] {
        Anticipe(haches, nombre);
        for (std::size_t k = 0; k < nombre; ++k) AttributPremisse_.push_back(Interne(noms[k], haches[k]));
        nombre = 0;
    };
    for (const auto& regle : regles) {
        DebutPremisses_.push_back(static_cast<std::uint32_t>(AttributPremisse_.size() + nombre));
        for (const auto& premisse : regle.Premisses) {
            noms[nombre] = premisse.Attribut;
            haches[nombre] = Hache(premisse.Attribut);
            if (++nombre == Lot) interneLot();
        }
    }
    interneLot();
    DebutPremisses_.push_back(static_cast<std::uint32_t>(AttributPremisse_.size()));

    // The index, by counting: first how many rules each attribute has (a
    // rule testing one attribute twice counts once), then the rules in
    // ascending order into their places.
    const std::size_t nbAttributs = NbAttributs();
    std::vector<std::uint32_t> derniere(nbAttributs, Aucun);
    DebutRegles_.assign(nbAttributs + 1, 0);
    for (std::size_t i = 0; i < regles.size(); ++i)
        for (auto id : AttributsPremisses(i))
            if (derniere[id] != i) {
                derniere[id] = static_cast<std::uint32_t>(i);
                ++DebutRegles_[id + 1];
            }
    for (std::size_t a = 0; a < nbAttributs; ++a) DebutRegles_[a + 1] += DebutRegles_[a];
    ReglesParAttribut_.resize(DebutRegles_.back());
    std::vector<std::uint32_t> suivante(DebutRegles_.begin(), DebutRegles_.end() - 1);
    derniere.assign(nbAttributs, Aucun);
    for (std::size_t i = 0; i < regles.size(); ++i)
        for (auto id : AttributsPremisses(i))
            if (derniere[id] != i) {
                derniere[id] = static_cast<std::uint32_t>(i);
                ReglesParAttribut_[suivante[id]++] = static_cast<std::uint32_t>(i);
            }
    Noms_.shrink_to_fit();
    DebutNoms_.shrink_to_fit();
}

bool TFormeCompilee::Decrit(const std::vector<TRegle>& regles) const {
    if (regles.size() != NbRegles()) return false;
    for (std::size_t i = 0; i < regles.size(); ++i) {
        const auto ids = AttributsPremisses(i);
        const auto& premisses = regles[i].Premisses;
        if (premisses.size() != ids.size()) return false;
        for (std::size_t j = 0; j < ids.size(); ++j)
            if (NomAttribut(ids[j]) != premisses[j].Attribut) return false;
    }
    return true;
}

std::string_view TFormeCompilee::NomAttribut(std::uint32_t id) const {
    return std::string_view(Noms_).substr(DebutNoms_[id], DebutNoms_[id + 1] - DebutNoms_[id]);
}

std::uint32_t TFormeCompilee::Marque(std::size_t hache) const {
    return BitsId_ >= 32 ? 0 : static_cast<std::uint32_t>(static_cast<std::uint64_t>(hache) >> 32) << BitsId_;
}

std::uint32_t TFormeCompilee::Contenu(std::uint32_t c) const {
    return BitsId_ >= 32 ? c : c & ((std::uint32_t{1} << BitsId_) - 1);
}

// The slot holding `nom` (of hash `hache`), or the empty slot where it would go.
std::size_t TFormeCompilee::Case(std::string_view nom, std::size_t hache) const {
    const std::size_t masque = Cases_.size() - 1;
    const std::uint32_t marque = Marque(hache);
    for (std::size_t c = hache & masque;; c = (c + 1) & masque) {
        const std::uint32_t e = Cases_[c];
        if (e == 0 || (e - Contenu(e) == marque && NomAttribut(Contenu(e) - 1) == nom)) return c;
    }
}

// Fetches the slots of a batch of names, then the bounds and the texts of
// the names in them, so that the lookups that follow find them at hand: the
// waits of the whole batch overlap instead of following one another.
void TFormeCompilee::Anticipe(const std::size_t* haches, std::size_t nombre) const {
    const std::size_t masque = Cases_.size() - 1;
    for (std::size_t k = 0; k < nombre; ++k) __builtin_prefetch(&Cases_[haches[k] & masque]);
    for (std::size_t k = 0; k < nombre; ++k)
        if (const std::uint32_t e = Cases_[haches[k] & masque]; e != 0) __builtin_prefetch(&DebutNoms_[Contenu(e) - 1]);
    for (std::size_t k = 0; k < nombre; ++k)
        if (const std::uint32_t e = Cases_[haches[k] & masque]; e != 0)
            __builtin_prefetch(Noms_.data() + DebutNoms_[Contenu(e) - 1]);
}

void TFormeCompilee::Attributs(const std::vector<TProposition>& faits, std::vector<std::uint32_t>& ids) const {
    ids.assign(faits.size(), Aucun);
    if (Cases_.empty()) return;
    std::size_t haches[Lot];
    for (std::size_t debut = 0; debut < faits.size(); debut += Lot) {
        const std::size_t nombre = std::min(Lot, faits.size() - debut);
        for (std::size_t k = 0; k < nombre; ++k) haches[k] = Hache(faits[debut + k].Attribut);
        Anticipe(haches, nombre);
        for (std::size_t k = 0; k < nombre; ++k) {
            const std::uint32_t contenu = Contenu(Cases_[Case(faits[debut + k].Attribut, haches[k])]);
            if (contenu != 0) ids[debut + k] = contenu - 1;
        }
    }
}

std::uint32_t TFormeCompilee::Attribut(std::string_view nom) const {
    if (Cases_.empty()) return Aucun;
    const std::uint32_t contenu = Contenu(Cases_[Case(nom, Hache(nom))]);
    return contenu == 0 ? Aucun : contenu - 1;
}

void TFormeCompilee::Agrandit() {
    std::vector<std::uint32_t> anciennes(Cases_.size() * 2, 0);
    anciennes.swap(Cases_);
    ++BitsId_;
    const std::size_t masque = Cases_.size() - 1;
    for (std::uint32_t id = 0; id < NbAttributs(); ++id) {
        const std::size_t hache = Hache(NomAttribut(id));
        std::size_t c = hache & masque;
        while (Cases_[c] != 0) c = (c + 1) & masque;
        Cases_[c] = Marque(hache) | (id + 1);
    }
}

std::uint32_t TFormeCompilee::Interne(std::string_view nom, std::size_t hache) {
    std::size_t c = Case(nom, hache);
    if (Cases_[c] != 0) return Contenu(Cases_[c]) - 1;
    const auto id = static_cast<std::uint32_t>(NbAttributs());
    Noms_.append(nom);
    DebutNoms_.push_back(static_cast<std::uint32_t>(Noms_.size()));
    // At most half full, so that probes stay short.
    if (2 * (static_cast<std::size_t>(id) + 1) > Cases_.size()) {
        Agrandit();
        c = Case(nom, hache);
    }
    Cases_[c] = Marque(hache) | (id + 1);
    return id;
}

std::size_t TFormeCompilee::Octets() const {
    return Noms_.capacity() + sizeof(std::uint32_t) * (DebutNoms_.capacity() + Cases_.capacity() +
                                                       DebutPremisses_.capacity() + AttributPremisse_.capacity() +
                                                       DebutRegles_.capacity() + ReglesParAttribut_.capacity());
}

}  // namespace veridane
