// "whatif PROJECT.EXP --observation N [--set "DATUM"]... [--remove "ATTR"]...
// [--critical V] [--json]": runs one observation as it is and as changed, and
// prints what the change gains ("+ DATUM") and loses ("- DATUM") among the
// deduced data, then the counts. The changes are made on a copy: no file is
// ever written.
#include <algorithm>

#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/options_inference.h"
#include "cli/rapport_inference.h"
#include "core/encodage.h"
#include "core/format_nombre.h"
#include "core/proposition.h"
#include "inference/parametres.h"
#include "inference/que_si.h"
#include "inference/textes_inference.h"

namespace veridane {
namespace {

// One change, in command-line order.
struct TChangement {
    bool Pose;          // --set; otherwise --remove
    std::string Texte;  // the datum or the attribute, Windows-1252, upper case
};

struct TOptionsQueSi {
    std::string Projet;
    std::optional<int> Observation;
    std::vector<TChangement> Changements;
    std::optional<std::string> Critique;
    bool Json = false;
};

std::optional<TOptionsQueSi> LitOptionsQueSi(const std::vector<std::string>& arguments) {
    if (arguments.empty() || ExtensionDe(arguments.front()) != ".EXP") return std::nullopt;
    TOptionsQueSi options;
    options.Projet = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool avecValeur =
            option == "--observation" || option == "--set" || option == "--remove" || option == "--critical";
        if (avecValeur && i + 1 >= arguments.size()) return std::nullopt;
        if (option == "--observation" && !options.Observation) {
            options.Observation = LitNumeroObservation(arguments[++i]);
            if (!options.Observation) return std::nullopt;
        } else if (option == "--set" || option == "--remove") {
            // The readers upper-case every statement before parsing it.
            options.Changements.push_back({option == "--set", Majuscules(Windows1252DepuisUtf8(arguments[++i]))});
        } else if (option == "--critical" && !options.Critique) {
            options.Critique = arguments[++i];
        } else if (option == "--json" && !options.Json) {
            options.Json = true;
        } else {
            return std::nullopt;
        }
    }
    if (!options.Observation) return std::nullopt;
    return options;
}

// A datum as a data base file states it, alone: attribute, operator and a
// value of the operator's kind, then at most a ";".
std::optional<TProposition> LitFait(std::string texte) {
    auto sansBlancsFinaux = [&] { texte.erase(texte.find_last_not_of(' ') + 1); };
    sansBlancsFinaux();
    if (texte.ends_with(';')) texte.pop_back();
    sansBlancsFinaux();
    std::size_t pos = 0;
    SauteBlancs(texte, pos);
    TProposition fait;
    fait.Attribut = TrouveAttribut(texte, pos);
    SauteBlancs(texte, pos);
    fait.Operateur = TrouveOperateur(texte, pos);
    if (fait.Attribut.empty() || fait.Operateur == OpAucun) return std::nullopt;
    SauteBlancs(texte, pos);
    const std::size_t debutValeur = pos;
    GereModalite(texte, pos, fait.Operateur, fait);
    const std::string valeur = texte.substr(debutValeur, pos - debutValeur);
    bool correct = false;
    switch (fait.TypeValeur) {
        case TypeNumerique: correct = LitNombre(valeur).has_value(); break;
        case TypeSymbolique: correct = !fait.Modalite.empty(); break;
        default:
            correct = valeur.starts_with('{') && valeur.ends_with('}') &&
                      std::none_of(fait.Liste.begin(), fait.Liste.end(), [](const TModalite& m) { return m.Nom.empty(); });
            break;
    }
    SauteBlancs(texte, pos);
    if (!correct || pos < texte.size()) return std::nullopt;
    fait.Certitude = fait.Precision = DegreCertain;
    return fait;
}

std::vector<std::string> Textes(const std::vector<TProposition>& faits, char separateur) {
    std::vector<std::string> textes;
    for (const auto& fait : faits) textes.push_back(PropEnChaine(fait, separateur));
    return textes;
}

std::string ListeJson(const std::vector<std::string>& textes) {
    std::string json = "[";
    for (std::size_t i = 0; i < textes.size(); ++i) {
        if (i > 0) json += ',';
        json += ChaineJson(textes[i]);
    }
    return json + ']';
}

void Ecrit(TContexteCli& contexte, const std::string& ligne) {
    contexte.Sortie << Utf8DepuisWindows1252(ligne) << '\n';
}

void EcritResultat(const TQueSi& resultat, int numero, double critique, bool json, char separateur,
                   TContexteCli& contexte) {
    const auto gagnes = Textes(resultat.Difference.Gagnes, separateur);
    const auto perdus = Textes(resultat.Difference.Perdus, separateur);
    if (json) {
        contexte.Sortie << "{\"observation\":" << numero << ",\"critical\":" << FormatGeneral(critique, 15, '.')
                        << ",\"gained\":" << ListeJson(gagnes) << ",\"lost\":" << ListeJson(perdus)
                        << ",\"deduced_before\":" << resultat.NbDeduitsAvant
                        << ",\"deduced_after\":" << resultat.NbDeduitsApres << "}\n";
        return;
    }
    for (const auto& texte : gagnes) Ecrit(contexte, "+ " + texte);
    for (const auto& texte : perdus) Ecrit(contexte, "- " + texte);
    // The counts bare, as "run" ends: a script reads the number at the end.
    Ecrit(contexte, "Deduced data before: " + std::to_string(resultat.NbDeduitsAvant));
    Ecrit(contexte, "Deduced data after: " + std::to_string(resultat.NbDeduitsApres));
    Ecrit(contexte, "Gained: " + std::to_string(gagnes.size()));
    Ecrit(contexte, "Lost: " + std::to_string(perdus.size()));
}

}  // namespace

