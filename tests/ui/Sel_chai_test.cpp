// The observation selection window: its display of each observation, the
// navigation commands, the single-observation shortcut and the refusal of an
// empty observation.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "core/journal.h"
#include "inference/moteur.h"
#include "inference_windows_fixture.h"
#include "ui/Conversion.h"
#include "ui/Sel_chai.h"

using namespace veridane;
using namespace veridane::essai;

namespace {

struct TBanc {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TMoteur moteur;
    TSelChain fenetre{etat, journal, moteur};
    int ouvertures = 0;

    TBanc() {
        ProjetGrippe(etat);
        fenetre.FixeOuvertureChainage([this] { ++ouvertures; });
    }
    QString Etiquette() const { return fenetre.findChild<QLabel*>("Label1")->text(); }
    QStringList Lignes() const {
        QStringList lignes;
        auto* liste = fenetre.findChild<QListWidget*>("ListBox1");
        for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
        return lignes;
    }
};

}  // namespace

class SelChainTest : public QObject {
    Q_OBJECT
private slots:
    void creation();
    void activation();
    void navigation_data();
    void navigation();
    void choixObservation();
    void observationVide();
    void uneSeuleObservation();
    void uneSeuleObservationVide();
    void clicDansLaListe();
    void menus();
};

void SelChainTest::creation() {
    TBanc banc;
    auto* defilement = banc.fenetre.findChild<QScrollBar*>("ScrollBar1");
    QCOMPARE(defilement->minimum(), 1);
    QCOMPARE(defilement->maximum(), 1);
    QCOMPARE(defilement->value(), 1);
    QCOMPARE(banc.Etiquette(), QString::fromUtf8("Observation n°1"));
    QCOMPARE(banc.fenetre.windowTitle(), QString("Select an observation for the inference"));
    QCOMPARE(banc.fenetre.property("contexteAide").toInt(), 32);
    QCOMPARE(banc.fenetre.findChild<QPushButton*>("BitBtn1")->text(), QString("Select observation"));
}

void SelChainTest::activation() {
    // The window opens on the observation selected in the main window.
    TBanc banc;
    banc.etat.Faits.NumObservation = 2;
    banc.fenetre.Initialise();
    auto* defilement = banc.fenetre.findChild<QScrollBar*>("ScrollBar1");
    QCOMPARE(defilement->maximum(), 3);
    QCOMPARE(banc.fenetre.Position(), 3);
    QCOMPARE(banc.Etiquette(), QString::fromUtf8("Observation n°3: 2 data"));
    QCOMPARE(banc.Lignes(), QStringList({"RASH = YES", "SYMPTOMS in { ITCH, SPOTS }"}));
    QCOMPARE(banc.ouvertures, 0);
}

void SelChainTest::navigation_data() {
    QTest::addColumn<int>("depart");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<int>("arrivee");
    QTest::addColumn<QString>("etiquette");
    QTest::addColumn<QStringList>("lignes");

    const QStringList premiere{"TEMPERATURE = 39.5", "COUGH = YES", "AGE = 70"};
    const QStringList vide{" No data "};
    const QStringList troisieme{"RASH = YES", "SYMPTOMS in { ITCH, SPOTS }"};
    QTest::newRow("next") << 1 << "Next1" << 2 << QString::fromUtf8("Observation n°2 is empty") << vide;
    QTest::newRow("next on the last") << 3 << "Next1" << 3 << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
    QTest::newRow("previous") << 3 << "Previous1" << 2 << QString::fromUtf8("Observation n°2 is empty") << vide;
    QTest::newRow("previous on the first") << 1 << "Previous1" << 1 << QString::fromUtf8("Observation n°1: 3 data")
                                           << premiere;
    QTest::newRow("first") << 3 << "First1" << 1 << QString::fromUtf8("Observation n°1: 3 data") << premiere;
    QTest::newRow("last") << 1 << "Last1" << 3 << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
}

