#include "menus/NqMenus.h"

#include <algorithm>

#include "catalogue/NqIniFiles.h"
#include "support/Errors.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

namespace {

constexpr int tamListra = 6;  // the stripe of tmMarvo

// Edges as the drawing works with them; right and bottom exclusive.
struct R4 {
    int L, T, R, B;
    operator Rect() const { return RectLTRB(L, T, R, B); }
};

// a * b / c rounded to the nearest, halves away from zero; c > 0.
int MulDivRound(int a, int b, int c) {
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>(n >= 0 ? (n + c / 2) / c : -((-n + c / 2) / c));
}

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

// --- Creation and properties ----------------------------------------------------------------------------

TNqMenu::TNqMenu(TMenuOwner* owner, IMenuSistema& sistema)
    : sistema_(sistema), FForm(owner), self_(std::make_shared<TNqMenu*>(this)) {
    FFont = sistema_.FonteMenu(96).font;
    bDesign = sistema_.EmDesign();
    DefineCores();
    Ativar(FAtivo);
    FWin7 = sistema_.VersaoPrincipal() > 5;
    JoinOwner(owner);
}

TNqMenu::~TNqMenu() {
    SetAtivo(false);
    if (FMenuConfigura) FMenuConfigura->RemoveFreeNotification(*this);
    self_.reset();
    LeaveOwner();
}

void TNqMenu::SetAtivo(bool value) {
    FAtivo = value;
    Ativar(value);
}

void TNqMenu::SetFont(const TFont& value) {
    FFont = value;
    Atualizar();
}

void TNqMenu::SetTamIcone(int value) {
    if (std::find(std::begin(aTamIcone), std::end(aTamIcone), value) == std::end(aTamIcone))
        throw EComponentError(Name + ": Tamanho dos ícones inválido: " + std::to_string(value));
    FTamIcone = value;
    Atualizar();
}

void TNqMenu::SetTipoMenu(TTipoMenu value) {
    FTipoMenu = value;
    if (value == TTipoMenu::tmMarvo) {
        FTamIcone = 24;
        FMenusDegrade = false;
        FUsarFonteWin = true;
        FSemIcones = true;
    }
    Atualizar();
}

void TNqMenu::SetSessaoIni(std::string_view value) {
    if (Empty(value)) throw EComponentError(Name + ": Nome de sessão inválido!");
    FSessaoIni = std::string(value);
}

void TNqMenu::SetUsarFonteWin(bool value) {
    FUsarFonteWin = value;
    Atualizar();
}

void TNqMenu::SetMenuConfigura(TMenuItem* value) {
    if (value == FMenuConfigura) return;
    if (FMenuConfigura) FMenuConfigura->RemoveFreeNotification(*this);
    FMenuConfigura = value;
    if (!value) return;
    if (bDesign) {
        value->Caption = "&Configurar menus";
        value->ShortCut = TextToShortCut("Shift+Ctrl+F9");
    }
    std::weak_ptr<TNqMenu*> self = self_;
    value->OnClick = [self](TMenuItem& item) {
        if (auto p = self.lock()) (*p)->MenuConfigClick(item);
    };
    value->FreeNotification(*this);
}

// --- Hooking -------------------------------------------------------------------------------------------

void TNqMenu::Ligar(TMenuItem& item, bool ligado) {
    if (!ligado) {
        item.OnMeasureItem = nullptr;
        item.OnDrawItem = nullptr;
        return;
    }
    std::weak_ptr<TNqMenu*> self = self_;
    item.OnMeasureItem = [self](TMenuItem& i, ICanvas& c, int& w, int& h) {
        if (auto p = self.lock()) (*p)->MedeItem(i, c, w, h);
    };
    item.OnDrawItem = [self](TMenuItem& i, ICanvas& c, const Rect& r, TOwnerDrawState s) {
        if (auto p = self.lock()) (*p)->DesenhaItem(i, c, r, s);
    };
}

void TNqMenu::Ativar(bool Ligado) {
    if (!FForm) return;
    for (TComponent* c : FForm->Components()) {
        if (auto* menu = dynamic_cast<TMenu*>(c)) {
            menu->OwnerDraw = Ligado;
        } else if (auto* item = dynamic_cast<TMenuItem*>(c)) {
            if (!Trim(item->Caption).empty()) Ligar(*item, Ligado);
        }
    }
    if (Ligado) FForm->DrawMenuBar();
}

void TNqMenu::AtivarIndiv(TMenuItem& Item, bool Ligado) {
    if (TMenu* menu = Item.FirstLevelMenu()) menu->OwnerDraw = Ligado;
    Ligar(Item, Ligado);
}

void TNqMenu::Atualizar() {
    DefineCores();
    Ativar(!FAtivo);
    Ativar(FAtivo);
}

void TNqMenu::Notification(TComponent& AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    // An item made with the window as its owner joins before its caption is set: it stays unhooked here,
    // and run-time items are hooked one by one (AtivarIndiv).
    if (Operation == TOperation::opInsert && dynamic_cast<TMenuItem*>(&AComponent)) {
        Ativar(true);
        Atualizar();
    }
    if (Operation == TOperation::opRemove && &AComponent == FMenuConfigura) FMenuConfigura = nullptr;
}

// --- Measuring and painting ----------------------------------------------------------------------------

// One measure or paint of one item: the canvas, the font in force and the item's classification.
struct TNqMenu::Pintura {
    TNqMenu& m;
    ICanvas& c;
    TMenuItem& item;
    const int dpi;
    TFont fonte;
    int altura = 0;
    bool TopMenu = false;
    bool isTitulo = false;
    const TImageList* lista = nullptr;
    bool TemImgList = false;
    bool TemImg = false;

