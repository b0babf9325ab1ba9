// "test PROJECT.EXP [--cases FILE.TST] [--junit FILE.XML] [--json] [--record]":
// runs every case of the project's cases file and says which pass, which
// fail and why, the rule coverage and the count of each; or, with
// --record, writes the cases file from the current results.
#include <optional>

#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "cli/rapport_cas.h"
#include "core/encodage.h"
#include "core/journal.h"
#include "project/cycle_projet.h"
#include "project/fichier_projet.h"
#include "verification/execution_cas.h"
#include "verification/explication_cas.h"
#include "verification/fichier_cas.h"
#include "verification/textes_cas.h"

namespace veridane {
namespace {

struct TOptionsTest {
    std::string Projet;
    std::optional<std::string> Cas;
    std::optional<std::string> JUnit;
    bool Json = false;
    bool Enregistre = false;
};

// Nothing for a wrong command line: no project file, an unknown or repeated
// option, a missing value, or --record with an output of a run.
std::optional<TOptionsTest> LitOptionsTest(const std::vector<std::string>& arguments) {
    if (arguments.empty() || ExtensionDe(arguments.front()) != ".EXP") return std::nullopt;
    TOptionsTest options;
    options.Projet = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool avecValeur = option == "--cases" || option == "--junit";
        if (avecValeur && i + 1 >= arguments.size()) return std::nullopt;
        if (option == "--cases" && !options.Cas) {
            options.Cas = arguments[++i];
        } else if (option == "--junit" && !options.JUnit) {
            options.JUnit = arguments[++i];
        } else if (option == "--json" && !options.Json) {
            options.Json = true;
        } else if (option == "--record" && !options.Enregistre) {
            options.Enregistre = true;
        } else {
            return std::nullopt;
        }
    }
    if (options.Enregistre && (options.JUnit || options.Json)) return std::nullopt;
    return options;
}

std::string NomSansExtension(const std::string& nom) { return nom.substr(0, nom.find_last_of('.')); }

int Enregistre(const TEtatVeridane& etat, const std::string& chemin, TContexteCli& contexte,
               TDialoguesConsole& dialogues) {
    const TFichierCas ancien = LitCas(chemin, dialogues).value_or(TFichierCas{});
    const TFichierCas nouveau = EnregistreResultats(ancien, etat);
    if (!SauveCas(nouveau, chemin, etat.Base.SeparateurDecimal, dialogues)) return SortieUsage;
    contexte.Sortie << "Cases recorded: " << nouveau.LignesDeCas().size() << " in " << chemin << '\n';
    return SortieSucces;
}

// The failing clauses of every case; a case that failed is run again to
// explain what it did not establish.
TEchecsParCas Echecs(const TFichierCas& fichier, const TBilanCas& bilan, const TEtatVeridane& etat) {
    TEchecsParCas echecs;
    const auto lignes = fichier.LignesDeCas();
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        const TCas& cas = *lignes[i]->Cas;
        if (bilan.Resultats[i].Reussi()) {
            echecs.emplace_back();
            continue;
        }
        const TExplicationCas explication(cas, etat);
        echecs.push_back(EchecsDuCas(cas, bilan.Resultats[i], etat.Base.SeparateurDecimal, explication.Fonction()));
    }
    return echecs;
}

void EcritTexte(const TFichierCas& fichier, const TBilanCas& bilan, const TEchecsParCas& echecs,
                TContexteCli& contexte) {
    const auto lignes = fichier.LignesDeCas();
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        contexte.Sortie << LigneStatutCas(*lignes[i]->Cas, bilan.Resultats[i]) << '\n';
        for (const TEchecClause& echec : echecs[i]) {
            contexte.Sortie << "  " << Utf8DepuisWindows1252(echec.Texte) << '\n';
            if (echec.Explication) contexte.Sortie << "    " << Utf8DepuisWindows1252(*echec.Explication) << '\n';
        }
    }
    contexte.Sortie << LigneCouverture(bilan.Couverture) << '\n';
    contexte.Sortie << LigneBilan(bilan.NbReussis(), bilan.NbEchoues()) << '\n';
}

}  // namespace

int TesteCas(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    const auto options = LitOptionsTest(arguments);
    if (!options) return UsageCli(contexte);
    TDialoguesConsole dialogues(contexte.Erreurs);
    TEtatVeridane etat;
    etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(options->Projet)) return SortieUsage;
    const std::string chemin = options->Cas ? *options->Cas : CheminCas(etat.Projet);
    if (options->Enregistre) return Enregistre(etat, chemin, contexte, dialogues);

    const int avertissementsAvant = dialogues.NbAvertissements();
    const auto fichier = LitCas(chemin, dialogues);
    if (!fichier) {
        contexte.Erreurs << "error: the cases file " << chemin << " cannot be read\n";
        return SortieUsage;
    }
    // A line skipped is a check that did not run: the run cannot say that
    // everything passed.
    const bool lignesSautees = dialogues.NbAvertissements() > avertissementsAvant;
    const TBilanCas bilan = ExecuteTousLesCas(*fichier, etat, progression);
    const TEchecsParCas echecs = Echecs(*fichier, bilan, etat);
    const std::string nomProjet = NomSansExtension(etat.Projet.NomProjet);
    if (options->Json)
        contexte.Sortie << JsonCas(nomProjet, *fichier, bilan, echecs) << '\n';
    else
        EcritTexte(*fichier, bilan, echecs, contexte);
    if (options->JUnit) {
        TEcrivainTexte ecrivain;
        ecrivain.Contenu = JUnitCas(nomProjet, NomDe(chemin), *fichier, bilan, echecs);
        if (auto raison = ecrivain.Enregistre(*options->JUnit)) {
            dialogues.Avertit(MessageEcritureImpossible(*options->JUnit, *raison));
            return SortieUsage;
        }
    }
    return bilan.NbEchoues() > 0 || lignesSautees ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
