// The help browser: context numbers found from the focused widget, F1
// anywhere, the contents and the keyword search.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/journal.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Aide.h"

using namespace veridane;

namespace {

// Found through the test's source directory: __FILE__ is relative when
// ccache rewrites the paths of a compilation.
QString Racine() { return QFINDTESTDATA("aide") + "/"; }

}  // namespace

class TestAide : public QObject {
    Q_OBJECT
private slots:
    void PagesDesContextes_data();
    void PagesDesContextes();
    void F1OuvreLaPageDuWidgetActif_data();
    void F1OuvreLaPageDuWidgetActif();
    void Index();
    void Recherche_data();
    void Recherche();
    void ClicSurUnResultat();
};

void TestAide::PagesDesContextes_data() {
    QTest::addColumn<int>("contexte");
    QTest::addColumn<QString>("page");
    QTest::newRow("main window") << 1 << "main.html";
    QTest::newRow("unknown number") << 99 << "index.html";
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

QTEST_MAIN(TestAide)
#include "aide_test.moc"
