// The findings window, reached from "Rules base > Verify the base" on the
// demo project: its list and filters, a finding opening its rule in the
// modification window, and "Check again" after the edit.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include "core/journal.h"
#include "support/outils.h"
#include "ui/Menu_ex.h"

using namespace veridane;

namespace {

struct TFenetreTest {
    TDialoguesJournal Journal;
    TPilote Pilote;
    TMenuExpert Menu{Journal};
    TFenetreTest() { Pilote.Branche(Menu); }
};

QTreeWidget* Liste(QDialog& fenetre) { return fenetre.findChild<QTreeWidget*>("ListeConstats"); }

// The texts of the lines a person sees: "Where Finding".
QStringList LignesVisibles(QDialog& fenetre) {
    QStringList lignes;
    QTreeWidget* liste = Liste(fenetre);
    for (int i = 0; i < liste->topLevelItemCount(); ++i)
        if (!liste->topLevelItem(i)->isHidden())
            lignes << liste->topLevelItem(i)->text(1) + " " + liste->topLevelItem(i)->text(2);
    return lignes;
}

void Clique(QDialog& fenetre, const char* nom) {
    auto* bouton = fenetre.findChild<QAbstractButton*>(nom);
    QVERIFY(bouton);
    QTest::mouseClick(bouton, Qt::LeftButton, {}, QPoint(8, bouton->height() / 2));
}

QString Resume(QDialog& fenetre) { return fenetre.findChild<QLabel*>("Resume")->text(); }

}  // namespace

class TestVerifBase : public QObject {
    Q_OBJECT
private slots:
    void OffertDesQueLaBaseTientUneRegle();
    void FiltreOuvreLaRegleEtVerifieDeNouveau();
};

void TestVerifBase::OffertDesQueLaBaseTientUneRegle() {
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(!Utilisable(f.Menu, "Verifythebase1"));
    TProjetDemo demo;
    f.Journal.Fichiers.push_back(demo.Projet());
    Action(f.Menu, "Openproject1")->trigger();
    QVERIFY(Utilisable(f.Menu, "Verifythebase1"));
    // After a separator, last of its menu.
    const QList<QAction*> items = f.Menu.findChild<QMenu*>("Rulesbase1")->actions();
    QCOMPARE(items.size(), 6);
    QVERIFY(items[4]->isSeparator());
    QCOMPARE(items[5]->text(), QString("Verify the &base"));
}

void TestVerifBase::FiltreOuvreLaRegleEtVerifieDeNouveau() {
    TFenetreTest f;
    f.Menu.show();
    TProjetDemo demo;
    f.Journal.Fichiers.push_back(demo.Projet());
    Action(f.Menu, "Openproject1")->trigger();
    f.Pilote.Titres.clear();

    QStringList avant, notesCachees, apres;
    QString resumeAvant, resumeApres;
    // In the modification window: the degree of rule 7 brought down to 0.9,
    // the priority of the rule that feeds its premise DRAIN = LIGHTS.
    auto modifie = [](QDialog& modification) -> int {
        modification.show();
        auto* degre = modification.findChild<QLineEdit*>("EditDegre");
        degre->selectAll();
        QTest::keyClicks(degre, "0.9");
        QTest::keyClick(degre, Qt::Key_Return);
        QTest::keyClick(&modification, Qt::Key_Escape);
        return modification.result();
    };
    bool montree = false, icone = false;
    auto verifie = [&](QDialog& fenetre) -> int {
        fenetre.show();
        montree = QTest::qWaitForWindowExposed(&fenetre);
        avant = LignesVisibles(fenetre);
        resumeAvant = Resume(fenetre);
        Clique(fenetre, "FiltreNotes");
        notesCachees = LignesVisibles(fenetre);
        // The first finding is on rule 7; a double-click opens that rule (the
        // click before it is the first half of a person's double-click).
        QTreeWidget* liste = Liste(fenetre);
        icone = !liste->topLevelItem(0)->icon(0).isNull();
        const QPoint centre = liste->visualItemRect(liste->topLevelItem(0)).center();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, centre);
        Clique(fenetre, "CheckAgainBtn");
        apres = LignesVisibles(fenetre);
        resumeApres = Resume(fenetre);
        Clique(fenetre, "CloseBtn");
        return fenetre.result();
    };
    f.Pilote.Actions = {verifie, modifie};
    Action(f.Menu, "Verifythebase1")->trigger();

    QVERIFY(montree && icone);
    QCOMPARE(f.Pilote.Titres, (QStringList{"Verification of the rules base", "Modification of rule N\u00B07"}));
    QCOMPARE(resumeAvant, QString("15 warnings, 25 notes").prepend("0 errors, "));
    QCOMPARE(avant.size(), 40);
    QCOMPARE(avant.first(), QString("Rule 7 priority-inversion"));
    QCOMPARE(avant.last(), QString("Base goals"));
    QCOMPARE(notesCachees.size(), 15);
    QVERIFY(!notesCachees.contains("Base goals"));
    // The filter holds across the new check. Rule 7 is now fed by rules of
    // its own priority, but rule 9, of priority 1, now only by rule 7.
    QCOMPARE(resumeApres, QString("0 errors, 15 warnings, 25 notes"));
    QCOMPARE(apres.size(), 15);
    QCOMPARE(apres.first(), QString("Rule 8 conflict"));
    QVERIFY(apres.contains("Rule 9 priority-inversion"));
    QCOMPARE(f.Menu.Etat().Base.Regles[6].Priorite, 0.9);
    QVERIFY(f.Menu.Etat().Base.ReglesModifiees);
}

QTEST_MAIN(TestVerifBase)
#include "Veri_bas_test.moc"
