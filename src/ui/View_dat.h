// The data base viewer: the data of the selected observation one at a time,
// numbers with 7 significant digits.
#pragma once

#include "project/etat.h"
#include "ui/Visionneuse.h"

namespace veridane {

class IDialogues;

class TViewDat : public TVisionneuse {
    Q_OBJECT
public:
    TViewDat(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What the window does each time it is opened.
    void Initialise();
    int Ouvre();

protected:
    void MontrePosition() override { Affiche(); }

private:
    // Shows the datum at the current position of the selected observation.
    void Affiche();

    TEtatVeridane& Etat;
};

}  // namespace veridane
