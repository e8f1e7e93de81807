#pragma once
// Saving the bar: the catalogue into the settings, then the file, at the moments the program saves
// (a shortcut just added, the end, a log-off), and what the user hears of a failure or of a copy kept
// beside the file.

namespace nq {

class TfrmMainPivel;

class TBarGravacao {
public:
    explicit TBarGravacao(TfrmMainPivel& barra) : barra_(barra) {}

    // The catalogue was read from the file: from now on it may replace the stored one.
    void CatalogoLido() { catalogoLido_ = true; }
    // Saves the catalogue and the settings file; with avisar, the user hears of a copy kept beside it.
    // Throws what the file's replacement threw.
    void Salvar(bool avisar = true);
    // A shortcut just added is written at once; a failure is told and the shortcut stays for the next
    // save.
    void SalvarAgora();
    // The bar shows, or saved: copies kept beside the file are told, through the desktop notice.
    void Avisar();
    // The window goes: the last save; a failure is told unless the session is ending.
    void AoDestruir();
    // WM_QUERYENDSESSION and WM_ENDSESSION.
    void SessaoTerminando();
    void SessaoTerminada() { sessaoEncerrando_ = true; }
    bool SessaoEncerrando() const { return sessaoEncerrando_; }

private:
    TfrmMainPivel& barra_;
    bool catalogoLido_ = false;
    bool sessaoEncerrando_ = false;
};

}  // namespace nq
