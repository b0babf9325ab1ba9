// The forward chaining window opened as the selection opens it: the counters
// in their two forms, the two lists growing in step, the rule details, a stop
// and a close pressed during the run, and the tree opened and left again.
// A whole run on the demo project is walked from the menus in parcours_test.
#include <QAction>
#include <QThread>
#include <QPushButton>
#include <QtTest>

#include "core/journal.h"
#include "inference/moteur.h"
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
    int Niveaux1 = 0;

    void DebutNiveau(int niveau) override {
        Niveaux1 += niveau == 1;
        TForwChain::DebutNiveau(niveau);
    }
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

// `geste`, then "&Close".
TParcours::TGeste PuisFerme(TParcours::TGeste geste = {}) {
    return [geste](QWidget& fenetre) {
        if (geste) geste(fenetre);
        Utilise("Close1")(fenetre);
    };
}

struct TBanc {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TMoteur moteur;
    TParcours parcours;

    TBanc() { ProjetGrippe(etat); }
    // Opens the window on `observation`, as choosing it does, and answers
    // the windows queued on `parcours`.
    bool Ouvre(TForwChain& fenetre, int observation = 0) {
        moteur.ChoisitObservation(etat.Faits.Observations.at(static_cast<std::size_t>(observation)), observation);
        bool reussi = parcours.Execute([&] { fenetre.Ouvre(); });
        if (!reussi) qWarning("%s", qPrintable(parcours.Erreur()));
        return reussi;
    }
};

}  // namespace

class ForwChainTest : public QObject {
    Q_OBJECT
private slots:
    void creation();
    void runComplet();
    void compteursAuDepart_data();
    void compteursAuDepart();
    void compteursPendantLeRun();
    void detailsDeRegle_data();
    void detailsDeRegle();
    void detailsPendantLeNiveau();
    void boutonDetails();
    void stopPendantUnLongRun();
    void fermeturePendantLeRun();
    void arbreOuvertDeuxFois();
};

void ForwChainTest::creation() {
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QCOMPARE(fenetre.windowTitle(), QString("Forward Chaining"));
    QCOMPARE(fenetre.property("contexteAide").toInt(), 32);
    QCOMPARE(TexteDe(fenetre, "Label1"), QString("Knowledge Base"));
    QVERIFY(Montre(fenetre, "StopButton"));
    QVERIFY(!Montre(fenetre, "TreeButton"));
    QVERIFY(!Montre(fenetre, "RuleButton"));
    QVERIFY(!Montre(fenetre, "Gauge1"));
    QCOMPARE(TexteDe(fenetre, "StopButton"), QString("Stop Induction"));
    QCOMPARE(TexteDe(fenetre, "TreeButton"), QString("View tree of reasoning"));
    QCOMPARE(TexteDe(fenetre, "RuleButton"), QString("View rule in detail"));
    QCOMPARE(fenetre.findChild<QAction*>("Close1")->text(), QString("&Close"));
    QCOMPARE(fenetre.findChild<QWidget*>("TriggeredRules")->statusTip(),
             QString(" Select a triggered rule to view it in details"));
    QCOMPARE(fenetre.findChild<QWidget*>("DeducedData")->statusTip(),
             QString(" Select a deduced data to view the rule used in details"));
}

void ForwChainTest::runComplet() {
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QStringList vu;
    banc.parcours.Puis("ForwChain", PuisFerme([&](QWidget& f) {
        vu << LignesDe(f, "InitialData") << LignesDe(f, "TriggeredRules") << LignesDe(f, "DeducedData");
        for (const char* nom : {"NbRules", "NbTriggered", "NbData", "NbInitial", "NbDeduced", "StatusText"})
            vu << TexteDe(f, nom);
        vu << QString::number(Montre(f, "StopButton")) << QString::number(Montre(f, "Gauge1"));
    }), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
    qDebug() << vu;
    // Rule 6 fires at level 2 but deduces the known COUGH = YES: no line.
    QCOMPARE(vu, (QStringList{"TEMPERATURE = 39.5", "COUGH = YES", "AGE = 70",
                              "Rule 1", "Rule 3", "Rule 2", "Rule 4",
                              "FEVER = YES", "RISK = HIGH", "DIAGNOSIS = FLU", "TREATMENT in { REST, ANTIVIRAL }",
                              "Rules Base: 6 rules", "Triggered rule: 4", "Data Base: 7", "Initial data: 3 data",
                              "Deduced data: 4", " End of inference ", "0", "0"}));
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{4});
}

void ForwChainTest::compteursAuDepart_data() {
    QTest::addColumn<int>("nbRegles");
    QTest::addColumn<QString>("regles");
    // Rules whose premise no datum touches: nothing fires, so the counters
    // keep the words written when the run started.
    QTest::newRow("no rule") << 0 << "Rules Base: 0 rule";
    QTest::newRow("one rule") << 1 << "Rules Base: 1 rule";
    QTest::newRow("two rules") << 2 << "Rules Base: 2 rules";
}

