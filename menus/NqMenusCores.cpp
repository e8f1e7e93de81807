// The renderer's colours: those of each style, light, and their dark counterparts.
#include "menus/NqMenus.h"

namespace nq {

namespace {

constexpr TColor clSelec = RGBColor(180, 221, 243);  // highlight of tmMarvo
constexpr TColor clMarvo = RGBColor(0, 128, 128);    // stripe of tmMarvo
constexpr TColor clAzul = RGBColor(0, 0, 255);
constexpr TColor w7ContOn = RGBColor(113, 137, 251);
constexpr TColor w7FundoOn = RGBColor(236, 239, 255);
constexpr TColor w7ContOff = RGBColor(192, 191, 190);
constexpr TColor w7FundoOff = RGBColor(233, 233, 233);
constexpr TColor clDesligadoClaro = RGBColor(109, 109, 109);  // disabled text on a light background

// n / d rounded to the nearest, halves to the even neighbour; d > 0.
long long RoundHalfEven(long long n, long long d) {
    long long q = n / d, r = n % d;
    if (r < 0) r += d, --q;  // floor division
    if (2 * r > d || (2 * r == d && (q & 1))) ++q;
    return q;
}

}  // namespace

TColor TNqMenu::NewColor(TColor clr, int Value) {
    if (Value > 100) Value = 100;
    const TColor rgb = IsSystemColor(clr) ? sistema_.CorSistema(clr & 0xFF) : clr;
    int out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const long long c = (rgb >> shift) & 0xFF;
        const long long v = c + RoundHalfEven((255 - c) * Value, 100);
        out |= static_cast<int>(v & 0xFF) << shift;
    }
    return out;
}

void TNqMenu::DefineCores() {
    TCores& k = cores_;
    k.TopMenu = clMenuBar;
    k.TopContorno = clBtnShadow;
    k.TopSombra = NewColor(clBtnShadow, 10);
    k.Menu = clMenu;
    k.Barra = RGBColor(198, 211, 239);
    k.Contorno = RGBColor(49, 105, 198);
    k.Checked = NewColor(RGBColor(198, 211, 239), -110);
    k.Fonte = clMenuText;
    k.FonteSel = clMenuText;
    k.FonteDeslig = clDesligadoClaro;  // readable (4.5:1) on the items' light background
    if (FTipoMenu == TTipoMenu::tmOffice) {
        k.Menu = clWindow;
    } else {
        k.Barra = clHighlight;
        k.Contorno = clHighlight;
        k.FonteSel = clHighlightText;
        k.Menu = clWindow;
        if (FTipoMenu == TTipoMenu::tmSemIcones) k.Menu = clMenu;
    }
    if (!sistema_.UseThemes()) {
        k.TopMenu = clBtnFace;
        if (FTipoMenu == TTipoMenu::tmOffice) {
            k.Menu = clWindow;
        } else {
            k.Menu = clMenu;
            k.FonteSel = clHighlightText;
        }
        k.FonteDeslig = clGrayText;
    }
    k.FundoIcone = k.TopMenu;
    k.BarraOff = w7FundoOff;
    k.ContornoOff = w7ContOff;
    k.Marca = clBlack;
    k.FundoMarca = w7FundoOn;
    k.FundoMarcaOff = w7FundoOff;
    k.ContornoMarca = clHotLight;
    k.ContornoMarcaOff = clGrayText;
    k.Separador = clBtnShadow;
    k.Titulo = clAzul;
    // What Windows 7's rounded highlight and the stripe style paint with.
    if (FTipoMenu == TTipoMenu::tmWin7) {
        k.Menu = clMenu;
        k.Barra = w7FundoOn;
        k.Contorno = w7ContOn;
        k.FonteSel = k.Fonte;
    } else if (FTipoMenu == TTipoMenu::tmMarvo) {
        k.Menu = clWhite;
        k.Fonte = k.FonteSel = clBlack;
        k.Barra = k.Contorno = clSelec;
        k.FundoIcone = clMarvo;
    }
    escuro_ = sistema_.ModoEscuro();
    if (escuro_) DefineCoresEscuras();
}

// The dark mode: dark items with light text; each style keeps its highlight's character (Office's blue
// band, the system's blue bar, Windows 7's framed rounded band, the stripe style's teal).
void TNqMenu::DefineCoresEscuras() {
    TCores& k = cores_;
    k.TopMenu = RGBColor(32, 32, 32);
    k.TopContorno = RGBColor(80, 80, 80);
    k.TopSombra = RGBColor(20, 20, 20);
    k.Menu = RGBColor(43, 43, 43);
    k.Fonte = k.FonteSel = RGBColor(242, 242, 242);
    k.FonteDeslig = RGBColor(150, 150, 150);
    k.FundoIcone = RGBColor(56, 56, 56);
    k.BarraOff = RGBColor(62, 62, 62);
    k.ContornoOff = RGBColor(100, 100, 100);
    k.Marca = k.Fonte;
    k.FundoMarca = RGBColor(52, 66, 100);
    k.FundoMarcaOff = k.BarraOff;
    k.ContornoMarca = RGBColor(113, 137, 251);
    k.ContornoMarcaOff = k.ContornoOff;
    k.Separador = RGBColor(80, 80, 80);
    k.Titulo = RGBColor(120, 170, 255);
    switch (FTipoMenu) {
        case TTipoMenu::tmOffice:
            k.Barra = RGBColor(38, 79, 120);
            k.Contorno = RGBColor(86, 156, 214);
            k.Checked = RGBColor(60, 110, 160);
            break;
        case TTipoMenu::tmWin7:
            k.Barra = k.FundoMarca;
            k.Contorno = k.ContornoMarca;
            break;
        case TTipoMenu::tmMarvo:
            k.Barra = k.Contorno = RGBColor(20, 80, 100);
            k.FundoIcone = clMarvo;  // the teal stripe is the style
            break;
        default:
            k.Barra = k.Contorno = RGBColor(0, 95, 184);
            k.FonteSel = clWhite;
            k.Checked = RGBColor(0, 70, 140);
            break;
    }
}

}  // namespace nq
