// The rules editor and the priority degree dialog driven through their
// handlers, headless; the degree is given through the editor's injectable
// question or by answering the real dialog from a zero-delay timer.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "core/journal.h"
#include "core/proposition.h"
#include "project/etat.h"
#include "ui/Add_rul.h"
#include "ui/Conversion.h"
#include "ui/Vali_deg.h"

using namespace veridane;

namespace {

TProposition Entree(TProposition p) {
    p.Certitude = p.Precision = DegreNul;
    return p;
}

TRegle RegleDePriorite(double priorite) {
    TRegle r;
    r.Premisses.push_back(NouvelleProposition("OLD", OpEgal, priorite));
    r.Conclusion = NouvelleProposition("Y", OpEgal, 1.0);
    r.NbPremissesRestantes = 1;
    r.Priorite = priorite;
    return r;
}

// Dictionary: AGE > 18, CLASS = ADULT, COLOUR in { RED, BLUE }, T = 38.5;
// rules of priorities 0.9, 0.5, 0.3.
TEtatVeridane EtatExemple() {
    TEtatVeridane etat;
    etat.Base.Vide();
    etat.Base.Dictionnaire = {Entree(NouvelleProposition("AGE", OpSuperieur, 18.0)),
                              Entree(NouvelleProposition("CLASS", OpEgal, std::string("ADULT"))),
                              Entree(NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"RED", "BLUE"})),
                              Entree(NouvelleProposition("T", OpEgal, 38.5))};
    etat.Base.NbFaitsDico = 4;
    for (double p : {0.9, 0.5, 0.3}) etat.Base.Regles.push_back(RegleDePriorite(p));
    etat.Base.NbRegles = 3;
    return etat;
}

QStringList Lignes(QListWidget* liste) {
    QStringList lignes;
    for (int i = 0; i < liste->count(); ++i) lignes << liste->item(i)->text();
    return lignes;
}

}  // namespace

class AjoutReglesTest : public QObject {
    Q_OBJECT

    TEtatVeridane Etat;
    TDialoguesJournal Journal;
    std::unique_ptr<TAjoutRegles> Fenetre;
    std::vector<TResultatDegre> Degres;  // answers of the degree question, in order
    int Questions = 0;

    template <class T>
    T* Controle(const char* nom) {
        T* w = Fenetre->findChild<T*>(nom);
        if (!w) qFatal("no control %s", nom);
        return w;
    }
    void Premisse(int index) {
        Controle<QListWidget>("ListeDico")->setCurrentRow(index);
        Fenetre->AddPremClick();
    }
    void Conclusion(int index) {
        Controle<QComboBox>("ComboConclusion")->setCurrentIndex(index);
        Fenetre->AddConcClick();
    }
    QStringList Regle() { return Lignes(Controle<QListWidget>("AffichageRegle")); }
    bool Prete() {
        return Controle<QPushButton>("AddRuleBtn")->isEnabled() && Fenetre->findChild<QAction*>("Addruleinthebase1")->isVisible();
    }

private slots:
    void init() {
        Etat = EtatExemple();
        Journal = TDialoguesJournal{};
        Fenetre = std::make_unique<TAjoutRegles>(Etat, Journal);
        Degres.clear();
        Questions = 0;
        Fenetre->DemandeDegre = [this] {
            ++Questions;
            if (Degres.empty()) return TResultatDegre{0, false, true};
            TResultatDegre r = Degres.front();
            Degres.erase(Degres.begin());
            return r;
        };
        Fenetre->Initialise();
    }

    void OpeningFillsTheWindow() {
        QCOMPARE(Fenetre->windowTitle(), QString("Rules Editor: 3 rules"));
        QCOMPARE(Fenetre->property("contexteAide").toInt(), 21);
        const QStringList dico{"AGE > 18", "CLASS = ADULT", "COLOUR in { RED, BLUE }", "T = 38.5"};
        QCOMPARE(Lignes(Controle<QListWidget>("ListeDico")), dico);
        auto* combo = Controle<QComboBox>("ComboConclusion");
        QCOMPARE(combo->count(), 4);
        QCOMPARE(combo->currentIndex(), -1);
        QCOMPARE(combo->placeholderText(), QString("  Select the conclusion of the rule      -> "));
        QCOMPARE(Regle(), QStringList{"No rule created"});
        QVERIFY(!Prete());
        QVERIFY(Controle<QPushButton>("RemoveItemBtn")->isHidden());
    }

