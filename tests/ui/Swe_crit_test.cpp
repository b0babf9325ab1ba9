// The sweep of the critical value, reached from the parameters dialog's
// "Sweep..." button and used with the mouse and the keyboard: its table and
// chart on the demo, a goal, a click on a step, and the value chosen coming
// back into the parameters dialog for OK.
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>
#include <QtTest>
#include <functional>
#include <memory>

#include "controles.h"
#include "core/journal.h"
#include "support/outils.h"
#include "project/cycle_projet.h"
#include "ui/Mod_conf.h"
#include "ui/Swe_crit.h"

using namespace veridane;
using veridane::test::Controle;

namespace {

QStringList Colonne(QTableWidget* tableau, int colonne) {
    QStringList textes;
    for (int ligne = 0; ligne < tableau->rowCount(); ++ligne) textes << tableau->item(ligne, colonne)->text();
    return textes;
}

// The heights of the steps, as the chart draws them.
QList<int> Hauteurs(QWidget& fenetre) {
    auto* vue = Controle<QChartView>(fenetre, "VueGraphe");
    QList<int> hauteurs;
    for (QAbstractSeries* serie : vue->chart()->series())
        if (auto* points = qobject_cast<QScatterSeries*>(serie))
            for (const QPointF& point : points->points()) hauteurs << qRound(point.y());
    return hauteurs;
}

void ClicLigne(QTableWidget* tableau, int ligne) {
    const QRect rect = tableau->visualItemRect(tableau->item(ligne, 0));
    QTest::mouseClick(tableau->viewport(), Qt::LeftButton, {}, rect.center());
}

// Clicks the chart at a critical value, half-way up the plot.
void ClicGraphe(QWidget& fenetre, double valeur) {
    auto* vue = Controle<QChartView>(fenetre, "VueGraphe");
    QChart* graphe = vue->chart();
    const QRectF zone = graphe->plotArea();
    const QPointF position = graphe->mapToPosition(QPointF(valeur, 0), graphe->series().first());
    const QPointF scene = graphe->mapToScene(QPointF(position.x(), zone.center().y()));
    QTest::mouseClick(vue->viewport(), Qt::LeftButton, {}, vue->mapFromScene(scene));
}

// Plays `action` on the sweep window once the parameters dialog has opened
// it with its "Sweep..." button.
void DansLeBalayage(TModiConf& parametres, const std::function<void(QDialog&)>& action) {
    bool joue = false;
    QTimer::singleShot(0, [&] {
        auto* fenetre = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(fenetre != nullptr);
        // Closed whatever happens, so that a failed check cannot hang the test.
        const std::unique_ptr<QDialog, void (*)(QDialog*)> ferme(fenetre, [](QDialog* d) {
            if (d->isVisible()) d->reject();
        });
        QCOMPARE(fenetre->windowTitle(), QString("Sweep of the critical value"));
        action(*fenetre);
        joue = !QTest::currentTestFailed();
    });
    QTest::mouseClick(Controle<QPushButton>(parametres, "BoutonBalayage"), Qt::LeftButton);
    QVERIFY(joue);
}

}  // namespace

class SweCritTest : public QObject {
    Q_OBJECT
private slots:
    void intervallesDeLaDemo();
    void butCompteLesObservations();
    void clicSurUneMarcheDonneLaValeurAuxParametres();
};

