// The desktop program: veridane [--help] [--version] [PROJECT.EXP]
#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <cstring>

#include "ui/Conversion.h"
#include "ui/Menu_ex.h"
#include "veridane_version.h"

namespace {

void DecritProgramme() {
    QCoreApplication::setApplicationName("Veridane");
    QCoreApplication::setApplicationVersion(VERIDANE_VERSION);
}

// The command line, as every Qt program reads it: --help and --version print
// and end the program; anything else unknown is refused.
QString LitLigneCommande(const QCoreApplication& application) {
    QCommandLineParser options;
    options.setApplicationDescription(
        "Veridane is an expert-system shell: build a data dictionary, a rules base and a data base of "
        "observations, then run forward-chaining inference on an observation and read its reasoning tree.");
    options.addHelpOption();
    options.addVersionOption();
    options.addPositionalArgument("project", "The project file (.exp) to open.", "[PROJECT.EXP]");
    options.process(application);
    const QStringList projets = options.positionalArguments();
    if (projets.size() > 1) options.showHelp(2);
    return projets.isEmpty() ? QString() : projets.front();
}

// Help and version need no display: they are answered before any window
// system is opened, so they work on a console without one.
bool DemandeSeulementDuTexte(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (DemandeSeulementDuTexte(argc, argv)) {
        QCoreApplication console(argc, argv);
        DecritProgramme();
        LitLigneCommande(console);
        return 0;
    }

    // Fractional scale factors are used as they are, so that the SVG icons
    // and pictures are drawn crisp at 125 % or 150 % rather than rounded.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    QApplication application(argc, argv);
    DecritProgramme();
    QApplication::setWindowIcon(QIcon(":/pictures/program.svg"));
    const QString projet = LitLigneCommande(application);

    veridane::TMenuExpert menu;
    // Displays and files use the user's decimal separator; the start-up
    // state keeps it.
    menu.Etat().Base.SeparateurDecimal = QLocale().decimalPoint() == "," ? ',' : '.';
    // Where the user left it last time; the first time, top left and as
    // large as the screen allows, also where no window manager maximises it.
    if (menu.RestaureGeometrie()) {
        menu.show();
    } else {
        if (QScreen* ecran = QGuiApplication::primaryScreen()) menu.setGeometry(ecran->availableGeometry());
        menu.showMaximized();
    }

    // A project named on the command line opens once the window is up, as
    // "Open project" would open it.
    if (!projet.isEmpty()) {
        std::string chemin = veridane::Octets(QFileInfo(projet).absoluteFilePath());
        QTimer::singleShot(0, &menu, [&menu, chemin] { menu.OuvreProjet(chemin); });
    }
    return QApplication::exec();
}
