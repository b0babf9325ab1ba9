// Prints the MIME type that the shared-mime-info database of XDG_DATA_DIRS
// gives each file named on the command line, one per line.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream sortie(stdout);
    QMimeDatabase types;
    for (const QString& fichier : application.arguments().mid(1))
        sortie << types.mimeTypeForFile(fichier).name() << '\n';
    return 0;
}
