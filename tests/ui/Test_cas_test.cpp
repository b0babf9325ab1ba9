// The cases window, reached from "Inference > Test the cases" on a copy of
// the demo whose rule 29 lost its priority: "Run all" with the main
// window's gauge, a failed case explained, its results accepted, another
// case edited with the dictionary's completion, and the cases file saved
// with the project, and under its new name.
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "core/journal.h"
#include "project/etat.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

class TestCasTest : public QObject {
    Q_OBJECT
private slots:
    void parcoursDesCas();
};

void TestCasTest::parcoursDesCas() {
    TProjetDemo demo;
    const QDir dossier = demo.Repertoire();
    QVERIFY(QFile::copy(QString(VERIDANE_EXAMPLES) + "/car.tst", dossier.filePath("car.tst")));
    QVERIFY(Remplace(dossier.filePath("car.rul"), "Then ACTION = CALL_A_MECHANIC [0.8];",
                     "Then ACTION = CALL_A_MECHANIC [0.4];"));

    TDialoguesJournal journal;
    TMenuExpert menu(journal);
    menu.show();
    TParcours ouverture;
    ouverture.Puis("Abstract of the project", Clique("OK"));
    QVERIFY2(ouverture.Execute([&] { menu.OuvreProjet(demo.Projet()); }), qPrintable(ouverture.Erreur()));
    QVERIFY(journal.Messages.empty());

    auto* jauge = menu.findChild<QProgressBar*>("Gauge1");
    QList<int> positions;
    connect(jauge, &QProgressBar::valueChanged, [&](int valeur) {
        if (jauge->isVisible()) positions << valeur;
    });

    bool edite = false;
    TParcours parcours;
    parcours
        .Puis("TestCas",
              [&](QWidget& fenetre) {
                  QCOMPARE(fenetre.property("contexteAide").toInt(), 130);
                  auto& grille = *fenetre.findChild<QTableWidget*>("Grille");
                  auto& details = *fenetre.findChild<QPlainTextEdit*>("Details");
                  auto& bilan = *fenetre.findChild<QLabel*>("Bilan");
                  QCOMPARE(Lignes(&grille, 1), QStringList(8, "not run"));

                  QVERIFY(CliqueBouton(fenetre, "Run all"));
                  QCOMPARE(positions, QList<int>({1, 2, 3, 4, 5, 6, 7, 8}));
                  QVERIFY(jauge->isHidden());
                  QCOMPARE(Lignes(&grille, 1),
                           QStringList({"PASS", "PASS", "PASS", "PASS", "PASS", "PASS", "FAIL", "FAIL"}));
                  QVERIFY(bilan.text().startsWith("6 passed, 2 failed\nRules fired: 38 of 43"));

                  // A click on the failing case shows its report.
                  CliqueLigne(&grille, 7);
                  QVERIFY(details.toPlainText().contains("FAIL Observation 8\n  expected ACTION = CALL_A_MECHANIC"));

                  // Its results become its expectations; the case passes.
                  QVERIFY(CliqueBouton(fenetre, "Accept current results"));
                  QCOMPARE(grille.item(7, 1)->text(), QString("PASS"));
                  QCOMPARE(grille.item(7, 2)->text(), QString("5"));
                  QVERIFY(menu.Etat().CasModifies);

                  // Observation 7 edited (the editor's answer below).
                  CliqueLigne(&grille, 6);
                  QVERIFY(CliqueBouton(fenetre, "Edit"));
                  QVERIFY(edite);
                  QCOMPARE(grille.item(6, 1)->text(), QString("not run"));
                  QCOMPARE(grille.item(6, 2)->text(), QString("2"));
                  QVERIFY(bilan.text().startsWith("7 passed, 0 failed, 1 not run\n"));
                  QVERIFY(CliqueBouton(fenetre, "Close"));
              })
        // A line that cannot be read is refused and the editor stays; a
        // dictionary entry is completed.
        .Puis("EditCas", [&](QWidget& editeur) {
            QCOMPARE(editeur.property("contexteAide").toInt(), 131);
            auto* ligne = editeur.findChild<QLineEdit*>("Ligne");
            ligne->setFocus();
            ligne->selectAll();
            QTest::keyClicks(ligne, "Observation 7 critical 0.5: expect");
            QVERIFY(CliqueBouton(editeur, "OK"));
            QCOMPARE(journal.Textes().back(),
                     std::string("Error in line 11 of the cases file: attribute of proposition not found"));
            QVERIFY(editeur.isVisible());
            QTest::keyClicks(ligne, " diagnosis = fuel_p");
            auto* completion = editeur.findChild<QCompleter*>("Completion");
            QVERIFY(completion->popup()->isVisible());
            QTest::keyClick(completion->popup(), Qt::Key_Down);
            QTest::keyClick(completion->popup(), Qt::Key_Return);
            QCOMPARE(ligne->text(), QString("Observation 7 critical 0.5: expect DIAGNOSIS = FUEL_PUMP_FAILURE"));
            QTest::keyClicks(ligne, "; reject ACTION = ADD_FUEL");
            edite = true;
            QVERIFY(CliqueBouton(editeur, "OK"));
        });
    QVERIFY2(parcours.Choisit(menu, "Testthecases1"), qPrintable(parcours.Erreur()));
    QVERIFY(edite);

    // Saving the project writes the cases file.
    QVERIFY(UtiliseCommande(menu, "Saveproject1"));
    QVERIFY(!menu.Etat().CasModifies);
    QCOMPARE(Contenu(dossier.filePath("car.tst")).split('\n').at(10),
             "Observation 7 critical 0.5: expect DIAGNOSIS = FUEL_PUMP_FAILURE; reject ACTION = ADD_FUEL\r");

    // Saved under a new name, the project takes its cases along.
    journal.Fichiers.push_back(demo.Chemin("garage.exp"));
    TParcours sousUnNouveauNom;
    sousUnNouveauNom.Puis("*", Clique("OK"));
    QVERIFY2(sousUnNouveauNom.Choisit(menu, "Saveprojectas1"), qPrintable(sousUnNouveauNom.Erreur()));
    QCOMPARE(Contenu(dossier.filePath("garage.tst")), Contenu(dossier.filePath("car.tst")));
}

QTEST_MAIN(TestCasTest)
#include "Test_cas_test.moc"
