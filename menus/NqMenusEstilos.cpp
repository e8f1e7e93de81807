// The renderer's measuring and painting: the steps every style shares, then the five styles, each in a
// section of its own: the three classic ones (padrão, office, sem ícones), Windows 7 and the stripe
// style (marvo).
#include "menus/NqMenusEstilos.h"

#include <algorithm>

#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

namespace {

constexpr int tamListra = 6;  // the stripe of tmMarvo

// The 10 x 10 square (at 96 dpi) centred in a rectangle.
R4 Centrado(R4 r, int lado) {
    r.T += (r.B - r.T - lado) / 2;
    r.B = r.T + lado;
    r.L += (r.R - r.L - lado) / 2;
    r.R = r.L + lado;
    return r;
}

bool ComecaComAsterisco(const std::string& s) {
    return !s.empty() && s.front() == '*';
}

}  // namespace

int MulDivRound(int a, int b, int c) {
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>(n >= 0 ? (n + c / 2) / c : -((-n + c / 2) / c));
}

bool EhTitulo(const TMenuItem& item) {
    const TMenu* primeiroNivel = item.FirstLevelMenu();
    return primeiroNivel && !primeiroNivel->IsMainMenu() &&
           (item.Tag == Titulo || ComecaComAsterisco(item.Caption));
}

// --- What every style shares ------------------------------------------------------------------------------

TPinturaMenu::TPinturaMenu(const TNqMenu& menu, ICanvas& canvas, const TMenuItem& i)
    : m(menu), estilo(*menu.estilo_), c(canvas), item(i), dpi(canvas.Dpi()) {
    // Both handlers begin with a fresh font: the system's menu font, or the renderer's own.
    if (m.UsarFonteWin()) {
        const TFonteSistema f = m.sistema_.FonteMenu(dpi);
        fonte = f.font;
        altura = f.altura;
    } else {
        fonte = m.Font();
    }
    Fonte();
    const TMenu* primeiroNivel = item.FirstLevelMenu();
    TopMenu = primeiroNivel && primeiroNivel->IsMainMenu();
    isTitulo = EhTitulo(item);
    habilitado = item.Enabled && !(isTitulo && estilo.RecusaTitulos());
    lista = item.GetImageList();
    TemImgList = lista && lista->Count() > 0;
    TemImg = TemImgList && item.ImageIndex >= 0 && item.ImageIndex < lista->Count() && !TopMenu &&
             estilo.Figuras();
}

bool TPinturaMenu::UseThemes() const {
    return m.sistema_.UseThemes();
}

bool TPinturaMenu::EmDesign() const {
    return m.bDesign;
}

void TPinturaMenu::MenorUmPonto() {
    if (altura)
        altura = MulDivRound(MulDivRound(altura, 72, dpi) - 1, dpi, 72);
    else
        --fonte.size;
    Fonte();
}

void TPinturaMenu::Borda(R4 r, EdgeKind tipo, unsigned lados) {
    if (!m.Escuro()) {
        c.DrawEdge(r, tipo, lados);
        return;
    }
    c.SetBrush(m.Cores().Separador);
    if (lados & esTop) c.FillRect(R4{r.L, r.T, r.R, r.T + 1});
    if (lados & esLeft) c.FillRect(R4{r.L, r.T, r.L + 1, r.B});
    if (lados & esRight) c.FillRect(R4{r.R - 1, r.T, r.R, r.B});
    if (lados & esBottom) c.FillRect(R4{r.L, r.B - 1, r.R, r.B});
    c.SetBrush(pincel);  // the fill the text is drawn on stays as it was
}

void TPinturaMenu::TituloDaBarra(R4& R, R4& T, unsigned& Flags) const {
    R.R -= S(3);
    T = R;
    Flags |= tfCenter;
}

void TPinturaMenu::Separador(R4 linha, EdgeKind tipo) {
    linha.T += S(2);
    Borda(linha, tipo, esTop);
}

std::string TPinturaMenu::Legenda(R4& T, std::string text, int desloca, unsigned Flags) {
    if (!TopMenu) {
        text = " " + text;
        T.L += desloca;
    }
    T.T += (T.B - T.T - TextHeight(text)) / 2;
    c.TextRect(T, text, Flags);
    return text;
}