    void TitleCountsRules_data() {
        QTest::addColumn<int>("nombre");
        QTest::addColumn<QString>("titre");
        QTest::newRow("none") << 0 << "Rules Editor: 0 rule";
        QTest::newRow("one") << 1 << "Rules Editor: 1 rule";
        QTest::newRow("two") << 2 << "Rules Editor: 2 rules";
    }
    void TitleCountsRules() {
        QFETCH(int, nombre);
        QFETCH(QString, titre);
        Etat.Base.Regles.resize(static_cast<std::size_t>(nombre));
        Etat.Base.NbRegles = nombre;
        Fenetre->Initialise();
        QCOMPARE(Fenetre->windowTitle(), titre);
    }

    void EmptyDictionaryListsNothing() {
        Etat.Base.Dictionnaire.clear();
        Etat.Base.NbFaitsDico = 0;
        Fenetre->Initialise();
        QCOMPARE(Controle<QListWidget>("ListeDico")->count(), 0);
        QCOMPARE(Controle<QComboBox>("ComboConclusion")->count(), 0);
        QCOMPARE(Regle(), QStringList{});
        QCOMPARE(Fenetre->windowTitle(), QString("Rules Editor: 3 rules"));
    }

    void BuildingARule() {
        Premisse(0);
        QCOMPARE(Regle(), QStringList({"If AGE > 18", "Then ?"}));
        QVERIFY(!Prete());
        Conclusion(1);
        QVERIFY(Prete());
        QVERIFY(!Controle<QPushButton>("AddConcBtn")->isEnabled());
        QVERIFY(!Controle<QComboBox>("ComboConclusion")->isEnabled());
        Premisse(2);
        QCOMPARE(Regle(), QStringList({"If AGE > 18", "And COLOUR in { RED, BLUE }", "Then CLASS = ADULT"}));
        QVERIFY(Journal.Messages.empty());
    }

    void AnEntryOnceInARule() {
        Conclusion(1);
        Premisse(0);
        Premisse(2);
        Premisse(1);
        Premisse(2);
        QCOMPARE(Journal.Textes(), (std::vector<std::string>{"Antecedent already use in conclusion",
                                                             "Antecedent already use in premise 2"}));
        QVERIFY(Journal.Messages[0].Genre == TGenreMessage::Information);
        QCOMPARE(Regle().size(), 3);
    }

    void AddConclusionInertWhileOneIsPresent() {
        Conclusion(1);
        Controle<QComboBox>("ComboConclusion")->setEnabled(true);  // even if reached somehow
        Conclusion(3);
        QCOMPARE(Fenetre->RegleEnCours().Conclusion->Index, 1);
        QVERIFY(Journal.Messages.empty());
        QCOMPARE(Regle(), QStringList({"If ?", "Then CLASS = ADULT"}));
    }

    void RemoveItemShownByTheLineClicked() {
        auto* regle = Controle<QListWidget>("AffichageRegle");
        auto* bouton = Controle<QPushButton>("RemoveItemBtn");
        Premisse(0);  // "If AGE > 18", "Then ?"
        regle->setCurrentRow(1);
        Fenetre->AffichageRegleClick();
        QVERIFY(bouton->isHidden());  // no conclusion to remove
        regle->setCurrentRow(0);
        Fenetre->AffichageRegleClick();
        QVERIFY(!bouton->isHidden());
        Fenetre->RemoveItemClick();
        QVERIFY(bouton->isHidden());
        QCOMPARE(Journal.Textes(), std::vector<std::string>{"Premise 1 removed"});
    }

