#include "domaines.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace veridane {
namespace {

using TGenre = TDomaine::TGenre;

TDomaine Vide() {
    TDomaine d;
    d.Genre = TGenre::Vide;
    return d;
}

TDomaine Intervalle(double bas, bool basInclus, double haut, bool hautInclus) {
    TDomaine d;
    d.Genre = TGenre::Nombres;
    d.Bas = bas;
    d.BasInclus = basInclus;
    d.Haut = haut;
    d.HautInclus = hautInclus;
    return d;
}

// An interval holds no number when its bounds cross, or meet without both
// being included; a single point may also have been taken out.
bool IntervalleVide(const TDomaine& d) {
    if (d.Bas > d.Haut) return true;
    if (d.Bas < d.Haut) return false;
    if (!d.BasInclus || !d.HautInclus) return true;
    return std::binary_search(d.Exclus.begin(), d.Exclus.end(), d.Bas);
}

TDomaine Normalise(TDomaine d) {
    if (d.Genre == TGenre::Nombres && IntervalleVide(d)) return Vide();
    if (d.Genre == TGenre::Mots && !d.Cofini && d.Mots.empty()) return Vide();
    return d;
}

bool DansIntervalle(const TDomaine& d, double x) {
    const bool auDessus = x > d.Bas || (x == d.Bas && d.BasInclus);
    const bool auDessous = x < d.Haut || (x == d.Haut && d.HautInclus);
    return auDessus && auDessous;
}

bool DansNombres(const TDomaine& d, double x) {
    return DansIntervalle(d, x) && !std::binary_search(d.Exclus.begin(), d.Exclus.end(), x);
}

std::vector<std::string_view> MotsTries(const std::vector<TModalite>& liste) {
    std::vector<std::string_view> mots;
    mots.reserve(liste.size());
    for (const TModalite& m : liste) mots.push_back(m.Nom);
    std::sort(mots.begin(), mots.end());
    mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
    return mots;
}

template <typename T>
std::vector<T> Union(const std::vector<T>& a, const std::vector<T>& b) {
    std::vector<T> u;
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(u));
    return u;
}

TDomaine IntersectionNombres(const TDomaine& a, const TDomaine& b) {
    TDomaine d = a;
    if (b.Bas > d.Bas || (b.Bas == d.Bas && !b.BasInclus)) {
        d.Bas = b.Bas;
        d.BasInclus = b.BasInclus;
    }
    if (b.Haut < d.Haut || (b.Haut == d.Haut && !b.HautInclus)) {
        d.Haut = b.Haut;
        d.HautInclus = b.HautInclus;
    }
    d.Exclus = Union(a.Exclus, b.Exclus);
    return Normalise(std::move(d));
}

TDomaine IntersectionMots(const TDomaine& a, const TDomaine& b) {
    TDomaine d;
    d.Genre = TGenre::Mots;
    if (a.Cofini && b.Cofini) {
        d.Cofini = true;
        d.Mots = Union(a.Mots, b.Mots);
    } else if (a.Cofini || b.Cofini) {
        const TDomaine& fini = a.Cofini ? b : a;
        const TDomaine& cofini = a.Cofini ? a : b;
        std::set_difference(fini.Mots.begin(), fini.Mots.end(), cofini.Mots.begin(), cofini.Mots.end(),
                            std::back_inserter(d.Mots));
    } else {
        std::set_intersection(a.Mots.begin(), a.Mots.end(), b.Mots.begin(), b.Mots.end(),
                              std::back_inserter(d.Mots));
    }
    return Normalise(std::move(d));
}

// The part of a that lies on one side outside b (below b's lower bound, or
// above its upper bound) holds no number but a's own excluded points.
bool DebordSeulementSurExclus(const TDomaine& a, const TDomaine& cote) {
    TDomaine d = IntersectionNombres(a, cote);
    if (d.EstVide()) return true;
    // A part of positive length holds numbers that no finite list removes.
    return d.Bas == d.Haut && std::binary_search(a.Exclus.begin(), a.Exclus.end(), d.Bas);
}