    Pintura(TNqMenu& menu, ICanvas& canvas, TMenuItem& i) : m(menu), c(canvas), item(i), dpi(canvas.Dpi()) {
        // Both handlers begin with a fresh font: the system's menu font, or the renderer's own.
        if (m.FUsarFonteWin) {
            const TFonteSistema f = m.sistema_.FonteMenu(dpi);
            fonte = f.font;
            altura = f.altura;
        } else {
            fonte = m.FFont;
        }
        Fonte();
        const TMenu* primeiroNivel = item.FirstLevelMenu();
        TopMenu = primeiroNivel && primeiroNivel->IsMainMenu();
        isTitulo = primeiroNivel && !primeiroNivel->IsMainMenu() &&
                   (item.Tag == Titulo || ComecaComAsterisco(item.Caption));
        lista = item.GetImageList();
        TemImgList = lista && lista->Count() > 0;
        TemImg = TemImgList && item.ImageIndex >= 0 && item.ImageIndex < lista->Count() && !TopMenu;
    }

    int S(int px96) const { return Scale(px96, dpi); }
    void Fonte() { c.SetFont(fonte, altura); }
    void Cor(TColor cor) {
        fonte.color = cor;
        Fonte();
    }
    void Negrito() {
        fonte.bold = true;
        Fonte();
    }
    void SoNegrito() {
        fonte.bold = true;
        fonte.italic = fonte.underline = fonte.strikeOut = false;
        Fonte();
    }
    // One point smaller, as a size in points would be at this density.
    void MenorUmPonto() {
        if (altura)
            altura = MulDivRound(MulDivRound(altura, 72, dpi) - 1, dpi, 72);
        else
            --fonte.size;
        Fonte();
    }
    TColor pincel = clMenu;  // the brush last chosen: text is drawn on it
    void Brush(TColor cor) {
        pincel = cor;
        c.SetBrush(cor);
    }
    // A 3-D edge, or in the dark mode a flat line of the separator colour along the same sides.
    void Borda(R4 r, EdgeKind tipo, unsigned lados) {
        if (!m.escuro_) {
            c.DrawEdge(r, tipo, lados);
            return;
        }
        c.SetBrush(m.cores_.Separador);
        if (lados & esTop) c.FillRect(R4{r.L, r.T, r.R, r.T + 1});
        if (lados & esLeft) c.FillRect(R4{r.L, r.T, r.L + 1, r.B});
        if (lados & esRight) c.FillRect(R4{r.R - 1, r.T, r.R, r.B});
        if (lados & esBottom) c.FillRect(R4{r.L, r.B - 1, r.R, r.B});
        c.SetBrush(pincel);  // the fill the text is drawn on stays as it was
    }
    int TextHeight(std::string_view s) { return c.TextExtent(s).height; }
    int TextWidth(std::string_view s) { return c.TextExtent(s).width; }
    bool Estilo(TTipoMenu t) const { return m.FTipoMenu == t; }

