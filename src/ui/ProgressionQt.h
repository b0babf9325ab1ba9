// The progress display of the file operations on the main window: the text
// goes to the status line, the gauge is shown only while a file is read or
// written.
#pragma once

#include "core/dialogues.h"

class QProgressBar;
class QStatusBar;

namespace veridane {

class TProgressionQt : public IProgression {
public:
    TProgressionQt(QStatusBar& ligneEtat, QProgressBar& jauge) : LigneEtat(ligneEtat), Jauge(jauge) {}

    void Texte(const std::string& texte) override;
    void Montre(int maximum) override;
    void Avance() override;
    void Cache() override;
    void Rafraichit() override;

private:
    QStatusBar& LigneEtat;
    QProgressBar& Jauge;
    // A file of a million rules advances a million times: the gauge is
    // moved only every Pas steps, a fraction of its width, and at the end.
    int Position = 0;
    int Pas = 1;
};

}  // namespace veridane
