// "What if..." reached from the data base manager on the demo: one reading
// changed on the scratch copy with the manager's own buttons changes the
// diagnosis in the live list, and leaving leaves the data base as it was.
#include <QLabel>
#include <QAbstractItemView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "support/parcours.h"
#include "core/journal.h"
#include "support/outils.h"
#include "project/cycle_projet.h"
#include "project/gestion_faits.h"
#include "ui/Man_dat.h"

using namespace veridane;

namespace {

// On the scratch copy of observation 1: the battery reads 12.6 V instead of
// 11.6 V, replaced with the manager's Remove and Add buttons.
void ChangeLaTension(QDialog& queSi) {
    auto* observation = Controle<QAbstractItemView>(queSi, "ListeObservation");
    QVERIFY(CliqueLigne(queSi, "ListeObservation", QString("BATTERY_VOLTAGE = 11.6")));
    UtiliseCommande(queSi, "BoutonRetrait");
    UtiliseCommande(queSi, "BoutonOK");
    QTRY_VERIFY_WITH_TIMEOUT(!Lignes(observation).contains("BATTERY_VOLTAGE = 11.6"), 5000);
    QVERIFY(CliqueLigne(queSi, "ListeDico", QString("BATTERY_VOLTAGE = 12.6")));
    UtiliseCommande(queSi, "BoutonAjout");
    UtiliseCommande(queSi, "BoutonOK");
    QTRY_VERIFY_WITH_TIMEOUT(Lignes(observation).contains("BATTERY_VOLTAGE = 12.6"), 5000);
}

const QStringList DiagnosticChange = {
    "+ BATTERY_CHARGE = GOOD",  "+ CONNECTIONS = POOR",       "+ DIAGNOSIS = CORRODED_TERMINALS",
    "+ ACTION = CLEAN_TERMINALS", "- BATTERY_CHARGE = LOW",   "- BATTERY = FLAT",
    "- DIAGNOSIS = BATTERY_DRAINED", "- ACTION = RECHARGE_BATTERY"};

}  // namespace

class WhatIfTest : public QObject {
    Q_OBJECT
private slots:
    void laCopieChangeLeDiagnosticSansToucherLaBase();
};

// Leaving by Escape; "Close" and "Keep these data" are walked from the main
// window, with the save questions that follow.
void WhatIfTest::laCopieChangeLeDiagnosticSansToucherLaBase() {
    TEtatVeridane etat = EtatDemo();
    const TObservation avant = etat.Faits.ObservationCourante();
    TDialoguesJournal journal;
    TGereFaits gestionnaire(etat, journal);
    gestionnaire.Initialise();
    gestionnaire.show();

    QVERIFY(DansLaModale(gestionnaire, "BoutonQueSi", "What if...", [&](QDialog& queSi) {
        auto* difference = Controle<QAbstractItemView>(queSi, "ListeDifference");
        QCOMPARE(Lignes(difference), QStringList{"No change in the conclusions"});
        QVERIFY(!Controle<QPushButton>(queSi, "BoutonGarder")->isEnabled());
        // The copy's own manager has no "What if..." of its own.
        QVERIFY(Controle<QPushButton>(queSi, "BoutonQueSi")->isHidden());

        ChangeLaTension(queSi);
        QCOMPARE(Lignes(difference), DiagnosticChange);
        QCOMPARE(Controle<QLabel>(queSi, "LabelComptes")->text(),
                 QString("Deduced data: 9 as the observation is, 9 with these data (gained 4, lost 4) at the "
                         "critical value 0."));
        QVERIFY(Controle<QPushButton>(queSi, "BoutonGarder")->isEnabled());
        QTest::keyClick(Controle<QAbstractItemView>(queSi, "ListeObservation"), Qt::Key_Escape);
        QVERIFY(!queSi.isVisible());
    }));

    QVERIFY(!etat.Faits.BaseFaitsModifiee);
    QVERIFY(MemesDonnees(etat.Faits.ObservationCourante(), avant));
    QVERIFY(Lignes(Controle<QAbstractItemView>(gestionnaire, "ListeObservation")).contains("BATTERY_VOLTAGE = 11.6"));
    QVERIFY(gestionnaire.isVisible());
    QVERIFY(journal.Messages.empty());
}

QTEST_MAIN(WhatIfTest)
#include "What_if_test.moc"