void SelChainTest::navigation() {
    QFETCH(int, depart);
    QFETCH(QString, commande);
    QFETCH(int, arrivee);
    QFETCH(QString, etiquette);
    QFETCH(QStringList, lignes);

    TBanc banc;
    banc.etat.Faits.NumObservation = depart - 1;
    banc.fenetre.Initialise();
    banc.fenetre.findChild<QAction*>(commande)->trigger();
    QCOMPARE(banc.fenetre.Position(), arrivee);
    QCOMPARE(banc.Etiquette(), etiquette);
    QCOMPARE(banc.Lignes(), lignes);
}

void SelChainTest::choixObservation() {
    TBanc banc;
    banc.etat.Faits.NumObservation = 2;
    banc.fenetre.Initialise();
    banc.fenetre.BitBtn1Click();
    QCOMPARE(banc.journal.Messages.size(), std::size_t{1});
    QCOMPARE(banc.journal.Messages[0].Texte, std::string("Observation 3 containing 2 data is used for inference "));
    QCOMPARE(banc.journal.Messages[0].Genre, TGenreMessage::Information);
    QCOMPARE(banc.journal.Messages[0].Boutons, TBoutons::Ok);
    QCOMPARE(banc.ouvertures, 1);
    QCOMPARE(banc.moteur.NumObservationInference(), 2);
    QCOMPARE(banc.moteur.ObservationInference().size(), std::size_t{2});
    QCOMPARE(banc.moteur.ObservationInference()[1].Attribut, std::string("SYMPTOMS"));
    // The selection window closes with the inference window.
    QVERIFY(banc.fenetre.Terminee());
    QCOMPARE(banc.fenetre.result(), int(QDialog::Accepted));
}

void SelChainTest::observationVide() {
    TBanc banc;
    banc.moteur.ChoisitObservation(banc.etat.Faits.Observations[0], 0);
    banc.fenetre.Initialise();
    banc.fenetre.Next1Click();
    banc.fenetre.findChild<QAction*>("Select1")->trigger();
    QCOMPARE(banc.journal.Textes(),
             std::vector<std::string>{"Observation n\xB0" "2 is empty. Select an other observation for inference"});
    QCOMPARE(banc.journal.Messages[0].Genre, TGenreMessage::Avertissement);
    QCOMPARE(banc.ouvertures, 0);
    QVERIFY(!banc.fenetre.Terminee());
    // The observation under inference is left as it was.
    QCOMPARE(banc.moteur.NumObservationInference(), 0);
    QCOMPARE(banc.moteur.ObservationInference().size(), std::size_t{3});
}

void SelChainTest::uneSeuleObservation() {
    TBanc banc;
    banc.etat.Faits.Observations.erase(banc.etat.Faits.Observations.begin() + 1,
                                       banc.etat.Faits.Observations.end());
    QCOMPARE(banc.fenetre.Ouvre(), int(QDialog::Accepted));
    QCOMPARE(banc.ouvertures, 1);
    QVERIFY(banc.journal.Messages.empty());
    QCOMPARE(banc.moteur.NumObservationInference(), 0);
    QCOMPARE(banc.moteur.ObservationInference().size(), std::size_t{3});
    QVERIFY(banc.fenetre.Terminee());
}

void SelChainTest::uneSeuleObservationVide() {
    // With nothing to choose from, an empty observation is not refused.
    TBanc banc;
    Observations(banc.etat, {{}});
    banc.fenetre.Initialise();
    QCOMPARE(banc.ouvertures, 1);
    QVERIFY(banc.journal.Messages.empty());
    QVERIFY(banc.moteur.ObservationInference().empty());
}

void SelChainTest::clicDansLaListe() {
    TBanc banc;
    banc.fenetre.Initialise();
    auto* liste = banc.fenetre.findChild<QListWidget*>("ListBox1");
    liste->setCurrentRow(1);
    QVERIFY(!liste->selectedItems().isEmpty());
    banc.fenetre.ListBox1Click();
    QVERIFY(liste->selectedItems().isEmpty());
}

void SelChainTest::menus() {
    TBanc banc;
    QStringList textes;
    for (auto* action : banc.fenetre.findChildren<QAction*>()) textes << action->text();
    for (const char* texte : {"&Close", "&Select", "&First", "&Last", "&Next", "&Previous"})
        QVERIFY2(textes.contains(texte), texte);
}

QTEST_MAIN(SelChainTest)
#include "Sel_chai_test.moc"
