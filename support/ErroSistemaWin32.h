#pragma once
// The system's own words for an error code, as the user's Windows says them.

#include <windows.h>

#include <string>

#include "support/Text.h"
#include "support/Win32Text.h"

namespace nq {

// The system's text for an error code (a Win32 error or an HRESULT), trimmed; "erro N" when it has none.
inline std::string TextoErroSistema(DWORD err) {
    wchar_t* text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, err, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string reason = text ? Trim(Narrow(text)) : "erro " + std::to_string(err);
    if (text) LocalFree(text);
    return reason;
}

}  // namespace nq
