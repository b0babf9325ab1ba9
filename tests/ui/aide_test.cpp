// The help browser: context numbers found from the focused widget, F1
// anywhere, the contents and the keyword search.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "controles.h"
#include "core/journal.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Aide.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using veridane::test::CliqueLigne;
using veridane::test::Tape;

namespace {

// Found through the test's source directory: __FILE__ is relative when
// ccache rewrites the paths of a compilation.
QString Racine() { return QFINDTESTDATA("aide") + "/"; }

}  // namespace

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void ContexteDuWidget();
    void PagesDesContextes_data();
    void PagesDesContextes();
    void F1OuvreLaPageDuWidgetActif_data();
    void F1OuvreLaPageDuWidgetActif();
    void Index();
    void Recherche_data();
    void Recherche();
    void ClicSurUnResultat();
    void AideDuProgramme_data();
    void AideDuProgramme();
};

void TestAide::ContexteDuWidget() {
    QWidget fenetre;
    fenetre.setProperty("contexteAide", 28);
    QWidget cadre(&fenetre);
    QLineEdit champ(&cadre);
    QListWidget liste(&cadre);
    liste.setProperty("contexteAide", 24);
    QWidget seul;
    QCOMPARE(ContexteAide(&champ), 28);  // from its window
    QCOMPARE(ContexteAide(&liste), 24);  // its own
    QCOMPARE(ContexteAide(&fenetre), 28);
    QCOMPARE(ContexteAide(&seul), 0);
    QCOMPARE(ContexteAide(nullptr), 0);
}

void TestAide::PagesDesContextes_data() {
    QTest::addColumn<int>("contexte");
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << 1 << "main.html";
    QTest::newRow("observation list") << 24 << "observations.html";
    QTest::newRow("eraser") << 28 << "eraser.html";
    QTest::newRow("unknown number") << 99 << "index.html";
    QTest::newRow("none") << 0 << "index.html";
}

void TestAide::PagesDesContextes() {
    QFETCH(int, contexte);
    QFETCH(QString, page);
    TAide aide(Racine());
    QCOMPARE(aide.PageDuContexte(contexte), page);
    aide.OuvreContexte(contexte);
    QVERIFY(aide.isVisible());
    QCOMPARE(aide.PageCourante(), page);
    QVERIFY(!aide.findChild<QWidget*>("PanneauRecherche")->isVisible());
}

void TestAide::F1OuvreLaPageDuWidgetActif_data() {
    QTest::addColumn<bool>("dansLaListe");
    QTest::addColumn<QString>("page");
    QTest::newRow("a field of the window") << false << "eraser.html";
    QTest::newRow("a list with its own context") << true << "observations.html";
}

void TestAide::F1OuvreLaPageDuWidgetActif() {
    QFETCH(bool, dansLaListe);
    QFETCH(QString, page);
    TAide aide(Racine());
    TFiltreAide filtre(aide);
    qApp->installEventFilter(&filtre);
    QWidget fenetre;
    fenetre.setProperty("contexteAide", 28);
    auto* champ = new QLineEdit(&fenetre);
    auto* liste = new QListWidget(&fenetre);
    liste->setProperty("contexteAide", 24);
    liste->move(0, 40);
    fenetre.show();
    QWidget* cible = dansLaListe ? static_cast<QWidget*>(liste) : champ;
    QTest::keyClick(cible, Qt::Key_F1);
    QVERIFY(aide.isVisible());
    QCOMPARE(aide.PageCourante(), page);
    // F1 is taken by the help: the field did not receive it.
    QVERIFY(champ->text().isEmpty());
    qApp->removeEventFilter(&filtre);
}

void TestAide::Index() {
    TAide aide(Racine());
    aide.OuvreContexte(28);
    aide.findChild<QPushButton*>("Index")->click();
    QCOMPARE(aide.PageCourante(), QString("index.html"));
}