bool InclusNombres(const TDomaine& a, const TDomaine& b) {
    const double infini = std::numeric_limits<double>::infinity();
    const TDomaine dessous = Intervalle(-infini, false, b.Bas, !b.BasInclus);
    const TDomaine dessus = Intervalle(b.Haut, !b.HautInclus, infini, false);
    if (!DebordSeulementSurExclus(a, dessous) || !DebordSeulementSurExclus(a, dessus)) return false;
    return std::none_of(b.Exclus.begin(), b.Exclus.end(), [&](double x) { return DansNombres(a, x); });
}

bool InclusMots(const TDomaine& a, const TDomaine& b) {
    if (a.Cofini && !b.Cofini) return false;
    if (a.Cofini) return std::includes(a.Mots.begin(), a.Mots.end(), b.Mots.begin(), b.Mots.end());
    if (b.Cofini) {
        std::vector<std::string_view> communs;
        std::set_intersection(a.Mots.begin(), a.Mots.end(), b.Mots.begin(), b.Mots.end(),
                              std::back_inserter(communs));
        return communs.empty();
    }
    return std::includes(b.Mots.begin(), b.Mots.end(), a.Mots.begin(), a.Mots.end());
}

TDomaine DomaineNumerique(const TProposition& p) {
    const double x = p.Reel;
    const double infini = std::numeric_limits<double>::infinity();
    if (std::isnan(x)) {
        // Every comparison with NaN is false, so only "<>" holds for a value.
        if (p.Operateur != OpDifferent) return Vide();
        return Intervalle(-infini, false, infini, false);
    }
    switch (p.Operateur) {
        case OpEgal: return Normalise(Intervalle(x, true, x, true));
        case OpSuperieur: return Normalise(Intervalle(x, false, infini, false));
        case OpInferieur: return Normalise(Intervalle(-infini, false, x, false));
        case OpSuperieurEgal: return Normalise(Intervalle(x, true, infini, false));
        case OpInferieurEgal: return Normalise(Intervalle(-infini, false, x, true));
        default: {
            TDomaine d = Intervalle(-infini, false, infini, false);
            d.Exclus.push_back(x);
            return d;
        }
    }
}

}  // namespace

TDomaine DomaineDe(const TProposition& p) {
    if (p.TypeValeur == TypeNumerique && p.Operateur <= OpDifferent) return DomaineNumerique(p);
    TDomaine d;
    d.Genre = TGenre::Mots;
    if (p.Operateur == OpEgal && p.TypeValeur == TypeSymbolique) {
        d.Mots.push_back(p.Modalite);
        return d;
    }
    if (p.TypeValeur == TypeEnsemble && (p.Operateur == OpDans || p.Operateur == OpHorsDe)) {
        d.Cofini = p.Operateur == OpHorsDe;
        d.Mots = MotsTries(p.Liste);
        return Normalise(std::move(d));
    }
    // A combination the matching table does not cover is satisfied by no datum.
    return Vide();
}

TDomaine Intersection(const TDomaine& a, const TDomaine& b) {
    if (a.Genre == TGenre::Tout) return b;
    if (b.Genre == TGenre::Tout) return a;
    if (a.EstVide() || b.EstVide() || a.Genre != b.Genre) return Vide();
    return a.Genre == TGenre::Nombres ? IntersectionNombres(a, b) : IntersectionMots(a, b);
}

bool Inclus(const TDomaine& a, const TDomaine& b) {
    if (a.EstVide() || b.Genre == TGenre::Tout) return true;
    if (a.Genre == TGenre::Tout || a.Genre != b.Genre) return false;
    return a.Genre == TGenre::Nombres ? InclusNombres(a, b) : InclusMots(a, b);
}

}  // namespace veridane
