#pragma once
// Windows-1252, the code page of the settings file, to and from the program's UTF-8.
//
// Every byte decodes to one character, so any file reads back byte for byte: the five bytes that the
// code page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the control characters of the
// same number (U+0081 ...), as the system's own conversion does, and encode back to the same byte.

#include <optional>
#include <string>
#include <string_view>

namespace nq {

char32_t Cp1252ToCodePoint(unsigned char byte);
// The byte for a character, or -1 when Windows-1252 cannot hold it.
int CodePointToCp1252(char32_t cp);

std::string Cp1252ToUtf8(std::string_view bytes);
// Cp1252ToUtf8 appended to `out`.
void AppendCp1252AsUtf8(std::string& out, std::string_view bytes);
// The Windows-1252 bytes of a UTF-8 text, or nothing when a character does not fit, so that a
// caller can keep such text in another encoding instead of losing it.
std::optional<std::string> Utf8ToCp1252(std::string_view utf8);
bool FitsCp1252(std::string_view utf8);

}  // namespace nq
