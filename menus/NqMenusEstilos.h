#pragma once
// The renderer's styles: what one measure or paint of one item shares (TPinturaMenu: the canvas, the
// font in force, the item's classification and the drawing steps every style uses) and, per style, its
// colours and its painting (TEstiloMenu). A paint reads the item and the renderer and writes nothing
// but the canvas. Internal to the renderer (menus/NqMenus.cpp, NqMenusCores.cpp, NqMenusEstilos.cpp).

#include <string>
#include <string_view>

#include "menus/Menu.h"
#include "menus/NqMenus.h"
#include "ui/Canvas.h"

namespace nq {

// Colours some styles share with the common ones.
inline constexpr TColor kCorW7ContornoOn = RGBColor(113, 137, 251);  // Windows 7's highlight
inline constexpr TColor kCorW7FundoOn = RGBColor(236, 239, 255);
inline constexpr TColor kCorMarvo = RGBColor(0, 128, 128);  // the stripe of tmMarvo

// Edges as the drawing works with them; right and bottom exclusive.
struct R4 {
    int L, T, R, B;
    operator Rect() const { return RectLTRB(L, T, R, B); }
};

// a * b / c rounded to the nearest, halves away from zero; c > 0.
int MulDivRound(int a, int b, int c);

// An entry of a popup menu's first level marked as a title: tag 99 or a caption beginning with "*".
bool EhTitulo(const TMenuItem& item);

class TEstiloMenu;

// One measure or paint of one item: the canvas, the font in force and the item's classification.
class TPinturaMenu {
public:
    TPinturaMenu(const TNqMenu& menu, ICanvas& canvas, const TMenuItem& i);

    void Medir(int& Width, int& Height);
    void Desenhar(const Rect& ARect, TOwnerDrawState State);

    const TNqMenu& m;
    const TEstiloMenu& estilo;
    ICanvas& c;
    const TMenuItem& item;
    const int dpi;
    TFont fonte;
    int altura = 0;
    bool TopMenu = false;
    bool isTitulo = false;
    // Drawn as an entry that can be chosen: enabled, and not a title of a style that refuses titles.
    bool habilitado = true;
    const TImageList* lista = nullptr;
    bool TemImgList = false;
    bool TemImg = false;     // the item's picture, in a style that shows pictures
    TColor pincel = clMenu;  // the brush last chosen: text is drawn on it

    int S(int px96) const { return Scale(px96, dpi); }
    bool UseThemes() const;
    bool EmDesign() const;
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
    void MenorUmPonto();
    void Brush(TColor cor) {
        pincel = cor;
        c.SetBrush(cor);
    }
    // A 3-D edge, or in the dark mode a flat line of the separator colour along the same sides.
    void Borda(R4 r, EdgeKind tipo, unsigned lados);
    int TextHeight(std::string_view s) { return c.TextExtent(s).height; }
    int TextWidth(std::string_view s) { return c.TextExtent(s).width; }

    // A title of the menu bar: its text centred in the entry, less 3 pixels at the right.
    void TituloDaBarra(R4& R, R4& T, unsigned& Flags) const;
    // A separator: an edge along the top of the line, 2 pixels down.
    void Separador(R4 linha, EdgeKind tipo);
    // The caption, after a blank and moved by `desloca` in a menu, centred vertically in T, which keeps
    // the new top for the shortcut on the same line; gives the text as written.
    std::string Legenda(R4& T, std::string text, int desloca, unsigned Flags);
    // The shortcut's text, or nothing for a title of the menu bar, which shows none.
    std::string TextoDoAtalho() const;
    // The shortcut at the right, after the caption's text, `desce` lower and `margem` short of the edge.
    void Atalho(R4 T, const std::string& text, std::string_view atalho, unsigned Flags, int desce,
                int margem);
    // The check or radio mark of Windows 7 and the stripe style, on a square framed or not.
    void MarcaEmQuadro(const Rect& r, bool frame);
    // The arrow of an entry that opens a submenu.
    void Seta(R4 R);
};

// A style: its colours over the common ones, whether its gutter shows the items' pictures, whether a
// title is refused, and the painting of an item in the rectangle R, with the gutter G, the text T and
// the icon size W.
class TEstiloMenu {
public:
    virtual ~TEstiloMenu() = default;
    // Pictures in the gutter: measured and drawn at their size; without, the gutter is 16 wide and the
    // entry 8 wider.
    virtual bool Figuras() const = 0;
    // A title entry is drawn disabled and can never be chosen.
    virtual bool RecusaTitulos() const = 0;
    virtual void Cores(TNqMenu::TCores& k, bool temas) const = 0;
    virtual void CoresEscuras(TNqMenu::TCores& k) const = 0;
    virtual void Desenhar(TPinturaMenu& p, R4 R, R4 G, R4 T, int W, bool sel, bool hot) const = 0;
};

// The style of a menu type, made once.
const TEstiloMenu& EstiloMenu(TTipoMenu tipo);

}  // namespace nq
