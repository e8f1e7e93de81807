#include "app/MainWin32.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <windowsx.h>

#include <objbase.h>

#include <cstdlib>
#include <cstring>
#include <exception>

#include "app/BarLayout.h"
#include "app/Barra.h"
#include "app/BuscaAlvos.h"
#include "app/DesktopAvisoWin32.h"
#include "app/Lancamento.h"
#include "app/NqTrayIconWin32.h"
#include "catalogue/AlvosWin32.h"
#include "catalogue/ArquivosSoltos.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/AvisosConfigWin32.h"
#include "catalogue/NqIniFiles.h"
#include "dialogs/Config.h"
#include "dialogs/ItensEditaWin32.h"
#include "resource.h"
#include "menus/NqMenusConfigWin32.h"
#include "support/MessageFilterWin32.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqFunWin32.h"
#include "support/PastasSistema.h"
#include "support/Platform.h"
#include "support/PlatformWin32.h"
#include "support/Win32Text.h"
#include "ui/DpiWin32.h"
#include "ui/NqReadlnFormWin32.h"

namespace nq {

TfrmMainPivel* frmMainPivel = nullptr;

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr int kTeclaGlobalId = 1;
constexpr UINT_PTR kTelaCheiaTimerId = 5;
// Until the system has said once that the window in front changed (not every system says so), the
// bar looks at it this often.
constexpr UINT kTelaCheiaMs = 2000;
constexpr UINT_PTR kDeactivateTimerId = 2;
constexpr UINT_PTR kTrayTimerId = 3;  // tries the tray icon again while the shell will not take it
constexpr UINT kTrayRetryMs = 10000;
constexpr UINT kMsgEdicaoTerminada = WM_APP + 4;  // wParam: the work that waited for the edit
constexpr const char* kConfig = "Config";
// Answers from the workers: what was found out about a button's target (lParam owns a TAlvoBuscado),
// and the end of a launch (wParam false when the notice must tell of a failure).
constexpr UINT WM_ALVO_BUSCADO = WM_APP + 1;
constexpr UINT WM_LANCADO = WM_APP + 2;
// Posted once the bar shows: what can wait until then does (the user sees the bar sooner).
constexpr UINT WM_MOSTRADA = WM_APP + 3;

// The workers join COM on their own threads: shell links, the shell's icons and its launches want it.
thread_local bool comJoined = false;
void JoinCom() {
    comJoined = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}
void LeaveCom() {
    if (comJoined) CoUninitialize();
}

bool NobodyInFront();

// A shortcut's icon, as the target worker hands it over.
struct TImagemIcone final : TImagem {
    IconHandle icone;
};

// On the target worker: whether the target exists and is a folder, and its icon at the size it is
// drawn when that is not kept already. A bare name is looked up beside the program, where the bar's
// current folder stands except while a launch has moved it.
TAlvoBuscado BuscarAlvo(const TPedidoAlvo& p) {
    const std::string& alvo = p.programa;
    const bool absoluto = alvo.rfind("\\\\", 0) == 0 || (alvo.size() >= 2 && alvo[1] == ':');
    const std::string caminho = absoluto || alvo.empty() ? alvo : DirAplic + alvo;
    IShell& shell = *CurrentPlatform().shell;
    TAlvoBuscado r;
    r.pasta = shell.DirectoryExists(caminho);
    r.existe = r.pasta || shell.FileExists(caminho);
    if (r.existe && p.precisaImagem) {
        auto imagem = std::make_unique<TImagemIcone>();
        if (readIcon(caminho, imagem->icone, p.tamanho)) r.imagem = std::move(imagem);
    }
    return r;
}

// The settings file beside the program: its name with the extension replaced by "Config.ini".
std::string NomeArquivoConfig() {
    const std::size_t sep = ExeName.find_last_of("\\/:");
    const std::size_t dot = ExeName.rfind('.');
    const std::string base = (dot != std::string::npos && (sep == std::string::npos || dot > sep))
                                 ? ExeName.substr(0, dot)
                                 : ExeName;
    return base + "Config.ini";
}

// PIVEL_TIPO_MENU (0 to 4) paints the menus in another style, so that tests can look at every style.
TTipoMenu TipoMenuBarra() {
    const char* v = std::getenv("PIVEL_TIPO_MENU");
    const int tipo = v ? std::atoi(v) : -1;
    return v && *v && tipo >= 0 && tipo <= static_cast<int>(TTipoMenu::tmMarvo) ? static_cast<TTipoMenu>(tipo)
                                                                                 : TTipoMenu::tmOffice;
}

IconHandle LoadIconResource(int id, int size) {
    return IconHandle(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

// Draws text word-wrapped and centred vertically in a box, clipped to it.
void DrawBoxedText(HDC dc, const std::wstring& text, RECT box, UINT align) {
    RECT calc = box;
    const UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | align;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &calc, flags | DT_CALCRECT);
    const int h = calc.bottom - calc.top;
    RECT r = box;
    // Centred while it fits; a longer text keeps its first lines and loses the end.
    r.top = h > box.bottom - box.top ? box.top : box.top + ((box.bottom - box.top) - h) / 2;
    r.bottom = r.top + h;
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, flags);
    RestoreDC(dc, saved);
}

}  // namespace

