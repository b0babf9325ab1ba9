// What if the data of an observation were different? The changes are made
// on a copy of the observation, and the runs on the copy and on the
// original are compared: the data base itself is never touched.
#pragma once

#include <string>
#include <vector>

#include "balayage.h"
#include "core/knowledge_base.h"

namespace veridane {

// Replaces the first datum on the attribute of `fait`, keeping its place,
// or appends `fait` when the observation holds none.
void PoseFait(std::vector<TProposition>& observation, const TProposition& fait);

// Removes every datum on the attribute; the number removed.
int RetireAttribut(std::vector<TProposition>& observation, const std::string& attribut);

// The runs on the original and on the changed data at one critical value.
struct TQueSi {
    int NbDeduitsAvant = 0;
    int NbDeduitsApres = 0;
    TDifferenceFaits Difference;  // what the change gained and lost
};
TQueSi CompareQueSi(std::vector<TRegle>& regles, const std::vector<TProposition>& original,
                    const std::vector<TProposition>& modifiee, double critique);

}  // namespace veridane
