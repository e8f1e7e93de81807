#include "app/MainWin32.h"

#include <windowsx.h>

#include <exception>
#include <utility>

#include "app/BarLayout.h"
#include "app/Barra.h"
#include "app/NqTrayIconWin32.h"
#include "catalogue/AlvoEmUso.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/LocalConfigWin32.h"
#include "catalogue/NqIniFiles.h"
#include "menus/NqMenusConfig.h"
#include "menus/NqMenusConfigWin32.h"
#include "resource.h"
#include "support/Caminho.h"
#include "support/MessageFilterWin32.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFunWin32.h"
#include "support/PastasSistema.h"
#include "support/Platform.h"
#include "support/PlatformWin32.h"
#include "support/RegistroDeEventos.h"
#include "support/Win32Text.h"
#include "ui/DpiWin32.h"

namespace nq {

TfrmMainPivel* frmMainPivel = nullptr;

namespace {

constexpr UINT kTrayRetryMs = 10000;

}  // namespace

bool NobodyInFront() {
    HWND fg = GetForegroundWindow();
    return !fg || fg == GetDesktopWindow();
}

TfrmMainPivel::TfrmMainPivel() : visual_(VisualDe(TConfigBarra{})) {
    CriarCamposAtalho(cds);
    dskErro.SecondsToHide = 2;
    dskErro.LoadPicture(IDR_AVISO);
    dskAviso.LoadPicture(IDR_AVISO_TEXTO);
    // Every record begun, by whatever part of the program, is a bar button unless something says otherwise.
    cds.OnNewRecord = [](TClientDataset& t) { t.FieldByName("OpcaoMenu").SetAsBoolean(false); };
    // The work that waited runs from the message loop, after the dialog's caller has posted or
    // cancelled the record.
    cdsEdicao.AoLiberar = [this](unsigned trabalhos) {
        if (hwnd_) PostMessageW(hwnd_, kMsgEdicaoTerminada, trabalhos, 0);
    };
}

TfrmMainPivel::~TfrmMainPivel() {
    if (filtroTeclas_) RemoveMessageFilter(filtroTeclas_);
    tray.reset();  // the icon leaves the notification area before the window goes
    if (frmMainPivel == this) frmMainPivel = nullptr;
}

int TfrmMainPivel::S(int px96) const { return Scale(px96, dpi_); }

TConfigBarra TfrmMainPivel::Config() const { return NqIni ? LerConfig(*NqIni) : TConfigBarra{}; }

bool TfrmMainPivel::Create() {
    frmMainPivel = this;
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    const auto bigIcon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_PIVEL), IMAGE_ICON, 0, 0,
                                                       LR_DEFAULTSIZE | LR_SHARED));
    const auto smallIcon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_PIVEL), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    RegisterClassOnce(kMainClassName, bigIcon, smallIcon);
    // A tool window has no taskbar button; layered for the translucency.
    if (!CreateWindowOfClass(kMainClassName, Wide(kApplicationTitle).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                             WS_EX_TOOLWINDOW | WS_EX_LAYERED, 0, 0, kBarWidth, 100, nullptr))
        return false;
    SetMainWindow(hwnd_);
    // A drop on the closed strip works before the bar was ever activated too.
    DragAcceptFiles(hwnd_, TRUE);
    // The bar's keys are seen in every message loop: its own, the dialogs' and the menus'.
    filtroTeclas_ = AddMessageFilter([this](MSG& m) { return entrada_.PreTranslate(m); });
    lancamento_.Iniciar();
    dpi_ = DpiDaJanela(hwnd_);
    pintura_.AplicarDpi();  // the fonts follow the settings (configureForm)
    ApplyTranslucency();
    exibicao_.Recolocar();
    FormCreate();
    return true;
}

