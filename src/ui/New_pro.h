// The new-project dialog: a new dictionary, or a project on an existing
// rules base, or nothing.
#pragma once

#include <QDialog>

#include "core/dialogues.h"
#include "project/etat.h"
#include "project/fenetres_projet.h"

namespace veridane {

class TNewPro : public QDialog {
    Q_OBJECT
public:
    TNewPro(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // Each opening starts from "Cancel", which is also what closing the
    // dialog by its frame means.
    void Initialise() { ChoixFait = TChoixNouveauProjet::Annuler; }
    int Ouvre();
    TChoixNouveauProjet Choix() const { return ChoixFait; }

public slots:
    void NewDictionaryClick();
    void LinkRulesClick();
    void CancelClick();

private:
    TChoixNouveauProjet ChoixFait = TChoixNouveauProjet::Annuler;
};

}  // namespace veridane
