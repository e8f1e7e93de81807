#pragma once
// Rectangles and the one density rule that every window follows: sizes are written in 96-dpi pixels
// and scaled to the monitor's density here, nowhere else.

namespace nq {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const Rect&) const = default;
};

// A rectangle from its four edges, right and bottom exclusive.
constexpr Rect RectLTRB(int left, int top, int right, int bottom) {
    return Rect{left, top, right - left, bottom - top};
}

// A 96-dpi length at another density, rounded to the nearest pixel (halves away from zero).
int Scale(int px96, int dpi);

// A 96-dpi rectangle at another density: each edge is scaled, so neighbours stay neighbours.
Rect Scale(const Rect& r96, int dpi);

}  // namespace nq
