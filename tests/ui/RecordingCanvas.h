#pragma once
// A canvas that draws nothing and records every call with the pen, brush and font in force, so that
// tests can pin geometry and drawing order. Text metrics are fixed: every character is 7 pixels wide
// (8 in bold) and a line is the font's character height plus 3 pixels high.

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "support/Text.h"
#include "ui/Canvas.h"

namespace nq::test {

struct CanvasCall {
    enum Kind {
        Fill,
        Frame,
        Rectangle,
        RoundRect,
        Ellipse,
        Line,
        Gradient,
        Edge,
        Text,
        Image,
        Stretch,
        Focus
    };
    Kind kind = Fill;
    Rect rect;  // for a line: from (left, top) to (right(), bottom())
    TColor pen = 0;
    int penWidth = 1;
    TColor brush = 0;
    TFont font;
    int fontHeight = 0;  // the character height the font was selected with
    std::string text;    // Text
    unsigned flags = 0;  // Text: TextFlag values; Edge: EdgeSide values
    EdgeKind edge = EdgeKind::Etched;
    int corner = 0;  // RoundRect: the corner's width (and height)
    TColor from = 0, to = 0;
    bool vertical = false;  // Gradient
    const TImageList* list = nullptr;
    int index = -1;
    bool enabled = true;  // Image
};

// A colour as tests write it: "sys5" for a system colour, "#RRGGBB" for a plain one.
inline std::string ColorName(TColor c) {
    if (IsSystemColor(c)) return "sys" + std::to_string(c & 0xFF);
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

inline std::string RectText(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right()) + "," +
           std::to_string(r.bottom());
}

// One call in a line: what it drew, where, and with which colours.
inline std::string Describe(const CanvasCall& c) {
    std::ostringstream s;
    switch (c.kind) {
        case CanvasCall::Fill:
            s << "fill " << RectText(c.rect) << " " << ColorName(c.brush);
            break;
        case CanvasCall::Frame:
            s << "frame " << RectText(c.rect) << " " << ColorName(c.brush);
            break;
        case CanvasCall::Rectangle:
            s << "rect " << RectText(c.rect) << " pen " << ColorName(c.pen) << " " << ColorName(c.brush);
            break;
        case CanvasCall::RoundRect:
            s << "round " << RectText(c.rect) << " " << c.corner << " pen " << ColorName(c.pen) << " "
              << ColorName(c.brush);
            break;
        case CanvasCall::Ellipse:
            s << "ellipse " << RectText(c.rect) << " pen " << ColorName(c.pen) << " " << ColorName(c.brush);
            break;
        case CanvasCall::Line:
            s << "line " << c.rect.left << "," << c.rect.top << "-" << c.rect.right() << ","
              << c.rect.bottom() << " " << ColorName(c.pen);
            break;
        case CanvasCall::Gradient:
            s << "gradient " << RectText(c.rect) << " " << ColorName(c.from) << " " << ColorName(c.to);
            break;
        case CanvasCall::Edge: {
            static const char* kinds[] = {"etched", "raised", "raisedinner", "sunkenouter"};
            s << "edge " << RectText(c.rect) << " " << kinds[static_cast<int>(c.edge)];
            if ((c.flags & esRect) == esRect)
                s << " rect";
            else
                s << (c.flags & esLeft ? " left" : "") << (c.flags & esTop ? " top" : "")
                  << (c.flags & esRight ? " right" : "") << (c.flags & esBottom ? " bottom" : "");
            if (c.flags & esMiddle) s << " middle";
            break;
        }
        case CanvasCall::Text:
            s << "text " << RectText(c.rect) << " \"" << c.text << "\" " << ColorName(c.font.color) << " on "
              << ColorName(c.brush) << (c.font.bold ? " bold" : "") << (c.flags & tfRight ? " right" : "")
              << (c.flags & tfCenter ? " center" : "");
            break;
        case CanvasCall::Image:
            s << "image " << c.index << " at " << c.rect.left << "," << c.rect.top
              << (c.enabled ? "" : " grey");
            break;
        case CanvasCall::Stretch:
            s << "stretch " << c.index << " into " << RectText(c.rect);
            break;
        case CanvasCall::Focus:
            s << "focus " << RectText(c.rect);
            break;
    }
    return s.str();
}

class RecordingCanvas : public ICanvas {
public:
    explicit RecordingCanvas(int dpi = 96) : dpi_(dpi) {}

