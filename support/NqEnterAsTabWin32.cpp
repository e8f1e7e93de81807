#include "support/NqEnterAsTabWin32.h"

#include "support/Errors.h"
#include "support/MessageFilterWin32.h"

namespace nq {

namespace {

bool Dentro(HWND form, HWND w) {
    return w && (w == form || IsChild(form, w));
}

bool EhDialogo(HWND w) {
    wchar_t classe[16];
    return GetClassNameW(w, classe, 16) && lstrcmpW(classe, L"#32770") == 0;
}

}  // namespace

TNqEnterAsTab::TNqEnterAsTab(HWND form) : form_(form) {
    if (!form || !IsWindow(form) || (GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD))
        throw ENqError("Insira este componente em um formulário!");
    filtro_ = AddMessageFilter([this](MSG& msg) { return InternalKeyPress(msg); });
}

TNqEnterAsTab::~TNqEnterAsTab() {
    RemoveMessageFilter(filtro_);
}

bool TNqEnterAsTab::InternalKeyPress(MSG& msg) {
    if (!EnterAsTab || msg.wParam != VK_RETURN || (msg.message != WM_KEYDOWN && msg.message != WM_CHAR))
        return false;
    if (!IsWindow(form_) || !Dentro(form_, msg.hwnd)) return false;
    // Ctrl+Enter is a different key to the controls (it types a line feed, not a return).
    if (GetKeyState(VK_CONTROL) < 0) return false;
    const LRESULT code = SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        return false;
    // The focus moves straight on rather than through a synthesised Tab, which would leave a key-down
    // without its key-up in the keyboard state. The WM_CHAR of a swallowed key-down never comes,
    // since TranslateMessage does not see it; one that comes on its own is only swallowed.
    if (msg.message == WM_KEYDOWN) ProximoControle(msg.hwnd);
    return true;
}

void TNqEnterAsTab::ProximoControle(HWND atual) {
    if (EhDialogo(form_)) {
        // The dialog manager also keeps the default button and the edit selection right.
        SendMessageW(form_, WM_NEXTDLGCTL, 0, FALSE);
        return;
    }
    // The inner part of a compound control (the edit of a combo box) is not in the tab order itself:
    // start from the control that holds it.
    HWND controle = atual;
    for (HWND pai = GetParent(controle);
         pai && pai != form_ && !(GetWindowLongPtrW(pai, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
         pai = GetParent(controle))
        controle = pai;
    HWND proximo = GetNextDlgTabItem(form_, controle == form_ ? nullptr : controle, FALSE);
    if (!proximo || proximo == controle) return;
    SetFocus(proximo);
    if (SendMessageW(proximo, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(proximo, EM_SETSEL, 0, -1);
}

}  // namespace nq
