// The main window when a file or the program fails: a project whose rules
// file ends in a damaged rule opens with the reader's messages and the rules
// before it, and the person goes on and saves a sound project; a save that
// meets a fault of the program itself (a write that throws) ends in a warning
// that names the command and the project file, the project, its files and
// the window stay as they were, and the next save works.
#include <QDir>
#include <QFile>
#include <QMap>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "../core/systeme_en_panne.h"
#include "core/journal.h"
#include "support/outils.h"
#include "ui/Menu_ex.h"

using namespace veridane;

namespace {

// Every file of the directory with its bytes.
QMap<QString, QByteArray> Contenus(const QDir& repertoire) {
    QMap<QString, QByteArray> contenus;
    for (const QString& nom : repertoire.entryList(QDir::Files)) {
        QFile fichier(repertoire.filePath(nom));
        if (fichier.open(QIODevice::ReadOnly)) contenus.insert(nom, fichier.readAll());
    }
    return contenus;
}

// The commentary window answered with its "OK" button.
int ValideCommentaire(QDialog& fenetre) {
    fenetre.findChild<QPushButton*>("OKAbstract")->click();
    return fenetre.result();
}

}  // namespace

class TestGarde : public QObject {
    Q_OBJECT
private slots:
    void ProjetAuFichierDeReglesAbime();
    void UneFauteDuProgrammePendantUneSauvegarde();
};

void TestGarde::ProjetAuFichierDeReglesAbime() {
    TProjetDemo demo;
    {
        // The last rule's text ends right after IN, and the count says 44.
        QFile regles(demo.Repertoire().filePath("car.rul"));
        QVERIFY(regles.open(QIODevice::ReadOnly));
        QByteArray texte = regles.readAll().replace("Number of rules: 43;", "Number of rules: 44;");
        regles.close();
        QVERIFY(regles.open(QIODevice::WriteOnly | QIODevice::Truncate));
        regles.write(texte + "# Rule 44\r\nIF A = 1; AND C IN\r\n");
    }
    TDialoguesJournal journal;
    TMenuExpert menu(journal);
    TPilote pilote;
    pilote.Branche(menu);
    menu.show();
    journal.Fichiers.push_back(demo.Projet());
    Action(menu, "Openproject1")->trigger();
    QCOMPARE(journal.Textes(),
             (std::vector<std::string>{"Error in the rule 44: THEN not found", "43 rules extracted, 44 expected rules"}));
    QCOMPARE(menu.Etat().Base.NbRegles, 43);
    QVERIFY(Utilisable(menu, "Viewrules1"));
    QVERIFY(Utilisable(menu, "Forwardchaining1"));

    // The person saves the project under a new name and opens it again: the
    // 43 rules come back with no message.
    journal.Messages.clear();
    journal.Fichiers.push_back(demo.Chemin("repaired.exp"));
    pilote.Actions = {ValideCommentaire};
    Action(menu, "Saveprojectas1")->trigger();
    QVERIFY(journal.Messages.empty());
    journal.Fichiers.push_back(demo.Chemin("repaired.exp"));
    Action(menu, "Openproject1")->trigger();
    QVERIFY(journal.Messages.empty());
    QCOMPARE(menu.Etat().Base.NbRegles, 43);
    QCOMPARE(menu.windowTitle(), QString("Veridane - repaired.EXP"));
}

void TestGarde::UneFauteDuProgrammePendantUneSauvegarde() {
    TProjetDemo demo;
    TDialoguesJournal journal;
    test::TSystemeEnPanne systeme;
    TMenuExpert menu(journal, systeme);
    TPilote pilote;
    pilote.Branche(menu);
    menu.show();
    journal.Fichiers.push_back(demo.Projet());
    Action(menu, "Openproject1")->trigger();
    Action(menu, "Addanobservation1")->trigger();
    const std::size_t observations = menu.Etat().Faits.Observations.size();
    QVERIFY(menu.Etat().Faits.BaseFaitsModifiee);
    const auto avant = Contenus(demo.Repertoire());
    journal.Messages.clear();

    systeme.Panne = test::TPanne::Exception;
    auto* sauver = menu.findChild<QToolButton*>("SpeedButton2");
    QTest::mouseClick(sauver, Qt::LeftButton);

    QCOMPARE(journal.Textes(), std::vector<std::string>{
                                   "Internal fault in the command \"Save project\" on the file " +
                                   demo.Chemin("car.EXP") +
                                   ": write fault\nThe project is left as it was before the command."});
    QCOMPARE(journal.NbAvertissements(), 1);
    QCOMPARE(Contenus(demo.Repertoire()), avant);
    QCOMPARE(menu.Etat().Faits.Observations.size(), observations);
    QVERIFY(menu.Etat().Faits.BaseFaitsModifiee);
    QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));
    QVERIFY(Utilisable(menu, "Saveproject1"));
    QVERIFY(menu.findChild<QWidget*>("Gauge1")->isHidden());

    // The program goes on: once the fault is gone the same button saves.
    systeme.Panne = test::TPanne::Aucune;
    journal.Messages.clear();
    QTest::mouseClick(sauver, Qt::LeftButton);
    QVERIFY(journal.Messages.empty());
    QVERIFY(!menu.Etat().Faits.BaseFaitsModifiee);
    QVERIFY(Contenus(demo.Repertoire())["car.dta"] != avant["car.dta"]);
}

QTEST_MAIN(TestGarde)
#include "garde_test.moc"
