#pragma once
// Icons of the program's resources at the size they are drawn, and their grey form for a disabled
// control.

#include <windows.h>

#include "support/Win32Handles.h"

namespace nq {

// An icon resource of the program at a size in device pixels (the nearest of its pictures, scaled).
IconHandle IconeRecurso(int id, int tamanho);

// A grey, lighter copy of an icon, at its own size, keeping its transparency: the picture of a
// disabled control.
IconHandle IconeCinza(HICON icone);

}  // namespace nq
