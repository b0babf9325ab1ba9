// Whole tasks walked from the main window's menus, the way a person does
// them: open, run, read the tree and print it; author a project from nothing
// and open it again; edit, remove and quit answering each question; open
// damaged or missing projects. Each checks what the person sees and what is
// on disk.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Menu_ex.h"

using namespace veridane;
using namespace veridane::geste;

namespace {

// Opens `projet` through "Open project" and closes its abstract.
bool OuvreParLeMenu(TMenuExpert& menu, const QString& projet, QStringList* vus = nullptr) {
    TParcours parcours;
    parcours.Puis("QFileDialog", NommeFichier(projet)).Puis("Abstract of the project", Clique("OK"));
    bool reussi = parcours.Choisit(menu, "Openproject1");
    if (!reussi) qWarning("%s", qPrintable(parcours.Erreur()));
    if (vus) *vus = parcours.Vus;
    return reussi;
}

QString TexteDuPdf(const QString& chemin) {
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", chemin, "-"});
    if (!pdftotext.waitForFinished(20000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

}  // namespace

class TestParcours : public QObject {
    Q_OBJECT
private slots:
    void InferenceJusquALArbreImprime();
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
        bool SelectionMaximisee = false, ChainageMaximise = false;
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

    // The selection window closed with the run: nothing is left open.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(QFile::exists(pdf + ".pdf"));
    QString imprime = TexteDuPdf(pdf + ".pdf");
    QVERIFY2(imprime.contains("Tree of reasoning - car.EXP"), qPrintable(imprime));
    QVERIFY(imprime.contains("Observation 3"));
    QString sansBlancs = imprime.simplified();
    for (QString ligne : niveaux.split('\n')) QVERIFY2(sansBlancs.contains(ligne.simplified()), qPrintable(ligne));
}

QTEST_MAIN(TestParcours)
#include "parcours_test.moc"
