// The priority degree dialog of the rules editor: asks for a degree from 0
// to 1, confirms it as a percentage, refuses anything else.
#pragma once

#include <QDialog>

class QLineEdit;

namespace veridane {

class IDialogues;
struct TEtatVeridane;

// What the dialog leaves for the rules editor.
struct TResultatDegre {
    double Degre = 0.0;
    bool DegreAccepte = false;
    bool Annule = false;
};

class TValiDeg : public QDialog {
    Q_OBJECT
public:
    TValiDeg(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // The field keeps its last text between showings; only the focus moves.
    void Initialise();
    int Ouvre();

    const TResultatDegre& Resultat() const { return Resultats; }

protected:
    // Escape and the window frame mean Cancel.
    void reject() override;

private slots:
    void BitBtn1Click();  // OK
    void BitBtn2Click();  // Cancel

private:
    TEtatVeridane& Etat;
    IDialogues& Dialogues;
    TResultatDegre Resultats;
    QLineEdit* Edit1 = nullptr;
};

}  // namespace veridane
