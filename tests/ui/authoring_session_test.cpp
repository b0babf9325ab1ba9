// A whole authoring session as a user goes through it from the main window:
// a new project whose dictionary is filled in the dictionary manager, two
// rules written in the rules editor, one observation given its data in the
// data base manager, the project saved under a new name with a commentary,
// then opened again. The four files written are compared byte for byte with
// files written by hand, and the reopened project must hold what was typed.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "core/format_nombre.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "support/outils.h"
#include "ui/Add_dat.h"
#include "ui/Add_rul.h"
#include "ui/Conversion.h"
#include "ui/Man_dat.h"
#include "ui/Menu_ex.h"

using namespace veridane;

namespace {

// Lines of a file as the writers end them.
QByteArray Lignes(const QStringList& lignes) {
    QByteArray texte;
    for (const QString& ligne : lignes) texte += ligne.toLatin1() + "\r\n";
    return texte;
}

const QByteArray ProjetAttendu = Lignes({"#Flu survey", "#", "#  winter ward", "", "Rules file: Flu.RUL",
                                         "Data base: Flu.DTA"});

// The rules are kept by decreasing priority whatever order they were typed in.
const QByteArray ReglesAttendues = Lignes({"", "Number of rules: 2;", "",
                                           "# Rule 1", "If TEMPERATURE > 38.5 ", "And COUGH = YES ",
                                           "Then DISEASE = FLU [0.8];", "",
                                           "# Rule 2", "If COLOR in { RED, BLUE }", "Then COUGH = YES [0.5];", ""});

// The dictionary is kept in alphabetical order of its lines.
const QByteArray DicoAttendu = Lignes({"", "COLOR in { RED, BLUE };", "", "COUGH = YES ;", "", "DISEASE = FLU ;", "",
                                       "TEMPERATURE > 38.5 ;", ""});

// Data are numbered across the observations, which a line "* " separates.
const QByteArray BaseAttendue = Lignes({"", "Number of data: 3;", "", "# Observation 1", "", "# Data 1",
                                        "TEMPERATURE > 38.5  ;", "# Data 2", "COUGH = YES  ;", "", "* ", "",
                                        "# Observation 2", "", "# Data 3", "COLOR in { RED, BLUE } ;"});

template <class T>
T* Controle(QObject& fenetre, const char* nom) {
    T* controle = fenetre.findChild<T*>(nom);
    if (controle == nullptr) qFatal("no control %s", nom);
    return controle;
}

// Selects the line showing `texte`, as a click on it does.
void Clique(QListWidget* liste, const QString& texte) {
    const auto lignes = liste->findItems(texte, Qt::MatchExactly);
    if (lignes.size() != 1) qFatal("no single line %s", qPrintable(texte));
    liste->setCurrentItem(lignes.front());
}

QStringList Textes(const QListWidget* liste) {
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i) textes << liste->item(i)->text();
    return textes;
}

// One dictionary entry composed and added, its animation run to the end.
void AjouteEntree(TAjoutFaitsDico& dico, const QString& attribut, const QString& op, const QStringList& valeurs) {
    Controle<QLineEdit>(dico, "EditAttribut")->setText(attribut);
    auto* operateur = Controle<QComboBox>(dico, "ComboOperateur");
    operateur->setCurrentIndex(operateur->findText(op));
    for (const QString& valeur : valeurs) {
        Controle<QLineEdit>(dico, "EditValeur")->setText(valeur);
        if (op == "in") dico.AjouteValeurClick();
    }
    dico.AddClick();
    for (int garde = 0; dico.AnimationEnCours() && garde < 20; ++garde) dico.Timer1Timer();
}

int RemplitDictionnaire(QDialog& fenetre) {
    auto& dico = dynamic_cast<TAjoutFaitsDico&>(fenetre);
    AjouteEntree(dico, "TEMPERATURE", ">", {"38.5"});
    AjouteEntree(dico, "COUGH", "=", {"YES"});
    AjouteEntree(dico, "DISEASE", "=", {"FLU"});
    AjouteEntree(dico, "COLOR", "in", {"RED", "BLUE"});
    dico.Close1Click();
    return dico.result();
}

// One rule put together in the rules editor and inserted with `degre`.
void EcritRegle(TAjoutRegles& editeur, const QStringList& premisses, const QString& conclusion, double degre) {
    for (const QString& premisse : premisses) {
        Clique(Controle<QListWidget>(editeur, "ListeDico"), premisse);
        editeur.AddPremClick();
    }
    auto* combo = Controle<QComboBox>(editeur, "ComboConclusion");
    combo->setCurrentIndex(combo->findText(conclusion));
    editeur.AddConcClick();
    editeur.DemandeDegre = [degre] { return TResultatDegre{degre, true, false}; };
    editeur.AddRuleClick();
}

