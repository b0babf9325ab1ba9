// Premise matching between sets of 100,000 words: the table's answer, in
// time proportional to the sets (a pairwise comparison took a minute).
#include <gtest/gtest.h>

#include "core/proposition.h"
#include "inference/correspondance.h"

namespace veridane {
namespace {

std::vector<std::string> Mots(const char* prefixe, int nombre) {
    std::vector<std::string> mots;
    for (int i = 0; i < nombre; ++i) mots.push_back(prefixe + std::to_string(i));
    return mots;
}

TEST(HostileCorrespondance, SetsOfManyWordsGetTheTablesAnswer) {
    const int n = 100000;
    auto a = Mots("A", n), b = Mots("B", n), ab = Mots("A", n);
    ab.push_back("B0");
    struct Cas {
        std::uint8_t opFait;
        std::vector<std::string> fait;
        std::uint8_t opPremisse;
        std::vector<std::string> premisse;
        int attendu;
    };
    const Cas cas[] = {
        {OpDans, a, OpDans, b, Contredite},        // no word in common
        {OpDans, ab, OpDans, b, Satisfaite},       // one word in common
        {OpDans, a, OpHorsDe, a, Contredite},      // every word excluded
        {OpDans, ab, OpHorsDe, a, Satisfaite},     // one word outside
        {OpHorsDe, a, OpDans, b, Satisfaite},      // nothing in common: cannot be in b
        {OpHorsDe, ab, OpHorsDe, a, Satisfaite},   // every word the premise excludes is excluded
        {OpHorsDe, a, OpHorsDe, ab, SansRapport},  // the premise excludes a word the datum allows
    };
    for (const Cas& c : cas) {
        int resultat = Correspondance(NouvelleProposition("X", c.opFait, c.fait),
                                      NouvelleProposition("X", c.opPremisse, c.premisse));
        EXPECT_EQ(resultat, c.attendu) << int(c.opFait) << " " << c.fait.size() << " / " << int(c.opPremisse) << " "
                                       << c.premisse.size();
    }
}

}  // namespace
}  // namespace veridane
