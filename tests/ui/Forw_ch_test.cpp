// The forward chaining window: a whole run on a small project, the counters in
// their two forms, the two lists growing in step, the rule details, a stop
// and a close requested during the run, and the tree opened afterwards.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "core/journal.h"
#include "inference/moteur.h"
#include "inference_windows_fixture.h"
#include "ui/Forw_ch.h"

using namespace veridane;
using namespace veridane::essai;

namespace {

QStringList Lignes(const QWidget& fenetre, const char* nom) {
    QStringList lignes;
    auto* liste = fenetre.findChild<QListWidget*>(nom);
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

QString TexteDe(const QWidget& fenetre, const char* nom) { return fenetre.findChild<QLabel*>(nom)->text(); }

bool Montre(const QWidget& fenetre, const char* nom) { return !fenetre.findChild<QWidget*>(nom)->isHidden(); }

struct TDetail {
    std::string Titre;
    std::string Texte;
};

// The window with its details box and tree window recorded instead of shown.
struct TBanc {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TMoteur moteur;
    std::vector<TDetail> details;
    int arbres = 0;

    void Prepare(TForwChain& fenetre, int observation = 0) {
        moteur.ChoisitObservation(etat.Faits.Observations.at(static_cast<std::size_t>(observation)), observation);
        fenetre.FixeBoiteDetails([this](const std::string& t, const std::string& x) { details.push_back({t, x}); });
        fenetre.FixeOuvertureArbre([this] { ++arbres; });
    }
};

// Hooks into the notifications to look at the window mid-run and to act as
// the user would while the engine pumps.
class TFenetreObservee : public TForwChain {
public:
    using TForwChain::TForwChain;
    std::function<void(TFenetreObservee&, int numero, int nb)> ApresDeclenchement;
    std::function<void(TFenetreObservee&)> ApresDeduction;
    int Niveaux1 = 0;

    void DebutNiveau(int niveau) override {
        Niveaux1 += niveau == 1;
        TForwChain::DebutNiveau(niveau);
    }
    void RegleDeclenchee(int numero, int nb) override {
        TForwChain::RegleDeclenchee(numero, nb);
        if (ApresDeclenchement) ApresDeclenchement(*this, numero, nb);
    }
    void FaitDeduit(const TProposition& fait, int nbDeduits, int total) override {
        TForwChain::FaitDeduit(fait, nbDeduits, total);
        if (ApresDeduction) ApresDeduction(*this);
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
    void listesEnPhase();
    void detailsDeRegle_data();
    void detailsDeRegle();
    void detailsSansSelection();
    void detailsPendantLeNiveau();
    void boutonDetails();
    void valeurCritique();
    void stopPendantUnLongRun();
    void fermeturePendantLeRun();
    void ouvertureLanceUneFois();
    void indications();
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
    QCOMPARE(fenetre.findChild<QPushButton*>("StopButton")->text(), QString("Stop Induction"));
    QCOMPARE(fenetre.findChild<QPushButton*>("TreeButton")->text(), QString("View tree of reasoning"));
    QCOMPARE(fenetre.findChild<QPushButton*>("RuleButton")->text(), QString("View rule in detail"));
    QCOMPARE(fenetre.findChild<QAction*>("Close1")->text(), QString("&Close"));
}

void ForwChainTest::runComplet() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.Lance();

    QCOMPARE(Lignes(fenetre, "InitialData"), QStringList({"TEMPERATURE = 39.5", "COUGH = YES", "AGE = 70"}));
    // Rule 6 fires at level 2 but deduces the known COUGH = YES: no line.
    QCOMPARE(Lignes(fenetre, "TriggeredRules"), QStringList({"Rule 1", "Rule 3", "Rule 2", "Rule 4"}));
    QCOMPARE(Lignes(fenetre, "DeducedData"), QStringList({"FEVER = YES", "RISK = HIGH", "DIAGNOSIS = FLU",
                                                          "TREATMENT in { REST, ANTIVIRAL }"}));
    QCOMPARE(TexteDe(fenetre, "NbRules"), QString("Rules Base: 6 rules"));
    QCOMPARE(TexteDe(fenetre, "NbTriggered"), QString("Triggered rule: 4"));
    QCOMPARE(TexteDe(fenetre, "NbData"), QString("Data Base: 7"));
    QCOMPARE(TexteDe(fenetre, "NbInitial"), QString("Initial data: 3 data"));
    QCOMPARE(TexteDe(fenetre, "NbDeduced"), QString("Deduced data: 4"));
    QCOMPARE(TexteDe(fenetre, "StatusText"), QString(" End of inference "));
    QVERIFY(!Montre(fenetre, "StopButton"));
    QVERIFY(Montre(fenetre, "TreeButton"));
    QVERIFY(!Montre(fenetre, "Gauge1"));
    QVERIFY(!fenetre.EnCours());
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{4});

    fenetre.ViewTreeClick();
    QCOMPARE(banc.arbres, 1);
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
    ProjetGrippe(banc.etat);
    std::vector<TRegle> inertes;
    for (int i = 0; i < nbRegles; ++i)
        inertes.push_back(Regle({NouvelleProposition("PULSE", OpSuperieur, 100.0)},
                                NouvelleProposition("TACHYCARDIA", OpEgal, "YES"), 1.0));
    Rules(banc.etat, inertes);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.Lance();
    QCOMPARE(TexteDe(fenetre, "NbRules"), regles);
    QCOMPARE(TexteDe(fenetre, "NbTriggered"), QString("Triggered rules: 0 rule"));
    QCOMPARE(TexteDe(fenetre, "NbData"), QString("Data Base: 3 data"));
    QCOMPARE(TexteDe(fenetre, "NbInitial"), QString("Initial data: 3 data"));
    QCOMPARE(TexteDe(fenetre, "NbDeduced"), QString("Deduced data: 0 data"));
    QVERIFY(Lignes(fenetre, "TriggeredRules").isEmpty());
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{1});
}

