// A whole what-if from the main window of the demo project: "Data base" >
// "Add / Remove data", "What if...", one datum taken out of the scratch copy
// (the diagnosis goes), then the copy closed or kept, the manager closed and
// the program quit. Nothing is asked nor saved unless the data were kept.
#include <QFile>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

QByteArray Contenu(const TProjetDemo& demo, const QString& nom) {
    QFile fichier(demo.Repertoire().filePath(nom));
    if (!fichier.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(nom));
    return fichier.readAll();
}

}  // namespace

class WhatIfJourneyTest : public QObject {
    Q_OBJECT
private slots:
    void rienNEstEnregistreSansGarder_data();
    void rienNEstEnregistreSansGarder();
};

void WhatIfJourneyTest::rienNEstEnregistreSansGarder_data() {
    QTest::addColumn<QString>("sortie");  // the button that leaves the what-if
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("close") << "Close" << QStringList{"Do you want to quit Veridane ?"};
    QTest::newRow("keep") << "Keep these data"
                          << QStringList{"Do you want to quit Veridane ?", "Current data base has changed, save it?"};
}

void WhatIfJourneyTest::rienNEstEnregistreSansGarder() {
    QFETCH(QString, sortie);
    QFETCH(QStringList, questions);
    TProjetDemo demo;
    const QByteArray baseAvant = Contenu(demo, "car.dta");
    TMenuExpert menu;
    menu.show();
    TParcours ouverture;
    ouverture.Puis("QFileDialog", NommeFichier(demo.Repertoire().filePath("car.exp")))
        .Puis("Abstract of the project", Clique("OK"));
    QVERIFY2(ouverture.Choisit(menu, "Openproject1"), qPrintable(ouverture.Erreur()));

    QStringList difference, observation;
    TParcours parcours;
    parcours.Puis("Data base Manager", Suite({Clique("What if..."), Utilise("Close1")}))
        .Puis("What if...", [&](QWidget& queSi) {
            const int ligne = LignesDe(queSi, "ListeObservation").indexOf("LIGHTS_LEFT_ON = YES");
            QVERIFY(CliqueLigne(queSi, "ListeObservation", ligne));
            Suite({Clique("Remove"), Clique("Remove data")})(queSi);
            Attend([&] { return LignesDe(queSi, "ListeDifference").contains("- DIAGNOSIS = BATTERY_DRAINED"); });
            difference = LignesDe(queSi, "ListeDifference");
            observation = LignesDe(queSi, "ListeObservation");
            Clique(sortie)(queSi);
        });
    QVERIFY2(parcours.Choisit(menu, "Adddata2"), qPrintable(parcours.Erreur()));
    QCOMPARE(difference, (QStringList{"- DRAIN = LIGHTS", "- DIAGNOSIS = BATTERY_DRAINED",
                                      "- ACTION = RECHARGE_BATTERY"}));
    QVERIFY(!observation.contains("LIGHTS_LEFT_ON = YES"));
    const bool gardees = sortie == "Keep these data";
    QCOMPARE(LignesDe(menu, "EtatObs").contains("LIGHTS_LEFT_ON = YES"), !gardees);

    TParcours sortieDuProgramme;
    for (const QString& question : questions) sortieDuProgramme.Puis(question, Clique("Yes"));
    QVERIFY2(sortieDuProgramme.Choisit(menu, "Exit1"), qPrintable(sortieDuProgramme.Erreur()));
    QCOMPARE(sortieDuProgramme.Vus, questions);
    QVERIFY(menu.Quitte());
    // Saved only when kept, and then without the datum taken out.
    QCOMPARE(Contenu(demo, "car.dta") == baseAvant, !gardees);
    QCOMPARE(Contenu(demo, "car.dta").contains("LIGHTS_LEFT_ON = YES"), !gardees);
}

QTEST_MAIN(WhatIfJourneyTest)
#include "what_if_journey_test.moc"
