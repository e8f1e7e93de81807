#include "app/NqTrayIcon.h"

#include "support/Text.h"

namespace nq {

namespace {

// The mouse messages, as the shell passes them in the long parameter.
constexpr unsigned kMouseMove = 0x200, kLButtonDown = 0x201, kLButtonUp = 0x202, kLButtonDblClk = 0x203,
                   kRButtonDown = 0x204, kRButtonUp = 0x205, kMButtonDown = 0x207, kMButtonUp = 0x208;

}  // namespace

std::vector<TTrayAcao> TrayAcoes(unsigned mensagemMouse, bool& FClicked) {
    using A = TTrayAcao;
    switch (mensagemMouse) {
        case kMouseMove:
            return {A{A::MouseMove}};
        case kLButtonDown:
            FClicked = true;
            return {A{A::MouseDown, TMouseButton::mbLeft}};
        case kLButtonUp:
            if (FClicked) {
                FClicked = false;
                return {A{A::Click}, A{A::MouseUp, TMouseButton::mbLeft}};
            }
            return {A{A::MouseUp, TMouseButton::mbLeft}};
        case kLButtonDblClk:
            return {A{A::DblClick}, A{A::ItemPadrao}};
        case kRButtonDown:
            return {A{A::MouseDown, TMouseButton::mbRight}, A{A::Popup}};
        case kRButtonUp:
            return {A{A::MouseUp, TMouseButton::mbRight}};
        case kMButtonDown:
            return {A{A::MouseDown, TMouseButton::mbMiddle}};
        case kMButtonUp:
            return {A{A::MouseUp, TMouseButton::mbMiddle}};
        default:
            return {};
    }
}

std::string TrayTip(const std::string& hint, bool showHint) {
    if (!showHint) return {};
    return CharLeft(hint, kTrayTipMax);
}

}  // namespace nq