void ForwChainTest::compteursPendantLeRun() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    QStringList vus;
    fenetre.ApresDeclenchement = [&](TFenetreObservee& f, int, int nb) {
        vus << TexteDe(f, "NbTriggered") << TexteDe(f, "StatusText");
        if (nb == 1) vus << TexteDe(f, "NbDeduced") << TexteDe(f, "NbData");
    };
    fenetre.ApresDeduction = [&](TFenetreObservee& f) {
        if (f.findChild<QListWidget*>("DeducedData")->count() == 1)
            vus << TexteDe(f, "NbDeduced") << TexteDe(f, "NbData");
    };
    fenetre.Lance();
    QCOMPARE(vus, QStringList({"Triggered rule: 1", " Level 1", "Deduced data: 0 data", "Data Base: 3 data",
                               "Deduced data: 1", "Data Base: 4", "Triggered rule: 2", " Level 1",
                               "Triggered rule: 3", " Level 2", "Triggered rule: 4", " Level 3"}));
}

void ForwChainTest::listesEnPhase() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    std::vector<std::pair<int, int>> tailles;
    fenetre.ApresDeduction = [&](TFenetreObservee& f) {
        tailles.emplace_back(f.findChild<QListWidget*>("TriggeredRules")->count(),
                             f.findChild<QListWidget*>("DeducedData")->count());
    };
    fenetre.Lance();
    QCOMPARE(tailles, (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 3}, {4, 4}}));
}

