#pragma once
// What the files of the dialog layer share among themselves (ui/DialogoWin32*.cpp); nothing else
// includes this.

#include <windows.h>

#include "ui/DialogoWin32.h"

namespace nq::dialogo {

constexpr int kIdPrimeiro = 100;  // control i has the identifier kIdPrimeiro + i
constexpr const wchar_t* kClasseContainer = L"NqContainer";
constexpr const wchar_t* kPropIndice = L"NqIndice";  // a container's table index + 1
constexpr int kExtraCombo = 200;                     // room for a drop-down list, 96 dpi

inline bool EhBotao(TipoControle t) {
    return t == TipoControle::Botao || t == TipoControle::BotaoPlano || t == TipoControle::Caixa ||
           t == TipoControle::Opcao;
}

// The dialog that a window of it (a control, a container) belongs to.
inline TDialogo* DialogoDe(HWND w) {
    HWND raiz = GetAncestor(w, GA_ROOT);
    return raiz ? reinterpret_cast<TDialogo*>(GetWindowLongPtrW(raiz, DWLP_USER)) : nullptr;
}

}  // namespace nq::dialogo
