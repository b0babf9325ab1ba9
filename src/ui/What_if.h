// "What if...": the current observation copied into a scratch data base,
// changed with the data manager's own controls, and after each change the
// difference of the conclusions against the observation as it is. The data
// base is only changed when the person chooses "Keep these data", which
// changes it as an add or a removal would (so the save questions apply).
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "inference/balayage.h"

#include "project/etat.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace veridane {

class IDialogues;
class TGereFaits;

class TQueSi : public QDialog {
    Q_OBJECT
public:
    TQueSi(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // Copies the current observation and shows its conclusions unchanged.
    void Initialise();
    int Ouvre();

    // The data were kept into the data base when the window closed.
    bool Garde() const { return Gardees; }

private:
    void Construit(IDialogues& dialogues);
    // Runs the scratch copy and shows what it gains and loses.
    void Actualise();
    void GardeClick();

    TEtatVeridane& Etat;
    TEtatVeridane Brouillon;
    // Runs on the copy of the rules, which the window keeps as it is.
    std::optional<TBalayeur> Balayeur;
    std::vector<TProposition> DeduitsOriginal;
    bool Gardees = false;

    TGereFaits* Gestionnaire = nullptr;
    QLabel* LabelTitre = nullptr;
    QListWidget* ListeDifference = nullptr;
    QLabel* LabelComptes = nullptr;
    QPushButton* BoutonGarder = nullptr;
    QPushButton* BoutonFermer = nullptr;
};

}  // namespace veridane
