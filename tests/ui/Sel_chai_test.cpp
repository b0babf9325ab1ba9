// The observation selection window opened as "Forward chaining" opens it:
// its display of each observation, the navigation commands, the
// single-observation shortcut and the refusal of an empty observation.
#include <QAction>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "core/journal.h"
#include "inference/moteur.h"
#include "inference_windows_fixture.h"
#include "ui/Conversion.h"
#include "support/parcours.h"
#include "ui/Sel_chai.h"

using namespace veridane;
using namespace veridane::essai;
using namespace veridane::geste;

namespace {

struct TBanc {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TMoteur moteur;
    TSelChain fenetre{etat, journal, moteur};
    TParcours parcours;

    TBanc() { ProjetGrippe(etat); }
    // Opens the window; `geste` acts in it.
    bool Ouvre(TParcours::TGeste geste) {
        parcours.Puis("SelChain", std::move(geste));
        return Ouvre();
    }
    bool Ouvre() {
        bool reussi = parcours.Execute([this] { fenetre.Ouvre(); });
        if (!reussi) qWarning("%s", qPrintable(parcours.Erreur()));
        return reussi;
    }
};

// The forward chaining window's run is over.
bool RunFini(QWidget& fenetre) { return TexteDe(fenetre, "StatusText") == " End of inference "; }

}  // namespace

class SelChainTest : public QObject {
    Q_OBJECT
private slots:
    void creation();
    void navigation_data();
    void navigation();
    void choixObservation();
    void observationVide();
    void uneSeuleObservation_data();
    void uneSeuleObservation();
    void clicDansLaListe();
};

void SelChainTest::creation() {
    TBanc banc;
    auto* defilement = banc.fenetre.findChild<QScrollBar*>("ScrollBar1");
    QCOMPARE(defilement->minimum(), 1);
    QCOMPARE(defilement->maximum(), 1);
    QCOMPARE(defilement->value(), 1);
    QCOMPARE(TexteDe(banc.fenetre, "Label1"), QString::fromUtf8("Observation n°1"));
    QCOMPARE(banc.fenetre.windowTitle(), QString("Select an observation for the inference"));
    QCOMPARE(banc.fenetre.property("contexteAide").toInt(), 32);
    QCOMPARE(TexteDe(banc.fenetre, "BitBtn1"), QString("Select observation"));
    QStringList textes;
    for (auto* action : banc.fenetre.findChildren<QAction*>()) textes << action->text();
    QCOMPARE(textes, (QStringList{"&Close", "&Select", "&First", "&Last", "&Next", "&Previous"}));
}

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
    QTest::newRow("next") << 1 << "Next1" << QString::fromUtf8("Observation n°2 is empty") << vide;
    QTest::newRow("next on the last") << 3 << "Next1" << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
    QTest::newRow("previous") << 3 << "Previous1" << QString::fromUtf8("Observation n°2 is empty") << vide;
    QTest::newRow("previous on the first") << 1 << "Previous1" << QString::fromUtf8("Observation n°1: 3 data")
                                           << premiere;
    QTest::newRow("first") << 3 << "First1" << QString::fromUtf8("Observation n°1: 3 data") << premiere;
    QTest::newRow("last") << 1 << "Last1" << QString::fromUtf8("Observation n°3: 2 data") << troisieme;
}

void SelChainTest::navigation() {
    QFETCH(int, depart);
    QFETCH(QString, commande);
    QFETCH(QString, etiquette);
    QFETCH(QStringList, lignes);

    TBanc banc;
    banc.etat.Faits.NumObservation = depart - 1;
    QString vue;
    QStringList vues;
    QVERIFY(banc.Ouvre([&](QWidget& fenetre) {
        if (!commande.isEmpty()) Utilise(qPrintable(commande))(fenetre);
        vue = TexteDe(fenetre, "Label1");
        vues = LignesDe(fenetre, "ListBox1");
        Utilise("Close1")(fenetre);
    }));
    QCOMPARE(vue, etiquette);
    QCOMPARE(vues, lignes);
}

void SelChainTest::choixObservation() {
    TBanc banc;
    banc.etat.Faits.NumObservation = 2;
    banc.parcours.Puis("SelChain", Clique("Select observation")).Puis("ForwChain", Utilise("Close1"), RunFini);
    QVERIFY(banc.Ouvre());
    QCOMPARE(banc.journal.Messages.size(), std::size_t{1});
    QCOMPARE(banc.journal.Messages[0].Texte, std::string("Observation 3 containing 2 data is used for inference "));
    QCOMPARE(banc.journal.Messages[0].Genre, TGenreMessage::Information);
    QCOMPARE(banc.moteur.NumObservationInference(), 2);
    QCOMPARE(banc.moteur.ObservationInference().size(), std::size_t{2});
    // The selection window closed with the inference window.
    QVERIFY(banc.fenetre.Terminee());
    QCOMPARE(banc.fenetre.result(), int(QDialog::Accepted));
}

void SelChainTest::observationVide() {
    TBanc banc;
    banc.moteur.ChoisitObservation(banc.etat.Faits.Observations[0], 0);
    bool resteOuverte = false;
    QVERIFY(banc.Ouvre([&](QWidget& fenetre) {
        Utilise("Next1")(fenetre);
        Utilise("Select1")(fenetre);
        resteOuverte = fenetre.isVisible();
        Utilise("Close1")(fenetre);
    }));
    QVERIFY(resteOuverte);
    QCOMPARE(banc.journal.Textes(),
             std::vector<std::string>{"Observation n\xB0" "2 is empty. Select an other observation for inference"});
    QCOMPARE(banc.journal.Messages[0].Genre, TGenreMessage::Avertissement);
    QVERIFY(!banc.fenetre.Terminee());
    // The observation under inference is left as it was.
    QCOMPARE(banc.moteur.NumObservationInference(), 0);
    QCOMPARE(banc.moteur.ObservationInference().size(), std::size_t{3});
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
    if (vide)
        Observations(banc.etat, {{}});
    else
        banc.etat.Faits.Observations.resize(1);
    banc.parcours.Puis("ForwChain", Utilise("Close1"), RunFini);
    QVERIFY(banc.Ouvre());
    QCOMPARE(banc.parcours.Vus, QStringList{"Forward Chaining"});
    QVERIFY(banc.journal.Messages.empty());
    QCOMPARE(banc.moteur.ObservationInference().size(), vide ? std::size_t{0} : std::size_t{3});
    QVERIFY(banc.fenetre.Terminee());
}

void SelChainTest::clicDansLaListe() {
    TBanc banc;
    bool selection = true;
    QVERIFY(banc.Ouvre([&](QWidget& fenetre) {
        CliqueLigne(fenetre, "ListBox1", 1);
        selection = fenetre.findChild<QListView*>("ListBox1")->selectionModel()->hasSelection();
        Utilise("Close1")(fenetre);
    }));
    QVERIFY(!selection);
}

QTEST_MAIN(SelChainTest)
#include "Sel_chai_test.moc"
