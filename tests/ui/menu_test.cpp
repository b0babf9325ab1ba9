// The main window: start-up state, the availability of every command after
// each event, the data base display, and the questions of the project
// commands (new, save as, exit, close box).
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include "core/journal.h"
#include "core/proposition.h"
#include "support/outils.h"
#include "ui/Forw_ch.h"
#include "ui/Menu_ex.h"
#include "ui/Sel_chai.h"

using namespace veridane;

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

QString Ligne(QListWidget* liste, int i) { return liste->item(i)->text(); }

struct TFenetreTest {
    TDialoguesJournal Journal;
    TPilote Pilote;
    TMenuExpert Menu{Journal};
    TFenetreTest() { Pilote.Branche(Menu); }

    QListWidget* Liste(const char* nom) { return Menu.findChild<QListWidget*>(nom); }
    QLabel* Etiquette(const char* nom) { return Menu.findChild<QLabel*>(nom); }
    QString Titre(const char* menu) { return Menu.findChild<QMenu*>(menu)->title(); }
    void Declenche(const char* nom) { Action(Menu, nom)->trigger(); }
    // The demo project opened through "Open project", its abstract closed.
    void OuvreDemo(const TProjetDemo& demo) {
        Journal.Fichiers.push_back(demo.Projet());
        Declenche("Openproject1");
        Journal.Messages.clear();
        Pilote.Titres.clear();
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
    void AjoutDeDonneesParLesFenetres();
    void OuvertureDuProjetDemo();
    void ClicSurUneObservation();
    void ObservationVide();
    void FenetresDesCommandes_data();
    void FenetresDesCommandes();
    void InferenceJusquALArbre();
    void NouveauProjetSurProjetChange_data();
    void NouveauProjetSurProjetChange();
    void EnregistrerSousEcritLesQuatreFichiers();
    void QuestionsDeSortie_data();
    void QuestionsDeSortie();
    void IndicationsDesBoutons();
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
    f.OuvreDemo(demo);
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

// "Add / Remove data" of the data base and of the dictionary switch their
// viewers on when their window leaves data behind.
void TestMenu::AjoutDeDonneesParLesFenetres() {
    TFenetreTest f;
    f.Pilote.Actions = {TPilote::Choisit(TChoixNouveauProjet::CreerDictionnaire)};
    f.Declenche("Newproject1");
    QCOMPARE(f.Pilote.Titres, (QStringList{"New project", "Data dictionary Manager"}));
    QVERIFY(!Utilisable(f.Menu, "SpeedButton5Action"));
    QVERIFY(!Utilisable(f.Menu, "SpeedButton6Action"));

    TEtatVeridane& etat = f.Menu.Etat();
    TProposition entree = NouvelleProposition("ENGINE", OpEgal, "COLD");
    f.Pilote.Actions = {[&](QDialog& fenetre) {
        etat.Base.Dictionnaire.push_back(entree);
        etat.Base.NbFaitsDico = 1;
        fenetre.reject();
        return 0;
    }};
    f.Declenche("Adddata1");
    QVERIFY(Utilisable(f.Menu, "Viewdata1"));
    QVERIFY(Utilisable(f.Menu, "SpeedButton5Action"));

    f.Pilote.Actions = {[&](QDialog& fenetre) {
        TProposition fait = entree;
        fait.Certitude = fait.Precision = DegreCertain;
        etat.Faits.ObservationCourante().push_back(fait);
        fenetre.reject();
        return 0;
    }};
    f.Menu.Etat().Commandes.AjouterDonneesBase = true;
    f.Menu.Affiche();
    f.Declenche("Adddata2");
    QCOMPARE(f.Pilote.Titres.last(), QString("Data base Manager"));
    QVERIFY(Utilisable(f.Menu, "Viewdata2"));
    QVERIFY(Utilisable(f.Menu, "SpeedButton6Action"));
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 1: 1 data"));
    QCOMPARE(Ligne(f.Liste("EtatObs"), 0), QString("ENGINE = COLD"));
}

void TestMenu::OuvertureDuProjetDemo() {
    TProjetDemo demo;
    TFenetreTest f;
    f.Journal.Fichiers.push_back(demo.Projet());
    f.Declenche("Openproject1");
    QCOMPARE(f.Journal.Motifs, (std::vector<std::string>{"*.exp"}));
    QCOMPARE(f.Journal.Textes(), std::vector<std::string>{});
    QCOMPARE(f.Pilote.Titres, QStringList{"Abstract of the project"});
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane - car.EXP"));
    QCOMPARE(f.Titre("Database1"), QString("Data &base (1 / 8) "));
    QCOMPARE(Action(f.Menu, "Viewdata2")->text(), QString("&View data of observation 1"));
    QCOMPARE(Action(f.Menu, "Adddata2")->text(), QString("&Add / Remove data (observation 1)"));
    QVERIFY(f.Etiquette("TitreEtatBase")->isVisibleTo(&f.Menu));
    QCOMPARE(f.Liste("EtatBase")->count(), 8);
    QCOMPARE(Ligne(f.Liste("EtatBase"), 0), QString("Observation 1: 7 data"));
    QCOMPARE(Ligne(f.Liste("EtatBase"), 7), QString("Observation 8: 4 data"));
    QCOMPARE(f.Liste("EtatBase")->currentRow(), 0);
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 1: 7 data"));
    QCOMPARE(f.Liste("EtatObs")->count(), 7);
    QCOMPARE(Ligne(f.Liste("EtatObs"), 0), QString("KEY_TURN = CLICKS"));
    for (const QString& nom : Projet)
        if (nom != "Selectanobservation1") QVERIFY2(Utilisable(f.Menu, qPrintable(nom)), qPrintable(nom));
    QVERIFY(!Action(f.Menu, "Selectanobservation1")->isVisible());
}

void TestMenu::ClicSurUneObservation() {
    TProjetDemo demo;
    TFenetreTest f;
    f.OuvreDemo(demo);
    // Shown but not usable until an observation is clicked.
    f.Menu.Etat().Commandes.SelectionObservationVisible = true;
    f.Menu.Etat().Commandes.SelectionObservationActive = false;
    f.Menu.Affiche();
    QVERIFY(!Action(f.Menu, "Selectanobservation1")->isEnabled());
    f.Liste("EtatBase")->setCurrentRow(2);
    QCOMPARE(f.Menu.Etat().Faits.NumObservation, 2);
    QCOMPARE(f.Titre("Database1"), QString("Data &base (3 / 8) "));
    QCOMPARE(Action(f.Menu, "Viewdata2")->text(), QString("&View data of observation 3"));
    QCOMPARE(Action(f.Menu, "Adddata2")->text(), QString("&Add / Remove data (observation 3)"));
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 3: 4 data"));
    QCOMPARE(f.Liste("EtatObs")->count(), 4);
    QVERIFY(Action(f.Menu, "Selectanobservation1")->isEnabled());
    // The data list shows only: a click selects nothing.
    f.Liste("EtatObs")->setCurrentRow(1);
    QVERIFY(f.Liste("EtatObs")->selectedItems().isEmpty());
    // A click beside the lines changes nothing.
    f.Menu.EtatBaseClick(-1);
    QCOMPARE(f.Menu.Etat().Faits.NumObservation, 2);
}

void TestMenu::ObservationVide() {
    TProjetDemo demo;
    TFenetreTest f;
    f.OuvreDemo(demo);
    f.Declenche("Addanobservation1");
    QCOMPARE(f.Journal.Textes(), std::vector<std::string>{"Observation n\xB0" "9 added in the data base"});
    QCOMPARE(f.Liste("EtatBase")->count(), 9);
    QCOMPARE(Ligne(f.Liste("EtatBase"), 8), QString("Observation 9: no data"));
    QCOMPARE(f.Liste("EtatBase")->currentRow(), 0);
    f.Liste("EtatBase")->setCurrentRow(8);
    QCOMPARE(f.Etiquette("TitreEtatObs")->text(), QString("Observation 9 is empty "));
    QCOMPARE(f.Liste("EtatObs")->count(), 0);
    QCOMPARE(f.Titre("Database1"), QString("Data &base (9 / 9) "));
}

void TestMenu::FenetresDesCommandes_data() {
    QTest::addColumn<QString>("commande");
    QTest::addColumn<QString>("titre");
    const std::pair<const char*, const char*> lignes[] = {
        // The three rule browsers all read "Rules base Viewer: " and the
        // count once a base is open.
        {"Viewrules1", "Rules base Viewer: 43 rules"},
        {"SpeedButton7Action", "Rules base Viewer: 43 rules"},
        {"Addrules1", "Rules Editor"},
        {"Removerules1", "Rules base Viewer: 43 rules"},
        {"Modifyrules1", "Rules base Viewer: 43 rules"},
        {"Viewdata2", "Data base Viewer"},
        {"SpeedButton6Action", "Data base Viewer"},
        {"Adddata2", "Data base Manager"},
        {"Removeanobservation1", "Observations Eraser: 8 observations"},
        {"Viewdata1", "Dictionary Viewer"},
        {"SpeedButton5Action", "Dictionary Viewer"},
        {"Globalviewofdictionary1", "Global view of the Data Dictionary"},
        {"Adddata1", "Data dictionary Manager"},
        {"Forwardchaining1", "Select an observation for the inference"},
        {"Parameters1", ""},
        {"N2", "About"},
    };
    for (const auto& [commande, titre] : lignes) QTest::newRow(commande) << QString(commande) << QString(titre);
}

void TestMenu::FenetresDesCommandes() {
    QFETCH(QString, commande);
    QFETCH(QString, titre);
    TProjetDemo demo;
    TFenetreTest f;
    f.OuvreDemo(demo);
    f.Declenche(qPrintable(commande));
    QCOMPARE(f.Pilote.Titres.size(), 1);
    // Windows that count what they show add the count after the title.
    QCOMPARE(f.Pilote.Titres.front().left(titre.size()), titre);
    QCOMPARE(f.Menu.Etat().Faits.Observations.size(), std::size_t{8});
}

// "&Forward chaining": the choice of the observation leads to the run, whose
// window leads to the tree, each shown by the main window.
void TestMenu::InferenceJusquALArbre() {
    TProjetDemo demo;
    TFenetreTest f;
    f.OuvreDemo(demo);
    QString declenchees;
    f.Pilote.Actions = {
        [](QDialog& fenetre) {
            dynamic_cast<TSelChain&>(fenetre).BitBtn1Click();
            fenetre.reject();
            return 0;
        },
        [&](QDialog& fenetre) {
            auto& chainage = dynamic_cast<TForwChain&>(fenetre);
            chainage.Lance();
            declenchees = chainage.findChild<QLabel*>("NbTriggered")->text();
            chainage.ViewTreeClick();
            chainage.reject();
            return 0;
        },
    };
    f.Declenche("Forwardchaining1");
    QCOMPARE(f.Pilote.Titres,
             (QStringList{"Select an observation for the inference", "Forward Chaining", "Tree of reasoning"}));
    QCOMPARE(declenchees, QString("Triggered rule: 9"));
    QVERIFY(f.Menu.statusBar()->currentMessage().isEmpty());
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
    f.OuvreDemo(demo);
    f.Declenche("Addanobservation1");
    f.Journal.Messages.clear();
    f.Journal.Reponses = {TReponse(reponse)};
    f.Declenche("Newproject1");  // the new-project dialog, if shown, is closed by its frame
    QCOMPARE(f.Journal.Textes(), std::vector<std::string>{Question});
    QCOMPARE(f.Journal.Messages.front().Boutons, TBoutons::OuiNonAnnuler);
    QCOMPARE(f.Pilote.Titres, fenetres);
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane - car.EXP"));
    QCOMPARE(f.Liste("EtatBase")->count(), 9);
    QFile base(demo.Repertoire().filePath("car.dta"));
    QVERIFY(base.open(QIODevice::ReadOnly));
    QCOMPARE(base.readAll().count("# Observation"), observationsEcrites);
}

void TestMenu::EnregistrerSousEcritLesQuatreFichiers() {
    TProjetDemo demo;
    TFenetreTest f;
    f.OuvreDemo(demo);
    QDir(demo.Repertoire()).mkdir("Work");
    f.Journal.Fichiers.push_back(demo.Chemin("Work/Flu.exp"));
    QString texte = "Starting trouble\n\nof a family car";
    f.Pilote.Actions = {TPilote::OK(&texte)};
    f.Declenche("Saveprojectas1");
    QCOMPARE(f.Journal.Motifs.back(), std::string("*.exp"));
    QCOMPARE(f.Pilote.Titres, QStringList{"Change commentary of the project"});
    QCOMPARE(f.Menu.windowTitle(), QString("Veridane - Flu.EXP"));
    QDir travail(demo.Repertoire().filePath("work"));
    for (const char* nom : {"flu.exp", "flu.rul", "flu.dic", "flu.dta"})
        QVERIFY2(QFile::exists(demo.Repertoire().filePath(QString("Work/") + nom)), nom);
    QFile projet(demo.Repertoire().filePath("Work/flu.exp"));
    QVERIFY(projet.open(QIODevice::ReadOnly));
    QCOMPARE(projet.readAll(), QByteArray("#Starting trouble\r\n#\r\n#of a family car\r\n\r\n"
                                          "Rules file: Flu.RUL\r\nData base: Flu.DTA\r\n"));
    QVERIFY(!f.Menu.Etat().ProjetChange());
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
        f.Pilote.Actions = {TPilote::Choisit(TChoixNouveauProjet::CreerDictionnaire)};
        f.Declenche("Newproject1");
    } else if (etat != "start-up") {
        f.OuvreDemo(demo);
        f.Declenche("Addanobservation1");
        if (etat == "rules") f.Menu.Etat().Base.ReglesModifiees = true;
    }
    f.Journal.Messages.clear();
    for (int reponse : reponses) f.Journal.Reponses.push_back(TReponse(reponse));
    if (caseDeFermeture)
        f.Menu.close();
    else
        f.Declenche("Exit1");
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

QTEST_MAIN(TestMenu)
#include "menu_test.moc"
