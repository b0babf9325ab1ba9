#include "ProgressionQt.h"

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
    Jauge.show();
}

void TProgressionQt::Avance() {
    if (Jauge.value() < Jauge.maximum()) Jauge.setValue(Jauge.value() + 1);
}

void TProgressionQt::Cache() { Jauge.hide(); }

void TProgressionQt::Rafraichit() {
    // Paint what changed, without taking user input in the middle of a file.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace veridane
