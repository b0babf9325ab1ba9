// The dictionary manager as a person uses it: typing, choosing, clicking the
// buttons and the lists, the animations on their real timers. The checks of
// an entry and where it goes are the dictionary editing's own tests.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Add_dat.h"
#include "ui/Animation.h"
#include "ui/Conversion.h"

using namespace veridane;

namespace {

// A dictionary (A = 1, B = 1, B = 2, COLOUR in { BLUE, RED }) and one rule
// that uses A = 1.
TEtatVeridane EtatExemple() {
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Base.Dictionnaire = EntreesDico({NouvelleProposition("A", OpEgal, 1.0),
                                          NouvelleProposition("B", OpEgal, 1.0),
                                          NouvelleProposition("B", OpEgal, 2.0),
                                          NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"BLUE", "RED"})});
    etat.Base.NbFaitsDico = 4;
    TRegle regle;
    regle.Premisses.push_back(NouvelleProposition("B", OpEgal, 2.0));
    regle.Conclusion = NouvelleProposition("A", OpEgal, 1.0);
    regle.NbPremissesRestantes = 1;
    regle.Priorite = 0.5;
    etat.Base.Regles.push_back(regle);
    etat.Base.NbRegles = 1;
    return etat;
}

}  // namespace

class AjoutFaitsDicoTest : public QObject {
    Q_OBJECT

    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    std::unique_ptr<TAjoutFaitsDico> Fenetre;

    template <class T>
    T* C(const char* nom) { return Controle<T>(*Fenetre, nom); }
    QString Ligne() { return C<QLineEdit>("LigneAntecedent")->text(); }
    void Clique(const char* bouton) { QTest::mouseClick(C<QPushButton>(bouton), Qt::LeftButton); }
    void Compose(const QString& attribut, const QString& op, const QStringList& valeurs) {
        Tape(C<QLineEdit>("EditAttribut"), attribut);
        Choisit(C<QComboBox>("ComboOperateur"), op);
        for (const QString& v : valeurs) {
            Tape(C<QLineEdit>("EditValeur"), v);
            if (op == "in" || op == "not_in") Clique("AddValueBtn");
        }
    }
    void AttendFinAnimation() { QTRY_VERIFY(!Fenetre->AnimationEnCours()); }

private slots:
    void initTestCase() { DiviseurAnimation = 10; }

