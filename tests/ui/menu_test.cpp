// The main window: start-up state, the availability of every command after
// each event, the data base display, and the questions of the project
// commands (new, save as, exit, close box).
#include <QFile>
#include <QLabel>
#include <QAbstractItemView>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
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

const char* const Question = "Current project has changed, save it?";

// Every command of the window, by object name; tool buttons are named after
// their button.
const QStringList Toujours = {"Newproject1",  "Openproject1", "Exit1",        "Index1",      "Research1",
                              "N2",           "SpeedButton4Action", "SpeedButton1Action", "SpeedButton3Action"};
const QStringList Projet = {"Saveproject1", "Saveprojectas1", "SpeedButton2Action", "Viewrules1", "Addrules1",
                            "Removerules1", "Modifyrules1", "SpeedButton7Action", "Viewdata2", "Adddata2",
                            "Addanobservation1", "Removeanobservation1", "Createanewdatabase1", "SpeedButton6Action",
                            "Viewdata1", "Globalviewofdictionary1", "Adddata1", "SpeedButton5Action",
                            "Forwardchaining1", "Parameters1"};

QString Ligne(QAbstractItemView* liste, int i) { return liste->model()->index(i, 0).data().toString(); }

// The main window with its message boxes and file dialogs scripted; its
// own windows are answered through their controls.
struct TFenetreTest {
    TDialoguesJournal Journal;
    TMenuExpert Menu{Journal};
    TParcours Parcours;

    QAbstractItemView* Liste(const char* nom) { return Menu.findChild<QAbstractItemView*>(nom); }
    int Nombre(const char* nom) { return Liste(nom)->model()->rowCount(); }
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
    void EtatDeDemarrage();
    void DemarrageAChaqueAffichage();
    void LignesDeDisponibilite_data();
    void LignesDeDisponibilite();
    void OuvertureDuProjetDemo();
    void ClicSurUneObservation();
    void ObservationVide();
    void FenetresDesCommandes_data();
    void FenetresDesCommandes();
    void NouveauProjetSurProjetChange_data();
    void NouveauProjetSurProjetChange();
    void QuestionsDeSortie_data();
    void QuestionsDeSortie();
    void IndicationsDesBoutons();
    void DonneesDuNouveauProjet();
};

