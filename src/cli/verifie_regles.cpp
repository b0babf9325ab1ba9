// "check FILE.RUL": reads a rules file as opening a project does (the
// dictionary beside it included) and prints every message it gives.
#include "cli/commandes.h"
#include "cli/dialogues_console.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/journal.h"

namespace veridane {

int VerifieRegles(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    TBaseConnaissances base;
    base.Vide();
    base.AvecDico = true;
    base.SeparateurDecimal = contexte.SeparateurDecimal;
    TEtatCommandes commandes;
    TDialoguesConsole dialogues(contexte.Sortie);
    TProgressionMuette progression;
    OuvrirFR(base, arguments.front(), commandes, dialogues, progression);
    contexte.Sortie << "rules: " << base.NbRegles << ", dictionary: " << base.Dictionnaire.size() << '\n';
    return dialogues.NbAvertissements() > 0 ? SortieAvertissement : SortieSucces;
}

}  // namespace veridane
