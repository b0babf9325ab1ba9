// The main window: start-up state, the data base display and its clicks,
// the window each command opens, and the close box. The availability table
// and the project questions are the layers' own.
#include <QFile>
#include <QLabel>
#include <QAbstractItemView>
#include <QMenu>
#include <QStatusBar>
#include <QtTest>

#include "core/journal.h"
#include "core/proposition.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Aide.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {


// The main window with its message boxes and file dialogs scripted; its
// own windows are answered through their controls.
struct TFenetreTest {
    TDialoguesJournal Journal;
    TMenuExpert Menu{Journal};
    TParcours Parcours;

    QAbstractItemView* Liste(const char* nom) { return Menu.findChild<QAbstractItemView*>(nom); }
    QLabel* Etiquette(const char* nom) { return Menu.findChild<QLabel*>(nom); }
    QString Titre(const char* menu) { return Menu.findChild<QMenu*>(menu)->title(); }
    // Uses the command, the windows it opens answered as queued on Parcours.
    bool Declenche(const char* nom) {
        Parcours.Vus.clear();
        bool reussi = Parcours.Choisit(Menu, nom);
        if (!reussi) qWarning("%s", qPrintable(Parcours.Erreur()));
        return reussi;
    }
    // The demo project opened through "Open project", its abstract closed.
    bool OuvreDemo(const TProjetDemo& demo) {
        Journal.Fichiers.push_back(demo.Projet());
        Parcours.Puis("Abstract of the project", Clique("OK"));
        bool reussi = Declenche("Openproject1");
        Journal.Messages.clear();
        return reussi;
    }
    // A new project, its dictionary manager closed at once.
    bool NouveauProjet() {
        Parcours.Puis("New project", Clique("Create a new dictionary")).Puis("Data dictionary Manager", Utilise("Close1"));
        return Declenche("Newproject1");
    }
};

}  // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void DemarrageAChaqueAffichage();
    void ClicSurUneObservation();
    void FenetresDesCommandes_data();
    void FenetresDesCommandes();
    void CaseDeFermeture_data();
    void CaseDeFermeture();
    void DonneesDuNouveauProjet();
};

// Each showing starts afresh, as the program starts. Which commands are
// usable then is the availability table's.
void TestMenu::DemarrageAChaqueAffichage() {
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(f.OuvreDemo(demo));
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane - car.EXP"));
    f.Menu.hide();
    f.Menu.show();
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane"));
    QVERIFY(!Utilisable(f.Menu, "Saveproject1"));
    QVERIFY(f.Liste("EtatBase")->isHidden());
    QVERIFY(f.Liste("EtatObs")->isHidden());
    QVERIFY(f.Etiquette("TitreEtatBase")->isHidden());
    QVERIFY(f.Etiquette("TitreEtatObs")->text().isEmpty());
    QVERIFY(f.Menu.findChild<QWidget*>("Gauge1")->isHidden());
    QCOMPARE(f.Titre("Database1"), QString("Data &base"));
    QVERIFY(f.Menu.Etat().Faits.Observations.empty());
}

void TestMenu::ClicSurUneObservation() {
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(f.OuvreDemo(demo));
    // Shown but not usable until an observation is clicked.
    f.Menu.Etat().Commandes.SelectionObservationVisible = true;
    f.Menu.Etat().Commandes.SelectionObservationActive = false;
    f.Menu.Affiche();
    QVERIFY(!Action(f.Menu, "Selectanobservation1")->isEnabled());
    QVERIFY(CliqueLigne(f.Menu, "EtatBase", 2));
    QCOMPARE(f.Menu.Etat().Faits.NumObservation, 2);
    QCOMPARE(f.Titre("Database1"), QString("Data &base (3 / 8) "));
    QCOMPARE(LignesDe(f.Menu, "EtatObs").size(), 4);
    QVERIFY(Action(f.Menu, "Selectanobservation1")->isEnabled());
    // The data list shows only: a click selects nothing.
    QVERIFY(CliqueLigne(f.Menu, "EtatObs", 1));
    QVERIFY(!f.Liste("EtatObs")->selectionModel()->hasSelection());
    // A click below the lines changes nothing.
    QWidget* fond = f.Liste("EtatBase")->viewport();
    QTest::mouseClick(fond, Qt::LeftButton, {}, QPoint(4, fond->height() - 2));
    QCOMPARE(f.Menu.Etat().Faits.NumObservation, 2);
}

