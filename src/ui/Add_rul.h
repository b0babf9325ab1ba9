// The rules editor: a rule is put together from dictionary entries (one
// conclusion, one or more premises), given a priority degree and inserted
// into the rules base at the place its priority gives.
#pragma once

#include <QDialog>
#include <functional>

#include "core/edition_regles.h"
#include "ui/Vali_deg.h"

class QAction;
class QComboBox;
class QListView;
class QListWidget;
class QPushButton;

namespace veridane {

class IDialogues;
class TModeleLignes;
struct TEtatVeridane;

class TAjoutRegles : public QDialog {
    Q_OBJECT
public:
    TAjoutRegles(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What opening the window does; also the reset after a rule was added.
    void Initialise();
    int Ouvre();

private slots:
    void Affiche();
    void AfficheLaRegle();
    void AddPremClick();
    void AddConcClick();
    void AffichageRegleClick();
    void RemoveItemClick();
    void AddRuleClick();
    void Close1Click();
    void Fermeture();

protected:
    // Escape and the window frame ask like "Close".
    void reject() override;

private:
    void Construit();
    // "Add Rule in Base" and its menu command follow the rule's readiness.
    void MontrePrete();
    void ActiveConclusion(bool active);

    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    TRegleEnCours Regle;
    TValiDeg* DialogueDegre = nullptr;

    // The dictionary, in the list and in the drop-down list of the
    // conclusion: one model, lines written when drawn.
    TModeleLignes* ModeleDico = nullptr;
    QListView* ListeDico = nullptr;
    QComboBox* ComboConclusion = nullptr;
    QPushButton* BoutonPremisse = nullptr;
    QPushButton* BoutonConclusion = nullptr;
    QListWidget* AffichageRegle = nullptr;
    QPushButton* BoutonRetireItem = nullptr;
    QPushButton* BoutonAjouteRegle = nullptr;
    QAction* MenuAjouteRegle = nullptr;
};

}  // namespace veridane
