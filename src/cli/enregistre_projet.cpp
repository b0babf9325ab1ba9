// "save PROJECT.EXP TARGET.EXP": opens a project and saves it under another
// name as "Save project as..." does, without asking for a commentary: the
// project's own abstract is kept, or the rules file's comments when it has
// none. The four files are written in TARGET's directory.
#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "core/journal.h"
#include "project/cycle_projet.h"

namespace veridane {

int EnregistreProjet(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    if (arguments.size() != 2 || ExtensionDe(arguments[0]) != ".EXP" || ExtensionDe(arguments[1]) != ".EXP")
        return UsageCli(contexte);
    TEtatVeridane etat;
    etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TDialoguesConsole dialogues(contexte.Sortie);
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    TCycleProjet cycle(etat, fenetres, dialogues, progression);
    // A project that did not open is not saved.
    if (!cycle.OuvreProjet(arguments[0])) return SortieAvertissement;
    // Neither a rules base nor a data base came out of it (the program is back
    // in its start-up state): a copy would hold nothing of the project.
    if (!etat.Base.BaseReglesOuverte && etat.Faits.Observations.empty()) return SortieAvertissement;
    cycle.EnregistreSous(arguments[1], false);
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
