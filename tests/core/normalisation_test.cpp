#include "core/normalisation.h"

#include <gtest/gtest.h>

#include "core/encodage.h"

namespace veridane {
namespace {

struct CasNom {
    const char* Texte;  // Windows-1252 bytes
    const char* Attendu;
};

TEST(FaitChaineTest, NormalisesTypedNames) {
    const CasNom cas[] = {
        {"Temp\xE9rature  moyenne ", "TEMPERATURE_MOYENNE_"},
        {" a--b ", "AB_"},
        {"", ""},
        {"   ", ""},
        {"__a__b__", "A_B_"},
        {"x.y,z-1", "XYZ1"},
        {"\x8C\x9C", "OEOE"},
        {"\x9F\xA5\xDD\xFF", "YYYY"},
        {"\xC0\xC5\xE0\xE5", "AAAA"},
        {"\xC6\xE6", "AEAE"},
        {"\xC7\xE7", "CC"},
        {"\xC8\xCB\xE8\xEB", "EEEE"},
        {"\xCC\xCF\xEC\xEF", "IIII"},
        {"\xD2\xD6\xF2\xF6", "OOOO"},
        {"\xD9\xDC\xF9\xFC", "UUUU"},
        // Dropped: N and n with tilde, O slashed, sharp s, eth, thorn, y acute, controls.
        {"a\xD1\xF1\xD8\xF8\xDF\xD0\xF0\xDE\xFE\xFD\t\x01z", "AZ"},
        {"a \t b", "A_B"},
        {"\xE9 t\xE9", "E_TE"},
    };
    for (const auto& c : cas) EXPECT_EQ(FaitChaine(c.Texte), c.Attendu) << Utf8DepuisWindows1252(c.Texte);
}

TEST(FaitChaineTest, ResultNeverStartsWithOrDoublesAnUnderscore) {
    for (const char* texte : {" _ x", "x _ _ y", "-_-x"}) {
        std::string r = FaitChaine(texte);
        ASSERT_FALSE(r.empty());
        EXPECT_NE(r.front(), '_') << texte;
        EXPECT_EQ(r.find("__"), std::string::npos) << texte;
    }
}

TEST(Utf8DepuisWindows1252Test, ConvertsEveryRange) {
    const std::pair<const char*, const char*> cas[] = {
        {"abc", "abc"},
        {"\xE9", "\xC3\xA9"},
        {"\x80", "\xE2\x82\xAC"},
        {"\x9F", "\xC5\xB8"},
        {"\x81", "\xC2\x81"},  // undefined byte kept as its C1 control
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"\x93x\x94", "\xE2\x80\x9Cx\xE2\x80\x9D"},
    };
    for (const auto& [entree, sortie] : cas) EXPECT_EQ(Utf8DepuisWindows1252(entree), sortie) << entree;
    EXPECT_EQ(Utf8DepuisWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Windows1252DepuisUtf8Test, UndoesTheOtherWayAndKeepsWhatIsNotUtf8) {
    std::string tous;
    for (int octet = 1; octet < 256; ++octet) tous += static_cast<char>(octet);
    EXPECT_EQ(Windows1252DepuisUtf8(Utf8DepuisWindows1252(tous)), tous);
    const std::pair<const char*, const char*> cas[] = {
        {"\xE9t\xE9", "\xE9t\xE9"},          // Latin-1 bytes, not UTF-8
        {"\xC3", "\xC3"},                     // a sequence cut short
        {"\xE2\x82x", "\xE2\x82x"},
        {"\xF0\x9F\x98\x80!", "?!"},          // outside Windows-1252
        {"\xE2\x84\xA2", "\x99"},             // the trade mark sign
    };
    for (const auto& [entree, sortie] : cas) EXPECT_EQ(Windows1252DepuisUtf8(entree), sortie) << entree;
}

}  // namespace
}  // namespace veridane
