// Whole tasks walked from the main window's menus, the way a person does
// them: open, run, read the tree and print it; author a project from nothing
// and open it again; edit, remove and quit answering each question; open
// damaged or missing projects. Each checks what the person sees and what is
// on disk.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Aide.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

// Lines as the writers end them.
QByteArray Lignes(const QStringList& lignes) {
    QByteArray texte;
    for (const QString& ligne : lignes) texte += ligne.toLatin1() + "\r\n";
    return texte;
}

// The dictionary manager: one entry composed, added, its animation over.
void AjouteEntree(QWidget& dico, const QString& attribut, const QString& op, const QStringList& valeurs) {
    Remplit(dico, "EditAttribut", attribut);
    ChoisitDans(dico, "ComboOperateur", op);
    for (const QString& valeur : valeurs) {
        Remplit(dico, "EditValeur", valeur);
        if (op == "in") Clique("Add value")(dico);
    }
    const qsizetype avant = LignesDe(dico, "ListeDico").size();
    Clique("Add antecedent ->")(dico);
    Attend([&] { return LignesDe(dico, "ListeDico").size() > avant; });
}

// The rules editor: one rule put together; "Add Rule in Base" asks its
// degree.
void EcritRegle(QWidget& editeur, const QStringList& premisses, const QString& conclusion) {
    for (const QString& premisse : premisses) {
        CliqueLigne(editeur, "ListeDico", premisse);
        Clique("Add premise")(editeur);
    }
    ChoisitDans(editeur, "ComboConclusion", conclusion);
    Clique("Add conclusion")(editeur);
    Clique("Add Rule in Base")(editeur);
}

// The data base manager: a dictionary entry given to the observation.
void AjouteDonnee(QWidget& gestion, const QString& entree) {
    CliqueLigne(gestion, "ListeDico", entree);
    Clique("Add ->")(gestion);
    const qsizetype avant = LignesDe(gestion, "ListeObservation").size();
    Clique("Add data")(gestion);
    Attend([&] { return LignesDe(gestion, "ListeObservation").size() > avant; });
}

// In the middle of the screen, as the centred windows open.
bool Centree(const QWidget& fenetre) {
    return (fenetre.frameGeometry().center() - fenetre.screen()->availableGeometry().center()).manhattanLength() <= 2;
}

}  // namespace

class TestParcours : public QObject {
    Q_OBJECT
private slots:
    void InferenceJusquALArbreImprime();
    void ProjetCreeEnregistrePuisRouvert();
    void ModifieSupprimePuisQuitte();
    void ProjetsAbimes();
};

