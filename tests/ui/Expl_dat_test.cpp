// "Why?" and "Why not..." as a person uses them after a run of the demo
// project: from the forward chaining window (button and right-click menu)
// and from the tree of reasoning, through the explanation window and the
// rule viewer it opens.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "core/fichier_regles.h"
#include "core/journal.h"
#include "inference/moteur.h"
#include "project/base_faits.h"
#include "project/etat.h"
#include "ui/Forw_ch.h"
#include "ui/NavigateurRegles.h"

using namespace veridane;

namespace {

// Plays `action` on the window named `nom` once it is the active modal
// window (with no name: the next popup menu) and `pret` says so. The action
// must close it.
void ALaProchaine(const char* nom, std::function<void(QWidget&)> action, std::function<bool(QWidget&)> pret = {}) {
    const bool menu = nom == nullptr;
    QPointer<QWidget> avant = menu ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
    auto* minuteur = new QTimer;
    minuteur->setInterval(5);
    QObject::connect(minuteur, &QTimer::timeout, [=] {
        QWidget* fenetre = menu ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (!fenetre || fenetre == avant || !fenetre->isVisible() || (!menu && fenetre->objectName() != nom) ||
            (pret && !pret(*fenetre)))
            return;
        minuteur->stop();
        minuteur->deleteLater();
        action(*fenetre);
    });
    minuteur->start();
}

void Clique(QWidget* controle) { QTest::mouseClick(controle, Qt::LeftButton); }

void CliqueLigne(QListWidget* liste, int ligne) {
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(ligne)).center());
}

void MenuDroit(QWidget* zone, QPoint position) {
    QContextMenuEvent evenement(QContextMenuEvent::Mouse, position, zone->mapToGlobal(position));
    QApplication::sendEvent(zone, &evenement);
}

// The explanation's lines, indented by depth, all unfolded or not.
QStringList Lignes(const QTreeWidget& arbre) {
    QStringList lignes;
    std::function<void(QTreeWidgetItem*, int)> parcourt = [&](QTreeWidgetItem* element, int pas) {
        lignes << QString(2 * pas, ' ') + element->text(0);
        for (int i = 0; i < element->childCount(); ++i) parcourt(element->child(i), pas + 1);
    };
    for (int i = 0; i < arbre.topLevelItemCount(); ++i) parcourt(arbre.topLevelItem(i), 0);
    return lignes;
}

QTreeWidgetItem* Trouve(const QTreeWidget& arbre, const QString& debut) {
    for (QTreeWidgetItem* element : arbre.findItems(debut, Qt::MatchStartsWith | Qt::MatchRecursive))
        return element;
    return nullptr;
}

}  // namespace

class ExplDatTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void pourquoiEtPourquoiPas();

private:
    TEtatVeridane etat;
    TDialoguesJournal journal;
};

void ExplDatTest::initTestCase() {
    TProgressionMuette progression;
    const std::string dossier = std::string(VERIDANE_EXAMPLES) + "/";
    QVERIFY(OuvrirFR(etat.Base, dossier + "car.rul", etat.Commandes, journal, progression));
    QVERIFY(OuvrirFF(etat, dossier + "car.dta", journal, progression));
    QVERIFY(!etat.Base.Dictionnaire.empty());
}

