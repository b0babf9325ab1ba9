#include "inference/parametres.h"

#include <gtest/gtest.h>

namespace veridane {
namespace {

TEST(LitDegreTest, AcceptsZeroToOneWithPointOrComma) {
    EXPECT_EQ(LitDegre("0,5"), 0.5);
    EXPECT_EQ(LitDegre("0.5"), 0.5);
    EXPECT_EQ(LitDegre("1"), 1.0);
    EXPECT_EQ(LitDegre("0"), 0.0);
    EXPECT_EQ(LitDegre("  .25"), 0.25);
    EXPECT_EQ(LitDegre("5E-1"), 0.5);
}

TEST(LitDegreTest, RefusesOutOfRangeAndMalformedTexts) {
    for (const char* texte : {"1.01", "-0.1", "abc", "", "0.5x", "0.5 ", "1e", "."})
        EXPECT_FALSE(LitDegre(texte).has_value()) << '"' << texte << '"';
}

}  // namespace
}  // namespace veridane
