// A whole what-if from the main window of the demo project: "Data base" >
// "Add / Remove data", "What if...", one datum taken out of the scratch copy
// (the diagnosis goes), then the copy closed or kept, the manager closed and
// the program quit. Nothing is asked nor saved unless the data were kept.
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/journal.h"
#include "support/outils.h"
#include "ui/Menu_ex.h"

using namespace veridane;

namespace {

template <typename T>
T* Controle(QWidget& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(nom);
    if (controle == nullptr) qFatal("control %s not found", nom);
    return controle;
}

QStringList Lignes(QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

void Clic(QWidget& fenetre, const char* bouton) {
    QTest::mouseClick(Controle<QPushButton>(fenetre, bouton), Qt::LeftButton);
}

QByteArray Contenu(const TProjetDemo& demo, const QString& nom) {
    QFile fichier(demo.Repertoire().filePath(nom));
    if (!fichier.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(nom));
    return fichier.readAll();
}

// In the what-if window: LIGHTS_LEFT_ON = YES taken out of the copy, then
// the window left with `sortie`.
void RetireLesPhares(QDialog& queSi, const char* sortie) {
    auto* observation = Controle<QListWidget>(queSi, "ListeObservation");
    const auto ligne = observation->findItems("LIGHTS_LEFT_ON = YES", Qt::MatchExactly);
    QVERIFY(!ligne.isEmpty());
    QTest::mouseClick(observation->viewport(), Qt::LeftButton, {}, observation->visualItemRect(ligne.first()).center());
    Clic(queSi, "BoutonRetrait");
    Clic(queSi, "BoutonOK");
    auto* difference = Controle<QListWidget>(queSi, "ListeDifference");
    QTRY_VERIFY_WITH_TIMEOUT(Lignes(difference).contains("- DIAGNOSIS = BATTERY_DRAINED"), 5000);
    Clic(queSi, sortie);
}

}  // namespace

class WhatIfJourneyTest : public QObject {
    Q_OBJECT
private slots:
    void rienNEstEnregistreSansGarder_data();
    void rienNEstEnregistreSansGarder();
};

void WhatIfJourneyTest::rienNEstEnregistreSansGarder_data() {
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("close") << "BoutonFermer" << QStringList{"Do you want to quit Veridane ?"};
    QTest::newRow("keep") << "BoutonGarder"
                          << QStringList{"Do you want to quit Veridane ?", "Current data base has changed, save it?"};
}

void WhatIfJourneyTest::rienNEstEnregistreSansGarder() {
    QFETCH(QString, sortie);
    QFETCH(QStringList, questions);
    TProjetDemo demo;
    const QByteArray baseAvant = Contenu(demo, "car.dta");
    TDialoguesJournal journal;
    TPilote pilote;
    TMenuExpert menu(journal);
    pilote.Branche(menu);
    menu.show();
    journal.Fichiers.push_back(demo.Projet());
    Action(menu, "Openproject1")->trigger();
    pilote.Titres.clear();  // the project's abstract, closed

    bool joue = false;
    // The data base manager: "What if...", whose window runs modally.
    pilote.Actions = {[&](QDialog& gestionnaire) {
        gestionnaire.show();
        QTimer::singleShot(0, [&] {
            auto* queSi = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(queSi != nullptr && queSi->windowTitle() == "What if...");
            RetireLesPhares(*queSi, qPrintable(sortie));
            if (queSi->isVisible()) queSi->reject();
            joue = !QTest::currentTestFailed();
        });
        Clic(gestionnaire, "BoutonQueSi");
        Action(gestionnaire, "Close1")->trigger();
        return gestionnaire.result();
    }};
    Action(menu, "Adddata2")->trigger();
    QVERIFY(joue);
    QCOMPARE(pilote.Titres, QStringList{"Data base Manager"});
    const bool gardees = sortie == "BoutonGarder";
    QCOMPARE(Lignes(menu.findChild<QListWidget*>("EtatObs")).contains("LIGHTS_LEFT_ON = YES"), !gardees);

    journal.Messages.clear();
    journal.Reponses = {TReponse::Oui, TReponse::Oui};
    Action(menu, "Exit1")->trigger();
    QStringList vues;
    for (const std::string& texte : journal.Textes()) vues << QString::fromStdString(texte);
    QCOMPARE(vues, questions);
    QVERIFY(menu.Quitte());
    // Saved only when kept, and then without the datum taken out.
    QCOMPARE(Contenu(demo, "car.dta") == baseAvant, !gardees);
    QCOMPARE(Contenu(demo, "car.dta").contains("LIGHTS_LEFT_ON = YES"), !gardees);
}

QTEST_MAIN(WhatIfJourneyTest)
#include "what_if_journey_test.moc"
