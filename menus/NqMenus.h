#pragma once
// The menu renderer: takes over the measuring and painting of every menu of the window that owns it,
// in one of five styles, with its own colours, an icon gutter, check and radio marks, bold title
// entries, shortcut texts and separators. Everything is drawn through the canvas, so the geometry is
// the same on the screen and in the tests. Lengths are written for 96 dpi and scaled to the canvas.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "menus/Menu.h"
#include "support/Font.h"
#include "ui/Canvas.h"

namespace nq {

enum class TTipoMenu { tmPadrao, tmOffice, tmSemIcones, tmWin7, tmMarvo };

constexpr int HPadrao = 16;  // icon size when nothing says otherwise
constexpr int Dist = 8;      // gap around the gutter
constexpr int Radio = 10;    // side of the check and radio square
constexpr int Titulo = 99;   // a tag or help context that marks a title entry
constexpr int aTamIcone[] = {0, 16, 20, 24, 28, 32};
// The menu font's sizes in points that the settings dialog offers, and the stored section is kept in.
inline constexpr int kTamanhoFonteMin = 7;
inline constexpr int kTamanhoFonteMax = 12;

// The system's menu font at a density: the font, and its character height in device pixels there.
struct TFonteSistema {
    TFont font;
    int altura = 0;
};

// What the renderer asks of the system; the window layer answers for real, tests with fixed values.
class IMenuSistema {
public:
    virtual ~IMenuSistema() = default;
    virtual bool UseThemes() = 0;                  // visual styles in use
    virtual int VersaoPrincipal() = 0;             // the platform's major version number
    virtual bool EmDesign() = 0;                   // the renderer lives inside a design tool
    virtual TColor CorSistema(int index) = 0;      // a system colour, by index, as a plain colour
    virtual TFonteSistema FonteMenu(int dpi) = 0;  // the system's menu font
    virtual bool ModoEscuro() = 0;                 // the system's programs use the dark mode
};

// The choices of the menu settings dialog when the user confirms: indexes of its two groups, the font
// boxes and the three check boxes.
struct TMenusEscolha {
    int estilo = 0;         // ESTILO: the TipoMenu ordinal, 0 to 3
    int tamanho = 0;        // TAMANHO DOS ÍCONES: index into aTamIcone
    std::string fonteNome;  // the font box's text; empty (a font not installed) keeps the renderer's name
    int fonteTamanho = 8;   // points
    bool fonteWin = false;
    bool degrade = false;
    bool semIcones = false;
    bool operator==(const TMenusEscolha&) const = default;
};

class TEstiloMenu;

class TNqMenu final : public TComponent {
public:
    TNqMenu(TMenuOwner* owner, IMenuSistema& sistema);
    ~TNqMenu() override;

    // Properties: each setter runs on every assignment, with the effects the renderer gives it.
    bool Ativo() const { return FAtivo; }
    void SetAtivo(bool value);
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value);
    bool MenusDegrade() const { return FMenusDegrade; }
    void SetMenusDegrade(bool value) { FMenusDegrade = value; }
    TMenuItem* MenuConfigura() const { return FMenuConfigura; }
    void SetMenuConfigura(TMenuItem* value);
    int TamIcone() const { return FTamIcone; }
    // Refuses anything but 0 (the pictures' own size), 16, 20, 24, 28 or 32 with EComponentError.
    void SetTamIcone(int value);
    TTipoMenu TipoMenu() const { return FTipoMenu; }
    void SetTipoMenu(TTipoMenu value);
    const std::string& SessaoIni() const { return FSessaoIni; }
    // Refuses a blank name with EComponentError.
    void SetSessaoIni(std::string_view value);
    bool UsarFonteWin() const { return FUsarFonteWin; }
    void SetUsarFonteWin(bool value);
    bool SemIcones() const { return FSemIcones; }
    void SetSemIcones(bool value) { FSemIcones = value; }

    // Switches owner drawing of all the owner's menus on or off, and hooks its non-blank items.
    void Ativar(bool Ligado);
    // The same for one item, whatever its caption (items made at run time, after their caption).
    void AtivarIndiv(TMenuItem& Item, bool Ligado);
    // Colours again, then every menu hooked anew.
    void Atualizar();

