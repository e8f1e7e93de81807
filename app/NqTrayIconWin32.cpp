#include "app/NqTrayIconWin32.h"

#include <cwchar>
#include <utility>

#include "support/NqDlgWin32.h"
#include "support/PlatformWin32.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

constexpr wchar_t kClasse[] = L"TNqTrayIconJanela";
constexpr UINT kIntervaloTentativaMs = 1000;
constexpr int kMaxTentativas = 10;

// Calls a copy of a handler: the handler may destroy the object that holds the original.
template <class F, class... Args>
void Disparar(const F& handler, Args... args) {
    if (F f = handler) f(args...);
}

}  // namespace

TNqTrayIcon::TNqTrayIcon(TShellNotify notify) : notify_(std::move(notify)) {
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    CriarJanela();
}

TNqTrayIcon::~TNqTrayIcon() {
    *vivo_ = false;
    Remover();
    // The base destroys the hidden window.
}

bool TNqTrayIcon::CriarJanela() {
    if (hwnd_) return true;
    RegisterClassOnce(kClasse, nullptr, nullptr);
    // A hidden top-level window rather than a message-only one: only top-level windows get the shell's
    // "TaskbarCreated" broadcast and the log-off query.
    return CreateWindowOfClass(kClasse, L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr);
}

void TNqTrayIcon::Show() {
    mostrado_ = true;
    // A window that could not be made at creation (the system short of resources) is tried again here.
    if (FIconVisible && !adicionado_ && CriarJanela()) Adicionar();
}

void TNqTrayIcon::SetIcon(HICON icon) {
    FIcon.reset(icon ? CopyIcon(icon) : nullptr);
    Atualizar();
}

void TNqTrayIcon::SetHint(const std::string& hint) {
    FHint = hint;
    Atualizar();
}

void TNqTrayIcon::SetShowHint(bool mostrar) {
    FShowHint = mostrar;
    Atualizar();
}

void TNqTrayIcon::SetIconVisible(bool visivel) {
    FIconVisible = visivel;
    if (!mostrado_) return;
    if (visivel) {
        if (!adicionado_) Adicionar();
    } else {
        Remover();
    }
}

void TNqTrayIcon::PreencherDados() {
    IconData_ = NOTIFYICONDATAW{};
    IconData_.cbSize = sizeof IconData_;
    IconData_.hWnd = hwnd_;
    IconData_.uID = kTrayIconId;
    IconData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    IconData_.uCallbackMessage = WM_TRAYNOTIFY;
    IconData_.hIcon = FIcon.get();
    const std::wstring tip = Wide(TrayTip(FHint, FShowHint));
    wcsncpy_s(IconData_.szTip, ARRAYSIZE(IconData_.szTip), tip.c_str(), _TRUNCATE);
}

void TNqTrayIcon::Adicionar() {
    if (!hwnd_) return;
    KillTimer(hwnd_, kTimerAdicionarIcone);
    PreencherDados();
    // An add that timed out while the shell was busy may still have put the icon there: then only a
    // change succeeds.
    if (notify_(NIM_ADD, &IconData_) || notify_(NIM_MODIFY, &IconData_)) {
        adicionado_ = true;
        tentativas_ = 0;
        return;
    }
    // At log-on the shell may not be up yet: try again a little later, without holding up the start.
    if (tentativas_ < kMaxTentativas) {
        ++tentativas_;
        SetTimer(hwnd_, kTimerAdicionarIcone, kIntervaloTentativaMs, nullptr);
    }
}

void TNqTrayIcon::Atualizar() {
    PreencherDados();
    if (adicionado_ && !notify_(NIM_MODIFY, &IconData_)) {
        // The shell lost the icon without telling (it is restarting): put it back.
        adicionado_ = false;
        Adicionar();
    }
}

void TNqTrayIcon::Remover() {
    if (hwnd_) KillTimer(hwnd_, kTimerAdicionarIcone);
    tentativas_ = 0;
    if (!mostrado_) return;
    PreencherDados();
    notify_(NIM_DELETE, &IconData_);
    adicionado_ = false;
}

