#include "Modale.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>

namespace veridane {

int ExecuteModale(QDialog& fenetre, TPresentation presentation) {
    switch (presentation) {
    case TPresentation::Telle: break;
    case TPresentation::Maximisee: fenetre.setWindowState(fenetre.windowState() | Qt::WindowMaximized); break;
    case TPresentation::Centree:
        // On the screen of the window that opened it, not merely over it.
        if (QScreen* ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen()) {
            if (!fenetre.testAttribute(Qt::WA_Resized)) fenetre.adjustSize();
            QRect cadre = fenetre.frameGeometry();
            cadre.moveCenter(ecran->availableGeometry().center());
            fenetre.move(cadre.topLeft());
        }
        break;
    }
    return fenetre.exec();
}

}  // namespace veridane
