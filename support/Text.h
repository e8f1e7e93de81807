#pragma once
// UTF-8 text helpers. Text inside the program is UTF-8 in std::string; positions and lengths that the
// user would count (field sizes, Right, ...) are counted in characters (code points), not bytes.

#include <cstddef>
#include <string>
#include <string_view>

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

std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

// Bytes read from a file, appended as UTF-8; false when something had to be replaced.
// UTF-8: every malformed sequence becomes U+FFFD, so that nothing downstream sees bad UTF-8.
bool AppendValidUtf8(std::string& out, std::string_view bytes);
// UTF-16 in either byte order: an unpaired surrogate or an odd last byte becomes U+FFFD.
bool AppendFromUtf16(std::string& out, std::string_view bytes, bool bigEndian);

}  // namespace nq
