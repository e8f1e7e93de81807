#include "app/BarPinturaWin32.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>

#include "app/BarLancamentoWin32.h"
#include "app/BarLayout.h"
#include "app/Barra.h"
#include "app/MainWin32.h"
#include "resource.h"
#include "support/NqConst.h"
#include "support/Win32Text.h"
#include "ui/Legenda.h"

namespace nq {

namespace {

// A colour between two: quartos quarters of the way from the first to the second.
COLORREF CorEntre(COLORREF de, COLORREF para, int quartos) {
    return RGB((GetRValue(de) * (4 - quartos) + GetRValue(para) * quartos) / 4,
               (GetGValue(de) * (4 - quartos) + GetGValue(para) * quartos) / 4,
               (GetBValue(de) * (4 - quartos) + GetBValue(para) * quartos) / 4);
}

bool Intersects(const RECT& a, const RECT& b) {
    RECT out;
    return IntersectRect(&out, &a, &b) != 0;
}

// Draws text word-wrapped and centred vertically in a box, clipped to it.
void DrawBoxedText(HDC dc, const std::wstring& text, RECT box, UINT align) {
    RECT calc = box;
    const UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | align;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc, flags | DT_CALCRECT);
    const int h = calc.bottom - calc.top;
    RECT r = box;
    // Centred while it fits; a longer text keeps its first lines and loses the end.
    r.top = h > box.bottom - box.top ? box.top : box.top + ((box.bottom - box.top) - h) / 2;
    r.bottom = r.top + h;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
    RestoreDC(dc, saved);
}

constexpr UINT_PTR kPrimeiraDicaBotao = 100;  // the tools of the logo and the menu button are 1 and 2

// Lines drawn one under the other, centred as a block in a box; each line fits its width already.
void DrawLines(HDC dc, const std::vector<std::string>& linhas, const RECT& box) {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const int alto = std::max(1, static_cast<int>(tm.tmHeight));
    int y = box.top + std::max(0, static_cast<int>(box.bottom - box.top) - alto * static_cast<int>(linhas.size())) / 2;
    for (const std::string& linha : linhas) {
        const std::wstring w = Wide(linha);
        RECT r{box.left, y, box.right, y + alto};
        DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
        y += alto;
    }
}

}  // namespace