    void RemovingTheOnlyPremiseOfAReadyRule() {
        Premisse(3);
        Conclusion(1);
        QVERIFY(Prete());
        Controle<QListWidget>("AffichageRegle")->setCurrentRow(0);
        Fenetre->AffichageRegleClick();
        Fenetre->RemoveItemClick();
        QCOMPARE(Regle(), QStringList({"If ?", "Then CLASS = ADULT"}));
        QVERIFY(!Prete());
        Controle<QListWidget>("AffichageRegle")->setCurrentRow(1);
        Fenetre->RemoveItemClick();
        QCOMPARE(Regle(), QStringList({"If ?", "Then ?"}));
        QVERIFY(Controle<QPushButton>("AddConcBtn")->isEnabled());
        QVERIFY(Controle<QComboBox>("ComboConclusion")->isEnabled());
        QCOMPARE(Journal.Textes(), (std::vector<std::string>{"Premise 1 removed", "Conclusion removed"}));
    }

    // The degree dialog itself: what OK does with each text.
    void DegreeTexts_data() {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<double>("degre");
        QTest::addColumn<QString>("message");
        QTest::newRow("0") << "0" << true << 0.0 << "Priority degree = 0%";
        QTest::newRow("1") << "1" << true << 1.0 << "Priority degree = 100%";
        QTest::newRow("0,5") << "0,5" << true << 0.5 << "Priority degree = 50%";
        QTest::newRow("0.75") << " 0.75" << true << 0.75 << "Priority degree = 75%";
        QTest::newRow("1.01") << "1.01" << false << 0.0 << "Error: priority degree incorrect";
        QTest::newRow("-0.1") << "-0.1" << false << 0.0 << "Error: priority degree incorrect";
        QTest::newRow("empty") << "" << false << 0.0 << "Error: priority degree incorrect";
        QTest::newRow("letters") << "0.5a" << false << 0.0 << "Error: priority degree incorrect";
    }
    void DegreeTexts() {
        QFETCH(QString, texte);
        QFETCH(bool, accepte);
        QFETCH(double, degre);
        QFETCH(QString, message);
        TValiDeg& dialogue = Fenetre->ValiDeg();
        QCOMPARE(dialogue.windowTitle(), QString("Priority Degree"));
        dialogue.Champ()->setText(texte);
        dialogue.BitBtn1Click();
        QCOMPARE(Journal.Messages.size(), std::size_t{1});
        QVERIFY(Journal.Messages[0] == (TMessageJournal{TGenreMessage::Avertissement, Octets(message), TBoutons::Ok}));
        QCOMPARE(dialogue.Resultat().DegreAccepte, accepte);
        QVERIFY(!dialogue.Resultat().Annule);
        if (accepte) {
            QCOMPARE(dialogue.Resultat().Degre, degre);
            QCOMPARE(dialogue.Champ()->text(), texte);  // kept for the next showing
        } else {
            QCOMPARE(dialogue.Champ()->text(), QString());
        }
    }

    void FrameCloseOfTheDegreeDialogIsCancel() {
        TValiDeg& dialogue = Fenetre->ValiDeg();
        dialogue.Champ()->setText("0.7");
        QTimer::singleShot(0, &dialogue, [&] { dialogue.BitBtn1Click(); });
        dialogue.Ouvre();
        QVERIFY(dialogue.Resultat().DegreAccepte);
        QVERIFY(!dialogue.Resultat().Annule);
        QTimer::singleShot(0, &dialogue, [&] { dialogue.close(); });
        dialogue.Ouvre();
        QVERIFY(dialogue.Resultat().Annule);
    }

    void RuleAddedAfterEqualPriorityWithARetry() {
        Premisse(0);
        Premisse(2);
        Conclusion(1);
        Degres = {{0, false, false}, {0.5, true, false}};  // refused once, then 0.5
        Fenetre->AddRuleClick();
        QCOMPARE(Questions, 2);
        QCOMPARE(Etat.Base.NbRegles, 4);
        QVERIFY(Etat.Base.ReglesModifiees);
        const TRegle& ajoutee = Etat.Base.Regles[2];
        QCOMPARE(ajoutee.Priorite, 0.5);
        QCOMPARE(PropEnChaine(ajoutee.Premisses[1]), std::string("COLOUR in { RED, BLUE }"));
        QCOMPARE(ajoutee.Premisses[0].Certitude, DegreCertain);
        QCOMPARE(ajoutee.NbPremissesRestantes, 2);
        QCOMPARE(Etat.Base.Regles[1].Premisses[0].Attribut, std::string("OLD"));  // the existing 0.5 stays first
        // The editor is empty again and counts the new rule.
        QCOMPARE(Fenetre->windowTitle(), QString("Rules Editor: 4 rules"));
        QCOMPARE(Regle(), QStringList{"No rule created"});
        QVERIFY(!Prete());
    }

