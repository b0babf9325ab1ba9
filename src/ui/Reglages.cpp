#include "Reglages.h"

#include <QDir>

namespace veridane {

namespace {
const char* const CleRecents = "recentProjects";
const char* const CleGeometrie = "mainWindow/geometry";

QString CleRepertoire(const QString& dialogue) { return "fileDialogs/" + dialogue + "/directory"; }

// One spelling per file, so the same project is not listed twice.
QString CheminNet(const QString& chemin) { return QDir::cleanPath(QDir(chemin).absolutePath()); }
}  // namespace

TReglages::TReglages() : Reglages(QSettings::NativeFormat, QSettings::UserScope, "Veridane", "Veridane") {}

QStringList TReglages::ProjetsRecents() const {
    QStringList recents = Reglages.value(CleRecents).toStringList();
    recents.removeAll(QString());
    recents.removeDuplicates();
    return recents.mid(0, NombreProjetsRecents);
}

void TReglages::AjouteProjetRecent(const QString& chemin) {
    QStringList recents = ProjetsRecents();
    const QString net = CheminNet(chemin);
    recents.removeAll(net);
    recents.prepend(net);
    Reglages.setValue(CleRecents, recents.mid(0, NombreProjetsRecents));
    Reglages.sync();
}

void TReglages::RetireProjetRecent(const QString& chemin) {
    QStringList recents = ProjetsRecents();
    recents.removeAll(CheminNet(chemin));
    Reglages.setValue(CleRecents, recents);
    Reglages.sync();
}

QString TReglages::DernierRepertoire(const QString& dialogue) const {
    return Reglages.value(CleRepertoire(dialogue)).toString();
}

void TReglages::RetientRepertoire(const QString& dialogue, const QString& repertoire) {
    Reglages.setValue(CleRepertoire(dialogue), repertoire);
    Reglages.sync();
}

QByteArray TReglages::GeometrieFenetre() const { return Reglages.value(CleGeometrie).toByteArray(); }

void TReglages::RetientGeometrieFenetre(const QByteArray& geometrie) {
    Reglages.setValue(CleGeometrie, geometrie);
    Reglages.sync();
}

}  // namespace veridane