TfrmMainPivel::TfrmMainPivel() {
    font_ = TFont{"Tahoma", 9, clWhite};
    CriarCamposAtalho(cds);
    dskErro.SecondsToHide = 2;
    dskErro.LoadPicture(IDR_AVISO);
    nqSobre1.SetMenuSobre(mnSobre);
    dskAviso.LoadPicture(IDR_AVISO_TEXTO);
    cds.OnNewRecord = [this](TClientDataset& t) { cdsNewRecord(t); };
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

bool TfrmMainPivel::Create() {
    frmMainPivel = this;
    const HINSTANCE inst = GetModuleHandleW(nullptr);
    const auto bigIcon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_PIVEL), IMAGE_ICON, 0, 0,
                                                       LR_DEFAULTSIZE | LR_SHARED));
    const auto smallIcon = static_cast<HICON>(LoadImageW(inst, MAKEINTRESOURCEW(IDI_PIVEL), IMAGE_ICON,
                                                         GetSystemMetrics(SM_CXSMICON),
                                                         GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    RegisterClassOnce(kMainClassName, bigIcon, smallIcon);
    objetosGdiMsg_ = RegisterWindowMessageW(kMsgObjetosGdi);
    atalhosMsg_ = RegisterWindowMessageW(kMsgAtalhos);
    soltarId_ = RegisterWindowMessageW(kSoltarArquivos);
    // A tool window has no taskbar button; layered for the translucency.
    if (!CreateWindowOfClass(kMainClassName, Wide(kApplicationTitle).c_str(), WS_POPUP | WS_CLIPCHILDREN,
                             WS_EX_TOOLWINDOW | WS_EX_LAYERED, 0, 0, kBarWidth, 100, nullptr))
        return false;
    SetMainWindow(hwnd_);
    // A drop on the closed strip works before the bar was ever activated too.
    DragAcceptFiles(hwnd_, TRUE);
    // The bar's keys are seen in every message loop: its own, the dialogs' and the menus'.
    filtroTeclas_ = AddMessageFilter([this](MSG& m) { return PreTranslate(m); });
    const HWND janela = hwnd_;
    busca_ = std::make_unique<TBuscaAlvos>(
        BuscarAlvo,
        [janela](std::unique_ptr<TAlvoBuscado> r) {
            // An answer the window can no longer take is released here.
            if (PostMessageW(janela, WM_ALVO_BUSCADO, 0, reinterpret_cast<LPARAM>(r.get()))) r.release();
        },
        JoinCom, LeaveCom);
    lancador_ = std::make_unique<TTrabalhador>(JoinCom, LeaveCom);
    dpi_ = DpiDaJanela(hwnd_);
    LoadPictures();  // the fonts follow the settings (configureForm)
    ApplyTranslucency();
    closePivel();
    FormCreate();
    return true;
}

void TfrmMainPivel::FormCreate() {
    try {
        ConfigUnica = true;
        IniciaIni(NomeArquivoConfig());
        IniciarComWindows(KEY_RUN_PIVEL, ModulePath(), "", HKEY_CURRENT_USER, iwIncluir);
        readSaveIcons(cds, READ_INFO);
        catalogueLoaded_ = true;
        if (cds.IsEmpty()) IncluirPrimeirosAtalhos(cds, DirDocs(), DirSystem());
        configureForm();
        Iniciar();
        AtualizarIcones();
    } catch (const std::exception& e) {
        // The bar still opens with what was done; the user hears why the rest was not.
        MsgBoxErro(e.what());
    }
    RegistrarTeclaGlobal();  // before the bar shows: the key works as soon as it can be seen
}

void TfrmMainPivel::CriarTray() {
    tray = std::make_unique<TNqTrayIcon>();
    tray->SetMainWindow(hwnd_);
    const int size = GetSystemMetrics(SM_CXSMICON);
    IconHandle icon = LoadIconResource(IDI_PIVEL, size);
    // Without its own picture the icon still gives the user a way to the bar.
    tray->SetIcon(icon ? icon.get() : LoadIconW(nullptr, IDI_APPLICATION));
    tray->SetHint(std::string(kApplicationTitle) + ", v" + GetVersionSis(true));
    tray->OnClick = [this] { clickForm(); };
    tray->OnPopup = [this](POINT pt) { ShowPopupMenu(pt); };
    tray->Show();
    SetTimer(hwnd_, kTrayTimerId, kTrayRetryMs, nullptr);
}

void TfrmMainPivel::configureForm() {
    TMemIniFile& ini = *NqIni;
    topmost_ = ini.ReadBool(kConfig, "SobreOutros", true);
    SetWindowPos(hwnd_, topmost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    color_ = ini.ReadInteger(kConfig, "Color", color_);
    translucent_ = ini.ReadBool(kConfig, "TransparênciaAtivada", true);
    opacity_ = StoredOpacity(ini.ReadInteger(kConfig, "NívelTransparência", opacity_));
    ApplyTranslucency();
    ini.ReadFont(kConfig, "FonteÍcones", font_);
    titulo_ = CharLeft(ini.ReadString(kConfig, "NomeEmpresa", titulo_), TAM_NOME_EMPRESA);
    const std::string icone = ini.ReadString(kConfig, "IconeEmpresa", "");
    if (!icone.empty() && CurrentPlatform().shell->FileExists(icone)) {
        iconeEmpresa_ = icone;
        LoadTitleIcon();
    }
    MakeFonts();  // they follow the font just read
    FScrWidth = GetSystemMetrics(SM_CXSCREEN);
    FScrHeight = GetSystemMetrics(SM_CYSCREEN);
}

void TfrmMainPivel::Iniciar() {
    closePivel();
    FAberta = false;
}

void TfrmMainPivel::FormShow() {
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    if (inProgrammingMode) clickForm();
    PostMessageW(hwnd_, WM_MOSTRADA, 0, 0);
}

// Once the bar shows: the tray icon (the shell may take long to take it), the tooltips, and the
// targets and icons of the buttons that show.
void TfrmMainPivel::DepoisDeMostrar() {
    if (mostrada_) return;
    mostrada_ = true;
    CriarTray();
    AddTooltips();
    PedirVisiveis();
    // The window in front: a full-screen program makes the closed strip step aside.
    ganchoFrente_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, EventoDeJanela, 0, 0,
                                    WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
    SetTimer(hwnd_, kTelaCheiaTimerId, kTelaCheiaMs, nullptr);
    VigiarJanelaDaFrente();
}

// --- The keyboard, the global key and full-screen programs ---------------------------------------------

void TfrmMainPivel::RegistrarTeclaGlobal() {
    if (teclaGlobal_) UnregisterHotKey(hwnd_, kTeclaGlobalId);
    teclaGlobal_ = false;
    const std::string texto =
        NqIni ? NqIni->ReadString(kConfig, "TeclaAtalho", kTeclaAtalhoPadrao) : kTeclaAtalhoPadrao;
    // A key chosen anew is told of anew when it is taken.
    if (texto != teclaTexto_) teclaAvisada_ = false;
    teclaTexto_ = texto;
    const TShortCut atalho = TextToShortCut(texto);
    if (!TeclaVirtualGlobal(atalho)) return;  // none chosen
    teclaGlobal_ = RegisterHotKey(hwnd_, kTeclaGlobalId, ModificadoresTeclaGlobal(atalho) | MOD_NOREPEAT,
                                  TeclaVirtualGlobal(atalho)) != 0;
    // Taken by another program: the user hears of it once, and the bar works on without it.
    if (!teclaGlobal_ && !teclaAvisada_) {
        teclaAvisada_ = true;
        dskAviso.Show("A tecla " + ShortCutToText(atalho) + " já é usada por outro programa.");
    }
}

// The global key opens the bar in front with the keyboard, or closes it.
void TfrmMainPivel::TeclaGlobal() {
    if (FAberta) {
        clickForm();
        return;
    }
    if (afastada_) {
        afastada_ = false;
        ShowWindow(hwnd_, SW_SHOWNA);
    }
    clickForm();
    SetForegroundWindow(hwnd_);
    SetFocus(hwnd_);
}

void CALLBACK TfrmMainPivel::EventoDeJanela(HWINEVENTHOOK, DWORD evento, HWND w, LONG objeto, LONG, DWORD, DWORD) {
    if (!frmMainPivel || objeto != OBJID_WINDOW) return;
    if (evento == EVENT_SYSTEM_FOREGROUND) {
        // The system tells of it: no need to look for it any more.
        KillTimer(frmMainPivel->hwnd(), kTelaCheiaTimerId);
        frmMainPivel->VigiarJanelaDaFrente();
    }
    if (evento == EVENT_OBJECT_LOCATIONCHANGE && w == GetForegroundWindow()) frmMainPivel->VerificarTelaCheia();
}

// The moves of the window in front are watched (a program may go full screen once in front), and only
// those of its thread, so that the idle bar is not woken by every window that moves.
void TfrmMainPivel::VigiarJanelaDaFrente() {
    HWND frente = GetForegroundWindow();
    DWORD processo = 0;
    const DWORD thread = frente ? GetWindowThreadProcessId(frente, &processo) : 0;
    if (thread != threadVigiada_) {
        if (ganchoLugar_) UnhookWinEvent(ganchoLugar_);
        ganchoLugar_ = thread && processo != GetCurrentProcessId()
                           ? SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                                             EventoDeJanela, processo, thread, WINEVENT_OUTOFCONTEXT)
                           : nullptr;
        threadVigiada_ = thread;
    }
    VerificarTelaCheia();
}

namespace {
// The desktop and the shell's own windows cover the screen without being a program's full screen.
bool DoShell(HWND w) {
    if (w == GetDesktopWindow() || w == GetShellWindow()) return true;
    wchar_t classe[32] = L"";
    GetClassNameW(w, classe, 32);
    return lstrcmpW(classe, L"Progman") == 0 || lstrcmpW(classe, L"WorkerW") == 0 ||
           lstrcmpW(classe, L"Shell_TrayWnd") == 0;
}
}  // namespace

// While a program covers the bar's whole monitor in front, the closed strip steps aside, so that it
// neither shows over a video nor takes a click meant for the program; it comes back when that window
// goes. An open bar stays.
void TfrmMainPivel::VerificarTelaCheia() {
    HWND frente = GetForegroundWindow();
    bool cheia = false;
    if (frente && !DoShell(frente) && IsWindowVisible(frente)) {
        DWORD processo = 0;
        GetWindowThreadProcessId(frente, &processo);
        const HMONITOR monitor = MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST);
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        RECT r{};
        if (processo != GetCurrentProcessId() && MonitorFromWindow(frente, MONITOR_DEFAULTTONULL) == monitor &&
            GetMonitorInfoW(monitor, &mi) && GetWindowRect(frente, &r))
            cheia = CobreMonitor({r.left, r.top, r.right, r.bottom},
                                 {mi.rcMonitor.left, mi.rcMonitor.top, mi.rcMonitor.right, mi.rcMonitor.bottom});
    }
    const bool afastar = cheia && !FAberta;
    if (afastar == afastada_) return;
    afastada_ = afastar;
    ShowWindow(hwnd_, afastar ? SW_HIDE : SW_SHOWNA);
}

void TfrmMainPivel::FormActivate() {
    DragAcceptFiles(hwnd_, TRUE);
    ativada_ = true;
    AjustarTimer();
}

