#pragma once
// The separator line's look and geometry, without drawing: the Win32 drawing is support/NqOutrosWin32.h.

#include "support/Font.h"

namespace nq {

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };

// The two colours of a bevel line: the first line, and the one just below it.
struct TBevelCores {
    TColor primeira = clBtnShadow;
    TColor segunda = clBtnHighlight;
    bool operator==(const TBevelCores&) const = default;
};

// Flat silver on themed Windows from Vista on (major version 6), the classic etched pair otherwise.
TBevelCores BevelLineColors(bool temasAtivos, int versaoMaiorSO);

// The row (relative to the bevel's top) of the first of the two lines of a top or bottom line; the
// second lies one row below it. A bottom line sits two rows above the bottom edge, so on a bevel one
// pixel high the first line falls outside and only the second shows.
int BevelLineRow(TBevelShape shape, int height);

}  // namespace nq
