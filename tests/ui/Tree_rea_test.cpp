// The reasoning tree window: both areas after a run, the printout through the
// printer interface (lines, coordinates, pages, messages) and into a PDF file.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "core/journal.h"
#include "inference/moteur.h"
#include "inference_windows_fixture.h"
#include "ui/Impression.h"
#include "support/parcours.h"
#include "ui/Tree_rea.h"

using namespace veridane;

// "&Print" of the window's menu, as a person chooses it.
static void Imprime(TTree& arbre) { arbre.findChild<QAction*>("Print1")->trigger(); }
using namespace veridane::essai;

namespace {

struct TLigneRecue {
    int Page;
    int X;
    int Y;
    std::string Texte;
    bool operator==(const TLigneRecue&) const = default;
};

// Records what a print job receives.
class TImprimanteEnregistreuse : public IImprimante {
public:
    explicit TImprimanteEnregistreuse(int hauteurPage = 6000, int hauteurLigne = 80)
        : hauteurPage_(hauteurPage), hauteurLigne_(hauteurLigne) {}
    bool Commence() override {
        ++Debuts;
        return PeutCommencer;
    }
    void Ecrit(int x, int y, const std::string& texte) override { Lignes.push_back({Page, x, y, texte}); }
    void NouvellePage() override { ++Page; }
    int HauteurPage() const override { return hauteurPage_; }
    int HauteurLigne() const override { return hauteurLigne_; }
    bool Termine() override {
        ++Fins;
        return ReussitFin;
    }
    std::string Destination() const override { return {}; }

    bool PeutCommencer = true;
    bool ReussitFin = true;
    int Debuts = 0;
    int Fins = 0;
    int Page = 1;
    std::vector<TLigneRecue> Lignes;

private:
    int hauteurPage_;
    int hauteurLigne_;
};

QStringList Lignes(const QPlainTextEdit* zone) {
    const QString texte = zone->toPlainText();
    return texte.isEmpty() ? QStringList{} : texte.split('\n');
}

struct TBanc {
    TEtatVeridane etat;
    TDialoguesJournal journal;
    TMoteur moteur;

    // Runs the inference on an observation as the forward chaining window
    // does, without the window.
    void Infere(int observation) {
        moteur.ChoisitObservation(etat.Faits.Observations.at(static_cast<std::size_t>(observation)), observation);
        moteur.InitialiseCompteurs(etat.Base.Regles);
        moteur.InitialiseRegles(etat.Base.Regles, etat.ValeurCritique);
        TNotificationsMuettes muettes;
        moteur.Strategie(etat.Base.Regles, muettes);
    }
};

// A print job whose record outlives the window's use of it.
struct TJobPartage : IImprimante {
    std::shared_ptr<TImprimanteEnregistreuse> Cible;
    bool Commence() override { return Cible->Commence(); }
    void Ecrit(int x, int y, const std::string& t) override { Cible->Ecrit(x, y, t); }
    void NouvellePage() override { Cible->NouvellePage(); }
    int HauteurPage() const override { return Cible->HauteurPage(); }
    int HauteurLigne() const override { return Cible->HauteurLigne(); }
    bool Termine() override { return Cible->Termine(); }
    std::string Destination() const override { return Cible->Destination(); }
};

std::function<std::unique_ptr<IImprimante>()> Vers(std::shared_ptr<TImprimanteEnregistreuse> cible) {
    return [cible] {
        auto job = std::make_unique<TJobPartage>();
        job->Cible = cible;
        return job;
    };
}


const std::vector<TLigneRecue> ImpressionGrippe{
    {1, 1, 1, "Tree of reasoning - FLU.EXP"},
    {1, 50, 100, "Observation 1"},
    {1, 1, 200, "Level 1"},
    {1, 1, 300, "  Rule 1 -> FEVER = YES"},
    {1, 1, 400, "  Rule 3 -> RISK = HIGH"},
    {1, 1, 600, "Level 2"},
    {1, 1, 700, "  Rule 2 -> DIAGNOSIS = FLU"},
    {1, 1, 900, "Level 3"},
    {1, 1, 1000, "  Rule 4 -> TREATMENT in { REST, ANTIVIRAL }"},
};

}  // namespace

class TreeTest : public QObject {
    Q_OBJECT
private slots:
    void deuxZones();
    void rienDeclenche();
    void sansBaseDeFaits();
    void arretGardeLeDernierNiveau();
    void impression();
    void impressionRefusee();
    void impressionEchouee_data();
    void impressionEchouee();
    void sautsDePage_data();
    void sautsDePage();
    void pdfRefuse();
    void pdfImpossible();
    void pdfSurPlusieursPages();
    void commandes();
};

