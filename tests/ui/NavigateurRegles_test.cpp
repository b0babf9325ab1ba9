// The rule chooser, viewer and eraser (one browser) and the rule
// modification window, driven through their handlers, headless.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "support/parcours.h"
#include "ui/Conversion.h"
#include "ui/Mod_rul.h"
#include "ui/Remo_rul.h"
#include "ui/Sel_rul.h"
#include "ui/View_rul.h"

using namespace veridane;

namespace {

TProposition Entree(TProposition p) {
    p.Certitude = p.Precision = DegreNul;
    return p;
}

// Rule k (from 1) concludes RULE = k; priorities go down from 0.9.
TEtatVeridane EtatDeRegles(int nombre) {
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Base.Dictionnaire = {Entree(NouvelleProposition("AGE", OpSuperieur, 18.0)),
                              Entree(NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "BLUE"})),
                              Entree(NouvelleProposition("RULE", OpEgal, 1.0)),
                              Entree(NouvelleProposition("T", OpEgal, 38.5))};
    etat.Base.NbFaitsDico = 4;
    for (int k = 1; k <= nombre; ++k) {
        TRegle regle;
        regle.Premisses.push_back(NouvelleProposition("T", OpEgal, 38.5));
        regle.Conclusion = NouvelleProposition("RULE", OpEgal, static_cast<double>(k));
        regle.NbPremissesRestantes = 1;
        regle.Priorite = 0.9 - 0.1 * k;
        etat.Base.Regles.push_back(regle);
    }
    etat.Base.NbRegles = nombre;
    return etat;
}

template <class T>
T* Controle(QWidget* fenetre, const char* nom) {
    T* w = fenetre->findChild<T*>(nom);
    if (!w) qFatal("no control %s", nom);
    return w;
}

QStringList Lignes(QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

}  // namespace

class NavigateurReglesTest : public QObject {
    Q_OBJECT

    TDialoguesJournal Journal;

private slots:
    void init() { Journal = TDialoguesJournal{}; }

    // The three browsers differ only by their data.
    void BrowserKinds_data() {
        QTest::addColumn<int>("genre");
        QTest::addColumn<QString>("titreInitial");
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("aide");
        QTest::newRow("chooser") << 0 << "Rules base Editor" << "Belief degree" << "Select rule" << 23;
        QTest::newRow("viewer") << 1 << "Rules base Viewer" << "Priority degree" << "" << 17;
        QTest::newRow("eraser") << 2 << "Rules  Eraser" << "Belief degree" << "Remove rule" << 22;
    }
    void BrowserKinds() {
        QFETCH(int, genre);
        QFETCH(QString, titreInitial);
        QFETCH(QString, mot);
        QFETCH(QString, action);
        QFETCH(int, aide);
        for (int nombre : {1, 2}) {
            TEtatVeridane etat = EtatDeRegles(nombre);
            etat.Base.Regles[0].Priorite = 0.75;
            std::unique_ptr<TNavigateurRegles> fenetre;
            if (genre == 0) fenetre = std::make_unique<TSelectRul>(etat, Journal);
            if (genre == 1) fenetre = std::make_unique<TViewRul>(etat, Journal);
            if (genre == 2) fenetre = std::make_unique<TRemovRul>(etat, Journal);
            QCOMPARE(fenetre->windowTitle(), titreInitial);
            QCOMPARE(fenetre->property("contexteAide").toInt(), aide);
            fenetre->Initialise();
            QCOMPARE(fenetre->windowTitle(),
                     nombre == 1 ? QString("Rules base Viewer: 1 rule") : QString("Rules base Viewer: 2 rules"));
            QCOMPARE(fenetre->TexteAffiche(),
                     QString("Rule number 1: %1 = 75%\nIf T = 38.5\nThen RULE = 1").arg(mot));
            auto* bouton = fenetre->findChild<QPushButton*>("BoutonAction");
            QCOMPARE(bouton ? bouton->text() : QString(), action);
            QCOMPARE(Controle<QScrollBar>(fenetre.get(), "ScrollBar1")->maximum(), nombre - 1);
        }
    }

