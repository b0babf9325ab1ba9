// The small windows and the Qt dialogs: the file filter each pattern
// chooses, what each button of "New project" answers, the status line's
// gauge.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>
#include <QScreen>

#include "core/journal.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Apropos.h"
#include "ui/DialoguesQt.h"
#include "ui/New_pro.h"
#include "ui/ProgressionQt.h"

using namespace veridane;

Q_DECLARE_METATYPE(veridane::TChoixNouveauProjet)

class TestFenetres : public QObject {
    Q_OBJECT
private slots:
    void FiltreDuMotif_data();
    void FiltreDuMotif();
    void NouveauProjetBoutons_data();
    void NouveauProjetBoutons();
};

void TestFenetres::FiltreDuMotif_data() {
    QTest::addColumn<bool>("enregistrer");
    QTest::addColumn<QString>("motif");
    QTest::addColumn<QString>("filtre");
    QTest::newRow("open rules") << false << "*.rul" << "File of rules (*.rul)";
    QTest::newRow("upper-case pattern") << false << "*.RUL" << "File of rules (*.rul)";
    QTest::newRow("save data base") << true << "*.dta" << "Data base (*.dta)";
    QTest::newRow("unknown pattern") << true << "*.xyz" << "Project (*.exp)";
    QTest::newRow("save printout") << true << "*.pdf" << "PDF file (*.pdf)";
}

void TestFenetres::FiltreDuMotif() {
    QFETCH(bool, enregistrer);
    QFETCH(QString, motif);
    QFETCH(QString, filtre);
    QStringList filtres =
        enregistrer ? TDialoguesQt::FiltresEnregistrement(motif.toStdString()) : TDialoguesQt::FiltresOuverture();
    QCOMPARE(TDialoguesQt::FiltreDuMotif(filtres, motif.toStdString()), filtre);
}

void TestFenetres::NouveauProjetBoutons_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<TChoixNouveauProjet>("choix");
    QTest::addColumn<int>("resultat");
    QTest::newRow("new dictionary") << "NewDictionary" << TChoixNouveauProjet::CreerDictionnaire << int(QDialog::Accepted);
    QTest::newRow("rules base") << "LinkRules" << TChoixNouveauProjet::LierRegles << int(QDialog::Accepted);
    QTest::newRow("cancel") << "Cancel" << TChoixNouveauProjet::Annuler << int(QDialog::Rejected);
    QTest::newRow("frame") << "" << TChoixNouveauProjet::Annuler << int(QDialog::Rejected);
}

void TestFenetres::NouveauProjetBoutons() {
    QFETCH(QString, bouton);
    QFETCH(TChoixNouveauProjet, choix);
    QFETCH(int, resultat);
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TNewPro dialogue(etat, journal);
    // A choice made at an earlier opening does not survive the next one.
    TParcours premiere;
    premiere.Puis("New project", geste::Clique("Link project with a rules base"));
    QVERIFY2(premiere.Execute([&] { dialogue.Ouvre(); }), qPrintable(premiere.Erreur()));
    bool centre = false;
    TParcours parcours;
    parcours.Puis("New project", [&](QWidget& fenetre) {
        const QPoint ecart = fenetre.frameGeometry().center() - fenetre.screen()->availableGeometry().center();
        centre = ecart.manhattanLength() <= 2;
        if (bouton.isEmpty())
            fenetre.close();
        else
            QTest::mouseClick(fenetre.findChild<QPushButton*>(bouton), Qt::LeftButton);
    });
    QVERIFY2(parcours.Execute([&] { dialogue.Ouvre(); }), qPrintable(parcours.Erreur()));
    QVERIFY(centre);
    QCOMPARE(dialogue.Choix(), choix);
    QCOMPARE(dialogue.result(), resultat);
    QVERIFY(!dialogue.isVisible());
}

QTEST_MAIN(TestFenetres)
#include "fenetres_test.moc"
