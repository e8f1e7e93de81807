#include "ui/GdiCanvasWin32.h"

#include <cstdlib>
#include <string>

#include "support/Win32Text.h"
#include "ui/ImageListWin32.h"

namespace nq {

namespace {

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right(), r.bottom()};
}

UINT TextFormat(unsigned flags) {
    UINT f = 0;
    if (flags & tfCenter) f |= DT_CENTER;
    if (flags & tfRight) f |= DT_RIGHT;
    if (flags & tfVCenter) f |= DT_VCENTER;
    if (flags & tfSingleLine) f |= DT_SINGLELINE;
    if (flags & tfWordBreak) f |= DT_WORDBREAK;
    if (flags & tfExpandTabs) f |= DT_EXPANDTABS;
    if (flags & tfNoPrefix) f |= DT_NOPREFIX;
    if (flags & tfEndEllipsis) f |= DT_END_ELLIPSIS;
    return f;
}

bool SameFace(const TFont& a, const TFont& b) {
    return a.name == b.name && a.size == b.size && a.bold == b.bold && a.italic == b.italic &&
           a.underline == b.underline && a.strikeOut == b.strikeOut;
}

}  // namespace

TGdiCanvas::TGdiCanvas(HDC dc, int dpi) : dc_(dc), dpi_(dpi > 0 ? dpi : 96), saved_(SaveDC(dc)) {
    pen_.reset(CreatePen(PS_SOLID, 1, ToColorRef(penColor_)));
    brush_.reset(CreateSolidBrush(ToColorRef(brushColor_)));
    if (pen_) SelectObject(dc_, pen_.get());
    if (brush_) SelectObject(dc_, brush_.get());
}

TGdiCanvas::~TGdiCanvas() {
    // The context's own objects go back in before the owners delete ours.
    if (saved_) RestoreDC(dc_, saved_);
}

void TGdiCanvas::SelectFont(const TFont& font, int heightPx) {
    textColor_ = font.color;
    if (font_ && heightPx == fontHeight_ && SameFace(font, fontKey_)) return;
    const LOGFONTW lf = DescricaoFonte(font, dpi_, heightPx);
    HFONT f = CreateFontIndirectW(&lf);
    if (!f) return;
    SelectObject(dc_, f);
    font_.reset(f);
    fontKey_ = font;
    fontHeight_ = heightPx;
}

void TGdiCanvas::SelectPen(TColor color, int width) {
    if (pen_ && color == penColor_ && width == penWidth_) return;
    HPEN p = CreatePen(PS_SOLID, width, ToColorRef(color));
    if (!p) return;
    SelectObject(dc_, p);
    pen_.reset(p);
    penColor_ = color;
    penWidth_ = width;
}

void TGdiCanvas::SetBrush(TColor color) {
    if (brush_ && color == brushColor_) return;
    HBRUSH b = CreateSolidBrush(ToColorRef(color));
    if (!b) return;
    SelectObject(dc_, b);
    brush_.reset(b);
    brushColor_ = color;
}

void TGdiCanvas::FillRect(const Rect& r) {
    const RECT rc = ToRECT(r);
    ::FillRect(dc_, &rc, brush_.get());
}

void TGdiCanvas::FrameRect(const Rect& r) {
    const RECT rc = ToRECT(r);
    ::FrameRect(dc_, &rc, brush_.get());
}

void TGdiCanvas::Rectangle(const Rect& r) {
    ::Rectangle(dc_, r.left, r.top, r.right(), r.bottom());
}

void TGdiCanvas::RoundRect(const Rect& r, int cornerWidth, int cornerHeight) {
    ::RoundRect(dc_, r.left, r.top, r.right(), r.bottom(), cornerWidth, cornerHeight);
}

void TGdiCanvas::Ellipse(const Rect& r) {
    ::Ellipse(dc_, r.left, r.top, r.right(), r.bottom());
}

void TGdiCanvas::MoveTo(int x, int y) {
    MoveToEx(dc_, x, y, nullptr);
}

void TGdiCanvas::LineTo(int x, int y) {
    ::LineTo(dc_, x, y);
}

void TGdiCanvas::GradientFill(const Rect& r, TColor from, TColor to, bool vertical) {
    auto vertex = [](int x, int y, TColor c) {
        const COLORREF rgb = ToColorRef(c);
        return TRIVERTEX{x,
                         y,
                         static_cast<COLOR16>(GetRValue(rgb) << 8),
                         static_cast<COLOR16>(GetGValue(rgb) << 8),
                         static_cast<COLOR16>(GetBValue(rgb) << 8),
                         0};
    };
    TRIVERTEX v[2] = {vertex(r.left, r.top, from), vertex(r.right(), r.bottom(), to)};
    GRADIENT_RECT g{0, 1};
    ::GradientFill(dc_, v, 2, &g, 1, vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

void TGdiCanvas::DrawEdge(const Rect& r, EdgeKind kind, unsigned sides) {
    UINT edge = EDGE_ETCHED;
    switch (kind) {
        case EdgeKind::Etched:
            edge = EDGE_ETCHED;
            break;
        case EdgeKind::Raised:
            edge = EDGE_RAISED;
            break;
        case EdgeKind::RaisedInner:
            edge = BDR_RAISEDINNER;
            break;
        case EdgeKind::SunkenOuter:
            edge = BDR_SUNKENOUTER;
            break;
    }
    UINT flags = 0;
    if (sides & esLeft) flags |= BF_LEFT;
    if (sides & esTop) flags |= BF_TOP;
    if (sides & esRight) flags |= BF_RIGHT;
    if (sides & esBottom) flags |= BF_BOTTOM;
    if (sides & esMiddle) flags |= BF_MIDDLE;
    RECT rc = ToRECT(r);
    ::DrawEdge(dc_, &rc, edge, flags);
}

void TGdiCanvas::DrawFocusRect(const Rect& r) {
    const RECT rc = ToRECT(r);
    // Drawn by inverting with the text and background colours of the context: black on white.
    const COLORREF texto = SetTextColor(dc_, RGB(0, 0, 0)), fundo = SetBkColor(dc_, RGB(255, 255, 255));
    ::DrawFocusRect(dc_, &rc);
    SetTextColor(dc_, texto);
    SetBkColor(dc_, fundo);
}

Size TGdiCanvas::TextExtent(std::string_view text) {
    const std::wstring w = Wide(text);
    SIZE s{};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &s);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    return Size{static_cast<int>(s.cx), static_cast<int>(tm.tmHeight)};
}

void TGdiCanvas::TextRect(const Rect& r, std::string_view text, unsigned flags) {
    const std::wstring w = Wide(text);
    RECT rc = ToRECT(r);
    SetTextColor(dc_, ToColorRef(textColor_));
    if (flags & tfTransparent) {
        SetBkMode(dc_, TRANSPARENT);
    } else {
        SetBkMode(dc_, OPAQUE);
        SetBkColor(dc_, ToColorRef(brushColor_));
    }
    DrawTextW(dc_, w.c_str(), static_cast<int>(w.size()), &rc, TextFormat(flags));
}

void TGdiCanvas::DrawImage(const TImageList& list, int index, int x, int y, bool enabled) {
    if (const auto* l = dynamic_cast<const TImageListWin32*>(&list)) l->Draw(dc_, index, x, y, enabled);
}

void TGdiCanvas::StretchImage(const TImageList& list, int index, const Rect& dest) {
    if (const auto* l = dynamic_cast<const TImageListWin32*>(&list)) l->DrawScaled(dc_, index, ToRECT(dest));
}

}  // namespace nq