void ForwChainTest::detailsDeRegle_data() {
    QTest::addColumn<QString>("liste");
    QTest::addColumn<int>("ligne");
    QTest::addColumn<QString>("texte");

    const QString regle2 = "Rule 2 [Confidence degree = 90%]:\r\nIf COUGH = YES\r\nAnd FEVER = YES\r\nThen DIAGNOSIS = FLU";
    const QString regle3 = "Rule 3 [Confidence degree = 85%]:\r\nIf AGE >= 65\r\nThen RISK = HIGH";
    const QString regle4 = "Rule 4 [Confidence degree = 80%]:\r\nIf DIAGNOSIS = FLU\r\nAnd RISK = HIGH\r\n"
                           "Then TREATMENT in { REST, ANTIVIRAL }";
    // The third deduced datum comes from the third record: rule 2, level 2.
    QTest::newRow("third deduced datum") << "DeducedData" << 2 << regle2;
    QTest::newRow("second triggered rule") << "TriggeredRules" << 1 << regle3;
    QTest::newRow("last deduced datum, value list") << "DeducedData" << 3 << regle4;
    QTest::newRow("first triggered rule") << "TriggeredRules" << 0
                                          << "Rule 1 [Confidence degree = 100%]:\r\nIf TEMPERATURE > 38\r\n"
                                             "Then FEVER = YES";
}

void ForwChainTest::detailsDeRegle() {
    QFETCH(QString, liste);
    QFETCH(int, ligne);
    QFETCH(QString, texte);
    TBanc banc;
    ProjetGrippe(banc.etat);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.Lance();

    fenetre.findChild<QListWidget*>(liste)->setCurrentRow(ligne);
    if (liste == "DeducedData")
        fenetre.DeducedDataClick();
    else
        fenetre.TriggeredRulesClick();
    QVERIFY(Montre(fenetre, "RuleButton"));
    fenetre.ViewRuleClick();
    QCOMPARE(banc.details.size(), std::size_t{1});
    QCOMPARE(banc.details[0].Titre, std::string("Details of rule "));
    QCOMPARE(QString::fromStdString(banc.details[0].Texte), texte);
}

void ForwChainTest::detailsSansSelection() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.Lance();
    fenetre.DeducedDataClick();
    fenetre.ViewRuleClick();
    QVERIFY(banc.details.empty());
}

void ForwChainTest::detailsPendantLeNiveau() {
    // A rule fired in the level still running has no record yet.
    TBanc banc;
    ProjetGrippe(banc.etat);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    std::vector<std::size_t> montres;
    fenetre.ApresDeclenchement = [&](TFenetreObservee& f, int, int nb) {
        if (nb != 1 && nb != 3) return;
        f.findChild<QListWidget*>("TriggeredRules")->setCurrentRow(0);
        f.TriggeredRulesClick();
        f.ViewRuleClick();
        montres.push_back(banc.details.size());
    };
    fenetre.Lance();
    // During level 1 nothing; during level 2 the record of level 1 is there.
    QCOMPARE(montres, (std::vector<std::size_t>{0, 1}));
    QVERIFY(QString::fromStdString(banc.details[0].Texte).startsWith("Rule 1 [Confidence degree = 100%]:"));
}

void ForwChainTest::boutonDetails() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.Lance();
    fenetre.TriggeredRulesClick();
    QVERIFY(Montre(fenetre, "RuleButton"));
    fenetre.InitialDataClick();
    QVERIFY(!Montre(fenetre, "RuleButton"));
    fenetre.DeducedDataClick();
    QVERIFY(Montre(fenetre, "RuleButton"));
    QTest::mouseClick(&fenetre, Qt::LeftButton, {}, QPoint(2, fenetre.height() / 2));
    QVERIFY(!Montre(fenetre, "RuleButton"));
}

void ForwChainTest::valeurCritique() {
    // Rules below the critical value never fire and are never shown; a rule
    // at the critical value takes part.
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.etat.ValeurCritique = 0.9;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.Lance();
    QCOMPARE(Lignes(fenetre, "TriggeredRules"), QStringList({"Rule 1", "Rule 2"}));
    QCOMPARE(Lignes(fenetre, "DeducedData"), QStringList({"FEVER = YES", "DIAGNOSIS = FLU"}));
    QCOMPARE(TexteDe(fenetre, "NbRules"), QString("Rules Base: 6 rules"));
}

