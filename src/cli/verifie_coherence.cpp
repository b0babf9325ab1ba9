// "verify PROJECT.EXP | FILE.RUL [--format text|json|sarif]
// [--fail-on error|warning|note|none]": reads a project (or a rules file with
// the dictionary beside it) as "check" does, with its messages on the error
// stream, and prints the findings of the static checks of the base.
#include <algorithm>
#include <optional>

#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "cli/rapport_verification.h"
#include "core/fichier_regles.h"
#include "core/fichier_texte.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "project/cycle_projet.h"
#include "project/etat.h"
#include "verification/verification.h"

namespace veridane {
namespace {

enum class TFormat { Texte, Json, Sarif };

struct TOptionsVerification {
    std::string Chemin;
    TFormat Format = TFormat::Texte;
    // The lowest level that makes the command fail; none: nothing does.
    std::optional<TNiveauConstat> EchecDes = TNiveauConstat::Avertissement;
};

std::optional<TOptionsVerification> LitOptions(const std::vector<std::string>& arguments) {
    TOptionsVerification options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const bool valeur = i + 1 < arguments.size();
        if (a == "--format" && valeur) {
            const std::string& f = arguments[++i];
            if (f == "text") options.Format = TFormat::Texte;
            else if (f == "json") options.Format = TFormat::Json;
            else if (f == "sarif") options.Format = TFormat::Sarif;
            else return std::nullopt;
        } else if (a == "--fail-on" && valeur) {
            const std::string& n = arguments[++i];
            if (n == "error") options.EchecDes = TNiveauConstat::Erreur;
            else if (n == "warning") options.EchecDes = TNiveauConstat::Avertissement;
            else if (n == "note") options.EchecDes = TNiveauConstat::Note;
            else if (n == "none") options.EchecDes.reset();
            else return std::nullopt;
        } else if (a.rfind("--", 0) == 0 || !options.Chemin.empty()) {
            return std::nullopt;
        } else {
            options.Chemin = a;
        }
    }
    const std::string extension = ExtensionDe(options.Chemin);
    if (extension != ".EXP" && extension != ".RUL") return std::nullopt;
    return options;
}

// The base and what the checks need to know beside it, read as "check"
// reads it; false when the file named cannot be opened at all.
struct TLecture {
    TEtatVeridane Etat;
    TSourcesAttributs Sources;
    TFichiersVerifies Fichiers;
    bool Lisible = false;
};

void LitProjet(const std::string& chemin, TLecture& lecture, IDialogues& dialogues) {
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    lecture.Lisible = TCycleProjet(lecture.Etat, fenetres, dialogues, progression).OuvreProjet(chemin);
    const TProjet& projet = lecture.Etat.Projet;
    lecture.Fichiers.NomRegles = projet.NomFichRul;
    lecture.Fichiers.CheminRegles = projet.RepertoireProjet + projet.NomFichRul;
    lecture.Sources = SourcesDuProjet(lecture.Etat);
}

void LitRegles(const std::string& chemin, TLecture& lecture, IDialogues& dialogues) {
    TBaseConnaissances& base = lecture.Etat.Base;
    base.Vide();
    base.AvecDico = true;
    TProgressionMuette progression;
    lecture.Lisible = OuvrirFR(base, chemin, lecture.Etat.Commandes, dialogues, progression);
    lecture.Fichiers.NomRegles = NomDe(chemin);
    lecture.Fichiers.CheminRegles = chemin;
    lecture.Sources.Declares = AttributsDuDico(FaitNomDico(chemin));
}

// The files as they are on disk ("CAR.RUL" in a project may be car.rul).
void TrouveFichiers(TFichiersVerifies& fichiers) {
    fichiers.NomDico = fichiers.NomRegles.empty() ? std::string() : FaitNomDico(fichiers.NomRegles);
    const std::string dico = fichiers.CheminRegles.empty() ? std::string() : FaitNomDico(fichiers.CheminRegles);
    fichiers.CheminRegles = TrouveFichier(fichiers.CheminRegles).value_or(fichiers.CheminRegles);
    fichiers.CheminDico = TrouveFichier(dico).value_or(dico);
}

bool Atteint(TNiveauConstat niveau, TNiveauConstat seuil) {
    // Erreur < Avertissement < Note in the enumeration: lower is graver.
    return static_cast<int>(niveau) <= static_cast<int>(seuil);
}

}  // namespace

int VerifieCoherence(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    const auto options = LitOptions(arguments);
    if (!options) return UsageCli(contexte);
    TLecture lecture;
    lecture.Etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TDialoguesConsole dialogues(contexte.Erreurs);
    if (ExtensionDe(options->Chemin) == ".EXP") LitProjet(options->Chemin, lecture, dialogues);
    else LitRegles(options->Chemin, lecture, dialogues);
    if (!lecture.Lisible) return SortieUsage;
    TrouveFichiers(lecture.Fichiers);

    const std::vector<TConstat> constats = VerifieBase(lecture.Etat.Base, lecture.Sources);
    switch (options->Format) {
        case TFormat::Texte: EcritTexteConstats(contexte.Sortie, constats, lecture.Fichiers); break;
        case TFormat::Json: EcritJsonConstats(contexte.Sortie, constats); break;
        case TFormat::Sarif:
            lecture.Fichiers.LignesRegles = LignesDesRegles(lecture.Fichiers.CheminRegles);
            EcritSarifConstats(contexte.Sortie, constats, lecture.Fichiers);
            break;
    }
    // A file that did not read cleanly was not checked whole.
    if (dialogues.NbAvertissements() > 0) return SortieUsage;
    const bool echec = options->EchecDes && std::any_of(constats.begin(), constats.end(), [&](const TConstat& c) {
        return Atteint(c.Niveau, *options->EchecDes);
    });
    return echec ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
