#pragma once
// The system's light or dark mode for programs, and the dark title bar a window asks for in it.

#include <windows.h>

namespace nq {

// True when Windows' apps use the dark mode (the user's "AppsUseLightTheme" is 0).
inline bool ModoEscuroDoWindows() {
    DWORD valor = 1, tamanho = sizeof valor;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                     L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &valor, &tamanho) != ERROR_SUCCESS)
        return false;
    return valor == 0;
}

// Asks the window manager for a dark (or light) title bar; nothing where the system has no such thing.
inline void TituloEscuro(HWND janela, bool escuro) {
    using TDefinir = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    static const TDefinir definir = [] {
        HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
        return dwm ? reinterpret_cast<TDefinir>(reinterpret_cast<void*>(GetProcAddress(dwm, "DwmSetWindowAttribute")))
                   : nullptr;
    }();
    if (!definir || !janela) return;
    constexpr DWORD kUsarModoEscuro = 20;  // DWMWA_USE_IMMERSIVE_DARK_MODE
    const BOOL valor = escuro ? TRUE : FALSE;
    definir(janela, kUsarModoEscuro, &valor, sizeof valor);
}

}  // namespace nq