    void Medir(int& Width, int& Height);
    void Desenhar(const Rect& ARect, TOwnerDrawState State);
    void Classico(R4 R, R4 G, R4 T, int W, bool sel, bool hot);
    void Win7(R4 R, R4 G, R4 T, int W, bool sel, bool hot);
    void Marvo(const Rect& ARect, R4 R, R4 G, R4 T, int W, bool sel, bool hot);
    void Seta(R4 R);
    // The text centred vertically in T, which keeps the new top for the shortcut on the same line.
    void Texto(R4& T, const std::string& text, unsigned flags) {
        T.T += (T.B - T.T - TextHeight(text)) / 2;
        c.TextRect(T, text, flags);
    }
};

void TNqMenu::MedeItem(TMenuItem& Sender, ICanvas& ACanvas, int& Width, int& Height) {
    Pintura(*this, ACanvas, Sender).Medir(Width, Height);
}

void TNqMenu::Pintura::Medir(int& Width, int& Height) {
    const std::string& cap = item.Caption;
    if (ComecaComAsterisco(cap) || item.Tag == Titulo || item.HelpContext == Titulo || item.Default)
        SoNegrito();
    const bool TemImagem = TemImgList && !Estilo(TTipoMenu::tmSemIcones) && !Estilo(TTipoMenu::tmWin7);

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
        const int tam = S(m.FTamIcone);
        const int h = m.FTamIcone != 0 && tam != lista->Height() ? tam : lista->Height();
        Height = std::min(lista->Height(), h) + S(4);
        const int w = m.FTamIcone != 0 && tam != lista->Width() ? tam : lista->Width();
        Width += w + S(8);
    }
    Height += S(2);
    if (Estilo(TTipoMenu::tmSemIcones) || Estilo(TTipoMenu::tmWin7)) Width += S(8);
}

void TNqMenu::DesenhaItem(TMenuItem& Sender, ICanvas& ACanvas, const Rect& ARect, TOwnerDrawState State) {
    Pintura(*this, ACanvas, Sender).Desenhar(ARect, State);
}

void TNqMenu::Pintura::Desenhar(const Rect& ARect, TOwnerDrawState State) {
    // The icon size: the pictures' own, never enlarged by TamIcone; 16 in the styles without icons.
    int W = S(HPadrao);
    if (TemImgList) W = lista->Width();
    if (m.FTamIcone > 0) W = std::min(W, S(m.FTamIcone));
    if (Estilo(TTipoMenu::tmSemIcones) || Estilo(TTipoMenu::tmWin7)) W = S(HPadrao);

    const R4 R{ARect.left, ARect.top, ARect.right(), ARect.bottom()};
    const R4 G{R.L, R.T, R.L + W + S(Dist), R.B};  // the gutter
    const R4 T{G.R + S(Dist), R.T, R.R, R.B};      // the text
    switch (m.FTipoMenu) {
        case TTipoMenu::tmWin7:
            Win7(R, G, T, W, State.selected, State.hotLight);
            break;
        case TTipoMenu::tmMarvo:
            Marvo(ARect, R, G, T, W, State.selected, State.hotLight);
            break;
        default:
            Classico(R, G, T, W, State.selected, State.hotLight);
            break;
    }
    if (!TopMenu && !item.IsLine() && item.Count() > 0) Seta(R);
}

