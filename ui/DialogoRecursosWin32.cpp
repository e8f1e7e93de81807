// What a dialog keeps for its controls while it lives: fonts, brushes and pictures at its density.
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

// --- Fonts, colours and pictures ------------------------------------------------------------------------

ProjetoFonte TDialogo::FonteEfetiva(std::size_t i) const {
    ProjetoFonte f = projeto_.controles[i].fonte;
    // What the control leaves open comes from its container, and at the top from the dialog.
    for (int c = containers_.empty() ? kSemPai : containers_[i];;
         c = containers_[static_cast<std::size_t>(c)]) {
        const ProjetoFonte& de =
            c == kSemPai ? projeto_.fonte : projeto_.controles[static_cast<std::size_t>(c)].fonte;
        if (f.nome.empty()) f.nome = de.nome;
        if (f.pontos == 0 && f.pixels == 0) {
            f.pontos = de.pontos;
            f.pixels = de.pixels;
            f.icone = f.icone || de.icone;
        }
        if (c == kSemPai) break;
    }
    if (f.pontos == 0 && f.pixels == 0) f.pontos = 8;
    return f;
}

HFONT TDialogo::Fonte(const ProjetoFonte& f) {
    const std::string chave = f.nome + "|" + std::to_string(f.pontos) + "|" + std::to_string(f.pixels) + "|" +
                              std::to_string(f.negrito) + std::to_string(f.italico) +
                              std::to_string(f.sublinhado) + std::to_string(f.icone) +
                              std::to_string(f.riscado);
    auto it = fontes_.find(chave);
    if (it != fontes_.end()) return it->second.get();
    TFont fonte;
    fonte.name = f.nome;
    fonte.size = f.pontos;
    fonte.bold = f.negrito;
    fonte.italic = f.italico;
    fonte.underline = f.sublinhado;
    fonte.strikeOut = f.riscado;
    LOGFONTW lf = DescricaoFonte(fonte, dpi_, f.pixels > 0 ? S(f.pixels) : 0);
    // The system's icon font: its face, at the table's size and style.
    LOGFONTW icone{};
    if (f.icone && SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof icone, &icone, 0) && icone.lfFaceName[0])
        lstrcpynW(lf.lfFaceName, icone.lfFaceName, LF_FACESIZE);
    FontHandle h(CreateFontIndirectW(&lf));
    HFONT out = h.get();
    if (out) fontes_.emplace(chave, std::move(h));
    return out ? out : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void TDialogo::AplicarFonte(int controle) {
    const int i = Valido(controle);
    HWND w = Controle(controle);
    if (i < 0 || !w) return;
    const std::size_t k = static_cast<std::size_t>(i);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(Fonte(FonteEfetiva(k))), FALSE);
    estreitas_.erase(k);  // no longer held by the control
    if (k < rects_.size()) AjustarAoTexto(k);
    InvalidateRect(w, nullptr, TRUE);
}

HFONT TDialogo::FonteDe(int controle) {
    const int i = Valido(controle);
    return i < 0 ? Fonte(projeto_.fonte) : Fonte(FonteEfetiva(static_cast<std::size_t>(i)));
}

HBRUSH TDialogo::Pincel(TColor cor) {
    auto it = pinceis_.find(cor);
    if (it != pinceis_.end()) return it->second.get();
    BrushHandle b(CreateSolidBrush(ToColorRef(cor)));
    HBRUSH out = b.get();
    if (out) pinceis_.emplace(cor, std::move(b));
    return out ? out : GetSysColorBrush(COLOR_BTNFACE);
}

TColor TDialogo::CorAtras(std::size_t i) const {
    const ProjetoControle& c = projeto_.controles[i];
    if (c.cor != clNenhuma && !(c.flags & fTransparente) && c.tipo != TipoControle::Edicao) return c.cor;
    // The last band of the same window under the control's middle shows through.
    if (i < rects_.size()) {
        const Rect& r = rects_[i];
        const int mx = r.left + r.width / 2, my = r.top + r.height / 2;
        for (std::size_t j = projeto_.controles.size(); j-- > 0;) {
            const ProjetoControle& f = projeto_.controles[j];
            if (j == i || f.tipo != TipoControle::Faixa || (f.flags & fOculto) ||
                containers_[j] != containers_[i])
                continue;
            const Rect& fr = rects_[j];
            if (mx >= fr.left && mx < fr.right() && my >= fr.top && my < fr.bottom()) return f.cor;
        }
    }
    for (int k = containers_[i]; k != kSemPai; k = containers_[static_cast<std::size_t>(k)]) {
        const TColor cor = projeto_.controles[static_cast<std::size_t>(k)].cor;
        if (cor != clNenhuma) return cor;
    }
    return clBtnFace;
}

HICON TDialogo::Icone(std::size_t i, int tamanho) {
    const auto chave = std::make_pair(i, tamanho);
    auto it = icones_.find(chave);
    if (it != icones_.end()) return it->second.get();
    IconHandle h = IconeRecurso(projeto_.controles[i].imagem, tamanho & 0xFFFF);
    if (h && (tamanho & 0x10000)) h = IconeCinza(h.get());
    HICON out = h.get();
    icones_.emplace(chave, std::move(h));
    return out;
}

void TDialogo::ImagemDoBotao(std::size_t i) {
    HWND w = janelas_[i];
    if (!w || !projeto_.controles[i].imagem) return;
    const int tamanho = S(16);
    HICON normal = Icone(i, tamanho);
    HICON cinza = Icone(i, tamanho | 0x10000);
    if (!normal) return;
    HIMAGELIST lista = ImageList_Create(tamanho, tamanho, ILC_COLOR32, 6, 0);
    if (!lista) return;
    // One picture per state (normal, hot, pressed, disabled, default, stylus hot): grey when disabled.
    for (int estado = 0; estado < 6; ++estado)
        ImageList_AddIcon(lista, estado == 3 && cinza ? cinza : normal);
    BUTTON_IMAGELIST bil{};
    bil.himl = lista;
    bil.margin = RECT{S(2), 0, 0, 0};
    bil.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    if (SendMessageW(w, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil)))
        listas_.push_back(lista);
    else
        ImageList_Destroy(lista);
}

}  // namespace nq
