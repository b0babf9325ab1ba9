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
    void FermetureParLeCadre();
};

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
