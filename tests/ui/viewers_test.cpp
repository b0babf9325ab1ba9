// The dictionary viewer, the data base viewer and the global dictionary view
// driven through their menu commands and scroll bar. Their texts are built
// and tested with the data base views.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "controles.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "ui/V_dic_g.h"
#include "ui/View_dat.h"
#include "ui/View_dic.h"

using namespace veridane;
using namespace veridane::test;

namespace {

TProposition Entree(TProposition p) {
    p.Certitude = DegreNul;
    p.Precision = DegreNul;
    return p;
}

std::vector<TProposition> Dictionnaire() {
    return {Entree(NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "GREEN", "BLUE"})),
            Entree(NouvelleProposition("COUGH", OpEgal, std::string("YES"))),
            Entree(NouvelleProposition("PI", OpSuperieurEgal, 3.14159))};
}

// What a one-at-a-time viewer shows: position label, attribute, operator,
// values.
QStringList Vue(QWidget& fenetre) {
    return QStringList{Controle<QLabel>(fenetre, "LabelPosition")->text(),
                       Controle<QLineEdit>(fenetre, "ChampAttribut")->text(),
                       Controle<QLineEdit>(fenetre, "ChampOperateur")->text()} +
           Lignes(Controle<QListWidget>(fenetre, "ListeValeurs"));
}

void Commande(QWidget& fenetre, const QString& nom) {
    if (nom.startsWith("scroll:")) {
        auto* barre = Controle<QScrollBar>(fenetre, "ScrollBar1");
        while (barre->value() < nom.mid(7).toInt()) AvanceBarre(barre);
        return;
    }
    Controle<QAction>(fenetre, qPrintable(nom))->trigger();
}

}  // namespace

class ViewersTest : public QObject {
    Q_OBJECT

private slots:
    void dictionaryViewerShowsFourDigits() {
        TEtatVeridane etat;
        etat.Base.Dictionnaire = Dictionnaire();
        etat.Base.NbFaitsDico = 3;
        TDialoguesJournal journal;
        TViewDic fenetre(etat, journal);
        fenetre.Initialise();
        QCOMPARE(fenetre.windowTitle(), QString("Dictionary Viewer: 3 data"));
        QCOMPARE(fenetre.property("contexteAide").toInt(), 20);
        QCOMPARE(Vue(fenetre), QStringList({"Data 1:", "COLOUR", "in", "RED", "GREEN", "BLUE"}));
        Commande(fenetre, "Last1");
        QCOMPARE(Vue(fenetre), QStringList({"Data 3:", "PI", ">=", "3.142"}));
        etat.Base.SeparateurDecimal = ',';
        fenetre.Initialise();
        Commande(fenetre, "Last1");
        QCOMPARE(Vue(fenetre).last(), QString("3,142"));
    }

    void navigation_data() {
        QTest::addColumn<QStringList>("commandes");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("attribut");
        QTest::newRow("opening") << QStringList{} << 1 << "COLOUR";
        QTest::newRow("next") << QStringList{"Next1"} << 2 << "COUGH";
        QTest::newRow("next stops at the last") << QStringList{"Next1", "Next1", "Next1", "Next1"} << 3 << "PI";
        QTest::newRow("previous stops at the first") << QStringList{"Previous1"} << 1 << "COLOUR";
        QTest::newRow("last then previous") << QStringList{"Last1", "Previous1"} << 2 << "COUGH";
        QTest::newRow("last then first") << QStringList{"Last1", "First1"} << 1 << "COLOUR";
        QTest::newRow("scroll bar") << QStringList{"scroll:3"} << 3 << "PI";
        QTest::newRow("scroll bar then previous") << QStringList{"scroll:3", "Previous1"} << 2 << "COUGH";
    }
    void navigation() {
        QFETCH(QStringList, commandes);
        QFETCH(int, position);
        QFETCH(QString, attribut);
        TEtatVeridane etat;
        etat.Base.Dictionnaire = Dictionnaire();
        TDialoguesJournal journal;
        TViewDic fenetre(etat, journal);
        fenetre.Initialise();
        for (const auto& commande : commandes) Commande(fenetre, commande);
        QCOMPARE(fenetre.Position(), position);
        QCOMPARE(Controle<QScrollBar>(fenetre, "ScrollBar1")->value(), position);
        QCOMPARE(Controle<QLineEdit>(fenetre, "ChampAttribut")->text(), attribut);
        QCOMPARE(Controle<QLabel>(fenetre, "LabelPosition")->text(), QString("Data %1:").arg(position));
    }

