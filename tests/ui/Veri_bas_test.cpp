// The findings window, reached from "Rules base > Verify the base" on the
// demo project: its list and filters, the chosen finding shown whole, a
// finding opening its rule in the modification window, and "Check again"
// after the edit there.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>
#include <QtTest>

#include "core/journal.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

struct TFenetreTest {
    TDialoguesJournal Journal;
    TMenuExpert Menu{Journal};
    TParcours Parcours;

    bool OuvreDemo(const TProjetDemo& demo) {
        Journal.Fichiers.push_back(demo.Projet());
        Parcours.Puis("Abstract of the project", Clique("OK"));
        return Parcours.Choisit(Menu, "Openproject1");
    }
};

QTreeView* Liste(QWidget& fenetre) { return fenetre.findChild<QTreeView*>("ListeConstats"); }

// The lines a person sees: "Where Finding".
QStringList LignesVisibles(QWidget& fenetre) {
    QStringList lignes;
    QAbstractItemModel* modele = Liste(fenetre)->model();
    for (int i = 0; i < modele->rowCount(); ++i)
        lignes << modele->index(i, 1).data().toString() + " " + modele->index(i, 2).data().toString();
    return lignes;
}

// A double-click on the first line of the list, at its rectangle (the
// click before it is the first half of a person's double-click).
void DoubleCliquePremiere(QWidget& fenetre) {
    QTreeView* liste = Liste(fenetre);
    const QPoint centre = liste->visualRect(liste->model()->index(0, 0)).center();
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, centre);
}

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
    QVERIFY2(f.OuvreDemo(demo), qPrintable(f.Parcours.Erreur()));
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
    QVERIFY2(f.OuvreDemo(demo), qPrintable(f.Parcours.Erreur()));
    f.Parcours.Vus.clear();

    QStringList avant, notesCachees, apres;
    QString resumeAvant, resumeApres, detail;
    bool icone = false;
    f.Parcours
        .Puis("Verification of the rules base",
              [&](QWidget& fenetre) {
                  avant = LignesVisibles(fenetre);
                  resumeAvant = TexteDe(fenetre, "Resume");
                  detail = TexteDe(fenetre, "Detail");
                  icone = !Liste(fenetre)->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull();
                  UtiliseCommande(fenetre, "FiltreNotes");
                  notesCachees = LignesVisibles(fenetre);
                  // The first finding is on rule 7: its rule opens.
                  DoubleCliquePremiere(fenetre);
                  UtiliseCommande(fenetre, "CheckAgainBtn");
                  apres = LignesVisibles(fenetre);
                  resumeApres = TexteDe(fenetre, "Resume");
                  UtiliseCommande(fenetre, "CloseBtn");
              })
        // The degree of rule 7 brought down to 0.9, the priority of the
        // rule that feeds its premise DRAIN = LIGHTS.
        .Puis("Modification of rule N\u00B07", [](QWidget& modification) {
            auto* degre = modification.findChild<QLineEdit*>("EditDegre");
            degre->setFocus();
            degre->selectAll();
            Tape("0.9", {Qt::Key_Return})(modification);
            Touche(Qt::Key_Escape)(modification);
        });
    QVERIFY2(f.Parcours.Choisit(f.Menu, "Verifythebase1"), qPrintable(f.Parcours.Erreur()));

    QCOMPARE(f.Parcours.Vus, (QStringList{"Verification of the rules base", "Modification of rule N\u00B07"}));
    QVERIFY(icone);
    QCOMPARE(resumeAvant, QString("0 errors, 15 warnings, 25 notes"));
    QCOMPARE(avant.size(), 40);
    QCOMPARE(avant.first(), QString("Rule 7 priority-inversion"));
    QCOMPARE(avant.last(), QString("Base goals"));
    // The chosen finding is shown whole, with the other rules it names.
    QCOMPARE(detail, QString("Rule 7, warning [priority-inversion]: premise DRAIN = LIGHTS is only satisfied by "
                             "rules of lower priority, at most 0.9 (rule 14): above a critical value of 0.9 this "
                             "rule can never fire\nOther rules: 14"));
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
