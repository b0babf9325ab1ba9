// Static checks of a knowledge base: faults that no run shows, such as a rule
// that can never fire, two rules that contradict each other, a rule made
// useless by another, a cycle, or a priority that cuts a rule off. Premises
// are judged by the matching table and the value sets of domaines.h.
//
// The work is grouped by attribute so that a base of a million rules is
// checked in seconds: rules are compared in pairs only within the rules that
// conclude the same attribute, and there only when their premises on the
// most tested attribute can meet (intervals sorted and swept, words
// bucketed).
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "constats.h"
#include "core/knowledge_base.h"

namespace veridane {

struct TBaseFaits;
struct TEtatVeridane;

// What the base's rules cannot tell about its attributes.
struct TSourcesAttributs {
    // Attributes named by an entry that the dictionary file holds (not the
    // entries compiled in from the rules). The attributes of dictionary
    // entries that no rule uses count as declared too.
    std::unordered_set<std::string> Declares;
    // Attributes held by some observation of the data base.
    std::unordered_set<std::string> Observes;
};

// Every finding about the base, sorted by rule, then dictionary entry, then
// id; findings about the base as a whole come last. Rule and entry numbers
// are positions in base.Regles and base.Dictionnaire, from 1.
std::vector<TConstat> VerifieBase(const TBaseConnaissances& base, const TSourcesAttributs& sources);

// The attributes named by the entries of a dictionary file (none when it
// cannot be read; a faulty entry ends the reading, as when a project opens).
std::unordered_set<std::string> AttributsDuDico(const std::string& chemin);

// The attributes held by the observations.
std::unordered_set<std::string> AttributsObserves(const TBaseFaits& faits);

// The sources of an open project: its dictionary file as saved and its
// observations.
TSourcesAttributs SourcesDuProjet(const TEtatVeridane& etat);

}  // namespace veridane
