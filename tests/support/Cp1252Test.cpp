#include "support/Cp1252.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace nq {
namespace {

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Cp1252ToUtf8(all);
    EXPECT_EQ(CharCount(utf8), 256u);
    const auto back = Utf8ToCp1252(utf8);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(Cp1252, KnownCharacters) {
    struct Case {
        unsigned char byte;
        char32_t cp;
    };
    const Case cases[] = {
        {0x41, U'A'},     {0x80, U'€'},     {0x8A, U'Š'},     {0x9F, U'Ÿ'},     {0xA7, U'§'},
        {0xE7, U'ç'},     {0xC3, U'Ã'},     {0x96, U'–'},     {0xA0, 0xA0},     {0xFF, U'ÿ'},
        // The five bytes the code page leaves unassigned keep their number as C1 controls.
        {0x81, 0x81},     {0x8D, 0x8D},     {0x8F, 0x8F},     {0x90, 0x90},     {0x9D, 0x9D},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cp1252ToCodePoint(c.byte), c.cp) << int(c.byte);
        EXPECT_EQ(CodePointToCp1252(c.cp), c.byte) << int(c.byte);
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageAreReportedNotLost) {
    for (const char* s : {"Łódź", "Ελλάδα", "日本", "a\xEF\xBF\xBD", "𝄞", "\xC2\x80"}) {
        EXPECT_FALSE(Utf8ToCp1252(s).has_value()) << s;
        EXPECT_FALSE(FitsCp1252(s)) << s;
    }
    EXPECT_TRUE(FitsCp1252("NívelTransparência € §"));
    EXPECT_EQ(*Utf8ToCp1252("§€"), "\xA7\x80");
}

}  // namespace
}  // namespace nq
