#pragma once
// What the files of the dialog layer share among themselves (ui/DialogoWin32*.cpp); nothing else
// includes this.

#include <windows.h>

#include "ui/DialogoWin32.h"
#include "ui/WindowWin32.h"

namespace nq::dialogo {

constexpr int kIdPrimeiro = 100;  // control i has the identifier kIdPrimeiro + i
constexpr const wchar_t* kClasseContainer = L"NqContainer";
constexpr int kExtraCombo = 200;                     // room for a drop-down list, 96 dpi
// Posted when a number box out of its range has lost the focus (wParam: its index): it is looked at once
// the focus has settled, so that the cancel button can still be pressed.
constexpr UINT kMsgConferirNumero = WM_APP + 0x3E0;

inline bool EhBotao(TipoControle t) {
    return t == TipoControle::Botao || t == TipoControle::BotaoPlano || t == TipoControle::Caixa ||
           t == TipoControle::Opcao;
}

// The dialog that a window of it (a control, a container) belongs to.
inline TDialogo* DialogoDe(HWND w) {
    HWND raiz = GetAncestor(w, GA_ROOT);
    return raiz ? reinterpret_cast<TDialogo*>(GetWindowLongPtrW(raiz, DWLP_USER)) : nullptr;
}

// A page or a panel: a window of the program's container class. It paints its own windowless items
// (labels, bevels, pictures, group boxes) and passes its controls' messages to the dialog.
class TContainer {
public:
    explicit TContainer(HWND w) : hwnd_(w) {}
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

    int indice = -1;  // the container's place in the dialog's table

private:
    HWND hwnd_;
};

}  // namespace nq::dialogo
