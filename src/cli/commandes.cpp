#include "cli/commandes.h"

#include <clocale>

#include "core/fichier_texte.h"
#include "core/proposition.h"

namespace veridane {

int UsageCli(TContexteCli& contexte) {
    contexte.Erreurs << "usage:\n";
    for (const TCommandeCli& commande : TableCommandes()) contexte.Erreurs << "  veridane-cli " << commande.Usage << '\n';
    return SortieUsage;
}

const std::vector<TCommandeCli>& TableCommandes() {
    static const std::vector<TCommandeCli> table = {
        {"check", ".RUL", VerifieRegles, "check FILE.RUL"},
        {"check", ".DTA", VerifieBaseFaits, "check FILE.DTA"},
        {"check", ".EXP", VerifieProjet, "check PROJECT.EXP"},
        {"save", "", EnregistreProjet, "save PROJECT.EXP TARGET.EXP"},
        {"run", "", LanceInference,
         "run PROJECT.EXP [--observation N | --all] [--critical V] [--json] [--time]"},
        {"why", "", Explique, "why PROJECT.EXP --observation N \"DATUM\" [--critical V] [--json]"},
        {"whynot", "", ExpliquePourquoiPas,
         "whynot PROJECT.EXP --observation N \"DATUM\" [--critical V] [--depth D] [--json]"},
    };
    return table;
}

char SeparateurDecimalDuSysteme() {
    char separateur = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        const char* point = std::localeconv()->decimal_point;
        if (point && *point == ',') separateur = ',';
    }
    std::setlocale(LC_NUMERIC, "C");
    return separateur;
}

std::string ExtensionDe(const std::string& chemin) {
    std::string nom = NomDe(chemin);
    std::size_t point = nom.find_last_of('.');
    return point == std::string::npos ? std::string() : Majuscules(nom.substr(point));
}

int ExecuteCli(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
               char separateurDecimal) {
    TContexteCli contexte{sortie, erreurs, separateurDecimal};
    if (arguments.empty()) return UsageCli(contexte);
    const std::vector<std::string> suite(arguments.begin() + 1, arguments.end());
    const std::string extension = suite.empty() ? std::string() : ExtensionDe(suite.front());
    for (const TCommandeCli& commande : TableCommandes()) {
        if (arguments.front() != commande.Verbe) continue;
        const bool fichierVoulu = *commande.Extension != '\0';
        if (fichierVoulu && (suite.size() != 1 || extension != commande.Extension)) continue;
        return commande.Fonction(suite, contexte);
    }
    return UsageCli(contexte);
}

}  // namespace veridane
