// Slots of the open-addressing tables that find an entry by its position in
// a list and its hash (the dictionary builder's index, the engine's known
// data). A table's size is a power of two; position 0 marks an empty slot,
// so a slot holds the position plus one. The hash is kept, so growing never
// hashes the entries again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace veridane {

struct TCaseHachee {
    std::size_t Hache = 0;
    std::uint32_t Position = 0;
};

// Puts every occupied slot of `anciennes` back into `cases`, empty and of a
// power-of-two size, each at the first free slot from its hash.
inline void Reinsere(std::vector<TCaseHachee>& cases, const std::vector<TCaseHachee>& anciennes) {
    const std::size_t masque = cases.size() - 1;
    for (const TCaseHachee& e : anciennes) {
        if (e.Position == 0) continue;
        std::size_t c = e.Hache & masque;
        while (cases[c].Position != 0) c = (c + 1) & masque;
        cases[c] = e;
    }
}

}  // namespace veridane
