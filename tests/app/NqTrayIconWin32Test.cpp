// The notification-area icon against Wine's shell, and its notifications sent as the shell sends them.

#include "app/NqTrayIconWin32.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Win32TestUtil.h"
#include "support/Win32Text.h"

namespace nq {
namespace {

void Pump(
    DWORD ms, const std::function<bool()>& done = [] { return false; }) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < ms) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

void Notify(const TNqTrayIcon& tray, UINT mouse) {
    SendMessageW(tray.Handle(), WM_TRAYNOTIFY, kTrayIconId, mouse);
}

// The shell as the tests want it: records every call and answers `ok`, or fails the first `falhas`.
struct FakeShell {
    std::vector<DWORD> calls;
    int falhas = 0;
    TNqTrayIcon::TShellNotify Notify() {
        return [this](DWORD msg, NOTIFYICONDATAW*) {
            calls.push_back(msg);
            if (falhas > 0) {
                if (msg == NIM_MODIFY) --falhas;
                return FALSE;
            }
            return TRUE;
        };
    }
};

// The bar's stand-in, whose queue the test reads: a top-level window, hidden because Wine takes seconds
// to destroy a visible one.
class MainWindowStub {
public:
    MainWindowStub() {
        hwnd = CreateWindowExW(0, test::PlainWindowClass(L"NqTrayTestePrincipal"), L"", WS_OVERLAPPEDWINDOW, 100,
                               100, 200, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~MainWindowStub() { DestroyWindow(hwnd); }
    // Whether a message of that number waits in the window's queue (taken out).
    bool Posted(UINT msg, WPARAM* wp = nullptr) const {
        MSG m;
        if (!PeekMessageW(&m, hwnd, msg, msg, PM_REMOVE)) return false;
        if (wp) *wp = m.wParam;
        return true;
    }
    HWND hwnd;
};

TEST(TNqTrayIconWin32, TheShellGetsTheIconAndLosesItWhenTheObjectGoes) {
    NOTIFYICONDATAW depois{};
    {
        TNqTrayIcon tray;
        tray.SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
        tray.SetHint("Nq-Pivel, v2.0.3 " + std::string(30, 'a') + std::string(30, 'b'));  // 77 characters
        tray.Show();
        ASSERT_TRUE(tray.Adicionado());
        const NOTIFYICONDATAW& d = tray.IconData();
        EXPECT_EQ(d.cbSize, sizeof(NOTIFYICONDATAW));
        EXPECT_EQ(d.hWnd, tray.Handle());
        EXPECT_EQ(d.uID, 1u);
        EXPECT_EQ(d.uFlags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(d.uCallbackMessage, 0x800u);
        EXPECT_NE(d.hIcon, nullptr);
        EXPECT_EQ(std::wstring(d.szTip),
                  Wide("Nq-Pivel, v2.0.3 " + std::string(30, 'a') + std::string(16, 'b')));

        tray.SetShowHint(false);
        EXPECT_TRUE(tray.Adicionado());
        EXPECT_EQ(tray.IconData().szTip[0], L'\0');

        EXPECT_EQ(SendMessageW(tray.Handle(), WM_QUERYENDSESSION, 0, 0), 1);
        depois = tray.IconData();
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &depois));
    }
    EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &depois));
}

TEST(TNqTrayIconWin32, OneClickPerPressAndReleaseAndNoneForTheReleaseAfterADoubleClick) {
    FakeShell shell;
    TNqTrayIcon tray(shell.Notify());
    tray.Show();
    int clicks = 0, dbl = 0, moves = 0;
    std::vector<TMouseButton> downs, ups;
    tray.OnClick = [&] { ++clicks; };
    tray.OnDblClick = [&] { ++dbl; };
    tray.OnMouseMove = [&](TShiftState, POINT) { ++moves; };
    tray.OnMouseDown = [&](TMouseButton b, TShiftState, POINT) { downs.push_back(b); };
    tray.OnMouseUp = [&](TMouseButton b, TShiftState, POINT) { ups.push_back(b); };

    for (UINT m : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}) Notify(tray, m);
    EXPECT_EQ(clicks, 1);
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) Notify(tray, m);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(dbl, 1);
    for (UINT m : {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_RBUTTONUP}) Notify(tray, m);
    EXPECT_EQ(moves, 1);
    using B = TMouseButton;
    EXPECT_EQ(downs, (std::vector<B>{B::mbLeft, B::mbLeft, B::mbMiddle}));
    EXPECT_EQ(ups, (std::vector<B>{B::mbLeft, B::mbLeft, B::mbLeft, B::mbMiddle, B::mbRight}));

    tray.SetEnabled(false);
    for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP}) Notify(tray, m);
    EXPECT_EQ(clicks, 2);
}

