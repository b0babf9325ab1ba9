// The abstracts window: what it shows after an opening, and how an edit is
// taken over by "OK" only.
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/journal.h"
#include "support/outils.h"
#include "ui/Conversion.h"
#include "ui/Menu_ex.h"
#include "ui/Resume.h"

using namespace veridane;

namespace {

std::vector<TModalite> Lignes(std::initializer_list<const char*> textes) {
    std::vector<TModalite> lignes;
    for (const char* texte : textes) lignes.push_back({texte});
    return lignes;
}

struct TResume {
    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    TAbstracts Fenetre{Etat, Journal};
    QString Texte() { return Boite()->toPlainText(); }
    QPlainTextEdit* Boite() { return Fenetre.findChild<QPlainTextEdit*>("Commentaire"); }
    QString Nom(const char* nom) { return Fenetre.findChild<QLabel*>(nom)->text(); }
};

}  // namespace

class TestResume : public QObject {
    Q_OBJECT
private slots:
    void MontreProjet_data();
    void MontreProjet();
    void NomsDesFichiers();
    void OKPrendLeTexte_data();
    void OKPrendLeTexte();
    void FermetureParLeCadre();
    void LigneVideApresEnregistrementEtReouverture();
};

void TestResume::MontreProjet_data() {
    QTest::addColumn<bool>("avecListeProjet");
    QTest::addColumn<QString>("texte");
    QTest::newRow("the project's own commentary") << true << "Project line";
    QTest::newRow("rules comments standing in") << false << "Rules line 1\nRules line 2";
}

void TestResume::MontreProjet() {
    QFETCH(bool, avecListeProjet);
    QFETCH(QString, texte);
    TResume r;
    r.Etat.Base.CommentairesRegles = Lignes({"Rules line 1", "Rules line 2"});
    if (avecListeProjet) r.Etat.Projet.CommentairesProjet = Lignes({"Project line"});
    r.Fenetre.MontreProjet();
    QCOMPARE(r.Fenetre.windowTitle(), QString("Abstract of the project"));
    QCOMPARE(r.Texte(), texte);
    QVERIFY(r.Boite()->isReadOnly());
    QCOMPARE(r.Fenetre.property("contexteAide").toInt(), 1);
    // "OK" on a read-only abstract changes nothing.
    r.Fenetre.OKAbstractClick();
    QCOMPARE(r.Etat.Projet.CommentairesProjet.has_value(), avecListeProjet);
}

void TestResume::NomsDesFichiers() {
    TResume r;
    r.Fenetre.MontreProjet();
    QCOMPARE(r.Nom("NomProjet"), QString("noname.exp"));
    QCOMPARE(r.Nom("Repertoire"), QString("current directory"));
    QCOMPARE(r.Nom("FichierRegles"), QString("(none)"));
    QCOMPARE(r.Nom("FichierBase"), QString("(none)"));

    r.Etat.Projet.NomProjet = "FLU.EXP";
    r.Etat.Projet.RepertoireProjet = "/home/ann/work/";
    r.Etat.Projet.NomFichRul = "FLU.RUL";
    r.Etat.Projet.FichRulNomme = true;
    r.Etat.Projet.NomFichDat = "FLU.DTA";
    r.Etat.Projet.FichDatNomme = true;
    r.Fenetre.ChangeComment(false);
    QCOMPARE(r.Nom("NomProjet"), QString("FLU.EXP"));
    QCOMPARE(r.Nom("Repertoire"), QString("/home/ann/work/"));
    QCOMPARE(r.Nom("FichierRegles"), QString("FLU.RUL"));
    QCOMPARE(r.Nom("FichierBase"), QString("FLU.DTA"));
}

void TestResume::OKPrendLeTexte_data() {
    QTest::addColumn<bool>("base");
    QTest::addColumn<QString>("titre");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("project") << false << "Change commentary of the project" << "One\n\nThree"
                             << QStringList{"One", "", "Three"};
    QTest::newRow("data base") << true << "Change commentary of the data base" << "Cases of May"
                               << QStringList{"Cases of May"};
    QTest::newRow("emptied") << false << "Change commentary of the project" << "" << QStringList{};
    QTest::newRow("accented") << true << "Change commentary of the data base" << QString::fromUtf8("Fièvre > 38°")
                              << QStringList{QString::fromUtf8("Fièvre > 38°")};
}

void TestResume::OKPrendLeTexte() {
    QFETCH(bool, base);
    QFETCH(QString, titre);
    QFETCH(QString, tape);
    QFETCH(QStringList, lignes);
    TResume r;
    r.Etat.Projet.CommentairesProjet = Lignes({"Old project"});
    r.Etat.Faits.CommentairesBase = Lignes({"Old base"});
    r.Fenetre.ChangeComment(base);
    QCOMPARE(r.Fenetre.windowTitle(), titre);
    QCOMPARE(r.Texte(), QString(base ? "Old base" : "Old project"));
    QVERIFY(!r.Boite()->isReadOnly());
    QVERIFY(r.Fenetre.EditionEnAttente());
    r.Boite()->setPlainText(tape);
    r.Fenetre.OKAbstractClick();
    QVERIFY(!r.Fenetre.EditionEnAttente());
    const std::vector<TModalite>& cible = base ? r.Etat.Faits.CommentairesBase : *r.Etat.Projet.CommentairesProjet;
    QStringList vues;
    for (const TModalite& ligne : cible) vues.append(Texte(ligne.Nom));
    QCOMPARE(vues, lignes);
    // The other commentary is left alone.
    const std::vector<TModalite>& autre = base ? *r.Etat.Projet.CommentairesProjet : r.Etat.Faits.CommentairesBase;
    QCOMPARE(autre.size(), std::size_t{1});
}

void TestResume::FermetureParLeCadre() {
    TResume r;
    r.Etat.Projet.CommentairesProjet = Lignes({"Kept"});
    r.Fenetre.ChangeComment(false);
    r.Boite()->setPlainText("Typed, then the window closed by its frame");
    r.Fenetre.show();
    r.Fenetre.close();
    QCOMPARE(*r.Etat.Projet.CommentairesProjet, Lignes({"Kept"}));
    // A later read-only showing then "OK" does not take the old edit over.
    r.Fenetre.MontreProjet();
    r.Fenetre.OKAbstractClick();
    QCOMPARE(*r.Etat.Projet.CommentairesProjet, Lignes({"Kept"}));
}

void TestResume::LigneVideApresEnregistrementEtReouverture() {
    TProjetDemo demo;
    TDialoguesJournal journal;
    TPilote pilote;
    TMenuExpert menu(journal);
    pilote.Branche(menu);
    journal.Fichiers = {demo.Projet(), demo.Chemin("copy.exp")};
    Action(menu, "Openproject1")->trigger();
    const QString texte = "First line\n\nThird line";
    pilote.Actions = {TPilote::OK(&texte)};
    Action(menu, "Saveprojectas1")->trigger();

    QString relu;
    pilote.Actions = {[&](QDialog& fenetre) {
        relu = fenetre.findChild<QPlainTextEdit*>("Commentaire")->toPlainText();
        fenetre.reject();
        return 0;
    }};
    menu.OuvreProjet(demo.Chemin("copy.exp"));
    QCOMPARE(pilote.Titres.last(), QString("Abstract of the project"));
    QCOMPARE(relu, texte);
}

QTEST_MAIN(TestResume)
#include "resume_test.moc"
