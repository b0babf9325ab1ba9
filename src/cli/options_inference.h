// The command line of "run": the project, which observations, the critical
// value and the forms of the output.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veridane {

struct TOptionsInference {
    std::string Projet;
    int Observation = 1;              // 1-based
    bool Toutes = false;              // every observation that holds data
    std::optional<std::string> Critique;  // the text given, read later as the parameters dialog reads it
    bool Json = false;
    bool Temps = false;
    bool operator==(const TOptionsInference&) const = default;
};

// Nothing when the arguments are not a valid "run" command line: no project
// file, an unknown or repeated option, a missing value, an observation number
// that is not a whole number from 1, or both --observation and --all.
std::optional<TOptionsInference> LitOptionsInference(const std::vector<std::string>& arguments);

}  // namespace veridane
