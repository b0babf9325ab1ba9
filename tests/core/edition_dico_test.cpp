#include "core/edition_dico.h"

#include <gtest/gtest.h>

#include "core/journal.h"
#include "core/proposition.h"

namespace veridane {
namespace {

TProposition Entree(const std::string& attribut, std::uint8_t op, double reel) {
    TProposition p = NouvelleProposition(attribut, op, reel);
    p.Certitude = p.Precision = DegreNul;
    return p;
}
TProposition Entree(const std::string& attribut, std::uint8_t op, std::vector<std::string> mots) {
    TProposition p = NouvelleProposition(attribut, op, std::move(mots));
    p.Certitude = p.Precision = DegreNul;
    return p;
}

// An entry composed as the person would: attribute, operator, then values.
TFaitEnCours Compose(const std::string& attribut, std::uint8_t op, const std::vector<std::string>& valeurs) {
    TFaitEnCours fait;
    fait.ChangeAttribut(attribut);
    fait.ChoisitOperateur(op);
    for (const auto& v : valeurs) {
        if (op == OpDans || op == OpHorsDe)
            fait.AjouteValeur(v);
        else
            fait.ChangeValeur(v);
    }
    return fait;
}

struct CasAttribut {
    const char* Tape;
    const char* Attendu;
    bool Valide;
};

class AttributTest : public ::testing::TestWithParam<CasAttribut> {};

TEST_P(AttributTest, NormalisesWhatIsTyped) {
    TFaitEnCours fait;
    fait.ChangeAttribut(GetParam().Tape);
    EXPECT_EQ(fait.Attribut, GetParam().Attendu);
    EXPECT_EQ(fait.AttributValide, GetParam().Valide);
}

INSTANTIATE_TEST_SUITE_P(Cases, AttributTest,
                         ::testing::Values(CasAttribut{"  Temp\xE9rature  moyenne ", "TEMPERATURE_MOYENNE_", true},
                                           CasAttribut{"--", "", false}, CasAttribut{" a--b ", "AB_", true},
                                           CasAttribut{"", "", false}, CasAttribut{"_ _x", "X", true},
                                           CasAttribut{"\x9C" "uf \xC7" "a", "OEUF_CA", true},
                                           CasAttribut{"\xD1\xF8\xDF", "", false}));

struct CasValeur {
    std::uint8_t Operateur;
    std::vector<std::string> Tapes;  // successive texts of the value field
    std::uint8_t Type;
    double Reel;
    const char* Modalite;
    bool Valide;
};

class ValeurTest : public ::testing::TestWithParam<CasValeur> {};

TEST_P(ValeurTest, InterpretsTheFieldByOperator) {
    const CasValeur& cas = GetParam();
    TFaitEnCours fait = Compose("T", cas.Operateur, cas.Tapes);
    EXPECT_EQ(fait.ValeurValide, cas.Valide);
    if (!cas.Valide) return;
    EXPECT_EQ(fait.TypeValeur, cas.Type);
    if (cas.Type == TypeNumerique) {
        EXPECT_DOUBLE_EQ(fait.Reel, cas.Reel);
    } else if (cas.Type == TypeSymbolique) {
        EXPECT_EQ(fait.Modalite, cas.Modalite);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValeurTest,
    ::testing::Values(CasValeur{OpEgal, {"38,5"}, TypeNumerique, 38.5, "", true},
                      CasValeur{OpEgal, {"red wine"}, TypeSymbolique, 0, "RED_WINE", true},
                      CasValeur{OpEgal, {"-3"}, TypeNumerique, -3, "", true},
                      CasValeur{OpEgal, {"--"}, TypeSymbolique, 0, "", false},
                      CasValeur{OpEgal, {"12", "12a"}, TypeSymbolique, 0, "12A", true},
                      CasValeur{OpSuperieur, {"12", "12a"}, TypeNumerique, 12, "", true},
                      CasValeur{OpInferieurEgal, {" 1e3"}, TypeNumerique, 1000, "", true},
                      CasValeur{OpDifferent, {"abc"}, TypeNumerique, 0, "", false},
                      CasValeur{OpSuperieur, {""}, TypeNumerique, 0, "", false}));

TEST(FaitEnCoursTest, SetValuesAreNormalisedAndKeptInOrder) {
    TFaitEnCours fait = Compose("colour", OpDans, {"1.5", "--", "red", "red"});
    ASSERT_EQ(fait.Liste.size(), 3u);
    EXPECT_EQ(fait.Liste[0].Nom, "15");
    EXPECT_EQ(fait.Liste[1].Nom, "RED");
    EXPECT_EQ(fait.Liste[2].Nom, "RED");
    EXPECT_TRUE(fait.RetireValeur(1));
    EXPECT_FALSE(fait.RetireValeur(5));
    EXPECT_EQ(fait.AffFait('.'), "COLOUR in { 15, RED }");
}

TEST(FaitEnCoursTest, OperatorChoiceSetsKindAndValidity) {
    TFaitEnCours fait = Compose("x", OpDans, {"a"});
    EXPECT_TRUE(fait.ValeurValide);
    EXPECT_EQ(fait.TypeValeur, TypeEnsemble);
    EXPECT_FALSE(fait.ChoisitOperateur(OpEgal));  // "=" keeps the kind
    EXPECT_EQ(fait.TypeValeur, TypeEnsemble);
    EXPECT_FALSE(fait.ValeurValide);
    fait.ChoisitOperateur(OpSuperieur);
    EXPECT_EQ(fait.TypeValeur, TypeNumerique);
    EXPECT_TRUE(fait.ChoisitOperateur(OpHorsDe));
    ASSERT_EQ(fait.Liste.size(), 1u);  // the set typed before is kept
    fait.ChoisitOperateur(OpAucun);
    EXPECT_FALSE(fait.OperateurValide);
}

struct CasLigne {
    TFaitEnCours Fait;
    char Separateur;
    const char* Attendu;
};

TEST(FaitEnCoursTest, AntecedentLine) {
    const CasLigne cas[] = {
        {TFaitEnCours{}, '.', "[Attribute]  [Operator] [Value(s)]"},
        {Compose("age", OpAucun, {}), '.', "AGE  [Operator] [Value(s)]"},
        {Compose("age", OpSuperieur, {}), '.', "AGE > [Value(s)]"},
        {Compose("age", OpSuperieur, {"18"}), '.', "AGE > 18"},
        {Compose("t", OpEgal, {"38.5"}), ',', "T = 38,5"},
        {Compose("", OpEgal, {"red"}), '.', "[Attribute] = RED"},
        {Compose("c", OpHorsDe, {"red", "blue"}), '.', "C not_in { RED, BLUE }"},
        {Compose("c", OpDans, {}), '.', "C in {  }"},
    };
    for (const auto& c : cas) EXPECT_EQ(c.Fait.AffFait(c.Separateur), c.Attendu);
}

TEST(FaitEnCoursTest, PropositionIsADictionaryEntry) {
    TFaitEnCours fait = Compose("c", OpDans, {"a"});
    fait.ChoisitOperateur(OpSuperieur);
    fait.ChangeValeur("4");
    TProposition p = fait.Proposition();
    EXPECT_EQ(p.Certitude, DegreNul);
    EXPECT_EQ(p.Precision, DegreNul);
    EXPECT_TRUE(p.Liste.empty());  // only a set owns words
    EXPECT_TRUE(Equivalence(p, Entree("C", OpSuperieur, 4.0)));
}

std::vector<TProposition> DicoExemple() {
    return {Entree("A", OpEgal, 1.0), Entree("B", OpEgal, 1.0), Entree("B", OpEgal, 2.0),
            Entree("COLOUR", OpDans, std::vector<std::string>{"BLUE", "RED"})};
}

struct CasAjout {
    TFaitEnCours Fait;
    TVerdictAjout Verdict;
    std::size_t Index;
    const char* Message;  // "" when accepted
};

TEST(ControleAjoutTest, ChecksInOrderWithTheirMessages) {
    const CasAjout cas[] = {
        {Compose("--", OpEgal, {"1"}), TVerdictAjout::Refuse, 0, "Adding impossible: attribute incorrect."},
        {Compose("", OpAucun, {}), TVerdictAjout::Refuse, 0, "Adding impossible: attribute incorrect."},
        {Compose("b", OpAucun, {}), TVerdictAjout::Refuse, 0, "Adding impossible: operateur incorrect."},
        {Compose("b", OpSuperieur, {"x"}), TVerdictAjout::Refuse, 0, "Adding impossible: value incorrect."},
        {Compose("b", OpDans, {}), TVerdictAjout::Refuse, 0, "Adding impossible: list of values is empty."},
        {Compose("b", OpEgal, {"2"}), TVerdictAjout::Doublon, 0, "Adding impossible: data already in dictionary."},
        {Compose("colour", OpDans, {"blue", "red"}), TVerdictAjout::Doublon, 0,
         "Adding impossible: data already in dictionary."},
        // Set order matters: the same words in another order are new.
        {Compose("colour", OpDans, {"red", "blue"}), TVerdictAjout::Accepte, 4, ""},
        // After the entries of the same attribute, before a greater one.
        {Compose("b", OpEgal, {"3"}), TVerdictAjout::Accepte, 3, ""},
        {Compose("aa", OpEgal, {"x"}), TVerdictAjout::Accepte, 1, ""},
        {Compose("0", OpEgal, {"x"}), TVerdictAjout::Accepte, 0, ""},
        {Compose("z", OpEgal, {"x"}), TVerdictAjout::Accepte, 4, ""},
    };
    const auto dico = DicoExemple();
    for (const auto& c : cas) {
        TDialoguesJournal journal;
        TControleAjout controle = ControleAjout(c.Fait, dico, journal);
        SCOPED_TRACE(c.Fait.AffFait('.'));
        EXPECT_EQ(controle.Verdict, c.Verdict);
        if (c.Verdict == TVerdictAjout::Accepte) {
            EXPECT_EQ(controle.Index, c.Index);
            EXPECT_TRUE(journal.Messages.empty());
        } else {
            ASSERT_EQ(journal.Messages.size(), 1u);
            EXPECT_EQ(journal.Messages[0],
                      (TMessageJournal{TGenreMessage::Information, c.Message, TBoutons::Ok}));
        }
    }
}

TBaseConnaissances BaseAvecRegles() {
    TBaseConnaissances base;
    base.Vide();
    base.Dictionnaire = DicoExemple();
    base.NbFaitsDico = 4;
    auto regle = [](std::vector<TProposition> premisses, TProposition conclusion, double priorite) {
        TRegle r;
        r.Premisses = std::move(premisses);
        r.Conclusion = std::move(conclusion);
        r.NbPremissesRestantes = static_cast<int>(r.Premisses.size());
        r.Priorite = priorite;
        return r;
    };
    base.Regles.push_back(regle({NouvelleProposition("X", OpEgal, 1.0)}, NouvelleProposition("A", OpEgal, 1.0), 0.9));
    base.Regles.push_back(regle({NouvelleProposition("X", OpEgal, 2.0)}, NouvelleProposition("Y", OpEgal, 1.0), 0.5));
    base.Regles.push_back(regle({NouvelleProposition("X", OpEgal, 3.0),
                                 NouvelleProposition("COLOUR", OpDans, std::vector<std::string>{"BLUE", "RED"})},
                                NouvelleProposition("Y", OpEgal, 2.0), 0.3));
    base.NbRegles = 3;
    return base;
}

TEST(FaitUtiliseTest, FindsTheFirstRuleUsingTheEntry) {
    TBaseConnaissances base = BaseAvecRegles();
    EXPECT_EQ(FaitUtilise(base, Entree("A", OpEgal, 1.0)), 1);  // a conclusion
    EXPECT_EQ(FaitUtilise(base, Entree("COLOUR", OpDans, std::vector<std::string>{"BLUE", "RED"})), 3);
    EXPECT_EQ(FaitUtilise(base, Entree("COLOUR", OpDans, std::vector<std::string>{"RED", "BLUE"})), 0);
    EXPECT_EQ(FaitUtilise(base, Entree("B", OpEgal, 1.0)), 0);
    EXPECT_EQ(FaitUtilise(base, Entree("A", OpSuperieur, 1.0)), 0);
    base.BaseReglesOuverte = false;
    EXPECT_EQ(FaitUtilise(base, Entree("A", OpEgal, 1.0)), 0);
}

TEST(FaitUtiliseTest, RemovalRefusedWithTheRuleNumber) {
    TBaseConnaissances base = BaseAvecRegles();
    TDialoguesJournal journal;
    EXPECT_FALSE(ControleRetrait(base, base.Dictionnaire[3], journal));
    EXPECT_TRUE(ControleRetrait(base, base.Dictionnaire[1], journal));
    ASSERT_EQ(journal.Messages.size(), 1u);
    EXPECT_EQ(journal.Messages[0],
              (TMessageJournal{TGenreMessage::Information, "Removal impossible: data used in rule 3", TBoutons::Ok}));
    base.NbRegles = 0;  // no rule: anything may go
    EXPECT_TRUE(ControleRetrait(base, base.Dictionnaire[3], journal));
    EXPECT_EQ(journal.Messages.size(), 1u);
}

TEST(DictionnaireEditionTest, AttributesOnceAndTitles) {
    TBaseConnaissances base = BaseAvecRegles();
    EXPECT_EQ(TrouveLesAttributs(base), (std::vector<std::string>{"A", "B", "COLOUR"}));
    EXPECT_EQ(TitreDico(4), "Data Dictionary: 4 data");
    EXPECT_EQ(TitreDico(0), "Data Dictionary: no data");
    base.Dictionnaire.clear();
    base.NbFaitsDico = 0;
    EXPECT_EQ(TrouveLesAttributs(base), (std::vector<std::string>{" Data dictionary is empty "}));
}

}  // namespace
}  // namespace veridane