void TestAide::Recherche_data() {
    QTest::addColumn<QString>("mots");
    QTest::addColumn<QStringList>("titres");
    QTest::newRow("one word, any case") << "OBSERVATION"
                                        << QStringList{"Removing observations", "The observation list"};
    QTest::newRow("every word must be there") << "observation scroll"
                                              << QStringList{"Removing observations"};
    QTest::newRow("tag names are not text") << "href" << QStringList{"No page holds these words"};
    QTest::newRow("nothing typed") << "   " << QStringList{"No page holds these words"};
}

void TestAide::Recherche() {
    QFETCH(QString, mots);
    QFETCH(QStringList, titres);
    TAide aide(Racine());
    aide.OuvreRecherche();
    QVERIFY(aide.findChild<QWidget*>("PanneauRecherche")->isVisible());
    Tape(aide.findChild<QLineEdit*>("MotsCles"), mots);
    QTest::mouseClick(aide.findChild<QPushButton*>("Chercher"), Qt::LeftButton);
    auto* liste = aide.findChild<QListWidget*>("Resultats");
    QStringList vus;
    for (int i = 0; i < liste->count(); ++i) vus.append(liste->item(i)->text());
    QCOMPARE(vus, titres);
}

void TestAide::ClicSurUnResultat() {
    TAide aide(Racine());
    aide.OuvreRecherche();
    aide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&aide));
    Tape(aide.findChild<QLineEdit*>("MotsCles"), "observation");
    QTest::keyClick(aide.findChild<QLineEdit*>("MotsCles"), Qt::Key_Return);
    CliqueLigne(aide.findChild<QListWidget*>("Resultats"), 1);
    QCOMPARE(aide.PageCourante(), QString("observations.html"));
}

// The program's own pages: F1 on the main window and on its observation
// list, the "&Index" and "&Research" commands.
void TestAide::AideDuProgramme_data() {
    QTest::addColumn<QString>("geste");
    QTest::addColumn<QString>("page");
    QTest::newRow("F1 on the main window") << "F1 window" << "main.html";
    QTest::newRow("F1 on the observation list") << "F1 list" << "observations.html";
    QTest::newRow("Index") << "Index1" << "index.html";
    QTest::newRow("About's page from its window") << "F1 about" << "about.html";
}

void TestAide::AideDuProgramme() {
    QFETCH(QString, geste);
    QFETCH(QString, page);
    TDialoguesJournal journal;
    TMenuExpert menu(journal);
    menu.show();
    TProjetDemo demo;
    journal.Fichiers.push_back(demo.Projet());
    TParcours ouverture;
    ouverture.Puis("Abstract of the project", geste::Clique("OK"));
    QVERIFY2(ouverture.Choisit(menu, "Openproject1"), qPrintable(ouverture.Erreur()));
    auto* liste = menu.findChild<QListWidget*>("EtatBase");
    if (geste == "F1 window") {
        QTest::keyClick(&menu, Qt::Key_F1);
    } else if (geste == "F1 list") {
        QTest::keyClick(liste, Qt::Key_F1);
    } else if (geste == "F1 about") {
        TParcours apropos;
        apropos.Puis("About", [](QWidget& fenetre) {
            QTest::keyClick(&fenetre, Qt::Key_F1);
            QTest::keyClick(&fenetre, Qt::Key_Escape);
        });
        QVERIFY2(apropos.Choisit(menu, "N2"), qPrintable(apropos.Erreur()));
    } else {
        Action(menu, qPrintable(geste))->trigger();
    }
    QVERIFY(menu.Aide().isVisible());
    QCOMPARE(menu.Aide().PageCourante(), page);
    QVERIFY(!menu.Aide().findChild<QWidget*>("PanneauRecherche")->isVisible());
    // The key was taken by the help, the selection did not move.
    QCOMPARE(liste->currentRow(), 0);

    Action(menu, "Research1")->trigger();
    QVERIFY(menu.Aide().findChild<QWidget*>("PanneauRecherche")->isVisible());
    QVERIFY(!menu.Aide().Cherche("observation").isEmpty());
}

QTEST_MAIN(TestAide)
#include "aide_test.moc"
