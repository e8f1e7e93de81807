#pragma once
// A picture of a window's client area kept from one paint to the next: the window paints into it and
// the changed part reaches the screen in one copy, so nothing flickers. When the memory for it cannot
// be had, the window paints straight onto the screen instead, and the buffer is tried again next time.

#include <windows.h>

#include <algorithm>
#include <utility>

#include "ui/GdiWin32.h"

namespace nq {

// A memory device context the program owns, counted with the GDI objects.
class MemoryDC {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC compatibleWith) noexcept : dc_(CreateCompatibleDC(compatibleWith)) {
        if (dc_) ++GdiObjectsLive();
    }
    ~MemoryDC() { reset(); }
    MemoryDC(MemoryDC&& o) noexcept : dc_(std::exchange(o.dc_, nullptr)) {}
    MemoryDC& operator=(MemoryDC&& o) noexcept {
        if (this != &o) {
            reset();
            dc_ = std::exchange(o.dc_, nullptr);
        }
        return *this;
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }
    void reset() noexcept {
        if (!dc_) return;
        DeleteDC(dc_);
        --GdiObjectsLive();
        dc_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
};

class BackBuffer {
public:
    BackBuffer() = default;
    ~BackBuffer() { Release(); }
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // The device context to paint a client area of w x h into: the buffer's, or `screen` itself when
    // no buffer can be made. The buffer only grows, so a window that changes between two sizes (the
    // bar closed and open) keeps one.
    HDC Begin(HDC screen, int w, int h) {
        direct_ = true;
        if (w <= 0 || h <= 0) return screen;
        if (!dc_) dc_ = MemoryDC(screen);
        if (!dc_) return screen;
        if (!bitmap_ || w > w_ || h > h_) {
            const int nw = std::max(w, w_), nh = std::max(h, h_);
            Deselect();
            bitmap_.reset(CreateCompatibleBitmap(screen, nw, nh));
            if (!bitmap_) {
                Release();
                return screen;
            }
            w_ = nw;
            h_ = nh;
            original_ = SelectObject(dc_.get(), bitmap_.get());
        }
        direct_ = false;
        return dc_.get();
    }

    // Copies the painted rectangle to the screen; nothing to do when the painting went there directly.
    void End(HDC screen, const RECT& dirty) {
        if (direct_) return;
        BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, dc_.get(),
               dirty.left, dirty.top, SRCCOPY);
    }

    bool Ready() const { return dc_ && bitmap_; }

    void Release() {
        Deselect();
        bitmap_.reset();
        dc_.reset();
        w_ = h_ = 0;
    }

private:
    // The bitmap cannot be deleted while selected: the DC's first one goes back in first.
    void Deselect() {
        if (dc_ && original_) SelectObject(dc_.get(), original_);
        original_ = nullptr;
    }

    MemoryDC dc_;
    BitmapHandle bitmap_;
    HGDIOBJ original_ = nullptr;
    int w_ = 0, h_ = 0;
    bool direct_ = true;
};

}  // namespace nq
