// The observation selection window opened as "Forward chaining" opens it:
// its display of each observation, the navigation commands, the
// single-observation shortcut and the refusal of an empty observation.
#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "inference_windows_fixture.h"
#include "ui/Conversion.h"
#include "support/parcours.h"
#include "ui/Sel_chai.h"

using namespace veridane;
using namespace veridane::essai;
using namespace veridane::geste;

namespace {

// The forward chaining window's run is over.
bool RunFini(QWidget& fenetre) { return TexteDe(fenetre, "StatusText") == " End of inference "; }

}  // namespace

class SelChainTest : public QObject {
    Q_OBJECT
private slots:
    void navigation_data();
    void navigation();
    void uneSeuleObservation_data();
    void uneSeuleObservation();
};

void SelChainTest::navigation_data() {
    QTest::addColumn<int>("depart");
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("etiquette");
    QTest::addColumn<QStringList>("lignes");

    const QStringList premiere{"TEMPERATURE = 39.5", "COUGH = YES", "AGE = 70"};
    const QStringList vide{" No data "};
    const QStringList troisieme{"RASH = YES", "SYMPTOMS in { ITCH, SPOTS }"};
    // The window opens on the observation selected in the main window.
    QTest::newRow("opening") << 3 << "" << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
    QTest::newRow("next on the last") << 3 << "Next1" << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
    QTest::newRow("previous on the first") << 1 << "Previous1" << QString::fromUtf8("Observation n°1: 3 data")
                                           << premiere;
    QTest::newRow("last") << 1 << "Last1" << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
}

void SelChainTest::navigation() {
    QFETCH(int, depart);
    QFETCH(QString, commande);
    QFETCH(QString, etiquette);
    QFETCH(QStringList, lignes);

    TBanc banc;
    TSelChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.etat.Faits.NumObservation = depart - 1;
    QString vue;
    QStringList vues;
    banc.parcours.Puis("SelChain", [&](QWidget& selection) {
        if (!commande.isEmpty()) Utilise(qPrintable(commande))(selection);
        vue = TexteDe(selection, "Label1");
        vues = LignesDe(selection, "ListBox1");
        Utilise("Close1")(selection);
    });
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(vue, etiquette);
    QCOMPARE(vues, lignes);
}

void SelChainTest::uneSeuleObservation_data() {
    QTest::addColumn<bool>("vide");
    QTest::newRow("with data") << false;
    // With nothing to choose from, an empty observation is not refused.
    QTest::newRow("empty") << true;
}

void SelChainTest::uneSeuleObservation() {
    QFETCH(bool, vide);
    TBanc banc;
    TSelChain fenetre(banc.etat, banc.journal, banc.moteur);
    if (vide)
        Observations(banc.etat, {{}});
    else
        banc.etat.Faits.Observations.resize(1);
    banc.parcours.Puis("ForwChain", Utilise("Close1"), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(banc.parcours.Vus, QStringList{"Forward Chaining"});
    QVERIFY(banc.journal.Messages.empty());
    QCOMPARE(banc.moteur.ObservationInference().size(), vide ? std::size_t{0} : std::size_t{3});
    QVERIFY(fenetre.Terminee());
}

QTEST_MAIN(SelChainTest)
#include "Sel_chai_test.moc"
