#include "app/BarExibicaoWin32.h"

#include "app/BarLayout.h"
#include "app/MainWin32.h"

namespace nq {

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT_PTR kDeactivateTimerId = 2;

}  // namespace

RECT TBarExibicao::AreaDeTrabalho() const {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

void TBarExibicao::MoveTo(const RECT& r) {
    // The old picture is not carried over: lines drawn at the old size (the bottom line) would stay.
    SetWindowPos(barra_.hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    barra_.PedirVisiveis();  // a taller work area than at the last rebuild shows more buttons
}

void TBarExibicao::Recolocar() {
    const RECT wa = AreaDeTrabalho();
    const int w = wa.right - wa.left, h = wa.bottom - wa.top;
    const Rect r = aberta_ ? OpenBarRect(w, h, barra_.Dpi()) : ClosedBarRect(w, h, barra_.Dpi());
    MoveTo(RECT{r.left, r.top, r.left + r.width, r.top + r.height});
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
    larguraTela_ = GetSystemMetrics(SM_CXSCREEN);
    alturaTela_ = GetSystemMetrics(SM_CYSCREEN);
}

void TBarExibicao::VerificarTela() {
    // A new screen size is taken up once the record being edited is the catalogue's again.
    if (barra_.cdsEdicao.Ativa()) return;
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    if (w == larguraTela_ && h == alturaTela_) return;
    LembrarTela();
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
