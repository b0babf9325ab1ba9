// The abstracts window: an edit is taken over by "OK" only. Saving a commentary and reading it back is walked
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
    void OKPrendLeTexte_data();
    void OKPrendLeTexte();
    void FermetureParLeCadre();
};

void TestResume::OKPrendLeTexte_data() {
    QTest::addColumn<bool>("base");
    QTest::addColumn<QString>("tape");
    QTest::addColumn<QStringList>("lignes");
    QTest::newRow("project") << false << "One\n\nThree"
                             << QStringList{"One", "", "Three"};
    QTest::newRow("data base") << true << "Cases of May"
                               << QStringList{"Cases of May"};
}

void TestResume::OKPrendLeTexte() {
    QFETCH(bool, base);
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
