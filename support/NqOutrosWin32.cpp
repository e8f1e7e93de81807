#include "support/NqOutrosWin32.h"

#include <uxtheme.h>

namespace nq {

namespace {

COLORREF Cor(TColor c) {
    return IsSystemColor(c) ? GetSysColor(c & 0xFF) : static_cast<COLORREF>(c & 0xFFFFFF);
}

}  // namespace

// GetVersionEx answers what the manifest declares rather than the real version; ntdll does not.
int VersaoMaiorSO() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    if (HMODULE ntdll = GetModuleHandleW(L"ntdll.dll")) {
        const auto fn = reinterpret_cast<RtlGetVersionFn>(
            reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
        OSVERSIONINFOW info{};
        info.dwOSVersionInfoSize = sizeof info;
        if (fn && fn(&info) == 0) return static_cast<int>(info.dwMajorVersion);
    }
    return 0;
}

namespace {

// Keeps drawing inside a rectangle until it goes, whatever clipping the DC had before.
class ScopedClip {
public:
    ScopedClip(HDC dc, const RECT& r) : dc_(dc), saved_(SaveDC(dc)) {
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    ~ScopedClip() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    ScopedClip(const ScopedClip&) = delete;
    ScopedClip& operator=(const ScopedClip&) = delete;

private:
    HDC dc_;
    int saved_;
};

// With the device context's own pen: nothing is allocated, so painting cannot fail for want of memory.
void Linha(HDC dc, int x1, int y1, int x2, int y2, TColor cor) {
    HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
    const COLORREF oldColor = SetDCPenColor(dc, Cor(cor));
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SetDCPenColor(dc, oldColor);
    SelectObject(dc, old);
}

}  // namespace

TBevelCores BevelLineColorsAtuais() {
    return BevelLineColors(IsThemeActive() && IsAppThemed(), VersaoMaiorSO());
}

void BevelLine(HDC dc, const RECT& controle, int X1, int Y1, int X2, int Y2) {
    BevelLine(dc, controle, X1, Y1, X2, Y2, BevelLineColorsAtuais());
}

void BevelLine(HDC dc, const RECT& controle, int X1, int Y1, int X2, int Y2, const TBevelCores& cores) {
    ScopedClip clip(dc, controle);
    const int x = controle.left, y = controle.top;
    Linha(dc, x + X1, y + Y1, x + X2, y + Y2, cores.primeira);
    Linha(dc, x + X1, y + Y1 + 1, x + X2, y + Y2 + 1, cores.segunda);
}

void TNqBevel::Paint(HDC dc) const {
    Paint(dc, BevelLineColorsAtuais());
}

void TNqBevel::Paint(HDC dc, const TBevelCores& cores) const {
    RECT r = BoundsRect();
    switch (Shape) {
        case TBevelShape::bsTopLine:
        case TBevelShape::bsBottomLine: {
            const int row = BevelLineRow(Shape, Height);
            BevelLine(dc, r, 0, row, Width, row, cores);
            break;
        }
        case TBevelShape::bsBox:
            DrawEdge(dc, &r, Raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
            break;
        case TBevelShape::bsFrame:
            DrawEdge(dc, &r, Raised ? EDGE_BUMP : EDGE_ETCHED, BF_RECT);
            break;
        case TBevelShape::bsLeftLine:
            r.right = r.left + 2;
            DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT);
            break;
        case TBevelShape::bsRightLine:
            r.left = r.right - 2;
            DrawEdge(dc, &r, EDGE_ETCHED, BF_LEFT);
            break;
        case TBevelShape::bsSpacer:
            break;
    }
}

}  // namespace nq
