#pragma once
// The one rectangle of the program: a window's, a control's, a monitor's or its work area's, by its
// left-top corner and its size; right and bottom are exclusive. Screen rectangles are in virtual-screen
// pixels (a monitor left of or above the primary has negative coordinates).

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

}  // namespace nq
