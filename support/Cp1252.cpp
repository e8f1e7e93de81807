#include "support/Cp1252.h"

#include <array>
#include <cstdint>
#include <cstring>

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

namespace {

// The UTF-8 form of each byte 0x80..0xFF.
struct Utf8Char {
    unsigned char len = 0;
    char bytes[3] = {};
};

const std::array<Utf8Char, 128>& HighBytes() {
    static const std::array<Utf8Char, 128> table = [] {
        std::array<Utf8Char, 128> t{};
        for (int b = 0x80; b <= 0xFF; ++b) {
            std::string u;
            AppendUtf8(u, Cp1252ToCodePoint(static_cast<unsigned char>(b)));
            t[b - 0x80].len = static_cast<unsigned char>(u.size());
            std::memcpy(t[b - 0x80].bytes, u.data(), u.size());
        }
        return t;
    }();
    return table;
}

}  // namespace

// Eight ASCII bytes at a time; a byte of Windows-1252 takes at most three bytes of UTF-8.
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes) {
    std::size_t high = 0;
    for (char c : bytes) high += static_cast<unsigned char>(c) >> 7;
    const std::size_t start = out.size();
    out.resize(start + bytes.size() + 2 * high);
    const std::array<Utf8Char, 128>& table = HighBytes();
    const char* src = bytes.data();
    const std::size_t n = bytes.size();
    char* dst = out.data() + start;
    for (std::size_t i = 0; i < n;) {
        if (i + 8 <= n) {
            std::uint64_t w;
            std::memcpy(&w, src + i, 8);
            if (!(w & 0x8080808080808080ull)) {
                std::memcpy(dst, &w, 8);
                dst += 8;
                i += 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(src[i++]);
        if (c < 0x80) {
            *dst++ = static_cast<char>(c);
        } else {
            // Room for three bytes was reserved for each high byte, so the copy never overruns.
            const Utf8Char& u = table[c - 0x80];
            std::memcpy(dst, u.bytes, 3);
            dst += u.len;
        }
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
}

std::string Cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    AppendCp1252AsUtf8(out, bytes);
    return out;
}

// ASCII is copied in runs.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t j = NextNonAscii(utf8, i);
        out.append(utf8.data() + i, j - i);
        if (j == utf8.size()) break;
        std::size_t pos = j;
        const int byte = CodePointToCp1252(NextCodePoint(utf8, pos));
        if (byte < 0) return std::nullopt;
        out += static_cast<char>(byte);
        i = pos;
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
