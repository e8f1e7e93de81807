#include "ui/ImagensWin32.h"

#include <algorithm>
#include <vector>

#include "ui/GdiWin32.h"

namespace nq {

IconHandle IconeRecurso(int id, int tamanho) {
    return IconHandle(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                    IMAGE_ICON, tamanho, tamanho, LR_DEFAULTCOLOR)));
}

IconHandle IconeCinza(HICON icon) {
    ICONINFO ii{};
    if (!icon || !GetIconInfo(icon, &ii)) return {};
    const BitmapHandle color(ii.hbmColor), mask(ii.hbmMask);  // ours to delete
    BITMAP bm{};
    if (!color || !GetObjectW(color.get(), sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0) return {};
    const int w = bm.bmWidth, h = bm.bmHeight;

    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> px(static_cast<std::size_t>(w) * h);
    const MemoryDc dc;
    if (!dc.get() || GetDIBits(dc.get(), color.get(), 0, h, px.data(), &bi, DIB_RGB_COLORS) != h) return {};

    bool alpha = false;
    for (DWORD p : px) alpha |= (p >> 24) != 0;
    for (DWORD& p : px) {
        const DWORD r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        DWORD lum = (r * 30 + g * 59 + b * 11) / 100;
        lum += (255 - lum) / 3;  // lighter, as disabled text is
        const DWORD a = alpha ? (p >> 24) / 2 : 0;
        p = (a << 24) | (lum << 16) | (lum << 8) | lum;
    }
    void* bits = nullptr;
    BitmapHandle grey(CreateDIBSection(dc.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!grey || !bits) return {};
    std::copy(px.begin(), px.end(), static_cast<DWORD*>(bits));
    ICONINFO out{TRUE, 0, 0, mask.get(), grey.get()};
    return IconHandle(CreateIconIndirect(&out));
}

}  // namespace nq