void TreeTest::deuxZones() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    QStringList vu;
    auto lit = [&](QWidget& fenetre) {
        vu << Lignes(arbre.Niveau0()) << Lignes(arbre.Niveaux());
        vu << QString::number(arbre.Niveau0()->isReadOnly() && arbre.Niveaux()->isReadOnly());
        geste::Utilise("Close1")(fenetre);
    };
    TParcours premiere;
    premiere.Puis("Tree of reasoning", lit);
    QVERIFY2(premiere.Execute([&] { arbre.Ouvre(); }), qPrintable(premiere.Erreur()));
    QCOMPARE(vu, (QStringList{"Level 0", " TEMPERATURE = 39.5", " COUGH = YES", " AGE = 70", "Level 1",
                              "  Rule 1 -> FEVER = YES", "  Rule 3 -> RISK = HIGH", "Level 2",
                              "  Rule 2 -> DIAGNOSIS = FLU", "Level 3", "  Rule 4 -> TREATMENT in { REST, ANTIVIRAL }",
                              "1"}));

    // A new opening shows the reasoning of the latest run only.
    banc.Infere(2);
    vu.clear();
    TParcours seconde;
    seconde.Puis("Tree of reasoning", lit);
    QVERIFY2(seconde.Execute([&] { arbre.Ouvre(); }), qPrintable(seconde.Erreur()));
    QCOMPARE(vu, (QStringList{"Level 0", " RASH = YES", " SYMPTOMS in { ITCH, SPOTS }", "Level 1",
                              "  Rule 5 -> DIAGNOSIS = MEASLES", "1"}));
}

void TreeTest::rienDeclenche() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.etat.ValeurCritique = 1.0;
    Observations(banc.etat, {{NouvelleProposition("TEMPERATURE", OpEgal, 36.5)}});
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    arbre.Initialise();
    QCOMPARE(Lignes(arbre.Niveau0()), QStringList({"Level 0", " TEMPERATURE = 36.5"}));
    QCOMPARE(Lignes(arbre.Niveaux()), QStringList{});

    auto imprimante = std::make_shared<TImprimanteEnregistreuse>();
    arbre.FixeImprimante(Vers(imprimante));
    Imprime(arbre);
    QCOMPARE(imprimante->Lignes,
             (std::vector<TLigneRecue>{{1, 1, 1, "Tree of reasoning - FLU.EXP"}, {1, 50, 100, "Observation 1"}}));
}

void TreeTest::sansBaseDeFaits() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    banc.etat.Faits.BaseFaitsOuverte = false;
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    arbre.Initialise();
    QCOMPARE(Lignes(arbre.Niveau0()), QStringList({"Level 0"}));
    QCOMPARE(Lignes(arbre.Niveaux()).size(), 7);
}

void TreeTest::arretGardeLeDernierNiveau() {
    // A run stopped during level 2 keeps that level in the tree.
    TBanc banc;
    ProjetChaine(banc.etat, 10);
    banc.moteur.ChoisitObservation(banc.etat.Faits.Observations[0], 0);
    banc.moteur.InitialiseCompteurs(banc.etat.Base.Regles);
    banc.moteur.InitialiseRegles(banc.etat.Base.Regles, 0.0);
    struct TArret : TNotificationsMuettes {
        TMoteur* Moteur;
        void RegleDeclenchee(int, int nb) override {
            if (nb == 2) Moteur->StopClick();
        }
    } arret;
    arret.Moteur = &banc.moteur;
    banc.moteur.Strategie(banc.etat.Base.Regles, arret);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    arbre.Initialise();
    QCOMPARE(Lignes(arbre.Niveaux()), QStringList({"Level 1", "  Rule 1 -> S2 = YES", "Level 2", "  Rule 2 -> S3 = YES"}));
}


void TreeTest::impression() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    auto imprimante = std::make_shared<TImprimanteEnregistreuse>();
    arbre.FixeImprimante(Vers(imprimante));
    arbre.Initialise();
    Imprime(arbre);

    QCOMPARE(imprimante->Lignes, ImpressionGrippe);
    QCOMPARE(imprimante->Debuts, 1);
    QCOMPARE(imprimante->Fins, 1);
    QCOMPARE(banc.journal.Messages,
             (std::vector<TMessageJournal>{
                 {TGenreMessage::Information, "Do you want to print the reasoning?", TBoutons::OuiNon},
                 {TGenreMessage::Information, "The reasoning has been printed", TBoutons::Ok}}));
}

void TreeTest::impressionRefusee() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    auto imprimante = std::make_shared<TImprimanteEnregistreuse>();
    arbre.FixeImprimante(Vers(imprimante));
    banc.journal.Reponses = {TReponse::Non};
    arbre.findChild<QAction*>("Print1")->trigger();
    QCOMPARE(imprimante->Debuts, 0);
    QCOMPARE(banc.journal.Textes(), std::vector<std::string>{"Do you want to print the reasoning?"});
}

