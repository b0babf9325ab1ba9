// The dictionary manager driven through its handlers, headless, with a
// scripted dialog log; the animation is stepped by calling its tick.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Add_dat.h"
#include "ui/Conversion.h"

using namespace veridane;

namespace {

TProposition Entree(TProposition p) {
    p.Certitude = p.Precision = DegreNul;
    return p;
}

// A project with a dictionary (A = 1, B = 1, B = 2, COLOUR in { BLUE, RED })
// and one rule concluding A = 1.
TEtatVeridane EtatExemple() {
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Base.Dictionnaire = {Entree(NouvelleProposition("A", OpEgal, 1.0)),
                              Entree(NouvelleProposition("B", OpEgal, 1.0)),
                              Entree(NouvelleProposition("B", OpEgal, 2.0)),
                              Entree(NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"BLUE", "RED"}))};
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

QStringList Lignes(QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

}  // namespace

class AjoutFaitsDicoTest : public QObject {
    Q_OBJECT

    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    std::unique_ptr<TAjoutFaitsDico> Fenetre;

    template <class T>
    T* Controle(const char* nom) {
        T* w = Fenetre->findChild<T*>(nom);
        if (!w) qFatal("no control %s", nom);
        return w;
    }
    void Tape(const char* champ, const QString& texte) { Controle<QLineEdit>(champ)->setText(texte); }
    void Operateur(const char* texte) {
        auto* combo = Controle<QComboBox>("ComboOperateur");
        combo->setCurrentIndex(combo->findText(texte));
    }
    QString Ligne() { return Controle<QLineEdit>("LigneAntecedent")->text(); }
    // Runs the animation to its end, one tick at a time.
    void TermineAnimation() {
        for (int garde = 0; Fenetre->AnimationEnCours() && garde < 10; ++garde) Fenetre->Timer1Timer();
        QVERIFY(!Fenetre->AnimationEnCours());
    }
    void Compose(const char* attribut, const char* op, const QStringList& valeurs) {
        Tape("EditAttribut", attribut);
        Operateur(op);
        for (const QString& v : valeurs) {
            Tape("EditValeur", v);
            if (QString(op) == "in" || QString(op) == "not_in") Fenetre->AjouteValeurClick();
        }
    }

private slots:
    void init() {
        Etat = EtatExemple();
        Journal = TDialoguesJournal{};
        Fenetre = std::make_unique<TAjoutFaitsDico>(Etat, Journal);
        Fenetre->Initialise();
    }

    void OpeningFillsTheWindow() {
        QCOMPARE(Fenetre->windowTitle(), QString("Data dictionary Manager"));
        QCOMPARE(Fenetre->property("contexteAide").toInt(), 30);
        QCOMPARE(Controle<QLabel>("LabelDico")->text(), QString("Data Dictionary: 4 data"));
        QCOMPARE(Lignes(Controle<QListWidget>("ListeDico")),
                 QStringList({"A = 1", "B = 1", "B = 2", "COLOUR in { BLUE, RED }"}));
        QCOMPARE(Lignes(Controle<QListWidget>("ListeAttributs")), QStringList({"A", "B", "COLOUR"}));
        QCOMPARE(Ligne(), QString("[Attribute]  [Operator] [Value(s)]"));
        QCOMPARE(Controle<QComboBox>("ComboOperateur")->currentIndex(), -1);
        QCOMPARE(Controle<QComboBox>("ComboOperateur")->placeholderText(), QString("  Select    ->"));
        QVERIFY(Controle<QPushButton>("AddValueBtn")->isHidden());
        QVERIFY(Controle<QComboBox>("ComboValeurs")->isHidden());
        QVERIFY(Controle<QPushButton>("RemoveValueBtn")->isHidden());
    }

    void EightOperatorsHoweverOftenOpened() {
        Fenetre->Initialise();
        Fenetre->Initialise();
        auto* combo = Controle<QComboBox>("ComboOperateur");
        QCOMPARE(combo->count(), 8);
        QStringList textes;
        for (int i = 0; i < combo->count(); ++i) textes << combo->itemText(i);
        QCOMPARE(textes, QStringList({"=", ">", "<", ">=", "<=", "<>", "in", "not_in"}));
    }