    // Measuring and painting read the item and the renderer and change neither: a paint is a function of
    // the model, the renderer's settings and the state passed in. Each style paints in its own way
    // (menus/NqMenusEstilos.h).
    void MedeItem(const TMenuItem& Sender, ICanvas& ACanvas, int& Width, int& Height) const;
    void DesenhaItem(const TMenuItem& Sender, ICanvas& ACanvas, const Rect& ARect,
                     TOwnerDrawState State) const;
    // Whether the entry may be chosen in the style in force: the classic styles refuse a title (an entry
    // of a popup menu's first level with tag 99 or a caption beginning with "*"), which they draw
    // disabled; the window layer makes it greyed in the system menu.
    bool PodeEscolher(const TMenuItem& Item) const;
    // The tick mark: five black strokes in and just beyond the rectangle.
    void DesenharChecked(ICanvas& ACanvas, const Rect& CheckedRect) const;
    // Lightens (positive) or darkens (negative) a colour by a percentage; the result is a plain colour.
    TColor NewColor(TColor clr, int Value) const;

    void Notification(TComponent& AComponent, TOperation Operation) override;

    // The settings dialog and the renderer's own section of the settings file.
    void MenuConfigClick(TMenuItem& Sender);
    void MenuConfig();
    // Takes the dialog's choices (through the setters), repaints and writes the section.
    void AplicarEscolha(const TMenusEscolha& escolha);
    // The section erased, then its seven keys written; nothing in a design tool.
    void ConfigSave();
    // The section read back through the setters; a missing key or a value the renderer refuses keeps
    // what it has, and a font size outside the dialog's range is brought into it.
    void ConfigLoad();
    // Shows the settings dialog for this renderer: the choices on OK, nothing on Cancel. The dialog layer
    // sets it; while it is unset MenuConfig does nothing.
    std::function<std::optional<TMenusEscolha>(TNqMenu&)> DialogoConfig;

    // The colours every style draws with. Menu is the items' background, Barra and Contorno the
    // highlight's fill and outline, FundoIcone the gutter (the stripe of tmMarvo); the marks of Windows
    // 7's and the stripe style's checked items, the separators and the stripe style's title text have
    // theirs. In the dark mode each style keeps its character on a dark background.
    struct TCores {
        TColor TopMenu, TopContorno, TopSombra, Menu, Barra, Contorno, FundoIcone, Checked, Fonte, FonteSel,
            FonteDeslig;
        TColor BarraOff, ContornoOff;             // the highlight of a disabled item (tmWin7)
        TColor Marca, FundoMarca, FundoMarcaOff;  // a check or radio mark and its framed square
        TColor ContornoMarca, ContornoMarcaOff;
        TColor Separador;  // separators and gutter edges in the dark mode (the light one draws 3-D edges)
        TColor Titulo;     // a title entry's text in tmMarvo
        bool operator==(const TCores&) const = default;
    };
    const TCores& Cores() const { return cores_; }
    // Drawn with the dark colours (the system's programs use the dark mode since the last Atualizar).
    bool Escuro() const { return escuro_; }
    bool Win7() const { return FWin7; }

private:
    friend class TPinturaMenu;
    void DefineCores();
    void Ligar(TMenuItem& item, bool ligado);

    IMenuSistema& sistema_;
    const TEstiloMenu* estilo_;  // the style of FTipoMenu
    bool FWin7 = false;
    bool escuro_ = false;
    bool bDesign = false;
    TCores cores_{};
    TMenuOwner* FForm = nullptr;
    TFont FFont;
    bool FAtivo = true;
    bool FMenusDegrade = false;
    int FTamIcone = 20;
    TMenuItem* FMenuConfigura = nullptr;
    TTipoMenu FTipoMenu = TTipoMenu::tmPadrao;
    std::string FSessaoIni = "Menus";
    bool FUsarFonteWin = true;
    bool FSemIcones = false;
    // The handlers on the items hold this weakly, so that an item outliving the renderer paints nothing.
    std::shared_ptr<TNqMenu*> self_;
};

}  // namespace nq
