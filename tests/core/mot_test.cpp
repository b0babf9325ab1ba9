#include "core/mot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veridane {
namespace {

// Words on each side of the fifteen bytes a word holds inline, and words that
// differ only in a zero byte or in their length.
const std::vector<std::string> Textes = {
    "",
    "A",
    std::string("A\0", 2),
    "ON",
    "OFF",
    std::string(14, 'X'),
    std::string(15, 'X'),
    std::string(15, 'X') + "Y",
    std::string(16, 'X'),
    std::string(300, 'Z'),
    "\xe9t\xe9",
};

TEST(MotTest, ReadsComparesAndHashesAsItsText) {
    for (const std::string& a : Textes) {
        SCOPED_TRACE(testing::PrintToString(a));
        const TMot mot(a);
        EXPECT_EQ(mot.vue(), a);
        EXPECT_EQ(mot.size(), a.size());
        EXPECT_EQ(mot.data()[a.size()], '\0');
        EXPECT_EQ(std::hash<TMot>{}(mot), std::hash<std::string_view>{}(a));
        EXPECT_EQ("<" + mot + ">", "<" + a + ">");
        for (const std::string& b : Textes) {
            const TMot autre(b);
            EXPECT_EQ(mot == autre, a == b) << testing::PrintToString(b);
            EXPECT_EQ(mot <=> autre, a <=> b) << testing::PrintToString(b);
            EXPECT_EQ(mot == b, a == b) << testing::PrintToString(b);
        }
    }
}

TEST(MotTest, CopiesMovesAndAssignsAcrossBothForms) {
    for (const std::string& a : Textes) {
        for (const std::string& b : Textes) {
            SCOPED_TRACE(testing::PrintToString(a) + " <- " + testing::PrintToString(b));
            TMot mot(a);
            const TMot source(b);
            mot = source;
            EXPECT_EQ(mot.vue(), b);
            EXPECT_EQ(mot, source);
            TMot deplace(a);
            TMot donneur(b);
            deplace = std::move(donneur);
            EXPECT_EQ(deplace.vue(), b);
            EXPECT_TRUE(donneur.empty());
            TMot construit(std::move(deplace));
            EXPECT_EQ(construit.vue(), b);
        }
        TMot mot(a);
        mot = mot;
        EXPECT_EQ(mot.vue(), a);
        // A part of the word itself, which the assignment must read before it
        // lets the old text go.
        if (!a.empty()) {
            mot = mot.vue().substr(1);
            EXPECT_EQ(mot.vue(), a.substr(1));
        }
        mot.clear();
        EXPECT_EQ(mot, TMot());
    }
}

}  // namespace
}  // namespace veridane
