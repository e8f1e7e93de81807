#pragma once
// The bar window: a narrow borderless translucent window at an edge of a monitor's work area, with its
// title panel on top and the shortcut buttons below. It keeps the window, its state and the catalogue,
// rebuilds its buttons, and routes each message to a small handler; every other job is a
// collaborator's, each in its own file:
//   BarExibicaoWin32     where the bar stands, opening and closing, auto-hide
//   BarEntradaWin32      keys and pointer
//   BarPinturaWin32      painting and tooltips
//   BarMenuWin32         the popup menu and its commands
//   BarTeclaGlobalWin32  the global key and the full-screen watch
//   BarSoltosWin32       drops and WM_COPYDATA
//   BarLancamentoWin32   launching, and the target worker
//   BarGravacaoWin32     saving
//   BarSondasWin32       what tests reach (PIVEL_* variables, registered query messages)

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/BarAcessivelWin32.h"
#include "app/BarEntradaWin32.h"
#include "app/BarExibicaoWin32.h"
#include "app/BarGravacaoWin32.h"
#include "app/BarLancamentoWin32.h"
#include "app/BarMenuWin32.h"
#include "app/BarPinturaWin32.h"
#include "app/BarSoltosWin32.h"
#include "app/BarSondasWin32.h"
#include "app/BarTeclaGlobalWin32.h"
#include "app/BarTeclado.h"
#include "app/DesktopAvisoWin32.h"
#include "app/MensagensBarraWin32.h"
#include "app/IconeComando.h"
#include "catalogue/ClientDataset.h"
#include "catalogue/ConfigBarra.h"
#include "catalogue/EdicaoCatalogo.h"
#include "dialogs/ConfigWin32.h"
#include "ui/WindowWin32.h"

namespace nq {

class TNqTrayIcon;

constexpr const wchar_t* kMainClassName = L"TfrmMainPivel";
constexpr const char* KEY_RUN_PIVEL = "NqPivel";
constexpr const char* kApplicationTitle = "Nq-Pivel";

class TfrmMainPivel final : public Window, public IBarConfig, private IBarAcessivel {
public:
    TfrmMainPivel();
    ~TfrmMainPivel() override;

    // Creates the window and runs the creation steps; false only when no window could be made.
    bool Create();
    // The first showing: no taskbar button; programming mode opens the bar at once.
    void FormShow();

    TClientDataset cds;
    // Held while a dialog edits the catalogue's current record: the bar's own work on the catalogue
    // (rebuilds, the screen timer, drops, the end of the program) waits for it, and a save works on a
    // copy of the stored records.
    TEdicaoCatalogo cdsEdicao;

    void AtualizarIcones();
    // Opens the closed bar or closes the open one.
    void clickForm() { exibicao_.Alternar(); }
    // Saves the catalogue and the settings file; with avisar, the user hears of a copy kept beside it.
    void Salvar(bool avisar = true) { gravacao_.Salvar(avisar); }
    // The session is ending: nobody is left to answer a message.
    bool SessaoEncerrando() const { return gravacao_.SessaoEncerrando(); }
    bool Aberta() const { return exibicao_.Aberta(); }
    bool Mostrada() const { return mostrada_; }

    // Closes the window, which ends the program with saving.
    void Finalizar();

    // What the configuration window reads and sets.
    TClientDataset& Catalogo() override { return cds; }
    TVisualBarra Visual() const override { return visual_; }
    HICON IconeTitulo() const override { return pintura_.IconeTitulo(); }
    // The window saved the settings: what shows (the look, the place, stay-on-top) is taken at once, the
    // rest once the window has closed (ConfigFechada), when the catalogue it edited is the bar's again.
    void AplicarConfig(const TConfigBarra& antes, const TConfigBarra& depois, HICON icone) override;
    void ConfigFechada();
    std::optional<TMenusEscolha> EscolherAparenciaMenu() override;
    TMenusEscolha AparenciaMenu() override;
    void AplicarAparenciaMenu(const TMenusEscolha& escolha) override;

