// Implementations of the dialog and progress interfaces that need no window:
// a log of every message with scripted answers (tests, command-line program)
// and a silent progress display.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "dialogues.h"

namespace veridane {

struct TMessageJournal {
    TGenreMessage Genre;
    std::string Texte;
    TBoutons Boutons;
    bool operator==(const TMessageJournal&) const = default;
};

class TDialoguesJournal : public IDialogues {
public:
    TReponse Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) override;
    std::optional<std::string> ChoisitFichierAOuvrir(const std::string& motif) override;
    std::optional<std::string> ChoisitFichierAEnregistrer(const std::string& motif) override;

    // Every box shown, in order.
    std::vector<TMessageJournal> Messages;
    // Patterns of the file dialogs shown, in order.
    std::vector<std::string> Motifs;

    // Answers given to the next questions, in order; when none is left a
    // question gets ReponseParDefaut.
    std::deque<TReponse> Reponses;
    TReponse ReponseParDefaut = TReponse::Oui;
    // Paths given to the next file dialogs; nothing left means cancelled.
    std::deque<std::optional<std::string>> Fichiers;

    // Texts only, in order; handy in assertions.
    std::vector<std::string> Textes() const;
    int NbAvertissements() const;
};

class TProgressionMuette : public IProgression {
public:
    void Texte(const std::string&) override {}
    void Montre(int) override {}
    void Avance() override {}
    void Cache() override {}
    void Rafraichit() override {}
};

}  // namespace veridane
