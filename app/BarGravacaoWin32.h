#pragma once
// Saving the bar: the catalogue into the settings, then the file, at the moments the program saves
// (a shortcut just added, the end, a log-off), and what the user hears of a copy kept beside the file or
// of a file that cannot be written. The end never waits on a message: what could not be written is kept
// in the user's application data and told at the next start.

#include <string>

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
    // A shortcut just added is written at once; when the file cannot take it, the settings are kept in
    // application data and the desktop notice says where (the shortcut stays for the next save too).
    void SalvarAgora();
    // The bar shows: a file that cannot be written or could not be read, copies kept beside it, and
    // settings kept in application data by an earlier run are told, through the desktop notice.
    void AvisarAoMostrar();
    // The bar saved: copies kept beside the file are told, through the desktop notice.
    void Avisar();
    // The window goes: the last save; a failure keeps the settings in application data, silently.
    void AoDestruir();
    // WM_QUERYENDSESSION and WM_ENDSESSION.
    void SessaoVaiEncerrar();
    void SessaoEncerrada() { sessaoEncerrando_ = true; }
    bool SessaoEncerrando() const { return sessaoEncerrando_; }

private:
    // Salvar, and on a failure the settings kept in application data; the failure's whole text for the
    // user, or empty when the save went through.
    std::string SalvarOuGuardar(bool avisar);
    // Shows the notice of a text: its first words on the picture, all of it on a click.
    void Mostrar(const std::string& resumo, const std::string& texto);

    TfrmMainPivel& barra_;
    bool catalogoLido_ = false;
    bool sessaoEncerrando_ = false;
    std::string guardadoEm_;  // where this run keeps what the file would not take
};

}  // namespace nq