// Open the demo; Parameters 0.5; Forward chaining on observation 3; read the
// run and its tree; print it to a PDF file on a machine with no printer.
void TestParcours::InferenceJusquALArbreImprime() {
    TProjetDemo demo;
    TMenuExpert menu;
    menu.show();
    QVERIFY(OuvreParLeMenu(menu, demo.Repertoire().filePath("car.exp")));
    QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));

    TParcours parametres;
    parametres.Puis("ModiConf", Tape("0,5", {Qt::Key_Return}))
        .Puis("Critical value of priority degree = 50%", Clique("OK"));
    QVERIFY2(parametres.Choisit(menu, "Parameters1"), qPrintable(parametres.Erreur()));

    struct {
        bool SelectionMaximisee = false, ChainageMaximise = false, ArbreMaximise = false;
        QStringList Aide;
        QStringList Compteurs, Declenchees, Initiales, Deduites;
        QString Niveau0, Niveaux;
    } vu;
    const QString pdf = demo.Repertoire().filePath("tree");
    TParcours parcours;
    parcours
        .Puis("Select an observation for the inference",
              [&](QWidget& fenetre) {
                  vu.SelectionMaximisee = fenetre.isMaximized();
                  Suite({Utilise("Next1"), Utilise("Next1"), Clique("Select observation")})(fenetre);
              })
        .Puis("Observation 3 containing 4 data is used for inference ", Clique("OK"))
        .Puis("Forward Chaining",
              [&](QWidget& fenetre) {
                  vu.ChainageMaximise = fenetre.isMaximized();
                  QTest::keyClick(&fenetre, Qt::Key_F1);
                  vu.Aide << menu.Aide().PageCourante();
                  for (const char* compteur : {"NbRules", "NbData", "NbTriggered", "NbInitial", "NbDeduced"})
                      vu.Compteurs << TexteDe(fenetre, compteur);
                  vu.Declenchees = LignesDe(fenetre, "TriggeredRules");
                  vu.Initiales = LignesDe(fenetre, "InitialData");
                  vu.Deduites = LignesDe(fenetre, "DeducedData");
                  Suite({Clique("View tree of reasoning"), Utilise("Close1")})(fenetre);
              },
              [](QWidget& fenetre) { return TexteDe(fenetre, "StatusText") == " End of inference "; })
        .Puis("Tree of reasoning",
              [&](QWidget& fenetre) {
                  vu.ArbreMaximise = fenetre.isMaximized();
                  QTest::keyClick(fenetre.findChild<QWidget*>("Memo2"), Qt::Key_F1);
                  vu.Aide << menu.Aide().PageCourante();
                  vu.Niveau0 = TexteDe(fenetre, "Memo1");
                  vu.Niveaux = TexteDe(fenetre, "Memo2");
                  Suite({Utilise("SpeedButton1"), Utilise("SpeedButton2")})(fenetre);
              })
        .Puis("Do you want to print the reasoning?", Clique("Yes"))
        .Puis("No printer is available.", Clique("Yes"))
        .Puis("QFileDialog", NommeFichier(pdf))
        .Puis("The reasoning has been printed in the file " + pdf + ".pdf", Clique("OK"));
    QVERIFY2(parcours.Choisit(menu, "Forwardchaining1"), qPrintable(parcours.Erreur()));

    QVERIFY(vu.SelectionMaximisee);
    QVERIFY(vu.ChainageMaximise);
    QVERIFY(vu.ArbreMaximise);
    // F1 opens each window's own page.
    QCOMPARE(vu.Aide, (QStringList{"forward_chaining.html", "tree.html"}));
    QCOMPARE(vu.Compteurs, (QStringList{"Rules Base: 43 rules", "Data Base: 10", "Triggered rule: 6",
                                        "Initial data: 4 data", "Deduced data: 6"}));
    QCOMPARE(vu.Initiales, (QStringList{"KEY_TURN = NOTHING", "DASH_LIGHTS = BRIGHT", "BATTERY_VOLTAGE = 12.5",
                                        "SECURITY_LIGHT = FLASHING"}));
    QCOMPARE(vu.Declenchees, (QStringList{"Rule 4", "Rule 11", "Rule 12", "Rule 16", "Rule 19", "Rule 21"}));
    QCOMPARE(vu.Deduites, (QStringList{"BATTERY_CHARGE = GOOD", "STARTER_POWER = INTERRUPTED", "IMMOBILISER = ACTIVE",
                                       "KEY_STATUS = REJECTED", "DIAGNOSIS = KEY_NOT_RECOGNISED",
                                       "ACTION = USE_SPARE_KEY"}));
    const QString niveaux = "Level 1\n"
                            "  Rule 4 -> BATTERY_CHARGE = GOOD\n"
                            "  Rule 11 -> STARTER_POWER = INTERRUPTED\n"
                            "  Rule 12 -> IMMOBILISER = ACTIVE\n"
                            "Level 2\n"
                            "  Rule 16 -> KEY_STATUS = REJECTED\n"
                            "Level 3\n"
                            "  Rule 19 -> DIAGNOSIS = KEY_NOT_RECOGNISED\n"
                            "Level 4\n"
                            "  Rule 21 -> ACTION = USE_SPARE_KEY";
    QCOMPARE(vu.Niveau0, QString("Level 0\n KEY_TURN = NOTHING\n DASH_LIGHTS = BRIGHT\n BATTERY_VOLTAGE = 12.5\n"
                                 " SECURITY_LIGHT = FLASHING"));
    QCOMPARE(vu.Niveaux, niveaux);

    // The selection window closed with the run: only the help is left open.
    for (QDialog* fenetre : menu.findChildren<QDialog*>())
        QVERIFY2(!fenetre->isVisible() || fenetre == static_cast<QWidget*>(&menu.Aide()), qPrintable(fenetre->objectName()));
    QVERIFY(QFile::exists(pdf + ".pdf"));
    QString imprime = TexteDuPdf(pdf + ".pdf");
    QVERIFY2(imprime.contains("Tree of reasoning - car.EXP"), qPrintable(imprime));
    QVERIFY(imprime.contains("Observation 3"));
    QString sansBlancs = imprime.simplified();
    for (QString ligne : niveaux.split('\n')) QVERIFY2(sansBlancs.contains(ligne.simplified()), qPrintable(ligne));
}