std::string TPinturaMenu::TextoDoAtalho() const {
    return TopMenu ? std::string() : ShortCutToText(item.ShortCut);
}

void TPinturaMenu::Atalho(R4 T, const std::string& text, std::string_view atalho, unsigned Flags, int desce,
                          int margem) {
    T.T += desce;
    T.L += static_cast<int>(CharCount(text)) + S(8);
    T.R -= margem;
    c.TextRect(T, atalho, Flags | tfRight);
}

void TPinturaMenu::MarcaEmQuadro(const Rect& r, bool frame) {
    const TNqMenu::TCores& k = m.Cores();
    c.SetBrush(habilitado ? k.FundoMarca : k.FundoMarcaOff);
    c.SetPen(habilitado ? k.ContornoMarca : k.ContornoMarcaOff);
    if (frame) c.RoundRect(r, S(6), S(6));
    const R4 q = Centrado(R4{r.left, r.top, r.right(), r.bottom()}, S(Radio));
    if (!item.RadioItem) {
        m.DesenharChecked(c, q);
        return;
    }
    c.SetPen(k.Marca);
    c.SetBrush(k.Marca);
    c.Ellipse(R4{q.L + 1, q.T + 1, q.R - 1, q.B - 1});
}

void TNqMenu::DesenharChecked(ICanvas& ACanvas, const Rect& CheckedRect) const {
    const int dpi = ACanvas.Dpi();
    auto S = [dpi](int px) { return Scale(px, dpi); };
    const int L = CheckedRect.left, T = CheckedRect.top, R = CheckedRect.right(), B = CheckedRect.bottom();
    ACanvas.SetPen(cores_.Marca, S(1));
    const int traco[5][4] = {
        {L + S(1), T + S(5), L + S(4), B - S(2)}, {L + S(2), T + S(5), L + S(4), B - S(3)},
        {L + S(2), T + S(4), L + S(5), B - S(3)}, {L + S(4), B - S(3), R + S(2), T - S(1)},
        {L + S(4), B - S(2), R - S(2), T + S(3)},
    };
    for (const auto& t : traco) {
        ACanvas.MoveTo(t[0], t[1]);
        ACanvas.LineTo(t[2], t[3]);
    }
}

// The arrow of an entry that opens a submenu: a triangle pointing right, centred in the entry's last
// 16 pixels (at 96 dpi), in the colour its text was just written in, so that it follows the style, the
// highlight and the dark mode. The window layer keeps the system's own arrow off the entry.
void TPinturaMenu::Seta(R4 R) {
    const int n = S(4);  // its columns; it is 2n - 1 rows high
    const int x = R.R - S(16) + (S(16) - n) / 2;
    const int y = R.T + (R.B - R.T - (2 * n - 1)) / 2;
    Brush(fonte.color);
    for (int i = 0; i < n; ++i) c.FillRect(R4{x + i, y + i, x + i + 1, y + 2 * n - 1 - i});
}

void TPinturaMenu::Medir(int& Width, int& Height) {
    const std::string& cap = item.Caption;
    if (ComecaComAsterisco(cap) || item.Tag == Titulo || item.HelpContext == Titulo || item.Default)
        SoNegrito();
    const bool TemImagem = TemImgList && estilo.Figuras();

    Height = TextHeight(cap) + S(4);
    Width = TextWidth(cap);
    if (cap.find('&') != std::string::npos) Width -= TextWidth("&");
    if (TopMenu) {
        Width += S(6);
        return;
    }
    if (item.IsLine()) {
        Height = S(6);
        return;
    }
    Width += S(40);
    Height += S(4);
    const std::string atalho = ShortCutToText(item.ShortCut);
    if (!Trim(atalho).empty()) Width += TextWidth(atalho);
    if (TemImagem) {
        const int tam = S(m.TamIcone());
        const int h = m.TamIcone() != 0 && tam != lista->Height() ? tam : lista->Height();
        Height = std::min(lista->Height(), h) + S(4);
        const int w = m.TamIcone() != 0 && tam != lista->Width() ? tam : lista->Width();
        Width += w + S(8);
    }
    Height += S(2);
    if (!estilo.Figuras()) Width += S(8);
}

