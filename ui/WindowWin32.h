#pragma once
// The small window base: the static window procedure finds the object through the create parameter
// at WM_NCCREATE and routes every message to its HandleMessage.

#include <windows.h>

namespace nq {

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
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            const LRESULT r = self->HandleMessage(msg, wp, lp);
            self->hwnd_ = nullptr;
            self->OnWindowGone();
            return r;
        }
        return self->HandleMessage(msg, wp, lp);
    }
};

}  // namespace nq
