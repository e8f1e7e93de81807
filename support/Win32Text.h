#pragma once
// UTF-8 (inside the program) to UTF-16 (the W functions) and back, at the Win32 boundary only.

#include <windows.h>

#include <string>
#include <string_view>

#include "support/Text.h"

namespace nq {

inline std::wstring Wide(std::string_view s) {
    const std::u16string u = Utf8ToUtf16(s);
    return std::wstring(u.begin(), u.end());
}

inline std::string Narrow(std::wstring_view s) {
    return Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(s.data()), s.size()));
}

}  // namespace nq