int EcritRegles(QDialog& fenetre) {
    auto& editeur = dynamic_cast<TAjoutRegles&>(fenetre);
    EcritRegle(editeur, {"COLOR in { RED, BLUE }"}, "COUGH = YES", 0.5);
    EcritRegle(editeur, {"TEMPERATURE > 38.5", "COUGH = YES"}, "DISEASE = FLU", 0.8);
    editeur.Close1Click();
    return editeur.result();
}

// A dictionary entry moved into the observation, confirmed, animation run.
void AjouteDonnee(TGereFaits& gestion, const QString& entree) {
    Clique(Controle<QListWidget>(gestion, "ListeDico"), entree);
    gestion.AddClick();
    gestion.OKAddClick();
    for (int garde = 0; gestion.Anime() && garde < 20; ++garde) gestion.Timer1Timer();
}

TPilote::TAction DonneObservation(QStringList entrees) {
    return [entrees](QDialog& fenetre) {
        auto& gestion = dynamic_cast<TGereFaits&>(fenetre);
        for (const QString& entree : entrees) AjouteDonnee(gestion, entree);
        gestion.Close1Click();
        return gestion.result();
    };
}

QByteArray Contenu(const QDir& repertoire, const QString& nom) {
    QFile fichier(repertoire.filePath(nom));
    if (!fichier.open(QIODevice::ReadOnly)) return "(missing " + nom.toLatin1() + ")";
    return fichier.readAll();
}

QStringList Dictionnaire(const TBaseConnaissances& base) {
    QStringList lignes;
    for (const TProposition& p : base.Dictionnaire) lignes << Texte(PropEnChaine(p));
    return lignes;
}

QStringList Regles(const TBaseConnaissances& base) {
    QStringList lignes;
    for (const TRegle& regle : base.Regles) {
        QString ligne = Texte(FormatGeneral(regle.Priorite, 7, '.')) + ":";
        for (const TProposition& p : regle.Premisses) ligne += " " + Texte(PropEnChaine(p)) + ";";
        lignes << ligne + " => " + Texte(PropEnChaine(regle.Conclusion));
    }
    return lignes;
}

QStringList Observations(const TBaseFaits& faits) {
    QStringList lignes;
    for (std::size_t i = 0; i < faits.Observations.size(); ++i)
        for (const TProposition& p : faits.Observations[i])
            lignes << QString::number(i + 1) + ": " + Texte(PropEnChaine(p)) + " " +
                          QString::number(p.Certitude) + "/" + QString::number(p.Precision);
    return lignes;
}

const QStringList DicoSaisi = {"COLOR in { RED, BLUE }", "COUGH = YES", "DISEASE = FLU", "TEMPERATURE > 38.5"};
const QStringList ReglesSaisies = {"0.8: TEMPERATURE > 38.5; COUGH = YES; => DISEASE = FLU",
                                   "0.5: COLOR in { RED, BLUE }; => COUGH = YES"};
const QStringList ObservationsSaisies = {"1: TEMPERATURE > 38.5 6/6", "1: COUGH = YES 6/6",
                                         "2: COLOR in { RED, BLUE } 6/6"};

}  // namespace

class TestSessionAuteur : public QObject {
    Q_OBJECT
private slots:
    void NouveauProjetEnregistrePuisRouvert();
};

