// The findings window: the static checks of the knowledge base, one line per
// finding with its level's icon, filtered by level. Activating a finding on
// a rule (double-click or Enter) opens that rule in the rule modification
// window; "Check again" runs the checks anew after edits.
#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "verification/constats.h"

class QCheckBox;
class QLabel;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace veridane {

class IDialogues;
class TModeleConstats;
struct TEtatVeridane;

class TVerifBase : public QDialog {
    Q_OBJECT
public:
    TVerifBase(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What opening the window does: the checks run on the base as it stands.
    void Initialise();
    // Opens the window modally, prepared as above.
    int Ouvre();

    // Opens the rule modification window on a rule (index in the base, from
    // 0). The main window sets it.
    std::function<void(int)> OuvreModification;

    const std::vector<TConstat>& Constats() const { return Resultats; }

public slots:
    void CheckAgainClick();
    void FiltreClick();
    void ConstatActive(const QModelIndex& ligne);
    void ConstatChoisi(const QModelIndex& ligne);

private:
    void Construit();
    void Verifie();
    void Remplit();
    bool Montre(TNiveauConstat niveau) const;
    const TConstat* ConstatDe(const QModelIndex& ligne) const;

    TEtatVeridane& Etat;
    std::vector<TConstat> Resultats;

    // The findings shown, through a model: a large base has hundreds of
    // thousands of them.
    TModeleConstats* Modele = nullptr;
    QTreeView* Liste = nullptr;
    QCheckBox* FiltreErreurs = nullptr;
    QCheckBox* FiltreAvertissements = nullptr;
    QCheckBox* FiltreNotes = nullptr;
    QLabel* Resume = nullptr;
    QLabel* Detail = nullptr;  // the whole of the finding chosen
    QPushButton* BoutonVerifie = nullptr;
    QPushButton* BoutonFerme = nullptr;
};

}  // namespace veridane
