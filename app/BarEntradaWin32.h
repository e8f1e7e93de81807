#pragma once
// The bar's keys and pointer: the keys it takes in every message loop (Esc, F5, Ins, Ctrl+Up/Down,
// and the open bar's mark and typing to find), the hover, press and click of its buttons and of the
// title's menu button, the wheel and the arrows that scroll the buttons, and the context menu's place.

#include <windows.h>

#include <string>

#include "app/BarTeclado.h"

namespace nq {

class TfrmMainPivel;

class TBarEntrada {
public:
    explicit TBarEntrada(TfrmMainPivel& barra) : barra_(barra) {}

    const TBarTeclado& Teclado() const { return teclado_; }
    TBarTeclado& Teclado() { return teclado_; }
    bool ConfigQuente() const { return configHot_; }
    bool ConfigApertado() const { return configPressed_; }

    // Application-wide keys, seen before any window in every message loop: true when handled.
    bool PreTranslate(MSG& msg);
    // The bar's keys; false for a key whose character is to come (typing finds a shortcut).
    bool FormKeyDown(WPARAM key);
    void WMChar(wchar_t ch);
    // The hand over a button; false leaves the pointer to the system.
    bool WMSetCursor();
    void WMMouseMove(int x, int y);
    void WMMouseLeave();
    void WMLButtonDown(int x, int y);
    void WMLButtonUp(int x, int y, WPARAM keys);
    void WMContextMenu(POINT pt);
    // The wheel over the bar: the buttons scroll by the system's lines per notch.
    void WMMouseWheel(int delta);
    // The arrows' timer (kTimerSeta): while the pointer rests on an arrow, the buttons go on scrolling.
    void WMTimer();

private:
    void AcaoDoTeclado(const TAcaoBarra& acao, int marcadoAntes, const std::string& buscaAntes);
    bool NaFaixaDeSeta(int x, int y) const;
    // The arrow under a point of the client area that has more beyond it: -1 up, 1 down, 0 none.
    int SetaEm(int x, int y) const;
    void VigiarSeta(int seta);
    bool InButtonPanel(int x, int y) const;
    int HitButton(int x, int y) const;
    // A point of the client area in the button panel's 96-dpi pixels.
    int X96(int x) const;
    int Y96(int y) const;

    TfrmMainPivel& barra_;
    TBarTeclado teclado_;
    bool configHot_ = false;
    bool configPressed_ = false;
    bool backgroundPressed_ = false;
    bool trackingMouse_ = false;
    int seta_ = 0;        // the arrow the pointer rests on: -1 up, 1 down
    int rodaResto_ = 0;   // what the wheel turned short of a button, in wheel units times buttons per notch
};

}  // namespace nq
