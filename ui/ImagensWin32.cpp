#include "ui/ImagensWin32.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "ui/GdiWin32.h"

namespace nq {

IconHandle IconeRecurso(int id, int tamanho) {
    return IconHandle(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                    IMAGE_ICON, tamanho, tamanho, LR_DEFAULTCOLOR)));
}

IconHandle IconeCinza(HICON icone, int tamanho) {
    if (!icone || tamanho <= 0) return {};
    // The icon drawn on a 32-bit surface, its alpha taken from a second drawing on white against one
    // on black (which works whether the icon has an alpha channel or only a mask).
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = tamanho;
    bi.bmiHeader.biHeight = -tamanho;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    HDC tela = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(tela);
    ReleaseDC(nullptr, tela);
    if (!dc) return {};
    void* bitsPreto = nullptr;
    void* bitsBranco = nullptr;
    BitmapHandle preto(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bitsPreto, nullptr, 0));
    BitmapHandle branco(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bitsBranco, nullptr, 0));
    IconHandle out;
    if (preto && branco) {
        const std::size_t n = static_cast<std::size_t>(tamanho) * static_cast<std::size_t>(tamanho);
        auto* p = static_cast<std::uint32_t*>(bitsPreto);
        auto* b = static_cast<std::uint32_t*>(bitsBranco);
        for (std::size_t i = 0; i < n; ++i) b[i] = 0x00FFFFFF;
        {
            ScopedSelectObject sel(dc, preto.get());
            DrawIconEx(dc, 0, 0, icone, tamanho, tamanho, 0, nullptr, DI_NORMAL);
        }
        {
            ScopedSelectObject sel(dc, branco.get());
            DrawIconEx(dc, 0, 0, icone, tamanho, tamanho, 0, nullptr, DI_NORMAL);
        }
        GdiFlush();
        // Over black the colour comes out multiplied by its alpha; white minus black is what shows
        // through, so alpha = 255 - (white - black). Icons keep straight (unmultiplied) colour.
        for (std::size_t i = 0; i < n; ++i) {
            const int pr = (p[i] >> 16) & 0xFF, pg = (p[i] >> 8) & 0xFF, pb = p[i] & 0xFF;
            const int br = (b[i] >> 16) & 0xFF;
            int alfa = 255 - (br - pr);
            alfa = alfa < 0 ? 0 : alfa > 255 ? 255 : alfa;
            const int lum = alfa ? (pr * 30 + pg * 59 + pb * 11) * 255 / (100 * alfa) : 0;
            // Lighter and flatter: half-way to a light grey, and a little see-through.
            const auto cinza = static_cast<std::uint32_t>((std::min(lum, 255) + 160) / 2);
            const auto a = static_cast<std::uint32_t>(alfa * 3 / 4);
            p[i] = (a << 24) | (cinza << 16) | (cinza << 8) | cinza;
        }
        BitmapHandle mascara(CreateBitmap(tamanho, tamanho, 1, 1, nullptr));
        if (mascara) {
            {
                ScopedSelectObject sel(dc, mascara.get());
                PatBlt(dc, 0, 0, tamanho, tamanho, BLACKNESS);  // the alpha channel decides
            }
            ICONINFO ii{TRUE, 0, 0, mascara.get(), preto.get()};
            out.reset(CreateIconIndirect(&ii));
        }
    }
    DeleteDC(dc);
    return out;
}

}  // namespace nq
