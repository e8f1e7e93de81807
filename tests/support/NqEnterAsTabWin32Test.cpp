// Enter moving the focus through a real window's controls.

#include "support/NqEnterAsTabWin32.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "support/Errors.h"
#include "support/MessageFilterWin32.h"
#include "Win32TestUtil.h"
#include "support/Win32Text.h"

namespace nq {
namespace {

// A top-level window holding two single-line edits and a multi-line one, in that tab order.
class Form {
public:
    Form() {
        hwnd = CreateWindowExW(0, test::PlainWindowClass(L"NqEnterAsTabTeste"), L"", WS_OVERLAPPEDWINDOW, 50, 50,
                               300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        const DWORD edit = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
        e1 = CreateWindowExW(0, L"EDIT", L"abc", edit, 10, 10, 100, 22, hwnd, nullptr, nullptr, nullptr);
        e2 = CreateWindowExW(0, L"EDIT", L"", edit, 10, 40, 100, 22, hwnd, nullptr, nullptr, nullptr);
        memo = CreateWindowExW(0, L"EDIT", L"", edit | ES_MULTILINE | ES_WANTRETURN, 10, 70, 100, 60, hwnd,
                               nullptr, nullptr, nullptr);
        SetForegroundWindow(hwnd);
    }
    ~Form() { DestroyWindow(hwnd); }

    // Types a key into the focused control and runs a plain message loop over it.
    void Key(WPARAM vk) {
        HWND target = GetFocus();
        PostMessageW(target, WM_KEYDOWN, vk, 1);
        PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    static std::string Text(HWND w) {
        wchar_t buf[64]{};
        GetWindowTextW(w, buf, 64);
        return Narrow(buf);
    }

    HWND hwnd, e1, e2, memo;
};

TEST(TNqEnterAsTabWin32, EnterMovesToTheNextControlAndOtherKeysReachTheEarlierFilter) {
    Form f;
    std::vector<WPARAM> seen;  // key-downs that reach the filter installed before
    const std::size_t earlier = AddMessageFilter([&](MSG& m) {
        if (m.message == WM_KEYDOWN) seen.push_back(m.wParam);
        return false;
    });
    {
        TNqEnterAsTab eat(f.hwnd);
        SetFocus(f.e1);
        ASSERT_EQ(GetFocus(), f.e1);

        f.Key(VK_RETURN);
        EXPECT_EQ(GetFocus(), f.e2);
        EXPECT_EQ(Form::Text(f.e1), "abc");
        f.Key('X');
        EXPECT_EQ(Form::Text(f.e2), "x");

        // A control that takes Enter for itself keeps it.
        f.Key(VK_RETURN);
        ASSERT_EQ(GetFocus(), f.memo);
        f.Key(VK_RETURN);
        EXPECT_EQ(GetFocus(), f.memo);
        EXPECT_EQ(Form::Text(f.memo), "\r\n");

        eat.EnterAsTab = false;
        SetFocus(f.e1);
        f.Key(VK_RETURN);
        EXPECT_EQ(GetFocus(), f.e1);
        eat.EnterAsTab = true;
    }
    // Gone with the object.
    SetFocus(f.e1);
    f.Key(VK_RETURN);
    EXPECT_EQ(GetFocus(), f.e1);
    RemoveMessageFilter(earlier);
    // The memo's Enter, the one while switched off and the one after it went.
    EXPECT_EQ(seen, (std::vector<WPARAM>{'X', VK_RETURN, VK_RETURN, VK_RETURN}));
}

// A dialog box with two edits (ids 101 and 102), built in memory.
std::vector<WORD> DialogTemplate() {
    std::vector<WORD> t;
    const auto dword = [&](DWORD d) {
        t.push_back(LOWORD(d));
        t.push_back(HIWORD(d));
    };
    const auto words = [&](std::initializer_list<WORD> ws) { t.insert(t.end(), ws); };
    dword(WS_POPUP | WS_CAPTION);
    dword(0);
    words({2, 0, 0, 120, 60, 0, 0, 0});  // items, x, y, cx, cy, menu, class, title
    for (const WORD id : {WORD(101), WORD(102)}) {
        if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
        dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL);
        dword(0);
        words(
            {5, WORD(id == 101 ? 5 : 25), 100, 14, id, 0xFFFF, 0x0081, 0, 0});  // ..., id, EDIT, title, data
    }
    return t;
}

struct DialogRun {
    std::unique_ptr<TNqEnterAsTab> eat;
    int focoDepois = 0;  // the id of the control that holds the focus after Enter
    bool ok = false;     // Enter reached the dialog manager as the OK command
};

INT_PTR CALLBACK DialogProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    auto* run = reinterpret_cast<DialogRun*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (msg) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dlg, DWLP_USER, lp);
            run = reinterpret_cast<DialogRun*>(lp);
            run->eat = std::make_unique<TNqEnterAsTab>(dlg);
            SetFocus(GetDlgItem(dlg, 101));
            PostMessageW(GetDlgItem(dlg, 101), WM_KEYDOWN, VK_RETURN, 1);
            PostMessageW(dlg, WM_APP, 0, 0);
            return FALSE;
        case WM_APP:
            run->focoDepois = GetDlgCtrlID(GetFocus());
            EndDialog(dlg, 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wp) == IDOK) run->ok = true;
            return TRUE;
    }
    return FALSE;
}

TEST(TNqEnterAsTabWin32, WorksInsideTheSystemsModalDialogLoop) {
    const std::vector<WORD> t = DialogTemplate();
    DialogRun run;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(t.data()),
                            nullptr, DialogProc, reinterpret_cast<LPARAM>(&run));
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.focoDepois, 102);
}

TEST(TNqEnterAsTabWin32, OnlyATopLevelWindowTakesIt) {
    Form f;
    for (HWND w : {f.e1, static_cast<HWND>(nullptr)}) {
        try {
            TNqEnterAsTab eat(w);
            ADD_FAILURE() << "no error";
        } catch (const ENqError& e) {
            EXPECT_STREQ(e.what(), "Insira este componente em um formulário!");
        }
    }
}

TEST(MessageFilterWin32, NewestFirstAndRemovalFromInsideAFilter) {
    std::vector<int> order;
    std::size_t second = 0;
    const std::size_t first = AddMessageFilter([&](MSG&) {
        order.push_back(1);
        return false;
    });
    second = AddMessageFilter([&](MSG&) {
        order.push_back(2);
        RemoveMessageFilter(second);
        return false;
    });
    MSG msg{};
    EXPECT_FALSE(PreTranslate(msg));
    EXPECT_FALSE(PreTranslate(msg));
    EXPECT_EQ(order, (std::vector<int>{2, 1, 1}));
    const std::size_t swallow = AddMessageFilter([](MSG&) { return true; });
    EXPECT_TRUE(PreTranslate(msg));
    EXPECT_EQ(order.size(), 3u);
    RemoveMessageFilter(swallow);
    RemoveMessageFilter(first);
}

}  // namespace
}  // namespace nq
