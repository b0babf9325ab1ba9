// The reasoning tree's printing: "&Print" with each answer and outcome,
// page breaks, and a long reasoning printed to PDF. The printed lines are
// the inference texts' own.
#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

#include "inference_windows_fixture.h"
#include "ui/Impression.h"
#include "support/outils.h"
#include "support/parcours.h"
#include "ui/Tree_rea.h"

using namespace veridane;

// "&Print" of the window's menu, as a person chooses it.
static void Imprime(TTree& arbre) { arbre.findChild<QAction*>("Print1")->trigger(); }
using namespace veridane::essai;

namespace {

// What a print job receives: each line's page and height.
struct TRecu {
    bool PeutCommencer = true;
    bool ReussitFin = true;
    int Page = 1;
    QList<QList<int>> Lignes;
};

class TImprimanteEnregistreuse : public IImprimante {
public:
    TImprimanteEnregistreuse(TRecu& recu, int hauteurPage = 6000) : recu_(recu), hauteurPage_(hauteurPage) {}
    bool Commence() override { return recu_.PeutCommencer; }
    void Ecrit(int, int y, const std::string&) override { recu_.Lignes.append({recu_.Page, y}); }
    void NouvellePage() override { ++recu_.Page; }
    int HauteurPage() const override { return hauteurPage_; }
    int HauteurLigne() const override { return 80; }
    bool Termine() override { return recu_.ReussitFin; }
    std::string Destination() const override { return {}; }

private:
    TRecu& recu_;
    int hauteurPage_;
};

}  // namespace

class TreeTest : public QObject {
    Q_OBJECT
private slots:
    void impressionEchouee_data();
    void impressionEchouee();
    void sautsDePage_data();
    void sautsDePage();
    void pdfSurPlusieursPages();
};

// "&Print" asks first, then reports how the job went (a job that succeeds
// is walked in parcours_test).
void TreeTest::impressionEchouee_data() {
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("commence");
    QTest::addColumn<bool>("termine");
    QTest::addColumn<int>("lignes");
    QTest::addColumn<QString>("compteRendu");
    QTest::newRow("declined") << int(TReponse::Non) << true << true << 0 << "";
    QTest::newRow("job refused") << int(TReponse::Oui) << false << true << 0 << "The reasoning could not be printed";
    QTest::newRow("job failed at the end") << int(TReponse::Oui) << true << false << 9
                                           << "The reasoning could not be printed";
}

void TreeTest::impressionEchouee() {
    QFETCH(int, reponse);
    QFETCH(bool, commence);
    QFETCH(bool, termine);
    QFETCH(int, lignes);
    QFETCH(QString, compteRendu);
    TBanc banc;
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    TRecu recu;
    recu.PeutCommencer = commence;
    recu.ReussitFin = termine;
    arbre.FixeImprimante([&recu] { return std::make_unique<TImprimanteEnregistreuse>(recu); });
    banc.journal.Reponses = {TReponse(reponse)};
    Imprime(arbre);
    QCOMPARE(int(recu.Lignes.size()), lignes);
    std::vector<std::string> attendu{"Do you want to print the reasoning?"};
    if (!compteRendu.isEmpty()) attendu.push_back(compteRendu.toStdString());
    QCOMPARE(banc.journal.Textes(), attendu);
}

void TreeTest::sautsDePage_data() {
    QTest::addColumn<int>("hauteurPage");
    QTest::addColumn<QList<QList<int>>>("attendu");  // page, y of each line
    // The layout's y: 1, 100, 200, 300, 400, 600, 700, 900, 1000.
    QTest::newRow("last line just fits") << 1080
                                         << QList<QList<int>>{{1, 1},   {1, 100}, {1, 200}, {1, 300}, {1, 400},
                                                              {1, 600}, {1, 700}, {1, 900}, {1, 1000}};
    QTest::newRow("last line moves") << 1079
                                     << QList<QList<int>>{{1, 1},   {1, 100}, {1, 200}, {1, 300}, {1, 400},
                                                          {1, 600}, {1, 700}, {1, 900}, {2, 1}};
    QTest::newRow("three pages") << 450
                                 << QList<QList<int>>{{1, 1}, {1, 100}, {1, 200}, {1, 300}, {2, 1},
                                                      {2, 201}, {2, 301}, {3, 1}, {3, 101}};
}

void TreeTest::sautsDePage() {
    QFETCH(int, hauteurPage);
    QFETCH(QList<QList<int>>, attendu);
    TBanc banc;
    banc.Infere(0);
    TRecu recu;
    TImprimanteEnregistreuse imprimante(recu, hauteurPage);
    ImprimeLignes(imprimante, LignesImpression("FLU.EXP", 0, banc.moteur.Raisonnement(), banc.etat.Base.Regles, '.'));
    QCOMPARE(recu.Lignes, attendu);
}

void TreeTest::pdfSurPlusieursPages() {
    // A long reasoning goes on over several pages instead of off the sheet.
    TBanc banc;
    ProjetChaine(banc.etat, 60);
    banc.Infere(0);
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("chain.pdf");
    TImprimanteQt imprimante(chemin);
    QVERIFY(imprimante.Commence());
    QVERIFY(imprimante.HauteurLigne() > 0 && imprimante.HauteurLigne() <= 100);
    ImprimeLignes(imprimante, LignesImpression("CHAIN.EXP", 0, banc.moteur.Raisonnement(), banc.etat.Base.Regles, '.'));
    QVERIFY(imprimante.Termine());
    const QString texte = TexteDuPdf(chemin);
    QVERIFY(!texte.isEmpty());
    const QStringList pages = texte.split('\f', Qt::SkipEmptyParts);
    QVERIFY2(pages.size() >= 3, qPrintable(QString::number(pages.size())));
    QVERIFY(pages.first().contains("Tree of reasoning - CHAIN.EXP"));
    QVERIFY(texte.contains("Rule 60 -> S61 = YES"));
    // Every level and rule line is there once, in order.
    int position = 0;
    for (int niveau = 1; niveau <= 60; ++niveau) {
        position = texte.indexOf(QString("Level %1\n").arg(niveau), position);
        QVERIFY2(position >= 0, qPrintable(QString::number(niveau)));
    }
}

QTEST_MAIN(TreeTest)
#include "Tree_rea_test.moc"
