#include "app/BarTeclaGlobalWin32.h"

#include "app/BarTeclado.h"
#include "app/MainWin32.h"
#include "app/MensagensBarraWin32.h"
#include "menus/ShortCut.h"

namespace nq {

namespace {

constexpr int kTeclaGlobalId = 1;
// Until the system has said once that the window in front changed (not every system says so), the
// bar looks at it this often.
constexpr UINT kTelaCheiaMs = 2000;

// The desktop and the shell's own windows cover the screen without being a program's full screen.
bool DoShell(HWND w) {
    if (w == GetDesktopWindow() || w == GetShellWindow()) return true;
    wchar_t classe[32] = L"";
    GetClassNameW(w, classe, 32);
    return lstrcmpW(classe, L"Progman") == 0 || lstrcmpW(classe, L"WorkerW") == 0 ||
           lstrcmpW(classe, L"Shell_TrayWnd") == 0;
}

}  // namespace

TBarTeclaGlobal* TBarTeclaGlobal::vigia_ = nullptr;

void TBarTeclaGlobal::Registrar() {
    const HWND janela = barra_.hwnd();
    if (teclaGlobal_) UnregisterHotKey(janela, kTeclaGlobalId);
    teclaGlobal_ = false;
    const std::string texto = barra_.Config().teclaAtalho;
    // A key chosen anew is told of anew when it is taken.
    if (texto != teclaTexto_) teclaAvisada_ = false;
    teclaTexto_ = texto;
    const TShortCut atalho = TextToShortCut(texto);
    if (!TeclaVirtualGlobal(atalho)) return;  // none chosen
    teclaGlobal_ = RegisterHotKey(janela, kTeclaGlobalId, ModificadoresTeclaGlobal(atalho) | MOD_NOREPEAT,
                                  TeclaVirtualGlobal(atalho)) != 0;
    // Taken by another program: the user hears of it once, and the bar works on without it.
    if (!teclaGlobal_ && !teclaAvisada_) {
        teclaAvisada_ = true;
        barra_.Aviso().Show("A tecla " + ShortCutToText(atalho) + " já é usada por outro programa.");
    }
}

void TBarTeclaGlobal::WMHotKey(WPARAM id) {
    if (id != kTeclaGlobalId) return;
    if (barra_.Aberta()) {
        barra_.clickForm();
        return;
    }
    if (afastada_) {
        afastada_ = false;
        ShowWindow(barra_.hwnd(), SW_SHOWNA);
    }
    barra_.clickForm();
    SetForegroundWindow(barra_.hwnd());
    SetFocus(barra_.hwnd());
}

void TBarTeclaGlobal::Vigiar() {
    vigia_ = this;
    ganchoFrente_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, EventoDeJanela, 0, 0,
                                    WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    SetTimer(barra_.hwnd(), kTimerTelaCheia, kTelaCheiaMs, nullptr);
    VigiarJanelaDaFrente();
}

void TBarTeclaGlobal::WMTimer() { VigiarJanelaDaFrente(); }

void CALLBACK TBarTeclaGlobal::EventoDeJanela(HWINEVENTHOOK, DWORD evento, HWND w, LONG objeto, LONG, DWORD,
                                              DWORD) {
    if (!vigia_ || objeto != OBJID_WINDOW) return;
    if (evento == EVENT_SYSTEM_FOREGROUND) {
        // The system tells of it: no need to look for it any more.
        KillTimer(vigia_->barra_.hwnd(), kTimerTelaCheia);
        vigia_->VigiarJanelaDaFrente();
    }
    if (evento == EVENT_OBJECT_LOCATIONCHANGE && w == GetForegroundWindow()) vigia_->VerificarTelaCheia();
}

// The moves of the window in front are watched (a program may go full screen once in front), and only
// those of its thread, so that the idle bar is not woken by every window that moves.
void TBarTeclaGlobal::VigiarJanelaDaFrente() {
    HWND frente = GetForegroundWindow();
    DWORD processo = 0;
    const DWORD thread = frente ? GetWindowThreadProcessId(frente, &processo) : 0;
    if (thread != threadVigiada_) {
        if (ganchoLugar_) UnhookWinEvent(ganchoLugar_);
        ganchoLugar_ = thread && processo != GetCurrentProcessId()
                           ? SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                                             EventoDeJanela, processo, thread, WINEVENT_OUTOFCONTEXT)
                           : nullptr;
        threadVigiada_ = thread;
    }
    VerificarTelaCheia();
}

// While a program covers the bar's whole monitor in front, the closed strip steps aside, so that it
// neither shows over a video nor takes a click meant for the program; it comes back when that window
// goes. An open bar stays.
void TBarTeclaGlobal::VerificarTelaCheia() {
    const HWND janela = barra_.hwnd();
    HWND frente = GetForegroundWindow();
    bool cheia = false;
    if (frente && !DoShell(frente) && IsWindowVisible(frente)) {
        DWORD processo = 0;
        GetWindowThreadProcessId(frente, &processo);
        // The bar's own monitor is the one it chose, whatever the system takes its window's to be (a
        // closed strip at a monitor's left edge lies mostly on the neighbour).
        const Rect monitor = barra_.Exibicao().MonitorAtual();
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        RECT r{};
        if (processo != GetCurrentProcessId() &&
            GetMonitorInfoW(MonitorFromWindow(frente, MONITOR_DEFAULTTONEAREST), &mi) &&
            RectLTRB(mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom) == monitor &&
            GetWindowRect(frente, &r))
            cheia = CobreMonitor(RectLTRB(r.left, r.top, r.right, r.bottom), monitor);
    }
    const bool afastar = cheia && !barra_.Aberta();
    if (afastar == afastada_) return;
    afastada_ = afastar;
    ShowWindow(janela, afastar ? SW_HIDE : SW_SHOWNA);
}

void TBarTeclaGlobal::Desligar() {
    if (teclaGlobal_) UnregisterHotKey(barra_.hwnd(), kTeclaGlobalId);
    teclaGlobal_ = false;
    if (ganchoFrente_) UnhookWinEvent(ganchoFrente_);
    if (ganchoLugar_) UnhookWinEvent(ganchoLugar_);
    ganchoFrente_ = ganchoLugar_ = nullptr;
    KillTimer(barra_.hwnd(), kTimerTelaCheia);
    if (vigia_ == this) vigia_ = nullptr;
}

}  // namespace nq
