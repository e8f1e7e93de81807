#pragma once
// The bar's picture: the title panel, the buttons with their icons, captions, mark and dimming, the
// bevel lines, and the tooltips of the title. It owns the fonts and pictures at the bar's density and
// the buffer the bar is painted into; what it paints it reads from the bar.

#include <windows.h>

#include <string>
#include <vector>

#include "support/NqOutrosWin32.h"
#include "support/Win32Handles.h"
#include "ui/BackBufferWin32.h"
#include "ui/GdiWin32.h"

namespace nq {

class TfrmMainPivel;

// An icon of the program's resources at a size in pixels.
IconHandle LoadIconResource(int id, int size);

class TBarPintura {
public:
    explicit TBarPintura(TfrmMainPivel& barra) : barra_(barra) {}

    // WM_PAINT: what lies in the invalid region only, through the buffer.
    void WMPaint();
    // Fonts and pictures again, at the bar's density and with its font.
    void AplicarDpi();
    void FazerFontes();
    // The title icon from a file, at the size it is drawn; the logo stays when it cannot be read.
    void CarregarIconeTitulo(const std::string& arquivo);
    // The title icon as the configuration window chose it (nullptr: the logo).
    void DefinirIconeTitulo(HICON copia);
    HICON IconeTitulo() const { return titleIcon_ ? titleIcon_.get() : logo_.get(); }
    // The tooltips of the logo and of the menu button, once the bar shows.
    void CriarDicas();
    // The buttons that show each get a tooltip with the whole title and the target as typed (after a
    // rebuild and a scroll).
    void AtualizarDicas();
    // A button's caption as it is drawn, one line each, in a device context holding the caption font
    // (a screen one when dc is null).
    std::vector<std::string> LinhasDoBotao(std::size_t i, HDC dc = nullptr);

private:
    void Paint(HDC dc, const RECT& dirty);
    void PaintTitle(HDC dc);
    void PaintButtons(HDC dc, const RECT& dirty);
    void PaintMark(HDC dc, std::size_t i);
    void PaintNeutral(HDC dc, const RECT& box);
    void PaintSetas(HDC dc);
    void Velar(HDC dc, const RECT& r);
    void CarregarFiguras();

    TfrmMainPivel& barra_;
    BackBuffer backBuffer_;
    IconHandle titleIcon_;
    std::string iconeEmpresa_;  // the title icon's file, to take it again at another density
    IconHandle logo_, bars_, webIcon_, crossIcon_;
    FontHandle captionFont_, captionHoverFont_, titleFont_;
    TNqBevel nqBevel1, NqBevel2;
    BitmapHandle veu_;  // one pixel of the bar's colour, blended over the dimmed buttons' icons
    MemoryDC veuDc_;
    COLORREF veuCor_ = 0;
    HWND tooltip_ = nullptr;
    int dicasBotoes_ = 0;  // the buttons' tools in the tooltip, ids from kPrimeiraDicaBotao
};

}  // namespace nq
