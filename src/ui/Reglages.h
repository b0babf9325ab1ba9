// What the program remembers from one run to the next: the recent projects,
// the last directory of each file dialog and the main window's geometry.
// The critical value is never remembered: every opening resets it.
#pragma once

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace veridane {

class TReglages {
public:
    // The user's settings of the program (QSettings' native place, which
    // tests move with XDG_CONFIG_HOME).
    TReglages();

    static constexpr int NombreProjetsRecents = 8;

    // Most recent first, at most NombreProjetsRecents, each path once.
    QStringList ProjetsRecents() const;
    void AjouteProjetRecent(const QString& chemin);
    void RetireProjetRecent(const QString& chemin);

    // The directory a file dialog showed last; empty when never used.
    QString DernierRepertoire(const QString& dialogue) const;
    void RetientRepertoire(const QString& dialogue, const QString& repertoire);

    QByteArray GeometrieFenetre() const;
    void RetientGeometrieFenetre(const QByteArray& geometrie);

private:
    mutable QSettings Reglages;
};

}  // namespace veridane
