#pragma once
// The global key that opens the bar from anywhere, and the watch on the window in front: while a
// program covers the bar's monitor, the closed strip steps aside.

#include <windows.h>

#include <string>

namespace nq {

class TfrmMainPivel;

class TBarTeclaGlobal {
public:
    explicit TBarTeclaGlobal(TfrmMainPivel& barra) : barra_(barra) {}

    // Registers the key the settings name ("TeclaAtalho"), again after they change. A key another
    // program holds is told once, through the desktop notice.
    void Registrar();
    // WM_HOTKEY: opens the bar in front with the keyboard, or closes it.
    void WMHotKey(WPARAM id);
    // Once the bar shows: the window in front is watched from now on.
    void Vigiar();
    // The watch's timer (kTimerTelaCheia).
    void WMTimer();
    // Whether the window in front covers the monitor: the closed strip steps aside, or comes back.
    void VerificarTelaCheia();
    // The window goes.
    void Desligar();

private:
    static void CALLBACK EventoDeJanela(HWINEVENTHOOK, DWORD evento, HWND w, LONG objeto, LONG filho, DWORD,
                                        DWORD);
    void VigiarJanelaDaFrente();

    TfrmMainPivel& barra_;
    bool teclaGlobal_ = false;
    bool teclaAvisada_ = false;
    std::string teclaTexto_;  // the global key as the settings name it
    bool afastada_ = false;  // hidden for a full-screen program in front
    HWINEVENTHOOK ganchoFrente_ = nullptr;
    HWINEVENTHOOK ganchoLugar_ = nullptr;
    DWORD threadVigiada_ = 0;
    static TBarTeclaGlobal* vigia_;  // the one the system's events reach
};

}  // namespace nq
