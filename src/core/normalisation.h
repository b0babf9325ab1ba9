// Normalisation of the names a person types (attributes, symbolic values,
// set values): upper case, accented letters folded, blanks and "_" to one
// "_", everything else dropped. Text is Windows-1252.
#pragma once

#include <string>

namespace veridane {

std::string FaitChaine(const std::string& texte);

}  // namespace veridane