// A new project: its dictionary typed in the dictionary manager, two rules
// in the rules editor, an observation given its data, a run on it, the
// project saved into a new folder, opened again by a fresh window and saved
// under another name.
void TestParcours::ProjetCreeEnregistrePuisRouvert() {
    QTemporaryDir dossier;
    const QDir ici(dossier.path());
    TMenuExpert menu;
    menu.show();

    QStringList focus;
    TParcours nouveau;
    nouveau.Puis("New project", Clique("Create a new dictionary"))
        .Puis("Data dictionary Manager", [&](QWidget& dico) {
            // Typing starts with the attribute; Tab goes round every
            // control that can be used.
            for (int i = 0; i < 8; ++i) {
                focus << dico.focusWidget()->objectName();
                QTest::keyClick(dico.focusWidget(), Qt::Key_Tab);
            }
            AjouteEntree(dico, "TEMPERATURE", ">", {"38.5"});
            AjouteEntree(dico, "cough", "=", {"yes"});
            AjouteEntree(dico, "DISEASE", "=", {"FLU"});
            AjouteEntree(dico, "COLOR", "in", {"RED", "BLUE"});
            Utilise("Close1")(dico);
        });
    QVERIFY2(nouveau.Choisit(menu, "Newproject1"), qPrintable(nouveau.Erreur()));
    QCOMPARE(menu.windowTitle(), QString("Veridane"));
    QCOMPARE(focus, (QStringList{"EditAttribut", "ListeAttributs", "ComboOperateur", "EditValeur", "LigneAntecedent",
                                 "AddBtn", "ListeDico", "EditAttribut"}));

    QList<bool> centrees;
    TParcours regles;
    regles
        .Puis("AjoutRegles",
              [](QWidget& editeur) {
                  EcritRegle(editeur, {"COLOR in { RED, BLUE }"}, "COUGH = YES");
                  EcritRegle(editeur, {"TEMPERATURE > 38.5", "COUGH = YES"}, "DISEASE = FLU");
                  Utilise("Close1")(editeur);
              })
        .Puis("Priority Degree",
              [&](QWidget& fenetre) {
                  centrees << Centree(fenetre);
                  Tape("0,5", {Qt::Key_Return})(fenetre);
              })
        .Puis("Priority degree = 50%", Clique("OK"))
        .Puis("Priority Degree", Tape("0.8", {Qt::Key_Return}))
        .Puis("Priority degree = 80%", Clique("OK"));
    QVERIFY2(regles.Choisit(menu, "Addrules1"), qPrintable(regles.Erreur()));

    TParcours observation;
    observation.Puis("Observation n\u00B02 added in the data base", Clique("OK"));
    QVERIFY2(observation.Choisit(menu, "Addanobservation1"), qPrintable(observation.Erreur()));
    TParcours donnees;
    donnees.Puis("Data base Manager", [](QWidget& gestion) {
        AjouteDonnee(gestion, "TEMPERATURE > 38.5");
        AjouteDonnee(gestion, "COLOR in { RED, BLUE }");
        Utilise("Close1")(gestion);
    });
    QVERIFY2(donnees.Choisit(menu, "Adddata2"), qPrintable(donnees.Erreur()));

    QStringList deduites;
    TParcours run;
    run.Puis("Select an observation for the inference", Clique("Select observation"))
        .Puis("Observation 1 containing 2 data is used for inference ", Clique("OK"))
        .Puis(
            "Forward Chaining",
            [&](QWidget& fenetre) {
                deduites = LignesDe(fenetre, "DeducedData");
                Utilise("Close1")(fenetre);
            },
            [](QWidget& fenetre) { return TexteDe(fenetre, "StatusText") == " End of inference "; });
    QVERIFY2(run.Choisit(menu, "Forwardchaining1"), qPrintable(run.Erreur()));
    QCOMPARE(deduites, (QStringList{"COUGH = YES", "DISEASE = FLU"}));

    QVERIFY(ici.mkdir("Work"));
    TParcours enregistre;
    enregistre.Puis("QFileDialog", NommeFichier(ici.filePath("Work/Flu")))
        .Puis("Change commentary of the project", [&](QWidget& fenetre) {
            centrees << Centree(fenetre);
            auto* boite = fenetre.findChild<QWidget*>("Commentaire");
            QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
            TapeTexte(boite, "Flu survey\n\n  winter ward");
            Clique("OK")(fenetre);
        });
    QVERIFY2(enregistre.Choisit(menu, "Saveprojectas1"), qPrintable(enregistre.Erreur()));
    QCOMPARE(menu.windowTitle(), QString("Veridane - Flu.EXP"));
    // The degree dialog and the abstract open in the middle of the screen.
    QCOMPARE(centrees, (QList<bool>{true, true}));

    // The rules are kept by decreasing priority, the dictionary by its
    // lines, the data numbered across the observations.
    const QByteArray projet = Lignes({"#Flu survey", "#", "#  winter ward", "", "Rules file: Flu.RUL",
                                      "Data base: Flu.DTA"});
    const QByteArray reglesEcrites = Lignes({"", "Number of rules: 2;", "", "# Rule 1", "If TEMPERATURE > 38.5 ",
                                             "And COUGH = YES ", "Then DISEASE = FLU [0.8];", "", "# Rule 2",
                                             "If COLOR in { RED, BLUE }", "Then COUGH = YES [0.5];", ""});
    const QByteArray dico = Lignes({"", "COLOR in { RED, BLUE };", "", "COUGH = YES ;", "", "DISEASE = FLU ;", "",
                                    "TEMPERATURE > 38.5 ;", ""});
    const QByteArray base = Lignes({"", "Number of data: 2;", "", "# Observation 1", "", "# Data 1",
                                    "TEMPERATURE > 38.5  ;", "# Data 2", "COLOR in { RED, BLUE } ;", "", "* ", "",
                                    "# Observation 2", ""});
    QCOMPARE(Contenu(ici.filePath("Work/flu.exp")), projet);
    QCOMPARE(Contenu(ici.filePath("Work/flu.rul")), reglesEcrites);
    QCOMPARE(Contenu(ici.filePath("Work/flu.dic")), dico);
    QCOMPARE(Contenu(ici.filePath("Work/flu.dta")), base);

    // A fresh window opens it: what was typed is back.
    TMenuExpert relu;
    relu.show();
    QString resume;
    TParcours ouverture;
    ouverture.Puis("QFileDialog", NommeFichier(ici.filePath("Work/flu.exp")))
        .Puis("Abstract of the project", [&](QWidget& fenetre) {
            resume = TexteDe(fenetre, "Commentaire");
            Clique("OK")(fenetre);
        });
    QVERIFY2(ouverture.Choisit(relu, "Openproject1"), qPrintable(ouverture.Erreur()));
    QCOMPARE(resume, QString("Flu survey\n\n  winter ward"));
    QCOMPARE(LignesDe(relu, "EtatBase"), (QStringList{"Observation 1: 2 data", "Observation 2: no data"}));
    // "Save project as" on a named project asks for the new name.
    QVERIFY(ici.mkdir("Copy"));
    TParcours copie;
    copie.Puis("QFileDialog", NommeFichier(ici.filePath("Copy/Flu.exp")))
        .Puis("Change commentary of the project", Clique("OK"));
    QVERIFY2(copie.Choisit(relu, "Saveprojectas1"), qPrintable(copie.Erreur()));
    for (const char* nom : {"flu.exp", "flu.rul", "flu.dic", "flu.dta"})
        QCOMPARE(Contenu(ici.filePath(QString("Copy/") + nom)), Contenu(ici.filePath(QString("Work/") + nom)));
}