void ExplDatTest::pourquoiEtPourquoiPas() {
    TMoteur moteur;
    TEnregistreur enregistreur;
    moteur.Enregistre(&enregistreur);
    moteur.ChoisitObservation(etat.Faits.Observations[0], 0);
    TForwChain chainage(etat, journal, moteur);

    QStringList offertes, pourquoi, regle, menuPourquoi, pourquoiPas, arbrePourquoi, messages;
    bool boutonPretAvantChoix = true, repliable = false, completion = false;
    ALaProchaine("ForwChain", [&](QWidget& fenetre) {
        auto* bouton = fenetre.findChild<QPushButton*>("WhyButton");
        boutonPretAvantChoix = bouton->isEnabled();
        auto* deduits = fenetre.findChild<QListWidget*>("DeducedData");
        CliqueLigne(deduits, 8);  // ACTION = RECHARGE_BATTERY

        // Why? then the rule of a line, by a double click.
        ALaProchaine("ExplDat", [&](QWidget& explication) {
            auto* arbre = explication.findChild<QTreeWidget*>("ExplanationTree");
            pourquoi = Lignes(*arbre);
            QTreeWidgetItem* racine = arbre->topLevelItem(0);
            arbre->setFocus();
            QTest::keyClick(arbre, Qt::Key_Left);  // folds the current line
            repliable = racine->isExpanded() == false;
            QTest::keyClick(arbre, Qt::Key_Right);
            repliable = repliable && racine->isExpanded();
            QTreeWidgetItem* plat = Trouve(*arbre, "BATTERY = FLAT: level 2");
            ALaProchaine("ViewRul", [&](QWidget& visionneuse) {
                regle << visionneuse.objectName()
                      << static_cast<TNavigateurRegles&>(visionneuse).TexteAffiche().split('\n');
                QTest::keyClick(&visionneuse, Qt::Key_Escape);
            });
            const QPoint centre = arbre->visualItemRect(plat).center();
            QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(arbre->viewport(), Qt::LeftButton, {}, centre);
            QTest::keyClick(&explication, Qt::Key_Escape);
        });
        Clique(bouton);

        // The right-click menu of the triggered rules: "Why?" on rule 14.
        auto* declenchees = fenetre.findChild<QListWidget*>("TriggeredRules");
        ALaProchaine(
            nullptr,
            [&](QWidget& menu) {
                for (QAction* action : static_cast<QMenu&>(menu).actions()) menuPourquoi << action->text();
                ALaProchaine("ExplDat", [&](QWidget& explication) {
                    menuPourquoi << Lignes(*explication.findChild<QTreeWidget*>("ExplanationTree")).mid(0, 3);
                    QTest::keyClick(&explication, Qt::Key_Escape);
                });
                QTest::keyClick(&menu, Qt::Key_Down);
                QTest::keyClick(&menu, Qt::Key_Return);
            });
        MenuDroit(declenchees->viewport(), declenchees->visualItemRect(declenchees->item(3)).center());

        // Why not...: a wrong text is refused, then the dictionary completes.
        ALaProchaine("AskProp", [&](QWidget& question) {
            auto* saisie = question.findChild<QLineEdit*>("Proposition");
            QTest::mouseClick(saisie, Qt::LeftButton);
            QTest::keyClicks(saisie, "%%");
            QTest::keyClick(saisie, Qt::Key_Return);
            messages << QString::fromStdString(journal.Textes().empty() ? "" : journal.Textes().back());
            saisie->clear();
            QTest::keyClicks(saisie, "out_of_f");
            QAbstractItemView* propositions = saisie->completer()->popup();
            completion = QTest::qWaitFor([&] { return propositions->isVisible(); }, 10000);
            ALaProchaine("ExplDat", [&](QWidget& explication) {
                pourquoiPas = Lignes(*explication.findChild<QTreeWidget*>("ExplanationTree"));
                QTest::keyClick(&explication, Qt::Key_Escape);
            });
            // What the list offers; then the whole text, typed over.
            for (int i = 0; completion && i < propositions->model()->rowCount(); ++i)
                offertes << propositions->model()->index(i, 0).data().toString();
            QTest::keyClick(saisie, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(saisie, "diagnosis = out_of_fuel");
            // Enter asks (the first one may only close the list).
            QTest::keyClick(saisie, Qt::Key_Return);
            if (question.isVisible()) QTest::keyClick(saisie, Qt::Key_Return);
            if (question.isVisible()) QTest::keyClick(&question, Qt::Key_Escape);
        });
        Clique(fenetre.findChild<QPushButton*>("WhyNotButton"));

        // The tree of reasoning: the line of rule 6, then "Why?".
        ALaProchaine("Tree", [&](QWidget& arbre) {
            auto* niveaux = arbre.findChild<QPlainTextEdit*>("Memo2");
            const QTextCursor ligne(niveaux->document()->findBlockByNumber(8));  // "  Rule 6 -> BATTERY = FLAT"
            QTest::mouseClick(niveaux->viewport(), Qt::LeftButton, {}, niveaux->cursorRect(ligne).center());
            ALaProchaine("ExplDat", [&](QWidget& explication) {
                arbrePourquoi = Lignes(*explication.findChild<QTreeWidget*>("ExplanationTree")).mid(0, 2);
                QTest::keyClick(&explication, Qt::Key_Escape);
            });
            auto* outils = arbre.findChild<QToolBar*>();
            Clique(outils->widgetForAction(arbre.findChild<QAction*>("WhyButton")));
            QTest::keyClick(&arbre, Qt::Key_Escape);
        });
        Clique(fenetre.findChild<QPushButton*>("TreeButton"));
        QTest::keyClick(&fenetre, Qt::Key_Escape);
    }, [](QWidget& fenetre) {
        // The run is over when "Why?" shows; it waits for a line.
        return fenetre.findChild<QPushButton*>("WhyButton")->isVisible();
    });
    chainage.Ouvre();

    QVERIFY(!boutonPretAvantChoix);
    QVERIFY(repliable);
    QVERIFY(completion);
    QCOMPARE(offertes, QStringList{"DIAGNOSIS = OUT_OF_FUEL"});
    QCOMPARE(pourquoi.mid(0, 6), QStringList({"ACTION = RECHARGE_BATTERY: level 4, rule 9 [1]",
                                              "  premise 1 DIAGNOSIS = BATTERY_DRAINED: satisfied by DIAGNOSIS = "
                                              "BATTERY_DRAINED",
                                              "    DIAGNOSIS = BATTERY_DRAINED: level 3, rule 7 [1]",
                                              "      premise 1 BATTERY = FLAT: satisfied by BATTERY = FLAT",
                                              "        BATTERY = FLAT: level 2, rule 6 [1]",
                                              "          premise 1 STARTER_POWER = WEAK: satisfied by STARTER_POWER = "
                                              "WEAK"}));
    QCOMPARE(pourquoi.last(), QString("Weakest rule in the chain: rule 14 [0.9]"));
    QCOMPARE(regle.mid(0, 2), QStringList({"ViewRul", "Rule number 6: Priority degree = 100%"}));
    QCOMPARE(menuPourquoi, QStringList({"Why?", "Why not...", "DRAIN = LIGHTS: level 1, rule 14 [0.9]",
                                        "  premise 1 LIGHTS_LEFT_ON = YES: satisfied by LIGHTS_LEFT_ON = YES",
                                        "    LIGHTS_LEFT_ON = YES: observed, datum 5"}));
    QCOMPARE(messages, QStringList({"\"%%\" is not a proposition: write an attribute, an operator and a value"}));
    QCOMPARE(pourquoiPas.mid(0, 3), QStringList({"DIAGNOSIS = OUT_OF_FUEL was not established in observation 1.",
                                                 "  rule 8 [1] -> DIAGNOSIS = OUT_OF_FUEL: open: premises never "
                                                 "satisfied",
                                                 "    premise 1 ENGINE_FEED = NO_FUEL: no datum satisfied it"}));
    QCOMPARE(arbrePourquoi, QStringList({"BATTERY = FLAT: level 2, rule 6 [1]",
                                         "  premise 1 STARTER_POWER = WEAK: satisfied by STARTER_POWER = WEAK"}));
}

QTEST_MAIN(ExplDatTest)
#include "Expl_dat_test.moc"
