#pragma once
// The program's private window messages and timer ids, each with its owner: the bar window's, whose
// WM_TIMER hands each timer to the collaborator that owns it, and those of the tray icon's and the
// desktop notice's own windows. Every private message posted, SetTimer and KillTimer names one of these.

#include <windows.h>

namespace nq {

// Private messages of the bar window.
enum MensagemBarra : UINT {
    // A second start (AppWin32): the running bar opens.
    WM_AppRestore = WM_USER + 10,
    // TBarLancamento's target worker: a button's target is known (lParam owns a TAlvoBuscado).
    WM_ALVO_BUSCADO = WM_APP + 1,
    // TBarLancamento's launcher: a launch is over (wParam false: the notice tells of a failure; lParam
    // owns a TFimLancamento, or is 0).
    WM_LANCADO = WM_APP + 2,
    // TfrmMainPivel, to itself once it shows: what waited for that runs.
    WM_MOSTRADA = WM_APP + 3,
    // TfrmMainPivel's edit guard: the last edit ended (wParam: the work that waited for it).
    kMsgEdicaoTerminada = WM_APP + 4,
};

// Timers of the bar window, by owner.
enum TimerBarra : UINT_PTR {
    kTimerAutoOcultar = 1,  // TBarExibicao: 100 ms, an open auto-hiding bar watching the window in front
    kTimerDesativada = 2,   // TBarExibicao: once, a moment after the bar lost activation
    kTimerTray = 3,         // TfrmMainPivel: the tray icon offered again while the shell will not take it
    kTimerTelaCheia = 5,    // TBarTeclaGlobal: the window in front, until the system tells of its changes
    kTimerSeta = 7,         // TBarEntrada: the buttons scroll while the pointer rests on an arrow
    kTimerBorda = 8,        // TBarExibicao: the pointer on the edge, for opening by pointing
};

// The tray icon's own window (TNqTrayIcon).
enum MensagemTray : UINT {
    WM_TRAYNOTIFY = 0x800,  // the shell's callback: a mouse message on the icon
};
enum TimerTray : UINT_PTR {
    kTimerAdicionarIcone = 1,  // the icon offered again to a shell that was not ready for it
};

// The desktop notice's own window (TfmDesktopAviso).
enum TimerAviso : UINT_PTR {
    kTimerOcultarAviso = 1,  // the notice hides once its seconds are over
};

}  // namespace nq
