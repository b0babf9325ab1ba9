// The observations eraser driven by its menu, scroll bar and button. Which
// observation a removal leaves selected, and the questions asked, are tested
// with the data base operations; a removal answered Yes is walked in
// parcours_test.
#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "project/cycle_projet.h"
#include "ui/Dest_obs.h"

using namespace veridane;

namespace {

// A data base whose observation i holds tailles[i] data named A1, A2...
struct TEffaceur {
    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    TFenetresConsole Fenetres;
    TProgressionMuette Progression;
    TCycleProjet Cycle{Etat, Fenetres, Journal, Progression};
    TDestroyObs Fenetre{Etat, Journal, Cycle};

    TEffaceur(const QList<int>& tailles, int selection) {
        for (int taille : tailles) {
            TObservation observation;
            for (int i = 1; i <= taille; ++i) observation.push_back(NouvelleProposition("A" + std::to_string(i), OpEgal, "X"));
            Etat.Faits.Observations.push_back(observation);
        }
        Etat.Faits.NumObservation = selection;
        Etat.Faits.NbFaits = Etat.Faits.CompteFaits();
        Etat.Faits.BaseFaitsOuverte = true;
        Etat.Commandes.ReglesLues();
        Etat.Commandes.BaseLue();
        Fenetre.Initialise();
        Fenetre.show();
    }
    QString Etiquette() { return Controle<QLabel>(Fenetre, "Label1")->text(); }
    void Commande(const char* nom) { Controle<QAction>(Fenetre, nom)->trigger(); }
};

QString No(int p, const QString& suite) { return QString::fromUtf8("Observation n°%1").arg(p) + suite; }

}  // namespace

class TestEffaceur : public QObject {
    Q_OBJECT

private slots:

    void MenuAndScrollBarMove_data() {
        QTest::addColumn<QStringList>("commandes");
        QTest::addColumn<QString>("etiquette");
        QTest::newRow("next stops at the last") << QStringList{"Last1", "Next1"} << No(3, ": 2 data");
        QTest::newRow("previous stops at the first") << QStringList{"First1", "Previous1"} << No(1, ": 3 data");
        QTest::newRow("scroll bar") << QStringList{"First1", "Right"} << No(2, " is empty");
    }
    void MenuAndScrollBarMove() {
        QFETCH(QStringList, commandes);
        QFETCH(QString, etiquette);
        TEffaceur e({3, 0, 2}, 1);
        for (const QString& commande : commandes) {
            if (commande == "Right")
                AvanceBarre(Controle<QScrollBar>(e.Fenetre, "ScrollBar1"));
            else
                e.Commande(qPrintable(commande));
        }
        QCOMPARE(e.Etiquette(), etiquette);
    }

    // The button and the menu command remove the observation shown after
    // the question, tell the main window, and close the eraser when one
    // observation is left. Which one is shown next is the data base's.
    void RemovalByButtonOrMenu_data() {
        QTest::addColumn<bool>("parLeMenu");
        QTest::addColumn<int>("nombre");
        QTest::newRow("button") << false << 3;
        QTest::newRow("menu") << true << 3;
        QTest::newRow("one of two: closes") << false << 2;
    }
    void RemovalByButtonOrMenu() {
        QFETCH(bool, parLeMenu);
        QFETCH(int, nombre);
        TEffaceur e(QList<int>(nombre, 1), 0);
        QSignalSpy changements(&e.Fenetre, &TDestroyObs::BaseChangee);
        if (parLeMenu)
            e.Commande("Removeobservation1");
        else
            QTest::mouseClick(Controle<QPushButton>(e.Fenetre, "Button1"), Qt::LeftButton);
        QVERIFY(!e.Journal.Messages.empty());
        QCOMPARE(int(e.Etat.Faits.Observations.size()), nombre - 1);
        QCOMPARE(e.Fenetre.isVisible(), nombre > 2);
        if (nombre > 2) QCOMPARE(changements.count(), 1);
    }

    // "&Close" and the window frame turn "Inference" off when no datum is left.
    void Closing() {
        TEffaceur vide({0, 0}, 0);
        vide.Commande("Close1");
        QVERIFY(!vide.Fenetre.isVisible());
        QVERIFY(!vide.Etat.Commandes.MenuInference);
        TEffaceur avecDonnees({0, 1}, 0);
        QTest::keyClick(&avecDonnees.Fenetre, Qt::Key_Escape);
        QVERIFY(!avecDonnees.Fenetre.isVisible());
        QVERIFY(avecDonnees.Etat.Commandes.MenuInference);
    }
};

QTEST_MAIN(TestEffaceur)
#include "dest_obs_test.moc"
