#include "garde_commande.h"

#include <exception>
#include <optional>

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

namespace {

// Runs `action`: the text of the exception it threw, or nothing.
std::optional<std::string> Faute(const std::function<void()>& action) {
    try {
        action();
        return std::nullopt;
    } catch (const std::exception& e) {
        return std::string(e.what());
    } catch (...) {
        return std::string("unknown exception");
    }
}

}  // namespace

bool ExecuteGardee(TEtatVeridane& etat, IDialogues& dialogues, const std::string& commande,
                   const std::function<void()>& action, TGarde garde) {
    if (garde == TGarde::LectureSeule) {
        const auto quoi = Faute(action);
        if (quoi) dialogues.Avertit(MessageFauteInterne(commande, FichierDeCommande(etat), *quoi));
        return !quoi;
    }
    // A copy, not a log of changes: every command may change any part of the
    // state, and one copy per command costs far less than reading the files.
    TEtatVeridane avant = etat;
    const auto quoi = Faute(action);
    if (!quoi) return true;
    std::string fichier = FichierDeCommande(etat);
    if (fichier == "(no file)") fichier = FichierDeCommande(avant);
    etat = std::move(avant);
    dialogues.Avertit(MessageFauteInterne(commande, fichier, *quoi));
    return false;
}

}  // namespace veridane