void TfrmMainPivel::FormCreate() {
    try {
        ConfigUnica = true;
        IniciaIni(ArquivoDeConfiguracoes(PastaDoProgramaSomenteLeitura()));
        RegistrarEvento(TNivelEvento::Info, std::string(kApplicationTitle) + " " + GetVersionSis(true) +
                                                " iniciado (" + ExeName + "); configurações em " + NqIni->FileName());
        // A carried bar: shortcuts added on its own drive are stored relative to the program.
        ProgramaEmUnidadeRemovivel = UnidadeRemovivelSimulada() || UnidadeRemovivel(DirAplic);
        NqIni->KeepCopyIfDamaged();  // told once the bar shows
        IniciarComWindows(KEY_RUN_PIVEL, ModulePath(), "", HKEY_CURRENT_USER, iwIncluir);
        readSaveIcons(cds, READ_INFO);
        gravacao_.CatalogoLido();
        if (cds.IsEmpty()) IncluirPrimeirosAtalhos(cds, DirDocs(), DirSystem());
        configureForm();
        exibicao_.Fechada();
        AtualizarIcones();
    } catch (const std::exception& e) {
        // The bar still opens with what was done; the user hears why the rest was not.
        RegistrarEvento(TNivelEvento::Erro, std::string("Ao iniciar: ") + e.what());
        MsgBoxErro(e.what());
    }
    teclaGlobal_.Registrar();  // before the bar shows: the key works as soon as it can be seen
}

void TfrmMainPivel::CriarTray() {
    tray = std::make_unique<TNqTrayIcon>();
    tray->SetMainWindow(hwnd_);
    IconHandle icon = LoadIconResource(IDI_PIVEL, GetSystemMetrics(SM_CXSMICON));
    // Without its own picture the icon still gives the user a way to the bar.
    tray->SetIcon(icon ? icon.get() : LoadIconW(nullptr, IDI_APPLICATION));
    tray->SetHint(std::string(kApplicationTitle) + ", v" + GetVersionSis(true));
    tray->OnClick = [this] { clickForm(); };
    tray->OnPopup = [this](POINT pt) { menu_.Mostrar(pt, tray ? tray->FrenteAntesDoMenu() : nullptr); };
    tray->Show();
    SetTimer(hwnd_, kTimerTray, kTrayRetryMs, nullptr);
}

// While the shell will not take the icon, it is offered again.
void TfrmMainPivel::TentarTray() {
    if (tray && !tray->Adicionado()) tray->Show();
    if (tray && tray->Adicionado()) KillTimer(hwnd_, kTimerTray);  // the shell keeps it now
}

