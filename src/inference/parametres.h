// Reading of the numbers a person types for an inference: the critical value
// of the priority degree and a priority degree, both between 0 and 1.
#pragma once

#include <optional>
#include <string>

namespace veridane {

// Commas read as points; the whole text must be a decimal number from 0 to 1
// (both included). Nothing when it is not.
std::optional<double> LitDegre(const std::string& texte);

}  // namespace veridane
