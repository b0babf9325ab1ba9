// The demo project end to end: its rules and data base read from examples/,
// the first observation chosen in the selection window, the run shown in the
// forward chaining window and the tree of its reasoning.
#include <QListWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/fichier_regles.h"
#include "core/journal.h"
#include "inference/moteur.h"
#include "project/base_faits.h"
#include "project/etat.h"
#include "ui/Forw_ch.h"
#include "ui/Sel_chai.h"
#include "ui/Tree_rea.h"

using namespace veridane;

namespace {

QStringList Lignes(const QWidget& fenetre, const char* nom) {
    QStringList lignes;
    auto* liste = fenetre.findChild<QListWidget*>(nom);
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

QString TexteDe(const QWidget& fenetre, const char* nom) { return fenetre.findChild<QLabel*>(nom)->text(); }

}  // namespace

class DemoInferenceTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void premiereObservation();

private:
    TEtatVeridane etat;
    TDialoguesJournal journal;
};

void DemoInferenceTest::initTestCase() {
    TProgressionMuette progression;
    const std::string dossier = std::string(VERIDANE_EXAMPLES) + "/";
    QVERIFY(OuvrirFR(etat.Base, dossier + "car.rul", etat.Commandes, journal, progression));
    QVERIFY(OuvrirFF(etat, dossier + "car.dta", journal, progression));
    QVERIFY2(journal.Messages.empty(), journal.Messages.empty() ? "" : journal.Messages[0].Texte.c_str());
    QCOMPARE(etat.Base.Regles.size(), std::size_t{43});
    QCOMPARE(etat.Faits.Observations.size(), std::size_t{8});
}

void DemoInferenceTest::premiereObservation() {
    TMoteur moteur;
    std::vector<std::string> details;
    QStringList niveau0;
    QStringList niveaux;
    TSelChain selection(etat, journal, moteur);
    selection.FixeOuvertureChainage([&] {
        TForwChain fenetre(etat, journal, moteur);
        fenetre.FixeBoiteDetails([&](const std::string&, const std::string& texte) { details.push_back(texte); });
        fenetre.Lance();

        QCOMPARE(TexteDe(fenetre, "NbRules"), QString("Rules Base: 43 rules"));
        QCOMPARE(TexteDe(fenetre, "NbTriggered"), QString("Triggered rule: 9"));
        QCOMPARE(TexteDe(fenetre, "NbData"), QString("Data Base: 16"));
        QCOMPARE(TexteDe(fenetre, "NbInitial"), QString("Initial data: 7 data"));
        QCOMPARE(TexteDe(fenetre, "NbDeduced"), QString("Deduced data: 9"));
        QCOMPARE(Lignes(fenetre, "InitialData"),
                 QStringList({"KEY_TURN = CLICKS", "DASH_LIGHTS = DIM", "BATTERY_VOLTAGE = 11.6", "BATTERY_AGE = 2",
                              "LIGHTS_LEFT_ON = YES", "SECURITY_LIGHT = OFF", "WEATHER = MILD"}));
        QCOMPARE(Lignes(fenetre, "TriggeredRules"), QStringList({"Rule 1", "Rule 3", "Rule 13", "Rule 14", "Rule 23",
                                                                 "Rule 33", "Rule 6", "Rule 7", "Rule 9"}));
        QCOMPARE(Lignes(fenetre, "DeducedData"),
                 QStringList({"STARTER_POWER = WEAK", "BATTERY_CHARGE = LOW", "IMMOBILISER = RELEASED",
                              "DRAIN = LIGHTS", "BATTERY_CONDITION = SOUND", "COLD_START = NO", "BATTERY = FLAT",
                              "DIAGNOSIS = BATTERY_DRAINED", "ACTION = RECHARGE_BATTERY"}));

        // The third deduced datum was brought by rule 13.
        fenetre.findChild<QListWidget*>("DeducedData")->setCurrentRow(2);
        fenetre.DeducedDataClick();
        fenetre.ViewRuleClick();

        TTree arbre(etat, journal, moteur);
        arbre.Initialise();
        niveau0 = arbre.Niveau0()->toPlainText().split('\n');
        niveaux = arbre.Niveaux()->toPlainText().split('\n');
    });
    selection.Initialise();
    selection.First1Click();
    selection.BitBtn1Click();

    QCOMPARE(journal.Textes().back(), std::string("Observation 1 containing 7 data is used for inference "));
    QCOMPARE(details, std::vector<std::string>{"Rule 13 [Confidence degree = 90%]:\r\n"
                                               "If SECURITY_LIGHT not_in { FLASHING }\r\n"
                                               "Then IMMOBILISER = RELEASED"});
    QCOMPARE(niveau0, QStringList({"Level 0", " KEY_TURN = CLICKS", " DASH_LIGHTS = DIM", " BATTERY_VOLTAGE = 11.6",
                                   " BATTERY_AGE = 2", " LIGHTS_LEFT_ON = YES", " SECURITY_LIGHT = OFF",
                                   " WEATHER = MILD"}));
    QCOMPARE(niveaux, QStringList({"Level 1", "  Rule 1 -> STARTER_POWER = WEAK", "  Rule 3 -> BATTERY_CHARGE = LOW",
                                   "  Rule 13 -> IMMOBILISER = RELEASED", "  Rule 14 -> DRAIN = LIGHTS",
                                   "  Rule 23 -> BATTERY_CONDITION = SOUND", "  Rule 33 -> COLD_START = NO",
                                   "Level 2", "  Rule 6 -> BATTERY = FLAT", "Level 3",
                                   "  Rule 7 -> DIAGNOSIS = BATTERY_DRAINED", "Level 4",
                                   "  Rule 9 -> ACTION = RECHARGE_BATTERY"}));
}

QTEST_MAIN(DemoInferenceTest)
#include "Demo_inference_test.moc"
