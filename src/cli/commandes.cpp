#include "cli/commandes.h"

#include <algorithm>
#include <clocale>
#include <exception>

#include "core/fichier_texte.h"
#include "veridane_version.h"
#include "core/proposition.h"

namespace veridane {

int UsageCli(TContexteCli& contexte) {
    contexte.Erreurs << "usage:\n";
    for (const TCommandeCli& commande : TableCommandes()) contexte.Erreurs << "  veridane-cli " << commande.Usage << '\n';
    return SortieUsage;
}

const std::vector<TCommandeCli>& TableCommandes() {
    static const std::vector<TCommandeCli> table = {
        {"check", ".RUL", VerifieRegles, "check FILE.RUL",
         "Reads a rules file and the dictionary beside it, and prints every message of the reading."},
        {"check", ".DTA", VerifieBaseFaits, "check FILE.DTA",
         "Reads a data base file and prints every message of the reading."},
        {"check", ".EXP", VerifieProjet, "check PROJECT.EXP",
         "Opens a project (rules, dictionary and data base) and prints every message of the opening."},
        {"save", "", EnregistreProjet, "save PROJECT.EXP TARGET.EXP",
         "Opens a project and saves it under another name, with its four files."},
        {"run", "", LanceInference,
         "run PROJECT.EXP [--observation N | --all] [--critical V] [--json] [--time]",
         "Runs forward chaining on one observation, or on every observation that holds data, and prints "
         "the reasoning tree, the counters and the deduced data."},
        {"why", "", Explique, "why PROJECT.EXP --observation N \"DATUM\" [--critical V] [--json]",
         "Explains how a datum known at the end of a run was established: the rules and the data that led to it."},
        {"whynot", "", ExpliquePourquoiPas,
         "whynot PROJECT.EXP --observation N \"DATUM\" [--critical V] [--depth D] [--json]",
         "Explains why a datum was not established: what became of every rule that could have concluded it."},
        {"verify", "", VerifieCoherence,
         "verify PROJECT.EXP | FILE.RUL [--format text|json|sarif] [--fail-on error|warning|note|none]",
         "Checks a knowledge base without running it: contradictions, duplicate and subsumed rules, conflicts, "
         "cycles, premises that nothing can satisfy, priority inversions, unused entries and goals."},
        {"test", "", TesteCas, "test PROJECT.EXP [--cases FILE.TST] [--junit FILE.XML] [--json] [--record]",
         "Runs the cases file of a project: what each observation must and must not conclude, with the rule "
         "coverage; --record writes the current conclusions as the expected ones."},
        {"sweep", "", LanceBalayage, "sweep PROJECT.EXP [--observation N | --all] [--goal ATTR] [--json | --csv]",
         "Runs an observation once for each interval of critical values that changes which rules take part, "
         "and prints what each interval gains and loses."},
        {"whatif", "", LanceQueSi,
         "whatif PROJECT.EXP --observation N [--set \"DATUM\"]... [--remove \"ATTR\"]... [--critical V] [--json]",
         "Runs an observation with some of its data changed, without writing any file, and prints the "
         "conclusions gained and lost."},
    };
    return table;
}

void AideCli(std::ostream& sortie) {
    sortie << "Usage: veridane-cli COMMAND ARGUMENTS...\n"
              "Checks, saves and runs Veridane knowledge bases without windows.\n\n"
              "Commands:\n";
    for (const TCommandeCli& commande : TableCommandes()) {
        sortie << "  " << commande.Usage << '\n';
        if (*commande.Aide != '\0') sortie << "      " << commande.Aide << '\n';
    }
    sortie << "\nOptions:\n"
              "  --help       Shows this help; COMMAND --help shows the help of one command.\n"
              "  --version    Shows the version.\n\n"
              "Exit status: 0 when all went well, 1 when a message was shown or a check\n"
              "failed, 2 when the command line was wrong, 3 on an internal fault.\n";
}

void AideCommande(const std::string& verbe, std::ostream& sortie) {
    sortie << "Usage:\n";
    for (const TCommandeCli& commande : TableCommandes())
        if (verbe == commande.Verbe) sortie << "  veridane-cli " << commande.Usage << '\n';
    for (const TCommandeCli& commande : TableCommandes())
        if (verbe == commande.Verbe && *commande.Aide != '\0') sortie << commande.Aide << '\n';
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

int LanceCommandeGardee(const TCommandeCli& commande, const std::vector<std::string>& arguments,
                        TContexteCli& contexte) {
    std::string quoi;
    try {
        return commande.Fonction(arguments, contexte);
    } catch (const std::exception& e) {
        quoi = e.what();
    } catch (...) {
        quoi = "unknown exception";
    }
    // What the command printed before the fault stays, before the report.
    contexte.Sortie.flush();
    contexte.Erreurs << "error: internal fault: " << quoi << " while reading "
                     << (arguments.empty() ? std::string("no file") : arguments.front()) << '\n';
    return SortieFauteInterne;
}

int ExecuteCli(const std::vector<std::string>& arguments, std::ostream& sortie, std::ostream& erreurs,
               char separateurDecimal) {
    TContexteCli contexte{sortie, erreurs, separateurDecimal};
    if (arguments.empty()) return UsageCli(contexte);
    if (arguments.size() == 1 && arguments.front() == "--help") {
        AideCli(sortie);
        return SortieSucces;
    }
    if (arguments.size() == 1 && arguments.front() == "--version") {
        sortie << "veridane-cli " << VERIDANE_VERSION << '\n';
        return SortieSucces;
    }
    const std::vector<std::string> suite(arguments.begin() + 1, arguments.end());
    const bool verbeConnu = std::any_of(TableCommandes().begin(), TableCommandes().end(),
                                        [&](const TCommandeCli& c) { return arguments.front() == c.Verbe; });
    if (verbeConnu && suite.size() == 1 && suite.front() == "--help") {
        AideCommande(arguments.front(), sortie);
        return SortieSucces;
    }
    const std::string extension = suite.empty() ? std::string() : ExtensionDe(suite.front());
    for (const TCommandeCli& commande : TableCommandes()) {
        if (arguments.front() != commande.Verbe) continue;
        const bool fichierVoulu = *commande.Extension != '\0';
        if (fichierVoulu && (suite.size() != 1 || extension != commande.Extension)) continue;
        return LanceCommandeGardee(commande, suite, contexte);
    }
    return UsageCli(contexte);
}

}  // namespace veridane
