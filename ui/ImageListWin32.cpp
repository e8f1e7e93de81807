#include "ui/ImageListWin32.h"

#include <algorithm>

#include "ui/GdiWin32.h"

namespace nq {

IconHandle GreyIcon(HICON icon) {
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

void TImageListWin32::Add(IconHandle icon) {
    grey_.push_back(GreyIcon(icon.get()));
    icons_.push_back(std::move(icon));
}

void TImageListWin32::AddResource(int id) {
    IconHandle icon;
    if (id)
        icon.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                 size_, size_, LR_DEFAULTCOLOR)));
    Add(std::move(icon));
}

void TImageListWin32::Draw(HDC dc, int index, int x, int y, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    const std::size_t i = static_cast<std::size_t>(index);
    if (!enabled && grey_[i]) {
        DrawIconEx(dc, x, y, grey_[i].get(), size_, size_, 0, nullptr, DI_NORMAL);
    } else if (!enabled && icons_[i]) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icons_[i].get()), 0, x, y, size_, size_,
                   DST_ICON | DSS_DISABLED);
    } else if (icons_[i]) {
        DrawIconEx(dc, x, y, icons_[i].get(), size_, size_, 0, nullptr, DI_NORMAL);
    }
}

void TImageListWin32::DrawScaled(HDC dc, int index, const RECT& dest) const {
    if (index < 0 || index >= Count() || !icons_[static_cast<std::size_t>(index)]) return;
    DrawIconEx(dc, dest.left, dest.top, icons_[static_cast<std::size_t>(index)].get(), dest.right - dest.left,
               dest.bottom - dest.top, 0, nullptr, DI_NORMAL);
}

}  // namespace nq