HWND TNqTrayIcon::Principal() const {
    if (mainWindow_ && IsWindow(mainWindow_)) return mainWindow_;
    return MainWindow();
}

LRESULT TNqTrayIcon::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TRAYNOTIFY) {
        Notificacao(static_cast<unsigned>(lp));
        return 0;  // `this` may be gone by now
    }
    if (taskbarCreated_ && msg == taskbarCreated_) {
        // The shell started again with an empty notification area.
        adicionado_ = false;
        tentativas_ = 0;
        if (mostrado_ && FIconVisible) Adicionar();
        return 0;
    }
    switch (msg) {
        case WM_TIMER:
            if (wp == kTimerAdicionarIcone) {
                KillTimer(hwnd_, kTimerAdicionarIcone);
                if (mostrado_ && FIconVisible && !adicionado_) Adicionar();
                return 0;
            }
            break;
        case WM_QUERYENDSESSION:
            return 1;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void TNqTrayIcon::Notificacao(unsigned mensagemMouse) {
    if (!FEnabled) return;
    POINT pt{};
    const bool temPonteiro = GetCursorPos(&pt) != 0;
    const TShiftState shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
    const std::shared_ptr<bool> vivo = vivo_;
    for (const TTrayAcao& a : TrayAcoes(mensagemMouse, FClicked)) {
        switch (a.tipo) {
            case TTrayAcao::MouseMove:
                Disparar(OnMouseMove, shift, pt);
                break;
            case TTrayAcao::MouseDown:
                Disparar(OnMouseDown, a.botao, shift, pt);
                break;
            case TTrayAcao::MouseUp:
                Disparar(OnMouseUp, a.botao, shift, pt);
                break;
            case TTrayAcao::Click:
                Disparar(OnClick);
                break;
            case TTrayAcao::DblClick:
                Disparar(OnDblClick);
                break;
            case TTrayAcao::ItemPadrao:
                ItemPadrao();
                break;
            case TTrayAcao::Popup:
                if (temPonteiro) MenuNoPonteiro();
                break;
        }
        if (!*vivo) return;  // a handler ended the program's tray icon
    }
}

void TNqTrayIcon::ItemPadrao() {
    if (OnPopup || !FPopupMenu || !IsMenu(FPopupMenu)) return;
    const UINT id = GetMenuDefaultItem(FPopupMenu, FALSE, 0);
    if (id == static_cast<UINT>(-1)) return;
    HWND dono = Principal();
    PostMessageW(dono ? dono : hwnd_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void TNqTrayIcon::MenuNoPonteiro() {
    // A second right click while the menu is open (or while the queue is being emptied for it) would
    // open a menu inside the menu.
    if (menuAberto_ || (!OnPopup && !FPopupMenu)) return;
    const std::shared_ptr<bool> vivo = vivo_;
    struct Aberto {
        TNqTrayIcon* self;
        const std::shared_ptr<bool>& vivo;
        ~Aberto() {
            if (*vivo) self->menuAberto_ = false;
        }
    } aberto{this, vivo};
    menuAberto_ = true;

    ProcessarMensagens();
    if (!*vivo) return;
    POINT pt{};
    if (!GetCursorPos(&pt)) return;
    HWND dono = Principal();
    if (!dono) dono = hwnd_;
    // The menu only closes on a click elsewhere when its owner is the foreground window.
    frenteAntes_ = GetForegroundWindow();
    SetForegroundWindow(dono);
    if (OnPopup) {
        Disparar(OnPopup, pt);
    } else if (IsMenu(FPopupMenu)) {
        TrackPopupMenu(FPopupMenu, TPM_RIGHTBUTTON, pt.x, pt.y, 0, dono, nullptr);
    }
    // The menu ran its own loop: the owner, the menu and this object may all be gone by now.
    if (IsWindow(dono)) PostMessageW(dono, WM_NULL, 0, 0);
}

}  // namespace nq
