#pragma once
// The program's icon in the notification area. It keeps a hidden window of its own for the shell's
// notifications, turns them into events (app/NqTrayIcon.h has the rules), puts the icon back when the
// shell restarts, and removes it when the object goes.

#include <windows.h>
// shellapi.h needs windows.h first
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "app/MensagensBarraWin32.h"
#include "app/NqTrayIcon.h"
#include "support/Win32Handles.h"
#include "ui/WindowWin32.h"

namespace nq {

// Shift, Ctrl and Alt at the time of a notification.
struct TShiftState {
    bool shift = false, ctrl = false, alt = false;
};

class TNqTrayIcon : private Window {
public:
    // How the icon reaches the shell; tests put a fake in place of Shell_NotifyIconW.
    using TShellNotify = std::function<BOOL(DWORD, NOTIFYICONDATAW*)>;

    // Creates the hidden window. The icon reaches the shell at Show, once the icon and hint are set.
    explicit TNqTrayIcon(TShellNotify notify = Shell_NotifyIconW);
    ~TNqTrayIcon();
    TNqTrayIcon(const TNqTrayIcon&) = delete;
    TNqTrayIcon& operator=(const TNqTrayIcon&) = delete;

    // Adds the icon when IconVisible (the default). When the shell is not ready (at log-on), tries again
    // a few times over the next seconds, without waiting here; after that, calling Show again tries anew.
    void Show();

    void SetIcon(HICON icon);  // copied: the caller keeps its own
    void SetHint(const std::string& hint);
    void SetShowHint(bool mostrar);
    void SetIconVisible(bool visivel);
    void SetEnabled(bool ativo) { FEnabled = ativo; }
    // The window that is brought to the front for the menu and owns it; by default MainWindow().
    void SetMainWindow(HWND janela) { mainWindow_ = janela; }
    // Shown at the pointer on a right press when no OnPopup is set; its commands go to the main window.
    void SetPopupMenu(HMENU menu) { FPopupMenu = menu; }

    const std::string& Hint() const { return FHint; }
    bool IconVisible() const { return FIconVisible; }
    // Whether the shell holds the icon now.
    bool Adicionado() const { return adicionado_; }
    HWND Handle() const { return hwnd_; }
    // The data given to the shell at the last add or change.
    const NOTIFYICONDATAW& IconData() const { return IconData_; }

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(TMouseButton, TShiftState, POINT)> OnMouseDown;
    std::function<void(TMouseButton, TShiftState, POINT)> OnMouseUp;
    std::function<void(TShiftState, POINT)> OnMouseMove;
    // Shows the program's own menu at the pointer (screen coordinates); the main window is already in
    // front. It may run a nested loop and end with the tray icon gone.
    std::function<void(POINT)> OnPopup;
    // The window that was in front when the right press came, before the main window was brought there
    // for the menu (another program's, usually).
    HWND FrenteAntesDoMenu() const { return frenteAntes_; }

private:
    HWND frenteAntes_ = nullptr;
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    bool CriarJanela();
    void Notificacao(unsigned mensagemMouse);
    void MenuNoPonteiro();
    void ItemPadrao();
    HWND Principal() const;
    void PreencherDados();
    void Adicionar();
    void Atualizar();
    void Remover();

    TShellNotify notify_;
    HWND mainWindow_ = nullptr;
    IconHandle FIcon;
    std::string FHint;
    bool FShowHint = true;
    bool FIconVisible = true;
    bool mostrado_ = false;  // Show was called
    bool FEnabled = true;
    bool FClicked = false;
    HMENU FPopupMenu = nullptr;
    NOTIFYICONDATAW IconData_{};
    bool adicionado_ = false;
    int tentativas_ = 0;
    bool menuAberto_ = false;
    UINT taskbarCreated_ = 0;
    // Cleared when the object goes, so that code that ran a nested loop (the menu) can tell.
    std::shared_ptr<bool> vivo_ = std::make_shared<bool>(true);
};

}  // namespace nq
