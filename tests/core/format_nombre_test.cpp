#include "core/format_nombre.h"

#include <gtest/gtest.h>

namespace veridane {
namespace {

struct CasFormat {
    double Valeur;
    int Chiffres;
    const char* Attendu;
};

class FormatGeneralTest : public ::testing::TestWithParam<CasFormat> {};

TEST_P(FormatGeneralTest, WritesShortestForm) {
    const auto& cas = GetParam();
    EXPECT_EQ(FormatGeneral(cas.Valeur, cas.Chiffres), cas.Attendu) << cas.Valeur;
}

INSTANTIATE_TEST_SUITE_P(Cases, FormatGeneralTest,
                         ::testing::Values(CasFormat{0, 7, "0"}, CasFormat{3, 7, "3"}, CasFormat{0.5, 7, "0.5"},
                                           CasFormat{-3, 7, "-3"}, CasFormat{38.5, 7, "38.5"},
                                           CasFormat{37.25, 4, "37.25"}, CasFormat{12345, 4, "1.235E4"},
                                           CasFormat{0.0001, 7, "0.0001"}, CasFormat{0.00005, 7, "5E-5"},
                                           CasFormat{12345678, 7, "1.234568E7"}, CasFormat{1234567, 7, "1234567"},
                                           CasFormat{1234567.4, 7, "1234567"}, CasFormat{9999999.6, 7, "1E7"},
                                           CasFormat{99.99, 3, "100"}, CasFormat{0.85 * 100, 7, "85"},
                                           CasFormat{3.14159, 4, "3.142"}, CasFormat{3.14159, 7, "3.14159"},
                                           CasFormat{-0.00012345, 3, "-0.000123"}, CasFormat{1e-10, 7, "1E-10"},
                                           CasFormat{2.5e20, 7, "2.5E20"}, CasFormat{0.1 + 0.2, 7, "0.3"}));

TEST(FormatGeneralTest, UsesTheGivenDecimalSeparator) {
    EXPECT_EQ(FormatGeneral(38.5, 7, ','), "38,5");
    EXPECT_EQ(FormatGeneral(12345, 4, ','), "1,235E4");
}

}  // namespace
}  // namespace veridane
