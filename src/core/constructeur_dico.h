// Builds an ordered dictionary from many additions at once. Adding entries
// one by one with FaitPresent costs a vector insertion each, which turns a
// large rules file into quadratic work; this builder gives exactly the same
// dictionary (same entries, same order, same "already there" answers) with a
// hash of the entries held and a single stable sort at the end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cases_hachees.h"
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
    // The same, given the hash of p.Attribut (std::hash<std::string_view>).
    bool Ajoute(const TProposition& p, std::size_t hacheAttribut);

    // Adds the propositions in order, as Ajoute one by one would (the
    // hashes of their attributes given), Lot at a time: the memory each of
    // a batch will read is fetched before any is added, so the waits overlap.
    static constexpr std::size_t Lot = 64;
    void AjouteLot(const TProposition* const* propositions, const std::size_t* hachesAttributs, std::size_t nombre);

    // Room for n entries in all, so that adding them moves none.
    void Reserve(std::size_t n) { Entrees.reserve(n); }

    // Number of entries held.
    std::size_t Nombre() const { return Entrees.size(); }

    // The dictionary: attributes in ascending byte order, entries of one
    // attribute in the order they were added. Leaves the builder empty.
    std::vector<TProposition> Termine();

private:
    // The index: open addressing over slots that hold an entry's hash and
    // its position in Entrees plus one, at most half full. An entry is
    // compared only with the entries of the same hash.
    using TCase = TCaseHachee;
    // The slot holding an entry equivalent to p (of hash `hache`), or the
    // empty slot where p would go.
    std::size_t Case(const TProposition& p, std::size_t hache) const;
    bool AjouteHache(const TProposition& p, std::size_t hache);
    void Agrandit();

    std::vector<TProposition> Entrees;  // in order of addition
    std::vector<TCase> Cases;
};

}  // namespace veridane
