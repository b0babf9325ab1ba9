#include "cli/explication_cli.h"

#include <charconv>

#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "cli/rapport_explication.h"
#include "core/encodage.h"
#include "core/journal.h"
#include "inference/parametres.h"
#include "inference/textes_explication.h"
#include "inference/textes_inference.h"
#include "project/cycle_projet.h"

namespace veridane {
namespace {

std::optional<int> LitEntier(const std::string& texte, int minimum) {
    int valeur = 0;
    auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || valeur < minimum) return std::nullopt;
    return valeur;
}

}  // namespace

std::optional<TOptionsExplication> LitOptionsExplication(const std::vector<std::string>& arguments,
                                                         bool avecProfondeur) {
    if (arguments.empty() || ExtensionDe(arguments.front()) != ".EXP") return std::nullopt;
    TOptionsExplication options;
    options.Projet = arguments.front();
    bool faitDonne = false, profondeurDonnee = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool avecValeur = argument == "--observation" || argument == "--critical" ||
                                (avecProfondeur && argument == "--depth");
        if (avecValeur && i + 1 >= arguments.size()) return std::nullopt;
        if (argument == "--observation" && options.Observation == 0) {
            auto numero = LitEntier(arguments[++i], 1);
            if (!numero) return std::nullopt;
            options.Observation = *numero;
        } else if (argument == "--critical" && !options.Critique) {
            options.Critique = arguments[++i];
        } else if (argument == "--depth" && avecProfondeur && !profondeurDonnee) {
            auto profondeur = LitEntier(arguments[++i], 0);
            if (!profondeur) return std::nullopt;
            options.Profondeur = *profondeur;
            profondeurDonnee = true;
        } else if (argument == "--json" && !options.Json) {
            options.Json = true;
        } else if (argument.rfind("--", 0) != 0 && !faitDonne) {
            options.Fait = argument;
            faitDonne = true;
        } else {
            return std::nullopt;
        }
    }
    if (!faitDonne || options.Observation == 0) return std::nullopt;
    return options;
}

int PrepareExplication(const std::vector<std::string>& arguments, bool avecProfondeur, TContexteCli& contexte,
                       TOptionsExplication& options, TRunExplique& run) {
    auto lues = LitOptionsExplication(arguments, avecProfondeur);
    if (!lues) return UsageCli(contexte);
    options = *lues;
    TDialoguesConsole dialogues(contexte.Erreurs);
    std::optional<double> critique = 0.0;
    if (options.Critique) critique = LitDegre(*options.Critique);
    if (!critique) {
        dialogues.Avertit(MessageValeurCritiqueIncorrecte);
        return SortieUsage;
    }
    auto fait = LitProposition(Windows1252DepuisUtf8(options.Fait));
    if (!fait) {
        contexte.Erreurs << "error: \"" << options.Fait
                         << "\" is not a proposition: write an attribute, an operator and a value\n";
        return SortieUsage;
    }
    run.Fait = *fait;

    TEtatVeridane& etat = run.Etat;
    etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(options.Projet)) return SortieUsage;
    etat.ValeurCritique = *critique;

    const auto& observations = etat.Faits.Observations;
    const auto numero = static_cast<std::size_t>(options.Observation);
    if (numero > observations.size()) {
        contexte.Erreurs << "error: observation " << numero << " does not exist: the data base holds "
                         << observations.size() << " observation(s)\n";
        return SortieUsage;
    }
    if (observations.size() > 1 && observations[numero - 1].empty()) {
        dialogues.Avertit(MessageObservationVide(static_cast<int>(numero)));
        return SortieUsage;
    }
    run.Moteur.Enregistre(&run.Enregistreur);
    run.Moteur.ChoisitObservation(observations[numero - 1], static_cast<int>(numero - 1));
    run.Moteur.InitialiseCompteurs(etat.Base.Regles);
    run.Moteur.InitialiseRegles(etat.Base.Regles, etat.ValeurCritique);
    TNotificationsMuettes notifications;
    run.Moteur.Strategie(etat.Base.Regles, notifications);
    return SortieSucces;
}

void EcritPourquoi(const TRunExplique& run, const TExplication& explication, const TOrigine& origine, bool json,
                   TContexteCli& contexte) {
    const char separateur = run.Etat.Base.SeparateurDecimal;
    const TNoeudPourquoi arbre = explication.Pourquoi(origine);
    if (json) {
        contexte.Sortie << JsonPourquoi(arbre, separateur) << '\n';
        return;
    }
    for (const auto& ligne : LignesPourquoi(arbre, separateur)) contexte.Sortie << Utf8DepuisWindows1252(ligne) << '\n';
}

}  // namespace veridane
