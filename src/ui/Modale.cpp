#include "Modale.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace veridane {

namespace {

void Centre(QDialog& fenetre) {
    QScreen* ecran = fenetre.screen() ? fenetre.screen() : QGuiApplication::primaryScreen();
    if (ecran == nullptr) return;
    if (!fenetre.isVisible() && !fenetre.testAttribute(Qt::WA_Resized)) fenetre.adjustSize();
    QRect cadre = fenetre.frameGeometry();
    cadre.moveCenter(ecran->availableGeometry().center());
    fenetre.move(cadre.topLeft());
}

}  // namespace

int ExecuteModale(QDialog& fenetre, TPresentation presentation) {
    switch (presentation) {
    case TPresentation::Telle: break;
    case TPresentation::Maximisee: fenetre.setWindowState(fenetre.windowState() | Qt::WindowMaximized); break;
    case TPresentation::Centree:
        // On the screen, not merely over the window that opened it; again
        // once shown, when the window knows its final size and frame.
        Centre(fenetre);
        QTimer::singleShot(0, &fenetre, [&fenetre] { Centre(fenetre); });
        break;
    }
    return fenetre.exec();
}

}  // namespace veridane
