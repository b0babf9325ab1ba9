// The values of an attribute that satisfy a proposition. A value is what a
// datum "ATTR = value" carries: a number or a word. A premise is satisfied by
// a value when the matching table says the datum "ATTR = value" establishes
// it; the set of those values is the premise's domain. Numbers form an
// interval less a few points ("<>" removes one), words a finite set ("=",
// "in") or every word but a finite set ("not_in"). The checks of a knowledge
// base reason on these sets instead of trying values one by one.
#pragma once

#include <limits>
#include <string_view>
#include <vector>

#include "core/knowledge_base.h"

namespace veridane {

struct TDomaine {
    enum class TGenre : unsigned char { Tout, Nombres, Mots, Vide };
    TGenre Genre = TGenre::Tout;

    // Nombres: the interval from Bas to Haut less the points of Exclus.
    double Bas = -std::numeric_limits<double>::infinity();
    double Haut = std::numeric_limits<double>::infinity();
    bool BasInclus = false;
    bool HautInclus = false;
    std::vector<double> Exclus;  // sorted, no repeats

    // Mots: the words of Mots, or when Cofini every word but those.
    bool Cofini = false;
    std::vector<std::string_view> Mots;  // sorted, no repeats; views into the base

    bool EstVide() const { return Genre == TGenre::Vide; }
};

// The values that satisfy p as a premise, or that p asserts as a conclusion.
// The words are views into p, which must outlive the domain.
TDomaine DomaineDe(const TProposition& p);

// The values in both.
TDomaine Intersection(const TDomaine& a, const TDomaine& b);

// Every value of a is a value of b.
bool Inclus(const TDomaine& a, const TDomaine& b);

// Some value is in both.
inline bool SeCroisent(const TDomaine& a, const TDomaine& b) { return !Intersection(a, b).EstVide(); }

}  // namespace veridane
