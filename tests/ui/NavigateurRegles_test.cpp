// The rule viewer, eraser and chooser (one browser) and the rule
// modification window, driven by their menus, tool buttons, scroll bar and
// buttons. The rule texts and the rule editing are tested where they are
// built.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Mod_rul.h"
#include "ui/Remo_rul.h"
#include "ui/Sel_rul.h"
#include "ui/View_rul.h"

using namespace veridane;

namespace {

// Rule k (from 1): If T = 38.5 Then RULE = k, priorities 0.8, 0.7...
TEtatVeridane EtatDeRegles(int nombre) {
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Base.Dictionnaire = EntreesDico({NouvelleProposition("AGE", OpSuperieur, 18.0),
                                          NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "BLUE"}),
                                          NouvelleProposition("RULE", OpEgal, 1.0),
                                          NouvelleProposition("T", OpEgal, 38.5)});
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

QString Texte(QWidget& fenetre) { return Controle<QPlainTextEdit>(fenetre, "Memo1")->toPlainText(); }
QString Entete(QWidget& fenetre) { return Texte(fenetre).section('\n', 0, 0); }

void Montre(QWidget& fenetre) {
    fenetre.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
}

}  // namespace

class NavigateurReglesTest : public QObject {
    Q_OBJECT

    TDialoguesJournal Journal;

private slots:
    void init() { Journal = TDialoguesJournal{}; }

    // The menu commands, their tool buttons and the scroll bar move through
    // the rules; each opening starts from the first.
    void Navigation() {
        TEtatVeridane etat = EtatDeRegles(3);
        TViewRul fenetre(etat, Journal);
        fenetre.Initialise();
        Montre(fenetre);
        auto* barre = Controle<QScrollBar>(fenetre, "ScrollBar1");
        auto commande = [&](const char* nom) { Controle<QAction>(fenetre, nom)->trigger(); };
        commande("Previous1");  // on the first: nothing
        QCOMPARE(Entete(fenetre), QString("Rule number 1: Priority degree = 80%"));
        commande("Next1");
        QCOMPARE(Entete(fenetre), QString("Rule number 2: Priority degree = 70%"));
        QCOMPARE(barre->value(), 1);
        commande("Last1");
        commande("Next1");  // on the last: nothing
        QCOMPARE(Entete(fenetre), QString("Rule number 3: Priority degree = 60%"));
        QCOMPARE(barre->value(), 2);
        // The tool bar's first button is "First".
        auto* outils = fenetre.findChild<QToolBar*>();
        QVERIFY(outils);
        QList<QAction*> boutons;
        for (QAction* a : outils->actions())
            if (!a->isSeparator()) boutons << a;
        QTest::mouseClick(outils->widgetForAction(boutons.at(1)), Qt::LeftButton);
        QCOMPARE(Entete(fenetre), QString("Rule number 1: Priority degree = 80%"));
        AvanceBarre(barre);
        QCOMPARE(Entete(fenetre), QString("Rule number 2: Priority degree = 70%"));
        fenetre.Initialise();
        QCOMPARE(barre->value(), 0);
        QCOMPARE(Entete(fenetre), QString("Rule number 1: Priority degree = 80%"));
    }

    // "Remove rule" asks first; the rule that followed the one removed takes
    // its place; removing the only rule closes the eraser.
    void EraserRemovals_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QString>("entete");  // empty: the eraser closed
        QTest::addColumn<QString>("titre");
        QTest::newRow("from the middle") << 5 << int(TReponse::Oui) << "Rule number 2: Belief degree = 60%"
                                         << "Rules Eraser: 4 rules";
        QTest::newRow("answered No") << 5 << int(TReponse::Non) << "Rule number 2: Belief degree = 70%"
                                     << "Rules base Viewer: 5 rules";
        QTest::newRow("the only rule") << 1 << int(TReponse::Oui) << "" << "";
    }
    void EraserRemovals() {
        QFETCH(int, nombre);
        QFETCH(int, reponse);
        QFETCH(QString, entete);
        QFETCH(QString, titre);
        TEtatVeridane etat = EtatDeRegles(nombre);
        TRemovRul fenetre(etat, Journal);
        fenetre.Initialise();
        Montre(fenetre);
        Controle<QScrollBar>(fenetre, "ScrollBar1")->setValue(1);
        Journal.Reponses.push_back(static_cast<TReponse>(reponse));
        QTest::mouseClick(Controle<QPushButton>(fenetre, "BoutonAction"), Qt::LeftButton);
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Do you really want to remove this rule?"});
        QCOMPARE(etat.Base.NbRegles, reponse == int(TReponse::Oui) ? nombre - 1 : nombre);
        QCOMPARE(fenetre.isVisible(), !entete.isEmpty());
        if (entete.isEmpty()) return;
        QCOMPARE(fenetre.windowTitle(), titre);
        QCOMPARE(Entete(fenetre), entete);
    }

    // The modification window's buttons: a premise refused, the last
    // premise never removed (adding and removing are the editing journey's).
    void ModificationButtons() {
        TEtatVeridane etat = EtatDeRegles(1);  // If T = 38.5 Then RULE = 1
        TModifRule fenetre(etat, Journal);
        fenetre.ChoisitRegle(0);
        fenetre.Initialise();
        Montre(fenetre);
        auto* dico = Controle<QComboBox>(fenetre, "ComboDico");
        auto* ajouter = Controle<QPushButton>(fenetre, "AddPremBtn");
        auto* retirer = Controle<QPushButton>(fenetre, "RemovePremiseBtn");
        auto* premisses = Controle<QListWidget>(fenetre, "ListePremisses");
        QVERIFY(!ajouter->isEnabled() && !retirer->isEnabled());
        Choisit(dico, "RULE = 1");
        QTest::mouseClick(ajouter, Qt::LeftButton);
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Antecedent already used in conclusion"});
        CliqueLigne(premisses, 0);
        QTest::mouseClick(retirer, Qt::LeftButton);
        QCOMPARE(etat.Base.Regles[0].Premisses.size(), std::size_t{1});
        Controle<QAction>(fenetre, "Close1")->trigger();
        QVERIFY(!fenetre.isVisible());
    }
};

QTEST_MAIN(NavigateurReglesTest)
#include "NavigateurRegles_test.moc"
