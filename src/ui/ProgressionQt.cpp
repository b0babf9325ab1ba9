#include "ProgressionQt.h"

#include <algorithm>

#include <QCoreApplication>
#include <QProgressBar>
#include <QStatusBar>

#include "Conversion.h"

namespace veridane {

void TProgressionQt::Texte(const std::string& texte) {
    if (texte.empty())
        LigneEtat.clearMessage();
    else
        LigneEtat.showMessage(veridane::Texte(texte));
}

void TProgressionQt::Montre(int maximum) {
    Jauge.setRange(0, maximum > 0 ? maximum : 1);
    Jauge.setValue(0);
    Position = 0;
    Pas = std::max(1, Jauge.maximum() / 1000);
    Jauge.show();
}

void TProgressionQt::Avance() {
    if (Position >= Jauge.maximum()) return;
    ++Position;
    if (Position % Pas == 0 || Position == Jauge.maximum()) Jauge.setValue(Position);
}

void TProgressionQt::Cache() { Jauge.hide(); }

void TProgressionQt::Rafraichit() {
    // Paint what changed, without taking user input in the middle of a file.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace veridane