void TestSessionAuteur::NouveauProjetEnregistrePuisRouvert() {
    QTemporaryDir dossier;
    QVERIFY(dossier.isValid());
    const QDir repertoire(dossier.path());
    TDialoguesJournal journal;
    TPilote pilote;
    TMenuExpert menu(journal);
    pilote.Branche(menu);
    TEtatVeridane& etat = menu.Etat();

    // New project: a new dictionary, filled at once in its manager.
    pilote.Actions = {TPilote::Choisit(TChoixNouveauProjet::CreerDictionnaire), RemplitDictionnaire};
    Action(menu, "Newproject1")->trigger();
    QCOMPARE(pilote.Titres, (QStringList{"New project", "Data dictionary Manager"}));
    QCOMPARE(journal.Textes(), std::vector<std::string>{});
    QCOMPARE(Dictionnaire(etat.Base), DicoSaisi);
    QVERIFY(Utilisable(menu, "Viewdata1"));

    pilote.Titres.clear();
    pilote.Actions = {EcritRegles};
    QVERIFY(Utilisable(menu, "Addrules1"));
    Action(menu, "Addrules1")->trigger();
    QCOMPARE(pilote.Titres, QStringList{"Rules Editor: 0 rule"});
    QCOMPARE(journal.Textes(), std::vector<std::string>{});
    QCOMPARE(Regles(etat.Base), ReglesSaisies);
    QVERIFY(Utilisable(menu, "Viewrules1"));

    // The new data base holds one empty observation; adding a second one
    // makes its data editable. The first stays selected and gets its data,
    // then the second is clicked in the list and gets its own.
    Action(menu, "Addanobservation1")->trigger();
    QCOMPARE(journal.Textes(), std::vector<std::string>{"Observation n\xB0" "2 added in the data base"});
    journal.Messages.clear();
    pilote.Titres.clear();
    pilote.Actions = {DonneObservation({"TEMPERATURE > 38.5", "COUGH = YES"})};
    QVERIFY(Utilisable(menu, "Adddata2"));
    Action(menu, "Adddata2")->trigger();
    Controle<QListWidget>(menu, "EtatBase")->setCurrentRow(1);
    QCOMPARE(Action(menu, "Adddata2")->text(), QString("&Add / Remove data (observation 2)"));
    pilote.Actions = {DonneObservation({"COLOR in { RED, BLUE }"})};
    Action(menu, "Adddata2")->trigger();
    QCOMPARE(pilote.Titres, (QStringList{"Data base Manager", "Data base Manager"}));
    QCOMPARE(journal.Textes(), std::vector<std::string>{});
    QCOMPARE(Observations(etat.Faits), ObservationsSaisies);
    QVERIFY(Utilisable(menu, "Viewdata2"));

    // Saved under a name chosen in the file dialog, commentary typed.
    pilote.Titres.clear();
    journal.Fichiers.push_back(Octets(repertoire.filePath("Flu.exp")));
    const QString commentaire = "Flu survey\n\n  winter ward";
    pilote.Actions = {TPilote::OK(&commentaire)};
    Action(menu, "Saveprojectas1")->trigger();
    QCOMPARE(pilote.Titres, QStringList{"Change commentary of the project"});
    QCOMPARE(journal.Textes(), std::vector<std::string>{});
    QCOMPARE(menu.windowTitle(), QString("Veridane - Flu.EXP"));
    QVERIFY(!etat.ProjetChange());
    QCOMPARE(repertoire.entryList(QDir::Files, QDir::Name),
             (QStringList{"flu.dic", "flu.dta", "flu.exp", "flu.rul"}));
    QCOMPARE(Contenu(repertoire, "flu.exp"), ProjetAttendu);
    QCOMPARE(Contenu(repertoire, "flu.rul"), ReglesAttendues);
    QCOMPARE(Contenu(repertoire, "flu.dic"), DicoAttendu);
    QCOMPARE(Contenu(repertoire, "flu.dta"), BaseAttendue);

    // Opened again from the files alone, as after starting the program anew.
    TDialoguesJournal journal2;
    TPilote pilote2;
    TMenuExpert menu2(journal2);
    pilote2.Branche(menu2);
    const TEtatVeridane& relu = menu2.Etat();
    journal2.Fichiers.push_back(Octets(repertoire.filePath("flu.exp")));
    Action(menu2, "Openproject1")->trigger();
    QCOMPARE(pilote2.Titres, QStringList{"Abstract of the project"});
    QCOMPARE(journal2.Textes(), std::vector<std::string>{});
    QCOMPARE(menu2.windowTitle(), QString("Veridane - flu.EXP"));
    QCOMPARE(Dictionnaire(relu.Base), DicoSaisi);
    QCOMPARE(Regles(relu.Base), ReglesSaisies);
    QCOMPARE(Observations(relu.Faits), ObservationsSaisies);
    QVERIFY(relu.Projet.CommentairesProjet.has_value());
    QCOMPARE(*relu.Projet.CommentairesProjet, (std::vector<TModalite>{{"Flu survey"}, {""}, {"  winter ward"}}));
    QVERIFY(!relu.ProjetChange());
    QCOMPARE(Textes(Controle<QListWidget>(menu2, "EtatBase")),
             (QStringList{"Observation 1: 2 data", "Observation 2: 1 data"}));
    QCOMPARE(Textes(Controle<QListWidget>(menu2, "EtatObs")), (QStringList{"TEMPERATURE > 38.5", "COUGH = YES"}));
}

QTEST_MAIN(TestSessionAuteur)
#include "authoring_session_test.moc"
