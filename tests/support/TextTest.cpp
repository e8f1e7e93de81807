#include "support/Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

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

// The one integer reader in each of its forms: what each accepts and refuses, at the type's edges too.
TEST(Text, LerInteiroReadsANumberInTheFormItIsAskedFor) {
    using F = TFormaInteiro;
    struct Case {
        const char* texto;
        F forma;
        std::optional<int> valor;
    };
    const Case cases[] = {
        {"42", F::Exata, 42},
        {"-42", F::Exata, -42},
        {"0042", F::Exata, 42},
        {"2147483647", F::Exata, 2147483647},
        {"-2147483648", F::Exata, -2147483647 - 1},
        {"2147483648", F::Exata, std::nullopt},  // beyond an int
        {"-2147483649", F::Exata, std::nullopt},
        {"", F::Exata, std::nullopt},
        {"-", F::Exata, std::nullopt},
        {"+42", F::Exata, std::nullopt},
        {" 42", F::Exata, std::nullopt},
        {"42 ", F::Exata, std::nullopt},
        {"4 2", F::Exata, std::nullopt},
        {"42x", F::Exata, std::nullopt},
        {"0x2A", F::Exata, std::nullopt},
        {"+42", F::ComMais, 42},
        {"-42", F::ComMais, -42},
        {"+", F::ComMais, std::nullopt},
        {"+-42", F::ComMais, std::nullopt},
        {"++42", F::ComMais, std::nullopt},
        {"-+42", F::ComMais, std::nullopt},
        {" +42", F::ComMais, std::nullopt},
        {"+2147483648", F::ComMais, std::nullopt},
        {"  \t\n144", F::Inicio, 144},
        {"+144", F::Inicio, 144},
        {"-7 monitores", F::Inicio, -7},
        {"300:C:\\alvo", F::Inicio, 300},
        {"abc", F::Inicio, std::nullopt},
        {"", F::Inicio, std::nullopt},
        {" - 1", F::Inicio, std::nullopt},
        {"99999999999", F::Inicio, std::nullopt},  // beyond an int: nothing, where atoi would be undefined
    };
    for (const Case& c : cases) EXPECT_EQ(LerInteiro(c.texto, 10, c.forma), c.valor) << '"' << c.texto << '"';

    // Other types and bases: an unsigned type takes no sign, a hexadecimal no "0x".
    EXPECT_EQ(LerInteiro<std::uint32_t>("FF000005", 16), 0xFF000005u);
    EXPECT_EQ(LerInteiro<std::uint32_t>("ff", 16), 0xFFu);
    EXPECT_EQ(LerInteiro<std::uint32_t>("100000000", 16), std::nullopt);
    EXPECT_EQ(LerInteiro<std::uint32_t>("0xFF", 16), std::nullopt);
    EXPECT_EQ(LerInteiro<std::uint32_t>("-1"), std::nullopt);
    EXPECT_EQ(LerInteiro<std::uint32_t>("+1", 10, F::ComMais), 1u);
    EXPECT_EQ(LerInteiro<std::uint64_t>("18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(LerInteiro<std::uint64_t>("18446744073709551616"), std::nullopt);
}

}  // namespace
}  // namespace nq