    void Navigation() {
        TEtatVeridane etat = EtatDeRegles(3);
        TViewRul fenetre(etat, Journal);
        fenetre.Initialise();
        auto* barre = Controle<QScrollBar>(&fenetre, "ScrollBar1");
        auto numero = [&] { return fenetre.TexteAffiche().section('\n', 0, 0).section(':', 0, 0); };
        fenetre.Previous1Click();  // on the first: nothing
        QCOMPARE(fenetre.RegleCourante(), 0);
        QCOMPARE(numero(), QString("Rule number 1"));
        fenetre.Next1Click();
        QCOMPARE(numero(), QString("Rule number 2"));
        QCOMPARE(barre->value(), 1);
        fenetre.Last1Click();
        QCOMPARE(numero(), QString("Rule number 3"));
        fenetre.Next1Click();  // on the last: nothing
        QCOMPARE(fenetre.RegleCourante(), 2);
        QCOMPARE(barre->value(), 2);
        QVERIFY(fenetre.TexteAffiche().endsWith("Then RULE = 3"));
        fenetre.First1Click();
        QCOMPARE(numero(), QString("Rule number 1"));
        barre->setValue(1);  // the scroll bar shows the rule at its position
        QCOMPARE(fenetre.RegleCourante(), 1);
        QVERIFY(fenetre.TexteAffiche().endsWith("Then RULE = 2"));
        // Each opening starts from the first rule.
        fenetre.Initialise();
        QCOMPARE(fenetre.RegleCourante(), 0);
        QCOMPARE(barre->value(), 0);
    }

    void DisplayUsesTheDecimalSeparator() {
        TEtatVeridane etat = EtatDeRegles(1);
        etat.Base.SeparateurDecimal = ',';
        etat.Base.Regles[0].Priorite = 0.125;
        etat.Base.Regles[0].Premisses.push_back(NouvelleProposition("C", OpHorsDe, std::vector<std::string>{"A", "B"}));
        TViewRul fenetre(etat, Journal);
        fenetre.Initialise();
        QCOMPARE(fenetre.TexteAffiche(),
                 QString("Rule number 1: Priority degree = 12,5%\nIf T = 38,5\nAnd C not_in { A, B }\nThen RULE = 1"));
    }

    void EraserRemovals_data() {
        QTest::addColumn<int>("montree");     // rule shown when removing (from 0)
        QTest::addColumn<int>("ensuite");     // current rule after
        QTest::addColumn<QString>("entete");  // its header after
        QTest::addColumn<QString>("conclusion");
        QTest::newRow("from the middle") << 1 << 1 << "Rule number 2: Belief degree = 60%" << "Then RULE = 3";
        QTest::newRow("the last") << 4 << 3 << "Rule number 4: Belief degree = 50%" << "Then RULE = 4";
        QTest::newRow("the first") << 0 << 0 << "Rule number 1: Belief degree = 70%" << "Then RULE = 2";
    }
    void EraserRemovals() {
        QFETCH(int, montree);
        QFETCH(int, ensuite);
        QFETCH(QString, entete);
        QFETCH(QString, conclusion);
        TEtatVeridane etat = EtatDeRegles(5);
        TRemovRul fenetre(etat, Journal);
        fenetre.Initialise();
        QCOMPARE(fenetre.windowTitle(), QString("Rules base Viewer: 5 rules"));
        Controle<QScrollBar>(&fenetre, "ScrollBar1")->setValue(montree);
        fenetre.RemoveRuleClick();
        QVERIFY(Journal.Messages[0] == (TMessageJournal{TGenreMessage::Information,
                                                        "Do you really want to remove this rule?", TBoutons::OuiNon}));
        QCOMPARE(etat.Base.NbRegles, 4);
        QVERIFY(etat.Base.ReglesModifiees);
        QCOMPARE(fenetre.windowTitle(), QString("Rules Eraser: 4 rules"));
        QCOMPARE(fenetre.RegleCourante(), ensuite);
        QCOMPARE(Controle<QScrollBar>(&fenetre, "ScrollBar1")->maximum(), 3);
        QCOMPARE(Controle<QScrollBar>(&fenetre, "ScrollBar1")->value(), ensuite);
        QCOMPARE(fenetre.TexteAffiche().section('\n', 0, 0), entete);
        QCOMPARE(fenetre.TexteAffiche().section('\n', -1), conclusion);
    }

    void EraserAnsweredNo() {
        TEtatVeridane etat = EtatDeRegles(2);
        TRemovRul fenetre(etat, Journal);
        fenetre.Initialise();
        Journal.Reponses.push_back(TReponse::Non);
        fenetre.RemoveRuleClick();
        QCOMPARE(etat.Base.NbRegles, 2);
        QVERIFY(!etat.Base.ReglesModifiees);
        QCOMPARE(fenetre.windowTitle(), QString("Rules base Viewer: 2 rules"));
    }

