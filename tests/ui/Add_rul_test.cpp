// The rules editor and its priority degree dialog as a person uses them:
// lines clicked, buttons pressed, the dialog answered by typing and keys.
// Where a rule goes and which entries a rule may hold are tested with the
// rule editing itself.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Add_rul.h"

using namespace veridane;

namespace {

// Dictionary: AGE > 18, CLASS = ADULT, COLOUR in { RED, BLUE }, T = 38.5;
// rules of priorities 0.9, 0.5, 0.3.
TEtatVeridane EtatExemple() {
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Base.Dictionnaire = EntreesDico({NouvelleProposition("AGE", OpSuperieur, 18.0),
                                          NouvelleProposition("CLASS", OpEgal, std::string("ADULT")),
                                          NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "BLUE"}),
                                          NouvelleProposition("T", OpEgal, 38.5)});
    etat.Base.NbFaitsDico = 4;
    for (double p : {0.9, 0.5, 0.3}) {
        TRegle r;
        r.Premisses.push_back(NouvelleProposition("OLD", OpEgal, p));
        r.Conclusion = NouvelleProposition("Y", OpEgal, 1.0);
        r.NbPremissesRestantes = 1;
        r.Priorite = p;
        etat.Base.Regles.push_back(r);
    }
    etat.Base.NbRegles = 3;
    return etat;
}

// Types the degree in the dialog and presses Enter.
void RepondDegre(const QString& texte) {
    QuandModale([texte](QWidget& dialogue) {
        QCOMPARE(dialogue.windowTitle(), QString("Priority Degree"));
        Tape(Controle<QLineEdit>(dialogue, "Edit1"), texte);
        QTest::keyClick(Controle<QLineEdit>(dialogue, "Edit1"), Qt::Key_Return);
    });
}

}  // namespace

class AjoutReglesTest : public QObject {
    Q_OBJECT

    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    std::unique_ptr<TAjoutRegles> Fenetre;

    template <class T>
    T* C(const char* nom) { return Controle<T>(*Fenetre, nom); }
    void Clique(const char* bouton) { QTest::mouseClick(C<QPushButton>(bouton), Qt::LeftButton); }
    void Premisse(int ligne) {
        CliqueLigne(C<QListView>("ListeDico"), ligne);
        Clique("AddPremBtn");
    }
    void Conclusion(const QString& texte) {
        Choisit(C<QComboBox>("ComboConclusion"), texte);
        Clique("AddConcBtn");
    }
    QStringList Regle() { return Lignes(C<QListWidget>("AffichageRegle")); }
    bool Prete() { return C<QPushButton>("AddRuleBtn")->isEnabled() && C<QAction>("Addruleinthebase1")->isVisible(); }

private slots:
    void init() {
        Etat = EtatExemple();
        Journal = TDialoguesJournal{};
        Fenetre = std::make_unique<TAjoutRegles>(Etat, Journal);
        Fenetre->Initialise();
        Fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenetre.get()));
    }

    void BuildingARuleWithTheButtons() {
        QCOMPARE(Regle(), QStringList{"No rule created"});
        QVERIFY(!Prete());
        Premisse(0);
        Premisse(2);
        QVERIFY(!Prete());
        Conclusion("CLASS = ADULT");
        QCOMPARE(Regle(), QStringList({"If AGE > 18", "And COLOUR in { RED, BLUE }", "Then CLASS = ADULT"}));
        QVERIFY(Prete());
        QVERIFY(!C<QPushButton>("AddConcBtn")->isEnabled());

        // A click on a line offers its removal.
        QVERIFY(C<QPushButton>("RemoveItemBtn")->isHidden());
        CliqueLigne(C<QListWidget>("AffichageRegle"), 2);
        QVERIFY(!C<QPushButton>("RemoveItemBtn")->isHidden());
        Clique("RemoveItemBtn");
        QCOMPARE(Regle(), QStringList({"If AGE > 18", "And COLOUR in { RED, BLUE }", "Then ?"}));
        QVERIFY(C<QPushButton>("AddConcBtn")->isEnabled());
        QVERIFY(!Prete());
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Conclusion removed"});
    }

    // "Add Rule in Base" asks the degree until it is correct; the rule goes
    // in and the editor starts afresh.
    void AddRuleInBase() {
        Premisse(3);
        Conclusion("CLASS = ADULT");
        // The first answer is refused, the dialog comes back and takes 0.5.
        QuandModale([](QWidget& dialogue) {
            Tape(Controle<QLineEdit>(dialogue, "Edit1"), "1.5");
            QTest::mouseClick(Controle<QPushButton>(dialogue, "BitBtn1"), Qt::LeftButton);
            RepondDegre("0,5");
        });
        Clique("AddRuleBtn");
        QCOMPARE(Journal.Textes(), (std::vector<std::string>{"Error: priority degree incorrect", "Priority degree = 50%"}));
        QCOMPARE(Etat.Base.NbRegles, 4);
        QCOMPARE(Etat.Base.Regles[2].Priorite, 0.5);
        QCOMPARE(Etat.Base.Regles[2].Conclusion.Modalite, std::string("ADULT"));
        QCOMPARE(Fenetre->windowTitle(), QString("Rules Editor: 4 rules"));
        QCOMPARE(Regle(), QStringList{"No rule created"});
    }

    // The menu command does the same; Escape (as the window's frame does)
    // or Cancel in the degree dialog keep the rule in the editor.
    void CancellingTheDegree_data() {
        QTest::addColumn<int>("facon");
        QTest::newRow("Escape") << 0;
        QTest::newRow("Cancel button") << 1;
    }
    void CancellingTheDegree() {
        QFETCH(int, facon);
        Premisse(0);
        Conclusion("T = 38.5");
        QuandModale([facon](QWidget& dialogue) {
            if (facon == 0) QTest::keyClick(&dialogue, Qt::Key_Escape);
            if (facon == 1) QTest::mouseClick(Controle<QPushButton>(dialogue, "BitBtn2"), Qt::LeftButton);
        });
        C<QAction>("Addruleinthebase1")->trigger();
        QCOMPARE(Etat.Base.NbRegles, 3);
        QVERIFY(!Etat.Base.ReglesModifiees);
        QVERIFY(Prete());
    }

    void ClosingWithAReadyRuleAsks_data() {
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("ouverte");
        QTest::newRow("No keeps the editor") << int(TReponse::Non) << true;
        QTest::newRow("Yes closes it") << int(TReponse::Oui) << false;
    }
    void ClosingWithAReadyRuleAsks() {
        QFETCH(int, reponse);
        QFETCH(bool, ouverte);
        Premisse(0);
        Conclusion("T = 38.5");
        Journal.Reponses.push_back(static_cast<TReponse>(reponse));
        QTest::keyClick(Fenetre.get(), Qt::Key_Escape);
        QCOMPARE(Journal.Textes(),
                 std::vector<std::string>{"Do you want to quit the menu without adding the rule in the base ?"});
        QCOMPARE(Fenetre->isVisible(), ouverte);
    }
};

QTEST_MAIN(AjoutReglesTest)
#include "Add_rul_test.moc"
