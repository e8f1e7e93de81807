// The painting of a dialog's windowless items (bands, pictures, bevel lines, group captions) and of the labels and flat buttons it draws itself.
#include "ui/DialogoWin32.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "support/MessageFilterWin32.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqOutrosWin32.h"
#include "support/Win32Text.h"
#include "ui/DialogLayout.h"
#include "ui/DialogoInternoWin32.h"
#include "ui/DpiWin32.h"
#include "ui/ImagensWin32.h"

namespace nq {

using namespace dialogo;

// --- Painting ---------------------------------------------------------------------------------------------

void TDialogo::Pintar(HDC dc, int container, const RECT& area) {
    HBRUSH fundo = Pincel(container == kSemPai
                              ? clBtnFace
                              : (projeto_.controles[static_cast<std::size_t>(container)].cor != clNenhuma
                                     ? projeto_.controles[static_cast<std::size_t>(container)].cor
                                     : CorAtras(static_cast<std::size_t>(container))));
    FillRect(dc, &area, fundo);
    for (std::size_t i = 0; i < projeto_.controles.size() && i < rects_.size(); ++i) {
        const ProjetoControle& c = projeto_.controles[i];
        if (containers_[i] != container || !EhSemJanela(c.tipo) || (c.flags & fOculto)) continue;
        const Rect& r = rects_[i];
        switch (c.tipo) {
            case TipoControle::Faixa: {
                RECT rc{r.left, r.top, r.right(), r.bottom()};
                FillRect(dc, &rc, Pincel(c.cor == clNenhuma ? clWhite : c.cor));
                if (c.corBorda != clNenhuma) FrameRect(dc, &rc, Pincel(c.corBorda));
                break;
            }
            case TipoControle::Linha: {
                TNqBevel b;
                b.Shape = c.forma;
                b.Left = r.left;
                b.Top = r.top;
                b.Width = r.width;
                b.Height = r.height;
                b.Raised = (c.flags & fElevada) != 0;
                b.Paint(dc);
                break;
            }
            case TipoControle::Grupo: {
                // An etched frame from the middle of the caption's line down, the caption on it.
                ScopedSelectObject fonte(dc, Fonte(FonteEfetiva(i)));
                const std::wstring texto = Wide(c.texto);
                TEXTMETRICW tm{};
                GetTextMetricsW(dc, &tm);
                RECT moldura{r.left, r.top + tm.tmHeight / 2, r.right(), r.bottom()};
                DrawEdge(dc, &moldura, EDGE_ETCHED, BF_RECT);
                if (!texto.empty()) {
                    RECT tr{r.left + S(8), r.top, r.right() - S(8), r.top + tm.tmHeight};
                    RECT calc = tr;
                    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &calc, DT_SINGLELINE | DT_CALCRECT);
                    RECT fundo{tr.left, tr.top, std::min<LONG>(calc.right + S(2), tr.right), tr.bottom};
                    FillRect(dc, &fundo, Pincel(CorAtras(i)));
                    SetBkMode(dc, TRANSPARENT);
                    const bool ligado = !(c.flags & fDesligado);
                    SetTextColor(dc, ligado ? ToColorRef(c.fonte.cor) : GetSysColor(COLOR_GRAYTEXT));
                    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &tr, DT_SINGLELINE | DT_END_ELLIPSIS);
                }
                break;
            }
            case TipoControle::Imagem: {
                const int tamanho = std::min(r.width, r.height);
                auto proprio = imagens_.find(i);
                if (HICON ic = proprio != imagens_.end() ? proprio->second.get() : Icone(i, tamanho))
                    DrawIconEx(dc, r.left + (r.width - tamanho) / 2, r.top + (r.height - tamanho) / 2, ic,
                               tamanho, tamanho, 0, nullptr, DI_NORMAL);
                break;
            }
            default:
                break;
        }
    }
    PintarExtra(dc, container);
}

void TDialogo::DesenharRotulo(std::size_t i, DRAWITEMSTRUCT* dis) {
    const ProjetoControle& c = projeto_.controles[i];
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    FillRect(dc, &r, Pincel(CorAtras(i)));
    const std::wstring texto = Wide(Texto(static_cast<int>(i)));
    // The label's own font: a narrower cut when its text has no room for the dialog's.
    auto fonte = reinterpret_cast<HFONT>(SendMessageW(dis->hwndItem, WM_GETFONT, 0, 0));
    ScopedSelectObject sel(dc, fonte ? fonte : Fonte(FonteEfetiva(i)));
    SetBkMode(dc, TRANSPARENT);
    const bool ligado = IsWindowEnabled(dis->hwndItem);
    SetTextColor(dc, ligado ? ToColorRef(c.fonte.cor) : GetSysColor(COLOR_GRAYTEXT));
    UINT flags = DT_EDITCONTROL | ((c.flags & fSemQuebra) ? DT_SINGLELINE : DT_WORDBREAK);
    if (c.flags & fSemPrefixo) flags |= DT_NOPREFIX;
    if (c.flags & fCentro) flags |= DT_CENTER;
    if (c.flags & fDireita) flags |= DT_RIGHT;
    if (c.flags & fCentroV) {
        RECT calc = r;
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &calc, flags | DT_CALCRECT);
        const int h = calc.bottom - calc.top;
        if (h < r.bottom - r.top) r.top += ((r.bottom - r.top) - h) / 2;
    }
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &r, flags);
}

void TDialogo::DesenharBotaoPlano(std::size_t i, DRAWITEMSTRUCT* dis) {
    const ProjetoControle& c = projeto_.controles[i];
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    FillRect(dc, &r, Pincel(CorAtras(i)));
    const bool ligado = !(dis->itemState & ODS_DISABLED);
    const bool apertado = apertado_ == static_cast<int>(i) && quente_ == static_cast<int>(i);
    if (ligado && apertado)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (ligado && quente_ == static_cast<int>(i))
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int tamanho = S(16);
    const std::wstring texto = Wide(c.texto);
    int x = r.left + (r.right - r.left - tamanho) / 2;
    if (!texto.empty()) {
        // Picture and caption side by side, centred together.
        ScopedSelectObject sel(dc, Fonte(FonteEfetiva(i)));
        SIZE ts{};
        GetTextExtentPoint32W(dc, texto.c_str(), static_cast<int>(texto.size()), &ts);
        const int total = (c.imagem ? tamanho + S(4) : 0) + ts.cx;
        x = r.left + (r.right - r.left - total) / 2;
        RECT tr{x + (c.imagem ? tamanho + S(4) : 0), r.top, r.right, r.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ligado ? ToColorRef(c.fonte.cor) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &tr,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    const int d = apertado ? 1 : 0;
    if (HICON ic = c.imagem ? Icone(i, ligado ? tamanho : (tamanho | 0x10000)) : nullptr)
        DrawIconEx(dc, x + d, r.top + (r.bottom - r.top - tamanho) / 2 + d, ic, tamanho, tamanho, 0, nullptr,
                   DI_NORMAL);
}

}  // namespace nq
