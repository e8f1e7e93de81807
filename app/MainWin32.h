#pragma once
// The bar window: a narrow borderless translucent window at the right edge of the work area, with its
// title panel on top and the shortcut buttons below. It owns the catalogue, the popup menu and the
// tray icon.

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "app/BarAcessivelWin32.h"
#include "app/Barra.h"
#include "app/BarTeclado.h"
#include "app/BuscaAlvos.h"
#include "app/DesktopAvisoWin32.h"
#include "app/IconeComando.h"
#include "app/Lancamento.h"
#include "app/NqSobreWin32.h"
#include "catalogue/ClientDataset.h"
#include "catalogue/EdicaoCatalogo.h"
#include "dialogs/ConfigWin32.h"
#include "menus/NqMenusWin32.h"
#include "support/Font.h"
#include "support/NqOutrosWin32.h"
#include "support/Trabalhador.h"
#include "support/Win32Handles.h"
#include "ui/BackBufferWin32.h"
#include "ui/GdiWin32.h"
#include "ui/ImageListWin32.h"
#include "ui/WindowWin32.h"


namespace nq {

class TNqTrayIcon;

constexpr UINT WM_AppRestore = WM_USER + 10;  // 1034: a second start asks the running bar to open
constexpr const wchar_t* kMainClassName = L"TfrmMainPivel";
constexpr const char* KEY_RUN_PIVEL = "NqPivel";
constexpr const char* kApplicationTitle = "Nq-Pivel";
constexpr const char* kTituloPadrao = "Meus Atalhos";
// A registered message that the bar answers with the number of GDI objects and icons its owners hold,
// so that a test in another process can see a leak.
constexpr const wchar_t* kMsgObjetosGdi = L"Pivel.ObjetosGdi";
// A registered message that the bar answers, while its popup menu is open, with the height in pixels of
// the entry at position wParam of the popup menu (lParam 0) or of the open "Outros atalhos" submenu
// (lParam 1), plus kItemMenuDesenhado when the entry is owner-drawn; -1 when there is no such entry.
constexpr const wchar_t* kMsgItemMenu = L"Pivel.ItemMenu";
constexpr LRESULT kItemMenuDesenhado = 0x10000;
// A registered message that the bar answers with what it shows: wParam 0 the number of buttons, 1 the
// number of "Outros atalhos" entries, 2 how many times it was rebuilt since it started, 3 how many
// buttons still wait for what the background worker finds out about their targets.
constexpr const wchar_t* kMsgAtalhos = L"Pivel.Atalhos";
// The name whose registered message number, as the dwData of a WM_COPYDATA, marks files handed to the
// bar by another program of the session as the shell drops them: the data is a DROPFILES block with
// wide names. The bar drops them on itself as the shell would.
constexpr const wchar_t* kSoltarArquivos = L"Pivel.SoltarArquivos";

// The popup menu's commands, as WM_COMMAND identifiers.
enum MenuId : UINT {
    mnAtalhos = 100,
    mnIncluir,
    mnExcluirIcons,
    mnConfig,
    mnSobre,
    mnDesativarInic,
    mnFinalizar,
    mnAtalhoPrimeiro = 1000,  // the "Outros atalhos" entries, in their order
};

class TfrmMainPivel final : public Window, public IBarraConfig, private IBarraAcessivel {
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
    void clickForm();
    void closePivel();
    void openPivel();
    // Saves the catalogue and the settings file; with avisar, the user hears of a copy kept beside it.
    void Salvar(bool avisar = true);
    // The session is ending: nobody is left to answer a message.
    bool SessaoEncerrando() const { return sessionEnding_; }
    bool Aberta() const { return FAberta; }

    // Closes the window, which ends the program with saving.
    void Finalizar();

    // Application-wide keys, seen before any window in every message loop: true when handled.
    bool PreTranslate(MSG& msg);

