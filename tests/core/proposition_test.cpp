#include "core/proposition.h"

#include <gtest/gtest.h>

#include "core/journal.h"

namespace veridane {
namespace {

// Reads "ATTR OP value" as the readers do and describes the result.
struct Lu {
    std::string Attribut;
    std::uint8_t Operateur;
    TProposition P;
    std::size_t Fin;
};

Lu LitProposition(const std::string& texte) {
    Lu lu{};
    std::size_t pos = 0;
    SauteBlancs(texte, pos);
    lu.Attribut = TrouveAttribut(texte, pos);
    SauteBlancs(texte, pos);
    lu.Operateur = TrouveOperateur(texte, pos);
    GereModalite(texte, pos, lu.Operateur, lu.P);
    lu.Fin = pos;
    return lu;
}

struct CasValeur {
    const char* Texte;
    std::uint8_t Operateur;
    std::uint8_t Type;
    double Reel;
    const char* Modalite;
    std::vector<std::string> Ensemble;
};

TEST(GereModaliteTest, ReadsEachKindOfValue) {
    const CasValeur cas[] = {
        {"X = 3", OpEgal, TypeNumerique, 3, "", {}},
        {"X = .5", OpEgal, TypeNumerique, 0.5, "", {}},
        {"X = ,5", OpEgal, TypeNumerique, 0.5, "", {}},
        {"X = 2,5E3", OpEgal, TypeNumerique, 2500, "", {}},
        {"X = -3", OpEgal, TypeSymbolique, 0, "-3", {}},
        {"X = +3", OpEgal, TypeSymbolique, 0, "+3", {}},
        {"X = YES", OpEgal, TypeSymbolique, 0, "YES", {}},
        {"X = A(1)=[2]", OpEgal, TypeSymbolique, 0, "A(1)=[2]", {}},
        {"X > -3", OpSuperieur, TypeNumerique, -3, "", {}},
        {"X > ABC", OpSuperieur, TypeNumerique, -1, "", {}},
        {"X < 1E", OpInferieur, TypeNumerique, -1, "", {}},
        {"X >= 1E-2", OpSuperieurEgal, TypeNumerique, 0.01, "", {}},
        {"X <> 12(", OpDifferent, TypeNumerique, 12, "", {}},
        {"X = 37;", OpEgal, TypeNumerique, -1, "", {}},
        {"X = 3 ;", OpEgal, TypeNumerique, 3, "", {}},
        {"X <=", OpInferieurEgal, TypeNumerique, -1, "", {}},
        {"X IN {A,B}", OpDans, TypeEnsemble, 0, "", {"A", "B"}},
        {"X IN { A , B }", OpDans, TypeEnsemble, 0, "", {"A", "B"}},
        {"X NOT_IN {A}", OpHorsDe, TypeEnsemble, 0, "", {"A"}},
        {"X IN { }", OpDans, TypeEnsemble, 0, "", {""}},
        {"X IN { A,,B }", OpDans, TypeEnsemble, 0, "", {"A", "", "B"}},
        {"X IN { A, B", OpDans, TypeEnsemble, 0, "", {"A", "B"}},
        {"X IN { A B }", OpDans, TypeEnsemble, 0, "", {"A"}},
        {"X IN (A}", OpDans, TypeEnsemble, 0, "", {"A"}},
    };
    for (const auto& c : cas) {
        Lu lu = LitProposition(c.Texte);
        EXPECT_EQ(lu.Attribut, "X") << c.Texte;
        EXPECT_EQ(lu.Operateur, c.Operateur) << c.Texte;
        EXPECT_EQ(lu.P.TypeValeur, c.Type) << c.Texte;
        if (c.Type == TypeNumerique) {
            EXPECT_EQ(lu.P.Reel, c.Reel) << c.Texte;
        }
        if (c.Type == TypeSymbolique) {
            EXPECT_EQ(lu.P.Modalite, c.Modalite) << c.Texte;
        }
        std::vector<std::string> mots;
        for (const auto& m : lu.P.Liste) mots.push_back(m.Nom);
        EXPECT_EQ(mots, c.Ensemble) << c.Texte;
    }
}

TEST(TrouveOperateurTest, ComparesExactlyAndCaseSensitively) {
    const std::pair<const char*, std::uint8_t> cas[] = {
        {"=", OpEgal},       {">", OpSuperieur},      {"<", OpInferieur},  {">=", OpSuperieurEgal},
        {"<=", OpInferieurEgal}, {"<>", OpDifferent}, {"IN", OpDans},      {"NOT_IN", OpHorsDe},
        {"in", OpAucun},     {"not_in", OpAucun},     {"==", OpAucun},     {"=>", OpAucun},
        {"", OpAucun},       {"IN{", OpDans},         {"INSIDE", OpAucun},
    };
    for (const auto& [texte, code] : cas) {
        std::size_t pos = 0;
        EXPECT_EQ(TrouveOperateur(texte, pos), code) << '"' << texte << '"';
    }
    EXPECT_EQ(LitProposition("X in { A }").Operateur, OpAucun);
}

TEST(ScannersTest, PositionsStopOnTheEndingCharacter) {
    std::size_t pos = 2;
    EXPECT_EQ(TrouveAttribut("  AGE>12 ;", pos), "AGE>12");
    EXPECT_EQ(pos, 8u);
    pos = 0;
    EXPECT_EQ(TrouveAttribut(";X", pos), "");
    EXPECT_EQ(pos, 0u);
    pos = 5;
    EXPECT_EQ(TrouveAttribut("ABC", pos), "");
    pos = 0;
    EXPECT_EQ(TrouveReel("0.75]", pos), 0.75);
    EXPECT_EQ(pos, 4u);
    pos = 0;
    EXPECT_EQ(TrouveReel("", pos), -1);
    EXPECT_TRUE(CestUnReel("   ,5", 0));
    EXPECT_FALSE(CestUnReel("  -5", 0));
    EXPECT_FALSE(CestUnReel("   ", 0));
}

// A value cut by the end of the text leaves the position at the end, never
// past it, whatever position the caller starts from.
TEST(ScannersTest, GereModaliteStopsAtTheEndOfTheText) {
    struct Cas {
        const char* Texte;
        std::size_t Depart;
        std::uint8_t Operateur;
        std::vector<std::string> Ensemble;
    };
    const Cas cas[] = {
        {"X NOT_IN", 8, OpHorsDe, {""}},
        {"X IN ", 4, OpDans, {""}},
        {"X IN {", 4, OpDans, {""}},
        {"X IN { A,", 4, OpDans, {"A", ""}},
        {"X IN { A ,  ", 4, OpDans, {"A", ""}},
        {"X =", 3, OpEgal, {}},
        {"X >   ", 3, OpSuperieur, {}},
        {"X IN", 9, OpDans, {""}},  // a caller's position past the end
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.Texte);
        std::string texte = c.Texte;
        std::size_t pos = c.Depart;
        TProposition p;
        GereModalite(texte, pos, c.Operateur, p);
        EXPECT_EQ(pos, texte.size());
        std::vector<std::string> mots;
        for (const TModalite& m : p.Liste) mots.push_back(m.Nom);
        EXPECT_EQ(mots, c.Ensemble);
    }
}

std::vector<TProposition> Dico(std::initializer_list<std::pair<const char*, double>> entrees) {
    std::vector<TProposition> dico;
    for (const auto& [a, v] : entrees) dico.push_back(NouvelleProposition(a, OpEgal, v));
    return dico;
}

TEST(FaitPresentTest, FindsEqualEntriesAndTheInsertionIndex) {
    const auto dico = Dico({{"A", 1}, {"B", 1}, {"B", 2}, {"C", 1}});
    struct Cas {
        TProposition Cherche;
        bool Trouve;
        std::size_t Index;
    };
    const Cas cas[] = {
        {NouvelleProposition("B", OpEgal, 3.0), false, 3},
        {NouvelleProposition("B", OpEgal, 2.0), true, 2},
        {NouvelleProposition("A", OpEgal, 1.0), true, 0},
        {NouvelleProposition("0", OpEgal, 1.0), false, 0},
        {NouvelleProposition("D", OpEgal, 1.0), false, 4},
        {NouvelleProposition("B", OpSuperieur, 2.0), false, 3},
        {NouvelleProposition("B", OpEgal, std::string("2")), false, 3},
        {NouvelleProposition("\xC9", OpEgal, 1.0), false, 4},  // byte order: 0xC9 after ASCII
    };
    for (const auto& c : cas) {
        TRecherche r = FaitPresent(dico, c.Cherche);
        EXPECT_EQ(r.Trouve, c.Trouve) << PropEnChaine(c.Cherche);
        EXPECT_EQ(r.Index, c.Index) << PropEnChaine(c.Cherche);
    }
    EXPECT_EQ(FaitPresent({}, NouvelleProposition("A", OpEgal, 1.0)).Index, 0u);
}

TEST(EquivalenceTest, IgnoresDegreesAndValidationButNotSetOrder) {
    TProposition a = NouvelleProposition("C", OpDans, std::vector<std::string>{"R", "B"});
    TProposition b = a;
    b.Certitude = 0;
    b.Precision = 3;
    b.Validee = true;
    EXPECT_TRUE(Equivalence(a, b));
    b.Liste = {{"B"}, {"R"}};
    EXPECT_FALSE(Equivalence(a, b));
    EXPECT_TRUE(Equivalence(NouvelleProposition("X", OpEgal, 0.0), NouvelleProposition("X", OpEgal, -0.0)));
    EXPECT_FALSE(Equivalence(NouvelleProposition("X", OpEgal, 1.0), NouvelleProposition("X", OpEgal, std::string("1"))));
}

TEST(PropEnChaineTest, WritesEachKind) {
    EXPECT_EQ(PropEnChaine(NouvelleProposition("COLOR", OpDans, std::vector<std::string>{"RED", "BLUE"})),
              "COLOR in { RED, BLUE }");
    EXPECT_EQ(PropEnChaine(NouvelleProposition("T", OpSuperieurEgal, 38.5), ','), "T >= 38,5");
    EXPECT_EQ(PropEnSupChaine(NouvelleProposition("K", OpHorsDe, std::vector<std::string>{})), "K not_in { ");
    EXPECT_EQ(PropEnChaine(NouvelleProposition("D", OpEgal, std::string("FLU"))), "D = FLU");
    EXPECT_EQ(FaitNomDico("/p/FLU.RUL"), "/p/FLU.dic");
}

struct CasDegre {
    double Degre;
    std::int32_t Code;
};

TEST(CodeReelTest, BandsAndWarnings) {
    const CasDegre cas[] = {{0, 0},   {1e-9, 1}, {0.1, 1},  {0.2, 1},  {0.2000001, 2}, {0.4, 2}, {0.5, 3},
                            {0.6, 3}, {0.7, 4},  {0.8, 4},  {0.85, 5}, {0.95, 5},      {0.9999999, 5}, {1, 6}};
    TDialoguesJournal dialogues;
    for (const auto& c : cas) EXPECT_EQ(CodeReel(c.Degre, 1, dialogues), c.Code) << c.Degre;
    EXPECT_TRUE(dialogues.Messages.empty());

    EXPECT_FALSE(CodeReel(-0.1, 4, dialogues));
    EXPECT_FALSE(CodeReel(1.5, 7, dialogues));
    EXPECT_EQ(dialogues.Textes(), (std::vector<std::string>{"Error in rule 4: coefficients must been positive",
                                                            "Error in rule 7: coefficients must been smaller than one"}));
    EXPECT_EQ(dialogues.NbAvertissements(), 2);
    for (std::int32_t code = 0; code <= 6; ++code) EXPECT_EQ(CodeReel(ReelCode(code), 1, dialogues), code);
}

}  // namespace
}  // namespace veridane
