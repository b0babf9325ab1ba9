#include "que_si.h"

#include <algorithm>

namespace veridane {

void PoseFait(std::vector<TProposition>& observation, const TProposition& fait) {
    auto meme = std::find_if(observation.begin(), observation.end(),
                             [&](const TProposition& f) { return f.Attribut == fait.Attribut; });
    if (meme == observation.end())
        observation.push_back(fait);
    else
        *meme = fait;
}

int RetireAttribut(std::vector<TProposition>& observation, const std::string& attribut) {
    return static_cast<int>(
        std::erase_if(observation, [&](const TProposition& f) { return f.Attribut == attribut; }));
}

TQueSi CompareQueSi(std::vector<TRegle>& regles, const std::vector<TProposition>& original,
                    const std::vector<TProposition>& modifiee, double critique) {
    const auto avant = FaitsDeduitsPour(regles, original, critique);
    const auto apres = FaitsDeduitsPour(regles, modifiee, critique);
    return {static_cast<int>(avant.size()), static_cast<int>(apres.size()), DifferenceFaits(avant, apres)};
}

}  // namespace veridane
