// The dialog interface of the command-line program: every message box the
// windows would show is printed on one line, in UTF-8, as "warning: TEXT" or
// "information: TEXT". Nobody is there to answer, so questions get a fixed
// answer and file choices are cancelled.
#pragma once

#include <ostream>

#include "core/dialogues.h"

namespace veridane {

class TDialoguesConsole : public IDialogues {
public:
    explicit TDialoguesConsole(std::ostream& sortie, TReponse reponseAuxQuestions = TReponse::Non)
        : Sortie(sortie), ReponseAuxQuestions(reponseAuxQuestions) {}

    TReponse Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) override;
    std::optional<std::string> ChoisitFichierAOuvrir(const std::string& motif) override;
    std::optional<std::string> ChoisitFichierAEnregistrer(const std::string& motif) override;

    int NbAvertissements() const { return Avertissements; }

private:
    std::ostream& Sortie;
    TReponse ReponseAuxQuestions;
    int Avertissements = 0;
};

}  // namespace veridane