    void init() {
        Etat = EtatExemple();
        Journal = TDialoguesJournal{};
        Fenetre = std::make_unique<TAjoutFaitsDico>(Etat, Journal);
        Fenetre->Initialise();
        Fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenetre.get()));
    }

    // The attributes list in the order of the characters shown, not of the
    // file's bytes: the euro sign is byte 0x80 but comes after É.
    void AttributesInTheOrderOfTheirTexts() {
        Etat.Base.Dictionnaire = EntreesDico({NouvelleProposition("\x80URO", OpEgal, 1.0),
                                              NouvelleProposition("Z", OpEgal, 1.0),
                                              NouvelleProposition("\xC9T\xC9", OpEgal, 1.0)});
        Etat.Base.NbFaitsDico = 3;
        Fenetre->Initialise();
        QCOMPARE(Lignes(C<QListView>("ListeAttributs")), QStringList({"Z", "ÉTÉ", "€URO"}));
    }

    // Typing, choosing and the set buttons build the antecedent line.
    void ComposingTheEntry() {
        Compose("t", "in", {"x", "y"});
        QVERIFY(!C<QComboBox>("ComboValeurs")->isHidden());
        QCOMPARE(Ligne(), QString("T in { X, Y }"));
        Tape(C<QLineEdit>("EditValeur"), "z");
        QTest::keyClick(C<QLineEdit>("EditValeur"), Qt::Key_Return);  // Enter adds the value
        QCOMPARE(Ligne(), QString("T in { X, Y, Z }"));
        Choisit(C<QComboBox>("ComboValeurs"), "X");
        Clique("RemoveValueBtn");
        QCOMPARE(Ligne(), QString("T in { Y, Z }"));
        QCOMPARE(C<QComboBox>("ComboValeurs")->placeholderText(), QString("    If you want to remove a value ->"));
        Choisit(C<QComboBox>("ComboOperateur"), ">");
        QVERIFY(C<QPushButton>("AddValueBtn")->isHidden());
        QCOMPARE(Ligne(), QString("T > [Value(s)]"));
    }

    void ClickingAnAttributeFillsTheField() {
        CliqueLigne(C<QListView>("ListeAttributs"), 2);
        QCOMPARE(C<QLineEdit>("EditAttribut")->text(), QString("COLOUR"));
    }

    // A refused entry says why and starts nothing; an accepted one glides to
    // the dictionary, which changes at the last step only.
    void AddButton() {
        Compose("b", "=", {"2"});
        Clique("AddBtn");
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Adding impossible: data already in dictionary."});
        QVERIFY(!Fenetre->AnimationEnCours());

        Compose("b", "=", {"3"});
        Clique("AddBtn");
        QVERIFY(Fenetre->AnimationEnCours());
        QCOMPARE(Etat.Base.NbFaitsDico, 4);
        QVERIFY(Attend([this] { return !C<QLabel>("EtiquetteAjout2")->isHidden(); }));
        QCOMPARE(C<QLabel>("EtiquetteAjout2")->text(), QString("B"));
        AttendFinAnimation();
        QCOMPARE(Lignes(C<QListView>("ListeDico")),
                 QStringList({"A = 1", "B = 1", "B = 2", "B = 3", "COLOUR in { BLUE, RED }"}));
        QCOMPARE(C<QLabel>("LabelDico")->text(), QString("Data Dictionary: 5 data"));
        QCOMPARE(Ligne(), QString("[Attribute]  [Operator] [Value(s)]"));
        QVERIFY(C<QLabel>("EtiquetteAjout4")->isHidden());
    }

    // A click in the listing chooses removal; an entry a rule uses stays.
    void RemoveButton() {
        auto* dico = C<QListView>("ListeDico");
        CliqueLigne(dico, 0);
        QVERIFY(C<QPushButton>("RemoveBtn")->isEnabled());
        QVERIFY(!C<QPushButton>("AddBtn")->isEnabled());
        Clique("RemoveBtn");
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Removal impossible: data used in rule 1"});
        QVERIFY(!Fenetre->AnimationEnCours());

        CliqueLigne(dico, 1);
        Clique("RemoveBtn");
        QVERIFY(Attend([this] { return !C<QLabel>("ImagePoubelle")->isHidden(); }));
        QVERIFY(C<QLabel>("EtiquetteRetrait1")->font().strikeOut());
        QCOMPARE(Etat.Base.NbFaitsDico, 4);
        AttendFinAnimation();
        QVERIFY(C<QLabel>("ImagePoubelle")->isHidden());
        QCOMPARE(Lignes(dico), QStringList({"A = 1", "B = 2", "COLOUR in { BLUE, RED }"}));
    }

    // Closing by the menu finishes the animation under way; a second click
    // during it is ignored.
    void CloseDuringAnAnimation() {
        Compose("d", "=", {"4"});
        Clique("AddBtn");
        Tape(C<QLineEdit>("EditValeur"), "5");
        Clique("AddBtn");
        C<QAction>("Close1")->trigger();
        QVERIFY(!Fenetre->isVisible());
        QVERIFY(!Fenetre->AnimationEnCours());
        QCOMPARE(Etat.Base.NbFaitsDico, 5);
        QCOMPARE(PropEnChaine(Etat.Base.Dictionnaire[4]), std::string("D = 4"));
    }

};

QTEST_MAIN(AjoutFaitsDicoTest)
#include "Add_dat_test.moc"
