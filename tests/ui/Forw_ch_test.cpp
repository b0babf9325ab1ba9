// The forward chaining window opened as the selection opens it: the lists
// and counters live during the run, the rule details from either list, a
// stop and a close pressed during the run.
// A whole run on the demo project is walked from the menus in parcours_test.
#include <QAction>
#include <QListView>
#include <QThread>
#include <QPushButton>
#include <QtTest>

#include "inference_windows_fixture.h"
#include "support/parcours.h"
#include "ui/Forw_ch.h"

using namespace veridane;
using namespace veridane::essai;
using namespace veridane::geste;

namespace {

bool Montre(const QWidget& fenetre, const char* nom) { return !fenetre.findChild<QWidget*>(nom)->isHidden(); }

// Looks at the window mid-run, from the engine's notifications, and acts
// there as the user would while the engine pumps.
class TFenetreObservee : public TForwChain {
public:
    using TForwChain::TForwChain;
    std::function<void(TFenetreObservee&, int nb)> ApresDeclenchement;
    std::function<void(TFenetreObservee&)> ApresNiveau;
    std::function<void(TFenetreObservee&)> ApresPompe;

    void RegleDeclenchee(int numero, int nb) override {
        TForwChain::RegleDeclenchee(numero, nb);
        if (ApresDeclenchement) ApresDeclenchement(*this, nb);
    }
    void FinNiveau() override {
        TForwChain::FinNiveau();
        if (ApresNiveau) ApresNiveau(*this);
    }
    void PompeEvenements() override {
        TForwChain::PompeEvenements();
        if (ApresPompe) ApresPompe(*this);
    }
};

// The run is over: the person sees "View tree of reasoning".
bool RunFini(QWidget& fenetre) { return Montre(fenetre, "TreeButton") && !static_cast<TForwChain&>(fenetre).EnCours(); }

}  // namespace

class ForwChainTest : public QObject {
    Q_OBJECT
private slots:
    void compteursPendantLeRun();
    void detailsDeRegle_data();
    void detailsDeRegle();
    void detailsPendantLeNiveau();
    void boutonDetails();
    void listesALaFin();
    void stopPendantUnLongRun();
    void fermeturePendantLeRun();
};

void ForwChainTest::compteursPendantLeRun() {
    // What the run adds shows when the window paints and at the end of each
    // level: there the counters and both lists agree.
    TBanc banc;
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    QStringList vus;
    fenetre.ApresNiveau = [&](TFenetreObservee& f) {
        for (const char* nom : {"StatusText", "NbTriggered", "NbDeduced", "NbData"}) vus << TexteDe(f, nom);
        vus << QString("%1/%2").arg(LignesDe(f, "TriggeredRules").size()).arg(LignesDe(f, "DeducedData").size());
    };
    banc.parcours.Puis("ForwChain", Utilise("Close1"), RunFini);
    QVERIFY(banc.Ouvre(fenetre, 0));
    QCOMPARE(vus, QStringList({" Level 1", "Triggered rule: 2", "Deduced data: 2", "Data Base: 5", "2/2",
                               " Level 2", "Triggered rule: 3", "Deduced data: 3", "Data Base: 6", "3/3",
                               " Level 3", "Triggered rule: 4", "Deduced data: 4", "Data Base: 7", "4/4",
                               " Level 4", "Triggered rule: 4", "Deduced data: 4", "Data Base: 7", "4/4"}));
}

void ForwChainTest::detailsDeRegle_data() {
    QTest::addColumn<QString>("liste");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("texte");  // the inference texts' own

    const QString regle2 = "Rule 2 [Confidence degree = 90%]:\nIf COUGH = YES\nAnd FEVER = YES\nThen DIAGNOSIS = FLU";
    const QString regle3 = "Rule 3 [Confidence degree = 85%]:\nIf AGE >= 65\nThen RISK = HIGH";
    // The third deduced datum comes from the third record: rule 2, level 2.
    QTest::newRow("third deduced datum") << "DeducedData" << 2 << regle2;
    QTest::newRow("second triggered rule") << "TriggeredRules" << 1 << regle3;
}

void ForwChainTest::detailsDeRegle() {
    QFETCH(QString, liste);
    QFETCH(int, ligne);
    QFETCH(QString, texte);
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.parcours
        .Puis("ForwChain", Suite({[&](QWidget& f) {
            CliqueLigne(f, qPrintable(liste), ligne);
            Clique("View rule in detail")(f);
        }, Utilise("Close1")}), RunFini)
        .Puis("Rule ", Clique("OK"));
    QVERIFY(banc.Ouvre(fenetre, 0));
    QCOMPARE(banc.parcours.Vus, (QStringList{"Forward Chaining", texte}));
}

