// The parameters dialog of the inference: the critical value of the priority
// degree, the threshold below which rules take no part in forward chaining.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace veridane {

class IDialogues;
struct TEtatVeridane;

class TModiConf : public QDialog {
    Q_OBJECT
public:
    TModiConf(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // Empties the field; the critical value is only shown once accepted.
    void Initialise();
    int Ouvre();

    QLineEdit* Champ() const { return champ_; }

public slots:
    // OK: reads, confirms and stores the value, or refuses it and empties
    // the field, keeping the dialog open.
    void BitBtn1Click();
    // Cancel: closes without change.
    void BitBtn2Click();
    // "Sweep...": shows what each critical value does; the value chosen
    // there is put in the field, for OK to confirm.
    void BalayageClick();

private:
    TEtatVeridane& etat_;
    IDialogues& dialogues_;
    QLineEdit* champ_;
    QPushButton* ok_;
    QPushButton* annuler_;
    QPushButton* balayage_;
};

}  // namespace veridane
