// The system routines on the real registry, keyboard state, pointer and windows.

#include "support/NqDlgWin32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "Win32TestUtil.h"

namespace nq {
namespace {

const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// A value name of the test's own in the real Run key, removed again whatever happens.
class RunValue {
public:
    RunValue() : name_("NqPivelTeste" + std::to_string(GetCurrentProcessId())) { Delete(); }
    ~RunValue() { Delete(); }
    const std::string& name() const { return name_; }

    std::optional<std::wstring> Read(DWORD* type = nullptr) const {
        wchar_t buf[1024];
        DWORD size = sizeof buf, t = 0;
        if (RegGetValueW(HKEY_CURRENT_USER, kRunKey, Wide(name_).c_str(), RRF_RT_ANY | RRF_NOEXPAND, &t, buf,
                         &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type) *type = t;
        return std::wstring(buf);
    }
    void Write(const std::wstring& data, DWORD type = REG_SZ) const {
        RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, Wide(name_).c_str(), type, data.c_str(),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    void Delete() const { RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, Wide(name_).c_str()); }

private:
    std::string name_;
};

TEST(IniciarComWindowsWin32, WritesQuotesKeepsAnIdenticalEntryAndDeletes) {
    RunValue v;
    EXPECT_EQ(IniciarComWindows(v.name(), "C:\\Apps\\Pivel.exe", "", HKEY_CURRENT_USER, iwIncluir),
              "C:\\Apps\\Pivel.exe");
    DWORD type = 0;
    EXPECT_EQ(v.Read(&type), L"C:\\Apps\\Pivel.exe");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    IniciarComWindows(v.name(), "C:\\Program Files\\Pivel ç\\Pivel.exe", "", HKEY_CURRENT_USER, iwIncluir);
    EXPECT_EQ(v.Read(), L"\"C:\\Program Files\\Pivel \u00e7\\Pivel.exe\"");

    // An entry that already holds the same text is left as it is: its type shows it was not rewritten.
    v.Write(L"\"C:\\Program Files\\Pivel \u00e7\\Pivel.exe\"", REG_EXPAND_SZ);
    IniciarComWindows(v.name(), "C:\\Program Files\\Pivel ç\\Pivel.exe", "", HKEY_CURRENT_USER, iwIncluir);
    EXPECT_EQ(v.Read(&type), L"\"C:\\Program Files\\Pivel \u00e7\\Pivel.exe\"");
    EXPECT_EQ(type, static_cast<DWORD>(REG_EXPAND_SZ));

    // A value of another type is no command line: it is replaced.
    DWORD numero = 7;
    RegSetKeyValueW(HKEY_CURRENT_USER, kRunKey, Wide(v.name()).c_str(), REG_DWORD, &numero, sizeof numero);
    IniciarComWindows(v.name(), "C:\\Apps\\Pivel.exe", "", HKEY_CURRENT_USER, iwIncluir);
    EXPECT_EQ(v.Read(&type), L"C:\\Apps\\Pivel.exe");
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));

    EXPECT_EQ(IniciarComWindows(v.name(), "", "", HKEY_CURRENT_USER, iwLer), "C:\\Apps\\Pivel.exe");
    IniciarComWindows(v.name(), "", "", HKEY_CURRENT_USER, iwExcluir);
    EXPECT_FALSE(v.Read());
    EXPECT_NO_THROW(IniciarComWindows(v.name(), "", "", HKEY_CURRENT_USER, iwExcluir));
}

TEST(IniciarComWindowsWin32, MissingKeyReadsEmptyAndDeletesQuietly) {
    TRegistroWin32 reg(HKEY_CURRENT_USER);
    EXPECT_FALSE(reg.LerString("Software\\NqPivelTesteSemChave\\", "x"));
    EXPECT_NO_THROW(reg.ExcluirValor("Software\\NqPivelTesteSemChave\\", "x"));
    HKEY key = nullptr;  // nor was the key created on the way
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\NqPivelTesteSemChave", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    if (key) RegCloseKey(key);
}

TEST(KeyIsDownWin32, FollowsTheThreadKeyboardState) {
    BYTE saved[256], state[256];
    ASSERT_TRUE(GetKeyboardState(saved));
    memcpy(state, saved, sizeof state);
    state[VK_SHIFT] = 0x80;
    state[VK_CONTROL] = 0x01;  // toggled only, not down
    ASSERT_TRUE(SetKeyboardState(state));
    EXPECT_TRUE(KeyIsDown(VK_SHIFT));
    EXPECT_FALSE(KeyIsDown(VK_CONTROL));
    SetKeyboardState(saved);
    EXPECT_FALSE(KeyIsDown(VK_SHIFT));
}

LRESULT CALLBACK PlainProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    return DefWindowProcW(h, m, w, l);
}

