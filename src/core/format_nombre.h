// The general number format of every file and display: the shortest of fixed
// and scientific notation for a value rounded to a count of significant digits.
#pragma once

#include <string>

namespace veridane {

// Significant digits of displays, conclusions, dictionary and data base files.
inline constexpr int ChiffresAffichage = 7;

// Fixed notation when the rounded value has no more digits before the point
// than `chiffres` and a magnitude of at least 0.0001; otherwise d.dddE[-]x.
// No trailing zeros; `separateur` is the decimal separator.
std::string FormatGeneral(double valeur, int chiffres, char separateur = '.');

}  // namespace veridane
