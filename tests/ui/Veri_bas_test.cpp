// The findings window, reached from "Rules base > Verify the base" on the
// demo project: its list and filters, the chosen finding shown whole, a
// finding opening its rule in the modification window, and "Check again"
// after the edit there.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTreeView>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

QTreeView* Liste(QWidget& fenetre) { return fenetre.findChild<QTreeView*>("ListeConstats"); }

// The lines a person sees: "Where Finding".
QStringList LignesVisibles(QWidget& fenetre) {
    QStringList lignes;
    QAbstractItemModel* modele = Liste(fenetre)->model();
    for (int i = 0; i < modele->rowCount(); ++i)
        lignes << modele->index(i, 1).data().toString() + " " + modele->index(i, 2).data().toString();
    return lignes;
}

}  // namespace

class TestVerifBase : public QObject {
    Q_OBJECT
private slots:
    void FiltreOuvreLaRegleEtVerifieDeNouveau();
};

void TestVerifBase::FiltreOuvreLaRegleEtVerifieDeNouveau() {
    TMenuExpert menu;
    menu.show();
    TProjetDemo demo;
    QVERIFY(OuvreParLeMenu(menu, demo.Repertoire().filePath("car.exp")));

    QStringList avant, notesCachees, apres;
    QString resumeAvant, resumeApres, detail;
    bool icone = false;
    TParcours parcours;
    parcours
        .Puis("Verification of the rules base",
              [&](QWidget& fenetre) {
                  avant = LignesVisibles(fenetre);
                  resumeAvant = TexteDe(fenetre, "Resume");
                  detail = TexteDe(fenetre, "Detail");
                  icone = !Liste(fenetre)->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull();
                  UtiliseCommande(fenetre, "FiltreNotes");
                  notesCachees = LignesVisibles(fenetre);
                  // The first finding is on rule 7: its rule opens.
                  DoubleCliqueLigne(Liste(fenetre), 0);
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
    QVERIFY2(parcours.Choisit(menu, "Verifythebase1"), qPrintable(parcours.Erreur()));

    QCOMPARE(parcours.Vus, (QStringList{"Verification of the rules base", "Modification of rule N\u00B07"}));
    QVERIFY(icone);
    QCOMPARE(resumeAvant, QString("0 errors, 15 warnings, 25 notes"));
    QCOMPARE(avant.size(), 40);
    QCOMPARE(avant.first(), QString("Rule 7 priority-inversion"));
    QCOMPARE(avant.last(), QString("Base goals"));
    // The chosen finding is shown whole (its text is the verification's),
    // with the other rules it names.
    QVERIFY2(detail.startsWith("Rule 7, warning [priority-inversion]: ") && detail.endsWith("\nOther rules: 14"),
             qPrintable(detail));
    QCOMPARE(notesCachees.size(), 15);
    QVERIFY(!notesCachees.contains("Base goals"));
    // The filter holds across the new check. Rule 7 is now fed by rules of
    // its own priority, but rule 9, of priority 1, now only by rule 7.
    QCOMPARE(resumeApres, QString("0 errors, 15 warnings, 25 notes"));
    QCOMPARE(apres.size(), 15);
    QCOMPARE(apres.first(), QString("Rule 8 conflict"));
    QVERIFY(apres.contains("Rule 9 priority-inversion"));
    QCOMPARE(menu.Etat().Base.Regles[6].Priorite, 0.9);
    QVERIFY(menu.Etat().Base.ReglesModifiees);
}

QTEST_MAIN(TestVerifBase)
#include "Veri_bas_test.moc"
