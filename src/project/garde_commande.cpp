#include "garde_commande.h"

#include <exception>

#include "core/dialogues.h"

namespace veridane {

std::string FichierDeCommande(const TEtatVeridane& etat) {
    const TProjet& projet = etat.Projet;
    if (!projet.NomProjet.empty()) return projet.RepertoireProjet + projet.NomProjet;
    if (!projet.NomFichRul.empty()) return projet.RepertoireProjet + projet.NomFichRul;
    return "(no file)";
}

std::string MessageFauteInterne(const std::string& commande, const std::string& fichier, const std::string& quoi) {
    return "Internal fault in the command \"" + commande + "\" on the file " + fichier + ": " + quoi +
           "\nThe project is left as it was before the command.";
}

bool ExecuteGardee(TEtatVeridane& etat, IDialogues& dialogues, const std::string& commande,
                   const std::function<void()>& action) {
    // A copy, not a log of changes: every command may change any part of the
    // state, and one copy per command costs far less than reading the files.
    TEtatVeridane avant = etat;
    std::string quoi;
    try {
        action();
        return true;
    } catch (const std::exception& e) {
        quoi = e.what();
    } catch (...) {
        quoi = "unknown exception";
    }
    std::string fichier = FichierDeCommande(etat);
    if (fichier == "(no file)") fichier = FichierDeCommande(avant);
    etat = std::move(avant);
    dialogues.Avertit(MessageFauteInterne(commande, fichier, quoi));
    return false;
}

}  // namespace veridane
