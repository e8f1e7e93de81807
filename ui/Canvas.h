#pragma once
// The drawing surface that menus, the data grid and the dialogs paint on, without windows.h: the GDI
// canvas (ui/GdiCanvasWin32.h) draws for real, tests record the calls. Coordinates are device pixels;
// right and bottom edges are exclusive, as in GDI.

#include <string_view>

#include "support/Font.h"
#include "ui/Geometry.h"

namespace nq {

struct Size {
    int width = 0, height = 0;
    bool operator==(const Size&) const = default;
};

// How text is placed in its rectangle. Without tfNoPrefix "&" underlines the next character and is not
// shown ("&&" shows one "&"), as in menus.
enum TextFlag : unsigned {
    tfLeft = 0,
    tfCenter = 1 << 0,
    tfRight = 1 << 1,
    tfVCenter = 1 << 2,     // with tfSingleLine
    tfSingleLine = 1 << 3,  // line breaks shown as they are
    tfWordBreak = 1 << 4,
    tfExpandTabs = 1 << 5,
    tfNoPrefix = 1 << 6,
    tfEndEllipsis = 1 << 7,  // a text too long for the rectangle ends in "..."
    tfTransparent = 1 << 8,  // without it the text is drawn opaque on the current brush colour
};

// The 3-D edges of the platform: an etched or raised double line, or one raised or sunken line.
enum class EdgeKind { Etched, Raised, RaisedInner, SunkenOuter };

enum EdgeSide : unsigned {
    esLeft = 1 << 0,
    esTop = 1 << 1,
    esRight = 1 << 2,
    esBottom = 1 << 3,
    esRect = esLeft | esTop | esRight | esBottom,
    esMiddle = 1 << 4,  // the inside filled with the button-face colour
};

// A numbered set of pictures of one size; the window layer holds the pictures themselves.
class TImageList {
public:
    virtual ~TImageList() = default;
    virtual int Width() const = 0;   // device pixels
    virtual int Height() const = 0;  // device pixels
    virtual int Count() const = 0;
};

class ICanvas {
public:
    virtual ~ICanvas() = default;

    // The density the canvas draws at, in dots per inch.
    virtual int Dpi() const = 0;

    // Selects a font; its colour is the text colour. heightPx, when not 0, is the character height in
    // device pixels (as the system gives its own fonts) and overrides the size in points.
    void SetFont(const TFont& font, int heightPx = 0) { SelectFont(font, heightPx); }
    // The colour and width of lines and outlines (Rectangle, RoundRect, Ellipse, LineTo).
    void SetPen(TColor color, int width = 1) { SelectPen(color, width); }
    // The fill colour (FillRect, Rectangle, RoundRect, Ellipse) and the background of opaque text.
    virtual void SetBrush(TColor color) = 0;

    // Fills a rectangle with the brush.
    virtual void FillRect(const Rect& r) = 0;
    // A one-pixel frame inside a rectangle in the brush colour.
    virtual void FrameRect(const Rect& r) = 0;
    // A rectangle outlined with the pen and filled with the brush.
    virtual void Rectangle(const Rect& r) = 0;
    // The same with rounded corners, given as the corner ellipse's width and height.
    virtual void RoundRect(const Rect& r, int cornerWidth, int cornerHeight) = 0;
    // The ellipse inside a rectangle, outlined with the pen and filled with the brush.
    virtual void Ellipse(const Rect& r) = 0;
    // A line with the pen from the current point to (x, y), the end point excluded; (x, y) becomes current.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // A linear gradient from one colour to another, top to bottom when vertical, else left to right.
    virtual void GradientFill(const Rect& r, TColor from, TColor to, bool vertical) = 0;
    // A 3-D edge along the chosen sides of a rectangle.
    virtual void DrawEdge(const Rect& r, EdgeKind kind, unsigned sides) = 0;
    // The dotted frame that marks the part of a control that has the keyboard focus.
    virtual void DrawFocusRect(const Rect& r) = 0;

    // The size of one line of text in the current font, every character ("&" too) counted as written.
    virtual Size TextExtent(std::string_view text) = 0;
    // Draws UTF-8 text in a rectangle with TextFlag values, clipped to it.
    virtual void TextRect(const Rect& r, std::string_view text, unsigned flags) = 0;

    // A picture of a list at its own size with its top-left corner at (x, y); greyed when not enabled.
    virtual void DrawImage(const TImageList& list, int index, int x, int y, bool enabled) = 0;
    // A picture of a list scaled into a rectangle, its transparent parts left out.
    virtual void StretchImage(const TImageList& list, int index, const Rect& dest) = 0;

protected:
    virtual void SelectFont(const TFont& font, int heightPx) = 0;
    virtual void SelectPen(TColor color, int width) = 0;
};

}  // namespace nq
