#include "cli/options_inference.h"

#include <charconv>

#include "cli/commandes.h"

namespace veridane {
namespace {

std::optional<int> LitNumeroObservation(const std::string& texte) {
    int numero = 0;
    auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), numero);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || numero < 1) return std::nullopt;
    return numero;
}

}  // namespace

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
