// The rule modification window: premises taken from the dictionary are added
// to the chosen rule or removed from it (one always stays), and its priority
// degree is changed. It edits the rule in place; there is no cancel.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace veridane {

class IDialogues;
class TModeleLignes;
struct TEtatVeridane;
struct TRegle;

class TModifRule : public QDialog {
    Q_OBJECT
public:
    TModifRule(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // The rule to edit: its index in the rules base (the chooser's rule).
    void ChoisitRegle(int index) { Index = index; }
    int RegleChoisie() const { return Index; }

    // What opening the window does.
    void Initialise();
    int Ouvre();

    // -2 when the dictionary entry chosen in the drop-down is in neither the
    // conclusion nor a premise, -1 when only in the conclusion, else the
    // position of the last equal premise; -3 when no entry is chosen.
    int Presence() const;

protected:
    // The window frame and Escape close like "Close".
    void reject() override;

private slots:
    void AfficheLaRegle();
    void ComboDicoChange(int index);
    void AddPremClick();
    void RemovePremiseClick();
    void DegreChange();
    void Close1Click();

private:
    void Construit();
    TRegle& Regle();
    void AfficheDegre();

    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    int Index = 0;
    bool PremierAffichage = false;
    bool PremisseAjoutee = false;

    QListWidget* ListePremisses = nullptr;
    QLineEdit* LigneConclusion = nullptr;
    QComboBox* ComboDico = nullptr;
    // Its choices, the dictionary entries, written when shown.
    TModeleLignes* ModeleDico = nullptr;
    QPushButton* BoutonAjoutePremisse = nullptr;
    QPushButton* BoutonRetirePremisse = nullptr;
    QLineEdit* EditDegre = nullptr;
    QLabel* LabelPourcentage = nullptr;
};

}  // namespace veridane