void TfrmMainPivel::configureForm() {
    const TConfigBarra c = Config();
    visual_ = VisualDe(c);
    SetWindowPos(hwnd_, visual_.sobreOutros ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyTranslucency();
    const std::string icone = AlvoEmUso(c.icone);
    if (!icone.empty() && CurrentPlatform().shell->FileExists(icone)) pintura_.CarregarIconeTitulo(icone);
    pintura_.FazerFontes();  // they follow the font just read
    exibicao_.LembrarTela();
}

void TfrmMainPivel::FormShow() {
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    if (inProgrammingMode) clickForm();
    PostMessageW(hwnd_, WM_MOSTRADA, 0, 0);
}

// Once the bar shows: the tray icon (the shell may take long to take it), the tooltips, the targets and
// icons of the buttons that show, the watch on the window in front, and what the user must hear of the
// settings file.
void TfrmMainPivel::DepoisDeMostrar() {
    if (mostrada_) return;
    mostrada_ = true;
    CriarTray();
    pintura_.CriarDicas();
    PedirVisiveis();
    teclaGlobal_.Vigiar();
    gravacao_.AvisarAoMostrar();
}

void TfrmMainPivel::FormActivate() {
    DragAcceptFiles(hwnd_, TRUE);
    exibicao_.Ativada();
}

void TfrmMainPivel::Finalizar() {
    if (hwnd_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void TfrmMainPivel::AplicarConfig(const TConfigBarra& antes, const TConfigBarra& depois, HICON icone) {
    AplicarVisual(VisualDe(depois), icone);
    AplicarLugar();
    if (depois.sobreOutros != antes.sobreOutros) {
        MsgBox(
            "A alteração da opção de para mostrar sobre outras janelas só terá efeito após reiniciar o "
            "sistema!");
        Finalizar();
    }
    configSalva_ = true;
}

void TfrmMainPivel::ConfigFechada() {
    if (!std::exchange(configSalva_, false)) return;
    Salvar();
    AtualizarIcones();
    // Registered again even when the key is the same: one another program held may be free now.
    teclaGlobal_.Registrar();
}

void TfrmMainPivel::AplicarVisual(const TVisualBarra& visual, HICON icone) {
    visual_ = visual;
    visual_.nivel &= 0xFF;
    SetWindowPos(hwnd_, visual_.sobreOutros ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    pintura_.DefinirIconeTitulo(icone ? CopyIcon(icone) : nullptr);
    ApplyTranslucency();
    pintura_.AplicarDpi();  // the caption fonts follow the new font
    InvalidateRect(hwnd_, nullptr, FALSE);
}

std::optional<TMenusEscolha> TfrmMainPivel::EscolherAparenciaMenu() {
    return MostrarMenusConfig(menu_.Renderizador());
}

TMenusEscolha TfrmMainPivel::AparenciaMenu() { return EscolhaInicial(menu_.Renderizador()); }

void TfrmMainPivel::AplicarAparenciaMenu(const TMenusEscolha& escolha) {
    menu_.Renderizador().AplicarEscolha(escolha);
}

void TfrmMainPivel::MudarNivel(bool mais) {
    const int antes = visual_.nivel;
    visual_.nivel = mais ? OpacityUp(visual_.nivel) : OpacityDown(visual_.nivel);
    if (visual_.nivel == antes) return;
    if (NqIni) GravarNivel(*NqIni, visual_.nivel);
    ApplyTranslucency();
}

void TfrmMainPivel::AvisarFoco(int botao) {
    if (acessivel_) acessivel_->AvisarFoco(botao);
}

void TfrmMainPivel::ApplyTranslucency() {
    if (!hwnd_) return;
    SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(visual_.transparente ? visual_.nivel : 255), LWA_ALPHA);
}

void TfrmMainPivel::MudarDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
    pintura_.AplicarDpi();
    AtualizarIcones();
}

// The system's suggested rectangle is not taken: the bar places itself, at the density of the monitor it
// chose (a closed strip at the left edge of a monitor lies mostly on its neighbour, whose density the
// system would give it).
void TfrmMainPivel::WMDpiChanged() { exibicao_.Recolocar(); }

// On another monitor the bar holds another number of buttons: it is rebuilt too (once the configuration
// window's edit of the catalogue ends).
void TfrmMainPivel::AplicarLugar() {
    exibicao_.Recolocar();
    exibicao_.LembrarTela();
    exibicao_.AjustarTimer();  // the edge is watched for opening by pointing, or no longer
    AtualizarIcones();
}

// --- Building the bar ---------------------------------------------------------------------------------

void TfrmMainPivel::AtualizarIcones() {
    // Building walks the catalogue: never under a record being typed in a dialog.
    if (!cdsEdicao.Permite(TEdicaoCatalogo::tAtualizar)) return;
    ++reconstrucoes_;
    const TConfigBarra config = Config();
    const RECT wa = exibicao_.AreaDeTrabalho();
    TBarConteudo conteudo =
        MontarBarra(cds, config.salto, config.alturaAutomatica, MulDiv(wa.bottom - wa.top, 96, dpi_));

    botoes_.Clear();
    const int step = conteudo.step;
    std::vector<std::string> programas;
    for (TIconeComando& b : conteudo.botoes) {
        programas.push_back(b.Programa());
        botoes_.Botoes().push_back(std::move(b));
    }
    botoes_.DefinirVista(AlturaPainel96(), step);
    menu_.DefinirAtalhos(std::move(conteudo.menu));
    std::vector<std::string> titulos;
    for (const TIconeComando& b : botoes_.Botoes()) titulos.push_back(b.Titulo());
    entrada_.Teclado().Definir(std::move(titulos));
    // The targets are looked at and the icons taken by the worker; until they come, a neutral picture.
    if (TBuscaAlvos* busca = lancamento_.Busca()) {
        busca->Reiniciar(std::move(programas), S(kIconSize));
        PedirVisiveis();
    }
    if (mostrada_) pintura_.AtualizarDicas();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TfrmMainPivel::PedirVisiveis() {
    TBuscaAlvos* busca = lancamento_.Busca();
    if (!busca || !mostrada_) return;
    // The buttons that show in the open bar's panel, scrolled or not; the others are never drawn.
    const std::size_t primeiro = static_cast<std::size_t>(botoes_.Primeiro());
    busca->Pedir(primeiro, primeiro + static_cast<std::size_t>(botoes_.Cabem()));
}

int TfrmMainPivel::AlturaPainel96() const {
    const RECT wa = exibicao_.AreaDeTrabalho();
    return MulDiv(wa.bottom - wa.top, 96, dpi_) - kTitlePanelHeight;
}

RECT TfrmMainPivel::PainelRect() const {
    const RECT wa = exibicao_.AreaDeTrabalho();
    return RECT{0, S(kTitlePanelHeight), S(kBarWidth), wa.bottom - wa.top};
}

RECT TfrmMainPivel::SetaRect(bool acima) const {
    const Rect r = botoes_.SetaRect(acima);
    const int top = S(kTitlePanelHeight);
    return RECT{S(r.left), top + S(r.top), S(r.left + r.width), top + S(r.top + r.height)};
}

RECT TfrmMainPivel::BotaoRect(std::size_t i, bool comMargem) const {
    const TIconeComando& b = botoes_.Botoes()[i];
    const Rect c = b.CaptionBox(botoes_.PanelWidth());
    const int top = S(kTitlePanelHeight);
    const int dy = botoes_.Topo(i) - b.Top();  // the column scrolled
    const int margem = comMargem ? S(1) + 1 : 0;  // a hovered button stands a pixel up and left
    return RECT{S(b.Left()) - margem, top + S(std::min(b.Top(), c.top) + dy) - margem,
                S(c.left + c.width) + margem, top + S(std::max(b.Top() + kIconSize, c.top + c.height) + dy) + margem};
}

void TfrmMainPivel::Rolar(int botoes) {
    if (botoes_.Rolar(botoes)) Rolado();
}

void TfrmMainPivel::MostrarBotao(int i) {
    if (botoes_.MostrarBotao(i)) Rolado();
}

void TfrmMainPivel::Rolado() {
    if (hwnd_) {
        const RECT painel = PainelRect();
        InvalidateRect(hwnd_, &painel, FALSE);
    }
    pintura_.AtualizarDicas();
    PedirVisiveis();
}

void TfrmMainPivel::InvalidarBotao(int i) {
    if (!hwnd_ || i < 0 || static_cast<std::size_t>(i) >= botoes_.Botoes().size()) return;
    const RECT r = BotaoRect(static_cast<std::size_t>(i));
    InvalidateRect(hwnd_, &r, FALSE);
}

RECT TfrmMainPivel::ConfigButtonRect() const { return RECT{S(162), S(7), S(162 + 33), S(7 + 29)}; }

// --- What a screen reader reads ---------------------------------------------------------------------------

int TfrmMainPivel::Botoes() const { return static_cast<int>(botoes_.Botoes().size()) + 1; }

std::string TfrmMainPivel::NomeBotao(int i) const {
    const auto& b = botoes_.Botoes();
    return static_cast<std::size_t>(i) < b.size() ? b[static_cast<std::size_t>(i)].Titulo() : "Configurações";
}

RECT TfrmMainPivel::RetanguloBotao(int i) const {
    RECT r = static_cast<std::size_t>(i) < botoes_.Botoes().size() ? BotaoRect(static_cast<std::size_t>(i), false)
                                                                   : ConfigButtonRect();
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool TfrmMainPivel::BotaoNaVista(int i) const {
    return static_cast<std::size_t>(i) >= botoes_.Botoes().size() || botoes_.Visivel(static_cast<std::size_t>(i));
}

int TfrmMainPivel::BotaoMarcado() const { return Teclado().Marcado(); }

int TfrmMainPivel::BotaoQuente() const {
    return ConfigQuente() ? static_cast<int>(botoes_.Botoes().size()) : botoes_.HoveredIndex();
}

void TfrmMainPivel::AcionarBotao(int i) {
    if (static_cast<std::size_t>(i) < botoes_.Botoes().size())
        lancamento_.clickBotao(static_cast<std::size_t>(i));
    else
        menu_.bConfigClick(false);
}

// --- Messages -----------------------------------------------------------------------------------------

void TfrmMainPivel::OnWindowGone() { destroyed_ = true; }

void TfrmMainPivel::WMDestroy() {
    teclaGlobal_.Desligar();
    if (acessivel_) acessivel_->Desligar();
    acessivel_ = nullptr;
    exibicao_.Desligar();
    KillTimer(hwnd_, kTimerTray);
    gravacao_.AoDestruir();
    tray.reset();
    lancamento_.DescartarRespostas();
    SetMainWindow(nullptr);
    PostQuitMessage(0);
}

LRESULT TfrmMainPivel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT resposta = 0;
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: pintura_.WMPaint(); return 0;
        case WM_SIZE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;  // the whole bar: its bottom line moved
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT && entrada_.WMSetCursor()) return TRUE;
            break;
        case WM_MOUSEMOVE: entrada_.WMMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
        case WM_MOUSELEAVE: entrada_.WMMouseLeave(); return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: entrada_.WMLButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
        case WM_LBUTTONUP: entrada_.WMLButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), wp); return 0;
        case WM_CONTEXTMENU: entrada_.WMContextMenu(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
        case WM_MOUSEWHEEL: entrada_.WMMouseWheel(GET_WHEEL_DELTA_WPARAM(wp)); return 0;
        case WM_KEYDOWN: entrada_.FormKeyDown(wp); return 0;
        case WM_CHAR: entrada_.WMChar(static_cast<wchar_t>(wp)); return 0;
        case WM_HOTKEY: teclaGlobal_.WMHotKey(wp); return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lp) != OBJID_CLIENT) break;
            if (!acessivel_) acessivel_ = new TBarAcessivel(hwnd_, *this);
            return acessivel_->ResponderGetObject(wp, lp);
        case WM_MEASUREITEM:
        case WM_DRAWITEM:
        case WM_MENUCHAR:
        case WM_MENUSELECT:
        case WM_MENURBUTTONUP:
            if (menu_.HandleMessage(msg, wp, lp, resposta)) return resposta;
            break;
        case WM_COMMAND:
            if (HIWORD(wp) == 0 && lp == 0) menu_.Executar(LOWORD(wp));
            return 0;
        case WM_TIMER:
            // Each timer to its owner (app/MensagensBarraWin32.h).
            switch (wp) {
                case kTimerAutoOcultar:
                case kTimerDesativada:
                case kTimerBorda: exibicao_.WMTimer(static_cast<TimerBarra>(wp)); break;
                case kTimerTray: TentarTray(); break;
                case kTimerTelaCheia: teclaGlobal_.WMTimer(); break;
                case kTimerSeta: entrada_.WMTimer(); break;
                default: break;
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) FormActivate();
            break;
        case WM_ACTIVATEAPP:
            if (!wp) exibicao_.Desativada();
            break;
        case WM_DROPFILES: soltos_.WMDropFiles(reinterpret_cast<HDROP>(wp)); return 0;
        case WM_COPYDATA:
            if (soltos_.WMCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp), resposta)) return resposta;
            break;
        case kMsgEdicaoTerminada:
            if (wp & TEdicaoCatalogo::tSoltar) soltos_.IncluirAdiadas();
            if (wp & TEdicaoCatalogo::tAtualizar) AtualizarIcones();
            if (wp & TEdicaoCatalogo::tFechar) Finalizar();
            return 0;
        case WM_AppRestore: exibicao_.Abrir(); return 0;
        case WM_ALVO_BUSCADO: lancamento_.Recebido(lp); return 0;
        case WM_LANCADO: lancamento_.Lancado(wp != 0, lp); return 0;
        case WM_MOSTRADA: DepoisDeMostrar(); return 0;
        case WM_QUERYENDSESSION: gravacao_.SessaoVaiEncerrar(); return TRUE;
        case WM_ENDSESSION:
            if (!wp) return 0;
            gravacao_.SessaoEncerrada();
            // In order, now: the process may be ended once this returns. Under a record being typed in a
            // dialog the rest was saved already; the bar ends once the dialog is answered.
            if (cdsEdicao.Permite(TEdicaoCatalogo::tFechar)) DestroyWindow(hwnd_);
            return 0;
        case WM_DISPLAYCHANGE: exibicao_.VerificarTela(); break;
        case WM_SETTINGCHANGE:
            if (wp == SPI_SETWORKAREA) exibicao_.VerificarTela();
            break;
        case WM_DPICHANGED: WMDpiChanged(); return 0;
        case WM_CLOSE:
            // Closing under a dialog's record would end its modal loop and lose what is being typed.
            if (cdsEdicao.Permite(TEdicaoCatalogo::tFechar)) DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY: WMDestroy(); return 0;
        default:
            if (sondas_.Responder(msg, wp, lp, resposta)) return resposta;
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace nq