IconHandle LoadIconResource(int id, int size) {
    return IconHandle(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void TBarPintura::WMPaint() {
    const HWND w = barra_.hwnd();
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(w, &ps);
    RECT rc;
    GetClientRect(w, &rc);
    // Without memory for the buffer the bar is painted straight onto the screen.
    Paint(backBuffer_.Begin(dc, rc.right, rc.bottom), ps.rcPaint);
    backBuffer_.End(dc, ps.rcPaint);
    EndPaint(w, &ps);
}

void TBarPintura::AplicarDpi() {
    FazerFontes();
    CarregarFiguras();
}

void TBarPintura::FazerFontes() {
    const TFont& fonte = barra_.Visual().fonte;
    const int dpi = barra_.Dpi();
    captionFont_ = MakeFont(fonte, dpi);
    captionHoverFont_ = MakeFont(fonte, dpi, true, true);
    TFont title = fonte;
    title.name = "Tahoma";
    title.size = 9;
    title.bold = true;
    titleFont_ = MakeFont(title, dpi);
}

void TBarPintura::CarregarIconeTitulo(const std::string& arquivo) {
    iconeEmpresa_ = arquivo;
    if (iconeEmpresa_.empty()) return;
    const int size = barra_.S(32);
    if (HICON h = static_cast<HICON>(
            LoadImageW(nullptr, Wide(iconeEmpresa_).c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE)))
        titleIcon_.reset(h);
}

void TBarPintura::DefinirIconeTitulo(HICON copia) {
    titleIcon_.reset(copia);
}

// The pictures at the size they are drawn, from the icon resources' own sizes.
void TBarPintura::CarregarFiguras() {
    CarregarIconeTitulo(iconeEmpresa_);
    logo_ = LoadIconResource(IDI_LOGO, barra_.S(32));
    if (!logo_) logo_ = LoadIconResource(IDI_PIVEL, barra_.S(32));
    bars_ = LoadIconResource(IDI_BARS, barra_.S(24));
    webIcon_ = LoadIconResource(IDI_WEB, barra_.S(32));
    crossIcon_ = LoadIconResource(IDI_CROSS, barra_.S(32));
}

void TBarPintura::Paint(HDC dc, const RECT& dirty) {
    RECT client;
    GetClientRect(barra_.hwnd(), &client);
    if (!captionFont_) FazerFontes();  // the settings could not be read: the design font
    // Only what changed: the rest of the buffer still holds the last picture.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, dirty.left, dirty.top, dirty.right, dirty.bottom);
    SetDCBrushColor(dc, ToColorRef(barra_.Visual().cor));
    FillRect(dc, &dirty, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const RECT title{0, 0, client.right, barra_.S(kTitlePanelHeight)};
    if (Intersects(dirty, title)) PaintTitle(dc);
    PaintButtons(dc, dirty);
    // Under the title, inside the panel's 2-pixel border, and along the bottom of the bar.
    nqBevel1.Left = barra_.S(2);
    nqBevel1.Top = barra_.S(kTitlePanelHeight - 2 - 1);
    nqBevel1.Width = barra_.S(197);
    nqBevel1.Height = barra_.S(1);
    if (Intersects(dirty, title)) nqBevel1.Paint(dc);
    NqBevel2.Left = 0;
    NqBevel2.Top = client.bottom - barra_.S(1);
    NqBevel2.Width = client.right;
    NqBevel2.Height = barra_.S(1);
    if (dirty.bottom >= client.bottom - barra_.S(1)) NqBevel2.Paint(dc);
    RestoreDC(dc, saved);
}

void TBarPintura::PaintTitle(HDC dc) {
    const TVisualBarra& visual = barra_.Visual();
    if (const HICON img = IconeTitulo())
        DrawIconEx(dc, barra_.S(7), barra_.S(6), img, barra_.S(32), barra_.S(32), 0, nullptr, DI_NORMAL);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(visual.fonte.color));
    {
        ScopedSelectObject sel(dc, titleFont_.get());
        // While the keyboard finds a shortcut, its text stands in the title's place.
        const std::string& busca = barra_.Teclado().Busca();
        DrawBoxedText(dc, Wide(busca.empty() ? visual.titulo : "Localizar: " + busca),
                      RECT{barra_.S(43), barra_.S(6), barra_.S(43 + 114), barra_.S(6 + 32)}, DT_CENTER);
    }

    const RECT cfg = barra_.ConfigButtonRect();
    if (barra_.ConfigQuente() || barra_.ConfigApertado())
        DrawEdge(dc, const_cast<RECT*>(&cfg),
                 barra_.ConfigApertado() && barra_.ConfigQuente() ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    if (bars_) {
        const int size = barra_.S(24);
        const int x = cfg.left + (cfg.right - cfg.left - size) / 2;
        const int y = cfg.top + (cfg.bottom - cfg.top - size) / 2;
        DrawIconEx(dc, x, y, bars_.get(), size, size, 0, nullptr, DI_NORMAL);
    }
}

std::vector<std::string> TBarPintura::LinhasDoBotao(std::size_t i, HDC dc) {
    const TBotoesPainel& painel = barra_.Painel();
    if (i >= painel.Botoes().size()) return {};
    const TIconeComando& b = painel.Botoes()[i];
    MemoryDC tela;
    std::optional<ScopedSelectObject> fonte;
    if (!dc) {
        tela = MemoryDC(nullptr);
        dc = tela.get();
        fonte.emplace(dc, (b.Hovered() ? captionHoverFont_ : captionFont_).get());
    }
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const Rect c = b.CaptionBox(painel.PanelWidth());
    const int linhas = barra_.S(c.height) / std::max(1, static_cast<int>(tm.tmHeight));
    const MedirTexto medir = [dc](std::string_view texto) {
        const std::wstring w = Wide(texto);
        SIZE sz{};
        GetTextExtentPoint32W(dc, w.c_str(), static_cast<int>(w.size()), &sz);
        return static_cast<int>(sz.cx);
    };
    return LinhasDaLegenda(b.Titulo(), barra_.S(c.left + c.width) - barra_.S(c.left), linhas, medir);
}

void TBarPintura::PaintButtons(HDC dc, const RECT& dirty) {
    const TVisualBarra& visual = barra_.Visual();
    const int panelTop = barra_.S(kTitlePanelHeight);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(visual.fonte.color));
    const TBotoesPainel& painel = barra_.Painel();
    const auto& botoes = painel.Botoes();
    const TBuscaAlvos* busca = barra_.Lancamento().Busca();
    const int saved = SaveDC(dc);
    if (painel.Rolavel()) {
        // The buttons stay between the arrows' bands.
        const RECT setaAcima = barra_.SetaRect(true), setaAbaixo = barra_.SetaRect(false);
        IntersectClipRect(dc, 0, setaAcima.bottom, setaAcima.right, setaAbaixo.top);
    }
    // Only the buttons that show: 10,000 shortcuts paint as 25 do.
    const std::size_t desde = static_cast<std::size_t>(painel.Primeiro());
    const std::size_t ate = std::min(botoes.size(), desde + static_cast<std::size_t>(painel.Cabem()));
    for (std::size_t i = desde; i < ate; ++i) {
        if (!Intersects(dirty, barra_.BotaoRect(i))) continue;  // also every button below the bar's bottom
        const TIconeComando& b = botoes[i];
        const int dy = painel.Topo(i) - b.Top();
        const Rect c = b.CaptionBox(painel.PanelWidth());
        const bool apagado = barra_.Teclado().Apagado(i);
        SetTextColor(dc, apagado ? CorEntre(ToColorRef(visual.cor), ToColorRef(visual.fonte.color), 2)
                                 : ToColorRef(visual.fonte.color));
        {
            ScopedSelectObject sel(dc, b.Hovered() ? captionHoverFont_.get() : captionFont_.get());
            const RECT caixa{barra_.S(c.left), panelTop + barra_.S(c.top + dy), barra_.S(c.left + c.width),
                             panelTop + barra_.S(c.top + dy + c.height)};
            const int salvo = SaveDC(dc);
            IntersectClipRect(dc, caixa.left, caixa.top, caixa.right, caixa.bottom);
            DrawLines(dc, LinhasDoBotao(i, dc), caixa);
            RestoreDC(dc, salvo);
        }
        const RECT box{barra_.S(b.Left()), panelTop + barra_.S(b.Top() + dy), barra_.S(b.Left() + kIconSize),
                       panelTop + barra_.S(b.Top() + dy + kIconSize)};
        const TBuscaAlvos::TBotao estado = busca ? busca->Botao(i) : TBuscaAlvos::TBotao{};
        if (estado.estado == TBuscaAlvos::Estado::Pendente) {
            PaintNeutral(dc, box);
            continue;
        }
        // A target that is missing or gives no picture: the web picture for an address, else the cross.
        HICON icon = estado.imagem ? static_cast<const TImagemIcone*>(estado.imagem)->icone.get() : nullptr;
        if (!icon) icon = b.IsURL() ? webIcon_.get() : crossIcon_.get();
        if (icon)
            DrawIconEx(dc, box.left, box.top, icon, box.right - box.left, box.bottom - box.top, 0, nullptr,
                       DI_NORMAL);
        if (apagado) Velar(dc, box);
        if (static_cast<int>(i) == barra_.Teclado().Marcado()) PaintMark(dc, i);
    }
    RestoreDC(dc, saved);
    if (painel.Rolavel()) PaintSetas(dc);
}

// The arrows that say more buttons lie above or below: small triangles in the captions' colour, centred
// in their bands; none where the column ends.
void TBarPintura::PaintSetas(HDC dc) {
    const TBotoesPainel& painel = barra_.Painel();
    const COLORREF cor = ToColorRef(barra_.Visual().fonte.color);
    ScopedSelectObject pen(dc, GetStockObject(DC_PEN));
    ScopedSelectObject brush(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, cor);
    SetDCBrushColor(dc, cor);
    for (const bool acima : {true, false}) {
        if (acima ? !painel.MaisAcima() : !painel.MaisAbaixo()) continue;
        const RECT r = barra_.SetaRect(acima);
        const int meio = (r.left + r.right) / 2, alto = barra_.S(5), largo = barra_.S(6);
        const int topo = (r.top + r.bottom - alto) / 2, base = topo + alto;
        const POINT seta[3] = {{meio - largo, acima ? base : topo},
                               {meio + largo, acima ? base : topo},
                               {meio, acima ? topo : base}};
        Polygon(dc, seta, 3);
    }
}

// The keyboard's mark: a rounded frame in the captions' colour around the button and its caption.
void TBarPintura::PaintMark(HDC dc, std::size_t i) {
    RECT r = barra_.BotaoRect(i);
    InflateRect(&r, -barra_.S(1), -barra_.S(1));
    ScopedSelectObject pen(dc, GetStockObject(DC_PEN));
    ScopedSelectObject brush(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, ToColorRef(barra_.Visual().fonte.color));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, barra_.S(6), barra_.S(6));
}

// A dimmed button's icon: the bar's colour laid over it, two thirds opaque.
void TBarPintura::Velar(HDC dc, const RECT& r) {
    const COLORREF cor = ToColorRef(barra_.Visual().cor);
    if (!veuDc_ || !veu_ || veuCor_ != cor) {
        veuDc_ = MemoryDC(dc);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        veu_.reset(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!veuDc_ || !veu_ || !bits) return;
        *static_cast<DWORD*>(bits) = (GetRValue(cor) << 16) | (GetGValue(cor) << 8) | GetBValue(cor);
        SelectObject(veuDc_.get(), veu_.get());
        veuCor_ = cor;
    }
    const BLENDFUNCTION mistura{AC_SRC_OVER, 0, 170, 0};
    GdiAlphaBlend(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, veuDc_.get(), 0, 0, 1, 1, mistura);
}

// In place of an icon not taken yet: a faint rounded frame, a quarter of the way from the bar's colour
// to its captions', drawn with the stock pen so that nothing is allocated.
void TBarPintura::PaintNeutral(HDC dc, const RECT& box) {
    const COLORREF mid = CorEntre(ToColorRef(barra_.Visual().cor), ToColorRef(barra_.Visual().fonte.color), 1);
    ScopedSelectObject pen(dc, GetStockObject(DC_PEN));
    ScopedSelectObject brush(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, mid);
    const int inset = barra_.S(3), round = barra_.S(8);
    RoundRect(dc, box.left + inset, box.top + inset, box.right - inset, box.bottom - inset, round, round);
}

void TBarPintura::CriarDicas() {
    const HWND w = barra_.hwnd();
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, TooltipTiming.InitialPauseMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, TooltipTiming.HidePauseMs);
    const std::wstring hint = Wide(std::string(kApplicationTitle) + ", v" + GetVersionSis(true));
    const std::wstring config = L"Configurações";
    const RECT rects[] = {{barra_.S(7), barra_.S(6), barra_.S(7 + 32), barra_.S(6 + 32)},
                          barra_.ConfigButtonRect()};
    const std::wstring* texts[] = {&hint, &config};
    for (int i = 0; i < 2; ++i) {
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = w;
        ti.uId = static_cast<UINT_PTR>(i + 1);
        ti.rect = rects[i];
        ti.lpszText = const_cast<wchar_t*>(texts[i]->c_str());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    // A title and a target on lines of their own, however long.
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, barra_.S(480));
    AtualizarDicas();
}

void TBarPintura::AtualizarDicas() {
    if (!tooltip_) return;
    const HWND w = barra_.hwnd();
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = w;
    for (int k = 0; k < dicasBotoes_; ++k) {
        ti.uId = kPrimeiraDicaBotao + static_cast<UINT_PTR>(k);
        SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    dicasBotoes_ = 0;
    const TBotoesPainel& painel = barra_.Painel();
    const std::size_t desde = static_cast<std::size_t>(painel.Primeiro());
    const std::size_t ate = std::min(painel.Botoes().size(), desde + static_cast<std::size_t>(painel.Cabem()));
    for (std::size_t i = desde; i < ate; ++i) {
        const TIconeComando& b = painel.Botoes()[i];
        std::wstring largo = Wide(DicaDoAtalho(b.Titulo(), b.Programa(), b.Parametros()));
        ti.uFlags = TTF_SUBCLASS;
        ti.uId = kPrimeiraDicaBotao + static_cast<UINT_PTR>(dicasBotoes_);
        ti.rect = barra_.BotaoRect(i, false);
        ti.lpszText = largo.data();  // the tooltip keeps a copy
        if (SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti))) ++dicasBotoes_;
    }
}

}  // namespace nq
