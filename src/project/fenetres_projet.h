// The windows that the project operations open. The main window implements
// this with its dialogs; tests and the command-line program with scripts.
#pragma once

namespace veridane {

enum class TChoixNouveauProjet { CreerDictionnaire, LierRegles, Annuler };

class IFenetresProjet {
public:
    virtual ~IFenetresProjet() = default;
    // The new-project dialog: which of its three buttons was pressed.
    virtual TChoixNouveauProjet NouveauProjet() = 0;
    // The dictionary manager, shown modally until it is closed.
    virtual void GestionnaireDico() = 0;
    // The project abstract, read-only.
    virtual void MontreProjet() = 0;
    // The commentary of the data base (base true) or of the project,
    // editable; the window replaces the comment list when "OK" is pressed.
    virtual void ChangeComment(bool base) = 0;
};

}  // namespace veridane
