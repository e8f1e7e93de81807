#include "app/BarExibicaoWin32.h"

#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "support/Platform.h"
#include "support/RegistroDeEventos.h"
#include "ui/DpiWin32.h"

namespace nq {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT_PTR kDeactivateTimerId = 2;

}  // namespace

std::vector<TMonitor> TBarExibicao::Monitores() const { return CurrentPlatform().monitores->Listar(); }

TLugarBarra TBarExibicao::Lugar(const std::vector<TMonitor>& monitores, bool aberta) const {
    const TConfigBarra c = barra_.Config();
    return LugarDaBarra(monitores, NumeroDoMonitor(c.monitor), LadoDe(c.lado), aberta, ForcedDpi());
}

RECT TBarExibicao::AreaDeTrabalho() const {
    const std::vector<TMonitor> monitores = Monitores();
    if (monitores.empty()) return RECT{};
    const TRetangulo& t = monitores[MonitorDaBarra(monitores, NumeroDoMonitor(barra_.Config().monitor))].trabalho;
    return RECT{t.left, t.top, t.right, t.bottom};
}

TRetangulo TBarExibicao::MonitorAtual() const { return monitor_.area; }

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
    // The sizes, pictures and fonts follow the density of the monitor the bar stands on.
    if (lugar.dpi != barra_.Dpi()) barra_.MudarDpi(lugar.dpi);
    MoveTo(lugar);
}

void TBarExibicao::Alternar() {
    const HWND janela = barra_.hwnd();
    focoAntesDeMover_ = GetForegroundWindow() == janela;
    tickMovido_ = GetTickCount();
    aberta_ = !aberta_;
    Recolocar();
    AjustarTimer();
    if (!aberta_) {
        barra_.Teclado().Limpar();
        InvalidateRect(janela, nullptr, FALSE);
        if (barra_.Mostrada()) barra_.TeclaGlobal().VerificarTelaCheia();
    }
    // Already in front after a click on the bar; asking again would only stir the focus.
    if (aberta_ && barra_.Config().autoOcultar && GetForegroundWindow() != janela) SetForegroundWindow(janela);
}

void TBarExibicao::Abrir() {
    aberta_ = false;
    Alternar();
}

void TBarExibicao::Fechada() {
    aberta_ = false;
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
                            std::to_string(novo.area.right) + "," + std::to_string(novo.area.bottom) + ") a " +
                            std::to_string(novo.dpi) + " dpi");
    monitores_ = monitores;
    montado_ = novo;
    if (novo.area == antes.area && novo.dpi == antes.dpi) {
        // The same screen with another work area (the taskbar moved or changed size): the bar keeps its
        // state at the new edge, with the buttons the new height holds.
        if (novo.trabalho.bottom - novo.trabalho.top != antes.trabalho.bottom - antes.trabalho.top)
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

void TBarExibicao::Ativada() {
    ativada_ = true;
    AjustarTimer();
}

// Judged a moment later, when it is clear who has the focus now.
void TBarExibicao::Desativada() { SetTimer(barra_.hwnd(), kDeactivateTimerId, 50, nullptr); }

// The 100 ms timer runs only while it has something to watch: an open bar with auto-hide on. A change
// of the screen's size comes as WM_DISPLAYCHANGE, so that an idle bar never wakes.
void TBarExibicao::AjustarTimer() {
    const bool precisa = ativada_ && aberta_ && barra_.Config().autoOcultar;
    if (precisa && !timerLigado_) {
        timerLigado_ = SetTimer(barra_.hwnd(), kTimerId, 100, nullptr) != 0;
    } else if (!precisa && timerLigado_) {
        KillTimer(barra_.hwnd(), kTimerId);
        timerLigado_ = false;
    }
}

bool TBarExibicao::WMTimer(WPARAM id) {
    if (id == kTimerId) {
        // A focus change that brought no deactivation message (the bar had no focus to lose) still
        // closes an auto-hiding bar.
        if (aberta_ && OutroProgramaNaFrente()) AutoOcultar();
        VerificarTela();
        return true;
    }
    if (id == kDeactivateTimerId) {
        KillTimer(barra_.hwnd(), kDeactivateTimerId);
        ConfirmarDesativacao();
        return true;
    }
    return false;
}

void TBarExibicao::Desligar() {
    KillTimer(barra_.hwnd(), kTimerId);
    KillTimer(barra_.hwnd(), kDeactivateTimerId);
    timerLigado_ = false;
}

}  // namespace nq
