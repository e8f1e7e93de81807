#pragma once
// RAII for GDI objects and selections, and the conversion of the program's colours.

#include <windows.h>

#include <atomic>
#include <utility>

#include "support/Font.h"
#include "support/Text.h"

namespace nq {

// How many GDI objects the program's owners hold right now. The system cannot be asked (Wine's
// GetGuiResources always answers 0), so the owners keep the count; a leak through them shows here.
inline std::atomic<long>& GdiObjectsLive() {
    static std::atomic<long> live{0};
    return live;
}

template <class H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H h) noexcept : h_(h) {
        if (h_) ++GdiObjectsLive();
    }
    ~GdiObject() { reset(); }
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);  // the count moves with the handle
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    H get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != nullptr; }
    void reset(H h = nullptr) noexcept {
        if (h_ == h) return;
        if (h_) {
            DeleteObject(h_);
            --GdiObjectsLive();
        }
        h_ = h;
        if (h_) ++GdiObjectsLive();
    }

private:
    H h_ = nullptr;
};

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;
using PenHandle = GdiObject<HPEN>;

// A memory device context compatible with another (nullptr: the screen), counted with the GDI objects.
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

class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), old_(SelectObject(dc, obj)) {}
    ~ScopedSelectObject() { SelectObject(dc_, old_); }
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A stored colour (plain, or negative for a system colour) as GDI takes it.
inline COLORREF ToColorRef(TColor c) {
    if (IsSystemColor(c)) return GetSysColor(c & 0xFF);
    return static_cast<COLORREF>(c & 0xFFFFFF);
}

// Every font of the program is described here: face, style and a character height in pixels (the
// size in points at the density when alturaPx is 0).
inline LOGFONTW DescricaoFonte(const TFont& f, int dpi, int alturaPx = 0) {
    LOGFONTW lf{};
    lf.lfHeight = alturaPx > 0 ? -alturaPx : -MulDiv(f.size, dpi, 72);
    lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strikeOut;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::u16string name = Utf8ToUtf16(f.name);
    lstrcpynW(lf.lfFaceName, reinterpret_cast<const wchar_t*>(name.c_str()), LF_FACESIZE);
    return lf;
}

// A font at a given density: size in points, as the settings store it.
inline FontHandle MakeFont(const TFont& f, int dpi, bool bold = false, bool underline = false) {
    LOGFONTW lf = DescricaoFonte(f, dpi);
    if (bold) lf.lfWeight = FW_BOLD;
    if (underline) lf.lfUnderline = TRUE;
    return FontHandle(CreateFontIndirectW(&lf));
}

}  // namespace nq