    // What the configuration window reads and sets.
    TClientDataset& Catalogo() override { return cds; }
    TVisualBarra Visual() const override;
    HICON IconeTitulo() const override;
    void AplicarVisual(const TVisualBarra& visual, HICON icone) override;
    void Fechar() override { Finalizar(); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnWindowGone() override;

private:
    void FormCreate();
    void configureForm();
    void Iniciar();
    void FormActivate();
    void FormDestroy();
    void MensagemRestaurar(UINT msg);
    void EvntsDeactivate();
    void ConfirmDeactivation();
    bool AnotherProgramInFront() const;
    void Timer1Timer();
    void VerificarTela();
    void AjustarTimer();
    // The bar's keys; false for a key whose character is to come (typing finds a shortcut).
    bool FormKeyDown(WPARAM key);
    void AcaoDoTeclado(const TAcaoBarra& acao, int marcadoAntes);
    void RegistrarTeclaGlobal();
    void TeclaGlobal();
    void VerificarTelaCheia();
    void VigiarJanelaDaFrente();
    static void CALLBACK EventoDeJanela(HWINEVENTHOOK, DWORD evento, HWND w, LONG objeto, LONG filho, DWORD,
                                        DWORD);
    void PaintMark(HDC dc, std::size_t i);
    void Velar(HDC dc, const RECT& r);

    // What a screen reader reads of the bar: its buttons, then the title's menu button.
    int Botoes() const override;
    std::string NomeBotao(int i) const override;
    RECT RetanguloBotao(int i) const override;
    int BotaoMarcado() const override;
    int BotaoQuente() const override;
    void AcionarBotao(int i) override;

    // Launches on the launcher's thread what `ler` works out there (it may look at the disk).
    void clickIcone(std::function<TAtalhoRec()> ler);
    void clickBotao(std::size_t i);
    void Lancado(bool ok);
    void PedirVisiveis();
    RECT BotaoRect(std::size_t i) const;
    void InvalidarBotao(int i);
    void ShowPopupMenu(POINT screen);
    void CriarMenu();
    void BuildPopupMenu();
    void RunMenuCommand(UINT id);
    LRESULT ItemMenu(WPARAM pos, LPARAM submenu) const;
    void mnIncluirClick();
    void mnExcluirIconsClick();
    void cdsNewRecord(TClientDataset& DataSet);
    void WMDropFiles(HDROP drop);
    void IncluirSoltos(const std::vector<std::string>& itens);
    bool EntregarSoltos(const COPYDATASTRUCT& dados);
    void EdicaoTerminada(unsigned trabalhos);
    void SalvarAgora();
    void mnDesativarInicClick();
    void bConfigClick(bool ctrl);
    void mnConfigClick();
    void CriarTray();

    // Paints what lies in `dirty` (client coordinates) only.
    void Paint(HDC dc, const RECT& dirty);
    void PaintTitle(HDC dc);
    void PaintButtons(HDC dc, const RECT& dirty);
    void PaintNeutral(HDC dc, const RECT& box);
    void ApplyTranslucency();
    void ApplyDpi(int dpi);
    void MakeFonts();
    void LoadPictures();
    void LoadTitleIcon();
    void DepoisDeMostrar();
    void MoveTo(const RECT& r);
    RECT WorkArea() const;
    int S(int px96) const;
    bool InButtonPanel(int x, int y) const;
    RECT ConfigButtonRect() const;
    void AddTooltips();

    bool FAberta = false;
    bool focusBeforeMove_ = false;
    DWORD moveTick_ = 0;
    int FScrWidth = 0;
    int FScrHeight = 0;
    int dpi_ = 96;
    UINT objetosGdiMsg_ = 0;

    // The look, from the settings.
    TColor color_ = 1714213;
    bool translucent_ = true;
    int opacity_ = 210;
    bool topmost_ = true;
    TFont font_;
    std::string titulo_ = kTituloPadrao;
    IconHandle titleIcon_;
    std::string iconeEmpresa_;  // the title icon's file, to take it again at another density
    IconHandle logo_;
    IconHandle bars_;
    IconHandle webIcon_, crossIcon_;
    FontHandle captionFont_, captionHoverFont_, titleFont_;

    BackBuffer backBuffer_;
    TBotoesPainel botoes_;
    std::vector<std::wstring> legendas_;  // the buttons' captions in UTF-16, made once per rebuild
    std::unique_ptr<TBuscaAlvos> busca_;
    std::unique_ptr<TTrabalhador> lancador_;
    int lancamentos_ = 0;  // launches under way: the busy pointer shows meanwhile
    bool focoNoClique_ = false;
    bool mostrada_ = false;  // shown once: the work put off until then is done

    std::vector<TMenuAtalho> menuShortcuts_;
    // The popup menu, painted by the menu renderer NqMenu1, and its pictures at the bar's density.
    TMenuOwner componentes_;
    TPopupMenu pmEdita{&componentes_};
    TMenuItem* mnAtalhosItem_ = nullptr;  // "Outros atalhos"
    TMenuSistemaWin32 menuSistema_;
    std::unique_ptr<TNqMenu> NqMenu1;
    TMenuWin32 pmEditaWin32_{pmEdita};
    std::unique_ptr<TImageListWin32> imgMenu;
    int imgMenuDpi_ = 0;
    UINT itemMenuMsg_ = 0;
    UINT atalhosMsg_ = 0;
    UINT soltarId_ = 0;
    int reconstrucoes_ = 0;
    std::vector<std::vector<std::string>> soltasAdiadas_;  // drops that came while a record was edited
    bool menuOpen_ = false;

    bool configHot_ = false;
    bool configPressed_ = false;
    bool backgroundPressed_ = false;
    bool trackingMouse_ = false;
    bool timerOn_ = false;
    bool ativada_ = false;  // the bar has been active once
    bool catalogueLoaded_ = false;
    bool destroyed_ = false;
    bool sessionEnding_ = false;
    HWND tooltip_ = nullptr;
    TNqBevel nqBevel1, NqBevel2;
    TDesktopAviso dskErro;
    TNqSobre nqSobre1;
    TDesktopAviso dskAviso;  // a notice with a text of the program's
    TBarTeclado teclado_;
    TBarAcessivel* acessivel_ = nullptr;
    bool teclaGlobal_ = false;
    bool teclaAvisada_ = false;
    std::string teclaTexto_;  // the global key as the settings name it
    bool afastada_ = false;  // hidden for a full-screen program in front
    HWINEVENTHOOK ganchoFrente_ = nullptr;
    HWINEVENTHOOK ganchoLugar_ = nullptr;
    DWORD threadVigiada_ = 0;
    BitmapHandle veu_;  // one pixel of the bar's colour, blended over the dimmed buttons' icons
    MemoryDC veuDc_;
    COLORREF veuCor_ = 0;
    std::size_t filtroTeclas_ = 0;
    std::unique_ptr<TNqTrayIcon> tray;
};

// The one bar window of the process, while it exists.
extern TfrmMainPivel* frmMainPivel;

}  // namespace nq
