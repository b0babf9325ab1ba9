// The observation data manager as a person uses it: buttons, double clicks,
// keys, drags onto the data and the trash can, the prompt's two buttons,
// and the animation on its real timer. Its texts and the command state it
// leaves are tested with the data base management.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "support/outils.h"
#include "support/parcours.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Animation.h"
#include "ui/GlisserDeposer.h"
#include "ui/Man_dat.h"

using namespace veridane;

namespace {

// A three-entry dictionary, one rule and observations of `tailles` data.
TEtatVeridane Etat(std::vector<int> tailles, int num = 0) {
    TEtatVeridane etat;
    etat.Base.DicoCree = true;
    etat.Base.Dictionnaire = EntreesDico({NouvelleProposition("COUGH", OpEgal, std::string("YES")),
                                          NouvelleProposition("PI", OpEgal, 3.14159),
                                          NouvelleProposition("SYMPTOMS", OpDans, std::vector<std::string>{"FEVER", "RASH"})});
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

// A drag of line `ligne` of list `source` entering `cible` and dropped there,
// as the platform sends them; true when the drop was taken.
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

}  // namespace

class GereFaitsTest : public QObject {
    Q_OBJECT

    TEtatVeridane EtatCourant;
    TDialoguesJournal Journal;
    std::unique_ptr<TGereFaits> Fenetre;

    void Ouvre(TEtatVeridane etat) {
        EtatCourant = std::move(etat);
        Fenetre = std::make_unique<TGereFaits>(EtatCourant, Journal);
        Fenetre->Initialise();
        Fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(Fenetre.get()));
    }
    template <class T>
    T* C(const char* nom) { return Controle<T>(*Fenetre, nom); }
    void Clique(const char* bouton) { QTest::mouseClick(C<QPushButton>(bouton), Qt::LeftButton); }
    const TObservation& Donnees() { return EtatCourant.Faits.Observations[0]; }

private slots:
    void initTestCase() { DiviseurAnimation = 10; }

    // "Add ->" opens the prompt; its OK starts the move, which changes the
    // observation at its last step (what the datum holds is the data base
    // management's).
    void AddButtonThenOK() {
        Ouvre(Etat({0}));
        CliqueLigne(C<QListView>("ListeDico"), 1);
        Clique("BoutonAjout");
        QCOMPARE(C<QPushButton>("BoutonOK")->text(), QString("Add data"));
        QCOMPARE(C<QLineEdit>("LigneProposition")->text(), QString("PI = 3.14159"));
        QVERIFY(!C<QPushButton>("BoutonAjout")->isEnabled());
        Clique("BoutonOK");
        QVERIFY(C<QPushButton>("BoutonOK")->isHidden());
        QVERIFY(Attend([this] { return !C<QLabel>("LabelAjout3")->isHidden(); }));
        QCOMPARE(C<QLabel>("LabelAjout3")->text(), QString("PI"));
        QVERIFY(Donnees().empty());
        QTRY_VERIFY(!Fenetre->Anime());
        QCOMPARE(Lignes(C<QListView>("ListeObservation")), QStringList({"PI = 3.14159"}));
        QCOMPARE(C<QLabel>("LabelObservation")->text(), QString("Data base: 1 data"));
        QVERIFY(C<QPushButton>("BoutonAjout")->isEnabled());
    }

    // A double click on a datum asks for its removal; Cancel changes
    // nothing, OK takes it to the trash can.
    void RemovalCancelledThenConfirmed() {
        Ouvre(Etat({2}));
        EtatCourant.Faits.Observations[0][0] = NouvelleProposition("A", OpEgal, 1.0);
        Fenetre->Initialise();
        auto* observation = C<QListView>("ListeObservation");
        DoubleCliqueLigne(observation, 0);
        QCOMPARE(C<QPushButton>("BoutonOK")->text(), QString("Remove data"));
        QCOMPARE(C<QLabel>("LabelCertitude")->text(), QString("Certainty degree: "));
        Clique("BoutonAnnuler");
        QVERIFY(!Fenetre->InvitationOuverte());
        QTest::qWait(30);
        QCOMPARE(Donnees().size(), 2u);
        QVERIFY(!EtatCourant.Faits.BaseFaitsModifiee);

        CliqueLigne(observation, 0);
        Clique("BoutonRetrait");
        Clique("BoutonOK");
        QVERIFY(!C<QLabel>("Corbeille")->isHidden());
        QVERIFY(Attend([this] { return !C<QLabel>("LabelRetrait2")->isHidden(); }));
        QCOMPARE(C<QLabel>("LabelRetrait2")->text(), QString("A"));
        QTRY_VERIFY(!Fenetre->Anime());
        QVERIFY(C<QLabel>("Corbeille")->isHidden());
        QCOMPARE(Donnees().size(), 1u);
        QCOMPARE(Donnees()[0].Attribut, std::string("TEMPERATURE"));
        QCOMPARE(C<QLabel>("LabelObservation")->text(), QString("Data base: 1 data"));
    }

