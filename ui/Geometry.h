#pragma once
// The one density rule that every window follows: sizes are written in 96-dpi pixels
// and scaled to the monitor's density here, nowhere else.

#include "support/Rect.h"

namespace nq {

// A 96-dpi length at another density, rounded to the nearest pixel (halves away from zero).
int Scale(int px96, int dpi);

// A 96-dpi rectangle at another density: each edge is scaled, so neighbours stay neighbours.
Rect Scale(const Rect& r96, int dpi);

}  // namespace nq