int LanceQueSi(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    const auto options = LitOptionsQueSi(arguments);
    if (!options) return UsageCli(contexte);
    TDialoguesConsole dialogues(contexte.Erreurs);
    std::optional<double> critique = 0.0;
    if (options->Critique) critique = LitDegre(*options->Critique);
    if (!critique) {
        dialogues.Avertit(MessageValeurCritiqueIncorrecte);
        return SortieUsage;
    }
    // Every datum is read before the project, so a typing error costs nothing.
    std::vector<std::optional<TProposition>> faits;
    for (const auto& changement : options->Changements) {
        if (!changement.Pose) {
            faits.emplace_back();
            continue;
        }
        faits.push_back(LitFait(changement.Texte));
        if (!faits.back()) {
            contexte.Erreurs << "error: not a datum: " << Utf8DepuisWindows1252(changement.Texte) << '\n';
            return SortieUsage;
        }
    }

    TEtatVeridane etat;
    if (!OuvreProjetCli(etat, options->Projet, contexte, dialogues)) return SortieAvertissement;
    const auto choix = ObservationsChoisies(false, *options->Observation, etat.Faits, contexte, dialogues);
    if (choix.Refus != SortieSucces) return choix.Refus;

    const auto& original = etat.Faits.Observations[choix.Observations.front()];
    auto modifiee = original;
    for (std::size_t i = 0; i < options->Changements.size(); ++i) {
        const auto& changement = options->Changements[i];
        if (changement.Pose)
            PoseFait(modifiee, *faits[i]);
        else if (RetireAttribut(modifiee, changement.Texte) == 0)
            dialogues.Avertit("observation " + std::to_string(*options->Observation) + " holds no datum on " +
                              changement.Texte);
    }
    const auto resultat = CompareQueSi(etat.Base.Regles, original, modifiee, *critique);
    EcritResultat(resultat, *options->Observation, *critique, options->Json, etat.Base.SeparateurDecimal, contexte);
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
