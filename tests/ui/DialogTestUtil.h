#pragma once
// Helpers for the tests of modal windows under Wine: a modal window runs on the test's thread while a
// second thread finds it, measures it and answers it, as a user or a screen reader would from outside.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "Win32TestUtil.h"
#include "support/Win32Text.h"
#include "ui/Geometry.h"

namespace nq::test {

// The visible dialog windows of this process.
inline std::set<HWND> DialogosVisiveis() {
    std::set<HWND> out;
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            wchar_t cls[32];
            if (pid == GetCurrentProcessId() && IsWindowVisible(w) && GetClassNameW(w, cls, 32) &&
                lstrcmpW(cls, L"#32770") == 0)
                reinterpret_cast<std::set<HWND>*>(p)->insert(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

// A dialog window of this process that is not among those given, waiting up to the time.
inline HWND NovoDialogo(const std::set<HWND>& antes, DWORD ms = 10000) {
    HWND achado = nullptr;
    WaitFor(
        [&] {
            for (HWND w : DialogosVisiveis())
                if (!antes.count(w)) achado = w;
            return achado != nullptr;
        },
        ms);
    return achado;
}

// Runs mostrar, which shows a modal window, on this thread; agir runs on another thread with the
// window as soon as it shows. A window agir leaves open is closed, so that the test always goes on.
inline void ComDialogo(const std::function<void()>& mostrar, const std::function<void(HWND)>& agir) {
    const std::set<HWND> antes = DialogosVisiveis();
    std::thread t([&] {
        HWND w = NovoDialogo(antes);
        if (!w) return;
        agir(w);
        if (WaitFor([&] { return !IsWindow(w); }, 5000)) return;
        PostMessageW(w, WM_CLOSE, 0, 0);
    });
    mostrar();
    t.join();
}

// A click of the left button on a point of a control's client area, through its own messages: what the
// control does with a click, without depending on where the pointer of a shared screen happens to be.
inline void CliqueEm(HWND controle, int x, int y) {
    const LPARAM ponto = MAKELPARAM(x, y);
    PostMessageW(controle, WM_LBUTTONDOWN, MK_LBUTTON, ponto);
    PostMessageW(controle, WM_LBUTTONUP, 0, ponto);
}

inline Rect ClienteDe(HWND w) {
    RECT r{};
    GetClientRect(w, &r);
    return Rect{0, 0, r.right, r.bottom};
}

// A control's rectangle in its parent's client area.
inline Rect RetanguloNoPai(HWND controle) {
    RECT r{};
    GetWindowRect(controle, &r);
    MapWindowPoints(nullptr, GetParent(controle), reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::string TextoDe(HWND w) {
    wchar_t buf[2048];
    const int n = GetWindowTextW(w, buf, 2048);
    return Narrow(std::wstring(buf, static_cast<std::size_t>(n)));
}

// The focused window of the thread that owns w.
inline HWND FocoDe(HWND w) {
    GUITHREADINFO gi{};
    gi.cbSize = sizeof gi;
    GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &gi);
    return gi.hwndFocus;
}

// Brings w to the front so that real keys reach it, and waits until it is there.
inline bool NaFrente(HWND w) {
    if (GetForegroundWindow() != w) SetForegroundWindow(w);
    return WaitFor([&] { return GetForegroundWindow() == w; }, 3000);
}

// With PIVEL_SHOTS naming a folder, saves the window as it shows on the screen, as <name>.bmp there:
// the pictures the engineers look at. Otherwise does nothing.
inline void SalvarTela(HWND w, const std::string& nome) {
    const char* pasta = std::getenv("PIVEL_SHOTS");
    if (!pasta || !*pasta || !w) return;
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(200);
    RECT r{};
    GetWindowRect(w, &r);
    const int largura = r.right - r.left, altura = r.bottom - r.top;
    HDC tela = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(tela);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), largura, -altura, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ antes = SelectObject(dc, bmp);
    BitBlt(dc, 0, 0, largura, altura, tela, r.left, r.top, SRCCOPY);
    GdiFlush();
    const int linha = (largura * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + linha * altura), 0, 0,
                        static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
    const std::string caminho = std::string(pasta) + "\\" + nome + ".bmp";
    if (FILE* f = _wfopen(Wide(caminho).c_str(), L"wb")) {
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, static_cast<std::size_t>(linha) * static_cast<std::size_t>(altura), 1, f);
        std::fclose(f);
    }
    SelectObject(dc, antes);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(nullptr, tela);
}

// Sets PIVEL_DPI for the time of a test, so that the windows it opens take that density.
class DensidadeForcada {
public:
    explicit DensidadeForcada(int dpi) { _putenv_s("PIVEL_DPI", dpi ? std::to_string(dpi).c_str() : ""); }
    ~DensidadeForcada() { _putenv_s("PIVEL_DPI", ""); }
};

}  // namespace nq::test
