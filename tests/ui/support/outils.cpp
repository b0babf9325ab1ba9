#include "outils.h"

#include <QFile>
#include <QProcess>

#include "core/journal.h"
#include "project/cycle_projet.h"
#include "ui/Conversion.h"
#include "support/parcours.h"

namespace veridane {

TProjetDemo::TProjetDemo() {
    for (const char* nom : {"car.exp", "car.rul", "car.dic", "car.dta"}) {
        QString source = QString(VERIDANE_EXAMPLES) + "/" + nom;
        if (!QFile::copy(source, Dossier.filePath(nom))) qFatal("cannot copy %s", qPrintable(source));
    }
}

std::string TProjetDemo::Chemin(const QString& nom) const { return Octets(Dossier.filePath(nom)); }

QString TexteDuPdf(const QString& chemin) {
    QProcess outil;
    outil.start("pdftotext", {"-layout", chemin, "-"});
    if (!outil.waitForFinished(30000) || outil.exitCode() != 0) return {};
    return QString::fromUtf8(outil.readAllStandardOutput());
}

QAction* Action(QObject& fenetre, const char* nom) {
    auto* action = fenetre.findChild<QAction*>(nom);
    if (action == nullptr) qFatal("no action %s", nom);
    return action;
}

bool OuvreParLeMenu(QWidget& menu, const QString& projet) {
    TParcours parcours;
    parcours.Puis("QFileDialog", geste::NommeFichier(projet)).Puis("Abstract of the project", geste::Clique("OK"));
    const bool reussi = parcours.Choisit(menu, "Openproject1");
    if (!reussi) qWarning("%s", qPrintable(parcours.Erreur()));
    return reussi;
}

QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) return "(missing " + chemin.toLatin1() + ")";
    return fichier.readAll();
}

bool Remplace(const QString& chemin, const QByteArray& avant, const QByteArray& apres) {
    QByteArray texte = Contenu(chemin);
    if (!texte.contains(avant)) return false;
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichier.write(texte.replace(avant, apres)) >= 0;
}

bool Utilisable(QObject& fenetre, const char* nom) { return ActionUtilisable(*Action(fenetre, nom)); }

std::vector<TProposition> EntreesDico(std::vector<TProposition> entrees) {
    for (TProposition& p : entrees) p.Certitude = p.Precision = DegreNul;
    return entrees;
}

TEtatVeridane EtatDemo() {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TFenetresConsole fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(etat, fenetres, journal, progression).OuvreProjet(VERIDANE_TEST_DATA "/demo/car.exp"))
        qFatal("demo project not read");
    return etat;
}

}  // namespace veridane