void TreeTest::impressionEchouee_data() {
    QTest::addColumn<bool>("commence");
    QTest::addColumn<bool>("termine");
    QTest::addColumn<int>("lignes");
    QTest::newRow("job refused") << false << true << 0;
    QTest::newRow("job failed at the end") << true << false << 9;
}

void TreeTest::impressionEchouee() {
    QFETCH(bool, commence);
    QFETCH(bool, termine);
    QFETCH(int, lignes);
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    auto imprimante = std::make_shared<TImprimanteEnregistreuse>();
    imprimante->PeutCommencer = commence;
    imprimante->ReussitFin = termine;
    arbre.FixeImprimante(Vers(imprimante));
    Imprime(arbre);
    QCOMPARE(int(imprimante->Lignes.size()), lignes);
    QCOMPARE(banc.journal.Textes(), (std::vector<std::string>{"Do you want to print the reasoning?",
                                                               "The reasoning could not be printed"}));
    QCOMPARE(banc.journal.Messages[1].Genre, TGenreMessage::Avertissement);
}

void TreeTest::sautsDePage_data() {
    QTest::addColumn<int>("hauteurPage");
    QTest::addColumn<QList<QList<int>>>("attendu");  // page, y of each line
    // The layout's y: 1, 100, 200, 300, 400, 600, 700, 900, 1000.
    QTest::newRow("all on one page") << 6000
                                     << QList<QList<int>>{{1, 1},   {1, 100}, {1, 200}, {1, 300}, {1, 400},
                                                          {1, 600}, {1, 700}, {1, 900}, {1, 1000}};
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
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    TImprimanteEnregistreuse imprimante(hauteurPage, 80);
    ImprimeLignes(imprimante, LignesImpression("FLU.EXP", 0, banc.moteur.Raisonnement(), banc.etat.Base.Regles, '.'));
    QCOMPARE(imprimante.Lignes.size(), std::size_t(attendu.size()));
    for (int i = 0; i < attendu.size(); ++i) {
        QCOMPARE(imprimante.Lignes[std::size_t(i)].Page, attendu[i][0]);
        QCOMPARE(imprimante.Lignes[std::size_t(i)].Y, attendu[i][1]);
        QCOMPARE(imprimante.Lignes[std::size_t(i)].Texte, ImpressionGrippe[std::size_t(i)].Texte);
        QCOMPARE(imprimante.Lignes[std::size_t(i)].X, ImpressionGrippe[std::size_t(i)].X);
    }
}

namespace {

QString TexteDuPdf(const QString& chemin, bool* ok) {
    QProcess outil;
    outil.start("pdftotext", {"-layout", chemin, "-"});
    *ok = outil.waitForFinished(30000) && outil.exitCode() == 0;
    return QString::fromUtf8(outil.readAllStandardOutput());
}

}  // namespace

void TreeTest::pdfRefuse() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    arbre.FixeImprimante([&] { return ChoisitImprimante(banc.journal, false); });
    // Once the offer is declined, once the file dialog is cancelled.
    banc.journal.Reponses = {TReponse::Oui, TReponse::Non, TReponse::Oui, TReponse::Oui};
    Imprime(arbre);
    Imprime(arbre);
    QCOMPARE(banc.journal.Textes().size(), std::size_t{4});
    QCOMPARE(banc.journal.Motifs, std::vector<std::string>{"*.pdf"});
}

void TreeTest::pdfImpossible() {
    TBanc banc;
    ProjetGrippe(banc.etat);
    banc.Infere(0);
    QTemporaryDir dossier;
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    arbre.FixeImprimante([&] { return ChoisitImprimante(banc.journal, false); });
    const std::string chemin = dossier.filePath("missing/reasoning.pdf").toStdString();
    banc.journal.Fichiers = {chemin};
    Imprime(arbre);
    QCOMPARE(banc.journal.Textes().back(), "The reasoning could not be printed in the file " + chemin);
    QCOMPARE(banc.journal.Messages.back().Genre, TGenreMessage::Avertissement);
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
    bool ok = false;
    const QString texte = TexteDuPdf(chemin, &ok);
    QVERIFY(ok);
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

void TreeTest::commandes() {
    TBanc banc;
    TTree arbre(banc.etat, banc.journal, banc.moteur);
    QCOMPARE(arbre.findChild<QAction*>("Print1")->text(), QString("&Print"));
    QCOMPARE(arbre.findChild<QAction*>("Close1")->text(), QString("&Close"));
    QCOMPARE(arbre.findChild<QAction*>("SpeedButton1")->toolTip(), QString("Print"));
    arbre.setResult(-1);
    arbre.findChild<QAction*>("SpeedButton2")->trigger();
    QCOMPARE(arbre.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TreeTest)
#include "Tree_rea_test.moc"