// The demo edited: a rule's priority typed over and a premise added then
// removed, the rules viewed, a rule and an observation removed; quitting
// asks to save, and each answer leaves the files as it says.
void TestParcours::ModifieSupprimePuisQuitte() {
    TProjetDemo demo;
    const QString regles = demo.Repertoire().filePath("car.rul");
    const QString base = demo.Repertoire().filePath("car.dta");
    const QByteArray reglesAvant = Contenu(regles), baseAvant = Contenu(base);
    TMenuExpert menu;
    menu.show();
    QVERIFY(OuvreParLeMenu(menu, demo.Repertoire().filePath("car.exp")));

    QStringList vu;
    TParcours modification;
    modification.Puis("SelectRul", Clique("Select rule"))
        .Puis("ModifRule", [&](QWidget& fenetre) {
            // Typed over the old degree, taken when the field is left.
            Remplit(fenetre, "EditDegre", ".75");
            QTest::keyClick(fenetre.findChild<QWidget*>("EditDegre"), Qt::Key_Tab);
            vu << TexteDe(fenetre, "EditDegre") << TexteDe(fenetre, "LabelPourcentage");
            ChoisitDans(fenetre, "ComboDico", "WEATHER = MILD");
            Clique("Add premise")(fenetre);
            vu << LignesDe(fenetre, "ListePremisses");
            CliqueLigne(fenetre, "ListePremisses", "And WEATHER = MILD");
            Clique("Remove  premise")(fenetre);
            vu << LignesDe(fenetre, "ListePremisses");
            Utilise("Close1")(fenetre);
        });
    // The chooser is closed once its rule is back.
    modification.Puis("SelectRul", Utilise("Close1"));
    QVERIFY2(modification.Choisit(menu, "Modifyrules1"), qPrintable(modification.Erreur()));
    const QStringList premisses{"If KEY_TURN in { NOTHING, CLICKS, SLOW_CRANK }", "And DASH_LIGHTS in { DIM, OFF }"};
    QCOMPARE(vu, (QStringList{".75", "75%"} + premisses + QStringList{"And WEATHER = MILD"} + premisses));

    QString vue;
    TParcours visionneuse;
    visionneuse.Puis("ViewRul", [&](QWidget& fenetre) {
        vue = TexteDe(fenetre, "Memo1");
        Utilise("Close1")(fenetre);
    });
    QVERIFY2(visionneuse.Choisit(menu, "Viewrules1"), qPrintable(visionneuse.Erreur()));
    QVERIFY2(vue.startsWith("Rule number 1: Priority degree = 75%\n" + premisses.join('\n')), qPrintable(vue));

    TParcours effaceur;
    effaceur.Puis("RemovRul", Suite({Utilise("Next1"), Clique("Remove rule"), Utilise("Close1")}))
        .Puis("Do you really want to remove this rule?", Clique("Yes"));
    QVERIFY2(effaceur.Choisit(menu, "Removerules1"), qPrintable(effaceur.Erreur()));
    TParcours observations;
    bool eraserMaximise = false;
    observations
        .Puis("DestroyObs",
              [&](QWidget& fenetre) {
                  eraserMaximise = fenetre.isMaximized();
                  Suite({Clique("Remove observation"), Utilise("Close1")})(fenetre);
              })
        .Puis("There are 7 data in observation 1. Do you want to remove this observation ?", Clique("Yes"));
    QVERIFY2(observations.Choisit(menu, "Removeanobservation1"), qPrintable(observations.Erreur()));
    QVERIFY(eraserMaximise);
    QCOMPARE(LignesDe(menu, "EtatBase").size(), 7);
    QCOMPARE(Contenu(regles), reglesAvant);
    QCOMPARE(Contenu(base), baseAvant);

    // Cancel: nothing written, the program goes on.
    TParcours annule;
    annule.Puis("Do you want to quit Veridane ?", Clique("Yes"))
        .Puis("Current project has changed, save it?", Clique("Cancel"));
    QVERIFY2(annule.Choisit(menu, "Exit1"), qPrintable(annule.Erreur()));
    QVERIFY(menu.isVisible());
    QCOMPARE(Contenu(regles), reglesAvant);
    QCOMPARE(Contenu(base), baseAvant);

    // Yes: both files written, then the program ends.
    TParcours quitte;
    quitte.Puis("Do you want to quit Veridane ?", Clique("Yes"))
        .Puis("Current project has changed, save it?", Clique("Yes"));
    QVERIFY2(quitte.Choisit(menu, "Exit1"), qPrintable(quitte.Erreur()));
    QVERIFY(!menu.isVisible());
    const QByteArray reglesApres = Contenu(regles);
    QVERIFY(reglesApres.contains("Number of rules: 42;"));
    QVERIFY(reglesApres.contains("# Rule 1\r\nIf KEY_TURN in { NOTHING, CLICKS, SLOW_CRANK }\r\n"
                                 "And DASH_LIGHTS in { DIM, OFF }\r\nThen STARTER_POWER = WEAK [0.75];"));
    QVERIFY(!reglesApres.contains("Then STARTER_POWER = GOOD"));
    const QByteArray baseApres = Contenu(base);
    QCOMPARE(baseApres.count("# Observation"), 7);
    QCOMPARE(baseApres.count("KEY_TURN = CLICKS"), 1);
}

