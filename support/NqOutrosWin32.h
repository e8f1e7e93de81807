#pragma once
// The separator line: a windowless control that its window paints in its own WM_PAINT.

#include <windows.h>

#include "support/NqOutros.h"

namespace nq {

// The system's major version (10 on Windows 10 and 11), whatever the manifest declares.
int VersaoMaiorSO();

// The colours for the system in use: visual styles and the system's major version.
TBevelCores BevelLineColorsAtuais();

// Draws the two-pixel line from (X1, Y1) to (X2, Y2) (the end point excluded, as GDI lines go) and one
// row below it in the second colour. Coordinates are relative to the control's rectangle `controle` on
// dc, and nothing is drawn outside that rectangle.
void BevelLine(HDC dc, const RECT& controle, int X1, int Y1, int X2, int Y2);
void BevelLine(HDC dc, const RECT& controle, int X1, int Y1, int X2, int Y2, const TBevelCores& cores);

class TNqBevel {
public:
    TBevelShape Shape = TBevelShape::bsBottomLine;
    int Left = 0, Top = 0, Width = 150, Height = 15;
    bool Raised = false;  // a box or frame stands out instead of sinking in

    RECT BoundsRect() const { return RECT{Left, Top, Left + Width, Top + Height}; }
    // Paints the bevel at its bounds, in the coordinates of dc (its window's client area).
    void Paint(HDC dc) const;
    void Paint(HDC dc, const TBevelCores& cores) const;
};

}  // namespace nq