    void RemovingTheOnlyRuleClosesTheEraser() {
        TEtatVeridane etat = EtatDeRegles(1);
        etat.Commandes.ReglesAjoutees();
        TRemovRul fenetre(etat, Journal);
        fenetre.Initialise();
        fenetre.show();
        fenetre.RemoveRuleClick();
        QCOMPARE(etat.Base.NbRegles, 0);
        QVERIFY(etat.Base.Regles.empty());
        QVERIFY(!fenetre.isVisible());
        const TEtatCommandes& c = etat.Commandes;
        QVERIFY(!c.BoutonRegles && !c.VoirRegles && !c.SupprimerRegles && !c.ModifierRegles && !c.MenuInference);
    }

    void ModificationOpening() {
        TEtatVeridane etat = EtatDeRegles(2);
        etat.Base.Regles[1].Premisses.push_back(NouvelleProposition("AGE", OpSuperieur, 18.0));
        TModifRule fenetre(etat, Journal);
        fenetre.ChoisitRegle(1);
        fenetre.Initialise();
        QCOMPARE(fenetre.windowTitle(), Texte("Modification of rule N\xB0" "2"));
        QCOMPARE(fenetre.property("contexteAide").toInt(), 23);
        QCOMPARE(Lignes(Controle<QListWidget>(&fenetre, "ListePremisses")),
                 QStringList({"If T = 38.5", "And AGE > 18"}));
        QCOMPARE(Controle<QLineEdit>(&fenetre, "LigneConclusion")->text(), QString("Then RULE = 2"));
        QCOMPARE(Controle<QLineEdit>(&fenetre, "EditDegre")->text(), QString("0.7"));
        QCOMPARE(Controle<QLabel>(&fenetre, "LabelPourcentage")->text(), QString("70%"));
        auto* combo = Controle<QComboBox>(&fenetre, "ComboDico");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->placeholderText(),
                 QString("              Select an antecedent for the premise                                     ->"));
        // Disabled on opening even with several premises.
        QVERIFY(!Controle<QPushButton>(&fenetre, "RemovePremiseBtn")->isEnabled());
        QVERIFY(!Controle<QPushButton>(&fenetre, "AddPremBtn")->isEnabled());
        combo->setCurrentIndex(0);
        QVERIFY(Controle<QPushButton>(&fenetre, "AddPremBtn")->isEnabled());
    }

    void AddingPremises_data() {
        QTest::addColumn<int>("entree");
        QTest::addColumn<int>("presence");
        QTest::addColumn<QString>("message");
        QTest::newRow("new") << 1 << -2 << "";
        QTest::newRow("the conclusion") << 2 << -1 << "Antecedent already used in conclusion";
        QTest::newRow("a premise") << 3 << 0 << "Antecedent already used in premise 1";
    }
    void AddingPremises() {
        QFETCH(int, entree);
        QFETCH(int, presence);
        QFETCH(QString, message);
        TEtatVeridane etat = EtatDeRegles(1);  // If T = 38.5 Then RULE = 1
        TModifRule fenetre(etat, Journal);
        fenetre.ChoisitRegle(0);
        fenetre.Initialise();
        auto* combo = Controle<QComboBox>(&fenetre, "ComboDico");
        combo->setCurrentIndex(entree);
        QCOMPARE(fenetre.Presence(), presence);
        fenetre.AddPremClick();
        QCOMPARE(combo->currentIndex(), -1);
        auto* premisses = Controle<QListWidget>(&fenetre, "ListePremisses");
        if (message.isEmpty()) {
            QVERIFY(Journal.Messages.empty());
            QCOMPARE(Lignes(premisses), QStringList({"If T = 38.5", "And COLOUR in { RED, BLUE }"}));
            QCOMPARE(premisses->currentRow(), 1);  // the premise just added
            QCOMPARE(etat.Base.Regles[0].NbPremissesRestantes, 2);
            QCOMPARE(etat.Base.Regles[0].Premisses[1].Certitude, DegreCertain);
            QVERIFY(Controle<QPushButton>(&fenetre, "RemovePremiseBtn")->isEnabled());
            QCOMPARE(etat.Base.Dictionnaire[1].Certitude, DegreNul);  // the entry itself unchanged
        } else {
            QCOMPARE(Journal.Textes(), std::vector<std::string>{Octets(message)});
            QCOMPARE(etat.Base.Regles[0].Premisses.size(), std::size_t{1});
        }
    }

    void RemovingPremisesKeepsTheLast() {
        TEtatVeridane etat = EtatDeRegles(1);
        TModifRule fenetre(etat, Journal);
        fenetre.ChoisitRegle(0);
        fenetre.Initialise();
        auto* combo = Controle<QComboBox>(&fenetre, "ComboDico");
        auto* premisses = Controle<QListWidget>(&fenetre, "ListePremisses");
        auto* retirer = Controle<QPushButton>(&fenetre, "RemovePremiseBtn");
        for (int entree : {0, 1}) {
            combo->setCurrentIndex(entree);
            fenetre.AddPremClick();
        }
        QCOMPARE(premisses->count(), 3);
        premisses->setCurrentRow(0);
        fenetre.RemovePremiseClick();
        QCOMPARE(Lignes(premisses), QStringList({"If AGE > 18", "And COLOUR in { RED, BLUE }"}));
        QVERIFY(premisses->selectedItems().isEmpty());
        QVERIFY(retirer->isEnabled());
        premisses->setCurrentRow(1);
        fenetre.RemovePremiseClick();
        QCOMPARE(Lignes(premisses), QStringList({"If AGE > 18"}));
        QVERIFY(!retirer->isEnabled());
        premisses->setCurrentRow(0);
        fenetre.RemovePremiseClick();  // the last premise stays
        QCOMPARE(etat.Base.Regles[0].Premisses.size(), std::size_t{1});
        QCOMPARE(etat.Base.Regles[0].NbPremissesRestantes, 1);
    }

    void DegreeField_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<double>("priorite");
        QTest::addColumn<QString>("champ");
        QTest::addColumn<QString>("pourcentage");
        QTest::newRow("0,5") << "0,5" << 0.5 << "0,5" << "50%";
        QTest::newRow("1") << "1" << 1.0 << "1" << "100%";
        QTest::newRow("0") << "0" << 0.0 << "0" << "0%";
        QTest::newRow("1.5 puts the degree back") << "1.5" << 0.8 << "0.8" << "80%";
        QTest::newRow("empty puts the degree back") << "" << 0.8 << "0.8" << "80%";
        QTest::newRow("-0.1 puts the degree back") << "-0.1" << 0.8 << "0.8" << "80%";
    }
    void DegreeField() {
        QFETCH(QString, texte);
        QFETCH(double, priorite);
        QFETCH(QString, champ);
        QFETCH(QString, pourcentage);
        TEtatVeridane etat = EtatDeRegles(1);
        TModifRule fenetre(etat, Journal);
        fenetre.ChoisitRegle(0);
        fenetre.Initialise();
        auto* edit = Controle<QLineEdit>(&fenetre, "EditDegre");
        edit->setText(texte);
        fenetre.DegreChange();
        QCOMPARE(etat.Base.Regles[0].Priorite, priorite);
        QCOMPARE(edit->text(), champ);
        QCOMPARE(Controle<QLabel>(&fenetre, "LabelPourcentage")->text(), pourcentage);
        QVERIFY(Journal.Messages.empty());
    }

    void ClosingMarksTheRulesChanged_data() {
        QTest::addColumn<bool>("parLeCadre");
        QTest::newRow("Close") << false;
        QTest::newRow("window frame") << true;
    }
    void ClosingMarksTheRulesChanged() {
        QFETCH(bool, parLeCadre);
        TEtatVeridane etat = EtatDeRegles(1);
        TModifRule fenetre(etat, Journal);
        fenetre.ChoisitRegle(0);
        fenetre.Initialise();
        fenetre.show();
        if (parLeCadre)
            fenetre.close();
        else
            fenetre.Close1Click();
        QVERIFY(!fenetre.isVisible());
        QVERIFY(etat.Base.ReglesModifiees);  // even with nothing edited
    }

    void ChooserShowsTheChangedRule() {
        TEtatVeridane etat = EtatDeRegles(2);
        TSelectRul choix(etat, Journal);
        choix.Initialise();
        choix.Next1Click();
        int choisie = -1;
        TParcours parcours;
        parcours.Puis("ModifRule", [&](QWidget& fenetre) {
            auto& modification = static_cast<TModifRule&>(fenetre);
            choisie = modification.RegleChoisie();
            auto* edit = Controle<QLineEdit>(&modification, "EditDegre");
            edit->setText("0,25");
            modification.DegreChange();
            Controle<QComboBox>(&modification, "ComboDico")->setCurrentIndex(0);
            modification.AddPremClick();
            modification.Close1Click();
        });
        QVERIFY2(parcours.Execute([&] { choix.SelectRuleClick(); }), qPrintable(parcours.Erreur()));
        QCOMPARE(choisie, 1);
        QCOMPARE(choix.TexteAffiche(),
                 QString("Rule number 2: Belief degree = 25%\nIf T = 38.5\nAnd AGE > 18\nThen RULE = 2"));
        QVERIFY(etat.Base.ReglesModifiees);
        QCOMPARE(etat.Base.Regles[0].Priorite, 0.8);  // the rule keeps its place
    }
};

QTEST_MAIN(NavigateurReglesTest)
#include "NavigateurRegles_test.moc"
