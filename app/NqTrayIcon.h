#pragma once
// The notification-area icon's rules that need no Win32: the tooltip text and what each mouse
// notification from the shell sets off. The icon itself is app/NqTrayIconWin32.h.

#include <string>
#include <vector>

namespace nq {

constexpr unsigned kTrayIconId = 1;
constexpr std::size_t kTrayTipMax = 63;  // what the shell shows of a tooltip, in characters

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct TTrayAcao {
    enum Tipo { MouseMove, MouseDown, MouseUp, Click, DblClick, ItemPadrao, Popup };
    Tipo tipo;
    TMouseButton botao = TMouseButton::mbLeft;  // for MouseDown and MouseUp
    bool operator==(const TTrayAcao&) const = default;
};

// The events, in order, that one mouse message (WM_MOUSEMOVE ... WM_MBUTTONUP) from the shell sets off.
// FClicked remembers a left press until its release, so that a press and release make one click and
// the release that follows a double click makes none. Any other message sets off nothing.
std::vector<TTrayAcao> TrayAcoes(unsigned mensagemMouse, bool& FClicked);

// The tooltip: the hint cut to its first 63 characters; empty when the hint is not to be shown.
std::string TrayTip(const std::string& hint, bool showHint);

}  // namespace nq
