// The abstracts window: an edit is taken over by "OK" only. Saving a
// commentary and reading it back is walked in parcours_test.
#include <QPlainTextEdit>
#include <QtTest>

#include "core/journal.h"
#include "support/parcours.h"
#include "ui/Resume.h"

using namespace veridane;
using namespace veridane::geste;

class TestResume : public QObject {
    Q_OBJECT
private slots:
    void FermetureParLeCadre();
};

void TestResume::FermetureParLeCadre() {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TAbstracts fenetre(etat, journal);
    const std::vector<TModalite> garde{{"Kept"}};
    etat.Projet.CommentairesProjet = garde;
    TParcours edition;
    edition.Puis("Abstracts", [](QWidget& resume) {
        auto* boite = resume.findChild<QPlainTextEdit*>("Commentaire");
        QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
        TapeTexte(boite, "Typed, then the window closed by its frame");
        resume.close();
    });
    QVERIFY2(edition.Execute([&] { fenetre.ChangeComment(false); }), qPrintable(edition.Erreur()));
    QCOMPARE(*etat.Projet.CommentairesProjet, garde);
    // A later read-only showing then "OK" does not take the old edit over.
    TParcours lecture;
    lecture.Puis("Abstracts", Clique("OK"));
    QVERIFY2(lecture.Execute([&] { fenetre.MontreProjet(); }), qPrintable(lecture.Erreur()));
    QCOMPARE(*etat.Projet.CommentairesProjet, garde);
}

QTEST_MAIN(TestResume)
#include "resume_test.moc"
