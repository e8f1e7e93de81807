#include "support/Text.h"

#include <cstdint>
#include <cstring>

namespace nq {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

char32_t NextCodePoint(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + len > s.size()) {
        ++pos;
        return kReplacement;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if (!IsContinuation(b)) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += len;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::size_t CharCount(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t pos = 0; pos < s.size(); ++n) NextCodePoint(s, pos);
    return n;
}

std::string CharSubstr(std::string_view s, std::size_t first, std::size_t count) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < first && pos < s.size(); ++i) NextCodePoint(s, pos);
    const std::size_t begin = pos;
    for (std::size_t i = 0; i < count && pos < s.size(); ++i) NextCodePoint(s, pos);
    return std::string(s.substr(begin, pos - begin));
}

std::string CharLeft(std::string_view s, std::size_t n) { return CharSubstr(s, 0, n); }

char32_t UpperChar(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
    switch (c) {
        case 0xFF: return 0x178;  // ÿ -> Ÿ
        case 0x161: return 0x160;  // š
        case 0x153: return 0x152;  // œ
        case 0x17E: return 0x17D;  // ž
        default: break;
    }
    // Latin Extended-A: upper case at even (0x100..0x137, 0x14A..0x177) or odd (0x139..0x148,
    // 0x179..0x17E) positions.
    if (c == 0x130 || c == 0x131) return c;  // dotted and dotless i have no plain partner
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c : c - 1;
    return c;
}

char32_t LowerChar(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
    switch (c) {
        case 0x178: return 0xFF;
        case 0x160: return 0x161;
        case 0x152: return 0x153;
        case 0x17D: return 0x17E;
        default: break;
    }
    if (c == 0x130 || c == 0x131) return c;
    if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c & 1) ? c : c + 1;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c & 1) ? c + 1 : c;
    return c;
}

namespace {
template <class F>
std::string MapChars(std::string_view s, F f) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        const auto b = static_cast<unsigned char>(s[pos]);
        if (b < 0x80) {  // ASCII fast path
            out += static_cast<char>(f(b));
            ++pos;
        } else {
            AppendUtf8(out, f(NextCodePoint(s, pos)));
        }
    }
    return out;
}
}  // namespace

std::string UpperCase(std::string_view s) { return MapChars(s, UpperChar); }
std::string LowerCase(std::string_view s) { return MapChars(s, LowerChar); }

bool SameText(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (LowerChar(NextCodePoint(a, i)) != LowerChar(NextCodePoint(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

std::string_view TrimView(std::string_view s) {
    // Blanks are all ASCII, so trimming bytes never splits a multi-byte character.
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
    return s.substr(b, e - b);
}

std::string Trim(std::string_view s) {
    return std::string(TrimView(s));
}

std::u16string Utf8ToUtf16(std::string_view s) {
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t pos = 0; pos < s.size();) {
        char32_t cp = NextCodePoint(s, pos);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;  // unpaired surrogate
        }
        AppendUtf8(out, c);
    }
    return out;
}

// Eight bytes at a time.
std::size_t NextNonAscii(std::string_view s, std::size_t i) {
    const char* p = s.data();
    const std::size_t n = s.size();
    while (i + 8 <= n) {
        std::uint64_t w;
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080ull) break;
        i += 8;
    }
    while (i < n && static_cast<unsigned char>(p[i]) < 0x80) ++i;
    return i;
}

bool AppendValidUtf8(std::string& out, std::string_view bytes) {
    bool clean = true;
    out.reserve(out.size() + bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t j = NextNonAscii(bytes, i);
        out.append(bytes.data() + i, j - i);
        if (j == bytes.size()) break;
        std::size_t pos = j;
        const char32_t cp = NextCodePoint(bytes, pos);
        // A malformed sequence gives U+FFFD for its first byte; the character itself takes three.
        if (cp == 0xFFFD && pos - j != 3) clean = false;
        AppendUtf8(out, cp);
        i = pos;
    }
    return clean;
}

bool AppendFromUtf16(std::string& out, std::string_view bytes, bool bigEndian) {
    bool clean = true;
    const std::size_t units = bytes.size() / 2;
    out.reserve(out.size() + units + units / 2);
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[2 * i]),
                   b = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c < 0x80) {
            out += static_cast<char>(c);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < units && unit(i + 1) >= 0xDC00 && unit(i + 1) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 1) - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
            clean = false;
        }
        AppendUtf8(out, c);
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(out, 0xFFFD);
        clean = false;
    }
    return clean;
}

}  // namespace nq
