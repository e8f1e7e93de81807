#pragma once
// Where the bar stands and whether it is open: the closed strip and the open bar at the right edge of
// the work area, auto-hide when another program takes the focus, and a new screen size taken up.

#include <windows.h>

namespace nq {

class TfrmMainPivel;

class TBarExibicao {
public:
    explicit TBarExibicao(TfrmMainPivel& barra) : barra_(barra) {}

    bool Aberta() const { return aberta_; }
    // The part of the screen the bar stands in.
    RECT AreaDeTrabalho() const;
    // Opens the closed bar or closes the open one (a click on the strip, the title, the global key).
    void Alternar();
    // Opens the bar whatever it was (a second start asks for it).
    void Abrir();
    // Closes the bar without the steps of a user's close (at creation and for a new screen).
    void Fechada();
    // Puts the bar where its state says, after the work area or the density changed.
    void Recolocar();
    // The screen size the bar was laid out for.
    void LembrarTela();
    // A new screen size: the bar is rebuilt and closed.
    void VerificarTela();
    // WM_ACTIVATE (active) and WM_ACTIVATEAPP (lost).
    void Ativada();
    void Desativada();
    bool WMTimer(WPARAM id);
    // The window goes.
    void Desligar();

private:
    void MoveTo(const RECT& r);
    void AjustarTimer();
    void AutoOcultar();
    void ConfirmarDesativacao();
    bool OutroProgramaNaFrente() const;

    TfrmMainPivel& barra_;
    bool aberta_ = false;
    bool focoAntesDeMover_ = false;  // the bar had the focus when it last moved
    DWORD tickMovido_ = 0;
    int larguraTela_ = 0;
    int alturaTela_ = 0;
    bool timerLigado_ = false;
    bool ativada_ = false;  // the bar has been active once
};

}  // namespace nq
