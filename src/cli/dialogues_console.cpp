#include "cli/dialogues_console.h"

#include "core/encodage.h"

namespace veridane {

TReponse TDialoguesConsole::Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) {
    const char* prefixe = "information: ";
    if (genre == TGenreMessage::Avertissement) {
        prefixe = "warning: ";
        ++Avertissements;
    } else if (genre == TGenreMessage::Confirmation) {
        prefixe = "question: ";
    }
    Sortie << prefixe << Utf8DepuisWindows1252(texte) << '\n';
    return boutons == TBoutons::Ok ? TReponse::Ok : ReponseAuxQuestions;
}

std::optional<std::string> TDialoguesConsole::ChoisitFichierAOuvrir(const std::string&) { return std::nullopt; }

std::optional<std::string> TDialoguesConsole::ChoisitFichierAEnregistrer(const std::string&) { return std::nullopt; }

}  // namespace veridane