    void AttributeField_data() {
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("accents and blanks") << QString::fromUtf8("  Température  moyenne ")
                                            << "TEMPERATURE_MOYENNE_  [Operator] [Value(s)]";
        QTest::newRow("punctuation only") << "--" << "[Attribute]  [Operator] [Value(s)]";
    }
    void AttributeField() {
        QFETCH(QString, tape);
        QFETCH(QString, ligne);
        Tape("EditAttribut", tape);
        QCOMPARE(Ligne(), ligne);
    }

    void ValueInterpretation_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("tapes");
        QTest::addColumn<QString>("ligne");
        QTest::newRow("= number with comma") << "=" << QStringList{"38,5"} << "T = 38,5";
        QTest::newRow("> keeps the last number") << ">" << QStringList{"12", "12a"} << "T > 12";
        QTest::newRow("in adds normalised") << "in" << QStringList{"1.5", "red"} << "T in { 15, RED }";
    }
    void ValueInterpretation() {
        QFETCH(QString, op);
        QFETCH(QStringList, tapes);
        QFETCH(QString, ligne);
        Etat.Base.SeparateurDecimal = ',';
        Compose("t", op.toLatin1().constData(), tapes);
        QCOMPARE(Ligne(), ligne);
        if (op == "=" && tapes[0] == "38,5") QCOMPARE(Fenetre->FaitEnCours().Reel, 38.5);
    }

    void SetControlsFollowTheOperator() {
        Compose("t", "in", {"x", "y"});
        QVERIFY(!Controle<QComboBox>("ComboValeurs")->isHidden());
        QCOMPARE(Controle<QComboBox>("ComboValeurs")->count(), 2);
        QCOMPARE(Controle<QLineEdit>("EditValeur")->text(), QString());
        auto* valeurs = Controle<QComboBox>("ComboValeurs");
        valeurs->setCurrentIndex(0);
        Fenetre->RetireValeurClick();
        QCOMPARE(Ligne(), QString("T in { Y }"));
        QCOMPARE(valeurs->currentIndex(), -1);
        QCOMPARE(valeurs->placeholderText(), QString("    If you want to remove a value ->"));
        Tape("EditValeur", "z");
        QTest::keyClick(Controle<QLineEdit>("EditValeur"), Qt::Key_Return);  // Enter adds the value
        QCOMPARE(Ligne(), QString("T in { Y, Z }"));
        Operateur(">");
        QVERIFY(Controle<QPushButton>("AddValueBtn")->isHidden());
        QCOMPARE(Ligne(), QString("T > [Value(s)]"));
    }

    // Every refusal; only the duplicate resets the entry being composed.
    void Refusals_data() {
        QTest::addColumn<QString>("attribut");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("valeurs");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("remis");
        QTest::newRow("no attribute") << "--" << "=" << QStringList{"1"} << "Adding impossible: attribute incorrect."
                                      << false;
        QTest::newRow("no operator") << "b" << "" << QStringList{} << "Adding impossible: operateur incorrect."
                                     << false;
        QTest::newRow("no value") << "b" << ">" << QStringList{"x"} << "Adding impossible: value incorrect." << false;
        QTest::newRow("empty set") << "b" << "in" << QStringList{} << "Adding impossible: list of values is empty."
                                   << false;
        QTest::newRow("duplicate") << "b" << "=" << QStringList{"2"}
                                   << "Adding impossible: data already in dictionary." << true;
    }
    void Refusals() {
        QFETCH(QString, attribut);
        QFETCH(QString, op);
        QFETCH(QStringList, valeurs);
        QFETCH(QString, message);
        QFETCH(bool, remis);
        Compose(attribut.toLatin1().constData(), op.toLatin1().constData(), valeurs);
        const QString avant = Ligne();
        Fenetre->AddClick();
        QVERIFY(!Fenetre->AnimationEnCours());
        QCOMPARE(Journal.Messages.size(), std::size_t{1});
        QCOMPARE(Texte(Journal.Messages[0].Texte), message);
        QVERIFY(Journal.Messages[0].Genre == TGenreMessage::Information);
        QCOMPARE(Etat.Base.NbFaitsDico, 4);
        if (remis) {
            QCOMPARE(Ligne(), QString("[Attribute]  [Operator] [Value(s)]"));
            QCOMPARE(Controle<QLineEdit>("EditAttribut")->text(), QString());
            QCOMPARE(Controle<QComboBox>("ComboOperateur")->currentIndex(), -1);
        } else {
            QCOMPARE(Ligne(), avant);
        }
    }

    void AddAnimationChangesTheDictionaryAtTheLastStep() {
        Compose("b", "=", {"3"});
        Fenetre->AddClick();
        QVERIFY(Fenetre->AnimationEnCours());
        QCOMPARE(Fenetre->Minuterie().interval(), 1000);
        for (int etape = 1; etape <= 4; ++etape) {
            QCOMPARE(Fenetre->Etape(), etape);
            Fenetre->Timer1Timer();
            QCOMPARE(Fenetre->Minuterie().interval(), 200);
            for (int i = 1; i <= 4; ++i) {
                auto* label = Controle<QLabel>(QString("EtiquetteAjout%1").arg(i).toLatin1().constData());
                QCOMPARE(!label->isHidden(), i == etape);
                QCOMPARE(label->text(), QString("B"));
            }
            QCOMPARE(Etat.Base.NbFaitsDico, 4);
            QVERIFY(!Etat.Base.DicoModifie);
        }
        Fenetre->Timer1Timer();
        QVERIFY(!Fenetre->AnimationEnCours());
        QCOMPARE(Etat.Base.NbFaitsDico, 5);
        QVERIFY(Etat.Base.DicoModifie);
        QVERIFY(Etat.Commandes.VoirDonneesDico);
        QVERIFY(Etat.Commandes.BoutonDico);
        QCOMPARE(Lignes(Controle<QListWidget>("ListeDico")),
                 QStringList({"A = 1", "B = 1", "B = 2", "B = 3", "COLOUR in { BLUE, RED }"}));
        QCOMPARE(Controle<QLabel>("LabelDico")->text(), QString("Data Dictionary: 5 data"));
        QCOMPARE(Ligne(), QString("[Attribute]  [Operator] [Value(s)]"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(Controle<QLabel>(QString("EtiquetteAjout%1").arg(i).toLatin1().constData())->isHidden());
    }

    void InsertionPlaces_data() {
        QTest::addColumn<QString>("attribut");
        QTest::addColumn<QString>("op");
        QTest::addColumn<QStringList>("valeurs");
        QTest::addColumn<int>("place");
        QTest::newRow("after its attribute") << "b" << "<" << QStringList{"0"} << 3;
        QTest::newRow("new attribute before greater") << "aa" << "=" << QStringList{"x"} << 1;
        QTest::newRow("at the end") << "zed" << "=" << QStringList{"x"} << 4;
        QTest::newRow("set order matters") << "colour" << "in" << QStringList{"red", "blue"} << 4;
    }
    void InsertionPlaces() {
        QFETCH(QString, attribut);
        QFETCH(QString, op);
        QFETCH(QStringList, valeurs);
        QFETCH(int, place);
        Compose(attribut.toLatin1().constData(), op.toLatin1().constData(), valeurs);
        const QString attendu = Ligne();
        Fenetre->AddClick();
        TermineAnimation();
        QVERIFY(Journal.Messages.empty());
        QCOMPARE(Controle<QListWidget>("ListeDico")->item(place)->text(), attendu);
        QCOMPARE(Etat.Base.Dictionnaire[static_cast<std::size_t>(place)].Certitude, DegreNul);
    }

    void AttributeListClickFillsTheField() {
        auto* liste = Controle<QListWidget>("ListeAttributs");
        liste->setCurrentRow(2);
        Fenetre->ListeAttributsClick();
        QCOMPARE(Controle<QLineEdit>("EditAttribut")->text(), QString("COLOUR"));
        QCOMPARE(Ligne(), QString("COLOUR  [Operator] [Value(s)]"));
        QVERIFY(Controle<QPushButton>("AddBtn")->isEnabled());
        QVERIFY(!Controle<QPushButton>("RemoveBtn")->isEnabled());
    }

    void RemovalRefusedWhenARuleUsesTheEntry() {
        auto* dico = Controle<QListWidget>("ListeDico");
        dico->setCurrentRow(0);  // A = 1, the conclusion of rule 1
        Fenetre->ActiveRetrait();
        QVERIFY(Controle<QPushButton>("RemoveBtn")->isEnabled());
        QVERIFY(!Controle<QPushButton>("AddBtn")->isEnabled());
        Fenetre->RemoveClick();
        QVERIFY(!Fenetre->AnimationEnCours());
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Removal impossible: data used in rule 1"});
        QCOMPARE(Etat.Base.NbFaitsDico, 4);
    }

    void RemovalAnimationThenRemoved() {
        auto* dico = Controle<QListWidget>("ListeDico");
        dico->setCurrentRow(1);  // B = 1, used by no rule
        Fenetre->RemoveClick();
        QVERIFY(Fenetre->AnimationEnCours());
        QCOMPARE(Fenetre->Etape(), 0);
        Fenetre->Timer1Timer();  // step 0 does nothing
        QVERIFY(Controle<QLabel>("ImagePoubelle")->isHidden());
        for (int etape = 1; etape <= 4; ++etape) {
            Fenetre->Timer1Timer();
            QVERIFY(!Controle<QLabel>("ImagePoubelle")->isHidden());
            auto* label = Controle<QLabel>(QString("EtiquetteRetrait%1").arg(etape).toLatin1().constData());
            QVERIFY(!label->isHidden());
            QVERIFY(label->font().strikeOut());
            QCOMPARE(Etat.Base.NbFaitsDico, 4);
        }
        Fenetre->Timer1Timer();
        QVERIFY(!Fenetre->AnimationEnCours());
        QVERIFY(Controle<QLabel>("ImagePoubelle")->isHidden());
        QCOMPARE(Lignes(dico), QStringList({"A = 1", "B = 2", "COLOUR in { BLUE, RED }"}));
        QVERIFY(Etat.Base.DicoModifie);
        QVERIFY(Journal.Messages.empty());
    }

    void RemovingTheLastEntryEmptiesTheDictionary() {
        Etat.Base.Regles.clear();
        Etat.Base.NbRegles = 0;  // with no rule any entry can go
        Etat.Base.Dictionnaire.resize(1);
        Etat.Base.NbFaitsDico = 1;
        Etat.Commandes.DicoNonVide();
        Etat.Commandes.BoutonBaseFaits = Etat.Commandes.VoirDonneesBase = Etat.Commandes.MenuInference = true;
        Fenetre->Initialise();
        Controle<QListWidget>("ListeDico")->setCurrentRow(0);
        Fenetre->RemoveClick();
        TermineAnimation();
        QCOMPARE(Etat.Base.NbFaitsDico, 0);
        QCOMPARE(Controle<QLabel>("LabelDico")->text(), QString("Data Dictionary: no data"));
        QCOMPARE(Lignes(Controle<QListWidget>("ListeAttributs")), QStringList({" Data dictionary is empty "}));
        QVERIFY(!Etat.Commandes.VoirDonneesDico);
        QVERIFY(!Etat.Commandes.BoutonDico);
        Fenetre->show();
        Fenetre->Close1Click();
        QVERIFY(!Fenetre->isVisible());
        QVERIFY(!Etat.Commandes.BoutonBaseFaits);
        QVERIFY(!Etat.Commandes.VoirDonneesBase);
        QVERIFY(!Etat.Commandes.MenuInference);
    }

    void ClosingDuringAnAnimationFinishesIt() {
        Compose("d", "=", {"4"});
        Fenetre->AddClick();
        Fenetre->Timer1Timer();
        Fenetre->Close1Click();
        QVERIFY(!Fenetre->AnimationEnCours());
        QCOMPARE(Etat.Base.NbFaitsDico, 5);
        QCOMPARE(PropEnChaine(Etat.Base.Dictionnaire[4]), std::string("D = 4"));
    }

    void ClicksDuringAnAnimationAreIgnored() {
        Compose("d", "=", {"4"});
        Fenetre->AddClick();
        Tape("EditValeur", "5");  // the entry accepted is the one added
        Fenetre->AddClick();
        Controle<QListWidget>("ListeDico")->setCurrentRow(1);
        Fenetre->RemoveClick();
        TermineAnimation();
        QCOMPARE(Etat.Base.NbFaitsDico, 5);
        QCOMPARE(PropEnChaine(Etat.Base.Dictionnaire[4]), std::string("D = 4"));
    }
};

QTEST_MAIN(AjoutFaitsDicoTest)
#include "Add_dat_test.moc"
