#pragma once
// The small window base, in two forms that share the class registration and the routing:
//  - Window: the object comes first and creates its window; the static window procedure finds the
//    object through the create parameter at WM_NCCREATE and routes every message to HandleMessage.
//  - JanelaDeClasse<T>: a window class of the program's controls (the grid, the dialogs' containers),
//    created by whoever names the class; every window makes its own T at WM_NCCREATE and deletes it
//    once the window is gone.
// Window lets no failure out of a handler (janela::Protegido); a control class's failures reach the
// dialog that owns it, which reports them.

#include <windows.h>

#include <exception>
#include <set>
#include <string>
#include <vector>

#include "support/NqConst.h"
#include "support/NqFunWin32.h"
#include "support/RegistroDeEventos.h"
#include "support/Win32Text.h"

namespace nq {

namespace janela {

// The failures waiting to be told, and those told already: each text is told once a run.
inline std::vector<std::string>& FalhasATratar() {
    static std::vector<std::string> v;
    return v;
}
inline std::set<std::string>& FalhasContadas() {
    static std::set<std::string> s;
    return s;
}
inline UINT MensagemFalha() {
    static const UINT m = RegisterWindowMessageW(L"Pivel.FalhaNaoTratada");
    return m;
}

// A failure that escaped a window's handler must not cross the system's frames: it is logged, the user
// hears of it once the handler is over (from the message loop, never inside a paint), and the window
// goes on. The answer for the message is 0.
inline LRESULT Falhou(HWND w, UINT msg, const char* texto) {
    RegistrarEvento(TNivelEvento::Erro, "Falha ao tratar a mensagem " + std::to_string(msg) + ": " + texto);
    if (msg == WM_PAINT) ValidateRect(w, nullptr);  // else the paint comes back at once, and fails again
    if (FalhasContadas().insert(texto).second) {
        FalhasATratar().push_back(texto);
        PostMessageW(w, MensagemFalha(), 0, 0);
    }
    return 0;
}

// The posted message of Falhou: tells what waits, in the system's message box with the program's title.
inline bool ContarFalhas(HWND w, UINT msg) {
    if (msg != MensagemFalha()) return false;
    std::vector<std::string> falhas;
    falhas.swap(FalhasATratar());
    for (const std::string& f : falhas)
        MessageBoxW(IsWindow(w) ? JanelaDasMensagens() : nullptr, Wide(f).c_str(), Wide(ApplicationTitle).c_str(),
                    MB_OK | MB_ICONERROR);
    return true;
}

// Runs a handler, turning what escapes it into Falhou.
template <class F>
LRESULT Protegido(HWND w, UINT msg, F&& tratar) {
    try {
        return tratar();
    } catch (const std::exception& e) {
        return Falhou(w, msg, e.what());
    } catch (...) {
        return Falhou(w, msg, "erro desconhecido");
    }
}

}  // namespace janela

// Registers a window class of the program once (a second call finds it): the arrow pointer, double
// clicks, and the given procedure and icons.
inline ATOM RegistrarClasse(const wchar_t* nome, WNDPROC procedimento, HICON icone = nullptr,
                            HICON iconePequeno = nullptr) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), nome, &wc)) return 1;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedimento;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = nome;
    wc.hIcon = icone;
    wc.hIconSm = iconePequeno;
    return RegisterClassExW(&wc);
}

class Window {
public:
    Window() = default;
    virtual ~Window() {
        if (hwnd_) {
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
        }
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    static ATOM RegisterClassOnce(const wchar_t* className, HICON icon, HICON smallIcon) {
        return RegistrarClasse(className, StaticWndProc, icon, smallIcon);
    }

    bool CreateWindowOfClass(const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle, int x,
                             int y, int w, int h, HWND parent) {
        return CreateWindowExW(exStyle, className, title, style, x, y, w, h, parent, nullptr,
                               GetModuleHandleW(nullptr), this) != nullptr;
    }

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

    // The window is gone (WM_NCDESTROY): the object must not touch it any more.
    virtual void OnWindowGone() {}

    HWND hwnd_ = nullptr;

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        Window* self = nullptr;
        if (msg == WM_NCCREATE) {
            self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
            self->hwnd_ = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
        if (janela::ContarFalhas(hwnd, msg)) return 0;
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            const LRESULT r = janela::Protegido(hwnd, msg, [&] { return self->HandleMessage(msg, wp, lp); });
            self->hwnd_ = nullptr;
            self->OnWindowGone();
            return r;
        }
        return janela::Protegido(hwnd, msg, [&] { return self->HandleMessage(msg, wp, lp); });
    }
};

// T has T(HWND), made while the window is being created, and LRESULT HandleMessage(UINT, WPARAM, LPARAM),
// which gets every message but WM_NCDESTROY.
template <class T>
class JanelaDeClasse {
public:
    static ATOM Registrar(const wchar_t* nome) { return RegistrarClasse(nome, Procedimento); }

    // The object of a window of the class (nullptr while there is none).
    static T* De(HWND w) { return w ? reinterpret_cast<T*>(GetWindowLongPtrW(w, GWLP_USERDATA)) : nullptr; }

private:
    static LRESULT CALLBACK Procedimento(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE) SetWindowLongPtrW(w, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new T(w)));
        T* self = De(w);
        if (!self) return DefWindowProcW(w, msg, wp, lp);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(w, GWLP_USERDATA, 0);
            delete self;
            return DefWindowProcW(w, msg, wp, lp);
        }
        return self->HandleMessage(msg, wp, lp);
    }
};

}  // namespace nq