void TPinturaMenu::Desenhar(const Rect& ARect, TOwnerDrawState State) {
    // The icon size: the pictures' own, never enlarged by TamIcone; 16 in the styles without pictures.
    int W = S(HPadrao);
    if (estilo.Figuras()) {
        if (TemImgList) W = lista->Width();
        if (m.TamIcone() > 0) W = std::min(W, S(m.TamIcone()));
    }
    const R4 R{ARect.left, ARect.top, ARect.right(), ARect.bottom()};
    const R4 G{R.L, R.T, R.L + W + S(Dist), R.B};  // the gutter
    const R4 T{G.R + S(Dist), R.T, R.R, R.B};      // the text
    estilo.Desenhar(*this, R, G, T, W, State.selected, State.hotLight);
    if (!TopMenu && !item.IsLine() && item.Count() > 0) Seta(R);
}

namespace {

// --- The classic styles: padrão, office and sem ícones ----------------------------------------------------

// What the three share: the item's background, its caption and shortcut, the picture in the gutter. A
// title is drawn disabled and refused.
class TEstiloClassico : public TEstiloMenu {
public:
    bool RecusaTitulos() const override { return true; }

protected:
    static void Fundo(TPinturaMenu& p, R4& R, R4& T, unsigned& Flags) {
        const TNqMenu::TCores& k = p.m.Cores();
        p.Brush(p.TopMenu ? k.TopMenu : k.Menu);
        p.c.FillRect(R);
        if (p.TopMenu) p.TituloDaBarra(R, T, Flags);
    }
    // The caption and the shortcut on the brush the style chose; `desloca` moves the caption.
    static void Textos(TPinturaMenu& p, R4 T, unsigned Flags, bool realce, int desloca) {
        const TNqMenu::TCores& k = p.m.Cores();
        const std::string& cap = p.item.Caption;
        p.Cor(realce ? k.FonteSel : k.Fonte);
        if (p.item.Default || p.item.HelpContext == Titulo || cap.find('*') != std::string::npos) p.Negrito();
        if (!p.habilitado) p.Cor(realce && !p.m.Escuro() ? clGrayText : k.FonteDeslig);
        if (p.isTitulo) {
            p.SoNegrito();
            p.Cor(k.Fonte);
            p.Brush(k.Menu);
        }
        const std::string text = p.Legenda(T, p.isTitulo ? StrTran(cap, "*", "") : cap, desloca, Flags);
        if (const std::string atalho = p.TextoDoAtalho(); !atalho.empty())
            p.Atalho(T, text, StrTran(atalho, "Space", "Espaço"), Flags, 0, p.S(16));
    }
    // The fill and outline of a checked item's mark.
    static void CoresDaMarca(TPinturaMenu& p, bool sel) {
        const TNqMenu::TCores& k = p.m.Cores();
        p.Brush(sel ? k.Checked : k.Barra);
        p.c.SetPen(k.Contorno);
    }
    // The picture centred in the gutter, a pixel up and left when selected and not checked; scaled down
    // to W when it is larger and TamIcone says so.
    static void Figura(TPinturaMenu& p, R4 G, int W, bool sel) {
        G.L += (G.R - G.L - W) / 2;
        G.T += (G.B - G.T - W) / 2;
        if (sel && !p.item.Checked) {
            --G.L;
            --G.T;
        }
        if (p.lista->Width() != W && p.m.TamIcone() != 0)
            p.c.StretchImage(*p.lista, p.item.ImageIndex, R4{G.L, G.T, G.L + W, G.T + W});
        else
            p.c.DrawImage(*p.lista, p.item.ImageIndex, G.L, G.T, p.habilitado);
    }
};

// padrão: the system's highlight bar, which leaves a marked gutter (a picture, or a check) out and
// raises it when selected.
class TEstiloPadrao : public TEstiloClassico {
public:
    bool Figuras() const override { return true; }
    void Cores(TNqMenu::TCores& k, bool temas) const override {
        k.Barra = k.Contorno = clHighlight;
        k.FonteSel = clHighlightText;
        k.Menu = temas ? clWindow : clMenu;
    }
    void CoresEscuras(TNqMenu::TCores& k) const override {
        k.Barra = k.Contorno = RGBColor(0, 95, 184);
        k.FonteSel = clWhite;
        k.Checked = RGBColor(0, 70, 140);
    }
    void Desenhar(TPinturaMenu& p, R4 R, R4 G, R4 T, int W, bool sel, bool hot) const override {
        const TNqMenu::TCores& k = p.m.Cores();
        const bool realce = sel || hot;
        const bool calhaMarcada = p.TemImg || p.item.Checked;
        unsigned Flags = tfExpandTabs;
        Fundo(p, R, T, Flags);
        if (realce && !p.isTitulo) {
            p.c.SetPen(k.Contorno);
            p.Brush(k.Barra);
            if (calhaMarcada) {
                R = T;
                R.L = T.L - p.S(7);  // the gutter stays unhighlighted
            }
            p.c.Rectangle(R);
        }
        if (p.item.IsLine()) {
            p.Separador(R, EdgeKind::Etched);
            return;
        }
        p.Brush(realce ? k.Barra : (p.TopMenu ? k.TopMenu : k.Menu));
        Textos(p, T, Flags, realce, DeslocaLegenda(p));
        if (sel && calhaMarcada) p.Borda(G, EdgeKind::RaisedInner, esRect);
        if (p.item.Checked) {
            CoresDaMarca(p, sel);
            if (p.TemImg && !p.m.SemIcones()) {
                // The picture itself will show the state, on a sunken gutter.
                p.Borda(G, EdgeKind::SunkenOuter, esRect | esMiddle);
            } else {
                G = Centrado(G, p.S(Radio));
                if (!p.item.RadioItem) {
                    p.m.DesenharChecked(p.c, G);
                } else {
                    p.Brush(k.Fonte);
                    p.c.SetPen(k.Fonte);
                    p.c.Ellipse(G);
                }
            }
        }
        if (p.TemImg) Figura(p, G, W, sel);
    }

protected:
    virtual int DeslocaLegenda(const TPinturaMenu&) const { return 0; }
};

// sem ícones: padrão without pictures, its caption closer to the narrow gutter, on the menu colour.
class TEstiloSemIcones final : public TEstiloPadrao {
public:
    bool Figuras() const override { return false; }
    void Cores(TNqMenu::TCores& k, bool temas) const override {
        TEstiloPadrao::Cores(k, temas);
        k.Menu = clMenu;
    }

protected:
    int DeslocaLegenda(const TPinturaMenu& p) const override { return -p.S(6); }
};

// office: a coloured gutter (a gradient if asked), a framed blue band, the menu bar's open title as a tab
// with a shadow, and marks in framed squares.
class TEstiloOffice final : public TEstiloClassico {
public:
    bool Figuras() const override { return true; }
    void Cores(TNqMenu::TCores& k, bool) const override { k.Menu = clWindow; }
    void CoresEscuras(TNqMenu::TCores& k) const override {
        k.Barra = RGBColor(38, 79, 120);
        k.Contorno = RGBColor(86, 156, 214);
        k.Checked = RGBColor(60, 110, 160);
    }
    void Desenhar(TPinturaMenu& p, R4 R, R4 G, R4 T, int W, bool sel, bool hot) const override {
        const TNqMenu::TCores& k = p.m.Cores();
        const bool temas = p.UseThemes();
        const bool realce = sel || hot;
        const bool habilitado = p.habilitado;
        unsigned Flags = tfExpandTabs;
        Fundo(p, R, T, Flags);

        // The gutter; its gradient darkens by 5 % a column (at 96 dpi) from the second column on.
        if (!p.TopMenu) {
            p.Brush(k.FundoIcone);
            if (!p.m.MenusDegrade()) {
                p.c.FillRect(G);
            } else {
                for (int x = G.L, passo = 0; x <= G.R; ++x, ++passo) {
                    p.c.FillRect(R4{x, G.T, G.R, G.B});
                    p.Brush(p.m.NewColor(k.FundoIcone, -MulDivRound(5 * passo, 96, p.dpi)));
                }
            }
        }

        if (realce && !p.isTitulo) {
            if (p.TopMenu && !temas) {
                p.Borda(R, EdgeKind::RaisedInner, esRect);
            } else {
                p.c.SetPen(k.Contorno);
                p.Brush(habilitado ? k.Barra : k.Menu);
                p.c.Rectangle(R);
                if (sel && p.TopMenu) {  // an open menu title
                    p.Brush(k.TopMenu);
                    p.c.SetPen(k.TopContorno);
                    p.c.Rectangle(R);
                    if (p.item.Count() > 0 && habilitado) p.c.FillRect(R4{R.L + 1, R.T + 1, R.R - 1, R.B});
                    if (habilitado) {
                        p.Brush(k.TopSombra);
                        p.c.FillRect(R4{R.R, R.T + p.S(4), R.R + p.S(3), R.B});
                    }
                }
            }
        }

        if (p.item.IsLine()) {
            p.Separador(T, EdgeKind::Etched);
            return;
        }

        if (realce) {
            if (temas || p.EmDesign())
                p.Brush(sel && p.TopMenu ? k.TopMenu : k.Barra);
            else if (p.TopMenu)
                p.Brush(k.TopMenu);  // other items keep the highlight's fill
            if (!habilitado) p.Brush(k.Menu);
        } else {
            p.Brush(p.TopMenu ? k.TopMenu : k.Menu);
        }
        if (!habilitado && p.TopMenu) p.Brush(k.TopMenu);
        Textos(p, T, Flags, realce, 0);

        if (p.item.Checked) {
            CoresDaMarca(p, sel);
            if (p.TemImg && !p.m.SemIcones()) {
                // The picture itself will show the state, on a framed gutter.
                p.c.Rectangle(R4{G.L + 1, G.T + 1, G.R - 1, G.B - 1});
            } else {
                G = Centrado(G, p.S(Radio));
                if (!p.item.RadioItem) {
                    p.c.Rectangle(G);
                    p.m.DesenharChecked(p.c, G);
                } else {
                    p.c.Ellipse(G);
                    const int d = p.S(2);
                    G = R4{G.L + d, G.T + d, G.R - d, G.B - d};
                    p.Brush(k.Contorno);
                    p.c.Ellipse(G);
                }
            }
        }
        if (p.TemImg && !p.m.SemIcones()) Figura(p, G, W, sel);
    }
};

// --- Windows 7 ------------------------------------------------------------------------------------------

// A raised line beside the gutter, a rounded framed band (grey on a disabled item), the shortcut one
// point smaller, and marks in rounded squares.
class TEstiloWin7 final : public TEstiloMenu {
public:
    bool Figuras() const override { return false; }
    bool RecusaTitulos() const override { return false; }
    void Cores(TNqMenu::TCores& k, bool) const override {
        k.Menu = clMenu;
        k.Barra = kCorW7FundoOn;
        k.Contorno = kCorW7ContornoOn;
        k.FonteSel = k.Fonte;
    }
    void CoresEscuras(TNqMenu::TCores& k) const override {
        k.Barra = k.FundoMarca;
        k.Contorno = k.ContornoMarca;
    }
    void Desenhar(TPinturaMenu& p, R4 R, R4 G, R4 T, int W, bool sel, bool hot) const override {
        const TNqMenu::TCores& k = p.m.Cores();
        const bool realce = sel || hot;
        unsigned Flags = tfExpandTabs;

        if (p.m.Escuro()) p.Cor(k.Fonte);
        p.Brush(p.m.Win7() || !p.TopMenu ? k.Menu : clMenuBar);
        p.c.FillRect(R);
        R4 RLine = R;
        RLine.L = R.L + W + p.S(9);
        if (p.item.IsLine()) p.Separador(RLine, EdgeKind::Raised);
        if (!p.TopMenu) p.Borda(RLine, EdgeKind::Raised, esLeft);
        if (p.TopMenu)
            p.TituloDaBarra(R, T, Flags);
        else
            T = RLine;

        if (realce && !p.isTitulo) {
            const bool on = p.habilitado && !(sel && p.TopMenu);
            p.Brush(on ? k.Barra : k.BarraOff);
            p.c.SetPen(on ? k.Contorno : k.ContornoOff);
            if (p.TopMenu) {
                p.c.Rectangle(R);
                if (sel) p.c.FillRect(R4{R.L + 1, R.B - 1, R.R - 1, R.B});  // open at the bottom
            } else {
                p.c.RoundRect(R, p.S(6), p.S(6));
            }
            RLine.T += p.S(2);
            RLine.B -= p.S(2);
        }
        if (!p.TopMenu) p.Borda(RLine, EdgeKind::Raised, esLeft);
        if (p.item.IsLine()) return;

        if (p.item.Default || p.isTitulo) p.Negrito();
        if (!p.habilitado) p.Cor(k.FonteDeslig);
        const std::string text = p.Legenda(T, p.item.Caption, p.S(4), Flags);
        if (const std::string atalho = p.TextoDoAtalho(); !atalho.empty()) {
            p.MenorUmPonto();
            p.Atalho(T, text, atalho == "Space" ? "Espaço" : atalho, Flags, p.S(1), p.S(16));
        }
        if (p.item.Checked) p.MarcaEmQuadro(G, true);
    }
};

// --- marvo: the stripe style ---------------------------------------------------------------------------

// A teal stripe along the item's left edge, a flat light-blue band beside it, entries with help context 99
// in blue, and marks without a frame.
class TEstiloMarvo final : public TEstiloMenu {
public:
    bool Figuras() const override { return true; }
    bool RecusaTitulos() const override { return false; }
    void Cores(TNqMenu::TCores& k, bool) const override {
        k.Menu = clWhite;
        k.Fonte = k.FonteSel = clBlack;
        k.Barra = k.Contorno = RGBColor(180, 221, 243);
        k.FundoIcone = kCorMarvo;
    }
    void CoresEscuras(TNqMenu::TCores& k) const override {
        k.Barra = k.Contorno = RGBColor(20, 80, 100);
        k.FundoIcone = kCorMarvo;  // the teal stripe is the style
    }
    void Desenhar(TPinturaMenu& p, R4 R, R4 G, R4 T, int W, bool sel, bool hot) const override {
        const TNqMenu::TCores& k = p.m.Cores();
        const bool realce = sel || hot;
        const bool temas = p.UseThemes();
        const bool escuro = p.m.Escuro();
        unsigned Flags = tfExpandTabs;

        p.Brush(p.TopMenu ? clMenuBar : k.Menu);
        p.Cor(p.habilitado ? k.Fonte : k.FonteDeslig);
        p.c.FillRect(R);
        if (p.item.IsLine()) p.Separador(R4{R.L + W + p.S(6), R.T, R.R, R.B}, EdgeKind::Raised);
        if (!p.TopMenu) {
            // The stripe along the item's left edge, wherever the item begins.
            G.R = G.L + p.S(tamListra);
            p.Brush(temas ? k.FundoIcone : (escuro ? RGBColor(110, 110, 110) : clSilver));
            p.c.FillRect(G);
        } else {
            p.TituloDaBarra(R, T, Flags);
        }

        if (realce && !p.isTitulo) {
            if (!p.habilitado) p.Cor(escuro ? k.FonteDeslig : clGrayText);
            p.Brush(k.Barra);
            if (!p.TopMenu) R.L += p.S(8);
            if (p.TopMenu && !temas) {
                p.Brush(clHighlight);
                p.Cor(clHighlightText);
            }
            p.c.FillRect(R);
        } else {
            p.Brush(p.TopMenu ? clMenuBar : k.Menu);
        }
        if (p.item.IsLine()) return;

        if (p.item.Default || p.isTitulo || p.item.HelpContext == Titulo) p.Negrito();
        if (p.item.HelpContext == Titulo && p.habilitado && !realce) p.Cor(k.Titulo);
        const std::string text = p.Legenda(T, p.item.Caption, -p.S(8), Flags);
        if (const std::string atalho = p.TextoDoAtalho(); !atalho.empty())
            p.Atalho(T, text, atalho == "Space" ? "Espaço" : atalho, Flags, p.S(1), p.S(8));
        // The mark from the item's own left edge, wherever the band begins.
        if (p.item.Checked)
            p.MarcaEmQuadro(R4{G.L + p.S(8), G.T + 1, G.L + p.S(p.m.TamIcone() + 5), G.B - 1}, false);
    }
};

}  // namespace

const TEstiloMenu& EstiloMenu(TTipoMenu tipo) {
    static const TEstiloPadrao padrao;
    static const TEstiloOffice office;
    static const TEstiloSemIcones semIcones;
    static const TEstiloWin7 win7;
    static const TEstiloMarvo marvo;
    switch (tipo) {
        case TTipoMenu::tmOffice:
            return office;
        case TTipoMenu::tmSemIcones:
            return semIcones;
        case TTipoMenu::tmWin7:
            return win7;
        case TTipoMenu::tmMarvo:
            return marvo;
        default:
            return padrao;
    }
}

}  // namespace nq
