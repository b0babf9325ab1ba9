// The About box: the program picture, its version and an OK button.
#pragma once

#include <QDialog>

#include "core/dialogues.h"
#include "project/etat.h"

namespace veridane {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    TAboutBox(TEtatVeridane& etat, IDialogues& dialogues, QWidget* parent = nullptr);

    void Initialise() {}
    int Ouvre();

public slots:
    void OKButtonClick() { accept(); }
};

}  // namespace veridane