// A project whose rules file is damaged and one whose data base is missing:
// each message, then the program still works. The
// file dialogs open in the current project's directory, or in the last one
// chosen when no project is named.
void TestParcours::ProjetsAbimes() {
    TProjetDemo abime, sansBase, sain;
    QVERIFY(Remplace(abime.Repertoire().filePath("car.rul"), "Then STARTER_POWER = GOOD [1];",
                     "Then STARTER_POWER GOOD [1];"));
    QVERIFY(QFile::remove(sansBase.Repertoire().filePath("car.dta")));
    TMenuExpert menu;
    menu.show();
    QString repertoire;
    auto ouvreDans = [&repertoire](const QString& chemin) {
        return [&repertoire, chemin](QWidget& fenetre) {
            repertoire = QFileInfo(qobject_cast<QFileDialog*>(&fenetre)->directory().absolutePath()).canonicalFilePath();
            NommeFichier(chemin)(fenetre);
        };
    };
    auto canonique = [](const TProjetDemo& demo) { return QFileInfo(demo.Repertoire().path()).canonicalFilePath(); };

    TParcours abimee;
    abimee.Puis("QFileDialog", NommeFichier(abime.Repertoire().filePath("car.exp")))
        .Puis("Error in rule 2: operateur of conclusion not found", Clique("OK"))
        .Puis("1 rules extracted, 43 expected rules", Clique("OK"))
        .Puis("Abstract of the project", Clique("OK"));
    QVERIFY2(abimee.Choisit(menu, "Openproject1"), qPrintable(abimee.Erreur()));
    QCOMPARE(menu.windowTitle(), QString("Veridane - car.EXP"));
    // Its observations are there to reason on.
    TParcours premiere;
    premiere.Puis("Select an observation for the inference", Utilise("Close1"));
    QVERIFY2(premiere.Choisit(menu, "Forwardchaining1"), qPrintable(premiere.Erreur()));

    TParcours manquante;
    manquante.Puis("QFileDialog", ouvreDans(sansBase.Repertoire().filePath("car.exp")))
        .Puis("File of data base not found", Clique("OK"))
        .Puis("Abstract of the project", Clique("OK"));
    QVERIFY2(manquante.Choisit(menu, "Openproject1"), qPrintable(manquante.Erreur()));
    QCOMPARE(repertoire, canonique(abime));
    QVERIFY(LignesDe(menu, "EtatBase").isEmpty());
    // No observation to choose: the selection says so instead of showing
    // the last project's observation and choosing nothing.
    QStringList vu;
    TParcours rien;
    rien.Puis("Select an observation for the inference",
              [&](QWidget& fenetre) {
                  vu << TexteDe(fenetre, "Label1") << LignesDe(fenetre, "ListBox1");
                  Suite({Clique("Select observation"), Utilise("Close1")})(fenetre);
              })
        .Puis(QString::fromUtf8("Observation n°1 is empty. Select an other observation for inference"), Clique("OK"));
    QVERIFY2(rien.Choisit(menu, "Forwardchaining1"), qPrintable(rien.Erreur()));
    QCOMPARE(vu, (QStringList{QString::fromUtf8("Observation n°1 is empty"), " No data "}));

    // Still usable: the sound project opens with all its observations.
    TParcours ouverture;
    ouverture.Puis("QFileDialog", ouvreDans(sain.Repertoire().filePath("car.exp")))
        .Puis("Abstract of the project", Clique("OK"));
    QVERIFY2(ouverture.Choisit(menu, "Openproject1"), qPrintable(ouverture.Erreur()));
    QCOMPARE(repertoire, canonique(sansBase));
    QCOMPARE(LignesDe(menu, "EtatBase").size(), 8);
    QVERIFY(Utilisable(menu, "Forwardchaining1"));

    // A new project has no directory: its save dialog opens where the last
    // file was chosen.
    // The old project is gone from the display before the dictionary
    // manager opens.
    QStringList pendant;
    TParcours nouveau;
    nouveau.Puis("New project", Clique("Create a new dictionary"))
        .Puis("Data dictionary Manager", [&](QWidget& fenetre) {
            pendant << menu.windowTitle() << LignesDe(menu, "EtatBase");
            Utilise("Close1")(fenetre);
        });
    QVERIFY2(nouveau.Choisit(menu, "Newproject1"), qPrintable(nouveau.Erreur()));
    QCOMPARE(pendant, QStringList{"Veridane"});
    TParcours enregistre;
    enregistre.Puis("QFileDialog", [&](QWidget& fenetre) {
        repertoire = QFileInfo(qobject_cast<QFileDialog*>(&fenetre)->directory().absolutePath()).canonicalFilePath();
        QTest::keyClick(&fenetre, Qt::Key_Escape);
    });
    QVERIFY2(enregistre.Choisit(menu, "Saveprojectas1"), qPrintable(enregistre.Erreur()));
    QCOMPARE(repertoire, canonique(sain));
}

QTEST_MAIN(TestParcours)
#include "parcours_test.moc"
