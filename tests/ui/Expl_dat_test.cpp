// "Why?" and "Why not..." as a person uses them after a run of the demo
// project: from the forward chaining window (button and right-click menu)
// and from the tree of reasoning, through the explanation window and the
// rule viewer it opens.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

#include "core/journal.h"
#include "inference/moteur.h"
#include "project/etat.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Forw_ch.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

// The explanation's lines, indented by depth, folded or not.
QStringList Lignes(QWidget& fenetre) {
    auto* arbre = fenetre.findChild<QTreeWidget*>("ExplanationTree");
    QStringList lignes;
    std::function<void(QTreeWidgetItem*, int)> parcourt = [&](QTreeWidgetItem* element, int pas) {
        lignes << QString(2 * pas, ' ') + element->text(0);
        for (int i = 0; i < element->childCount(); ++i) parcourt(element->child(i), pas + 1);
    };
    for (int i = 0; i < arbre->topLevelItemCount(); ++i) parcourt(arbre->topLevelItem(i), 0);
    return lignes;
}

// A right click on a line of a list, then the first entry of the menu that
// comes up, by the keys.
void MenuDroitPremier(QAbstractItemView* liste, int ligne) {
    QTimer::singleShot(0, [] {
        Attend([] { return QApplication::activePopupWidget() != nullptr; });
        if (QWidget* menu = QApplication::activePopupWidget()) {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
    });
    const QPoint position = liste->visualRect(liste->model()->index(ligne, 0)).center();
    QContextMenuEvent evenement(QContextMenuEvent::Mouse, position, liste->viewport()->mapToGlobal(position));
    QApplication::sendEvent(liste->viewport(), &evenement);
}

}  // namespace

class ExplDatTest : public QObject {
    Q_OBJECT
private slots:
    void pourquoiEtPourquoiPas();

private:
    TEtatVeridane etat = EtatDemo();
    TDialoguesJournal journal;
};

void ExplDatTest::pourquoiEtPourquoiPas() {
    TMoteur moteur;
    TEnregistreur enregistreur;
    moteur.Enregistre(&enregistreur);
    moteur.ChoisitObservation(etat.Faits.Observations[0], 0);
    TForwChain chainage(etat, journal, moteur);

    QStringList offertes, pourquoi, regle, menuPourquoi, pourquoiPas, arbrePourquoi;
    bool boutonPretAvantChoix = true, completion = false;
    TParcours parcours;
    parcours
        .Puis("ForwChain",
              [&](QWidget& fenetre) {
                  // "Why?" waits for a line.
                  boutonPretAvantChoix = fenetre.findChild<QWidget*>("WhyButton")->isEnabled();
                  CliqueLigne(fenetre, "DeducedData", 8);  // ACTION = RECHARGE_BATTERY
                  CliqueBouton(fenetre, "Why?");
                  MenuDroitPremier(fenetre.findChild<QAbstractItemView*>("TriggeredRules"), 3);  // rule 14
                  CliqueBouton(fenetre, "Why not...");
                  CliqueBouton(fenetre, "View tree of reasoning");
                  Utilise("Close1")(fenetre);
              },
              [](QWidget& fenetre) { return fenetre.findChild<QWidget*>("WhyButton")->isVisible(); })
        // Why? then the rule of a line, by a double click.
        .Puis("ExplDat",
              [&](QWidget& explication) {
                  pourquoi = Lignes(explication);
                  auto* arbre = explication.findChild<QTreeWidget*>("ExplanationTree");
                  const auto plats = arbre->findItems("BATTERY = FLAT: level 2", Qt::MatchStartsWith | Qt::MatchRecursive);
                  if (!plats.isEmpty()) {
                      const QPoint centre = arbre->visualItemRect(plats.front()).center();
                      QTest::mouseClick(arbre->viewport(), Qt::LeftButton, {}, centre);
                      QTest::mouseDClick(arbre->viewport(), Qt::LeftButton, {}, centre);
                  }
                  Utilise("Close1")(explication);
              })
        .Puis("ViewRul",
              [&](QWidget& visionneuse) {
                  regle = TexteDe(visionneuse, "Memo1").split('\n');
                  Touche(Qt::Key_Escape)(visionneuse);
              })
        // The right-click menu's "Why?".
        .Puis("ExplDat",
              [&](QWidget& explication) {
                  menuPourquoi = Lignes(explication);
                  Utilise("Close1")(explication);
              })
        // Why not...: the dictionary completes what is typed.
        .Puis("AskProp",
              [&](QWidget& question) {
                  auto* saisie = question.findChild<QLineEdit*>("Proposition");
                  QTest::mouseClick(saisie, Qt::LeftButton);
                  TapeTexte(saisie, "out_of_f");
                  QAbstractItemView* propositions = saisie->completer()->popup();
                  completion = Attend([&] { return propositions->isVisible(); });
                  for (int i = 0; completion && i < propositions->model()->rowCount(); ++i)
                      offertes << propositions->model()->index(i, 0).data().toString();
                  QTest::keyClick(saisie, Qt::Key_A, Qt::ControlModifier);
                  TapeTexte(saisie, "diagnosis = out_of_fuel");
                  // Enter asks (the first one may only close the list).
                  QTest::keyClick(saisie, Qt::Key_Return);
                  if (question.isVisible()) QTest::keyClick(saisie, Qt::Key_Return);
              })
        .Puis("ExplDat",
              [&](QWidget& explication) {
                  pourquoiPas = Lignes(explication);
                  Utilise("Close1")(explication);
              })
        // The tree of reasoning: the line of rule 6, then "Why?".
        .Puis("Tree",
              [&](QWidget& arbre) {
                  auto* niveaux = arbre.findChild<QPlainTextEdit*>("Memo2");
                  const QTextCursor ligne(niveaux->document()->findBlockByNumber(8));  // "  Rule 6 -> BATTERY = FLAT"
                  QTest::mouseClick(niveaux->viewport(), Qt::LeftButton, {}, niveaux->cursorRect(ligne).center());
                  Utilise("WhyButton")(arbre);
                  Utilise("Close1")(arbre);
              })
        .Puis("ExplDat", [&](QWidget& explication) {
            arbrePourquoi = Lignes(explication);
            Utilise("Close1")(explication);
        });
    QVERIFY2(parcours.Execute([&] { chainage.Ouvre(); }), qPrintable(parcours.Erreur()));

    QVERIFY(!boutonPretAvantChoix);
    QVERIFY(completion);
    QCOMPARE(offertes, QStringList{"DIAGNOSIS = OUT_OF_FUEL"});
    // The lines' texts are the explanation texts' own: here, the datum
    // chosen and the depth of its tree.
    QCOMPARE(pourquoi.first(), QString("ACTION = RECHARGE_BATTERY: level 4, rule 9 [1]"));
    QVERIFY(pourquoi.contains("        BATTERY = FLAT: level 2, rule 6 [1]"));
    QCOMPARE(regle.mid(0, 1), QStringList({"Rule number 6: Priority degree = 100%"}));
    QCOMPARE(menuPourquoi.first(), QString("DRAIN = LIGHTS: level 1, rule 14 [0.9]"));
    QCOMPARE(pourquoiPas.first(), QString("DIAGNOSIS = OUT_OF_FUEL was not established in observation 1."));
    QCOMPARE(arbrePourquoi.first(), QString("BATTERY = FLAT: level 2, rule 6 [1]"));
}

QTEST_MAIN(ExplDatTest)
#include "Expl_dat_test.moc"