// The arrow of an entry that opens a submenu: a triangle pointing right, centred in the entry's last
// 16 pixels (at 96 dpi), in the colour its text was just written in, so that it follows the style, the
// highlight and the dark mode. The window layer keeps the system's own arrow off the entry.
void TNqMenu::Pintura::Seta(R4 R) {
    const int n = S(4);  // its columns; it is 2n - 1 rows high
    const int x = R.R - S(16) + (S(16) - n) / 2;
    const int y = R.T + (R.B - R.T - (2 * n - 1)) / 2;
    Brush(fonte.color);
    for (int i = 0; i < n; ++i) c.FillRect(R4{x + i, y + i, x + i + 1, y + 2 * n - 1 - i});
}

void TNqMenu::Pintura::Classico(R4 R, R4 G, R4 T, int W, bool sel, bool hot) {
    const TCores& k = m.cores_;
    const bool office = Estilo(TTipoMenu::tmOffice);
    const bool padrao = Estilo(TTipoMenu::tmPadrao);
    const bool semIcones = Estilo(TTipoMenu::tmSemIcones);
    const bool temas = m.sistema_.UseThemes();
    const bool realce = sel || hot;
    unsigned Flags = tfExpandTabs;

    Brush(TopMenu ? k.TopMenu : k.Menu);
    c.FillRect(R);
    if (TopMenu) {
        R.R -= S(3);
        T = R;
        Flags |= tfCenter;
    }

    // The gutter; its gradient darkens by 5 % a column (at 96 dpi) from the second column on.
    if (office && !TopMenu) {
        Brush(k.FundoIcone);
        if (!m.FMenusDegrade) {
            c.FillRect(G);
        } else {
            for (int x = G.L, passo = 0; x <= G.R; ++x, ++passo) {
                c.FillRect(R4{x, G.T, G.R, G.B});
                Brush(m.NewColor(k.FundoIcone, -MulDivRound(5 * passo, 96, dpi)));
            }
        }
    }

    if (realce && !isTitulo) {
        if (office && TopMenu && !temas) {
            Borda(R, EdgeKind::RaisedInner, esRect);
        } else {
            c.SetPen(k.Contorno);
            Brush(office && !item.Enabled ? k.Menu : k.Barra);
            if ((padrao && (TemImg || item.Checked)) || (semIcones && item.Checked)) {
                R = T;
                R.L = T.L - S(7);  // the gutter stays unhighlighted
            }
            c.Rectangle(R);
            if (sel && TopMenu && office) {  // an open menu title
                Brush(k.TopMenu);
                c.SetPen(k.TopContorno);
                c.Rectangle(R);
                if (item.Count() > 0 && item.Enabled) c.FillRect(R4{R.L + 1, R.T + 1, R.R - 1, R.B});
                if (item.Enabled) {
                    Brush(k.TopSombra);
                    c.FillRect(R4{R.R, R.T + S(4), R.R + S(3), R.B});
                }
            }
        }
    }

    if (item.IsLine()) {
        R4 linha = office ? T : R;
        linha.T += S(2);
        Borda(linha, EdgeKind::Etched, esTop);
        return;
    }

    Cor(realce ? k.FonteSel : k.Fonte);
    if (realce) {
        if (office) {
            if (temas || m.bDesign)
                Brush(sel && TopMenu ? k.TopMenu : k.Barra);
            else if (TopMenu)
                Brush(k.TopMenu);  // other items keep the highlight's fill
            if (!item.Enabled) Brush(k.Menu);
        } else {
            Brush(k.Barra);
        }
    } else {
        Brush(TopMenu ? k.TopMenu : k.Menu);
    }

    const std::string& cap = item.Caption;
    if (item.Default || item.HelpContext == Titulo || cap.find('*') != std::string::npos) Negrito();
    if (!item.Enabled) {
        Cor(realce && !m.escuro_ ? clGrayText : k.FonteDeslig);
        if (TopMenu && office) Brush(k.TopMenu);
    }

    std::string text = cap;
    if (isTitulo) {
        item.Enabled = false;  // a title is never chosen
        SoNegrito();
        Cor(k.Fonte);
        Brush(k.Menu);
        text = StrTran(cap, "*", "");
    }
    if (!TopMenu) {
        text = " " + text;
        if (semIcones) T.L -= S(6);
    }
    Texto(T, text, Flags);

    const std::string atalho = ShortCutToText(item.ShortCut);
    if (!TopMenu && !atalho.empty()) {
        T.L += static_cast<int>(CharCount(text)) + S(8);
        T.R -= S(16);
        c.TextRect(T, StrTran(atalho, "Space", "Espaço"), Flags | tfRight);
    }

    if (sel && !office && ((padrao && TemImg) || item.Checked)) Borda(G, EdgeKind::RaisedInner, esRect);

    if (item.Checked) {
        Brush(sel ? k.Checked : k.Barra);
        c.SetPen(k.Contorno);
        if (TemImg && !semIcones && !m.FSemIcones) {
            // The picture itself will show the state, on a framed gutter.
            if (office)
                c.Rectangle(R4{G.L + 1, G.T + 1, G.R - 1, G.B - 1});
            else if (padrao)
                Borda(G, EdgeKind::SunkenOuter, esRect | esMiddle);
        } else {
            G = Centrado(G, S(Radio));
            if (!item.RadioItem) {
                if (office) c.Rectangle(G);
                m.DesenharChecked(c, G);
            } else if (office) {
                c.Ellipse(G);
                const int d = S(2);
                G = R4{G.L + d, G.T + d, G.R - d, G.B - d};
                Brush(k.Contorno);
                c.Ellipse(G);
            } else {
                Brush(k.Fonte);
                c.SetPen(k.Fonte);
                c.Ellipse(G);
            }
        }
    }

    if (TemImg && (padrao || (office && !m.FSemIcones))) {
        G.L += (G.R - G.L - W) / 2;
        G.T += (G.B - G.T - W) / 2;
        if (sel && !item.Checked) {
            --G.L;
            --G.T;
        }
        if (lista->Width() != W && m.FTamIcone != 0)
            c.StretchImage(*lista, item.ImageIndex, R4{G.L, G.T, G.L + W, G.T + W});
        else
            c.DrawImage(*lista, item.ImageIndex, G.L, G.T, item.Enabled);
    }
}

