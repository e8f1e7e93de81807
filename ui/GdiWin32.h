#pragma once
// RAII for GDI objects and selections, and the conversion of the program's colours.

#include <windows.h>

#include <atomic>
#include <utility>

#include "support/Font.h"
#include "support/Text.h"
#include "support/Win32Handles.h"

namespace nq {

struct ApagarObjetoGdi {
    void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
};
struct ApagarDc {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};

// GDI objects the program creates, deleted with their owner.
template <class H>
using GdiObject = HandleContado<H, ApagarObjetoGdi, &GdiObjectsLive>;

using FontHandle = GdiObject<HFONT>;
using BrushHandle = GdiObject<HBRUSH>;
using BitmapHandle = GdiObject<HBITMAP>;
using PenHandle = GdiObject<HPEN>;

// A memory device context compatible with another (nullptr: the screen), counted with the GDI objects.
class MemoryDC : public HandleContado<HDC, ApagarDc, &GdiObjectsLive> {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC compatibleWith) noexcept : HandleContado(CreateCompatibleDC(compatibleWith)) {}
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
