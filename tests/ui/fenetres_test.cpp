// The small windows and the Qt dialogs: texts, buttons and what each button
// answers.
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
    void FiltresDesDialogues();
    void FiltreDuMotif_data();
    void FiltreDuMotif();
    void ReponsesPrevues();
    void NouveauProjetTextes();
    void NouveauProjetBoutons_data();
    void NouveauProjetBoutons();
    void APropos();
    void Progression();
};

void TestFenetres::FiltresDesDialogues() {
    QCOMPARE(TDialoguesQt::FiltresOuverture(),
             (QStringList{"Project (*.exp)", "File of rules (*.rul)", "Data base (*.dta)", "Data dictionnary (*.dic)",
                          "Text file (*.txt)", "All files (*.*)"}));
    QCOMPARE(TDialoguesQt::FiltresEnregistrement(), (QStringList{"Project (*.exp)", "Data base (*.dta)"}));
}

void TestFenetres::FiltreDuMotif_data() {
    QTest::addColumn<bool>("enregistrer");
    QTest::addColumn<QString>("motif");
    QTest::addColumn<QString>("filtre");
    QTest::newRow("open project") << false << "*.exp" << "Project (*.exp)";
    QTest::newRow("open rules") << false << "*.rul" << "File of rules (*.rul)";
    QTest::newRow("open data base") << false << "*.dta" << "Data base (*.dta)";
    QTest::newRow("upper-case pattern") << false << "*.RUL" << "File of rules (*.rul)";
    QTest::newRow("save project") << true << "*.exp" << "Project (*.exp)";
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

void TestFenetres::ReponsesPrevues() {
    TDialoguesQt dialogues;
    dialogues.ReponsesSuivantes = {TReponse::Annuler, TReponse::Non};
    dialogues.FichiersSuivants = {std::string("/tmp/a.exp"), std::nullopt};
    QCOMPARE(dialogues.Demande("Current project has changed, save it?", true), TReponse::Annuler);
    QCOMPARE(dialogues.Demande("Do you want to quit Veridane ?"), TReponse::Non);
    QCOMPARE(dialogues.ChoisitFichierAOuvrir("*.exp"), std::optional<std::string>("/tmp/a.exp"));
    QCOMPARE(dialogues.ChoisitFichierAEnregistrer("*.exp"), std::optional<std::string>());
    QVERIFY(dialogues.ReponsesSuivantes.empty());
    QVERIFY(dialogues.FichiersSuivants.empty());
}

void TestFenetres::NouveauProjetTextes() {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TNewPro dialogue(etat, journal);
    QCOMPARE(dialogue.windowTitle(), QString("New project"));
    QCOMPARE(dialogue.property("contexteAide").toInt(), 2);
    QStringList textes;
    for (QLabel* etiquette : dialogue.findChildren<QLabel*>()) textes.append(etiquette->text());
    QCOMPARE(textes, (QStringList{"For the creation of a new project, you can:",
                                  "  - create a new dictionary and a new rules base,",
                                  "  - create a project with an existing rules base.",
                                  "Press [F1] to get Help context"}));
    QStringList boutons;
    for (QPushButton* bouton : dialogue.findChildren<QPushButton*>()) boutons.append(bouton->text());
    QCOMPARE(boutons, (QStringList{"Create a new dictionary", "Link project with a rules base", "Cancel"}));
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

void TestFenetres::APropos() {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TAboutBox boite(etat, journal);
    QCOMPARE(boite.windowTitle(), QString("About"));
    QCOMPARE(boite.property("contexteAide").toInt(), 37);
    QCOMPARE(boite.findChild<QLabel*>("Version")->text(), QString("Version 1.0"));
    boite.show();
    boite.findChild<QPushButton*>("OKButton")->click();
    QVERIFY(!boite.isVisible());
    QCOMPARE(boite.result(), int(QDialog::Accepted));
}

void TestFenetres::Progression() {
    QStatusBar ligne;
    QProgressBar jauge;
    jauge.hide();
    TProgressionQt progression(ligne, jauge);
    progression.Texte("Reading rules");
    QCOMPARE(ligne.currentMessage(), QString("Reading rules"));
    progression.Montre(3);
    QVERIFY(!jauge.isHidden());
    QCOMPARE(jauge.maximum(), 3);
    QCOMPARE(jauge.value(), 0);
    for (int i = 0; i < 5; ++i) progression.Avance();
    QCOMPARE(jauge.value(), 3);  // never beyond the end
    progression.Rafraichit();
    progression.Cache();
    QVERIFY(jauge.isHidden());
    progression.Texte("");
    QVERIFY(ligne.currentMessage().isEmpty());
}

QTEST_MAIN(TestFenetres)
#include "fenetres_test.moc"
