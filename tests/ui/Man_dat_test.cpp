// The observation data manager driven through its handlers and real drop
// events; the animation is stepped by calling its tick, never by waiting.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "core/journal.h"
#include "core/proposition.h"
#include "project/cycle_projet.h"
#include "ui/GlisserDeposer.h"
#include "ui/Man_dat.h"

using namespace veridane;

namespace {

TProposition Entree(TProposition p) {
    p.Certitude = DegreNul;
    p.Precision = DegreNul;
    return p;
}

// A project with a three-entry dictionary, one rule and `tailles` observations.
TEtatVeridane Etat(std::vector<int> tailles, int num = 0) {
    TEtatVeridane etat;
    etat.Base.DicoCree = true;
    etat.Base.Dictionnaire = {Entree(NouvelleProposition("COUGH", OpEgal, std::string("YES"))),
                              Entree(NouvelleProposition("PI", OpEgal, 3.14159)),
                              Entree(NouvelleProposition("SYMPTOMS", OpDans,
                                                         std::vector<std::string>{"FEVER", "RASH"}))};
    etat.Base.NbFaitsDico = 3;
    etat.Base.Regles.push_back(TRegle{});
    etat.Base.NbRegles = 1;
    for (int taille : tailles)
        etat.Faits.Observations.emplace_back(static_cast<std::size_t>(taille),
                                             NouvelleProposition("TEMPERATURE", OpSuperieur, 38.5));
    etat.Faits.NumObservation = num;
    etat.Faits.NbFaits = etat.Faits.CompteFaits();
    etat.Faits.BaseFaitsOuverte = etat.Faits.NbFaits > 0;
    return etat;
}

template <typename T>
T* Controle(QWidget& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(nom);
    if (controle == nullptr) qFatal("control %s not found", nom);
    return controle;
}

QStringList Lignes(QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

// Sends a drag entering and then a drop of line `ligne` of list `source` onto
// `cible`, as the platform does; true when the drop was accepted.
bool Depose(QWidget* cible, const QString& source, int ligne) {
    std::unique_ptr<QMimeData> donnees(NouvelleLigneGlissee(source, ligne));
    const QPoint milieu = cible->rect().center();
    QDragEnterEvent entree(milieu, Qt::CopyAction, donnees.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cible, &entree);
    if (!entree.isAccepted()) return false;
    QDropEvent depot(QPointF(milieu), Qt::CopyAction, donnees.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(cible, &depot);
    return depot.isAccepted();
}

// The project's other windows, never needed by these tests.
class TFenetresMuettes : public IFenetresProjet {
public:
    TChoixNouveauProjet NouveauProjet() override { return TChoixNouveauProjet::Annuler; }
    void GestionnaireDico() override {}
    void MontreProjet() override {}
    void ChangeComment(bool) override {}
};

// Adds the dictionary entries at `lignes` as a user does: select, "Add ->",
// OK, the animation to its end; then "Close".
void AjouteParLaFenetre(TEtatVeridane& etat, const std::vector<int>& lignes) {
    TDialoguesJournal journal;
    TGereFaits fenetre(etat, journal);
    fenetre.Initialise();
    for (int ligne : lignes) {
        fenetre.findChild<QListWidget*>("ListeDico")->setCurrentRow(ligne);
        fenetre.AddClick();
        fenetre.OKAddClick();
        while (fenetre.Anime()) fenetre.Timer1Timer();
    }
    fenetre.Close1Click();
}

// A new project: empty rules base, the three-entry dictionary, a new data
// base of one empty observation.
TEtatVeridane NouveauProjet() {
    TEtatVeridane etat = Etat({0});
    etat.Base.Regles.clear();
    etat.Base.NbRegles = 0;
    etat.Base.BaseReglesOuverte = true;
    etat.Base.DicoModifie = true;
    etat.Faits.BaseFaitsOuverte = true;
    etat.Faits.BaseFaitsSansNom = true;
    etat.Faits.BaseFaitsModifiee = true;
    return etat;
}

// The data of the first observation of the project at `chemin`, read into a
// fresh state; warnings shown on the way go to `journal`.
TObservation Relit(const std::string& chemin, TDialoguesJournal& journal) {
    TEtatVeridane relu;
    TFenetresMuettes fenetres;
    TProgressionMuette progression;
    if (!TCycleProjet(relu, fenetres, journal, progression).OuvreProjet(chemin) || relu.Faits.Observations.empty())
        return {};
    return relu.Faits.Observations[0];
}

}  // namespace

class GereFaitsTest : public QObject {
    Q_OBJECT

private slots:
    void labels_data() {
        QTest::addColumn<std::vector<int>>("tailles");
        QTest::addColumn<int>("num");
        QTest::addColumn<QString>("attendu");
        QTest::newRow("one observation") << std::vector<int>{2} << 0 << "Data base: 2 data";
        QTest::newRow("several observations") << std::vector<int>{1, 0, 5} << 2 << "Data base of observation 3: 5 data";
        QTest::newRow("no data read") << std::vector<int>{0} << 0 << "Data base: no data";
    }
    void labels() {
        QFETCH(std::vector<int>, tailles);
        QFETCH(int, num);
        QFETCH(QString, attendu);
        TEtatVeridane etat = Etat(tailles, num);
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        QCOMPARE(Controle<QLabel>(fenetre, "LabelObservation")->text(), attendu);
        QCOMPARE(Controle<QLabel>(fenetre, "LabelDico")->text(), QString("Data dictionary: 3 data"));
        QCOMPARE(Lignes(Controle<QListWidget>(fenetre, "ListeDico")),
                 QStringList({"COUGH = YES", "PI = 3.14159", "SYMPTOMS in { FEVER, RASH }"}));
        QCOMPARE(Controle<QListWidget>(fenetre, "ListeObservation")->count(), tailles[static_cast<std::size_t>(num)]);
        QCOMPARE(fenetre.windowTitle(), QString("Data base Manager"));
        QCOMPARE(fenetre.property("contexteAide").toInt(), 25);
    }

    void addingTheSameEntryTwiceGivesTwoEqualData() {
        TEtatVeridane etat = Etat({0});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        auto* dico = Controle<QListWidget>(fenetre, "ListeDico");
        auto* ok = Controle<QPushButton>(fenetre, "BoutonOK");
        for (int fois = 1; fois <= 2; ++fois) {
            dico->setCurrentRow(1);
            fenetre.AddClick();
            QVERIFY(!ok->isHidden());
            QCOMPARE(ok->text(), QString("Add data"));
            QCOMPARE(Controle<QLineEdit>(fenetre, "LigneProposition")->text(), QString("PI = 3.14159"));
            QVERIFY(!Controle<QPushButton>(fenetre, "BoutonAjout")->isEnabled());
            QVERIFY(!Controle<QPushButton>(fenetre, "BoutonRetrait")->isEnabled());
            fenetre.OKAddClick();
            QVERIFY(ok->isHidden());
            QVERIFY(Controle<QTimer>(fenetre, "Timer1")->isActive());
            for (int pas = 1; pas <= 4; ++pas) {
                fenetre.Timer1Timer();
                auto* label = Controle<QLabel>(fenetre, qPrintable(QString("LabelAjout%1").arg(pas)));
                QVERIFY(!label->isHidden());
                QCOMPARE(label->text(), QString("PI"));
                QCOMPARE(etat.Faits.Observations[0].size(), static_cast<std::size_t>(fois - 1));
            }
            fenetre.Timer1Timer();
            QVERIFY(Controle<QLabel>(fenetre, "LabelAjout4")->isHidden());
            QVERIFY(!Controle<QTimer>(fenetre, "Timer1")->isActive());
            QCOMPARE(etat.Faits.Observations[0].size(), static_cast<std::size_t>(fois));
        }
        const auto& donnees = etat.Faits.Observations[0];
        QVERIFY(Equivalence(donnees[0], donnees[1]));
        QCOMPARE(donnees[0].Certitude, DegreCertain);
        QCOMPARE(etat.Faits.NbFaits, 2);
        QVERIFY(etat.Faits.BaseFaitsModifiee);
        QCOMPARE(Controle<QLabel>(fenetre, "LabelObservation")->text(), QString("Data base: 2 data"));
        QCOMPARE(Lignes(Controle<QListWidget>(fenetre, "ListeObservation")),
                 QStringList({"PI = 3.14159", "PI = 3.14159"}));
        QVERIFY(Controle<QPushButton>(fenetre, "BoutonAjout")->isEnabled());
    }

    void cancelledRemovalChangesNothingEvenAfterTheAnimationTime() {
        TEtatVeridane etat = Etat({1, 2}, 1);
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        Controle<QListWidget>(fenetre, "ListeObservation")->setCurrentRow(1);
        fenetre.RemoveClick();
        QCOMPARE(Controle<QPushButton>(fenetre, "BoutonOK")->text(), QString("Remove data"));
        QCOMPARE(Controle<QLabel>(fenetre, "LabelCertitude")->text(), QString("Certainty degree: "));
        QCOMPARE(Controle<QLabel>(fenetre, "LabelPrecision")->text(), QString("Precision degree: "));
        QCOMPARE(Controle<QLineEdit>(fenetre, "LigneProposition")->text(), QString("TEMPERATURE > 38.5"));
        fenetre.OnCancelAddClick();
        for (int pas = 0; pas < 10; ++pas) fenetre.Timer1Timer();
        QCOMPARE(etat.Faits.Observations[1].size(), 2u);
        QCOMPARE(etat.Faits.NbFaits, 3);
        QVERIFY(!etat.Faits.BaseFaitsModifiee);
        QVERIFY(!Controle<QTimer>(fenetre, "Timer1")->isActive());
        QVERIFY(Controle<QPushButton>(fenetre, "BoutonOK")->isHidden());
        QVERIFY(Controle<QPushButton>(fenetre, "BoutonRetrait")->isEnabled());
    }

    void confirmedRemovalTakesTheDatumToTheTrashAtTheLastStep() {
        TEtatVeridane etat = Etat({2});
        etat.Faits.Observations[0][0] = NouvelleProposition("A", OpEgal, 1.0);
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        auto* corbeille = Controle<QLabel>(fenetre, "Corbeille");
        Controle<QListWidget>(fenetre, "ListeObservation")->setCurrentRow(0);
        fenetre.RemoveClick();
        fenetre.OKAddClick();
        QVERIFY(!corbeille->isHidden());
        for (int pas = 1; pas <= 4; ++pas) {
            fenetre.Timer1Timer();
            QCOMPARE(Controle<QLabel>(fenetre, qPrintable(QString("LabelRetrait%1").arg(pas)))->text(), QString("A"));
            QCOMPARE(etat.Faits.Observations[0].size(), 2u);
        }
        fenetre.Timer1Timer();
        QVERIFY(corbeille->isHidden());
        QCOMPARE(etat.Faits.Observations[0].size(), 1u);
        QCOMPARE(etat.Faits.Observations[0][0].Attribut, std::string("TEMPERATURE"));
        QCOMPARE(etat.Faits.NbFaits, 1);
        QCOMPARE(Controle<QLabel>(fenetre, "LabelObservation")->text(), QString("Data base: 1 data"));
    }

    void buttonsWithoutSelectionDoNothing() {
        TEtatVeridane etat = Etat({1});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        fenetre.AddClick();
        fenetre.RemoveClick();
        QVERIFY(!fenetre.InvitationOuverte());
        fenetre.OKAddClick();
        QVERIFY(!fenetre.Anime());
        QVERIFY(!etat.Faits.BaseFaitsModifiee);
        QVERIFY(journal.Messages.empty());
    }

    void drops_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QString>("legendeOK");
        QTest::newRow("dictionary line onto the data") << "ListeDico" << "ListeObservation" << true << "Add data";
        QTest::newRow("datum onto the trash can") << "ListeObservation" << "Corbeille" << true << "Remove data";
        QTest::newRow("dictionary line onto the trash can") << "ListeDico" << "Corbeille" << false << "";
        QTest::newRow("datum onto the data") << "ListeObservation" << "ListeObservation" << false << "";
        QTest::newRow("datum onto the dictionary") << "ListeObservation" << "ListeDico" << false << "";
        QTest::newRow("line of another window") << "ListeRegles" << "ListeObservation" << false << "";
    }
    void drops() {
        QFETCH(QString, source);
        QFETCH(QString, cible);
        QFETCH(bool, accepte);
        QFETCH(QString, legendeOK);
        TEtatVeridane etat = Etat({2});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        fenetre.ListeObservationPresse(0);  // the press that starts a datum's drag shows the trash can
        QWidget* widget = Controle<QWidget>(fenetre, qPrintable(cible));
        if (auto* liste = qobject_cast<QListWidget*>(widget)) widget = liste->viewport();
        QCOMPARE(Depose(widget, source, 0), accepte);
        QCOMPARE(fenetre.InvitationOuverte(), accepte);
        if (accepte) QCOMPARE(Controle<QPushButton>(fenetre, "BoutonOK")->text(), legendeOK);
        QCOMPARE(etat.Faits.Observations[0].size(), 2u);  // a drop only opens the prompt
    }

    void pressingALineShowsOrHidesTheTrashCan() {
        TEtatVeridane etat = Etat({2});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));
        auto* corbeille = Controle<QLabel>(fenetre, "Corbeille");
        auto* observation = Controle<QListWidget>(fenetre, "ListeObservation");
        auto* dico = Controle<QListWidget>(fenetre, "ListeDico");
        QVERIFY(corbeille->isHidden());
        QTest::mousePress(observation->viewport(), Qt::LeftButton, {},
                          observation->visualItemRect(observation->item(1)).center());
        QVERIFY(!corbeille->isHidden());
        QCOMPARE(observation->currentRow(), 1);
        QTest::mouseRelease(observation->viewport(), Qt::LeftButton, {},
                            observation->visualItemRect(observation->item(1)).center());
        QTest::mousePress(dico->viewport(), Qt::LeftButton, {}, dico->visualItemRect(dico->item(2)).center());
        QVERIFY(corbeille->isHidden());
        QCOMPARE(dico->currentRow(), 2);
        QTest::mouseRelease(dico->viewport(), Qt::LeftButton, {}, dico->visualItemRect(dico->item(2)).center());
    }

    void draggedDataNameTheirListAndLine() {
        std::unique_ptr<QMimeData> donnees(NouvelleLigneGlissee("ListeDico", 4));
        const auto ligne = LigneGlissee(donnees.get());
        QVERIFY(ligne.has_value());
        QCOMPARE(ligne->Source, QString("ListeDico"));
        QCOMPARE(ligne->Ligne, 4);
        QMimeData texte;
        texte.setText("ListeDico");
        QVERIFY(!LigneGlissee(&texte).has_value());
        QMimeData abime;
        abime.setData(MimeLigneGlissee, "ListeDico\nx");
        QVERIFY(!LigneGlissee(&abime).has_value());
        QVERIFY(!LigneGlissee(nullptr).has_value());
    }

    void droppedDatumIsTheOneConfirmed() {
        TEtatVeridane etat = Etat({0});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        QVERIFY(fenetre.ListeObservationDragDrop("ListeDico", 2));
        QVERIFY(Controle<QLabel>(fenetre, "Corbeille")->isHidden());
        fenetre.OKAddClick();
        while (fenetre.Anime()) fenetre.Timer1Timer();
        QCOMPARE(etat.Faits.Observations[0].size(), 1u);
        QCOMPARE(etat.Faits.Observations[0][0].Liste, (std::vector<TModalite>{{"FEVER"}, {"RASH"}}));
        QVERIFY(!fenetre.ListeObservationDragDrop("ListeDico", 7));
        QVERIFY(!fenetre.CorbeilleDragDrop("ListeObservation", 3));
    }

    void noDropIsTakenDuringAnAnimation() {
        TEtatVeridane etat = Etat({1});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        Controle<QListWidget>(fenetre, "ListeDico")->setCurrentRow(0);
        fenetre.AddClick();
        fenetre.OKAddClick();
        fenetre.Timer1Timer();
        QVERIFY(!fenetre.ListeObservationDragOver("ListeDico"));
        QVERIFY(!fenetre.CorbeilleDragDrop("ListeObservation", 0));
        QVERIFY(!Controle<QPushButton>(fenetre, "BoutonAjout")->isEnabled());
        while (fenetre.Anime()) fenetre.Timer1Timer();
        QCOMPARE(etat.Faits.Observations[0].size(), 2u);
        QVERIFY(Controle<QPushButton>(fenetre, "BoutonAjout")->isEnabled());
    }

    void closing_data() {
        QTest::addColumn<std::vector<int>>("tailles");
        QTest::addColumn<bool>("regles");
        QTest::addColumn<bool>("inference");
        QTest::addColumn<bool>("voirDonnees");
        QTest::newRow("empty data base with rules") << std::vector<int>{0, 0} << true << false << false;
        QTest::newRow("data and rules") << std::vector<int>{0, 1} << true << true << true;
        QTest::newRow("data without rules") << std::vector<int>{3} << false << false << true;
    }
    void closing() {
        QFETCH(std::vector<int>, tailles);
        QFETCH(bool, regles);
        QFETCH(bool, inference);
        QFETCH(bool, voirDonnees);
        TEtatVeridane etat = Etat(tailles);
        if (!regles) etat.Base.Regles.clear();
        etat.Commandes.ReglesLues();
        etat.Commandes.MenuInference = regles;
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        Controle<QAction>(fenetre, "Close1")->trigger();
        QCOMPARE(fenetre.result(), int(QDialog::Accepted));
        QCOMPARE(etat.Commandes.MenuInference, inference);
        QCOMPARE(etat.Commandes.VoirDonneesBase, voirDonnees);
        QCOMPARE(etat.Commandes.BoutonBaseFaits, voirDonnees);
    }

    void closingDuringTheAnimationKeepsTheConfirmedMove() {
        TEtatVeridane etat = Etat({0});
        etat.Commandes.MenuInference = false;
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        Controle<QListWidget>(fenetre, "ListeDico")->setCurrentRow(0);
        fenetre.AddClick();
        fenetre.OKAddClick();
        fenetre.Timer1Timer();
        fenetre.reject();  // Escape or the window's close box
        QCOMPARE(etat.Faits.Observations[0].size(), 1u);
        QCOMPARE(etat.Faits.NbFaits, 1);
        QVERIFY(etat.Commandes.MenuInference);
        QVERIFY(!Controle<QTimer>(fenetre, "Timer1")->isActive());
    }

    void escapeWithdrawsTheOpenPromptFirst() {
        TEtatVeridane etat = Etat({1});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        fenetre.show();
        Controle<QListWidget>(fenetre, "ListeDico")->setCurrentRow(0);
        fenetre.AddClick();
        QTest::keyClick(&fenetre, Qt::Key_Escape);
        QVERIFY(!fenetre.InvitationOuverte());
        QVERIFY(fenetre.isVisible());
        QTest::keyClick(&fenetre, Qt::Key_Escape);
        QVERIFY(!fenetre.isVisible());
    }

    void insertAndDeleteKeysAskForAMove() {
        TEtatVeridane etat = Etat({1});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        fenetre.show();
        auto* dico = Controle<QListWidget>(fenetre, "ListeDico");
        dico->setCurrentRow(2);
        QTest::keyClick(dico, Qt::Key_Insert);
        QCOMPARE(Controle<QPushButton>(fenetre, "BoutonOK")->text(), QString("Add data"));
        fenetre.OnCancelAddClick();
        auto* observation = Controle<QListWidget>(fenetre, "ListeObservation");
        observation->setCurrentRow(0);
        QTest::keyClick(observation, Qt::Key_Delete);
        QCOMPARE(Controle<QPushButton>(fenetre, "BoutonOK")->text(), QString("Remove data"));
        QTest::keyClick(observation, Qt::Key_Delete);  // the buttons are off while the prompt is open
        QCOMPARE(fenetre.Choix(), 0);
    }

    void reopeningForgetsTheOldPrompt() {
        TEtatVeridane etat = Etat({1});
        TDialoguesJournal journal;
        TGereFaits fenetre(etat, journal);
        fenetre.Initialise();
        Controle<QListWidget>(fenetre, "ListeObservation")->setCurrentRow(0);
        fenetre.RemoveClick();
        etat.Faits.Observations.push_back({});
        etat.Faits.NumObservation = 1;
        fenetre.Initialise();
        QVERIFY(!fenetre.InvitationOuverte());
        QVERIFY(Controle<QPushButton>(fenetre, "BoutonRetrait")->isEnabled());
        QCOMPARE(Controle<QLabel>(fenetre, "LabelObservation")->text(), QString("Data base of observation 2: 0 data"));
        QCOMPARE(Controle<QListWidget>(fenetre, "ListeObservation")->count(), 0);
    }

    void addedDataSurviveSaveAsAndReopening() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        TEtatVeridane etat = NouveauProjet();
        AjouteParLaFenetre(etat, {1, 2, 1});
        TDialoguesJournal journal;
        TFenetresMuettes fenetres;
        TProgressionMuette progression;
        const std::string chemin = dossier.filePath("demo.exp").toStdString();
        QVERIFY(TCycleProjet(etat, fenetres, journal, progression).EnregistreSous(chemin, false));

        const TObservation relue = Relit(chemin, journal);
        QCOMPARE(journal.Textes(), std::vector<std::string>{});
        QCOMPARE(relue.size(), 3u);
        for (std::size_t i = 0; i < relue.size(); ++i) QVERIFY(Equivalence(relue[i], etat.Faits.Observations[0][i]));
        QCOMPARE(relue[1].Liste, (std::vector<TModalite>{{"FEVER"}, {"RASH"}}));
        QCOMPARE(relue[0].Reel, 3.14159);
    }

    void dataAddedToABaseReadEmptyAreWrittenByTheNextSave() {
        QTemporaryDir dossier;
        QVERIFY(dossier.isValid());
        TDialoguesJournal journal;
        TFenetresMuettes fenetres;
        TProgressionMuette progression;
        const std::string chemin = dossier.filePath("empty.exp").toStdString();
        TEtatVeridane vide = NouveauProjet();
        QVERIFY(TCycleProjet(vide, fenetres, journal, progression).EnregistreSous(chemin, false));

        TEtatVeridane etat;
        TCycleProjet cycle(etat, fenetres, journal, progression);
        QVERIFY(cycle.OuvreProjet(chemin));
        QVERIFY(!etat.Faits.BaseFaitsOuverte);  // read with no data
        AjouteParLaFenetre(etat, {0});
        QVERIFY(etat.Faits.BaseFaitsModifiee);
        QVERIFY(cycle.Saveproject1Click());

        journal.Messages.clear();
        const TObservation relue = Relit(chemin, journal);
        QCOMPARE(journal.Textes(), std::vector<std::string>{});
        QCOMPARE(relue.size(), 1u);
        QCOMPARE(relue[0].Attribut, std::string("COUGH"));
        QCOMPARE(relue[0].Modalite, std::string("YES"));
    }
};

QTEST_MAIN(GereFaitsTest)
#include "Man_dat_test.moc"
