// How the core talks to a person. The core never blocks on its own: every
// message box, question, file choice and progress display goes through these
// interfaces. The windows implement them with Qt; tests and the command-line
// program implement them with a script or a log (see journal.h).
#pragma once

#include <optional>
#include <string>

namespace veridane {

enum class TGenreMessage { Avertissement, Information, Confirmation };
enum class TBoutons { Ok, OuiNon, OuiNonAnnuler };
enum class TReponse { Ok, Oui, Non, Annuler };

class IDialogues {
public:
    virtual ~IDialogues() = default;

    // A modal message box; texts are Windows-1252 bytes. Returns the button
    // pressed (Ok for a box with a single OK button).
    virtual TReponse Message(TGenreMessage genre, const std::string& texte, TBoutons boutons) = 0;

    // File choice; the pattern is the initial file name ("*.exp", "*.rul",
    // "*.dta"). Returns the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> ChoisitFichierAOuvrir(const std::string& motif) = 0;
    virtual std::optional<std::string> ChoisitFichierAEnregistrer(const std::string& motif) = 0;

    // Shorthands for the three usual boxes.
    void Avertit(const std::string& texte) { Message(TGenreMessage::Avertissement, texte, TBoutons::Ok); }
    void Informe(const std::string& texte) { Message(TGenreMessage::Information, texte, TBoutons::Ok); }
    TReponse Demande(const std::string& texte, bool avecAnnuler = false) {
        return Message(TGenreMessage::Confirmation, texte, avecAnnuler ? TBoutons::OuiNonAnnuler : TBoutons::OuiNon);
    }
};

// The status line's progress text, the gauge and the repaint pump.
class IProgression {
public:
    virtual ~IProgression() = default;
    virtual void Texte(const std::string& texte) = 0;  // empty text clears it
    virtual void Montre(int maximum) = 0;               // gauge visible, 0..maximum, at 0
    virtual void Avance() = 0;                          // gauge one step further
    virtual void Cache() = 0;                           // gauge hidden
    virtual void Rafraichit() = 0;                      // let the windows repaint
};

}  // namespace veridane