void TfrmMainPivel::Salvar(bool avisar) {
    if (!NqIni) return;
    try {
        // A catalogue that was never loaded must not replace the stored one.
        if (catalogueLoaded_) {
            if (cdsEdicao.Ativa()) {
                // A dialog is typing a record (a log-off came meanwhile): the stored records are saved
                // from a copy, and the record being typed stays the dialog's.
                TClientDataset copia;
                CriarCamposAtalho(copia);
                copia.CreateDataSet();
                cds.CopyStoredRecords(copia);
                readSaveIcons(copia, SAVE_INFO);
            } else {
                readSaveIcons(cds, SAVE_INFO);
            }
        }
        NqIni->UpdateFile();
    } catch (...) {
        if (avisar) AvisarCopiasConfig();  // a copy kept before the failure is still news
        throw;
    }
    if (avisar) AvisarCopiasConfig();
}

// A shortcut just added is written at once, so that a crash or a forced end cannot lose it; a failure
// is told and the shortcut stays for the next save.
void TfrmMainPivel::SalvarAgora() {
    try {
        Salvar(!sessionEnding_);
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
}

void TfrmMainPivel::FormDestroy() {
    try {
        Salvar(!sessionEnding_);
    } catch (const std::exception& e) {
        // At the end of a session nobody is left to answer a message.
        if (!sessionEnding_) MsgBoxErro(e.what());
    }
}

void TfrmMainPivel::Finalizar() {
    if (hwnd_) PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void TfrmMainPivel::MensagemRestaurar(UINT msg) {
    if (msg != WM_AppRestore) return;
    FAberta = false;
    clickForm();
}

// --- Showing and hiding -------------------------------------------------------------------------------

RECT TfrmMainPivel::WorkArea() const {
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

void TfrmMainPivel::MoveTo(const RECT& r) {
    // The old picture is not carried over: lines drawn at the old size (the bottom line) would stay.
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    PedirVisiveis();  // a taller work area than at the last rebuild shows more buttons
}

void TfrmMainPivel::closePivel() {
    const RECT wa = WorkArea();
    const Rect r = ClosedBarRect(wa.right - wa.left, wa.bottom - wa.top, dpi_);
    MoveTo(RECT{r.left, r.top, r.left + r.width, r.top + r.height});
}

void TfrmMainPivel::openPivel() {
    const RECT wa = WorkArea();
    const Rect r = OpenBarRect(wa.right - wa.left, wa.bottom - wa.top, dpi_);
    MoveTo(RECT{r.left, r.top, r.left + r.width, r.top + r.height});
}

void TfrmMainPivel::clickForm() {
    focusBeforeMove_ = GetForegroundWindow() == hwnd_;
    moveTick_ = GetTickCount();
    if (FAberta)
        closePivel();
    else
        openPivel();
    FAberta = !FAberta;
    AjustarTimer();
    if (!FAberta) {
        teclado_.Limpar();
        InvalidateRect(hwnd_, nullptr, FALSE);
        if (mostrada_) VerificarTelaCheia();
    }
    // Already in front after a click on the bar; asking again would only stir the focus.
    if (FAberta && NqIni && NqIni->ReadBool(kConfig, "AutoOcultar", false) && GetForegroundWindow() != hwnd_)
        SetForegroundWindow(hwnd_);
}

void TfrmMainPivel::EvntsDeactivate() {
    if (!NqIni || !NqIni->ReadBool(kConfig, "AutoOcultar", false)) return;
    FAberta = true;
    clickForm();
}

namespace {
// No window in front: for an instant on Windows; on an X server without a window manager the focus
// falls to the desktop window itself after the bar moves.
bool NobodyInFront() {
    HWND fg = GetForegroundWindow();
    return !fg || fg == GetDesktopWindow();
}
}  // namespace

// True when a window of another program has the focus: the program has lost it.
bool TfrmMainPivel::AnotherProgramInFront() const {
    if (NobodyInFront()) return false;
    HWND fg = GetForegroundWindow();
    DWORD pid = 0;
    GetWindowThreadProcessId(fg, &pid);
    return pid != GetCurrentProcessId();
}

void TfrmMainPivel::ConfirmDeactivation() {
    if (AnotherProgramInFront()) {
        EvntsDeactivate();
    } else if (NobodyInFront() && focusBeforeMove_ && GetTickCount() - moveTick_ < 1000) {
        // Moving must not cost the bar the keyboard (an X server without a window manager drops the
        // focus of a window that moves): Esc and the opacity keys still belong to it.
        SetForegroundWindow(hwnd_);
    }
}

// The 100 ms timer runs only while it has something to watch: an open bar with auto-hide on. A change
// of the screen's size comes as WM_DISPLAYCHANGE, so that an idle bar never wakes.
void TfrmMainPivel::AjustarTimer() {
    const bool precisa = ativada_ && FAberta && NqIni && NqIni->ReadBool(kConfig, "AutoOcultar", false);
    if (precisa && !timerOn_) {
        timerOn_ = SetTimer(hwnd_, kTimerId, 100, nullptr) != 0;
    } else if (!precisa && timerOn_) {
        KillTimer(hwnd_, kTimerId);
        timerOn_ = false;
    }
}

void TfrmMainPivel::Timer1Timer() {
    // A focus change that brought no deactivation message (the bar had no focus to lose) still
    // closes an auto-hiding bar.
    if (FAberta && AnotherProgramInFront()) EvntsDeactivate();
    VerificarTela();
}

void TfrmMainPivel::VerificarTela() {
    // A new screen size is taken up once the record being edited is the catalogue's again.
    if (cdsEdicao.Ativa()) return;
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    if (w == FScrWidth && h == FScrHeight) return;
    FScrWidth = w;
    FScrHeight = h;
    AtualizarIcones();
    closePivel();
    FAberta = false;
    AjustarTimer();
}

bool TfrmMainPivel::FormKeyDown(WPARAM key) {
    const bool ctrl = KeyIsDown(VK_CONTROL);
    const bool shift = KeyIsDown(VK_SHIFT);
    if (key == VK_ESCAPE && shift) {  // "Finalizar" takes Shift+Esc before the bar does
        Finalizar();
        return true;
    }
    if (key == VK_F5) {  // "Configurações", once the key has left the message filters
        PostMessageW(hwnd_, WM_COMMAND, mnConfig, 0);
        return true;
    }
    if (key == VK_INSERT && !ctrl && !shift) {
        mnIncluirClick();
        return true;
    }
    if (ctrl && (key == VK_UP || key == VK_DOWN)) {
        const int before = opacity_;
        opacity_ = key == VK_UP ? OpacityUp(opacity_) : OpacityDown(opacity_);
        if (opacity_ != before) {
            if (NqIni) NqIni->WriteInteger(kConfig, "NívelTransparência", opacity_);
            ApplyTranslucency();
        }
        return true;
    }
    // The open bar at the keyboard: a mark moves across the buttons and typing finds them.
    if (FAberta && !ctrl) {
        static const std::pair<WPARAM, TeclaBarra> teclas[] = {
            {VK_UP, TeclaBarra::Cima},      {VK_DOWN, TeclaBarra::Baixo}, {VK_TAB, TeclaBarra::Tab},
            {VK_HOME, TeclaBarra::Inicio},  {VK_END, TeclaBarra::Fim},    {VK_RETURN, TeclaBarra::Enter},
            {VK_ESCAPE, TeclaBarra::Esc},   {VK_BACK, TeclaBarra::Apagar},
        };
        for (const auto& [vk, tecla] : teclas) {
            if (vk != key) continue;
            const int antes = teclado_.Marcado();
            const TAcaoBarra acao = teclado_.Tecla(tecla, shift);
            if (acao.tipo != TAcaoBarra::Passar) {
                AcaoDoTeclado(acao, antes);
                return true;
            }
            if (key != VK_ESCAPE) return true;  // nothing to do with it now
        }
    }
    if (key == VK_ESCAPE) {
        if (inProgrammingMode)
            Finalizar();
        else
            clickForm();
        return true;
    }
    return false;
}

void TfrmMainPivel::AcaoDoTeclado(const TAcaoBarra& acao, int marcadoAntes) {
    if (acao.tipo == TAcaoBarra::Abrir && acao.botao >= 0 &&
        static_cast<std::size_t>(acao.botao) < botoes_.Botoes().size()) {
        clickBotao(static_cast<std::size_t>(acao.botao));
        return;
    }
    // The typed text dims and brightens any of them; a mark that only moved repaints two buttons.
    if (teclado_.Busca().empty() && marcadoAntes == teclado_.Marcado()) return;
    InvalidateRect(hwnd_, nullptr, FALSE);
    if (teclado_.Marcado() != marcadoAntes && acessivel_) acessivel_->AvisarFoco(teclado_.Marcado());
}

// --- Building the bar ---------------------------------------------------------------------------------

void TfrmMainPivel::AtualizarIcones() {
    // Building walks the catalogue: never under a record being typed in a dialog.
    if (!cdsEdicao.Permite(TEdicaoCatalogo::tAtualizar)) return;
    ++reconstrucoes_;
    const int step = StoredStep(NqIni ? NqIni->ReadInteger(kConfig, "DistânciaÍcones", iSalto) : iSalto);
    const bool autoHeight = NqIni && NqIni->ReadBool(kConfig, "IconHeightAuto", false);
    const RECT wa = WorkArea();
    TBarraConteudo conteudo = MontarBarra(cds, step, autoHeight, MulDiv(wa.bottom - wa.top, 96, dpi_));

    botoes_.Clear();
    legendas_.clear();
    std::vector<std::string> programas;
    for (TIconeComando& b : conteudo.botoes) {
        legendas_.push_back(Wide(b.Titulo()));
        programas.push_back(b.Programa());
        botoes_.Botoes().push_back(std::move(b));
    }
    menuShortcuts_ = std::move(conteudo.menu);
    std::vector<std::string> titulos;
    for (const TIconeComando& b : botoes_.Botoes()) titulos.push_back(b.Titulo());
    teclado_.Definir(std::move(titulos));
    // The targets are looked at and the icons taken by the worker; until they come, a neutral picture.
    if (busca_) {
        busca_->Reiniciar(std::move(programas), S(kIconSize));
        PedirVisiveis();
    }
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TfrmMainPivel::PedirVisiveis() {
    if (!busca_ || !mostrada_) return;
    // The buttons whose top lies inside the open bar's button panel; those below it are never drawn.
    const RECT wa = WorkArea();
    const int painel = MulDiv(wa.bottom - wa.top, 96, dpi_) - kTitlePanelHeight;
    std::size_t visiveis = 0;
    const auto& botoes = botoes_.Botoes();
    for (std::size_t i = 0; i < botoes.size(); ++i)
        if (botoes[i].Top() < painel) visiveis = i + 1;
    busca_->PedirAte(visiveis);
}

RECT TfrmMainPivel::BotaoRect(std::size_t i) const {
    const TIconeComando& b = botoes_.Botoes()[i];
    const Rect c = b.CaptionBox(botoes_.PanelWidth());
    const int top = S(kTitlePanelHeight);
    const int margem = S(1) + 1;  // a hovered button stands a pixel up and left
    return RECT{S(b.Left()) - margem, top + S(std::min(b.Top(), c.top)) - margem,
                S(c.left + c.width) + margem,
                top + S(std::max(b.Top() + kIconSize, c.top + c.height)) + margem};
}

void TfrmMainPivel::InvalidarBotao(int i) {
    if (!hwnd_ || i < 0 || static_cast<std::size_t>(i) >= botoes_.Botoes().size()) return;
    const RECT r = BotaoRect(static_cast<std::size_t>(i));
    InvalidateRect(hwnd_, &r, FALSE);
}

namespace {

// The system's side of a launch.
class LancadorWin32 final : public ILancador {
public:
    explicit LancadorWin32(HWND owner) : owner_(owner) {}
    bool SetCurrentFolder(const std::string& pasta) override {
        return SetCurrentDirectoryW(Wide(pasta).c_str()) != 0;
    }
    void ShellOpen(const std::string& programa, const std::string& parametros, const std::string& pasta,
                   int showCmd) override {
        // Empty texts go as empty strings, never as absent values.
        ShellExecuteW(owner_, L"open", Wide(programa).c_str(), Wide(parametros).c_str(), Wide(pasta).c_str(), showCmd);
    }
    // The window's thread shows the busy pointer for the whole launch.
    void CursorAmp() override {}
    void CursorNormal() override {}

private:
    HWND owner_;
};

}  // namespace

void TfrmMainPivel::clickIcone(std::function<TAtalhoRec()> ler) {
    dskErro.Hide();
    if (!lancador_) return;
    if (lancamentos_++ == 0) nq::CursorAmp();
    focoNoClique_ = GetForegroundWindow() == hwnd_;
    const HWND janela = hwnd_;
    const std::string dirAplic = DirAplic;
    // On the launcher's thread: a target on a share that does not answer holds up that thread, never
    // the bar's painting. The bar is switched on its own thread once the launch is over.
    lancador_->Enfileirar([janela, dirAplic, ler = std::move(ler)] {
        bool ok = false;
        try {
            TAtalhoRec r = ler();
            LancadorWin32 sistema(janela);
            ok = executeProgram(r, sistema, dirAplic, true, {});
        } catch (const std::exception&) {
            ok = false;  // the notice tells of it
        }
        PostMessageW(janela, WM_LANCADO, ok, 0);
    });
}

void TfrmMainPivel::Lancado(bool ok) {
    if (lancamentos_ > 0 && --lancamentos_ == 0) nq::CursorNormal();
    // The keyboard stays with the bar if it had it at the click and nothing else took it meanwhile (an
    // X server without a window manager drops the focus of a window that has moved).
    if (focoNoClique_ && NobodyInFront()) SetForegroundWindow(hwnd_);
    if (!NqIni || !NqIni->ReadBool(kConfig, "AutoOcultar", false)) clickForm();
    if (!ok) dskErro.Show();
}

void TfrmMainPivel::clickBotao(std::size_t i) {
    TIconeComando botao = botoes_.Botoes()[i];
    const TBuscaAlvos::TBotao estado = busca_ ? busca_->Botao(i) : TBuscaAlvos::TBotao{};
    if (estado.estado != TBuscaAlvos::Estado::Pendente) {
        botao.SetPrograma(botao.Programa(), estado.pasta);
        clickIcone([r = readProgramData(botao)] { return r; });
        return;
    }
    // Not looked at yet: the launcher's thread finds out whether it is a folder.
    clickIcone([botao]() mutable {
        botao.SetPrograma(botao.Programa(), CurrentPlatform().shell->DirectoryExists(botao.Programa()));
        return readProgramData(botao);
    });
}

// --- Adding shortcuts by dropping them -----------------------------------------------------------------

namespace {

// Every name of a drop, each read whole: its length is asked first, so that a path deeper than the old
// 255 characters arrives entire.
std::vector<std::string> NomesSoltos(HDROP drop) {
    std::vector<std::string> nomes;
    const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
        const UINT tamanho = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring nome(tamanho + 1, L'\0');
        nome.resize(DragQueryFileW(drop, i, nome.data(), tamanho + 1));
        nomes.push_back(Narrow(nome));
    }
    return nomes;
}

}  // namespace

void TfrmMainPivel::WMDropFiles(HDROP drop) {
    std::vector<std::string> itens = NomesSoltos(drop);
    DragFinish(drop);
    if (!cdsEdicao.Permite(TEdicaoCatalogo::tSoltar)) {
        soltasAdiadas_.push_back(std::move(itens));
        return;
    }
    IncluirSoltos(itens);
}

void TfrmMainPivel::IncluirSoltos(const std::vector<std::string>& itens) {
    TPerguntasSoltura perguntas;
    perguntas.PerguntarTitulo = [](const std::string& proposto) {
        return InputBox("Atalho", "Informe o título deste atalho:", proposto);
    };
    perguntas.MostrarErro = [](const std::string& mensagem) { MsgBoxErro(mensagem); };
    perguntas.TrazerParaFrente = [this] {
        if (hwnd_) SetForegroundWindow(hwnd_);
    };
    const bool editarTitulo = !NqIni || NqIni->ReadBool(kConfig, "EditarTítulo", true);
    int ninc = 0;
    try {
        ninc = nq::IncluirSoltos(cds, itens, editarTitulo, perguntas);
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
    // One rebuild for the whole drop, and nothing at all when nothing was added.
    if (ninc <= 0 || !hwnd_) return;
    AtualizarIcones();
    SalvarAgora();
}

bool TfrmMainPivel::EntregarSoltos(const COPYDATASTRUCT& dados) {
    // Another program's bytes: the block must hold a DROPFILES header, wide names after it, and end with
    // the empty name that closes the list, before it becomes a drop.
    const auto* bytes = static_cast<const BYTE*>(dados.lpData);
    const std::size_t tamanho = dados.cbData;
    if (!bytes || tamanho < sizeof(DROPFILES) + 2 * sizeof(wchar_t)) return false;
    DROPFILES cabecalho;
    std::memcpy(&cabecalho, bytes, sizeof cabecalho);
    if (!cabecalho.fWide || cabecalho.pFiles < sizeof(DROPFILES) || cabecalho.pFiles >= tamanho ||
        (tamanho - cabecalho.pFiles) % sizeof(wchar_t) != 0)
        return false;
    wchar_t fim[2];
    std::memcpy(fim, bytes + tamanho - sizeof fim, sizeof fim);
    if (fim[0] != L'\0' || fim[1] != L'\0') return false;
    HGLOBAL bloco = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, tamanho);
    if (!bloco) return false;
    if (void* destino = GlobalLock(bloco)) {
        std::memcpy(destino, bytes, tamanho);
        GlobalUnlock(bloco);
        // Delivered as the shell delivers a drop: the bar frees the block with DragFinish.
        if (PostMessageW(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(bloco), 0)) return true;
    }
    GlobalFree(bloco);
    return false;
}

void TfrmMainPivel::EdicaoTerminada(unsigned trabalhos) {
    if (trabalhos & TEdicaoCatalogo::tSoltar) {
        auto soltas = std::move(soltasAdiadas_);
        soltasAdiadas_.clear();
        for (const auto& itens : soltas) IncluirSoltos(itens);
    }
    if (trabalhos & TEdicaoCatalogo::tAtualizar) AtualizarIcones();
    if (trabalhos & TEdicaoCatalogo::tFechar) Finalizar();
}

// --- The popup menu -----------------------------------------------------------------------------------

// The popup menu's entries, as the window describes them, and the renderer that paints them.
void TfrmMainPivel::CriarMenu() {
    auto add = [&](const char* caption, UINT id, int picture, TShortCut shortCut = 0) -> TMenuItem& {
        TMenuItem& item = pmEdita.Items().Add(NewItem(&componentes_, caption, id));
        item.ImageIndex = picture;
        item.ShortCut = shortCut;
        return item;
    };
    mnAtalhosItem_ = &add("Outros atalhos", mnAtalhos, 1);
    add("-", 0, -1);
    add("Incluir atalho", mnIncluir, 2, ShortCut(VK_INSERT));
    add("Excluir todos os atalhos", mnExcluirIcons, -1).Visible = inProgrammingMode;
    add("Configurações", mnConfig, 0, ShortCut(VK_F5));
    add("-", 0, -1);
    add("Sobre...", mnSobre, 3);
    add("-", 0, -1);
    add("Desinstalar", mnDesativarInic, -1);
    add("Finaliza&r", mnFinalizar, 5, ShortCut(VK_ESCAPE, scShift));

    NqMenu1 = std::make_unique<TNqMenu>(&componentes_, menuSistema_);
    NqMenu1->Name = "NqMenu1";
    // The window's description gives these through the setters, which hook every entry above.
    NqMenu1->SetFont(TFont{"Segoe UI", 9, clMenuText});
    NqMenu1->SetTipoMenu(TipoMenuBarra());
    NqMenu1->SetSessaoIni("Menus");
    // Ready for a host that gives the renderer a configuration item; the bar itself offers none.
    NqMenu1->DialogoConfig = MostrarMenusConfig;
    itemMenuMsg_ = RegisterWindowMessageW(kMsgItemMenu);
}

void TfrmMainPivel::BuildPopupMenu() {
    if (!NqMenu1) CriarMenu();
    if (!imgMenu || imgMenuDpi_ != dpi_) {
        // imgMenu: 16 x 16 at 96 dpi, loaded at the bar's density so that they stay sharp.
        imgMenu = std::make_unique<TImageListWin32>(S(16));
        for (int id : {IDI_MENU_CONFIG, IDI_MENU_ATALHOS, IDI_MENU_INCLUIR, IDI_MENU_SOBRE, 0, IDI_MENU_FINALIZAR})
            imgMenu->AddResource(id);
        imgMenuDpi_ = dpi_;
        pmEdita.Images = imgMenu.get();
    }
    // The tray icon's menu opens while a dialog edits a record too: what would begin or drop records waits.
    for (int i = 0; i < pmEdita.Items().Count(); ++i) {
        TMenuItem& item = pmEdita.Items().Items(i);
        if (item.Command == mnIncluir || item.Command == mnExcluirIcons || item.Command == mnConfig)
            item.Enabled = !cdsEdicao.Ativa();
    }
    // "Outros atalhos": one entry per menu shortcut, each hooked to the renderer once its caption is set.
    mnAtalhosItem_->Clear();
    for (std::size_t i = 0; i < menuShortcuts_.size(); ++i) {
        // A menu would take "&" for an access key; the title shows it as it is.
        auto item = NewItem(nullptr, StrTran(menuShortcuts_[i].caption, "&", "&&"),
                            static_cast<UINT>(mnAtalhoPrimeiro + i));
        item->Hint = menuShortcuts_[i].hint;
        NqMenu1->AtivarIndiv(*item, true);
        mnAtalhosItem_->Add(std::move(item));
    }
    pmEditaWin32_.Criar();
}

void TfrmMainPivel::ShowPopupMenu(POINT screen) {
    if (menuOpen_ || !hwnd_) return;
    menuOpen_ = true;
    BuildPopupMenu();
    if (HMENU menu = pmEditaWin32_.Handle()) {
        SetForegroundWindow(hwnd_);
        // The choice arrives as WM_COMMAND after the menu's own loop has ended.
        TrackPopupMenu(menu, TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd_, nullptr);
    }
    menuOpen_ = false;
    // The menu ran its own loop: the window may have been destroyed meanwhile.
    if (!hwnd_ || destroyed_) return;
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

LRESULT TfrmMainPivel::ItemMenu(WPARAM pos, LPARAM submenu) const {
    HMENU menu = menuOpen_ ? pmEditaWin32_.Handle() : nullptr;
    if (menu && submenu) menu = GetSubMenu(menu, 0);
    RECT r{};
    if (!menu || !GetMenuItemRect(hwnd_, menu, static_cast<UINT>(pos), &r)) return -1;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mi);
    return (mi.fType & MFT_OWNERDRAW ? kItemMenuDesenhado : 0) | (r.bottom - r.top);
}

void TfrmMainPivel::RunMenuCommand(UINT id) {
    if (nqSobre1.MenuSobreClick(id)) return;
    if (id >= mnAtalhoPrimeiro) {
        // The entry chosen names its target in its hint, whatever the bar rebuilt while the menu was open.
        if (const TMenuItem* item = pmEditaWin32_.ItemDoComando(id); item && item->Parent() == mnAtalhosItem_) {
            clickIcone([hint = item->Hint] { return readProgramData(hint); });
            return;
        }
        const std::size_t i = id - mnAtalhoPrimeiro;
        if (i >= menuShortcuts_.size()) return;
        clickIcone([hint = menuShortcuts_[i].hint] { return readProgramData(hint); });
        return;
    }
    switch (id) {
        case mnIncluir: mnIncluirClick(); break;
        case mnExcluirIcons: mnExcluirIconsClick(); break;
        case mnConfig: mnConfigClick(); break;
        case mnDesativarInic: mnDesativarInicClick(); break;
        case mnFinalizar: Finalizar(); break;
        default: break;
    }
}

void TfrmMainPivel::mnIncluirClick() {
    if (!frmItensEdita || cdsEdicao.Ativa()) return;
    bool confirmado = false;
    try {
        TEdicaoEmCurso edicao(&cdsEdicao);
        cds.Append();
        confirmado = frmItensEdita->Open("");
        if (confirmado)
            cds.Post();
        else
            cds.Cancel();
    } catch (const std::exception& e) {
        // Told as any unexpected failure is; the catalogue is left as it was.
        cds.Cancel();
        MsgBoxErro(e.what());
        return;
    }
    if (!confirmado) return;
    AtualizarIcones();
    SalvarAgora();
}

// Every record begun, by whatever part of the program, is a bar button unless something says otherwise.
void TfrmMainPivel::cdsNewRecord(TClientDataset& DataSet) {
    DataSet.FieldByName("OpcaoMenu").SetAsBoolean(false);
}

void TfrmMainPivel::mnExcluirIconsClick() {
    if (cdsEdicao.Ativa()) return;
    if (!MsgBoxConf("Limpar todos os ícones da Pivel?", 1)) return;
    if (!MsgBoxConf("Confirma limpar todos os ícones da Pivel?", 1)) return;
    cds.EmptyDataSet();
    AtualizarIcones();
}

void TfrmMainPivel::mnDesativarInicClick() {
    try {
        IniciarComWindows(KEY_RUN_PIVEL, "", "", HKEY_CURRENT_USER, iwExcluir);
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
        return;
    }
    Finalizar();
}

void TfrmMainPivel::bConfigClick(bool ctrl) {
    if (ctrl)
        Finalizar();
    else
        mnConfigClick();
}

void TfrmMainPivel::mnConfigClick() {
    if (cdsEdicao.Ativa()) return;
    try {
        // Made for this one use, without an owner, and released on every path.
        auto janela = std::make_unique<TfrmConfig>(*this);
        {
            // The window searches, filters and edits the catalogue: the bar's rebuilds, drops and a
            // log-off's save keep off it until it closes.
            TEdicaoEmCurso edicao(&cdsEdicao);
            janela->ShowModal(nullptr);
        }
        if (janela->Tag == 1) {
            Salvar();
            AtualizarIcones();
            RegistrarTeclaGlobal();  // the key may have changed
        }
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
}

TVisualBarra TfrmMainPivel::Visual() const {
    return TVisualBarra{titulo_, color_, font_, translucent_, opacity_, topmost_};
}

HICON TfrmMainPivel::IconeTitulo() const {
    return titleIcon_ ? titleIcon_.get() : logo_.get();
}

void TfrmMainPivel::AplicarVisual(const TVisualBarra& visual, HICON icone) {
    opacity_ = visual.nivel & 0xFF;
    translucent_ = visual.transparente;
    topmost_ = visual.sobreOutros;
    SetWindowPos(hwnd_, topmost_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    titulo_ = visual.titulo;
    titleIcon_.reset(icone ? CopyIcon(icone) : nullptr);
    color_ = visual.cor;
    font_ = visual.fonte;
    ApplyTranslucency();
    ApplyDpi(dpi_);  // the caption fonts follow the new font
    InvalidateRect(hwnd_, nullptr, FALSE);
}

// --- Painting -----------------------------------------------------------------------------------------

void TfrmMainPivel::ApplyTranslucency() {
    if (!hwnd_) return;
    SetLayeredWindowAttributes(hwnd_, 0, static_cast<BYTE>(translucent_ ? opacity_ : 255), LWA_ALPHA);
}

void TfrmMainPivel::ApplyDpi(int dpi) {
    dpi_ = dpi > 0 ? dpi : 96;
    MakeFonts();
    LoadPictures();
}

void TfrmMainPivel::MakeFonts() {
    captionFont_ = MakeFont(font_, dpi_);
    captionHoverFont_ = MakeFont(font_, dpi_, true, true);
    TFont title = font_;
    title.name = "Tahoma";
    title.size = 9;
    title.bold = true;
    titleFont_ = MakeFont(title, dpi_);
}

// The title icon chosen in the settings, at the size it is drawn; the logo stays when it cannot be read.
void TfrmMainPivel::LoadTitleIcon() {
    if (iconeEmpresa_.empty()) return;
    if (HICON h = static_cast<HICON>(
            LoadImageW(nullptr, Wide(iconeEmpresa_).c_str(), IMAGE_ICON, S(32), S(32), LR_LOADFROMFILE)))
        titleIcon_.reset(h);
}

// The pictures at the size they are drawn, from the icon resources' own sizes.
void TfrmMainPivel::LoadPictures() {
    LoadTitleIcon();
    logo_ = LoadIconResource(IDI_LOGO, S(32));
    if (!logo_) logo_ = LoadIconResource(IDI_PIVEL, S(32));
    bars_ = LoadIconResource(IDI_BARS, S(24));
    webIcon_ = LoadIconResource(IDI_WEB, S(32));
    crossIcon_ = LoadIconResource(IDI_CROSS, S(32));
}

RECT TfrmMainPivel::ConfigButtonRect() const { return RECT{S(162), S(7), S(162 + 33), S(7 + 29)}; }

bool TfrmMainPivel::InButtonPanel(int, int y) const { return y >= S(kTitlePanelHeight); }

namespace {
// A colour between two: quartos quarters of the way from the first to the second.
COLORREF CorEntre(COLORREF de, COLORREF para, int quartos) {
    return RGB((GetRValue(de) * (4 - quartos) + GetRValue(para) * quartos) / 4,
               (GetGValue(de) * (4 - quartos) + GetGValue(para) * quartos) / 4,
               (GetBValue(de) * (4 - quartos) + GetBValue(para) * quartos) / 4);
}

bool Intersects(const RECT& a, const RECT& b) {
    RECT out;
    return IntersectRect(&out, &a, &b) != 0;
}
}  // namespace

void TfrmMainPivel::Paint(HDC dc, const RECT& dirty) {
    RECT client;
    GetClientRect(hwnd_, &client);
    if (!captionFont_) MakeFonts();  // the settings could not be read: the design font
    // Only what changed: the rest of the buffer still holds the last picture.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, dirty.left, dirty.top, dirty.right, dirty.bottom);
    SetDCBrushColor(dc, ToColorRef(color_));
    FillRect(dc, &dirty, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const RECT title{0, 0, client.right, S(kTitlePanelHeight)};
    if (Intersects(dirty, title)) PaintTitle(dc);
    PaintButtons(dc, dirty);
    // Under the title, inside the panel's 2-pixel border, and along the bottom of the bar.
    nqBevel1.Left = S(2);
    nqBevel1.Top = S(kTitlePanelHeight - 2 - 1);
    nqBevel1.Width = S(197);
    nqBevel1.Height = S(1);
    if (Intersects(dirty, title)) nqBevel1.Paint(dc);
    NqBevel2.Left = 0;
    NqBevel2.Top = client.bottom - S(1);
    NqBevel2.Width = client.right;
    NqBevel2.Height = S(1);
    if (dirty.bottom >= client.bottom - S(1)) NqBevel2.Paint(dc);
    RestoreDC(dc, saved);
}

void TfrmMainPivel::PaintTitle(HDC dc) {
    const HICON img = titleIcon_ ? titleIcon_.get() : logo_.get();
    if (img) DrawIconEx(dc, S(7), S(6), img, S(32), S(32), 0, nullptr, DI_NORMAL);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(font_.color));
    {
        ScopedSelectObject sel(dc, titleFont_.get());
        DrawBoxedText(dc, Wide(titulo_), RECT{S(43), S(6), S(43 + 114), S(6 + 32)}, DT_CENTER);
    }

    const RECT cfg = ConfigButtonRect();
    if (configHot_ || configPressed_)
        DrawEdge(dc, const_cast<RECT*>(&cfg), configPressed_ && configHot_ ? BDR_SUNKENOUTER : BDR_RAISEDINNER,
                 BF_RECT);
    if (bars_) {
        const int size = S(24);
        const int x = cfg.left + (cfg.right - cfg.left - size) / 2;
        const int y = cfg.top + (cfg.bottom - cfg.top - size) / 2;
        DrawIconEx(dc, x, y, bars_.get(), size, size, 0, nullptr, DI_NORMAL);
    }
}

void TfrmMainPivel::PaintButtons(HDC dc, const RECT& dirty) {
    const int panelTop = S(kTitlePanelHeight);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(font_.color));
    const auto& botoes = botoes_.Botoes();
    for (std::size_t i = 0; i < botoes.size(); ++i) {
        if (!Intersects(dirty, BotaoRect(i))) continue;  // also every button below the bar's bottom
        const TIconeComando& b = botoes[i];
        const Rect c = b.CaptionBox(botoes_.PanelWidth());
        const bool apagado = teclado_.Apagado(i);
        SetTextColor(dc, apagado ? CorEntre(ToColorRef(color_), ToColorRef(font_.color), 2) : ToColorRef(font_.color));
        {
            ScopedSelectObject sel(dc, b.Hovered() ? captionHoverFont_.get() : captionFont_.get());
            DrawBoxedText(
                dc, legendas_[i],
                RECT{S(c.left), panelTop + S(c.top), S(c.left + c.width), panelTop + S(c.top + c.height)},
                DT_LEFT);
        }
        const RECT box{S(b.Left()), panelTop + S(b.Top()), S(b.Left() + kIconSize),
                       panelTop + S(b.Top() + kIconSize)};
        const TBuscaAlvos::TBotao estado = busca_ ? busca_->Botao(i) : TBuscaAlvos::TBotao{};
        if (estado.estado == TBuscaAlvos::Estado::Pendente) {
            PaintNeutral(dc, box);
            continue;
        }
        // A target that is missing or gives no picture: the web picture for an address, else the cross.
        HICON icon = estado.imagem ? static_cast<const TImagemIcone*>(estado.imagem)->icone.get() : nullptr;
        if (!icon) icon = b.IsURL() ? webIcon_.get() : crossIcon_.get();
        if (icon)
            DrawIconEx(dc, box.left, box.top, icon, box.right - box.left, box.bottom - box.top, 0, nullptr,
                       DI_NORMAL);
        if (apagado) Velar(dc, box);
        if (static_cast<int>(i) == teclado_.Marcado()) PaintMark(dc, i);
    }
}

// The keyboard's mark: a rounded frame in the captions' colour around the button and its caption.
void TfrmMainPivel::PaintMark(HDC dc, std::size_t i) {
    RECT r = BotaoRect(i);
    InflateRect(&r, -S(1), -S(1));
    ScopedSelectObject pen(dc, GetStockObject(DC_PEN));
    ScopedSelectObject brush(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, ToColorRef(font_.color));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, S(6), S(6));
}

// A dimmed button's icon: the bar's colour laid over it, two thirds opaque.
void TfrmMainPivel::Velar(HDC dc, const RECT& r) {
    const COLORREF cor = ToColorRef(color_);
    if (!veuDc_ || !veu_ || veuCor_ != cor) {
        veuDc_ = MemoryDC(dc);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 1, 1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        veu_.reset(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!veuDc_ || !veu_ || !bits) return;
        *static_cast<DWORD*>(bits) = (GetRValue(cor) << 16) | (GetGValue(cor) << 8) | GetBValue(cor);
        SelectObject(veuDc_.get(), veu_.get());
        veuCor_ = cor;
    }
    const BLENDFUNCTION mistura{AC_SRC_OVER, 0, 170, 0};
    GdiAlphaBlend(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, veuDc_.get(), 0, 0, 1, 1, mistura);
}

// In place of an icon not taken yet: a faint rounded frame, a quarter of the way from the bar's colour
// to its captions', drawn with the stock pen so that nothing is allocated.
void TfrmMainPivel::PaintNeutral(HDC dc, const RECT& box) {
    const COLORREF mid = CorEntre(ToColorRef(color_), ToColorRef(font_.color), 1);
    ScopedSelectObject pen(dc, GetStockObject(DC_PEN));
    ScopedSelectObject brush(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, mid);
    const int inset = S(3), round = S(8);
    RoundRect(dc, box.left + inset, box.top + inset, box.right - inset, box.bottom - inset, round, round);
}

void TfrmMainPivel::AddTooltips() {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, TooltipTiming.InitialPauseMs);
    SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, TooltipTiming.HidePauseMs);
    const std::wstring hint = Wide(std::string(kApplicationTitle) + ", v" + GetVersionSis(true));
    const std::wstring config = L"Configurações";
    const RECT rects[] = {{S(7), S(6), S(7 + 32), S(6 + 32)}, ConfigButtonRect()};
    const std::wstring* texts[] = {&hint, &config};
    for (int i = 0; i < 2; ++i) {
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        ti.uFlags = TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = static_cast<UINT_PTR>(i + 1);
        ti.rect = rects[i];
        ti.lpszText = const_cast<wchar_t*>(texts[i]->c_str());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

// --- Messages -----------------------------------------------------------------------------------------

bool TfrmMainPivel::PreTranslate(MSG& msg) {
    // Shift+Esc in programming mode ends the process at once from any window but the bar, whose own
    // Shift+Esc ends the program in order.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && inProgrammingMode &&
        KeyIsDown(VK_SHIFT) && hwnd_ && GetAncestor(msg.hwnd, GA_ROOT) != hwnd_)
        ExitProcess(0);
    // While the popup menu runs its own loop the keys are the menu's (Esc closes it, not the bar).
    if (menuOpen_) return false;
    if (msg.message == WM_KEYDOWN && hwnd_ && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd)))
        return FormKeyDown(msg.wParam);  // a key it leaves comes back as a character (WM_CHAR)
    return false;
}