void ForwChainTest::stopPendantUnLongRun() {
    TBanc banc;
    ProjetChaine(banc.etat, 2000);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    fenetre.ApresDeclenchement = [](TFenetreObservee& f, int, int nb) {
        if (nb == 3) f.findChild<QPushButton*>("StopButton")->click();
    };
    fenetre.Lance();
    // The level in which Stop was pressed is finished and kept, then the
    // run ends.
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{3});
    QCOMPARE(Lignes(fenetre, "TriggeredRules"), QStringList({"Rule 1", "Rule 2", "Rule 3"}));
    QCOMPARE(Lignes(fenetre, "DeducedData"), QStringList({"S2 = YES", "S3 = YES", "S4 = YES"}));
    QCOMPARE(TexteDe(fenetre, "StatusText"), QString(" End of inference "));
    QVERIFY(!Montre(fenetre, "StopButton"));
    QVERIFY(Montre(fenetre, "TreeButton"));
    QVERIFY(!fenetre.EnCours());
}

void ForwChainTest::fermeturePendantLeRun() {
    TBanc banc;
    ProjetChaine(banc.etat, 500);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    bool fermeeTropTot = false;
    fenetre.ApresDeclenchement = [&](TFenetreObservee& f, int, int nb) {
        if (nb == 2) f.findChild<QAction*>("Close1")->trigger();
        if (nb == 3) fermeeTropTot = f.result() == QDialog::Rejected && !f.EnCours();
    };
    fenetre.setResult(-1);
    fenetre.Lance();
    QVERIFY(!fermeeTropTot);
    QCOMPARE(banc.moteur.Raisonnement().size(), std::size_t{2});
    QCOMPARE(fenetre.result(), int(QDialog::Rejected));
}

void ForwChainTest::ouvertureLanceUneFois() {
    // The run starts once the window is open; coming back from the tree
    // window leaves the result as it is.
    TBanc banc;
    ProjetGrippe(banc.etat);
    TFenetreObservee fenetre(banc.etat, banc.journal, banc.moteur);
    banc.Prepare(fenetre);
    QStringList apresArbre;
    // The tree window's own event loop: the forward window is activated
    // again when it closes.
    fenetre.FixeOuvertureArbre([&] {
        ++banc.arbres;
        QCoreApplication::processEvents();
        fenetre.activateWindow();
        QCoreApplication::processEvents();
    });
    std::function<void()> quandFini = [&] {
        if (fenetre.EnCours() || !Montre(fenetre, "TreeButton")) {
            QTimer::singleShot(0, &fenetre, quandFini);
            return;
        }
        fenetre.ViewTreeClick();
        fenetre.ViewTreeClick();
        apresArbre = Lignes(fenetre, "TriggeredRules");
        fenetre.Close1Click();
    };
    QTimer::singleShot(0, &fenetre, quandFini);
    QCOMPARE(fenetre.Ouvre(), int(QDialog::Rejected));
    QCOMPARE(fenetre.Niveaux1, 1);
    QCOMPARE(banc.arbres, 2);
    QCOMPARE(apresArbre, QStringList({"Rule 1", "Rule 3", "Rule 2", "Rule 4"}));
}

void ForwChainTest::indications() {
    TBanc banc;
    TForwChain fenetre(banc.etat, banc.journal, banc.moteur);
    QCOMPARE(fenetre.findChild<QListWidget*>("TriggeredRules")->statusTip(),
             QString(" Select a triggered rule to view it in details"));
    QCOMPARE(fenetre.findChild<QListWidget*>("DeducedData")->statusTip(),
             QString(" Select a deduced data to view the rule used in details"));
    QCOMPARE(fenetre.findChild<QListWidget*>("TriggeredRules")->toolTip(), QString());
}

QTEST_MAIN(ForwChainTest)
#include "Forw_ch_test.moc"
