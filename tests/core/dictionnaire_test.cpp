#include "core/dictionnaire.h"

#include <gtest/gtest.h>

#include <random>

#include "core/constructeur_dico.h"
#include "core/etat_commandes.h"
#include "core/fichier_regles.h"
#include "core/fichier_texte.h"
#include "core/journal.h"
#include "core/proposition.h"
#include "dossier_test.h"

namespace veridane {
namespace {

const char* const DicoDiagnostic =
    "#Diagnosis rules\r\n"
    "\r\n"
    "COLOR in { RED, BLUE };\r\n"
    "\r\n"
    "COUGH = YES ;\r\n"
    "\r\n"
    "DISEASE = FLU ;\r\n"
    "\r\n"
    "TEMPERATURE > 38 ;\r\n"
    "\r\n";

TProposition Entree(TProposition p) {
    p.Certitude = p.Precision = DegreNul;
    return p;
}

TBaseConnaissances BaseDiagnostic() {
    TBaseConnaissances base;
    base.Vide();
    base.CommentairesRegles = {{"Diagnosis rules"}};
    base.Dictionnaire = {Entree(NouvelleProposition("COLOR", OpDans, std::vector<std::string>{"RED", "BLUE"})),
                         Entree(NouvelleProposition("COUGH", OpEgal, std::string("YES"))),
                         Entree(NouvelleProposition("DISEASE", OpEgal, std::string("FLU"))),
                         Entree(NouvelleProposition("TEMPERATURE", OpSuperieur, 38.0))};
    base.NbFaitsDico = 4;
    return base;
}

std::vector<std::string> Entrees(const TBaseConnaissances& base) {
    std::vector<std::string> lignes;
    for (const TProposition& p : base.Dictionnaire) lignes.push_back(PropEnChaine(p));
    return lignes;
}

class DictionnaireTest : public DossierTest {
protected:
    // Reads a dictionary file into an empty knowledge base, as the rules
    // reader does before compiling.
    void Charge(const std::string& chemin) {
        Base = TBaseConnaissances{};
        Base.Vide();
        ChargeDicoFaits(Base, chemin, Commandes, Dialogues);
    }
    TBaseConnaissances Base;
    TEtatCommandes Commandes;
    TDialoguesJournal Dialogues;
    TProgressionNotee Progression;
};

TEST_F(DictionnaireTest, DiagnosisExampleReadsBackToTheSameModel) {
    TBaseConnaissances depart = BaseDiagnostic();
    depart.DicoModifie = true;
    ASSERT_TRUE(SauveDico(depart, Chemin("flu.dic"), Dialogues, Progression));
    EXPECT_FALSE(depart.DicoModifie);
    EXPECT_EQ(Lit(Chemin("flu.dic")), DicoDiagnostic);
    EXPECT_EQ(Progression.Appels, (std::vector<std::string>{"show:4", "hide"}));
    EXPECT_EQ(Progression.Pas, 4);

    Commandes = TEtatCommandes::Demarrage();
    Charge(Chemin("FLU.DIC"));
    EXPECT_TRUE(Dialogues.Messages.empty());
    EXPECT_EQ(Entrees(Base), Entrees(depart));
    EXPECT_EQ(Base.NbFaitsDico, 4);
    EXPECT_TRUE(Base.CommentairesRegles.empty());  // comments come from the rules file
    for (const TProposition& p : Base.Dictionnaire) {
        EXPECT_EQ(p.Certitude, DegreNul);
        EXPECT_EQ(p.Precision, DegreNul);
        EXPECT_FALSE(p.Validee);
    }
    TEtatCommandes attendu = TEtatCommandes::Demarrage();
    attendu.DicoNonVide();
    EXPECT_EQ(Commandes, attendu);
}

TEST_F(DictionnaireTest, EmptyDictionaryIsCommentsAndOneEmptyLine) {
    TBaseConnaissances base;
    base.Vide();
    base.CommentairesRegles = {{"a"}, {"b"}};
    EXPECT_EQ(TexteDico(base), "#a\r\n#b\r\n\r\n");
    base.CommentairesRegles.clear();
    EXPECT_EQ(TexteDico(base), "\r\n");
}

struct CasEntree {
    const char* Nom;
    const char* Fichier;
    std::vector<std::string> Attendu;
};

TEST_F(DictionnaireTest, ReaderEdgeCases) {
    const CasEntree cas[] = {
        {"set over two lines", "COLOR IN\r\n{ RED };\r\n", {"COLOR in { RED }"}},
        {"number needs a blank before ;", "T > 38;\r\nU > 38 ;\r\n", {"T > -1", "U > 38"}},
        {"hash lines skipped anywhere", "A = 1 ;\r\n#B = 2 ;\r\nC = 3 # ;\r\n", {"A = 1"}},
        {"lower case read as upper case", "colour in {red,blue};\r\n", {"COLOUR in { RED, BLUE }"}},
        {"text after ; ignored", "A = 1 ; B = 2 ;\r\n", {"A = 1"}},
        {"duplicate skipped, order by attribute", "B = 2 ;\r\nA = 1 ;\r\nB = 1 ;\r\nB = 2 ;\r\n",
         {"A = 1", "B = 2", "B = 1"}},
        {"unfinished entry at the end ignored", "A = 1 ;\r\nB = 2\r\n", {"A = 1"}},
        {"empty set is one empty word", "S IN { };\r\n", {"S in {  }"}},
        {"decimal comma", "T >= 0,5 ;\r\n", {"T >= 0.5"}},
    };
    for (const auto& c : cas) {
        Dialogues = TDialoguesJournal{};
        Charge(Ecrit("cas.dic", c.Fichier));
        EXPECT_EQ(Entrees(Base), c.Attendu) << c.Nom;
        EXPECT_TRUE(Dialogues.Messages.empty()) << c.Nom;
    }
}

TEST_F(DictionnaireTest, CompilationPutsFileEntriesFirstThenRulesInOrder) {
    Ecrit("ordre.dic", "B = 2 ;\r\nZ = 1 ;\r\n");
    std::string regles =
        "Number of rules: 2;\r\n"
        "If B = 1 And A = 1 Then B = 3 [0.5];\r\n"
        "If B = 4 And B = 2 Then C = 1 [0.9];\r\n";
    TBaseConnaissances base;
    base.Vide();
    TEtatCommandes commandes;
    OuvrirFR(base, Ecrit("ordre.rul", regles), commandes, Dialogues, Progression);
    // The rule of priority 0.9 comes first, so its premise B = 4 precedes B = 1.
    EXPECT_EQ(Entrees(base), (std::vector<std::string>{"A = 1", "B = 2", "B = 4", "B = 1", "B = 3", "C = 1", "Z = 1"}));
    EXPECT_EQ(base.NbFaitsDico, 7);
}

TEST_F(DictionnaireTest, CompileDicoAddsOnlyTheFirstNbReglesRules) {
    TBaseConnaissances base;
    base.Vide();
    TRegle r;
    r.Premisses = {NouvelleProposition("A", OpEgal, 1.0)};
    r.Conclusion = NouvelleProposition("B", OpEgal, 2.0);
    base.Regles = {r, r};
    base.Regles[1].Conclusion = NouvelleProposition("C", OpEgal, 3.0);
    base.NbRegles = 1;
    base.DicoCree = false;
    base.Dictionnaire = {Entree(NouvelleProposition("OLD", OpEgal, 1.0))};  // not created: replaced
    CompileDico(base);
    EXPECT_EQ(Entrees(base), (std::vector<std::string>{"A = 1", "B = 2"}));
    EXPECT_TRUE(base.DicoCree);
    EXPECT_EQ(base.NbFaitsDico, 2);
    EXPECT_EQ(base.Dictionnaire[0].Certitude, DegreNul);
}

TEST(DecortiqueDicoTest, AddsOnceAndNamesTheCounterInMessages) {
    TBaseConnaissances base;
    base.Vide();
    TDialoguesJournal dialogues;
    EXPECT_TRUE(DecortiqueDico(base, " B = 2 ;", dialogues));
    EXPECT_TRUE(DecortiqueDico(base, "A = X ;", dialogues));
    EXPECT_TRUE(DecortiqueDico(base, "B = 2 ;", dialogues));
    EXPECT_EQ(Entrees(base), (std::vector<std::string>{"A = X", "B = 2"}));
    EXPECT_EQ(base.NbFaitsDico, 2);
    base.NbFaitsDico = 5;
    EXPECT_FALSE(DecortiqueDico(base, "A ~ 1 ;", dialogues));
    EXPECT_EQ(dialogues.Textes(),
              (std::vector<std::string>{"Error in data 5 of the dictionary: incorrect operator in data"}));
}

// The builder must answer and order exactly as one-by-one insertions do.
TEST(ConstructeurDicoTest, MatchesOneByOneInsertions) {
    std::mt19937 hasard(11);
    auto tirage = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard); };
    const double nombres[] = {0.0, -0.0, 1.5, 38, -3, 1e-9};
    const std::vector<std::vector<std::string>> ensembles = {{"A", "B"}, {"B", "A"}, {"A"}, {""}};
    TBaseConnaissances uneParUne;
    uneParUne.Vide();
    uneParUne.Dictionnaire = {Entree(NouvelleProposition("M", OpEgal, 1.0))};
    TConstructeurDico constructeur(uneParUne.Dictionnaire);
    for (int i = 0; i < 3000; ++i) {
        std::string attribut(1, static_cast<char>('K' + tirage(5)));
        if (tirage(4) == 0) attribut = "\xC9T\xC9";  // bytes above 0x7F sort after ASCII
        TProposition p;
        switch (tirage(3)) {
            case 0: p = NouvelleProposition(attribut, static_cast<std::uint8_t>(tirage(6)), nombres[tirage(6)]); break;
            case 1: p = NouvelleProposition(attribut, OpEgal, std::string(1, static_cast<char>('X' + tirage(3)))); break;
            default: p = NouvelleProposition(attribut, static_cast<std::uint8_t>(6 + tirage(2)), ensembles[tirage(4)]);
        }
        ASSERT_EQ(constructeur.Ajoute(p), AjouteAuDico(uneParUne, p)) << i;
        ASSERT_EQ(constructeur.Nombre(), uneParUne.Dictionnaire.size());
    }
    std::vector<TProposition> construit = constructeur.Termine();
    ASSERT_EQ(construit.size(), uneParUne.Dictionnaire.size());
    for (std::size_t i = 0; i < construit.size(); ++i) {
        EXPECT_TRUE(Equivalence(construit[i], uneParUne.Dictionnaire[i])) << i;
        EXPECT_EQ(construit[i].Certitude, DegreNul);
    }
}

