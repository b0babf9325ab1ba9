#include "inference/correspondance.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "proposition_texte.h"

namespace veridane {
namespace {

using test::Brute;
using test::P;

struct CasCorrespondance {
    TProposition Fait;
    TProposition Premisse;
    int Attendu;
    const char* Libelle;
};

// Every row of the symbol and set tables, the uncovered combinations and the
// usual examples.
TEST(CorrespondanceTest, SymbolAndSetRows) {
    const std::vector<CasCorrespondance> cas{
        {P("Y = 5"), P("X = 5"), 1, "other attribute, numbers"},
        {P("Y IN { A }"), P("X = A"), 1, "other attribute, set and symbol"},
        {P("x = RED"), P("X = RED"), 1, "attribute names are case-sensitive"},
        // datum "=" number against non-numeric premises
        {P("X = 5"), P("X = RED"), 1, "number against symbol"},
        {P("X = 5"), P("X IN { RED }"), 1, "number against in"},
        {P("X = 5"), P("X NOT_IN { RED }"), 1, "number against not_in"},
        {P("X = 5"), Brute(OpDans, TypeNumerique), 1, "number against in with a number"},
        {P("X = 3"), P("X <> 3"), 0, "equal against different, same number"},
        {P("X = 3"), P("X <> 4"), 2, "equal against different, other number"},
        // datum "=" symbol
        {P("X = RED"), P("X = 5"), 1, "symbol against number ="},
        {P("X = RED"), P("X > 5"), 1, "symbol against number >"},
        {P("X = RED"), P("X = RED"), 2, "same symbol"},
        {P("X = RED"), P("X = BLUE"), 0, "other symbol"},
        {P("X = RED"), P("X = red"), 0, "symbols are case-sensitive"},
        {P("X = RED"), P("X IN { BLUE, RED }"), 2, "symbol in the set"},
        {P("X = RED"), P("X IN { BLUE, GREEN }"), 0, "symbol not in the set"},
        {P("X = RED"), P("X NOT_IN { BLUE, GREEN }"), 2, "symbol outside not_in"},
        {P("X = RED"), P("X NOT_IN { RED }"), 0, "symbol inside not_in"},
        {P("X = RED"), Brute(OpDans, TypeEnsemble), 0, "empty in set"},
        {P("X = RED"), Brute(OpHorsDe, TypeEnsemble), 2, "empty not_in set"},
        {P("X = RED"), Brute(OpDifferent, TypeSymbolique, "RED"), 1, "symbol against <> symbol"},
        {P("X = RED"), Brute(OpDifferent, TypeSymbolique, "BLUE"), 1, "symbol against <> other symbol"},
        {P("X = RED"), Brute(OpDans, TypeSymbolique, "", {"RED"}), 1, "in without the set kind"},
        {P("X = RED"), Brute(OpEgal, TypeEnsemble, "RED", {"RED"}), 1, "= with the set kind"},
        {P("X = RED"), P("X IN { }"), 0, "set of one empty word"},
        {Brute(OpEgal, TypeSymbolique, ""), P("X IN { }"), 2, "empty symbol in a set of one empty word"},
        // datum "=" with a set kind is covered by no row
        {Brute(OpEgal, TypeEnsemble, "", {"RED"}), P("X = RED"), 1, "= datum with a set"},
        {Brute(OpEgal, TypeEnsemble, "", {"RED"}), P("X IN { RED }"), 1, "= datum with a set against in"},
        // datum with a numeric operator against non-numeric premises
        {P("X > 5"), P("X = RED"), 1, "> against symbol"},
        {P("X <> 5"), P("X IN { RED }"), 1, "<> against in"},
        {P("X <= 5"), P("X NOT_IN { RED }"), 1, "<= against not_in"},
        {P("X > 5"), Brute(OpDans, TypeNumerique), 1, "> against in with a number"},
        {Brute(OpSuperieur, TypeSymbolique, "RED"), P("X = 5"), 1, "> datum with a symbol"},
        // datum "in"
        {P("X IN { LOW, MID }"), P("X = 5"), 1, "in against number ="},
        {P("X IN { LOW, MID }"), P("X < 5"), 1, "in against number <"},
        {P("X IN { LOW, MID }"), P("X = MID"), 2, "symbol among the data"},
        {P("X IN { LOW, MID }"), P("X = HIGH"), 0, "symbol not among the data"},
        {P("X IN { LOW, MID }"), P("X IN { HIGH, MID }"), 2, "a common word"},
        {P("X IN { LOW, MID }"), P("X IN { HIGH }"), 0, "no common word"},
        {P("X IN { LOW, MID }"), P("X NOT_IN { LOW }"), 2, "mid is outside"},
        {P("X IN { LOW, MID }"), P("X NOT_IN { LOW, MID, HIGH }"), 0, "every word inside"},
        {P("X IN { LOW, MID }"), Brute(OpDans, TypeSymbolique, "LOW"), 0, "in premise: only the operator counts"},
        {P("X IN { LOW, MID }"), Brute(OpDifferent, TypeSymbolique, "LOW"), 1, "in against <> symbol"},
        {Brute(OpDans, TypeSymbolique, "", {"LOW"}), P("X = LOW"), 2, "in datum: its kind is not tested"},
        {Brute(OpDans, TypeEnsemble), P("X NOT_IN { A }"), 0, "empty data set against not_in"},
        {Brute(OpDans, TypeEnsemble), P("X IN { A }"), 0, "empty data set against in"},
        // datum "not_in"
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X > 5"), 1, "not_in against number"},
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X = MID"), 0, "symbol excluded"},
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X = NONE"), 2, "symbol not excluded"},
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X IN { NONE, HIGH }"), 0, "in with an excluded word"},
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X IN { NONE }"), 2, "in with no excluded word"},
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X NOT_IN { MID, LOW }"), 2, "every premise word excluded"},
        {P("X NOT_IN { LOW, MID, HIGH }"), P("X NOT_IN { LOW, NONE }"), 1, "a premise word not excluded"},
        {P("X NOT_IN { LOW }"), Brute(OpHorsDe, TypeEnsemble), 2, "empty not_in premise"},
        {P("X NOT_IN { LOW }"), Brute(OpHorsDe, TypeSymbolique, "LOW"), 2, "not_in premise: only the operator"},
        {P("X NOT_IN { LOW }"), Brute(OpInferieur, TypeSymbolique, "LOW"), 1, "not_in against < symbol"},
        {Brute(OpAucun, TypeNumerique), P("X = 0"), 1, "no operator"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Correspondance(c.Fait, c.Premisse), c.Attendu)
            << c.Libelle << ": " << PropEnChaine(c.Fait) << " / " << PropEnChaine(c.Premisse);
}

// Every cell of the numeric table, each with the premise number below, equal
// to and above the datum's number (3, 5, 7 against 5).
struct CelluleNumerique {
    const char* Fait;      // operator of the datum, value 5
    const char* Premisse;  // operator of the premise
    const char* Attendus;  // results for premise values 3, 5, 7
};

TEST(CorrespondanceTest, NumericTableEveryCellAndBoundary) {
    const std::vector<CelluleNumerique> cellules{
        {"=", "=", "020"},   {"=", ">", "200"},   {"=", "<", "002"},
        {"=", ">=", "220"},  {"=", "<=", "022"},  {"=", "<>", "202"},
        {">", "=", "001"},   {">", ">", "221"},   {">", "<", "001"},
        {">", ">=", "211"},  {">", "<=", "011"},  {">", "<>", "221"},
        {"<", "=", "100"},   {"<", ">", "100"},   {"<", "<", "122"},
        {"<", ">=", "110"},  {"<", "<=", "112"},  {"<", "<>", "122"},
        {">=", "=", "011"},  {">=", ">", "211"},  {">=", "<", "011"},
        {">=", ">=", "221"}, {">=", "<=", "001"}, {">=", "<>", "211"},
        {"<=", "=", "110"},  {"<=", ">", "110"},  {"<=", "<", "112"},
        {"<=", ">=", "100"}, {"<=", "<=", "122"}, {"<=", "<>", "112"},
        {"<>", "=", "202"},  {"<>", ">", "221"},  {"<>", "<", "122"},
        {"<>", ">=", "211"}, {"<>", "<=", "112"}, {"<>", "<>", "121"},
    };
    ASSERT_EQ(cellules.size(), 36u);
    const char* valeurs[] = {"3", "5", "7"};
    for (const auto& c : cellules) {
        const auto fait = P(std::string("X ") + c.Fait + " 5");
        for (int k = 0; k < 3; ++k) {
            const auto premisse = P(std::string("X ") + c.Premisse + " " + valeurs[k]);
            EXPECT_EQ(Correspondance(fait, premisse), c.Attendus[k] - '0')
                << "X " << c.Fait << " 5 / X " << c.Premisse << " " << valeurs[k];
        }
    }
}

TEST(CorrespondanceTest, NumbersCompareExactly) {
    EXPECT_EQ(Correspondance(P("X = 0,5"), P("X = .5")), 2);
    EXPECT_EQ(Correspondance(P("X > 5"), P("X > 5.0000001")), 1);
    EXPECT_EQ(Correspondance(P("X = 0.1"), P("X = 0.10000001")), 0);
    EXPECT_EQ(Correspondance(P("X = -3"), P("X = -3")), 2);  // both read as the symbol -3
}

}  // namespace
}  // namespace veridane
