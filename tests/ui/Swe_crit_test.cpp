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
#include <QValueAxis>
#include <QtTest>

#include "support/parcours.h"
#include "core/journal.h"
#include "support/outils.h"
#include "project/cycle_projet.h"
#include "ui/Mod_conf.h"
#include "ui/Swe_crit.h"

using namespace veridane;

namespace {

// The heights of the steps, as the chart draws them.
QList<int> Hauteurs(QWidget& fenetre) {
    auto* vue = Controle<QChartView>(fenetre, "VueGraphe");
    QList<int> hauteurs;
    for (QAbstractSeries* serie : vue->chart()->series())
        if (auto* points = qobject_cast<QScatterSeries*>(serie))
            for (const QPointF& point : points->points()) hauteurs << qRound(point.y());
    return hauteurs;
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

const QString Balayage = "Sweep of the critical value";

}  // namespace

class SweCritTest : public QObject {
    Q_OBJECT
private slots:
    void tableauGrapheEtBut();
    void clicSurUneMarcheDonneLaValeurAuxParametres();
};

// The intervals and counts are the sweep's own; the window shows them in
// its table and chart, and follows the observation and the goal chosen.
void SweCritTest::tableauGrapheEtBut() {
    TEtatVeridane etat = EtatDemo();
    TDialoguesJournal journal;
    TModiConf parametres(etat, journal);
    parametres.Initialise();
    parametres.show();
    QVERIFY(DansLaModale(parametres, "BoutonBalayage", Balayage, [](QDialog& fenetre) {
        auto* tableau = Controle<QTableWidget>(fenetre, "Tableau");
        QCOMPARE(Lignes(tableau, 0), QStringList({"[0, 0.5]", "(0.5, 0.6]", "(0.6, 0.8]", "(0.8, 0.9]", "(0.9, 1]"}));
        QCOMPARE(Lignes(tableau, 2), QStringList({"9", "9", "8", "7", "3"}));
        QCOMPARE(Hauteurs(fenetre), QList<int>({9, 9, 8, 7, 3}));
        // The interval of the critical value in force is shown, not chosen.
        QCOMPARE(tableau->selectionModel()->selectedRows().first().row(), 0);

        auto* but = Controle<QComboBox>(fenetre, "ChoixBut");
        but->setFocus();
        QTest::keyClicks(but, "DIAGNOSIS");
        QCOMPARE(tableau->horizontalHeaderItem(3)->text(), QString("Reaching DIAGNOSIS"));
        QCOMPARE(Hauteurs(fenetre), QList<int>({8, 6, 6, 3, 0}));
        // Only the data on the goal are listed.
        QCOMPARE(Lignes(tableau, 5), QStringList({"", "", "", "", "- DIAGNOSIS = BATTERY_DRAINED"}));

        // Another observation: the keyboard on its choice.
        auto* choix = Controle<QComboBox>(fenetre, "ChoixObservation");
        choix->setFocus();
        QTest::keyClick(choix, Qt::Key_Down);
        QCOMPARE(Lignes(tableau, 2), QStringList({"7", "7", "7", "7", "3"}));
    }));
}

void SweCritTest::clicSurUneMarcheDonneLaValeurAuxParametres() {
    TEtatVeridane etat = EtatDemo();
    etat.Base.SeparateurDecimal = ',';
    TDialoguesJournal journal;
    TModiConf parametres(etat, journal);
    parametres.Initialise();
    parametres.show();
    QVERIFY(DansLaModale(parametres, "BoutonBalayage", Balayage, [](QDialog& fenetre) {
        auto* label = Controle<QLabel>(fenetre, "LabelChoix");
        ClicGraphe(fenetre, 0.85);
        QVERIFY2(label->text().startsWith("Critical value chosen: 0,9 (21 rules take part)."), qPrintable(label->text()));
        auto* tableau = Controle<QTableWidget>(fenetre, "Tableau");
        QCOMPARE(tableau->selectionModel()->selectedRows().first().row(), 3);
        // The table chooses as well; the last click wins.
        CliqueLigne(tableau, 2);
        QVERIFY(label->text().startsWith("Critical value chosen: 0,8 (29 rules take part)."));
        QTest::mouseClick(Controle<QPushButton>(fenetre, "BoutonFermer"), Qt::LeftButton);
    }));
    QCOMPARE(parametres.Champ()->text(), QString("0,8"));
    // The value takes effect as any typed one: with OK and its confirmation.
    QCOMPARE(etat.ValeurCritique, 0.0);
    QTest::mouseClick(Controle<QPushButton>(parametres, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(journal.Textes(), std::vector<std::string>{"Critical value of priority degree = 80%"});
    QCOMPARE(etat.ValeurCritique, 0.8);
}

QTEST_MAIN(SweCritTest)
#include "Swe_crit_test.moc"
