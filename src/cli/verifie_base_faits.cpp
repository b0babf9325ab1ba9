// "check FILE.DTA": reads a data base file as opening a project does and
// prints every message it gives, then what it holds.
#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "core/journal.h"
#include "project/base_faits.h"
#include "project/etat.h"

namespace veridane {

int VerifieBaseFaits(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    TEtatVeridane etat;
    etat.Base.SeparateurDecimal = contexte.SeparateurDecimal;
    TDialoguesConsole dialogues(contexte.Sortie);
    TProgressionMuette progression;
    OuvrirFF(etat, arguments.front(), dialogues, progression);
    contexte.Sortie << "observations: " << etat.Faits.Observations.size() << ", data: " << etat.Faits.CompteFaits()
                    << '\n';
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
