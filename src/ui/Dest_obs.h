// The observations eraser: browse the observations of the data base one at a
// time and remove the one shown.
#pragma once

#include <QDialog>

#include "core/dialogues.h"
#include "project/cycle_projet.h"
#include "project/etat.h"
#include "ui/ModeleLignes.h"

class QLabel;
class QListView;
class QScrollBar;

namespace veridane {

class TDestroyObs : public QDialog {
    Q_OBJECT
public:
    TDestroyObs(TEtatVeridane& etat, IDialogues& dialogues, TCycleProjet& cycle, QWidget* parent = nullptr);

    // What happens when the window is opened (FormActivate).
    void Initialise();
    int Ouvre();

    int Position() const;

signals:
    // The observations changed while the window stays open.
    void BaseChangee();

public:
    // Closing by the frame is "&Close".
    void reject() override { Close1Click(); }

private slots:
    void Affiche();
    void Button1Click();
    void First1Click();
    void Last1Click();
    void Next1Click();
    void Previous1Click();
    void Close1Click();

private:
    void MetLesBornes();

    TEtatVeridane& Etat;
    TCycleProjet& Cycle;

    QLabel* Label1;
    QScrollBar* ScrollBar1;
    // The data of the observation shown, written when drawn.
    QListView* ListBox1;
    TModeleObservation* DonneesObservation;
};

}  // namespace veridane
