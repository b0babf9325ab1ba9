// Builds an ordered dictionary from many additions at once. Adding entries
// one by one with FaitPresent costs a vector insertion each, which turns a
// large rules file into quadratic work; this builder gives exactly the same
// dictionary (same entries, same order, same "already there" answers) with a
// hash of the entries held and a single stable sort at the end.
#pragma once

#include <cstddef>
#include <functional>
#include <unordered_set>
#include <vector>

#include "knowledge_base.h"

namespace veridane {

class TConstructeurDico {
public:
    // Starts from an existing dictionary (already ordered by attribute).
    explicit TConstructeurDico(std::vector<TProposition> depart = {});

    TConstructeurDico(const TConstructeurDico&) = delete;
    TConstructeurDico& operator=(const TConstructeurDico&) = delete;

    // Adds a copy of p as a dictionary entry (degree codes 0, not validated)
    // unless an equivalent entry is held; true when it was added.
    bool Ajoute(const TProposition& p);

    // Number of entries held.
    std::size_t Nombre() const { return Entrees.size(); }

    // The dictionary: attributes in ascending byte order, entries of one
    // attribute in the order they were added. Leaves the builder empty.
    std::vector<TProposition> Termine();

private:
    // The index holds positions in Entrees with their hash, kept so that a
    // lookup never hashes the entries again; the position Candidat stands
    // for the proposition being looked up, so a lookup copies nothing.
    static constexpr std::size_t Candidat = static_cast<std::size_t>(-1);
    struct Cle {
        std::size_t Position;
        std::size_t Hache;
    };
    const TProposition& Proposition(std::size_t position) const {
        return position == Candidat ? *Cherche : Entrees[position];
    }
    static std::size_t Hacher(const TProposition& p);
    struct Hachage {
        std::size_t operator()(const Cle& cle) const { return cle.Hache; }
    };
    struct Egalite {
        const TConstructeurDico* Constructeur;
        bool operator()(const Cle& a, const Cle& b) const;
    };

    std::vector<TProposition> Entrees;  // in order of addition
    const TProposition* Cherche = nullptr;
    std::unordered_set<Cle, Hachage, Egalite> Index;
};

}  // namespace veridane