void ForwChainTest::compteursAuDepart() {
    QFETCH(int, nbRegles);
    QFETCH(QString, regles);
    TBanc banc;
    std::vector<TRegle> inertes;
    for (int i = 0; i < nbRegles; ++i)
        inertes.push_back(Regle({NouvelleProposition("PULSE", OpSuperieur, 100.0)},
                                NouvelleProposition("TACHYCARDIA", OpEgal, "YES"), 1.0));
    Rules(banc.etat, inertes);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QStringList vu;
    banc.parcours.Puis("ForwChain", PuisFerme([&](QWidget& f) {
        for (const char* nom : {"NbRules", "NbTriggered", "NbData", "NbInitial", "NbDeduced"}) vu << TexteDe(f, nom);
        vu << LignesDe(f, "TriggeredRules");
    }), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(vu, (QStringList{regles, "Triggered rules: 0 rule", "Data Base: 3 data", "Initial data: 3 data",
                              "Deduced data: 0 data"}));
}

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
    banc.parcours.Puis("ForwChain", PuisFerme(), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(vus, QStringList({" Level 1", "Triggered rule: 2", "Deduced data: 2", "Data Base: 5", "2/2",
                               " Level 2", "Triggered rule: 3", "Deduced data: 3", "Data Base: 6", "3/3",
                               " Level 3", "Triggered rule: 4", "Deduced data: 4", "Data Base: 7", "4/4",
                               " Level 4", "Triggered rule: 4", "Deduced data: 4", "Data Base: 7", "4/4"}));
}

void ForwChainTest::detailsDeRegle_data() {
    QTest::addColumn<QString>("liste");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("texte");

    const QString regle2 = "Rule 2 [Confidence degree = 90%]:\nIf COUGH = YES\nAnd FEVER = YES\nThen DIAGNOSIS = FLU";
    const QString regle3 = "Rule 3 [Confidence degree = 85%]:\nIf AGE >= 65\nThen RISK = HIGH";
    const QString regle4 = "Rule 4 [Confidence degree = 80%]:\nIf DIAGNOSIS = FLU\nAnd RISK = HIGH\n"
                           "Then TREATMENT in { REST, ANTIVIRAL }";
    // The third deduced datum comes from the third record: rule 2, level 2.
    QTest::newRow("third deduced datum") << "DeducedData" << 2 << regle2;
    QTest::newRow("second triggered rule") << "TriggeredRules" << 1 << regle3;
    QTest::newRow("last deduced datum, value list") << "DeducedData" << 3 << regle4;
    QTest::newRow("first triggered rule") << "TriggeredRules" << 0
                                          << "Rule 1 [Confidence degree = 100%]:\nIf TEMPERATURE > 38\n"
                                             "Then FEVER = YES";
}

void ForwChainTest::detailsDeRegle() {
    QFETCH(QString, liste);
    QFETCH(int, ligne);
    QFETCH(QString, texte);
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.parcours
        .Puis("ForwChain", PuisFerme([&](QWidget& f) {
            CliqueLigne(f, qPrintable(liste), ligne);
            Clique("View rule in detail")(f);
        }), RunFini)
        .Puis("Rule ", Clique("OK"));
    QVERIFY(banc.Ouvre(fenetre));
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
            QThread::msleep(TForwChain::IntervallePeinture + 5);
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
    banc.parcours.Puis("Rule 1 [Confidence degree = 100%]:", Clique("OK")).Puis("ForwChain", PuisFerme(), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(lignesMontrees, QStringList{"Rule 1"});
    QCOMPARE(banc.parcours.Vus.size(), 2);
}

void ForwChainTest::boutonDetails() {
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QList<bool> montre;
    banc.parcours.Puis("ForwChain", PuisFerme([&](QWidget& f) {
        CliqueLigne(f, "TriggeredRules", 0);
        montre << Montre(f, "RuleButton");
        CliqueLigne(f, "InitialData", 0);
        montre << Montre(f, "RuleButton");
        CliqueLigne(f, "DeducedData", 1);
        montre << Montre(f, "RuleButton");
        QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(2, f.height() / 2));
        montre << Montre(f, "RuleButton");
    }), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(montre, (QList<bool>{true, false, true, false}));
}

void ForwChainTest::stopPendantUnLongRun() {
    TBanc banc;
    ProjetChaine(banc.etat, 2000);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    fenetre.ApresDeclenchement = [](TFenetreObservee& f, int nb) {
        if (nb == 3) Clique("Stop Induction")(f);
    };
    QStringList vu;
    banc.parcours.Puis("ForwChain", PuisFerme([&](QWidget& f) {
        vu << LignesDe(f, "TriggeredRules") << LignesDe(f, "DeducedData") << TexteDe(f, "StatusText");
    }), RunFini);
    QVERIFY(banc.Ouvre(fenetre));
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
    QVERIFY(banc.Ouvre(fenetre));
    QVERIFY(!fermeeTropTot);
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{2});
    QCOMPARE(fenetre.result(), int(QDialog::Rejected));
}

void ForwChainTest::arbreOuvertDeuxFois() {
    // The run starts once, when the window opens; coming back from the
    // tree window leaves the result as it is.
    TBanc banc;
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    QStringList apresArbre;
    banc.parcours
        .Puis("ForwChain", PuisFerme([&](QWidget& f) {
            Clique("View tree of reasoning")(f);
            Clique("View tree of reasoning")(f);
            apresArbre = LignesDe(f, "TriggeredRules");
        }), RunFini)
        .Puis("Tree of reasoning", Utilise("Close1"))
        .Puis("Tree of reasoning", Utilise("Close1"));
    QVERIFY(banc.Ouvre(fenetre));
    QCOMPARE(fenetre.Niveaux1, 1);
    QCOMPARE(apresArbre, QStringList({"Rule 1", "Rule 3", "Rule 2", "Rule 4"}));
}

QTEST_MAIN(ForwChainTest)
#include "Forw_ch_test.moc"
