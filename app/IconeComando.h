#pragma once
// A shortcut button of the bar: a 32 x 32 icon with its caption to the right. The bar's button panel
// owns, lays out, hit-tests and paints the buttons itself; a button has no window of its own.
// Geometry here is in 96-dpi pixels inside the button panel.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/BarLayout.h"

namespace nq {

class TIconeComando {
public:
    void AddShortCut(const std::string& aTitle, const std::string& aProgram, bool programIsFolder,
                     const std::string& aParams);
    void SetTitulo(const std::string& Value) { FTitulo = Value; }
    // Stores the target and fixes IsURL and IsDirectory for as long as the button lives.
    void SetPrograma(const std::string& Value, bool isFolder);

    const std::string& Titulo() const { return FTitulo; }
    const std::string& Programa() const { return FPrograma; }
    const std::string& Parametros() const { return FParametros; }
    bool IsURL() const { return FIsURL; }
    bool IsDirectory() const { return FIsDirectory; }
    // The catalogue record the button was made from (a bookmark), for the commands of its own menu.
    std::uint64_t Registro() const { return registro_; }
    void SetRegistro(std::uint64_t r) { registro_ = r; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    void SetBounds(int left, int top) { left_ = left, top_ = top; }

    Rect IconRect() const { return Rect{left_, top_, kIconSize, kIconSize}; }
    Rect CaptionBox(int panelWidth) const { return CaptionRect(left_, top_, panelWidth); }

    // The pointer entered the caption: bold underlined caption, the button one pixel up and left.
    void NqMouseEnter();
    // The pointer left the caption or moved over the icon: back to normal.
    void NqMouseLeave();
    bool Hovered() const { return FNqTop != 0 || FNqLeft != 0; }

private:
    std::string FTitulo, FPrograma, FParametros;
    bool FIsURL = false;
    bool FIsDirectory = false;
    std::uint64_t registro_ = 0;
    int left_ = kButtonLeft;
    int top_ = iTamInicial;
    int FNqTop = 0;
    int FNqLeft = 0;
};

// The buttons of the panel in creation order, the part of them that shows, and the pointer's dealings
// with them. Buttons keep their place in the whole column (top of the first at iTamInicial); when the
// column is taller than the panel, a band at the top and one at the bottom hold the arrows that scroll
// it, and only the buttons that fit whole between them show. Points given here are in the panel's
// 96-dpi pixels as it shows, scrolled.
class TBotoesPainel {
public:
    explicit TBotoesPainel(int panelWidth = kBarWidth) : panelWidth_(panelWidth) {}

    std::vector<TIconeComando>& Botoes() { return botoes_; }
    const std::vector<TIconeComando>& Botoes() const { return botoes_; }
    void Clear();
    int PanelWidth() const { return panelWidth_; }
    // The button whose caption the pointer is over, or -1.
    int HoveredIndex() const { return hovered_; }

    // The panel's height and the distance between buttons; the first button that shows stays where it
    // was as far as the new size allows.
    void DefinirVista(int altura, int passo);
    int Altura() const { return altura_; }
    int Passo() const { return passo_; }
    // The column is taller than the panel: the arrows' bands take their place.
    bool Rolavel() const;
    int Faixa() const { return Rolavel() ? kFaixaSeta : 0; }
    int Primeiro() const { return primeiro_; }
    // How many buttons show whole between the bands (at least one).
    int Cabem() const;
    bool Visivel(std::size_t i) const;
    bool MaisAcima() const { return primeiro_ > 0; }
    bool MaisAbaixo() const;
    // The top of a button as it shows, scrolled (above the panel or below it when it does not show).
    int Topo(std::size_t i) const;
    // The arrows' bands, across the panel.
    Rect SetaRect(bool acima) const;
    // Scrolls by a number of buttons (negative: up); true when the first button that shows changed.
    bool Rolar(int botoes);
    // Scrolls as little as needed for a button to show whole.
    bool MostrarBotao(int i);

    enum class Part { None, Icon, Caption, SetaAcima, SetaAbaixo };
    struct Hit {
        int index = -1;
        Part part = Part::None;
    };
    // What lies under a point: an arrow's band (index -1), or among the buttons that show the
    // last-created control where they overlap, a caption being created before its own button.
    Hit HitTest(int x, int y) const;

    // Pointer movement; returns true when something must be repainted.
    bool MouseMove(int x, int y);
    // The pointer left the panel.
    bool MouseLeave();
    // A left press and release; the click counts when both land on the same button.
    void MouseDown(int x, int y);
    // The index of the clicked button, or -1.
    int MouseUp(int x, int y);

    static constexpr int kFaixaSeta = 14;  // the height of an arrow's band

private:
    int PrimeiroMaximo() const;

    std::vector<TIconeComando> botoes_;
    int panelWidth_;
    int altura_ = 0;  // 0: no height given, every button shows where its column puts it
    int passo_ = iSalto;
    int primeiro_ = 0;
    int hovered_ = -1;
    int pressed_ = -1;
};

}  // namespace nq