    // Insert and Delete ask like the buttons; Escape withdraws the prompt,
    // then closes the window.
    void Keys() {
        Ouvre(Etat({1}));
        auto* dico = C<QListView>("ListeDico");
        CliqueLigne(dico, 2);
        QTest::keyClick(dico, Qt::Key_Insert);
        QCOMPARE(C<QPushButton>("BoutonOK")->text(), QString("Add data"));
        QCOMPARE(C<QLineEdit>("LigneProposition")->text(), QString("SYMPTOMS in { FEVER, RASH }"));
        QTest::keyClick(Fenetre.get(), Qt::Key_Escape);
        QVERIFY(!Fenetre->InvitationOuverte());
        QVERIFY(Fenetre->isVisible());
        auto* observation = C<QListView>("ListeObservation");
        CliqueLigne(observation, 0);
        QTest::keyClick(observation, Qt::Key_Delete);
        QCOMPARE(C<QPushButton>("BoutonOK")->text(), QString("Remove data"));
        QTest::keyClick(Fenetre.get(), Qt::Key_Escape);
        QTest::keyClick(Fenetre.get(), Qt::Key_Escape);
        QVERIFY(!Fenetre->isVisible());
        QCOMPARE(Donnees().size(), 1u);
    }

    void Drops_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("legendeOK");  // empty: refused
        QTest::newRow("dictionary line onto the data") << "ListeDico" << "ListeObservation" << "Add data";
        QTest::newRow("datum onto the trash can") << "ListeObservation" << "Corbeille" << "Remove data";
        QTest::newRow("dictionary line onto the trash can") << "ListeDico" << "Corbeille" << "";
        QTest::newRow("line of another window") << "ListeRegles" << "ListeObservation" << "";
    }
    void Drops() {
        QFETCH(QString, source);
        QFETCH(QString, cible);
        QFETCH(QString, legendeOK);
        Ouvre(Etat({2}));
        CliqueLigne(C<QListView>("ListeObservation"), 0);  // the trash can shows
        QWidget* widget = C<QWidget>(qPrintable(cible));
        if (auto* liste = qobject_cast<QAbstractItemView*>(widget)) widget = liste->viewport();
        QCOMPARE(Depose(widget, source, 0), !legendeOK.isEmpty());
        QCOMPARE(Fenetre->InvitationOuverte(), !legendeOK.isEmpty());
        if (!legendeOK.isEmpty()) QCOMPARE(C<QPushButton>("BoutonOK")->text(), legendeOK);
        QCOMPARE(Donnees().size(), 2u);  // a drop only opens the prompt
    }

    // The entry dropped is the one added; nothing is taken during a move,
    // and closing during one finishes it.
    void DropDuringAndCloseAfterAMove() {
        Ouvre(Etat({0}));
        EtatCourant.Commandes.MenuInference = false;
        auto* observation = C<QListView>("ListeObservation");
        QVERIFY(Depose(observation->viewport(), "ListeDico", 2));
        Clique("BoutonOK");
        QVERIFY(Fenetre->Anime());
        QVERIFY(!Depose(observation->viewport(), "ListeDico", 0));
        QVERIFY(!C<QPushButton>("BoutonAjout")->isEnabled());
        C<QAction>("Close1")->trigger();
        QVERIFY(!Fenetre->isVisible());
        QVERIFY(!Fenetre->Anime());
        QCOMPARE(Donnees().size(), 1u);
        QCOMPARE(Donnees()[0].Liste, (std::vector<TModalite>{{"FEVER"}, {"RASH"}}));
        QVERIFY(EtatCourant.Commandes.MenuInference);
    }

    void DraggedLinesNameTheirListAndLine() {
        std::unique_ptr<QMimeData> donnees(NouvelleLigneGlissee("ListeDico", 4));
        const auto ligne = LigneGlissee(donnees.get());
        QVERIFY(ligne.has_value());
        QCOMPARE(ligne->Source, QString("ListeDico"));
        QCOMPARE(ligne->Ligne, 4);
        QMimeData abime;
        abime.setData(MimeLigneGlissee, "ListeDico\nx");
        QVERIFY(!LigneGlissee(&abime).has_value());
        QVERIFY(!LigneGlissee(nullptr).has_value());
    }
};

QTEST_MAIN(GereFaitsTest)
#include "Man_dat_test.moc"