    void CancelledDegreeKeepsTheRule() {
        Premisse(0);
        Conclusion(1);
        Fenetre->AddRuleClick();  // no answer scripted: cancelled
        QCOMPARE(Questions, 1);
        QCOMPARE(Etat.Base.NbRegles, 3);
        QVERIFY(!Etat.Base.ReglesModifiees);
        QVERIFY(Prete());
    }

    void TheRealDialogAnsweredFromATimer() {
        Premisse(3);
        Conclusion(1);
        Fenetre->DemandeDegre = [this] {
            TValiDeg& dialogue = Fenetre->ValiDeg();
            QTimer::singleShot(0, &dialogue, [&dialogue] {
                dialogue.Champ()->setText("1");
                dialogue.BitBtn1Click();
            });
            dialogue.Ouvre();
            return dialogue.Resultat();
        };
        Fenetre->AddRuleClick();
        QCOMPARE(Etat.Base.Regles[0].Priorite, 1.0);
        QCOMPARE(Etat.Base.Regles[0].Conclusion.Modalite, std::string("ADULT"));
    }

    void FirstRuleOfAProjectWithoutRulesBase() {
        Etat.Base.Regles.clear();
        Etat.Base.NbRegles = 0;
        Etat.Base.BaseReglesOuverte = false;
        Fenetre->Initialise();
        QCOMPARE(Fenetre->windowTitle(), QString("Rules Editor: 0 rule"));
        Premisse(0);
        Conclusion(1);
        Degres = {{0.8, true, false}};
        Fenetre->AddRuleClick();
        QVERIFY(Etat.Base.BaseReglesOuverte);
        QCOMPARE(Etat.Base.NbRegles, 1);
        QCOMPARE(Etat.Base.Regles.size(), std::size_t{1});
        QCOMPARE(Fenetre->windowTitle(), QString("Rules Editor: 1 rule"));
    }

    void ClosingWithAReadyRule_data() {
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("ouverte");
        QTest::newRow("No keeps the editor") << int(TReponse::Non) << true;
        QTest::newRow("Yes closes it") << int(TReponse::Oui) << false;
    }
    void ClosingWithAReadyRule() {
        QFETCH(int, reponse);
        QFETCH(bool, ouverte);
        Premisse(0);
        Conclusion(1);
        Fenetre->show();
        Journal.Reponses.push_back(static_cast<TReponse>(reponse));
        Fenetre->Close1Click();
        QCOMPARE(Journal.Messages.size(), std::size_t{1});
        QVERIFY(Journal.Messages[0] == (TMessageJournal{TGenreMessage::Information,
                                                        "Do you want to quit the menu without adding the rule in the base ?",
                                                        TBoutons::OuiNon}));
        QCOMPARE(Fenetre->isVisible(), ouverte);
        QCOMPARE(Fenetre->RegleEnCours().Prete(), ouverte);
    }

    void ClosingSwitchesTheRulesCommands_data() {
        QTest::addColumn<int>("nbFaits");
        QTest::addColumn<bool>("inference");
        QTest::newRow("with data") << 2 << true;
        QTest::newRow("without data") << 0 << false;
    }
    void ClosingSwitchesTheRulesCommands() {
        QFETCH(int, nbFaits);
        QFETCH(bool, inference);
        Etat.Faits.NbFaits = nbFaits;
        Fenetre->show();
        Fenetre->Close1Click();  // nothing ready: no question
        QVERIFY(Journal.Messages.empty());
        QVERIFY(!Fenetre->isVisible());
        const TEtatCommandes& c = Etat.Commandes;
        QVERIFY(c.BoutonRegles && c.VoirRegles && c.SupprimerRegles && c.ModifierRegles);
        QCOMPARE(c.MenuInference, inference);
    }
};

QTEST_MAIN(AjoutReglesTest)
#include "Add_rul_test.moc"