void TestMenu::FenetresDesCommandes_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("page");
    const std::tuple<const char*, const char*, const char*> lignes[] = {
        // The three rule browsers all read "Rules base Viewer: " and the
        // count once a base is open.
        {"Viewrules1", "Rules base Viewer: 43 rules", "rule_viewer.html"},
        {"SpeedButton7Action", "Rules base Viewer: 43 rules", "rule_viewer.html"},
        {"Addrules1", "Rules Editor", "rules_editor.html"},
        {"Removerules1", "Rules base Viewer: 43 rules", "rule_eraser.html"},
        {"Modifyrules1", "Rules base Viewer: 43 rules", "rule_modification.html"},
        {"Viewdata2", "Data base Viewer", "data_viewer.html"},
        {"SpeedButton6Action", "Data base Viewer", "data_viewer.html"},
        {"Adddata2", "Data base Manager", "data_manager.html"},
        {"Removeanobservation1", "Observations Eraser: 8 observations", "observation_eraser.html"},
        {"Viewdata1", "Dictionary Viewer", "dictionary_viewer.html"},
        {"SpeedButton5Action", "Dictionary Viewer", "dictionary_viewer.html"},
        {"Globalviewofdictionary1", "Global view of the Data Dictionary", "global_dictionary.html"},
        {"Adddata1", "Data dictionary Manager", "dictionary_manager.html"},
        {"Forwardchaining1", "Select an observation for the inference", "forward_chaining.html"},
        {"Parameters1", "", "parameters.html"},
        {"N2", "About", "about.html"},
    };
    for (const auto& [commande, titre, page] : lignes)
        QTest::newRow(commande) << QString(commande) << QString(titre) << QString(page);
}

void TestMenu::FenetresDesCommandes() {
    QFETCH(QString, commande);
    QFETCH(QString, titre);
    QFETCH(QString, page);
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(f.OuvreDemo(demo));
    // F1 opens the window's own page; Escape closes it.
    f.Parcours.Puis("*", Suite({Touche(Qt::Key_F1), Touche(Qt::Key_Escape)}));
    QVERIFY(f.Declenche(qPrintable(commande)));
    QCOMPARE(f.Parcours.Vus.size(), 1);
    // Windows that count what they show add the count after the title.
    QCOMPARE(f.Parcours.Vus.front().left(titre.size()), titre);
    QCOMPARE(f.Menu.Aide().PageCourante(), page);
    QCOMPARE(f.Menu.Etat().Faits.Observations.size(), std::size_t{8});
}

// The close box asks the project's questions but not whether to quit
// ("Exit" with each answer is walked in parcours_test).
void TestMenu::CaseDeFermeture_data() {
    QTest::addColumn<bool>("change");
    QTest::addColumn<QStringList>("questions");
    QTest::newRow("start-up: closes at once") << false << QStringList{};
    QTest::newRow("data base changed, Cancel: stays") << true
                                                     << QStringList{"Current data base has changed, save it?"};
}

void TestMenu::CaseDeFermeture() {
    QFETCH(bool, change);
    QFETCH(QStringList, questions);
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    if (change) {
        QVERIFY(f.OuvreDemo(demo));
        QVERIFY(f.Declenche("Addanobservation1"));
    }
    f.Journal.Messages.clear();
    f.Journal.Reponses = {TReponse::Annuler};
    f.Menu.close();
    QStringList vues;
    for (const std::string& texte : f.Journal.Textes()) vues.append(QString::fromStdString(texte));
    QCOMPARE(vues, questions);
    QCOMPARE(f.Menu.Quitte(), !change);
    QCOMPARE(f.Menu.isVisible(), change);
}

// In a new project "Add / Remove data" waits for "Add an observation": the
// status line and the help page say how to begin.
void TestMenu::DonneesDuNouveauProjet() {
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(f.NouveauProjet());
    QVERIFY(!Utilisable(f.Menu, "Adddata2"));
    auto* menuBase = f.Menu.findChild<QMenu*>("Database1");
    menuBase->popup(f.Menu.mapToGlobal(QPoint(40, 40)));
    QVERIFY(QTest::qWaitForWindowExposed(menuBase));
    QTest::mouseMove(menuBase, menuBase->actionGeometry(Action(f.Menu, "Adddata2")).center());
    const QString indication = "First use \"Add an observation in data base\": data can then be given to an observation";
    QTRY_COMPARE(f.Menu.statusBar()->currentMessage(), indication);
    menuBase->close();
    QVERIFY(f.Declenche("Addanobservation1"));
    QVERIFY(Utilisable(f.Menu, "Adddata2"));
    QVERIFY(Action(f.Menu, "Adddata2")->statusTip().isEmpty());
    const auto pages = f.Menu.Aide().Cherche("Add an observation in data base");
    QVERIFY(std::any_of(pages.begin(), pages.end(), [](const TPageAide& p) { return p.Fichier == "new_project.html"; }));
}

QTEST_MAIN(TestMenu)
#include "menu_test.moc"
