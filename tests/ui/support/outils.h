// Shared helpers of the window tests: a copy of the demo project in a
// temporary directory, a scripted stand-in for the modal loop of the
// secondary windows, and short look-ups of controls by name.
#pragma once

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <string>

#include "project/fenetres_projet.h"

namespace veridane {

class TMenuExpert;

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

// Replaces the modal loop: records the title of each window opened and plays
// one scripted action on it; a window with no action left is closed by its
// frame.
class TPilote {
public:
    using TAction = std::function<int(QDialog&)>;

    int operator()(QDialog& fenetre);
    void Branche(TMenuExpert& menu);

    QStringList Titres;
    std::deque<TAction> Actions;

    // Usual actions.
    static TAction Choisit(TChoixNouveauProjet choix);  // a button of the new-project dialog
    static TAction OK(const QString* texte = nullptr);   // "OK" of the abstracts, text typed first
    static TAction Ferme();                              // the window's own close command
};

QAction* Action(QObject& fenetre, const char* nom);
// Enabled and, for a menu item, inside an enabled menu: usable by the user.
bool Utilisable(QObject& fenetre, const char* nom);

}  // namespace veridane
