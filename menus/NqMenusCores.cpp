// The renderer's colours: those every style starts from, light and dark; each style then sets its own
// (menus/NqMenusEstilos.cpp).
#include "menus/NqMenus.h"
#include "menus/NqMenusEstilos.h"

namespace nq {

namespace {

constexpr TColor clAzul = RGBColor(0, 0, 255);
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

TColor TNqMenu::NewColor(TColor clr, int Value) const {
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
    const bool temas = sistema_.UseThemes();
    k.TopMenu = temas ? clMenuBar : clBtnFace;
    k.TopContorno = clBtnShadow;
    k.TopSombra = NewColor(clBtnShadow, 10);
    k.Menu = clMenu;
    k.Barra = RGBColor(198, 211, 239);
    k.Contorno = RGBColor(49, 105, 198);
    k.Checked = NewColor(RGBColor(198, 211, 239), -110);
    k.Fonte = clMenuText;
    k.FonteSel = clMenuText;
    // Readable (4.5:1) on the items' light background; the system's grey without visual styles.
    k.FonteDeslig = temas ? clDesligadoClaro : clGrayText;
    k.FundoIcone = k.TopMenu;
    k.BarraOff = w7FundoOff;
    k.ContornoOff = w7ContOff;
    k.Marca = clBlack;
    k.FundoMarca = kCorW7FundoOn;
    k.FundoMarcaOff = w7FundoOff;
    k.ContornoMarca = clHotLight;
    k.ContornoMarcaOff = clGrayText;
    k.Separador = clBtnShadow;
    k.Titulo = clAzul;
    estilo_->Cores(k, temas);
    escuro_ = sistema_.ModoEscuro();
    if (!escuro_) return;

    // The dark mode: dark items with light text; each style keeps its highlight's character (Office's
    // blue band, the system's blue bar, Windows 7's framed rounded band, the stripe style's teal).
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
    k.ContornoMarca = kCorW7ContornoOn;
    k.ContornoMarcaOff = k.ContornoOff;
    k.Separador = RGBColor(80, 80, 80);
    k.Titulo = RGBColor(120, 170, 255);
    estilo_->CoresEscuras(k);
}

}  // namespace nq
