#pragma once
// UTF-8 text helpers. Text inside the program is UTF-8 in std::string; positions and lengths that the
// user would count (field sizes, Right, ...) are counted in characters (code points), not bytes.

#include <charconv>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace nq {

// Decodes one code point at s[pos] and advances pos. Malformed input yields U+FFFD for one byte.
char32_t NextCodePoint(std::string_view s, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);
// The first byte at or after i that is not ASCII, or the end.
std::size_t NextNonAscii(std::string_view s, std::size_t i);

std::size_t CharCount(std::string_view s);
// The characters [first, first + count) of s, counted in code points; clamps to the text.
std::string CharSubstr(std::string_view s, std::size_t first, std::size_t count = std::string_view::npos);
// The first n characters of s.
std::string CharLeft(std::string_view s, std::size_t n);

// Letter case following the Windows-1252 letters (ASCII, the accented Latin-1 letters, Š Œ Ž Ÿ),
// plus the pairs of Latin Extended-A (ł/Ł, ő/Ő ...) that a UTF-8 title may hold.
char32_t UpperChar(char32_t c);
char32_t LowerChar(char32_t c);
std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Case-insensitive equality by the rules above.
bool SameText(std::string_view a, std::string_view b);

// A blank is any character with a code of 32 or less.
inline bool IsBlank(char32_t c) { return c <= 32; }
std::string Trim(std::string_view s);
std::string_view TrimView(std::string_view s);

// What of a text LerInteiro reads as the number.
enum class TFormaInteiro {
    Exata,    // the whole text: digits, with a "-" before them for a signed type
    ComMais,  // the whole text, which may also begin with a "+" (the settings file, the catalogue's fields)
    Inicio,   // blanks, a sign and the digits it begins with, whatever follows (as the C library's atoi)
};

// The one integer reader: a T written in the text in the base (2 to 36; no "0x" before a hexadecimal), as
// the form says; nothing when there is no number there or it does not fit T.
template <class T = int>
std::optional<T> LerInteiro(std::string_view texto, int base = 10, TFormaInteiro forma = TFormaInteiro::Exata) {
    if (forma == TFormaInteiro::Inicio) {
        const auto digito = [base](char c) {
            const int v = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'z' ? c - 'a' + 10
                          : c >= 'A' && c <= 'Z' ? c - 'A' + 10
                                                 : 99;
            return v < base;
        };
        std::size_t i = 0;
        while (i < texto.size() && (texto[i] == ' ' || (texto[i] >= '\t' && texto[i] <= '\r'))) ++i;
        std::size_t fim = i;
        if (fim < texto.size() && (texto[fim] == '+' || texto[fim] == '-')) ++fim;
        while (fim < texto.size() && digito(texto[fim])) ++fim;
        texto = texto.substr(i, fim - i);
        forma = TFormaInteiro::ComMais;
    }
    if (forma == TFormaInteiro::ComMais && !texto.empty() && texto.front() == '+') {
        texto.remove_prefix(1);
        if (!texto.empty() && texto.front() == '-') return std::nullopt;  // one sign only
    }
    if (texto.empty()) return std::nullopt;
    T valor{};
    const char* fim = texto.data() + texto.size();
    const auto [lido, erro] = std::from_chars(texto.data(), fim, valor, base);
    if (erro != std::errc{} || lido != fim) return std::nullopt;
    return valor;
}

std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

// Bytes read from a file, appended as UTF-8; false when something had to be replaced.
// UTF-8: every malformed sequence becomes U+FFFD, so that nothing downstream sees bad UTF-8.
bool AppendValidUtf8(std::string& out, std::string_view bytes);
// UTF-16 in either byte order: an unpaired surrogate or an odd last byte becomes U+FFFD.
bool AppendFromUtf16(std::string& out, std::string_view bytes, bool bigEndian);

}  // namespace nq