void TNqMenu::Pintura::Win7(R4 R, R4 G, R4 T, int W, bool sel, bool hot) {
    const bool realce = sel || hot;
    unsigned Flags = tfExpandTabs;

    const TCores& k = m.cores_;
    if (m.escuro_) Cor(k.Fonte);
    Brush(m.FWin7 || !TopMenu ? k.Menu : clMenuBar);
    c.FillRect(R);
    R4 RLine = R;
    RLine.L = R.L + W + S(9);
    if (item.IsLine()) Borda(R4{RLine.L, RLine.T + S(2), RLine.R, RLine.B}, EdgeKind::Raised, esTop);
    if (!TopMenu) Borda(RLine, EdgeKind::Raised, esLeft);
    if (TopMenu) {
        R.R -= S(3);
        T = R;
        Flags |= tfCenter;
    } else {
        T = RLine;
    }

    if (realce && !isTitulo) {
        const bool on = item.Enabled && !(sel && TopMenu);
        Brush(on ? k.Barra : k.BarraOff);
        c.SetPen(on ? k.Contorno : k.ContornoOff);
        if (TopMenu) {
            c.Rectangle(R);
            if (sel) c.FillRect(R4{R.L + 1, R.B - 1, R.R - 1, R.B});  // open at the bottom
        } else {
            c.RoundRect(R, S(6), S(6));
        }
        RLine.T += S(2);
        RLine.B -= S(2);
    }
    if (!TopMenu) Borda(RLine, EdgeKind::Raised, esLeft);
    if (item.IsLine()) return;

    if (item.Default || isTitulo) Negrito();
    if (!item.Enabled) Cor(k.FonteDeslig);
    std::string text = item.Caption;
    if (!TopMenu) {
        text = " " + text;
        T.L += S(4);
    }
    Texto(T, text, Flags);

    const std::string atalho = ShortCutToText(item.ShortCut);
    if (!TopMenu && !atalho.empty()) {
        T.T += S(1);
        T.L += static_cast<int>(CharCount(text)) + S(8);
        T.R -= S(16);
        MenorUmPonto();
        c.TextRect(T, atalho == "Space" ? "Espaço" : atalho, Flags | tfRight);
    }
    if (item.Checked) m.DesenharRadioItem_Checked(c, G, item.Enabled, item.RadioItem, true);
}

