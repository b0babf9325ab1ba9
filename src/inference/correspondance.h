// What one datum says about one premise of a rule: a fixed decision table
// over the operators and value kinds of both.
#pragma once

#include "core/knowledge_base.h"

namespace veridane {

// Results of Correspondance.
inline constexpr int Contredite = 0;   // the datum rules the premise out
inline constexpr int SansRapport = 1;  // the datum decides nothing
inline constexpr int Satisfaite = 2;   // the datum establishes the premise

// Compares a datum with a premise. Different attribute names, and every
// combination the table does not cover, give SansRapport. No side effect.
int Correspondance(const TProposition& fait, const TProposition& premisse);

// The same for a datum and a premise known to have the same attribute (the
// engine finds them through the attribute's id): the names are not compared.
int CorrespondanceMemeAttribut(const TProposition& fait, const TProposition& premisse);

}  // namespace veridane