TEST(TNqTrayIconWin32, RightPressShowsTheMenuOnceWithTheBarInFront) {
    FakeShell shell;
    MainWindowStub bar;
    auto tray = std::make_unique<TNqTrayIcon>(shell.Notify());
    tray->SetMainWindow(bar.hwnd);
    tray->Show();
    int popups = 0;
    HWND frente = nullptr;
    tray->OnPopup = [&](POINT) {
        ++popups;
        frente = GetForegroundWindow();
        Notify(*tray, WM_RBUTTONDOWN);  // a second right press while the menu is open
    };
    Notify(*tray, WM_RBUTTONDOWN);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(frente, bar.hwnd);
    EXPECT_TRUE(bar.Posted(WM_NULL));
    Notify(*tray, WM_RBUTTONDOWN);
    EXPECT_EQ(popups, 2);

    // The menu's command ends the program's tray icon before the menu returns.
    tray->OnPopup = [&](POINT) { tray.reset(); };
    Notify(*tray, WM_RBUTTONDOWN);
    EXPECT_FALSE(tray);
    EXPECT_TRUE(bar.Posted(WM_NULL));
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

TEST(TNqTrayIconWin32, APopupMenuOfItsOwnAndItsDefaultItem) {
    FakeShell shell;
    MainWindowStub bar;
    TNqTrayIcon tray(shell.Notify());
    tray.SetMainWindow(bar.hwnd);
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 41, L"Configurações");
    AppendMenuW(menu, MF_STRING, 42, L"Finalizar");
    tray.SetPopupMenu(menu);
    tray.Show();

    SetTimer(nullptr, 0, 200, CloseMenu);  // the menu runs its own loop until this closes it
    Notify(tray, WM_RBUTTONDOWN);
    EXPECT_TRUE(bar.Posted(WM_NULL));

    WPARAM id = 0;
    Notify(tray, WM_LBUTTONDBLCLK);
    EXPECT_FALSE(bar.Posted(WM_COMMAND));  // no default item
    SetMenuDefaultItem(menu, 42, FALSE);
    Notify(tray, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(bar.Posted(WM_COMMAND, &id));
    EXPECT_EQ(LOWORD(id), 42);
    DestroyMenu(menu);
}

TEST(TNqTrayIconWin32, TriesAgainWhileTheShellIsNotReadyAndAfterItRestarts) {
    FakeShell shell;
    shell.falhas = 2;
    auto tray = std::make_unique<TNqTrayIcon>(shell.Notify());
    tray->SetHint("Nq-Pivel");
    tray->Show();
    EXPECT_FALSE(tray->Adicionado());
    Pump(5000, [&] { return tray->Adicionado(); });
    EXPECT_TRUE(tray->Adicionado());
    EXPECT_EQ(shell.calls, (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_ADD, NIM_MODIFY, NIM_ADD}));

    shell.calls.clear();
    SendMessageW(tray->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(shell.calls, (std::vector<DWORD>{NIM_ADD}));
    tray->SetHint("Nq-Pivel, v2");
    tray.reset();
    EXPECT_EQ(shell.calls, (std::vector<DWORD>{NIM_ADD, NIM_MODIFY, NIM_DELETE}));
}

// Refuses every window this thread tries to create while it lives, as a system short of resources does.
class RefuseWindows {
public:
    RefuseWindows() {
        hook_ = SetWindowsHookExW(
            WH_CBT,
            [](int code, WPARAM wp, LPARAM lp) -> LRESULT {
                return code == HCBT_CREATEWND ? 1 : CallNextHookEx(nullptr, code, wp, lp);
            },
            nullptr, GetCurrentThreadId());
    }
    ~RefuseWindows() { UnhookWindowsHookEx(hook_); }
    bool active() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

TEST(TNqTrayIconWin32, AWindowThatCouldNotBeMadeIsTriedAgainAtTheNextShow) {
    FakeShell shell;
    std::unique_ptr<TNqTrayIcon> tray;
    {
        RefuseWindows refuse;
        ASSERT_TRUE(refuse.active());
        tray = std::make_unique<TNqTrayIcon>(shell.Notify());
        EXPECT_EQ(tray->Handle(), nullptr);
        tray->Show();
        EXPECT_FALSE(tray->Adicionado());
        EXPECT_TRUE(shell.calls.empty());
    }
    tray->Show();  // what the bar does now and then while its icon is missing
    EXPECT_NE(tray->Handle(), nullptr);
    EXPECT_TRUE(tray->Adicionado());
    EXPECT_EQ(shell.calls, (std::vector<DWORD>{NIM_ADD}));
}

}  // namespace
}  // namespace nq
