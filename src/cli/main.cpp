// veridane-cli: checks and runs Veridane knowledge bases without windows.
#include <clocale>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commandes.h"

int main(int argc, char** argv) {
    // Numbers are written with the decimal separator of the user's settings.
    std::setlocale(LC_NUMERIC, "");
    const char* point = std::localeconv()->decimal_point;
    const char separateur = point && *point == ',' ? ',' : '.';
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return veridane::ExecuteCli(arguments, std::cout, std::cerr, separateur);
}
