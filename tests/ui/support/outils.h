// Shared helpers of the window tests: a copy of the demo project in a
// temporary directory, and short look-ups of controls by name.
#pragma once

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <string>

#include "cli/fenetres_console.h"
#include "project/cycle_projet.h"
#include "project/etat.h"

namespace veridane {

// The demo project copied into a fresh directory, so saves cannot touch the
// original.
class TProjetDemo {
public:
    TProjetDemo();
    std::string Chemin(const QString& nom) const;  // Windows-1252 path in the directory
    std::string Projet() const { return Chemin("car.exp"); }
    QDir Repertoire() const { return QDir(Dossier.path()); }

private:
    QTemporaryDir Dossier;
};

// The demo project of tests/data read as "Open project" reads it, without
// any window; for tests that only need its state.
TEtatVeridane EtatDemo();

// Dictionary entries as the dictionary keeps them: with no degrees.
std::vector<TProposition> EntreesDico(std::vector<TProposition> entrees);

// Opens `projet` through "Open project" of the main window `menu`: its file
// dialog answered, then the project's abstract closed.
bool OuvreParLeMenu(QWidget& menu, const QString& projet);

// The bytes of a file; a marker naming it when it cannot be read.
QByteArray Contenu(const QString& chemin);
// Replaces `avant` by `apres` in the file; false when it is not there.
bool Remplace(const QString& chemin, const QByteArray& avant, const QByteArray& apres);

QAction* Action(QObject& fenetre, const char* nom);
// The text of a PDF file as pdftotext lays it out (pages split by '\f');
// empty when the tool fails.
QString TexteDuPdf(const QString& chemin);
// Enabled and, for a menu item, inside an enabled menu: usable by the user.
bool Utilisable(QObject& fenetre, const char* nom);

}  // namespace veridane
