// The desktop program: veridane [PROJECT.EXP]
#include <QApplication>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTimer>

#include "ui/Conversion.h"
#include "ui/Menu_ex.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Veridane");
    QApplication::setWindowIcon(QIcon(":/pictures/program.svg"));

    veridane::TMenuExpert menu;
    // Displays and files use the user's decimal separator; the start-up
    // state keeps it.
    menu.Etat().Base.SeparateurDecimal = QLocale().decimalPoint() == "," ? ',' : '.';
    // Top left and as large as the screen allows, also where no window
    // manager maximises it.
    if (QScreen* ecran = QGuiApplication::primaryScreen()) menu.setGeometry(ecran->availableGeometry());
    menu.showMaximized();

    // A project named on the command line opens once the window is up, as
    // "Open project" would open it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        std::string chemin = veridane::Octets(QFileInfo(arguments.at(1)).absoluteFilePath());
        QTimer::singleShot(0, &menu, [&menu, chemin] { menu.OuvreProjet(chemin); });
    }
    return QApplication::exec();
}