void TfrmMainPivel::OnWindowGone() { destroyed_ = true; }

// --- What a screen reader reads ---------------------------------------------------------------------------

int TfrmMainPivel::Botoes() const { return static_cast<int>(botoes_.Botoes().size()) + 1; }

std::string TfrmMainPivel::NomeBotao(int i) const {
    const auto& b = botoes_.Botoes();
    return static_cast<std::size_t>(i) < b.size() ? b[static_cast<std::size_t>(i)].Titulo() : "Configurações";
}

RECT TfrmMainPivel::RetanguloBotao(int i) const {
    RECT r = static_cast<std::size_t>(i) < botoes_.Botoes().size() ? BotaoRect(static_cast<std::size_t>(i))
                                                                   : ConfigButtonRect();
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int TfrmMainPivel::BotaoMarcado() const { return teclado_.Marcado(); }

int TfrmMainPivel::BotaoQuente() const {
    return configHot_ ? static_cast<int>(botoes_.Botoes().size()) : botoes_.HoveredIndex();
}

void TfrmMainPivel::AcionarBotao(int i) {
    if (static_cast<std::size_t>(i) < botoes_.Botoes().size())
        clickBotao(static_cast<std::size_t>(i));
    else
        bConfigClick(false);
}

LRESULT TfrmMainPivel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            RECT rc;
            GetClientRect(hwnd_, &rc);
            // Without memory for the buffer the bar is painted straight onto the screen.
            Paint(backBuffer_.Begin(dc, rc.right, rc.bottom), ps.rcPaint);
            backBuffer_.End(dc, ps.rcPaint);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_SIZE:
            InvalidateRect(hwnd_, nullptr, FALSE);  // the whole bar: its bottom line moved
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                POINT pt;
                GetCursorPos(&pt);
                ScreenToClient(hwnd_, &pt);
                if (InButtonPanel(pt.x, pt.y) &&
                    botoes_.HitTest(MulDiv(pt.x, 96, dpi_), MulDiv(pt.y - S(kTitlePanelHeight), 96, dpi_)).index >= 0) {
                    SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
            }
            break;
        case WM_MOUSEMOVE: {
            const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
            if (!trackingMouse_) {
                TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd_, 0};
                trackingMouse_ = TrackMouseEvent(&tme);
            }
            const RECT cfg = ConfigButtonRect();
            const bool hot = PtInRect(&cfg, POINT{x, y});
            if (hot != configHot_) InvalidateRect(hwnd_, &cfg, FALSE);
            configHot_ = hot;
            // Only the button the pointer left and the one it entered are painted again.
            const int before = botoes_.HoveredIndex();
            const bool changed =
                InButtonPanel(x, y)
                    ? botoes_.MouseMove(MulDiv(x, 96, dpi_), MulDiv(y - S(kTitlePanelHeight), 96, dpi_))
                    : botoes_.MouseLeave();
            if (changed) {
                InvalidarBotao(before);
                InvalidarBotao(botoes_.HoveredIndex());
            }
            return 0;
        }
        case WM_MOUSELEAVE: {
            trackingMouse_ = false;
            const int before = botoes_.HoveredIndex();
            if (botoes_.MouseLeave()) InvalidarBotao(before);
            if (configHot_) {
                const RECT cfg = ConfigButtonRect();
                InvalidateRect(hwnd_, &cfg, FALSE);
            }
            configHot_ = false;
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
            SetCapture(hwnd_);
            const RECT cfg = ConfigButtonRect();
            configPressed_ = PtInRect(&cfg, POINT{x, y});
            backgroundPressed_ = false;
            if (configPressed_) {
                InvalidateRect(hwnd_, &cfg, FALSE);
            } else if (InButtonPanel(x, y) &&
                       botoes_.HitTest(MulDiv(x, 96, dpi_), MulDiv(y - S(kTitlePanelHeight), 96, dpi_)).index >= 0) {
                botoes_.MouseDown(MulDiv(x, 96, dpi_), MulDiv(y - S(kTitlePanelHeight), 96, dpi_));
            } else {
                backgroundPressed_ = true;
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
            if (GetCapture() == hwnd_) ReleaseCapture();
            const RECT cfg = ConfigButtonRect();
            if (configPressed_) {
                configPressed_ = false;
                InvalidateRect(hwnd_, &cfg, FALSE);
                // Ctrl as it was with the click itself: the key state read later may already have
                // moved on (an X server that sends its own key state when the focus comes).
                if (PtInRect(&cfg, POINT{x, y}))
                    bConfigClick((wp & MK_CONTROL) != 0 || KeyIsDown(VK_CONTROL));
                return 0;
            }
            if (backgroundPressed_) {
                backgroundPressed_ = false;
                clickForm();
                return 0;
            }
            const int clicked = botoes_.MouseUp(MulDiv(x, 96, dpi_), MulDiv(y - S(kTitlePanelHeight), 96, dpi_));
            if (clicked >= 0) clickBotao(static_cast<std::size_t>(clicked));
            return 0;
        }
        case WM_CONTEXTMENU: {
            POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            if (pt.x == -1 && pt.y == -1) {
                // From the keyboard (the menu key, Shift+F10): at the marked button, or under the title.
                const int m = teclado_.Marcado();
                const RECT r = m >= 0 ? BotaoRect(static_cast<std::size_t>(m)) : ConfigButtonRect();
                pt = POINT{r.left + S(8), r.bottom};
                ClientToScreen(hwnd_, &pt);
            }
            ShowPopupMenu(pt);
            return 0;
        }
        case WM_KEYDOWN:
            FormKeyDown(wp);
            return 0;
        case WM_CHAR:
            if (FAberta) {
                const int antes = teclado_.Marcado();
                const TAcaoBarra acao = teclado_.Caractere(static_cast<char32_t>(wp));
                if (acao.tipo != TAcaoBarra::Passar) AcaoDoTeclado(acao, antes);
            }
            return 0;
        case WM_HOTKEY:
            if (wp == kTeclaGlobalId) TeclaGlobal();
            return 0;
        case WM_GETOBJECT:
            if (static_cast<LONG>(lp) == OBJID_CLIENT) {
                if (!acessivel_) acessivel_ = new TBarAcessivel(hwnd_, *this);
                return acessivel_->ResponderGetObject(wp, lp);
            }
            break;
        case WM_MEASUREITEM:
            if (pmEditaWin32_.Medir(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp), dpi_)) return TRUE;
            break;
        case WM_DRAWITEM:
            if (pmEditaWin32_.Desenhar(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp), dpi_)) return TRUE;
            break;
        case WM_MENUCHAR:
            if (const LRESULT r = pmEditaWin32_.MenuChar(LOWORD(wp), reinterpret_cast<HMENU>(lp))) return r;
            break;
        case WM_COMMAND:
            if (HIWORD(wp) == 0 && lp == 0) RunMenuCommand(LOWORD(wp));
            return 0;
        case WM_TIMER:
            if (wp == kTimerId) Timer1Timer();
            if (wp == kTrayTimerId) {
                if (tray && !tray->NaBandeja()) tray->Show();
                if (tray && tray->NaBandeja()) KillTimer(hwnd_, kTrayTimerId);  // the shell keeps it now
            }
            if (wp == kTelaCheiaTimerId) VigiarJanelaDaFrente();
            if (wp == kDeactivateTimerId) {
                KillTimer(hwnd_, kDeactivateTimerId);
                ConfirmDeactivation();
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE) FormActivate();
            break;
        case WM_ACTIVATEAPP:
            // Judged a moment later, when it is clear who has the focus now.
            if (!wp) SetTimer(hwnd_, kDeactivateTimerId, 50, nullptr);
            break;
        case WM_DROPFILES:
            WMDropFiles(reinterpret_cast<HDROP>(wp));
            return 0;
        case WM_COPYDATA:
            if (lp && soltarId_ && reinterpret_cast<const COPYDATASTRUCT*>(lp)->dwData == soltarId_)
                return EntregarSoltos(*reinterpret_cast<const COPYDATASTRUCT*>(lp));
            break;
        case kMsgEdicaoTerminada:
            EdicaoTerminada(static_cast<unsigned>(wp));
            return 0;
        case WM_AppRestore:
            MensagemRestaurar(msg);
            return 0;
        case WM_ALVO_BUSCADO: {
            std::unique_ptr<TAlvoBuscado> r(reinterpret_cast<TAlvoBuscado*>(lp));
            if (busca_)
                if (const auto i = busca_->Receber(std::move(r))) InvalidarBotao(static_cast<int>(*i));
            return 0;
        }
        case WM_LANCADO:
            Lancado(wp != 0);
            return 0;
        case WM_MOSTRADA:
            DepoisDeMostrar();
            return 0;
        case WM_QUERYENDSESSION:
            // Saved now, since the end may come without another word; the bar stays until the session
            // really ends, because another program may still cancel the log-off.
            try {
                Salvar(false);  // a message now would hold the log-off up; it is told at the end
            } catch (const std::exception&) {
                // The system may be going down: nobody may be left to read a message.
            }
            return TRUE;
        case WM_ENDSESSION:
            if (wp) {
                sessionEnding_ = true;
                // In order, now: the process may be ended once this returns. Under a record being typed
                // in a dialog the rest was saved already; the bar ends once the dialog is answered.
                if (cdsEdicao.Permite(TEdicaoCatalogo::tFechar)) DestroyWindow(hwnd_);
            }
            return 0;
        case WM_DISPLAYCHANGE:
            VerificarTela();
            break;
        case WM_DPICHANGED: {
            ApplyDpi(ForcedDpi() ? ForcedDpi() : LOWORD(wp));
            AtualizarIcones();
            if (FAberta)
                openPivel();
            else
                closePivel();
            return 0;
        }
        case WM_CLOSE:
            // Closing under a dialog's record would end its modal loop and lose what is being typed.
            if (cdsEdicao.Permite(TEdicaoCatalogo::tFechar)) DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            if (teclaGlobal_) UnregisterHotKey(hwnd_, kTeclaGlobalId);
            if (ganchoFrente_) UnhookWinEvent(ganchoFrente_);
            if (ganchoLugar_) UnhookWinEvent(ganchoLugar_);
            ganchoFrente_ = ganchoLugar_ = nullptr;
            if (acessivel_) acessivel_->Desligar();
            acessivel_ = nullptr;
            KillTimer(hwnd_, kTimerId);
            KillTimer(hwnd_, kTelaCheiaTimerId);
            KillTimer(hwnd_, kDeactivateTimerId);
            KillTimer(hwnd_, kTrayTimerId);
            FormDestroy();
            tray.reset();
            {
                // Answers still waiting would be lost with the window, and their icons with them.
                MSG m;
                while (PeekMessageW(&m, hwnd_, WM_ALVO_BUSCADO, WM_ALVO_BUSCADO, PM_REMOVE))
                    delete reinterpret_cast<TAlvoBuscado*>(m.lParam);
            }
            SetMainWindow(nullptr);
            PostQuitMessage(0);
            return 0;
        default:
            if (msg == objetosGdiMsg_ && objetosGdiMsg_) return GdiObjectsLive() + IconsLive();
            if (msg == itemMenuMsg_ && itemMenuMsg_) return ItemMenu(wp, lp);
            if (msg == atalhosMsg_ && atalhosMsg_) {
                if (wp == 0) return static_cast<LRESULT>(botoes_.Botoes().size());
                if (wp == 1) return static_cast<LRESULT>(menuShortcuts_.size());
                if (wp == 2) return reconstrucoes_;
                LRESULT pendentes = 0;
                for (std::size_t i = 0; busca_ && i < botoes_.Botoes().size(); ++i)
                    pendentes += busca_->Botao(i).estado == TBuscaAlvos::Estado::Pendente;
                return pendentes;
            }
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace nq
