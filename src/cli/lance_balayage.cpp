// "sweep PROJECT.EXP [--observation N | --all] [--goal ATTR] [--json | --csv]":
// one run per interval of critical values between the distinct priorities
// of the base, which tells exactly what every critical value does. For each
// observation: one line per interval, then the data gained ("+ DATUM") and
// lost ("- DATUM") against the previous interval. With --all, a last table
// counts per interval the observations that deduce a datum on the goal.
#include <algorithm>

#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/options_inference.h"
#include "cli/rapport_inference.h"
#include "core/encodage.h"
#include "core/format_nombre.h"
#include "core/proposition.h"
#include "inference/balayage.h"

namespace veridane {
namespace {

struct TOptionsBalayage {
    std::string Projet;
    int Observation = 1;
    bool Toutes = false;
    std::optional<std::string> But;
    bool Json = false;
    bool Csv = false;
};

std::optional<TOptionsBalayage> LitOptionsBalayage(const std::vector<std::string>& arguments) {
    if (arguments.empty() || ExtensionDe(arguments.front()) != ".EXP") return std::nullopt;
    TOptionsBalayage options;
    options.Projet = arguments.front();
    bool numeroDonne = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool avecValeur = option == "--observation" || option == "--goal";
        if (avecValeur && i + 1 >= arguments.size()) return std::nullopt;
        if (option == "--observation" && !numeroDonne) {
            auto numero = LitNumeroObservation(arguments[++i]);
            if (!numero) return std::nullopt;
            options.Observation = *numero;
            numeroDonne = true;
        } else if (option == "--goal" && !options.But) {
            // Attribute names are upper case in every file.
            options.But = Majuscules(arguments[++i]);
            if (options.But->empty()) return std::nullopt;
        } else if (option == "--all" && !options.Toutes) {
            options.Toutes = true;
        } else if (option == "--json" && !options.Json) {
            options.Json = true;
        } else if (option == "--csv" && !options.Csv) {
            options.Csv = true;
        } else {
            return std::nullopt;
        }
    }
    if ((numeroDonne && options.Toutes) || (options.Json && options.Csv)) return std::nullopt;
    return options;
}

// The data of one list on the goal attribute, as they are written.
std::vector<std::string> TextesSurBut(const std::vector<TProposition>& faits, const std::string& but, char separateur) {
    std::vector<std::string> textes;
    for (const auto& fait : faits)
        if (SurBut(fait, but)) textes.push_back(PropEnChaine(fait, separateur));
    return textes;
}

// Bounds in JSON and CSV: a plain number with a point, whatever the locale.
std::string Nombre(double valeur) { return FormatGeneral(valeur, 15, '.'); }

std::string ListeJson(const std::vector<std::string>& textes) {
    std::string json = "[";
    for (std::size_t i = 0; i < textes.size(); ++i) {
        if (i > 0) json += ',';
        json += ChaineJson(textes[i]);
    }
    return json + ']';
}

// A CSV field: quoted, inner quotes doubled, data separated by "; ".
std::string ChampCsv(const std::vector<std::string>& textes) {
    std::string champ = "\"";
    for (std::size_t i = 0; i < textes.size(); ++i) {
        if (i > 0) champ += "; ";
        for (char c : Utf8DepuisWindows1252(textes[i])) champ += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return champ + '"';
}

class TSortieBalayage {
public:
    TSortieBalayage(const TOptionsBalayage& options, char separateur, TContexteCli& contexte)
        : Options(options), But(options.But.value_or("")), Separateur(separateur), Contexte(contexte) {}

    void Observation(const TBalayageObservation& balayage) {
        if (Options.Json) return ObservationJson(balayage);
        if (Options.Csv) return ObservationCsv(balayage);
        if (Premiere) Premiere = false;
        else Contexte.Sortie << '\n';
        Contexte.Sortie << "Observation " << balayage.Numero + 1 << '\n';
        for (const auto& pas : balayage.Pas) {
            Ecrit(LigneIntervalle(pas, Separateur));
            for (const auto& texte : TextesSurBut(pas.Difference.Gagnes, But, Separateur)) Ecrit("+ " + texte);
            for (const auto& texte : TextesSurBut(pas.Difference.Perdus, But, Separateur)) Ecrit("- " + texte);
        }
    }

    // The last table of --all: per interval, the observations reaching the goal.
    void Atteints(const std::vector<TIntervalleCritique>& intervalles, const std::vector<int>& nombres,
                  std::size_t nbObservations) {
        if (Options.Json) {
            JsonAtteints = ",\"observations_reaching_goal\":[";
            for (std::size_t i = 0; i < nombres.size(); ++i) {
                if (i > 0) JsonAtteints += ',';
                JsonAtteints += std::to_string(nombres[i]);
            }
            JsonAtteints += ']';
            return;
        }
        if (Options.Csv) return;
        Contexte.Sortie << "\nObservations deducing " << (But.empty() ? std::string("data") : Utf8DepuisWindows1252(But))
                        << '\n';
        for (std::size_t i = 0; i < intervalles.size(); ++i)
            Ecrit("critical in " + TexteIntervalle(intervalles[i], Separateur) + ": " + std::to_string(nombres[i]) +
                  " of " + std::to_string(nbObservations) + " observations");
    }

    void Termine() {
        if (Options.Json) Contexte.Sortie << "{\"goal\":" << (But.empty() ? std::string("null") : ChaineJson(But))
                                          << ",\"observations\":[" << Json << ']' << JsonAtteints << "}\n";
    }

private:
    void Ecrit(const std::string& ligne) { Contexte.Sortie << Utf8DepuisWindows1252(ligne) << '\n'; }

    void ObservationJson(const TBalayageObservation& balayage) {
        if (!Json.empty()) Json += ',';
        Json += "{\"observation\":" + std::to_string(balayage.Numero + 1) + ",\"intervals\":[";
        for (std::size_t i = 0; i < balayage.Pas.size(); ++i) {
            const auto& pas = balayage.Pas[i];
            Json += (i > 0 ? ",{" : "{");
            Json += "\"low\":" + Nombre(pas.Intervalle.Basse) + ",\"low_included\":" +
                    (pas.Intervalle.BasseIncluse ? "true" : "false") + ",\"high\":" + Nombre(pas.Intervalle.Haute) +
                    ",\"rules\":" + std::to_string(pas.Intervalle.NbRegles) +
                    ",\"deduced\":" + std::to_string(pas.NbDeduits) + ",\"goal_data\":" + std::to_string(pas.NbSurBut) +
                    ",\"gained\":" + ListeJson(TextesSurBut(pas.Difference.Gagnes, But, Separateur)) +
                    ",\"lost\":" + ListeJson(TextesSurBut(pas.Difference.Perdus, But, Separateur)) + '}';
        }
        Json += "]}";
    }

    void ObservationCsv(const TBalayageObservation& balayage) {
        if (Premiere) {
            Contexte.Sortie << "observation,low,high,rules,deduced,goal_data,gained,lost\n";
            Premiere = false;
        }
        for (const auto& pas : balayage.Pas)
            Contexte.Sortie << balayage.Numero + 1 << ',' << Nombre(pas.Intervalle.Basse) << ','
                            << Nombre(pas.Intervalle.Haute) << ',' << pas.Intervalle.NbRegles << ',' << pas.NbDeduits
                            << ',' << pas.NbSurBut << ',' << ChampCsv(TextesSurBut(pas.Difference.Gagnes, But, Separateur))
                            << ',' << ChampCsv(TextesSurBut(pas.Difference.Perdus, But, Separateur)) << '\n';
    }

    const TOptionsBalayage& Options;
    std::string But;
    char Separateur;
    TContexteCli& Contexte;
    bool Premiere = true;
    std::string Json;          // the observations, joined
    std::string JsonAtteints;  // the last table, with --all
};

}  // namespace

int LanceBalayage(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    const auto options = LitOptionsBalayage(arguments);
    if (!options) return UsageCli(contexte);
    TDialoguesConsole dialogues(contexte.Erreurs);
    TEtatVeridane etat;
    if (!OuvreProjetCli(etat, options->Projet, contexte, dialogues)) return SortieAvertissement;
    const auto choix = ObservationsChoisies(options->Toutes, options->Observation, etat.Faits, contexte, dialogues);
    if (choix.Refus != SortieSucces) return choix.Refus;

    auto& regles = etat.Base.Regles;
    const std::string but = options->But.value_or("");
    // A goal no rule concludes on is most likely a misspelt name.
    if (!but.empty() &&
        std::none_of(regles.begin(), regles.end(), [&](const TRegle& r) { return r.Conclusion.Attribut == but; }))
        dialogues.Avertit("no rule concludes on " + but);

    const auto intervalles = IntervallesCritiques(regles);
    TSortieBalayage sortie(*options, etat.Base.SeparateurDecimal, contexte);
    std::vector<TBalayageObservation> balayages;
    TBalayeur balayeur(regles);
    for (std::size_t k : choix.Observations) {
        auto balayage = balayeur.Balaye(intervalles, etat.Faits.Observations[k], static_cast<int>(k), but);
        sortie.Observation(balayage);
        // Only the counts are kept for the last table.
        for (auto& pas : balayage.Pas) pas.Difference = {};
        balayages.push_back(std::move(balayage));
    }
    if (options->Toutes) sortie.Atteints(intervalles, ObservationsAtteignantBut(balayages, intervalles.size()),
                                         choix.Observations.size());
    sortie.Termine();
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
