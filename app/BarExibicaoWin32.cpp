#include "app/BarExibicaoWin32.h"

#include <algorithm>

#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "support/Platform.h"
#include "support/RegistroDeEventos.h"
#include "ui/DpiWin32.h"

namespace nq {

namespace {

constexpr UINT kBordaMs = 100;

// A mouse button is down: a drag that passes by the edge neither opens nor closes the bar.
bool BotaoApertado() {
    for (int b : {VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, VK_XBUTTON1, VK_XBUTTON2})
        if (GetAsyncKeyState(b) & 0x8000) return true;
    return false;
}

// The bar's thread runs a menu's loop (its popup, a shortcut's own menu).
bool EmMenu() {
    GUITHREADINFO gi{};
    gi.cbSize = sizeof gi;
    return GetGUIThreadInfo(GetCurrentThreadId(), &gi) && (gi.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
}

}  // namespace

std::vector<TMonitor> TBarExibicao::Monitores() const { return CurrentPlatform().monitores->Listar(); }

TLugarBarra TBarExibicao::Lugar(const std::vector<TMonitor>& monitores, bool aberta) const {
    const TConfigBarra c = barra_.Config();
    return LugarDaBarra(monitores, NumeroDoMonitor(c.monitor), LadoDe(c.lado), aberta, ForcedDpi());
}

RECT TBarExibicao::AreaDeTrabalho() const {
    const std::vector<TMonitor> monitores = Monitores();
    if (monitores.empty()) return RECT{};
    const Rect& t = monitores[MonitorDaBarra(monitores, NumeroDoMonitor(barra_.Config().monitor))].trabalho;
    return RECT{t.left, t.top, t.right(), t.bottom()};
}

Rect TBarExibicao::MonitorAtual() const { return monitor_.area; }

void TBarExibicao::MoveTo(const TLugarBarra& lugar) {
    const Rect& r = lugar.janela;
    // The old picture is not carried over: lines drawn at the old size (the bottom line) would stay.
    SetWindowPos(barra_.hwnd(), nullptr, r.left, r.top, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    // What lies beyond the monitor's edge would show on its neighbour: only the part on the monitor shows.
    if (lugar.visivel != visivel_) {
        visivel_ = lugar.visivel;
        const bool inteira = visivel_ == Rect{0, 0, r.width, r.height};
        SetWindowRgn(barra_.hwnd(),
                     inteira ? nullptr : CreateRectRgn(visivel_.left, visivel_.top, visivel_.right(), visivel_.bottom()),
                     TRUE);
    }
    barra_.PedirVisiveis();  // a taller work area than at the last rebuild shows more buttons
}

void TBarExibicao::Recolocar() {
    const std::vector<TMonitor> monitores = Monitores();
    TLugarBarra lugar = Lugar(monitores, aberta_);
    if (monitores.empty()) return;
    monitor_ = monitores[lugar.monitor];
    lado_ = LadoDe(barra_.Config().lado);
    // The sizes, pictures and fonts follow the density of the monitor the bar stands on.
    if (lugar.dpi != barra_.Dpi()) barra_.MudarDpi(lugar.dpi);
    MoveTo(lugar);
}

void TBarExibicao::Alternar() { Mudar(false); }

// Opening by pointing leaves the keyboard with the user's program: the bar only comes to the top.
void TBarExibicao::Mudar(bool apontando) {
    const HWND janela = barra_.hwnd();
    focoAntesDeMover_ = GetForegroundWindow() == janela;
    tickMovido_ = GetTickCount();
    aberta_ = !aberta_;
    apontada_ = apontando && aberta_;
    if (!apontando) apontar_.Reiniciar(PonteiroNaBorda());
    Recolocar();
    if (apontada_) SetWindowPos(janela, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    AjustarTimer();
    if (!aberta_) {
        barra_.Teclado().Limpar();
        InvalidateRect(janela, nullptr, FALSE);
        if (barra_.Mostrada()) barra_.TeclaGlobal().VerificarTelaCheia();
    }
    // Already in front after a click on the bar; asking again would only stir the focus.
    if (aberta_ && !apontando && barra_.Config().autoOcultar && GetForegroundWindow() != janela)
        SetForegroundWindow(janela);
}

void TBarExibicao::Abrir() {
    aberta_ = false;
    Alternar();
}

void TBarExibicao::Fechada() {
    aberta_ = false;
    apontada_ = false;
    Recolocar();
    AjustarTimer();
}

void TBarExibicao::LembrarTela() {
    monitores_ = Monitores();
    if (!monitores_.empty()) montado_ = monitores_[Lugar(monitores_, aberta_).monitor];
}

void TBarExibicao::VerificarTela() {
    const std::vector<TMonitor> monitores = Monitores();
    if (monitores.empty()) return;
    const TMonitor novo = monitores[Lugar(monitores, aberta_).monitor];
    if (monitores == monitores_ && novo == montado_ && novo == monitor_) return;
    // A new screen is taken up once the record being edited is the catalogue's again; meanwhile the bar
    // only stays in view, on a monitor that is there.
    if (barra_.cdsEdicao.Ativa()) {
        Recolocar();
        return;
    }
    const TMonitor antes = montado_;
    if (monitores != monitores_ && !monitores_.empty())
        RegistrarEvento(TNivelEvento::Info,
                        "Monitores mudaram: " + std::to_string(monitores.size()) + "; a barra fica em (" +
                            std::to_string(novo.area.left) + "," + std::to_string(novo.area.top) + ")-(" +
                            std::to_string(novo.area.right()) + "," + std::to_string(novo.area.bottom()) + ") a " +
                            std::to_string(novo.dpi) + " dpi");
    monitores_ = monitores;
    montado_ = novo;
    if (novo.area == antes.area && novo.dpi == antes.dpi) {
        // The same screen with another work area (the taskbar moved or changed size): the bar keeps its
        // state at the new edge, with the buttons the new height holds.
        if (novo.trabalho.height != antes.trabalho.height)
            barra_.AtualizarIcones();
        Recolocar();
        return;
    }
    barra_.AtualizarIcones();
    Fechada();
}

void TBarExibicao::AutoOcultar() {
    if (!barra_.Config().autoOcultar) return;
    aberta_ = true;
    Alternar();
}

// True when a window of another program has the focus: the program has lost it.
bool TBarExibicao::OutroProgramaNaFrente() const {
    if (NobodyInFront()) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(GetForegroundWindow(), &pid);
    return pid != GetCurrentProcessId();
}

void TBarExibicao::ConfirmarDesativacao() {
    if (OutroProgramaNaFrente()) {
        AutoOcultar();
    } else if (NobodyInFront() && focoAntesDeMover_ && GetTickCount() - tickMovido_ < 1000) {
        // Moving must not cost the bar the keyboard (an X server without a window manager drops the
        // focus of a window that moves): Esc and the opacity keys still belong to it.
        SetForegroundWindow(barra_.hwnd());
    }
}

// A bar that pointing opened is the user's once activated (a click on it): it closes by the usual ways.
void TBarExibicao::Ativada() {
    ativada_ = true;
    apontada_ = false;
    AjustarTimer();
}

// Judged a moment later, when it is clear who has the focus now.
void TBarExibicao::Desativada() { SetTimer(barra_.hwnd(), kTimerDesativada, 50, nullptr); }

// The 100 ms timer runs only while it has something to watch: an open bar with auto-hide on. A change
// of the screen's size comes as WM_DISPLAYCHANGE, so that an idle bar never wakes. The edge's timer runs
// only with opening by pointing on: while the bar is closed, and while pointing keeps it open.
void TBarExibicao::AjustarTimer() {
    const TConfigBarra c = barra_.Config();
    if (!c.abrirAoApontar) apontada_ = false;
    const bool precisa = ativada_ && aberta_ && c.autoOcultar;
    if (precisa && !timerLigado_) {
        timerLigado_ = SetTimer(barra_.hwnd(), kTimerAutoOcultar, 100, nullptr) != 0;
    } else if (!precisa && timerLigado_) {
        KillTimer(barra_.hwnd(), kTimerAutoOcultar);
        timerLigado_ = false;
    }
    const bool borda = c.abrirAoApontar && (!aberta_ || apontada_);
    if (borda && !bordaLigada_) {
        bordaLigada_ = SetTimer(barra_.hwnd(), kTimerBorda, kBordaMs, nullptr) != 0;
    } else if (!borda && bordaLigada_) {
        KillTimer(barra_.hwnd(), kTimerBorda);
        bordaLigada_ = false;
    }
}

bool TBarExibicao::PonteiroNaBorda() const {
    POINT p{};
    return GetCursorPos(&p) && NaBordaDeApontar(monitor_.trabalho, lado_, barra_.Dpi(), p.x, p.y);
}

// A tick of the edge's watch: where the pointer is, and whether a button is held.
void TBarExibicao::VigiarBorda() {
    const HWND janela = barra_.hwnd();
    TPonteiro ponteiro;
    ponteiro.agora = GetTickCount();
    POINT p{};
    if (GetCursorPos(&p)) {  // not on a desktop the user cannot see (a locked session)
        ponteiro.naBorda = NaBordaDeApontar(monitor_.trabalho, lado_, barra_.Dpi(), p.x, p.y);
        RECT r{};
        GetWindowRect(janela, &r);
        // Only the part of the window on its monitor shows.
        ponteiro.sobreBarra = p.x >= std::max<LONG>(r.left, monitor_.area.left) &&
                              p.x < std::min<LONG>(r.right, monitor_.area.right()) && p.y >= r.top &&
                              p.y < r.bottom;
    }
    ponteiro.botao = BotaoApertado();
    // A menu of the bar or a dialog over it: the user is at it, and it closes by the usual ways.
    if (apontada_ && (EmMenu() || !IsWindowEnabled(janela))) {
        apontada_ = false;
        AjustarTimer();
        return;
    }
    // A strip that stepped aside for a full-screen program, or waits under a dialog, does not open.
    if (!aberta_ && (!IsWindowVisible(janela) || !IsWindowEnabled(janela))) ponteiro.naBorda = false;
    switch (apontar_.Passo(ponteiro, aberta_, apontada_)) {
        case TAcaoApontar::Abrir:
            Mudar(true);
            break;
        case TAcaoApontar::Fechar:
            Mudar(false);
            break;
        case TAcaoApontar::Nada:
            break;
    }
}

void TBarExibicao::WMTimer(TimerBarra id) {
    switch (id) {
        case kTimerAutoOcultar:
            // A focus change that brought no deactivation message (the bar had no focus to lose) still
            // closes an auto-hiding bar; one that pointing opened leaves the focus where it was, and closes
            // when the pointer goes away.
            if (aberta_ && !apontada_ && OutroProgramaNaFrente()) AutoOcultar();
            VerificarTela();
            break;
        case kTimerBorda: VigiarBorda(); break;
        case kTimerDesativada:
            KillTimer(barra_.hwnd(), kTimerDesativada);
            ConfirmarDesativacao();
            break;
        default: break;
    }
}

void TBarExibicao::Desligar() {
    KillTimer(barra_.hwnd(), kTimerAutoOcultar);
    KillTimer(barra_.hwnd(), kTimerDesativada);
    KillTimer(barra_.hwnd(), kTimerBorda);
    timerLigado_ = bordaLigada_ = false;
}

}  // namespace nq
