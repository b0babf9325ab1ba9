// veridane-cli: checks and runs Veridane knowledge bases without windows.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commandes.h"

int main(int argc, char** argv) {
    // Each command is guarded where it runs (it knows its file); this catches
    // what could still escape around it, such as memory running out while
    // the arguments are copied, so the program never aborts.
    try {
        const char separateur = veridane::SeparateurDecimalDuSysteme();
        std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
        return veridane::ExecuteCli(arguments, std::cout, std::cerr, separateur);
    } catch (const std::exception& e) {
        std::cerr << "error: internal fault: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "error: internal fault: unknown exception\n";
    }
    return veridane::SortieFauteInterne;
}