    // What the collaborators read and reach.
    int Dpi() const { return dpi_; }
    int S(int px96) const;
    // The bar takes a new density: its fonts, pictures and buttons are made again at it.
    void MudarDpi(int dpi);
    const TBarExibicao& Exibicao() const { return exibicao_; }
    // The settings as the file has them now (the defaults while there is no file).
    TConfigBarra Config() const;
    const TBotoesPainel& Painel() const { return botoes_; }
    TBotoesPainel& Painel() { return botoes_; }
    std::vector<std::string> LinhasDoBotao(std::size_t i) { return pintura_.LinhasDoBotao(i); }
    const TBarTeclado& Teclado() const { return entrada_.Teclado(); }
    TBarTeclado& Teclado() { return entrada_.Teclado(); }
    bool ConfigQuente() const { return entrada_.ConfigQuente(); }
    bool ConfigApertado() const { return entrada_.ConfigApertado(); }
    // Ctrl+Up (mais) and Ctrl+Down: the opacity a step up or down, kept in the settings.
    void MudarNivel(bool mais);
    // The keyboard's mark moved: screen readers hear of it.
    void AvisarFoco(int botao);
    // A button with its caption in the client area, as it shows scrolled; with margem, and the pixel
    // a hovered button moves, all that its painting may touch.
    RECT BotaoRect(std::size_t i, bool margem = true) const;
    RECT ConfigButtonRect() const;
    // The button panel below the title, and its height in 96-dpi pixels in the open bar.
    RECT PainelRect() const;
    int AlturaPainel96() const;
    // An arrow's band in the client area (acima: the top one).
    RECT SetaRect(bool acima) const;
    void InvalidarBotao(int i);
    // Scrolls the buttons by a number of them, or as little as makes one show; the bar is painted again
    // and the worker asked for the buttons that came into view.
    void Rolar(int botoes);
    void MostrarBotao(int i);
    // Asks the worker for the targets and icons of the buttons that show in the open bar.
    void PedirVisiveis();
    int Reconstrucoes() const { return reconstrucoes_; }
    bool Destruida() const { return destroyed_; }
    TDesktopAviso& AvisoErro() { return dskErro; }  // a launch failed
    TDesktopAviso& Aviso() { return dskAviso; }     // a notice with a text of the program's
    TBarLancamento& Lancamento() { return lancamento_; }
    const TBarLancamento& Lancamento() const { return lancamento_; }
    TBarMenu& Menu() { return menu_; }
    const TBarMenu& Menu() const { return menu_; }
    TBarGravacao& Gravacao() { return gravacao_; }
    TBarTeclaGlobal& TeclaGlobal() { return teclaGlobal_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnWindowGone() override;

private:
    void FormCreate();
    void configureForm();
    void CriarTray();
    void TentarTray();
    void DepoisDeMostrar();
    void FormActivate();
    void WMDestroy();
    void WMDpiChanged();
    void ApplyTranslucency();
    void Rolado();
    // The look, with a copy of the title picture (nullptr: none of its own).
    void AplicarVisual(const TVisualBarra& visual, HICON icone);
    // The place again: the monitor and the edge the settings now name, and whether the pointer resting on
    // that edge opens the bar.
    void AplicarLugar();

    // What a screen reader reads of the bar: its buttons, then the title's menu button.
    int Botoes() const override;
    std::string NomeBotao(int i) const override;
    RECT RetanguloBotao(int i) const override;
    bool BotaoNaVista(int i) const override;
    int BotaoMarcado() const override;
    int BotaoQuente() const override;
    void AcionarBotao(int i) override;

    int dpi_ = 96;
    TVisualBarra visual_;  // the look, from the settings

    TBotoesPainel botoes_;
    int reconstrucoes_ = 0;
    TBarAcessivel* acessivel_ = nullptr;
    bool mostrada_ = false;  // shown once: the work put off until then is done
    bool destroyed_ = false;
    bool configSalva_ = false;  // the configuration window saved: ConfigFechada has work
    std::size_t filtroTeclas_ = 0;
    TDesktopAviso dskErro;
    TDesktopAviso dskAviso;
    std::unique_ptr<TNqTrayIcon> tray;

    TBarExibicao exibicao_{*this};
    TBarEntrada entrada_{*this};
    TBarPintura pintura_{*this};
    TBarLancamento lancamento_{*this};
    TBarMenu menu_{*this};
    TBarTeclaGlobal teclaGlobal_{*this};
    TBarSoltos soltos_{*this};
    TBarGravacao gravacao_{*this};
    TBarSondas sondas_{*this};
};

// The one bar window of the process, while it exists.
extern TfrmMainPivel* frmMainPivel;

// No window in front: for an instant on Windows; on an X server without a window manager the focus
// falls to the desktop window itself after the bar moves.
bool NobodyInFront();

}  // namespace nq
