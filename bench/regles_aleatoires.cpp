// Writes a generated rules file and its dictionary (bench/generateur_regles):
// premises and conclusions of every kind (numbers with every comparison,
// words, sets) drawn at random over a few thousand attributes.
//   veridane-regles-aleatoires --rules N --out FILE.rul [--seed S]
#include <cstdlib>
#include <iostream>
#include <string>

#include "generateur_regles.h"

int main(int argc, char** argv) {
    veridane::TParametresGeneration parametres;
    std::string chemin;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--rules") parametres.NbRegles = std::atoi(argv[i + 1]);
        else if (option == "--out") chemin = argv[i + 1];
        else if (option == "--seed") parametres.Graine = static_cast<std::uint32_t>(std::atoi(argv[i + 1]));
        else chemin.clear(), i = argc;
    }
    if (chemin.empty() || parametres.NbRegles < 1) {
        std::cerr << "usage: veridane-regles-aleatoires --rules N --out FILE.rul [--seed S]\n";
        return 2;
    }
    const auto fichiers = veridane::EcritFichierRegles(chemin, parametres);
    std::cout << fichiers.Regles << " " << fichiers.Dico << "\n";
    return 0;
}
