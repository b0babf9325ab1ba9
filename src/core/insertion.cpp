// The one-at-a-time insertions that keep the rules base and the dictionary
// ordered; the editors use them, and the readers give the same result.
#include "dictionnaire.h"
#include "fichier_regles.h"
#include "proposition.h"

namespace veridane {

int TrouveRegle(const TBaseConnaissances& base, double priorite) {
    if (!base.BaseReglesOuverte) return -1;
    int index = 0;
    const int nombre = static_cast<int>(base.Regles.size());
    while (index < nombre && priorite <= base.Regles[static_cast<std::size_t>(index)].Priorite) ++index;
    return index;
}

bool AjouteAuDico(TBaseConnaissances& base, const TProposition& p) {
    TRecherche recherche = FaitPresent(base.Dictionnaire, p);
    if (recherche.Trouve) return false;
    TProposition entree = p;
    entree.Certitude = DegreNul;
    entree.Precision = DegreNul;
    entree.Validee = false;
    if (entree.TypeValeur != TypeEnsemble) entree.Liste.clear();
    base.Dictionnaire.insert(base.Dictionnaire.begin() + static_cast<std::ptrdiff_t>(recherche.Index), std::move(entree));
    base.NbFaitsDico = static_cast<int>(base.Dictionnaire.size());
    base.DicoCree = true;
    return true;
}

}  // namespace veridane
