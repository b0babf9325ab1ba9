// The abstracts window: what it shows after an opening, and how an edit is
// taken over by "OK" only. Saving a commentary and reading it back is walked
// in parcours_test.
#include <QLabel>
#include <QPlainTextEdit>
#include <QtTest>

#include "core/journal.h"
#include "support/parcours.h"
#include "ui/Conversion.h"
#include "ui/Resume.h"

using namespace veridane;
using namespace veridane::geste;

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
    TParcours Parcours;
    QString Texte() { return Boite()->toPlainText(); }
    QPlainTextEdit* Boite() { return Fenetre.findChild<QPlainTextEdit*>("Commentaire"); }
    QString Nom(const char* nom) { return Fenetre.findChild<QLabel*>(nom)->text(); }
    // Opens the window by `ouverture`, `geste` acting in it.
    bool Ouvre(const std::function<void()>& ouverture, TParcours::TGeste geste) {
        Parcours.Puis("Abstracts", std::move(geste));
        bool reussi = Parcours.Execute(ouverture);
        if (!reussi) qWarning("%s", qPrintable(Parcours.Erreur()));
        return reussi;
    }
    bool MontreProjet(TParcours::TGeste geste) { return Ouvre([this] { Fenetre.MontreProjet(); }, std::move(geste)); }
    bool ChangeComment(bool base, TParcours::TGeste geste) {
        return Ouvre([this, base] { Fenetre.ChangeComment(base); }, std::move(geste));
    }
};

// Replaces the whole text of the commentary by typing.
TParcours::TGeste Remplace(const QString& texte) {
    return [texte](QWidget& fenetre) {
        auto* boite = fenetre.findChild<QPlainTextEdit*>("Commentaire");
        QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(boite, Qt::Key_Delete);
        TapeTexte(boite, texte);
    };
}

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
    QString vu;
    bool lectureSeule = false;
    QVERIFY(r.MontreProjet([&](QWidget&) {
        vu = r.Texte();
        lectureSeule = r.Boite()->isReadOnly();
        // Typing changes nothing; Enter is "OK", which takes nothing over.
        TapeTexte(r.Boite(), "typed");
        QTest::keyClick(r.Boite(), Qt::Key_Return);
    }));
    QCOMPARE(r.Fenetre.windowTitle(), QString("Abstract of the project"));
    QCOMPARE(vu, texte);
    QVERIFY(lectureSeule);
    QCOMPARE(r.Fenetre.property("contexteAide").toInt(), 1);
    QCOMPARE(r.Etat.Projet.CommentairesProjet.has_value(), avecListeProjet);
}

void TestResume::NomsDesFichiers() {
    TResume r;
    QStringList vus;
    auto lit = [&](QWidget& fenetre) {
        for (const char* nom : {"NomProjet", "Repertoire", "FichierRegles", "FichierBase"}) vus << r.Nom(nom);
        Clique("OK")(fenetre);
    };
    QVERIFY(r.MontreProjet(lit));
    r.Etat.Projet.NomProjet = "FLU.EXP";
    r.Etat.Projet.RepertoireProjet = "/home/ann/work/";
    r.Etat.Projet.NomFichRul = "FLU.RUL";
    r.Etat.Projet.FichRulNomme = true;
    r.Etat.Projet.NomFichDat = "FLU.DTA";
    r.Etat.Projet.FichDatNomme = true;
    QVERIFY(r.ChangeComment(false, lit));
    QCOMPARE(vus, (QStringList{"noname.exp", "current directory", "(none)", "(none)", "FLU.EXP", "/home/ann/work/",
                               "FLU.RUL", "FLU.DTA"}));
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
    QString avant;
    bool lectureSeule = true;
    QVERIFY(r.ChangeComment(base, [&](QWidget& fenetre) {
        avant = r.Texte();
        lectureSeule = r.Boite()->isReadOnly();
        Remplace(tape)(fenetre);
        Clique("OK")(fenetre);
    }));
    QCOMPARE(r.Fenetre.windowTitle(), titre);
    QCOMPARE(avant, QString(base ? "Old base" : "Old project"));
    QVERIFY(!lectureSeule);
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
    QVERIFY(r.ChangeComment(false, [&](QWidget& fenetre) {
        Remplace("Typed, then the window closed by its frame")(fenetre);
        fenetre.close();
    }));
    QCOMPARE(*r.Etat.Projet.CommentairesProjet, Lignes({"Kept"}));
    // A later read-only showing then "OK" does not take the old edit over.
    QVERIFY(r.MontreProjet(Clique("OK")));
    QCOMPARE(*r.Etat.Projet.CommentairesProjet, Lignes({"Kept"}));
}

QTEST_MAIN(TestResume)
#include "resume_test.moc"
