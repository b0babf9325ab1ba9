// The dictionary viewer, the data base viewer and the global dictionary view
// driven through their menu commands and scroll bar. Their texts are built
// and tested with the data base views.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QtTest>

#include "support/outils.h"
#include "support/parcours.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "ui/V_dic_g.h"
#include "ui/View_dat.h"
#include "ui/View_dic.h"

using namespace veridane;

namespace {

std::vector<TProposition> Dictionnaire() {
    return EntreesDico({NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "GREEN", "BLUE"}),
                        NouvelleProposition("COUGH", OpEgal, std::string("YES")),
                        NouvelleProposition("PI", OpSuperieurEgal, 3.14159)});
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

    void navigation_data() {
        QTest::addColumn<QStringList>("commandes");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("attribut");
        QTest::newRow("next") << QStringList{"Next1"} << 2 << "COUGH";
        QTest::newRow("previous stops at the first") << QStringList{"Previous1"} << 1 << "COLOUR";
        QTest::newRow("last then first") << QStringList{"Last1", "First1"} << 1 << "COLOUR";
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

    void globalView() {
        TEtatVeridane etat;
        etat.Base.Dictionnaire = Dictionnaire();
        TDialoguesJournal journal;
        TViewDicGlob fenetre(etat, journal);
        QCOMPARE(Controle<QLabel>(fenetre, "LabelNombre")->text(), QString("0 data"));
        fenetre.Initialise();
        QCOMPARE(Controle<QLabel>(fenetre, "LabelNombre")->text(), QString("3 data"));
        QCOMPARE(Lignes(Controle<QAbstractItemView>(fenetre, "ListeDico")).size(), 3);
        etat.Base.Dictionnaire.pop_back();
        fenetre.Initialise();
        QCOMPARE(Lignes(Controle<QAbstractItemView>(fenetre, "ListeDico")).size(), 2);
        Controle<QAction>(fenetre, "Close1")->trigger();
        QCOMPARE(fenetre.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(ViewersTest)
#include "viewers_test.moc"
