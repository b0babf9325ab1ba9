// "check PROJECT.EXP": opens a project as "Open project" does (the abstract
// window left out) and prints every message, then what the project holds.
#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "cli/fenetres_console.h"
#include "core/journal.h"
#include "project/cycle_projet.h"

namespace veridane {

int VerifieProjet(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    TEtatVeridane etat;
    etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TDialoguesConsole dialogues(contexte.Sortie);
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    TCycleProjet(etat, fenetres, dialogues, progression).OuvreProjet(arguments.front());
    contexte.Sortie << "rules: " << etat.Base.NbRegles << ", dictionary: " << etat.Base.Dictionnaire.size()
                    << ", observations: " << etat.Faits.Observations.size() << ", data: " << etat.Faits.CompteFaits()
                    << '\n';
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