// A plain top-level window with the arrow as its own pointer.
class TestWindow {
public:
    TestWindow(int x, int y, int w, int h, DWORD style = WS_OVERLAPPEDWINDOW) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"NqDlgTesteJanela";
        RegisterClassExW(&wc);
        hwnd_ = CreateWindowExW(0, wc.lpszClassName, L"", style, x, y, w, h, nullptr, nullptr, wc.hInstance,
                                nullptr);
    }
    ~TestWindow() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }
    RECT rect() const {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return r;
    }

private:
    HWND hwnd_;
};

TEST(CentraFormWin32, CentresOnTheReferenceOrTheMainWindowOrLeavesIt) {
    TestWindow principal(100, 50, 600, 500);
    TestWindow form(0, 0, 200, 120, WS_POPUP);
    ASSERT_TRUE(principal.get() && form.get());

    SetMainWindow(nullptr);
    CentraForm(form.get());
    EXPECT_EQ(form.rect().left, 0);
    EXPECT_EQ(form.rect().top, 0);

    const auto check = [&](const char* how) {
        RECT outer = principal.rect(), client{}, f = form.rect();
        GetClientRect(principal.get(), &client);
        POINT origin{0, 0};
        ClientToScreen(principal.get(), &origin);
        // Horizontally centred on the client area; vertically on an area that starts 5 pixels above the
        // client area's height measured from the window's top plus its whole frame.
        EXPECT_LE(std::abs((f.left + f.right) / 2 - (origin.x + client.right / 2)), 1) << how;
        const int areaTop = outer.top + (outer.bottom - outer.top - client.bottom) - 5;
        EXPECT_EQ(f.top, areaTop + (client.bottom - 120) / 2) << how;
        EXPECT_EQ(f.right - f.left, 200) << how;
    };
    CentraForm(form.get(), principal.get());
    check("reference window");

    SetWindowPos(form.get(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetMainWindow(principal.get());
    CentraForm(form.get());
    check("main window");
    SetMainWindow(nullptr);
}

TEST(CursorWin32, BusyPointerShowsOverEveryWindowUntilRestored) {
    InstallWin32Cursor();
    TestWindow w(10, 10, 200, 200);
    const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW), wait = LoadCursorW(nullptr, IDC_WAIT);
    const auto setCursor = [&] {
        SendMessageW(w.get(), WM_SETCURSOR, reinterpret_cast<WPARAM>(w.get()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    };
    setCursor();
    EXPECT_EQ(GetCursor(), arrow);

    EXPECT_THROW(
        {
            TCursorOcupado busy;
            EXPECT_EQ(GetCursor(), wait);
            setCursor();  // the window sets its own arrow; the busy pointer wins
            EXPECT_EQ(GetCursor(), wait);
            throw std::runtime_error("falhou");
        },
        std::runtime_error);
    EXPECT_EQ(ScreenCursor(), TCursor::crDefault);
    setCursor();
    EXPECT_EQ(GetCursor(), arrow);

    CursorSQL();
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_APPSTARTING));
    CursorNormal();
    setCursor();
    EXPECT_EQ(GetCursor(), arrow);
}

TEST(AbrirArquivoAssocWin32, OpensWhatExistsAndSaysWhenItCannot) {
    EXPECT_TRUE(AbrirArquivoAssoc(test::BinFolder() + "verprog_none.exe"));
    EXPECT_FALSE(AbrirArquivoAssoc(test::BinFolder() + "nao-existe.exe"));
    EXPECT_FALSE(AbrirArquivoAssoc(""));
}

}  // namespace
}  // namespace nq
