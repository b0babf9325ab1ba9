// The abstracts window: the names of the project's files and the commentary
// of the project or of the data base. Read-only after a project is opened;
// editable when a save under a new name asks for the commentary, and then
// only "OK" takes the text over.
#pragma once

#include <QDialog>

#include "core/dialogues.h"
#include "project/etat.h"

class QLabel;
class QPlainTextEdit;

namespace veridane {

class TAbstracts : public QDialog {
    Q_OBJECT
public:
    TAbstracts(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // Each prepares the window and shows it modally, centred.
    int MontreProjet();
    int ChangeComment(bool base);
    // Fills the four name labels.
    void Visualise();

    bool EditionEnAttente() const { return EnAttente; }

public slots:
    void OKAbstractClick();

private:
    void RemplitTexte(const std::vector<std::string>& lignes);

    TEtatVeridane& Etat;
    bool EnAttente = false;  // an edit waits for "OK"
    bool CibleBase = false;  // the edit is the data base's commentary

    QLabel* NomProjet;
    QLabel* Repertoire;
    QLabel* FichierRegles;
    QLabel* FichierBase;
    QPlainTextEdit* Commentaire;
};

}  // namespace veridane
