// The project file reader, and the opening of a project it names.
//
// Input: a project file; the rules and data base files it names do not
// exist, except "R.RUL" and "D.DTA" (small valid files).
//
// Invariants:
// - the reader's result (comments, rules file name, data base file name),
//   written by the project writer and read again, is the same;
// - a name accepted as a plain file name stays in the project directory;
// - after the opening, every file that a save would write (project, rules,
//   dictionary, data base) lies in the project directory itself;
// - a new project saved under the first line of the input as its name (as
//   the save dialog may give any bytes but "/" and NUL) opens again with no
//   message.
#include <cstddef>
#include <cstdint>

#include "cli/fenetres_console.h"
#include "core/fichier_texte.h"
#include "core/journal.h"
#include "outils_fuzz.h"
#include "project/cycle_projet.h"
#include "project/fichier_projet.h"

using namespace veridane;
using namespace veridane::fuzz;

namespace {

void PrepareFichiersNommes() {
    static const bool prets = [] {
        Ecrit("r.rul", "\r\nNumber of rules: 1;\r\n\r\nIf A = B \r\nThen C = D [1];\r\n");
        Ecrit("d.dta", "\r\nNumber of data: 1;\r\n\r\nA = B  ;\r\n");
        return true;
    }();
    (void)prets;
}

// The file lies directly in `repertoire`.
bool DansLeRepertoire(const std::string& chemin, const std::string& repertoire) {
    return chemin.size() > repertoire.size() && chemin.compare(0, repertoire.size(), repertoire) == 0 &&
           RepertoireDe(chemin) == repertoire && NomDe(chemin) != "." && NomDe(chemin) != ".." &&
           chemin.find('\0') == std::string::npos;
}

void VerifieEcritures(const TProjet& projet, const std::string& repertoire) {
    if (projet.RepertoireProjet.empty()) return;
    Verifie(projet.RepertoireProjet == repertoire, "the project directory moved", projet.RepertoireProjet);
    std::vector<std::string> noms = {projet.NomProjet};
    if (projet.FichRulNomme) noms.push_back(projet.NomFichRul), noms.push_back(FaitNomDico(projet.NomFichRul));
    if (projet.FichDatNomme) noms.push_back(projet.NomFichDat);
    for (const std::string& nom : noms) {
        if (nom.empty()) continue;
        Verifie(DansLeRepertoire(CheminFichier(projet, nom), repertoire), "a save would write outside the project",
                CheminFichier(projet, nom));
    }
}

// A project saved under a name the save dialog could give (any bytes but
// "/" and NUL) opens again with no message, its files all in its directory.
void VerifieEnregistrement(const std::string& nom) {
    if (nom.empty() || nom.size() > 80 || nom.find_first_of(std::string("/\0", 2)) != std::string::npos ||
        nom == "." || nom == "..")
        return;
    const std::string repertoire = (Dossier() / "sauve").string() + "/";
    std::filesystem::remove_all(repertoire);
    std::filesystem::create_directories(repertoire);
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Faits.Observations.assign(1, TObservation{});
    TFenetresConsole fenetres;
    TDialoguesJournal journal;
    TProgressionMuette progression;
    TCycleProjet cycle(etat, fenetres, journal, progression);
    Verifie(cycle.EnregistreSous(repertoire + nom, false) && journal.Messages.empty(), "a new project cannot be saved",
            nom + (journal.Messages.empty() ? "" : ": " + journal.Messages.front().Texte));
    VerifieEcritures(etat.Projet, repertoire);
    const std::string chemin = CheminFichier(etat.Projet, etat.Projet.NomProjet);
    TEtatVeridane relu;
    TCycleProjet relecture(relu, fenetres, journal, progression);
    Verifie(relecture.OuvreProjet(chemin) && journal.Messages.empty(), "a saved project does not open again",
            nom + (journal.Messages.empty() ? "" : ": " + journal.Messages.front().Texte));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    PrepareFichiersNommes();
    std::string_view entree(reinterpret_cast<const char*>(donnees), taille);
    std::string chemin = Ecrit("lu.exp", entree);
    auto lu = LitProjet(chemin);
    Verifie(lu.has_value(), "a regular project file cannot be read");

    TProjet projet;
    projet.CommentairesProjet = lu->Commentaires;
    projet.FichRulNomme = lu->FichierRegles.has_value();
    projet.NomFichRul = lu->FichierRegles.value_or("");
    projet.FichDatNomme = lu->FichierBase.has_value();
    projet.NomFichDat = lu->FichierBase.value_or("");
    auto relu = LitProjet(Ecrit("relu.exp", TexteProjet(projet)));
    Verifie(relu && *relu == *lu, "the project file differs after writing and reading");

    const std::string repertoire = RepertoireDe(chemin);
    for (const auto& nom : {lu->FichierRegles, lu->FichierBase})
        if (nom && NomFichierSimple(*nom))
            Verifie(DansLeRepertoire(repertoire + *nom, repertoire), "a plain name leaves the directory", *nom);

    VerifieEnregistrement(std::string(Coupe(entree, "\n").first));

    TEtatVeridane etat;
    TFenetresConsole fenetres;
    TDialoguesJournal journal;
    TProgressionMuette progression;
    TCycleProjet cycle(etat, fenetres, journal, progression);
    cycle.OuvreProjet(chemin);
    VerifieEcritures(etat.Projet, repertoire);
    return 0;
}
