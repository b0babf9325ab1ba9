// veridane-cli: checks and runs Veridane knowledge bases without windows.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commandes.h"

int main(int argc, char** argv) {
    const char separateur = veridane::SeparateurDecimalDuSysteme();
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return veridane::ExecuteCli(arguments, std::cout, std::cerr, separateur);
}
