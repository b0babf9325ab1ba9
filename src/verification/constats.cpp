#include "constats.h"

namespace veridane {

const std::vector<TGenreConstat>& GenresConstats() {
    using N = TNiveauConstat;
    static const std::vector<TGenreConstat> genres = {
        {"contradictory-premises", N::Erreur, "Premises of one rule that no single value satisfies together"},
        {"duplicate-rule", N::Avertissement, "A rule with the same premises and conclusion as an earlier rule"},
        {"subsumed-rule", N::Avertissement,
         "A rule that concludes the same as another rule from more or stronger premises"},
        {"conflict", N::Avertissement,
         "Two rules that can fire on the same data and conclude incompatible values"},
        {"cycle", N::Avertissement, "Rules whose conclusions feed each other's premises"},
        {"unreachable-premise", N::Avertissement,
         "A premise on an attribute that no rule concludes, no observation holds and the dictionary does not declare"},
        {"unsatisfiable-premise", N::Avertissement,
         "A premise on a deduced attribute that no rule concludes a satisfying value for"},
        {"priority-inversion", N::Avertissement,
         "A premise satisfied only by rules of lower priority than its own rule"},
        {"unused-entry", N::Note, "A dictionary entry that no rule uses"},
        {"goals", N::Note, "The attributes that rules conclude and no premise tests"},
    };
    return genres;
}

const char* NomNiveau(TNiveauConstat niveau) {
    switch (niveau) {
        case TNiveauConstat::Erreur: return "error";
        case TNiveauConstat::Avertissement: return "warning";
        default: return "note";
    }
}

TBilanConstats Bilan(const std::vector<TConstat>& constats) {
    TBilanConstats bilan;
    for (const TConstat& c : constats) {
        if (c.Niveau == TNiveauConstat::Erreur) ++bilan.Erreurs;
        else if (c.Niveau == TNiveauConstat::Avertissement) ++bilan.Avertissements;
        else ++bilan.Notes;
    }
    return bilan;
}

}  // namespace veridane
