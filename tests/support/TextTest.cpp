#include "support/Text.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TEST(Text, CaseFollowsTheWindows1252Letters) {
    struct Case {
        const char* lower;
        const char* upper;
    };
    const Case cases[] = {
        {"abc xyz", "ABC XYZ"},
        {"ação à é í ó ú ü ñ", "AÇÃO À É Í Ó Ú Ü Ñ"},
        {"š œ ž ÿ", "Š Œ Ž Ÿ"},
        {"ł ő ż", "Ł Ő Ż"},
        {"1234 -_ \\ € ÷ ×", "1234 -_ \\ € ÷ ×"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpperCase(c.lower), c.upper) << c.lower;
        EXPECT_EQ(LowerCase(c.upper), c.lower) << c.upper;
    }
    // ß and µ have no single-letter partner in the code page and stay as they are.
    EXPECT_EQ(UpperCase("ß µ"), "ß µ");
    EXPECT_TRUE(SameText("NívelTransparência", "níveltransparÊncia"));
    EXPECT_FALSE(SameText("Config", "Configs"));
}

TEST(Text, CountsAndCutsInCharactersNotBytes) {
    EXPECT_EQ(CharCount("Água€"), 5u);
    EXPECT_EQ(CharLeft("Água€x", 5), "Água€");
    EXPECT_EQ(CharSubstr("çãé", 1, 1), "ã");
    EXPECT_EQ(CharSubstr("abc", 5, 2), "");
    EXPECT_EQ(CharLeft("a", 100), "a");
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
    const std::string bad = std::string("a\xC3") + "\xFF" + "\xE2\x82" + "b";
    EXPECT_EQ(CharCount(bad), 6u);
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(bad)), "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                                             "b");
    // An overlong encoding of '/' is not accepted as '/'.
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), std::u16string(u"\uFFFD\uFFFD"));
}

TEST(Text, Utf16RoundTripIncludingSurrogatePairs) {
    const std::string s = "Pasta ç € 𝄞 日本";
    const std::u16string w = Utf8ToUtf16(s);
    EXPECT_EQ(w, u"Pasta ç € 𝄞 日本");
    EXPECT_EQ(Utf16ToUtf8(w), s);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Text, TrimRemovesEveryCharacterUpToSpace) {
    EXPECT_EQ(Trim(" \t\r\n x y \x01"), "x y");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(" ç "), "ç");
}

}  // namespace
}  // namespace nq
