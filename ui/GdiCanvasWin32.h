#pragma once
// The canvas drawn for real on a GDI device context. Pens, brushes and fonts are made as they are
// asked for, through the counted owners of ui/GdiWin32.h, and the context gets back its own objects
// and settings when the canvas goes.

#include <windows.h>

#include "support/Font.h"
#include "ui/Canvas.h"
#include "ui/GdiWin32.h"

namespace nq {

class TGdiCanvas final : public ICanvas {
public:
    // Draws on a context it does not own, at a density.
    TGdiCanvas(HDC dc, int dpi);
    ~TGdiCanvas() override;
    TGdiCanvas(const TGdiCanvas&) = delete;
    TGdiCanvas& operator=(const TGdiCanvas&) = delete;

    int Dpi() const override { return dpi_; }
    void SetBrush(TColor color) override;
    void FillRect(const Rect& r) override;
    void FrameRect(const Rect& r) override;
    void Rectangle(const Rect& r) override;
    void RoundRect(const Rect& r, int cornerWidth, int cornerHeight) override;
    void Ellipse(const Rect& r) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void GradientFill(const Rect& r, TColor from, TColor to, bool vertical) override;
    void DrawEdge(const Rect& r, EdgeKind kind, unsigned sides) override;
    void DrawFocusRect(const Rect& r) override;
    Size TextExtent(std::string_view text) override;
    void TextRect(const Rect& r, std::string_view text, unsigned flags) override;
    void DrawImage(const TImageList& list, int index, int x, int y, bool enabled) override;
    void StretchImage(const TImageList& list, int index, const Rect& dest) override;

protected:
    void SelectFont(const TFont& font, int heightPx) override;
    void SelectPen(TColor color, int width) override;

private:
    HDC dc_;
    int dpi_;
    int saved_;
    PenHandle pen_;
    BrushHandle brush_;
    FontHandle font_;
    TColor penColor_ = clBlack;
    int penWidth_ = 1;
    TColor brushColor_ = clWhite;
    TFont fontKey_;
    int fontHeight_ = -1;
    TColor textColor_ = clBlack;
};

}  // namespace nq