    std::vector<CanvasCall> calls;

    int Dpi() const override { return dpi_; }
    void SetBrush(TColor color) override { brush_ = color; }
    void FillRect(const Rect& r) override { Add(CanvasCall::Fill, r); }
    void FrameRect(const Rect& r) override { Add(CanvasCall::Frame, r); }
    void Rectangle(const Rect& r) override { Add(CanvasCall::Rectangle, r); }
    void RoundRect(const Rect& r, int w, int) override { Add(CanvasCall::RoundRect, r).corner = w; }
    void Ellipse(const Rect& r) override { Add(CanvasCall::Ellipse, r); }
    void MoveTo(int x, int y) override { x_ = x, y_ = y; }
    void LineTo(int x, int y) override {
        Add(CanvasCall::Line, RectLTRB(x_, y_, x, y));
        x_ = x, y_ = y;
    }
    void GradientFill(const Rect& r, TColor from, TColor to, bool vertical) override {
        CanvasCall& c = Add(CanvasCall::Gradient, r);
        c.from = from, c.to = to, c.vertical = vertical;
    }
    void DrawEdge(const Rect& r, EdgeKind kind, unsigned sides) override {
        CanvasCall& c = Add(CanvasCall::Edge, r);
        c.edge = kind, c.flags = sides;
    }
    void DrawFocusRect(const Rect& r) override { Add(CanvasCall::Focus, r); }
    Size TextExtent(std::string_view text) override {
        return Size{static_cast<int>(CharCount(text)) * (font_.bold ? 8 : 7), LineHeight()};
    }
    void TextRect(const Rect& r, std::string_view text, unsigned flags) override {
        CanvasCall& c = Add(CanvasCall::Text, r);
        c.text = std::string(text), c.flags = flags;
    }
    void DrawImage(const TImageList& list, int index, int x, int y, bool enabled) override {
        CanvasCall& c = Add(CanvasCall::Image, Rect{x, y, list.Width(), list.Height()});
        c.list = &list, c.index = index, c.enabled = enabled;
    }
    void StretchImage(const TImageList& list, int index, const Rect& dest) override {
        CanvasCall& c = Add(CanvasCall::Stretch, dest);
        c.list = &list, c.index = index;
    }

    // The line height of the font in force.
    int LineHeight() const { return (fontHeight_ ? fontHeight_ : (font_.size * dpi_ + 36) / 72) + 3; }

    // Every call in a line of its own (see Describe).
    std::vector<std::string> Log() const {
        std::vector<std::string> out;
        for (const CanvasCall& c : calls) out.push_back(Describe(c));
        return out;
    }
    std::vector<CanvasCall> Of(CanvasCall::Kind kind) const {
        std::vector<CanvasCall> out;
        for (const CanvasCall& c : calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }

protected:
    void SelectFont(const TFont& font, int heightPx) override { font_ = font, fontHeight_ = heightPx; }
    void SelectPen(TColor color, int width) override { pen_ = color, penWidth_ = width; }

private:
    CanvasCall& Add(CanvasCall::Kind kind, const Rect& r) {
        CanvasCall c;
        c.kind = kind, c.rect = r, c.pen = pen_, c.penWidth = penWidth_, c.brush = brush_, c.font = font_;
        c.fontHeight = fontHeight_;
        calls.push_back(c);
        return calls.back();
    }

    int dpi_;
    TColor pen_ = clBlack, brush_ = clWhite;
    int penWidth_ = 1;
    TFont font_;
    int fontHeight_ = 0;
    int x_ = 0, y_ = 0;
};

// Pictures of one size that exist only as a count.
class FakeImageList : public TImageList {
public:
    FakeImageList(int size, int count) : size_(size), count_(count) {}
    int Width() const override { return size_; }
    int Height() const override { return size_; }
    int Count() const override { return count_; }

private:
    int size_, count_;
};

}  // namespace nq::test