// A large base's dictionary is compiled in shares of the attributes, on
// several threads: whatever the number of shares, the same dictionary.
TEST(ConstructeurDicoTest, SharesGiveTheDictionaryOfOneBuilder) {
    std::mt19937 hasard(5);
    auto tirage = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(hasard); };
    auto proposition = [&] {
        const std::string attribut = "A" + std::to_string(tirage(40));
        return tirage(2) == 0 ? NouvelleProposition(attribut, OpEgal, static_cast<double>(tirage(4)))
                              : NouvelleProposition(attribut, OpEgal, std::string(1, static_cast<char>('X' + tirage(3))));
    };
    TBaseConnaissances base;
    base.Vide();
    for (int i = 0; i < 2000; ++i) {
        TRegle regle;
        for (int j = tirage(3); j >= 0; --j) regle.Premisses.push_back(proposition());
        regle.Conclusion = proposition();
        base.Regles.push_back(regle);
    }
    base.NbRegles = 1900;  // the last rules are not compiled
    base.DicoCree = true;
    base.Dictionnaire = {Entree(NouvelleProposition("A7", OpEgal, 9.0)), Entree(NouvelleProposition("B", OpEgal, 1.0))};
    auto compile = [&base](unsigned parts) {
        TBaseConnaissances copie = base;
        CompileDico(copie, parts);
        return Entrees(copie);
    };
    // The reference: the same entries added one by one (more than a batch
    // of the builder in every share).
    TBaseConnaissances uneParUne = base;
    for (int i = 0; i < base.NbRegles; ++i) {
        for (const TProposition& p : base.Regles[static_cast<std::size_t>(i)].Premisses) AjouteAuDico(uneParUne, p);
        AjouteAuDico(uneParUne, base.Regles[static_cast<std::size_t>(i)].Conclusion);
    }
    const auto attendu = Entrees(uneParUne);
    for (unsigned parts : {1u, 2u, 3u, 8u}) EXPECT_EQ(compile(parts), attendu) << parts << " shares";
}

}  // namespace
}  // namespace veridane
