#pragma once
// The density a window is drawn at: the monitor's, or the one PIVEL_DPI forces so that tests can check
// other densities on one screen.

#include <windows.h>

#include <cstdlib>

#include "support/Text.h"

namespace nq {

// The density PIVEL_DPI forces (48 to 480), or 0.
inline int ForcedDpi() {
    const char* v = std::getenv("PIVEL_DPI");
    if (!v) return 0;
    const int dpi = LerInteiro(v, 10, TFormaInteiro::Inicio).value_or(0);
    return dpi >= 48 && dpi <= 480 ? dpi : 0;
}

// The density of a window's monitor, unless one is forced.
inline int DpiDaJanela(HWND w) {
    if (const int forced = ForcedDpi()) return forced;
    const UINT dpi = w ? GetDpiForWindow(w) : 0;
    return dpi ? static_cast<int>(dpi) : 96;
}

}  // namespace nq
