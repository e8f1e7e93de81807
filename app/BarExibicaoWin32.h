#pragma once
// Where the bar stands and whether it is open: the closed strip and the open bar at the edge of the work
// area of the monitor the settings choose (app/LugarBarra.h), auto-hide when another program takes the
// focus, opening by pointing at that edge (app/ApontarBorda.h), and new monitors, sizes and work areas
// taken up.

#include <windows.h>

#include <vector>

#include "app/ApontarBorda.h"
#include "app/LugarBarra.h"
#include "app/MensagensBarraWin32.h"

namespace nq {

class TfrmMainPivel;

class TBarExibicao {
public:
    explicit TBarExibicao(TfrmMainPivel& barra) : barra_(barra) {}

    bool Aberta() const { return aberta_; }
    // The work area of the monitor the bar stands on.
    RECT AreaDeTrabalho() const;
    // The whole of the monitor the bar stood on when it was last placed.
    Rect MonitorAtual() const;
    // Opens the closed bar or closes the open one (a click on the strip, the title, the global key).
    void Alternar();
    // Opens the bar whatever it was (a second start asks for it).
    void Abrir();
    // Closes the bar without the steps of a user's close (at creation and for a new screen).
    void Fechada();
    // Puts the bar where its state and the settings say, at its monitor's density.
    void Recolocar();
    // The monitors the bar was laid out for.
    void LembrarTela();
    // The monitors changed (one came or went, a new resolution, a new work area): the bar takes its place
    // again, on the primary monitor while the chosen one is not there. On a monitor of another size or
    // density it is rebuilt and closed.
    void VerificarTela();
    // WM_ACTIVATE (active) and WM_ACTIVATEAPP (lost).
    void Ativada();
    void Desativada();
    // The timers run only while they have something to watch: auto-hide's while an open bar may have to
    // hide, the edge's while the settings ask for opening by pointing. Again after the settings change.
    void AjustarTimer();
    // Its timers' ticks: kTimerAutoOcultar, kTimerDesativada and kTimerBorda.
    void WMTimer(TimerBarra id);
    // The window goes.
    void Desligar();

private:
    std::vector<TMonitor> Monitores() const;
    TLugarBarra Lugar(const std::vector<TMonitor>& monitores, bool aberta) const;
    void MoveTo(const TLugarBarra& lugar);
    void Mudar(bool apontando);
    void AutoOcultar();
    bool PonteiroNaBorda() const;
    void VigiarBorda();
    void ConfirmarDesativacao();
    bool OutroProgramaNaFrente() const;

    TfrmMainPivel& barra_;
    bool aberta_ = false;
    bool focoAntesDeMover_ = false;  // the bar had the focus when it last moved
    DWORD tickMovido_ = 0;
    std::vector<TMonitor> monitores_;  // as they were when the bar was laid out
    TMonitor montado_;                 // the one it was laid out for
    TMonitor monitor_;                 // the one it stands on
    Rect visivel_;                     // the window's part on its monitor, when it was placed
    TLado lado_ = TLado::Direita;      // the edge it stands at
    bool timerLigado_ = false;
    bool ativada_ = false;  // the bar has been active once
    TApontarBorda apontar_;
    bool bordaLigada_ = false;  // the edge's timer runs
    bool apontada_ = false;     // pointing opened the bar, and no click, key or menu took it since
};

}  // namespace nq
