// The dictionary viewer: one dictionary entry at a time, numbers with 4
// significant digits.
#pragma once

#include "project/etat.h"
#include "ui/Visionneuse.h"

namespace veridane {

class IDialogues;

class TViewDic : public TVisionneuse {
    Q_OBJECT
public:
    TViewDic(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    // What the window does each time it is opened.
    void Initialise();
    int Ouvre();

protected:
    void MontrePosition() override { AfficheDonnees(); }

private:
    // Shows the entry at the current position.
    void AfficheDonnees();

    TEtatVeridane& Etat;
};

}  // namespace veridane