    void emptyDictionaryShowsNothing() {
        TEtatVeridane etat;
        etat.Base.Dictionnaire = Dictionnaire();
        TDialoguesJournal journal;
        TViewDic fenetre(etat, journal);
        fenetre.Initialise();
        Commande(fenetre, "Last1");
        etat.Base.Dictionnaire.clear();
        etat.Base.NbFaitsDico = 0;
        fenetre.Initialise();  // opened again on an emptied dictionary
        QCOMPARE(fenetre.windowTitle(), QString("Dictionary Viewer: no data (dictionary is empty)"));
        QCOMPARE(Vue(fenetre), QStringList({"", "", ""}));
        QCOMPARE(Controle<QScrollBar>(fenetre, "ScrollBar1")->maximum(), 1);
        Commande(fenetre, "Next1");
        QCOMPARE(fenetre.Position(), 1);
    }

    void dataBaseViewerShowsSevenDigits() {
        TEtatVeridane etat;
        etat.Faits.Observations = {Dictionnaire()};
        TDialoguesJournal journal;
        TViewDat fenetre(etat, journal);
        fenetre.Initialise();
        QCOMPARE(fenetre.property("contexteAide").toInt(), 18);
        Commande(fenetre, "Last1");
        QCOMPARE(Vue(fenetre), QStringList({"Data 3:", "PI", ">=", "3.14159"}));
        Commande(fenetre, "First1");
        QCOMPARE(Controle<QListWidget>(fenetre, "ListeValeurs")->count(), 3);
    }

    void emptyObservationContainsNoData() {
        TEtatVeridane etat;
        etat.Faits.Observations = {Dictionnaire(), {}};
        etat.Faits.NumObservation = 1;
        TDialoguesJournal journal;
        TViewDat fenetre(etat, journal);
        fenetre.Initialise();
        QCOMPARE(fenetre.windowTitle(), QString("Data base Viewer of observation 2: no data"));
        QCOMPARE(Controle<QLineEdit>(fenetre, "ChampAttribut")->text(), QString("Observation 2 contains no data"));
        QVERIFY(Controle<QScrollBar>(fenetre, "ScrollBar1")->isHidden());
        QVERIFY(Controle<QLabel>(fenetre, "LabelPosition")->isHidden());
        Commande(fenetre, "First1");
        QCOMPARE(fenetre.windowTitle(), QString("Observation 2 is empty"));
        QCOMPARE(Vue(fenetre), QStringList({"", "", ""}));

        etat.Faits.NumObservation = 0;  // the main window selected the first one
        fenetre.Initialise();
        QVERIFY(!Controle<QScrollBar>(fenetre, "ScrollBar1")->isHidden());
        QVERIFY(!Controle<QLabel>(fenetre, "LabelPosition")->isHidden());
        QCOMPARE(Vue(fenetre).first(), QString("Data 1:"));
    }

    void globalView() {
        TEtatVeridane etat;
        etat.Base.Dictionnaire = Dictionnaire();
        TDialoguesJournal journal;
        TViewDicGlob fenetre(etat, journal);
        QCOMPARE(Controle<QLabel>(fenetre, "LabelNombre")->text(), QString("0 data"));
        QCOMPARE(Controle<QLabel>(fenetre, "LabelDans")->text(), QString("in dictionary"));
        QCOMPARE(fenetre.windowTitle(), QString("Global view of the Data Dictionary"));
        QCOMPARE(fenetre.property("contexteAide").toInt(), 39);
        fenetre.Initialise();
        QCOMPARE(Controle<QLabel>(fenetre, "LabelNombre")->text(), QString("3 data"));
        QCOMPARE(Lignes(Controle<QAbstractItemView>(fenetre, "ListeDico")),
                 QStringList({"COLOUR in { RED, GREEN, BLUE }", "COUGH = YES", "PI >= 3.14159"}));
        etat.Base.Dictionnaire.pop_back();
        fenetre.Initialise();
        QCOMPARE(Lignes(Controle<QAbstractItemView>(fenetre, "ListeDico")).size(), 2);
        Controle<QAction>(fenetre, "Close1")->trigger();
        QCOMPARE(fenetre.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(ViewersTest)
#include "viewers_test.moc"
