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
    // After the files of a save: the files that travel with the project
    // (its cases file) are written when they changed, or always when the
    // project was saved under a new name. False when one could not be
    // written (a warning said so).
    virtual bool SauveFichiersAnnexes(bool nouveauNom) {
        (void)nouveauNom;
        return true;
    }
};

}  // namespace veridane
