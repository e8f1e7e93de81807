#include "support/Cp1252.h"

#include <array>

#include "support/Text.h"

namespace nq {

namespace {
// 0x80..0x9F; the unassigned bytes map to the C1 control of the same number.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};
}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHigh[byte - 0x80];
    return byte;
}

int CodePointToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == cp) return 0x80 + i;
    return -1;
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80)
            out += ch;
        else
            AppendUtf8(out, Cp1252ToCodePoint(b));
    }
    return out;
}

std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[pos]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        const int byte = CodePointToCp1252(NextCodePoint(utf8, pos));
        if (byte < 0) return std::nullopt;
        out += static_cast<char>(byte);
    }
    return out;
}

bool FitsCp1252(std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        if (static_cast<unsigned char>(utf8[pos]) < 0x80) {
            ++pos;
            continue;
        }
        if (CodePointToCp1252(NextCodePoint(utf8, pos)) < 0) return false;
    }
    return true;
}

}  // namespace nq
