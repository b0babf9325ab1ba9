#include "cli/options_inference.h"

#include <charconv>

#include "cli/commandes.h"
#include "cli/fenetres_console.h"
#include "core/dialogues.h"
#include "core/journal.h"
#include "inference/textes_inference.h"
#include "project/cycle_projet.h"

namespace veridane {

std::optional<int> LitNumeroObservation(const std::string& texte) {
    int numero = 0;
    auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), numero);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || numero < 1) return std::nullopt;
    return numero;
}

bool OuvreProjetCli(TEtatVeridane& etat, const std::string& projet, TContexteCli& contexte, IDialogues& dialogues) {
    etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    return TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(projet);
}

TChoixObservations ObservationsChoisies(bool toutes, int numeroDemande, const TBaseFaits& faits,
                                        TContexteCli& contexte, IDialogues& dialogues) {
    const auto& observations = faits.Observations;
    TChoixObservations choix;
    if (toutes) {
        for (std::size_t k = 0; k < observations.size(); ++k)
            if (!observations[k].empty()) choix.Observations.push_back(k);
        return choix;
    }
    const auto numero = static_cast<std::size_t>(numeroDemande);
    if (numero > observations.size()) {
        contexte.Erreurs << "error: observation " << numero << " does not exist: the data base holds "
                         << observations.size() << " observation(s)\n";
        // No data base at all is the project's fault, a number too large the
        // command line's.
        choix.Refus = observations.empty() ? SortieAvertissement : SortieUsage;
        return choix;
    }
    // As the selection window: with a single observation there is no choice
    // and no check; with several an empty one is refused.
    if (observations.size() > 1 && observations[numero - 1].empty()) {
        dialogues.Avertit(MessageObservationVide(static_cast<int>(numero)));
        choix.Refus = SortieAvertissement;
        return choix;
    }
    choix.Observations.push_back(numero - 1);
    return choix;
}

std::optional<TOptionsInference> LitOptionsInference(const std::vector<std::string>& arguments) {
    if (arguments.empty() || ExtensionDe(arguments.front()) != ".EXP") return std::nullopt;
    TOptionsInference options;
    options.Projet = arguments.front();
    bool numeroDonne = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool avecValeur = option == "--observation" || option == "--critical";
        if (avecValeur && i + 1 >= arguments.size()) return std::nullopt;
        if (option == "--observation" && !numeroDonne) {
            auto numero = LitNumeroObservation(arguments[++i]);
            if (!numero) return std::nullopt;
            options.Observation = *numero;
            numeroDonne = true;
        } else if (option == "--critical" && !options.Critique) {
            options.Critique = arguments[++i];
        } else if (option == "--all" && !options.Toutes) {
            options.Toutes = true;
        } else if (option == "--json" && !options.Json) {
            options.Json = true;
        } else if (option == "--time" && !options.Temps) {
            options.Temps = true;
        } else {
            return std::nullopt;
        }
    }
    if (numeroDonne && options.Toutes) return std::nullopt;
    return options;
}

}  // namespace veridane
