#pragma once
// Pictures of one size for menus and grids, held as icons (their transparency kept), each with a
// greyed copy for disabled entries.

#include <windows.h>

#include <vector>

#include "support/Win32Handles.h"
#include "ui/Canvas.h"

namespace nq {

class TImageListWin32 final : public TImageList {
public:
    // Square pictures of a size in device pixels.
    explicit TImageListWin32(int size) : size_(size) {}

    // Adds a picture; an empty icon keeps its place (nothing is drawn for it).
    void Add(IconHandle icon);
    // Adds an icon resource of the program, loaded at the list's size; 0 keeps an empty place.
    void AddResource(int id);

    int Width() const override { return size_; }
    int Height() const override { return size_; }
    int Count() const override { return static_cast<int>(icons_.size()); }

    void Draw(HDC dc, int index, int x, int y, bool enabled) const;
    void DrawScaled(HDC dc, int index, const RECT& dest) const;

private:
    int size_;
    std::vector<IconHandle> icons_;
    std::vector<IconHandle> grey_;
};

}  // namespace nq
