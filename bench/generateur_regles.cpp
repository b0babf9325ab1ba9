#include "generateur_regles.h"

#include <fstream>
#include <random>
#include <stdexcept>
#include <vector>

#include "core/proposition.h"

namespace veridane {

namespace {

const char* const Mots[] = {"LOW", "HIGH", "RED", "BLUE", "YES", "NO", "FEVER", "RASH", "DRY", "WET", "OLD", "NEW"};
constexpr int NbMots = sizeof Mots / sizeof *Mots;

// The facts of one attribute: its kind follows its number, so that every
// attribute holds values of a single kind, as a real knowledge base does.
std::vector<std::string> FaitsDeLAttribut(int attribut, int nombre, std::mt19937& hasard) {
    static const char* const comparaisons[] = {"=", ">", "<", ">=", "<=", "<>"};
    const std::string nom = "ATTRIBUTE_" + std::to_string(attribut);
    std::vector<std::string> faits;
    for (int i = 0; i < nombre; ++i) {
        switch (attribut % 3) {
            case 0: {
                std::string valeur = std::to_string(i * 7 + 1) + "." + std::to_string(hasard() % 100);
                faits.push_back(nom + " " + comparaisons[hasard() % 6] + " " + valeur + " ");
                break;
            }
            case 1: faits.push_back(nom + " = " + Mots[i % NbMots] + "_" + std::to_string(i) + " "); break;
            default: {
                std::string ensemble = "{ ";
                const int taille = 1 + static_cast<int>(hasard() % 3);
                for (int m = 0; m < taille; ++m)
                    ensemble += std::string(Mots[(i + m) % NbMots]) + (m + 1 < taille ? ", " : " }");
                faits.push_back(nom + (hasard() % 2 ? " in " : " not_in ") + ensemble);
            }
        }
    }
    return faits;
}

void Verifie(const std::ofstream& fichier, const std::string& chemin) {
    if (!fichier) throw std::runtime_error("cannot write " + chemin);
}

}  // namespace

TFichiersGeneres EcritFichierRegles(const std::string& chemin, const TParametresGeneration& parametres) {
    std::mt19937 hasard(parametres.Graine);
    std::vector<std::vector<std::string>> faits;
    faits.reserve(static_cast<std::size_t>(parametres.NbAttributs));
    for (int a = 0; a < parametres.NbAttributs; ++a)
        faits.push_back(FaitsDeLAttribut(a, parametres.ValeursParAttribut, hasard));
    auto tire = [&]() -> const std::string& {
        const auto& liste = faits[hasard() % faits.size()];
        return liste[hasard() % liste.size()];
    };

    TFichiersGeneres resultat;
    resultat.Regles = chemin;
    std::ofstream regles(chemin, std::ios::binary | std::ios::trunc);
    regles << "#Generated rules\r\n\r\nNumber of rules: " << parametres.NbRegles << ";\r\n\r\n";
    for (int r = 1; r <= parametres.NbRegles; ++r) {
        regles << "# Rule " << r << "\r\n";
        const int nbPremisses = 2 + static_cast<int>(hasard() % 3);
        for (int p = 0; p < nbPremisses; ++p) regles << (p == 0 ? "If " : "And ") << tire() << "\r\n";
        regles << "Then " << tire() << "[0." << (1 + hasard() % 999) << "];\r\n\r\n";
    }
    Verifie(regles, chemin);

    if (parametres.AvecDico) {
        resultat.Dico = FaitNomDico(chemin);
        std::ofstream dico(resultat.Dico, std::ios::binary | std::ios::trunc);
        dico << "#Generated rules\r\n\r\n";
        // Half the facts only, so that opening also compiles the others
        // from the rules.
        for (const auto& liste : faits)
            for (std::size_t i = 0; i < liste.size(); i += 2) {
                dico << liste[i] << ";\r\n\r\n";
                ++resultat.NbFaitsDico;
            }
        Verifie(dico, resultat.Dico);
    }
    return resultat;
}

}  // namespace veridane