void ForwChainTest::detailsPendantLeNiveau() {
    // A rule fired in the level still running shows at the next painting
    // but has no record yet: its details come once its level is over.
    TBanc banc;
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    bool aLaPeinture = false;
    QStringList lignesMontrees;
    auto details = [](TFenetreObservee& f) {
        CliqueLigne(f, "TriggeredRules", 0);
        Clique("View rule in detail")(f);
    };
    fenetre.ApresDeclenchement = [&](TFenetreObservee& f, int nb) {
        if (nb == 1) {
            // Long enough for the next pump to paint, even in a slow build
            // where the wait is PeinturesParRun times what the last painting took.
            QThread::msleep(TForwChain::IntervallePeinture * 25);
            aLaPeinture = true;
        }
        if (nb == 3) details(f);
    };
    fenetre.ApresPompe = [&](TFenetreObservee& f) {
        if (!aLaPeinture) return;
        aLaPeinture = false;
        lignesMontrees = LignesDe(f, "TriggeredRules");
        details(f);
    };
    // The box comes up during the run, before the window is answered.
    banc.parcours.Puis("Rule 1 [Confidence degree = 100%]:", Clique("OK")).Puis("ForwChain", Utilise("Close1"), RunFini);
    QVERIFY(banc.Ouvre(fenetre, 0));
    QCOMPARE(lignesMontrees, QStringList{"Rule 1"});
    QCOMPARE(banc.parcours.Vus.size(), 2);
}

void ForwChainTest::boutonDetails() {
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QList<bool> montre;
    banc.parcours.Puis("ForwChain", Suite({[&](QWidget& f) {
        CliqueLigne(f, "TriggeredRules", 0);
        montre << Montre(f, "RuleButton");
        CliqueLigne(f, "InitialData", 0);
        montre << Montre(f, "RuleButton");
        CliqueLigne(f, "DeducedData", 1);
        montre << Montre(f, "RuleButton");
        QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(2, f.height() / 2));
        montre << Montre(f, "RuleButton");
    }, Utilise("Close1")}), RunFini);
    QVERIFY(banc.Ouvre(fenetre, 0));
    QCOMPARE(montre, (QList<bool>{true, false, true, false}));
}

void ForwChainTest::listesALaFin() {
    // A run longer than the lists can show ends on their last lines.
    TBanc banc;
    ProjetChaine(banc.etat, 200);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QStringList enBas;
    banc.parcours.Puis("ForwChain", Suite({[&](QWidget& f) {
        for (const char* nom : {"TriggeredRules", "DeducedData"}) {
            const auto* vue = f.findChild<QListView*>(nom);
            enBas << vue->indexAt(QPoint(2, vue->viewport()->height() - 2)).data().toString();
        }
    }, Utilise("Close1")}), RunFini);
    QVERIFY(banc.Ouvre(fenetre, 0));
    QCOMPARE(enBas, (QStringList{"Rule 200", "S201 = YES"}));
}

void ForwChainTest::stopPendantUnLongRun() {
    TBanc banc;
    ProjetChaine(banc.etat, 2000);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    fenetre.ApresDeclenchement = [](TFenetreObservee& f, int nb) {
        if (nb == 3) Clique("Stop Induction")(f);
    };
    QStringList vu;
    banc.parcours.Puis("ForwChain", Suite({[&](QWidget& f) {
        vu << LignesDe(f, "TriggeredRules") << LignesDe(f, "DeducedData") << TexteDe(f, "StatusText");
    }, Utilise("Close1")}), RunFini);
    QVERIFY(banc.Ouvre(fenetre, 0));
    // The level in which Stop was pressed is finished and kept, then the
    // run ends.
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{3});
    QCOMPARE(vu, (QStringList{"Rule 1", "Rule 2", "Rule 3", "S2 = YES", "S3 = YES", "S4 = YES", " End of inference "}));
}

void ForwChainTest::fermeturePendantLeRun() {
    TBanc banc;
    ProjetChaine(banc.etat, 500);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    bool fermeeTropTot = false;
    fenetre.ApresDeclenchement = [&](TFenetreObservee& f, int nb) {
        if (nb == 2) Utilise("Close1")(f);
        if (nb == 3) fermeeTropTot = !f.isVisible();
    };
    // The window closes by itself once the run has stopped.
    QVERIFY(banc.Ouvre(fenetre, 0));
    QVERIFY(!fermeeTropTot);
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{2});
    QCOMPARE(fenetre.result(), int(QDialog::Rejected));
}

QTEST_MAIN(ForwChainTest)
#include "Forw_ch_test.moc"