void SweCritTest::intervallesDeLaDemo() {
    TEtatVeridane etat = EtatDemo();
    TDialoguesJournal journal;
    TModiConf parametres(etat, journal);
    parametres.Initialise();
    parametres.show();
    DansLeBalayage(parametres, [](QDialog& fenetre) {
        auto* tableau = Controle<QTableWidget>(fenetre, "Tableau");
        QCOMPARE(Colonne(tableau, 0), QStringList({"[0, 0.5]", "(0.5, 0.6]", "(0.6, 0.8]", "(0.8, 0.9]", "(0.9, 1]"}));
        QCOMPARE(Colonne(tableau, 1), QStringList({"43", "37", "29", "21", "10"}));
        QCOMPARE(Colonne(tableau, 2), QStringList({"9", "9", "8", "7", "3"}));
        QCOMPARE(Colonne(tableau, 5), QStringList({"", "", "- COLD_START = NO", "- BATTERY_CONDITION = SOUND",
                                                    "- IMMOBILISER = RELEASED\n- DRAIN = LIGHTS\n"
                                                    "- DIAGNOSIS = BATTERY_DRAINED\n- ACTION = RECHARGE_BATTERY"}));
        QCOMPARE(Hauteurs(fenetre), QList<int>({9, 9, 8, 7, 3}));
        // The interval of the critical value in force is shown, not chosen.
        QCOMPARE(tableau->selectionModel()->selectedRows().first().row(), 0);

        // Another observation: the keyboard on its choice.
        auto* choix = Controle<QComboBox>(fenetre, "ChoixObservation");
        choix->setFocus();
        QTest::keyClick(choix, Qt::Key_Down);
        QCOMPARE(choix->currentText(), QString("Observation n°2: 6 data"));
        QCOMPARE(Colonne(tableau, 2), QStringList({"7", "7", "7", "7", "3"}));
    });
}

void SweCritTest::butCompteLesObservations() {
    TEtatVeridane etat = EtatDemo();
    TDialoguesJournal journal;
    TModiConf parametres(etat, journal);
    parametres.Initialise();
    parametres.show();
    DansLeBalayage(parametres, [](QDialog& fenetre) {
        auto* but = Controle<QComboBox>(fenetre, "ChoixBut");
        but->setFocus();
        QTest::keyClicks(but, "DIAGNOSIS");
        QCOMPARE(but->currentText(), QString("DIAGNOSIS"));
        auto* tableau = Controle<QTableWidget>(fenetre, "Tableau");
        QCOMPARE(tableau->horizontalHeaderItem(3)->text(), QString("Reaching DIAGNOSIS"));
        QCOMPARE(Colonne(tableau, 3), QStringList({"8", "6", "6", "3", "0"}));
        QCOMPARE(Hauteurs(fenetre), QList<int>({8, 6, 6, 3, 0}));
        // Only the data on the goal are listed.
        QCOMPARE(Colonne(tableau, 5), QStringList({"", "", "", "", "- DIAGNOSIS = BATTERY_DRAINED"}));
    });
}

void SweCritTest::clicSurUneMarcheDonneLaValeurAuxParametres() {
    TEtatVeridane etat = EtatDemo();
    etat.Base.SeparateurDecimal = ',';
    TDialoguesJournal journal;
    TModiConf parametres(etat, journal);
    parametres.Initialise();
    parametres.show();
    DansLeBalayage(parametres, [](QDialog& fenetre) {
        auto* label = Controle<QLabel>(fenetre, "LabelChoix");
        ClicGraphe(fenetre, 0.85);
        QVERIFY2(label->text().startsWith("Critical value chosen: 0,9 (21 rules take part)."), qPrintable(label->text()));
        auto* tableau = Controle<QTableWidget>(fenetre, "Tableau");
        QCOMPARE(tableau->selectionModel()->selectedRows().first().row(), 3);
        // The table chooses as well; the last click wins.
        ClicLigne(tableau, 2);
        QVERIFY(label->text().startsWith("Critical value chosen: 0,8 (29 rules take part)."));
        QTest::mouseClick(Controle<QPushButton>(fenetre, "BoutonFermer"), Qt::LeftButton);
    });
    QCOMPARE(parametres.Champ()->text(), QString("0,8"));
    // The value takes effect as any typed one: with OK and its confirmation.
    QCOMPARE(etat.ValeurCritique, 0.0);
    QTest::mouseClick(Controle<QPushButton>(parametres, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(journal.Textes(), std::vector<std::string>{"Critical value of priority degree = 80%"});
    QCOMPARE(etat.ValeurCritique, 0.8);
}

QTEST_MAIN(SweCritTest)
#include "Swe_crit_test.moc"