void TestMenu::EtatDeDemarrage() {
    TFenetreTest f;
    for (const QString& nom : Toujours) QVERIFY2(Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
    for (const QString& nom : Projet) QVERIFY2(!Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane"));
    QVERIFY(f.Liste("EtatBase")->isHidden());
    QVERIFY(f.Liste("EtatObs")->isHidden());
    QVERIFY(f.Etiquette("TitreEtatBase")->isHidden());
    QVERIFY(f.Etiquette("TitreEtatObs")->text().isEmpty());
    QVERIFY(f.Menu.findChild<QWidget*>("Gauge1")->isHidden());
    QCOMPARE(f.Titre("Database1"), QString("Data &base"));
}

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
    QVERIFY(f.Menu.Etat().Faits.Observations.empty());
    QVERIFY(f.Menu.Etat().Base.Regles.empty());
}

// The rows whose event happens in another window or file reader: the
// window must show each row as the table gives it.
void TestMenu::LignesDeDisponibilite_data() {
    QTest::addColumn<std::function<void(TEtatCommandes&)>>("evenement");
    QTest::addColumn<QStringList>("utilisables");
    QTest::addColumn<QStringList>("inutilisables");
    QTest::addColumn<bool>("selectionVisible");
    using C = TEtatCommandes;
    QTest::newRow("new project emptied") << std::function<void(C&)>([](C& c) { c.Initialise(); })
        << QStringList{"Saveproject1", "Saveprojectas1", "SpeedButton2Action", "Addrules1", "Addanobservation1",
                       "Globalviewofdictionary1"}
        << QStringList{"SpeedButton7Action", "Viewrules1", "Removerules1", "Modifyrules1", "Forwardchaining1",
                       "Viewdata2", "Adddata2"}
        << false;
    QTest::newRow("rules read") << std::function<void(C&)>([](C& c) { c.ReglesLues(); })
        << QStringList{"SpeedButton7Action", "Viewrules1", "Addrules1", "Addanobservation1", "Globalviewofdictionary1",
                       "Forwardchaining1", "Parameters1", "Saveproject1", "Saveprojectas1", "SpeedButton2Action"}
        << QStringList{"Viewdata2", "Adddata2"} << false;
    QTest::newRow("rules file without rules") << std::function<void(C&)>([](C& c) { c.SansRegles(); })
        << QStringList{"Addrules1", "Globalviewofdictionary1", "Forwardchaining1", "Saveproject1", "SpeedButton5Action",
                       "SpeedButton6Action", "Viewdata2", "Adddata2", "Selectanobservation1"}
        << QStringList{"SpeedButton7Action", "Viewrules1", "Removerules1", "Modifyrules1"} << true;
    QTest::newRow("dictionary holds entries") << std::function<void(C&)>([](C& c) {
        c.Initialise();
        c.DicoNonVide();
    }) << QStringList{"Viewdata1", "Adddata1", "SpeedButton5Action"} << QStringList{} << false;
    QTest::newRow("data base read") << std::function<void(C&)>([](C& c) {
        c.ReglesLues();
        c.BaseLue();
    }) << QStringList{"SpeedButton6Action", "Viewdata2", "Adddata2"} << QStringList{} << false;
    QTest::newRow("rules added") << std::function<void(C&)>([](C& c) {
        c.Initialise();
        c.ReglesAjoutees();
    }) << QStringList{"SpeedButton7Action", "Viewrules1", "Removerules1", "Modifyrules1", "Forwardchaining1"}
       << QStringList{} << false;
    QTest::newRow("last rule removed") << std::function<void(C&)>([](C& c) {
        c.ReglesLues();
        c.ReglesAjoutees();
        c.DerniereRegleSupprimee();
    }) << QStringList{"Addrules1"}
       << QStringList{"SpeedButton7Action", "Viewrules1", "Removerules1", "Modifyrules1", "Forwardchaining1"} << false;
    QTest::newRow("new data base") << std::function<void(C&)>([](C& c) {
        c.ReglesLues();
        c.NouvelleBase();
    }) << QStringList{"Adddata2"} << QStringList{"Forwardchaining1", "Parameters1"} << false;
    QTest::newRow("eraser closed, no datum left") << std::function<void(C&)>([](C& c) {
        c.ReglesLues();
        c.PlusAucuneDonnee();
    }) << QStringList{"Viewrules1"} << QStringList{"Forwardchaining1"} << false;
}

void TestMenu::LignesDeDisponibilite() {
    QFETCH(std::function<void(TEtatCommandes&)>, evenement);
    QFETCH(QStringList, utilisables);
    QFETCH(QStringList, inutilisables);
    QFETCH(bool, selectionVisible);
    TFenetreTest f;
    evenement(f.Menu.Etat().Commandes);
    f.Menu.Affiche();
    for (const QString& nom : utilisables) QVERIFY2(Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
    for (const QString& nom : inutilisables) QVERIFY2(!Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
    QCOMPARE(Action(f.Menu, "Selectanobservation1")->isVisible(), selectionVisible);
    for (const QString& nom : Toujours) QVERIFY2(Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
}

void TestMenu::OuvertureDuProjetDemo() {
    TProjetDemo demo;
    TFenetreTest f;
    QVERIFY(f.OuvreDemo(demo));
    QCOMPARE(f.Journal.Motifs, (std::vector<std::string>{"*.exp"}));
    QCOMPARE(f.Journal.Textes(), std::vector<std::string>{});
    QCOMPARE(f.Parcours.Vus, QStringList{"Abstract of the project"});
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane - car.EXP"));
    QCOMPARE(f.Titre("Database1"), QString("Data &base (1 / 8) "));
    QCOMPARE(Action(f.Menu, "Viewdata2")->text(), QString("&View data of observation 1"));
    QCOMPARE(Action(f.Menu, "Adddata2")->text(), QString("&Add / Remove data (observation 1)"));
    QVERIFY(f.Etiquette("TitreEtatBase")->isVisibleTo(&f.Menu));
    QCOMPARE(f.Nombre("EtatBase"), 8);
    QCOMPARE(Ligne(f.Liste("EtatBase"), 0), QString("Observation 1: 7 data"));
    QCOMPARE(Ligne(f.Liste("EtatBase"), 7), QString("Observation 8: 4 data"));
    QCOMPARE(f.Liste("EtatBase")->currentIndex().row(), 0);
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 1: 7 data"));
    QCOMPARE(f.Nombre("EtatObs"), 7);
    QCOMPARE(Ligne(f.Liste("EtatObs"), 0), QString("KEY_TURN = CLICKS"));
    for (const QString& nom : Projet)
        if (nom != "Selectanobservation1") QVERIFY2(Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
    QVERIFY(!Action(f.Menu, "Selectanobservation1")->isVisible());
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
    QCOMPARE(Action(f.Menu, "Viewdata2")->text(), QString("&View data of observation 3"));
    QCOMPARE(Action(f.Menu, "Adddata2")->text(), QString("&Add / Remove data (observation 3)"));
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 3: 4 data"));
    QCOMPARE(f.Nombre("EtatObs"), 4);
    QVERIFY(Action(f.Menu, "Selectanobservation1")->isEnabled());
    // The data list shows only: a click selects nothing.
    QVERIFY(CliqueLigne(f.Menu, "EtatObs", 1));
    QVERIFY(!f.Liste("EtatObs")->selectionModel()->hasSelection());
    // A click below the lines changes nothing.
    QWidget* fond = f.Liste("EtatBase")->viewport();
    QTest::mouseClick(fond, Qt::LeftButton, {}, QPoint(4, fond->height() - 2));
    QCOMPARE(f.Menu.Etat().Faits.NumObservation, 2);
}

void TestMenu::ObservationVide() {
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(f.OuvreDemo(demo));
    QVERIFY(f.Declenche("Addanobservation1"));
    QCOMPARE(f.Journal.Textes(), std::vector<std::string>{"Observation n\xB0" "9 added in the data base"});
    QCOMPARE(f.Nombre("EtatBase"), 9);
    QCOMPARE(Ligne(f.Liste("EtatBase"), 8), QString("Observation 9: no data"));
    QCOMPARE(f.Liste("EtatBase")->currentIndex().row(), 0);
    QVERIFY(CliqueLigne(f.Menu, "EtatBase", 8));
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 9 is empty "));
    QCOMPARE(f.Nombre("EtatObs"), 0);
    QCOMPARE(f.Titre("Database1"), QString("Data &base (9 / 9) "));
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

void TestMenu::NouveauProjetSurProjetChange_data() {
    QTest::addColumn<int>("reponse");
    QTest::addColumn<QStringList>("fenetres");
    QTest::addColumn<int>("observationsEcrites");
    QTest::newRow("Yes saves, then asks") << int(TReponse::Oui) << QStringList{"New project"} << 9;
    QTest::newRow("No asks without saving") << int(TReponse::Non) << QStringList{"New project"} << 8;
    QTest::newRow("Cancel stops") << int(TReponse::Annuler) << QStringList{} << 8;
}

void TestMenu::NouveauProjetSurProjetChange() {
    QFETCH(int, reponse);
    QFETCH(QStringList, fenetres);
    QFETCH(int, observationsEcrites);
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    QVERIFY(f.OuvreDemo(demo));
    QVERIFY(f.Declenche("Addanobservation1"));
    f.Journal.Messages.clear();
    f.Journal.Reponses = {TReponse(reponse)};
    if (!fenetres.isEmpty()) f.Parcours.Puis("New project", Clique("Cancel"));
    QVERIFY(f.Declenche("Newproject1"));
    QCOMPARE(f.Journal.Textes(), std::vector<std::string>{Question});
    QCOMPARE(f.Journal.Messages.front().Boutons, TBoutons::OuiNonAnnuler);
    QCOMPARE(f.Parcours.Vus, fenetres);
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane - car.EXP"));
    QCOMPARE(f.Nombre("EtatBase"), 9);
    QFile base(demo.Repertoire().filePath("car.dta"));
    QVERIFY(base.open(QIODevice::ReadOnly));
    QCOMPARE(base.readAll().count("# Observation"), observationsEcrites);
}

void TestMenu::QuestionsDeSortie_data() {
    QTest::addColumn<QString>("etat");  // start-up, unnamed, changed data base, changed rules
    QTest::addColumn<bool>("caseDeFermeture");
    QTest::addColumn<QList<int>>("reponses");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<bool>("quitte");
    const QString quitter = "Do you want to quit Veridane ?";
    const QString sansNom = "Current project is not saved, save it?";
    const QString base = "Current data base has changed, save it?";
    using R = TReponse;
    QTest::newRow("No to quitting") << "start-up" << false << QList<int>{int(R::Non)} << QStringList{quitter} << false;
    QTest::newRow("Yes to quitting") << "start-up" << false << QList<int>{int(R::Oui)} << QStringList{quitter} << true;
    QTest::newRow("unnamed, save dialog cancelled") << "unnamed" << false << QList<int>{int(R::Oui), int(R::Oui)}
                                                    << QStringList{quitter, sansNom} << false;
    QTest::newRow("unnamed, No") << "unnamed" << false << QList<int>{int(R::Oui), int(R::Non)}
                                 << QStringList{quitter, sansNom} << true;
    QTest::newRow("unnamed, Cancel") << "unnamed" << false << QList<int>{int(R::Oui), int(R::Annuler)}
                                     << QStringList{quitter, sansNom} << false;
    QTest::newRow("data base changed, Yes") << "data base" << false << QList<int>{int(R::Oui), int(R::Oui)}
                                            << QStringList{quitter, base} << true;
    QTest::newRow("project changed, Cancel") << "rules" << false << QList<int>{int(R::Oui), int(R::Annuler)}
                                             << QStringList{quitter, Question} << false;
    QTest::newRow("close box, start-up") << "start-up" << true << QList<int>{} << QStringList{} << true;
    QTest::newRow("close box, data base changed, Cancel")
        << "data base" << true << QList<int>{int(R::Annuler)} << QStringList{base} << false;
    QTest::newRow("close box, unnamed, save dialog cancelled")
        << "unnamed" << true << QList<int>{int(R::Oui)} << QStringList{sansNom} << false;
    QTest::newRow("close box, project changed, No")
        << "rules" << true << QList<int>{int(R::Non)} << QStringList{Question} << true;
}

void TestMenu::QuestionsDeSortie() {
    QFETCH(QString, etat);
    QFETCH(bool, caseDeFermeture);
    QFETCH(QList<int>, reponses);
    QFETCH(QStringList, questions);
    QFETCH(bool, quitte);
    TProjetDemo demo;
    TFenetreTest f;
    f.Menu.show();
    if (etat == "unnamed") {
        QVERIFY(f.NouveauProjet());
    } else if (etat != "start-up") {
        QVERIFY(f.OuvreDemo(demo));
        QVERIFY(f.Declenche("Addanobservation1"));
        if (etat == "rules") f.Menu.Etat().Base.ReglesModifiees = true;
    }
    f.Journal.Messages.clear();
    for (int reponse : reponses) f.Journal.Reponses.push_back(TReponse(reponse));
    if (caseDeFermeture)
        f.Menu.close();
    else
        QVERIFY(f.Declenche("Exit1"));
    QStringList vues;
    for (const std::string& texte : f.Journal.Textes()) vues.append(QString::fromStdString(texte));
    QCOMPARE(vues, questions);
    QCOMPARE(f.Menu.Quitte(), quitte);
    QCOMPARE(f.Menu.isVisible(), !quitte);
    if (etat == "data base" && quitte) {
        QFile base(demo.Repertoire().filePath("car.dta"));
        QVERIFY(base.open(QIODevice::ReadOnly));
        QCOMPARE(base.readAll().count("# Observation"), 9);
    }
}

void TestMenu::IndicationsDesBoutons() {
    TFenetreTest f;
    f.Menu.show();
    const std::tuple<const char*, const char*, const char*> boutons[] = {
        {"SpeedButton4", "Exit", "Quit Veridane Menu"},
        {"SpeedButton1", "Open project", "Open a project with rules base and data dictionary"},
        {"SpeedButton3", "New project", "Create a new project"},
        {"SpeedButton2", "Save project", "Save the project on disk"},
        {"SpeedButton7", "View rules", "View the base of rules"},
        {"SpeedButton6", "View data base", "View the base of data"},
        {"SpeedButton5", "View data dictionary", "View the dictionary of data"},
    };
    int x = -1;
    for (const auto& [nom, court, long_] : boutons) {
        auto* bouton = f.Menu.findChild<QToolButton*>(nom);
        QVERIFY2(bouton, nom);
        QCOMPARE(bouton->toolTip(), QString(court));
        QCOMPARE(bouton->defaultAction()->statusTip(), QString(long_));
        QVERIFY2(bouton->x() > x, nom);  // left to right in this order
        x = bouton->x();
    }
    QCOMPARE(f.Liste("EtatBase")->statusTip(), QString("Click to select an observation of the Data Base"));
    QCOMPARE(f.Liste("EtatBase")->property("contexteAide").toInt(), 24);
    QCOMPARE(f.Menu.property("contexteAide").toInt(), 1);
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
    bool pageTrouvee = false;
    for (const TPageAide& page : f.Menu.Aide().Cherche("Add an observation in data base"))
        pageTrouvee = pageTrouvee || page.Fichier == "new_project.html";
    QVERIFY(pageTrouvee);
}

QTEST_MAIN(TestMenu)
#include "menu_test.moc"