void TNqMenu::Pintura::Marvo(const Rect& ARect, R4 R, R4 G, R4 T, int W, bool sel, bool hot) {
    const bool realce = sel || hot;
    const bool temas = m.sistema_.UseThemes();
    unsigned Flags = tfExpandTabs;

    const TCores& k = m.cores_;
    Brush(TopMenu ? clMenuBar : k.Menu);
    Cor(item.Enabled ? k.Fonte : k.FonteDeslig);
    c.FillRect(R);
    if (item.IsLine()) Borda(R4{R.L + W + S(6), R.T + S(2), R.R, R.B}, EdgeKind::Raised, esTop);
    if (!TopMenu) {
        // The stripe along the item's left edge, wherever the item begins.
        G.R = G.L + S(tamListra);
        Brush(temas ? k.FundoIcone : (m.escuro_ ? RGBColor(110, 110, 110) : clSilver));
        c.FillRect(G);
    } else {
        R.R -= S(3);
        T = R;
        Flags |= tfCenter;
    }
    if (!item.Enabled) Cor(k.FonteDeslig);

    if (realce && !isTitulo) {
        if (!item.Enabled) Cor(m.escuro_ ? k.FonteDeslig : clGrayText);
        Brush(k.Barra);
        if (!TopMenu) R.L += S(8);
        if (TopMenu && !temas) {
            Brush(clHighlight);
            Cor(clHighlightText);
        }
        c.FillRect(R);
    } else {
        Brush(TopMenu ? clMenuBar : k.Menu);
    }
    if (item.IsLine()) return;

    if (item.Default || isTitulo || item.HelpContext == Titulo) Negrito();
    if (item.HelpContext == Titulo && item.Enabled && !realce) Cor(k.Titulo);
    std::string text = item.Caption;
    if (!TopMenu) {
        text = " " + text;
        T.L -= S(8);
    }
    Texto(T, text, Flags);

    const std::string atalho = ShortCutToText(item.ShortCut);
    if (!TopMenu && !atalho.empty()) {
        T.T += S(1);
        T.L += static_cast<int>(CharCount(text)) + S(8);
        T.R -= S(8);
        c.TextRect(T, atalho == "Space" ? "Espaço" : atalho, Flags | tfRight);
    }
    if (item.Checked)
        m.DesenharRadioItem_Checked(
            c, R4{ARect.left + S(8), ARect.top + 1, ARect.left + S(m.FTamIcone + 5), ARect.bottom() - 1},
            item.Enabled, item.RadioItem, false);
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

void TNqMenu::DesenharRadioItem_Checked(ICanvas& c, Rect r, bool enabled, bool radio, bool frame) const {
    const int dpi = c.Dpi();
    c.SetBrush(enabled ? cores_.FundoMarca : cores_.FundoMarcaOff);
    c.SetPen(enabled ? cores_.ContornoMarca : cores_.ContornoMarcaOff);
    if (frame) c.RoundRect(r, Scale(6, dpi), Scale(6, dpi));
    const R4 q = Centrado(R4{r.left, r.top, r.right(), r.bottom()}, Scale(Radio, dpi));
    if (!radio) {
        DesenharChecked(c, q);
        return;
    }
    c.SetPen(cores_.Marca);
    c.SetBrush(cores_.Marca);
    c.Ellipse(R4{q.L + 1, q.T + 1, q.R - 1, q.B - 1});
}

// --- Settings --------------------------------------------------------------------------------------------

void TNqMenu::MenuConfigClick(TMenuItem&) {
    MenuConfig();
}

void TNqMenu::MenuConfig() {
    if (!DialogoConfig) return;
    if (const std::optional<TMenusEscolha> escolha = DialogoConfig(*this)) AplicarEscolha(*escolha);
}

void TNqMenu::AplicarEscolha(const TMenusEscolha& e) {
    SetTipoMenu(static_cast<TTipoMenu>(std::clamp(e.estilo, 0, static_cast<int>(TTipoMenu::tmMarvo))));
    SetMenusDegrade(e.degrade);
    SetTamIcone(aTamIcone[std::clamp(e.tamanho, 0, static_cast<int>(std::size(aTamIcone)) - 1)]);
    if (!e.fonteNome.empty()) FFont.name = e.fonteNome;
    FFont.size = e.fonteTamanho;
    SetUsarFonteWin(e.fonteWin);
    SetSemIcones(e.semIcones);
    Atualizar();
    ConfigSave();
}

void TNqMenu::ConfigSave() {
    if (bDesign) return;
    IniciaIni(TFormatoINI::fiDefault);
    TMemIniFile& ini = *NqIni;
    ini.EraseSection(FSessaoIni);
    ini.WriteBool(FSessaoIni, "Ativo", FAtivo);
    ini.WriteBool(FSessaoIni, "FaixaDegradê", FMenusDegrade);
    ini.WriteInteger(FSessaoIni, "TamanhoÍcone", FTamIcone);
    ini.WriteInteger(FSessaoIni, "TipoMenu", static_cast<int>(FTipoMenu));
    ini.WriteBool(FSessaoIni, "UsarFonteWindows", FUsarFonteWin);
    ini.WriteBool(FSessaoIni, "SemÍcones", FSemIcones);
    ini.WriteFont(FSessaoIni, "Fonte", FFont);
}

void TNqMenu::ConfigLoad() {
    IniciaIni(TFormatoINI::fiDefault);
    const TMemIniFile& ini = *NqIni;
    // The style first: tmMarvo sets four values that the keys after it may then change.
    const int tipo = ini.ReadInteger(FSessaoIni, "TipoMenu", static_cast<int>(FTipoMenu));
    if (tipo >= 0 && tipo <= static_cast<int>(TTipoMenu::tmMarvo)) SetTipoMenu(static_cast<TTipoMenu>(tipo));
    SetMenusDegrade(ini.ReadBool(FSessaoIni, "FaixaDegradê", FMenusDegrade));
    const int tam = ini.ReadInteger(FSessaoIni, "TamanhoÍcone", FTamIcone);
    if (std::find(std::begin(aTamIcone), std::end(aTamIcone), tam) != std::end(aTamIcone)) SetTamIcone(tam);
    SetUsarFonteWin(ini.ReadBool(FSessaoIni, "UsarFonteWindows", FUsarFonteWin));
    SetSemIcones(ini.ReadBool(FSessaoIni, "SemÍcones", FSemIcones));
    TFont fonte = FFont;
    ini.ReadFont(FSessaoIni, "Fonte", fonte);
    if (Trim(fonte.name).empty()) fonte.name = FFont.name;
    fonte.size = std::clamp(fonte.size, kTamanhoFonteMin, kTamanhoFonteMax);
    SetFont(fonte);
    SetAtivo(ini.ReadBool(FSessaoIni, "Ativo", FAtivo));
}

}  // namespace nq
