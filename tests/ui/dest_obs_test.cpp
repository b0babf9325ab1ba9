// The observations eraser: browsing, removal with its question, and what
// becomes of the selection and of the window after each removal.
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "core/journal.h"
#include "core/proposition.h"
#include "project/cycle_projet.h"
#include "support/outils.h"
#include "ui/Dest_obs.h"

using namespace veridane;

namespace {

class TFenetresMuettes : public IFenetresProjet {
public:
    TChoixNouveauProjet NouveauProjet() override { return TChoixNouveauProjet::Annuler; }
    void GestionnaireDico() override {}
    void MontreProjet() override {}
    void ChangeComment(bool) override {}
};

// A data base whose observation i holds tailles[i] data named A1, A2...
struct TEffaceur {
    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    TFenetresMuettes Fenetres;
    TProgressionMuette Progression;
    TCycleProjet Cycle{Etat, Fenetres, Journal, Progression};
    TDestroyObs Fenetre{Etat, Journal, Cycle};

    TEffaceur(const QList<int>& tailles, int selection) {
        for (int taille : tailles) {
            TObservation observation;
            for (int i = 1; i <= taille; ++i) {
                TProposition fait = NouvelleProposition("A" + std::to_string(i), OpEgal, "X");
                fait.Certitude = fait.Precision = DegreCertain;
                observation.push_back(fait);
            }
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
    QString Etiquette() { return Fenetre.findChild<QLabel*>("Label1")->text(); }
    QListWidget* Liste() { return Fenetre.findChild<QListWidget*>("ListBox1"); }
    QScrollBar* Barre() { return Fenetre.findChild<QScrollBar*>("ScrollBar1"); }
};

QString No(int p, const QString& suite) { return QString::fromUtf8("Observation n°%1").arg(p) + suite; }

}  // namespace

class TestEffaceur : public QObject {
    Q_OBJECT
private slots:
    void Ouverture();
    void Parcours_data();
    void Parcours();
    void Suppression_data();
    void Suppression();
    void FermetureSansDonnee();
};

void TestEffaceur::Ouverture() {
    TEffaceur e({3, 0, 2}, 1);
    QCOMPARE(e.Fenetre.windowTitle(), QString("Observations Eraser: 3 observations"));
    QCOMPARE(e.Fenetre.property("contexteAide").toInt(), 28);
    QCOMPARE(e.Barre()->minimum(), 1);
    QCOMPARE(e.Barre()->maximum(), 3);
    QCOMPARE(e.Fenetre.Position(), 2);
    QCOMPARE(e.Etiquette(), No(2, " is empty"));
    QCOMPARE(e.Liste()->count(), 1);
    QCOMPARE(e.Liste()->item(0)->text(), QString(" No data "));
    for (const char* nom : {"Close1", "Removeobservation1", "First1", "Last1", "Next1", "Previous1"})
        QVERIFY2(e.Fenetre.findChild<QAction*>(nom), nom);
    const QStringList menus = {"&Close", "&Remove observation", "&First", "&Last", "&Next", "&Previous"};
    QCOMPARE(Action(e.Fenetre, "Previous1")->text(), menus.last());
}

void TestEffaceur::Parcours_data() {
    QTest::addColumn<QStringList>("commandes");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("etiquette");
    QTest::newRow("last") << QStringList{"Last1"} << 3 << No(3, ": 2 data");
    QTest::newRow("next stops at the last") << QStringList{"Last1", "Next1"} << 3 << No(3, ": 2 data");
    QTest::newRow("previous") << QStringList{"Last1", "Previous1"} << 2 << No(2, " is empty");
    QTest::newRow("first") << QStringList{"Last1", "First1"} << 1 << No(1, ": 3 data");
    QTest::newRow("previous stops at the first") << QStringList{"First1", "Previous1"} << 1 << No(1, ": 3 data");
    QTest::newRow("next") << QStringList{"First1", "Next1", "Next1"} << 3 << No(3, ": 2 data");
}

void TestEffaceur::Parcours() {
    QFETCH(QStringList, commandes);
    QFETCH(int, position);
    QFETCH(QString, etiquette);
    TEffaceur e({3, 0, 2}, 1);
    for (const QString& commande : commandes) Action(e.Fenetre, qPrintable(commande))->trigger();
    QCOMPARE(e.Fenetre.Position(), position);
    QCOMPARE(e.Etiquette(), etiquette);
    if (position != 2) QCOMPARE(e.Liste()->item(0)->text(), QString("A1 = X"));
}

void TestEffaceur::Suppression_data() {
    QTest::addColumn<QList<int>>("tailles");
    QTest::addColumn<int>("selection");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("fermee");
    QTest::addColumn<QList<int>>("restent");     // data counts left
    QTest::addColumn<int>("donneesSelection");   // data of the selected observation after
    QTest::addColumn<QString>("etiquette");      // the eraser's label when it stays open
    const int oui = int(TReponse::Oui);
    QTest::newRow("one of two") << QList<int>{2, 3} << 0 << 2 << oui
        << QStringList{"There are 3 data in observation 2. Do you want to remove this observation ?",
                       "Observation 2 deleted. Only one observation now."}
        << true << QList<int>{2} << 2 << QString();
    QTest::newRow("the only one") << QList<int>{1} << 0 << 1 << oui
        << QStringList{"There is one data in observation 1. Do you want to remove this observation ?"}
        << true << QList<int>{0} << 0 << QString();
    QTest::newRow("the selected one of five") << QList<int>{1, 2, 3, 4, 5} << 2 << 3 << oui
        << QStringList{"There are 3 data in observation 3. Do you want to remove this observation ?"}
        << false << QList<int>{1, 2, 4, 5} << 4 << No(3, ": 4 data");
    QTest::newRow("the first and selected of five") << QList<int>{1, 2, 3, 4, 5} << 0 << 1 << oui
        << QStringList{"There is one data in observation 1. Do you want to remove this observation ?"}
        << false << QList<int>{2, 3, 4, 5} << 2 << No(1, ": 2 data");
    QTest::newRow("the last of three moves back") << QList<int>{1, 2, 3} << 0 << 3 << oui
        << QStringList{"There are 3 data in observation 3. Do you want to remove this observation ?"}
        << false << QList<int>{1, 2} << 1 << No(2, ": 2 data");
    QTest::newRow("No keeps it") << QList<int>{1, 2, 3} << 0 << 2 << int(TReponse::Non)
        << QStringList{"There are 2 data in observation 2. Do you want to remove this observation ?"}
        << false << QList<int>{1, 2, 3} << 1 << No(2, ": 2 data");
    QTest::newRow("an empty one without question") << QList<int>{0, 2, 3} << 1 << 1 << oui << QStringList{}
        << false << QList<int>{2, 3} << 2 << No(1, ": 2 data");
}

void TestEffaceur::Suppression() {
    QFETCH(QList<int>, tailles);
    QFETCH(int, selection);
    QFETCH(int, position);
    QFETCH(int, reponse);
    QFETCH(QStringList, messages);
    QFETCH(bool, fermee);
    QFETCH(QList<int>, restent);
    QFETCH(int, donneesSelection);
    QFETCH(QString, etiquette);
    TEffaceur e(tailles, selection);
    e.Barre()->setValue(position);
    e.Journal.Reponses = {TReponse(reponse)};
    QSignalSpy changements(&e.Fenetre, &TDestroyObs::BaseChangee);
    e.Fenetre.Button1Click();

    QStringList vus;
    for (const std::string& texte : e.Journal.Textes()) vus.append(QString::fromStdString(texte));
    QCOMPARE(vus, messages);
    QCOMPARE(e.Fenetre.isVisible(), !fermee);
    QList<int> tailleApres;
    for (const TObservation& observation : e.Etat.Faits.Observations) tailleApres.append(int(observation.size()));
    QCOMPARE(tailleApres, restent);
    QCOMPARE(int(e.Etat.Faits.ObservationCourante().size()), donneesSelection);
    if (restent != tailles) {
        QCOMPARE(changements.count(), 1);
        QVERIFY(e.Etat.Faits.BaseFaitsModifiee);
    }
    if (!fermee) {
        QCOMPARE(e.Etiquette(), etiquette);
        QCOMPARE(e.Fenetre.windowTitle(), QString("Observations Eraser: %1 observations").arg(restent.size()));
        QCOMPARE(e.Barre()->maximum(), restent.size());
    }
    if (tailles.size() == 2 && fermee) QCOMPARE(e.Etat.Commandes.LegendeMenuBase, std::string("Data &base"));
    if (tailles.size() == 1) QVERIFY(e.Etat.Faits.BaseFaitsSansNom);
}

void TestEffaceur::FermetureSansDonnee() {
    TEffaceur e({0, 0}, 0);
    QVERIFY(e.Etat.Commandes.MenuInference);
    Action(e.Fenetre, "Close1")->trigger();
    QVERIFY(!e.Fenetre.isVisible());
    QVERIFY(!e.Etat.Commandes.MenuInference);

    TEffaceur avecDonnees({0, 1}, 0);
    avecDonnees.Fenetre.reject();  // the frame closes as "&Close" does
    QVERIFY(!avecDonnees.Fenetre.isVisible());
    QVERIFY(avecDonnees.Etat.Commandes.MenuInference);
}

QTEST_MAIN(TestEffaceur)
#include "dest_obs_test.moc"
