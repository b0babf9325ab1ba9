// The main window when the program fails, walked through its menus and
// message boxes (damaged files are walked in parcours_test): a save that
// meets a fault of the program itself
// (a write that throws) ends in a warning that names the command and the
// project file, the project, its files and the window stay as they were,
// and the next save works.
#include <QDir>
#include <QMap>
#include <QtTest>

#include "../core/systeme_en_panne.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Conversion.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

// Every file of the directory with its bytes.
QMap<QString, QByteArray> Contenus(const QDir& repertoire) {
    QMap<QString, QByteArray> contenus;
    for (const QString& nom : repertoire.entryList(QDir::Files)) contenus.insert(nom, Contenu(repertoire.filePath(nom)));
    return contenus;
}

}  // namespace

class TestGarde : public QObject {
    Q_OBJECT
private slots:
    void UneFauteDuProgrammePendantUneSauvegarde();
};

void TestGarde::UneFauteDuProgrammePendantUneSauvegarde() {
    TProjetDemo demo;
    test::TSystemeEnPanne systeme;
    TMenuExpert menu(systeme);
    menu.show();
    QVERIFY(OuvreParLeMenu(menu, demo.Repertoire().filePath("car.exp")));
    TParcours ajout;
    ajout.Puis("Observation n", Clique("OK"));
    QVERIFY2(ajout.Choisit(menu, "Addanobservation1"), qPrintable(ajout.Erreur()));
    const std::size_t observations = menu.Etat().Faits.Observations.size();
    QVERIFY(menu.Etat().Faits.BaseFaitsModifiee);
    const auto avant = Contenus(demo.Repertoire());

    systeme.Panne = test::TPanne::Exception;
    TParcours faute;
    faute.Puis("Internal fault", Clique("OK"));
    QVERIFY2(faute.Choisit(menu, "SpeedButton2Action"), qPrintable(faute.Erreur()));
    QCOMPARE(faute.Vus, QStringList{"Internal fault in the command \"Save project\" on the file " +
                                    Texte(demo.Chemin("car.EXP")) +
                                    ": write fault\nThe project is left as it was before the command."});
    QCOMPARE(Contenus(demo.Repertoire()), avant);
    QCOMPARE(menu.Etat().Faits.Observations.size(), observations);
    QVERIFY(menu.Etat().Faits.BaseFaitsModifiee);
    QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));
    QVERIFY(Utilisable(menu, "Saveproject1"));
    QVERIFY(menu.findChild<QWidget*>("Gauge1")->isHidden());

    // The program goes on: once the fault is gone the same button saves.
    systeme.Panne = test::TPanne::Aucune;
    TParcours sauvegarde;
    QVERIFY2(sauvegarde.Choisit(menu, "SpeedButton2Action"), qPrintable(sauvegarde.Erreur()));
    QCOMPARE(sauvegarde.Vus, QStringList());
    QVERIFY(!menu.Etat().Faits.BaseFaitsModifiee);
    QVERIFY(Contenus(demo.Repertoire())["car.dta"] != avant["car.dta"]);
}

QTEST_MAIN(TestGarde)
#include "garde_test.moc"
