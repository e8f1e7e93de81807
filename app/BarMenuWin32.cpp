#include "app/BarMenuWin32.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <utility>

#include "app/BarSondasWin32.h"
#include "app/Barra.h"
#include "app/MainWin32.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/NqIniFiles.h"
#include "dialogs/ConfigWin32.h"
#include "dialogs/ItensEditaWin32.h"
#include "menus/NqMenusConfigWin32.h"
#include "resource.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqFunWin32.h"

namespace nq {

namespace {

// An "Outros atalhos" entry's launch: its target and parameters from its hint, its title to tell a failure.
std::function<TAtalhoRec()> LerEntrada(std::string hint, std::string titulo) {
    return [hint = std::move(hint), titulo = std::move(titulo)] {
        TAtalhoRec r = readProgramData(hint);
        r.titulo = titulo;
        return r;
    };
}

// The taskbar and the notification area (Windows', or the window Wine shows the icons in without one).
bool DaBarraDeTarefas(HWND w) {
    wchar_t classe[48] = L"";
    GetClassNameW(w, classe, 48);
    for (const wchar_t* c : {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd", L"NotifyIconOverflowWindow",
                             L"__winex11_standalone_tray"})
        if (lstrcmpW(classe, c) == 0) return true;
    return false;
}

// The window the user works in, given the one in front: a click on the tray icon puts the taskbar in
// front, and the user's window is then the first visible one of another program below it.
HWND JanelaDoUsuario(HWND frente) {
    if (!frente || !DaBarraDeTarefas(frente)) return frente;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == GetDesktopWindow() || w == GetShellWindow()) break;
        DWORD processo = 0;
        GetWindowThreadProcessId(w, &processo);
        if (!IsWindowVisible(w) || DaBarraDeTarefas(w) || processo == GetCurrentProcessId() ||
            (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
            continue;
        return w;
    }
    return nullptr;
}

// A picture of the menu as the dark mode shows it: the few that would sink into the dark gutter (the
// dark red bars, the grey bin) have light versions.
int ImagemDoModo(int id, bool escuro) {
    if (!escuro) return id;
    switch (id) {
        case IDI_MENU_CONFIG:
            return IDI_MENU_CONFIG_ESCURO;
        case IDI_MENU_EXCLUIR:
            return IDI_MENU_EXCLUIR_ESCURO;
        default:
            return id;
    }
}

}  // namespace

TBarMenu* TBarMenu::noFiltro_ = nullptr;

TBarMenu::TBarMenu(TfrmMainPivel& barra) : barra_(barra) {
    nqSobre1.SetMenuSobre(mnSobre);
}

// The popup menu's entries, as the window describes them, and the renderer that paints them.
void TBarMenu::CriarMenu() {
    // One entry per row, in their order; each row's picture once in the picture list.
    itens_.clear();
    imagens_.clear();
    for (const TComandoBarra& c : kComandosBarra) {
        TMenuItem& item = pmEdita.Items().Add(NewItem(&componentes_, c.texto, c.id));
        if (c.imagem != 0) {
            auto lugar = std::find(imagens_.begin(), imagens_.end(), c.imagem);
            if (lugar == imagens_.end()) lugar = imagens_.insert(lugar, c.imagem);
            item.ImageIndex = static_cast<int>(lugar - imagens_.begin());
        }
        item.ShortCut = TextToShortCut(c.tecla);
        item.Visible = Oferecido(c, nullptr);
        itens_.emplace_back(&c, &item);
        if (c.id == mnAtalhos) mnAtalhosItem_ = &item;
    }

    NqMenu1 = std::make_unique<TNqMenu>(&componentes_, menuSistema_);
    NqMenu1->Name = "NqMenu1";
    // The window's description gives these through the setters, which hook every entry above.
    NqMenu1->SetFont(TFont{"Segoe UI", 9, clMenuText});
    NqMenu1->SetTipoMenu(TipoMenuBarra());
    NqMenu1->SetSessaoIni("Menus");
    // "Configurações" offers the renderer's own window ("Aparência do menu...").
    NqMenu1->DialogoConfig = MostrarMenusConfig;
    // The look the user chose, as the file keeps it; a file without it leaves the design's.
    if (NqIni) NqMenu1->ConfigLoad();
}

TNqMenu& TBarMenu::Renderizador() {
    if (!NqMenu1) CriarMenu();
    return *NqMenu1;
}

void TBarMenu::BuildPopupMenu(const TAtalhoDoMenu* atalho) {
    if (!NqMenu1) CriarMenu();
    // Windows' light or dark mode may have changed since the last menu ("ImmersiveColorSet"): the next
    // menu follows it without a restart.
    if (NqMenu1->Escuro() != menuSistema_.ModoEscuro()) NqMenu1->Atualizar();
    const int dpi = barra_.Dpi();
    const bool escuro = NqMenu1->Escuro();
    if (!imgMenu || imgMenuDpi_ != dpi || imgMenuEscuro_ != escuro) {
        // imgMenu: 16 x 16 at 96 dpi, loaded at the bar's density so that they stay sharp, in the mode's
        // versions.
        imgMenu = std::make_unique<TImageListWin32>(barra_.S(16));
        for (int id : imagens_) imgMenu->AddResource(ImagemDoModo(id, escuro));
        imgMenuDpi_ = dpi;
        imgMenuEscuro_ = escuro;
        pmEdita.Images = imgMenu.get();
    }
    // The entries the menu offers, for the shortcut it opens on; the tray icon's menu opens while a dialog
    // edits a record too: what would begin, change or drop records waits.
    for (auto& [c, item] : itens_) {
        item->Visible = Oferecido(*c, atalho);
        item->Enabled = !(c->esperaEdicao && barra_.cdsEdicao.Ativa());
        if (!item->Visible) continue;
        item->Caption = TextoDoComando(*c, atalho);
        item->Default = c->padrao;
    }
    // "Outros atalhos": one entry per menu shortcut, each hooked to the renderer once its caption is set.
    atalhosMostrados_ = atalhos_;
    mnAtalhosItem_->Clear();
    for (std::size_t i = 0; i < atalhosMostrados_.size(); ++i) {
        // A menu would take "&" for an access key; the title shows it as it is.
        auto item = NewItem(nullptr, StrTran(atalhosMostrados_[i].caption, "&", "&&"),
                            static_cast<UINT>(mnAtalhoPrimeiro + i));
        item->Hint = atalhosMostrados_[i].hint;
        NqMenu1->AtivarIndiv(*item, true);
        mnAtalhosItem_->Add(std::move(item));
    }
    pmEditaWin32_.Criar();
}

void TBarMenu::Mostrar(POINT tela, HWND antes, const std::optional<TAtalhoDoMenu>& atalho) {
    const HWND janela = barra_.hwnd();
    if (aberto_ || !janela) return;
    aberto_ = true;
    atalhoAberto_ = atalho;
    BuildPopupMenu(atalho ? &*atalho : nullptr);
    // Another program's window that had the keyboard gets it back once the command has run (the bar must
    // be in front for its menu to work).
    antes = JanelaDoUsuario(antes ? antes : GetForegroundWindow());
    DWORD processo = 0;
    if (antes) GetWindowThreadProcessId(antes, &processo);
    if (processo == GetCurrentProcessId()) antes = nullptr;
    UINT escolha = 0;
    selecionado_ = direitoEm_ = 0;
    if (HMENU menu = pmEditaWin32_.Handle()) {
        SetForegroundWindow(janela);
        // The menu's own loop shows its messages to this filter first: a right button let go over an
        // "Outros atalhos" entry opens that entry's menu instead of choosing it.
        noFiltro_ = this;
        HHOOK filtro = SetWindowsHookExW(WH_MSGFILTER, FiltroDoMenu, nullptr, GetCurrentThreadId());
        escolha = static_cast<UINT>(
            TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, tela.x, tela.y, 0, janela, nullptr));
        if (filtro) UnhookWindowsHookEx(filtro);
        noFiltro_ = nullptr;
        MostrarDicaDaEntrada(0, nullptr);
    }
    aberto_ = false;
    // The menu ran its own loop: the window may have been destroyed meanwhile.
    if (!barra_.hwnd() || barra_.Destruida()) return;
    // The choice runs as WM_COMMAND, from the message loop, now that the menu's own loop has ended.
    if (escolha) {
        voltar_ = antes;
        atalhoEscolhido_ = atalhoAberto_;
        PostMessageW(janela, WM_COMMAND, escolha, 0);
    } else if (const auto entrada = direitoEm_ ? AtalhoDaEntrada(direitoEm_) : std::nullopt) {
        POINT ponteiro{};
        GetCursorPos(&ponteiro);
        Mostrar(ponteiro, antes, entrada);
    } else {
        if (antes && IsWindow(antes)) SetForegroundWindow(antes);
        PostMessageW(janela, WM_NULL, 0, 0);
    }
}

LRESULT CALLBACK TBarMenu::FiltroDoMenu(int code, WPARAM wp, LPARAM lp) {
    if (code == MSGF_MENU && noFiltro_) {
        const MSG& m = *reinterpret_cast<const MSG*>(lp);
        if (m.message == WM_RBUTTONUP) {
            // Over the entry the menu has selected, in the submenu that is open.
            TBarMenu& b = *noFiltro_;
            const HMENU sub = b.SubmenuAtalhos();
            const UINT id = b.selecionado_;
            if (sub && b.AtalhoDaEntrada(id) &&
                MenuItemFromPoint(b.barra_.hwnd(), sub, m.pt) == static_cast<int>(id - mnAtalhoPrimeiro)) {
                b.DireitoNaEntrada(id);
                return TRUE;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void TBarMenu::DireitoNaEntrada(UINT id) {
    direitoEm_ = id;
    EndMenu();
}

std::optional<TAtalhoDoMenu> TBarMenu::AtalhoDaEntrada(UINT id) const {
    if (id < mnAtalhoPrimeiro || id - mnAtalhoPrimeiro >= atalhosMostrados_.size()) return std::nullopt;
    const TMenuAtalho& m = atalhosMostrados_[id - mnAtalhoPrimeiro];
    TAtalhoDoMenu a;
    a.registro = m.registro;
    a.titulo = m.caption;
    const std::size_t barra = m.hint.find('|');
    a.programa = m.hint.substr(0, barra);
    if (barra != std::string::npos) a.parametros = m.hint.substr(barra + 1);
    a.noMenu = true;
    return a;
}

HMENU TBarMenu::SubmenuAtalhos() const {
    const HMENU menu = pmEditaWin32_.Handle();
    const int n = menu ? GetMenuItemCount(menu) : 0;
    for (int i = 0; i < n; ++i)  // the one entry with a submenu
        if (HMENU sub = GetSubMenu(menu, i)) return sub;
    return nullptr;
}

// Beside an "Outros atalhos" entry under the pointer or the keys, a tooltip with its whole title and its
// target as typed; none for other entries.
void TBarMenu::MostrarDicaDaEntrada(UINT id, HMENU menu) {
    const auto entrada = menu && menu == SubmenuAtalhos() ? AtalhoDaEntrada(id) : std::nullopt;
    if (!entrada) {
        if (dicaMenu_) SendMessageW(dicaMenu_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&dicaInfo_));
        return;
    }
    if (!dicaMenu_) {
        dicaMenu_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, barra_.hwnd(),
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!dicaMenu_) return;
        dicaInfo_ = TTTOOLINFOW{};
        dicaInfo_.cbSize = sizeof dicaInfo_;
        dicaInfo_.uFlags = TTF_TRACK | TTF_ABSOLUTE;
        dicaInfo_.hwnd = barra_.hwnd();
        dicaInfo_.uId = 1;
        dicaInfo_.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(dicaMenu_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&dicaInfo_));
        SendMessageW(dicaMenu_, TTM_SETMAXTIPWIDTH, 0, barra_.S(480));
    }
    std::wstring largo = Wide(DicaDoAtalho(entrada->titulo, entrada->programa, entrada->parametros));
    dicaInfo_.lpszText = largo.data();  // the tooltip keeps a copy
    SendMessageW(dicaMenu_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&dicaInfo_));
    dicaInfo_.lpszText = nullptr;
    // The submenu's own window places the entry (not the bar, which does not hold it).
    RECT item{};
    GetMenuItemRect(nullptr, menu, id - mnAtalhoPrimeiro, &item);
    SendMessageW(dicaMenu_, TTM_TRACKPOSITION, 0, MAKELPARAM(item.left, item.bottom));
    SendMessageW(dicaMenu_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&dicaInfo_));
    // Its size is known once it shows: to the left of the entry, where the bar's menus open, or to its
    // right where the screen ends first.
    const LRESULT tamanho = SendMessageW(dicaMenu_, TTM_GETBUBBLESIZE, 0, reinterpret_cast<LPARAM>(&dicaInfo_));
    int x = item.left - LOWORD(tamanho) - barra_.S(4);
    if (x < GetSystemMetrics(SM_XVIRTUALSCREEN)) x = item.right + barra_.S(4);
    SendMessageW(dicaMenu_, TTM_TRACKPOSITION, 0, MAKELPARAM(x, item.top));
}

void TBarMenu::DevolverTeclado(bool lancou) {
    HWND voltar = std::exchange(voltar_, nullptr);
    if (!voltar || lancou || !IsWindow(voltar)) return;  // a launched program keeps what it took
    HWND frente = GetForegroundWindow();
    DWORD processo = 0;
    if (frente) GetWindowThreadProcessId(frente, &processo);
    if (!frente || processo == GetCurrentProcessId()) SetForegroundWindow(voltar);
}

bool TBarMenu::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& resposta) {
    const int dpi = barra_.Dpi();
    switch (msg) {
        case WM_MEASUREITEM:
            if (!pmEditaWin32_.Medir(*reinterpret_cast<MEASUREITEMSTRUCT*>(lp), dpi)) return false;
            resposta = TRUE;
            return true;
        case WM_DRAWITEM:
            if (!pmEditaWin32_.Desenhar(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp), dpi)) return false;
            resposta = TRUE;
            return true;
        case WM_MENUCHAR:
            resposta = pmEditaWin32_.MenuChar(LOWORD(wp), reinterpret_cast<HMENU>(lp));
            return resposta != 0;
        case WM_MENUSELECT:
            selecionado_ = HIWORD(wp) & MF_POPUP ? 0 : LOWORD(wp);
            // The menu closed (0xFFFF with no menu) or another entry: the tooltip follows.
            MostrarDicaDaEntrada(HIWORD(wp) == 0xFFFF && !lp ? 0 : selecionado_, reinterpret_cast<HMENU>(lp));
            return false;
        case WM_MENURBUTTONUP:
            // Where the system tells of it: the right button let go over an entry.
            if (reinterpret_cast<HMENU>(lp) == SubmenuAtalhos() && aberto_) {
                const UINT id = GetMenuItemID(reinterpret_cast<HMENU>(lp), static_cast<int>(wp));
                if (AtalhoDaEntrada(id)) DireitoNaEntrada(id);
            }
            return false;
        default:
            return false;
    }
}

LRESULT TBarMenu::ItemMenu(WPARAM pos, LPARAM submenu) const {
    HMENU menu = aberto_ ? pmEditaWin32_.Handle() : nullptr;
    if (menu && submenu) menu = SubmenuAtalhos();
    RECT r{};
    if (!menu || !GetMenuItemRect(barra_.hwnd(), menu, static_cast<UINT>(pos), &r)) return -1;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mi);
    return (mi.fType & MFT_OWNERDRAW ? kItemMenuDesenhado : 0) | (r.bottom - r.top);
}

LRESULT TBarMenu::TextoItemMenu(WPARAM pos, LPARAM submenu) const {
    HMENU menu = aberto_ ? pmEditaWin32_.Handle() : nullptr;
    if (menu && submenu) menu = SubmenuAtalhos();
    wchar_t texto[200] = L"";
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE;
    mi.dwTypeData = texto;
    mi.cch = 199;
    if (!menu || !GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mi)) return 0;
    const std::wstring resposta = mi.fType & MFT_SEPARATOR ? L"-"
                                  : (mi.fState & MFS_DEFAULT ? L"!" : L"") + std::wstring(texto);
    return GlobalAddAtomW(resposta.c_str());
}

namespace {

// A shortcut's own commands, on the shortcut its menu was opened for.

// What a click does: a button by its own state, an "Outros atalhos" entry by its hint.
void AbrirAtalho(TfrmMainPivel& barra, const TAtalhoDoMenu& a) {
    const auto& botoes = barra.Painel().Botoes();
    for (std::size_t i = 0; !a.noMenu && i < botoes.size(); ++i) {
        if (botoes[i].Registro() != a.registro) continue;
        barra.Lancamento().clickBotao(i);
        return;
    }
    barra.Lancamento().clickIcone(LerEntrada(a.programa + "|" + a.parametros, a.titulo));
}

void ComoAdministrador(TfrmMainPivel& barra, const TAtalhoDoMenu& a) {
    TIconeComando botao;
    botao.AddShortCut(a.titulo, a.programa, a.pasta, a.parametros);
    barra.Lancamento().clickIcone([botao] {
        TAtalhoRec r = readProgramData(botao);
        r.verbo = "runas";
        return r;
    });
}

void CopiarCaminho(TfrmMainPivel& barra, const TAtalhoDoMenu& a) {
    if (!CopiarTexto(barra.hwnd(), CaminhoParaCopiar(a.programa, a.parametros)))
        MsgBoxErro("Não foi possível copiar o caminho para a área de transferência.");
}

void EditarAtalho(TBarMenu& menu, const TAtalhoDoMenu& a) {
    TClientDataset& cds = menu.Barra().cds;
    menu.EditarNoDialogo(
        [&] {
            if (!IrParaAtalho(cds, a.registro)) return false;
            cds.Edit();
            return true;
        },
        "Alteração");
}

// A change of the catalogue made: the bar rebuilt and saved.
void Mudou(TfrmMainPivel& barra) {
    barra.AtualizarIcones();
    barra.Gravacao().SalvarAgora();
}

void MoverAtalho(TfrmMainPivel& barra, const TAtalhoDoMenu& a) {
    if (AlternarMenuDoAtalho(barra.cds, a.registro)) Mudou(barra);
}

void PerguntarEExcluir(TfrmMainPivel& barra, const TAtalhoDoMenu& a) {
    if (!MsgBoxConf(PerguntaExcluir(a.titulo), 2)) return;
    // A dialog may have begun editing while the question waited.
    if (barra.cdsEdicao.Ativa() || !ExcluirAtalho(barra.cds, a.registro)) return;
    Mudou(barra);
}

// Each command's handler, by the id of its row in kComandosBarra. The shortcut is the one the menu
// opened on, there for a shortcut's own command (nullptr otherwise).
struct TAcaoComando {
    MenuId id;
    void (*executar)(TBarMenu& menu, const TAtalhoDoMenu* atalho);
};
constexpr TAcaoComando kAcoes[] = {
    {mnAbrir, [](TBarMenu& m, const TAtalhoDoMenu* a) { AbrirAtalho(m.Barra(), *a); }},
    {mnAdministrador, [](TBarMenu& m, const TAtalhoDoMenu* a) { ComoAdministrador(m.Barra(), *a); }},
    {mnAbrirLocal, [](TBarMenu& m, const TAtalhoDoMenu* a) { m.Barra().Lancamento().AbrirLocal(a->programa); }},
    {mnCopiarCaminho, [](TBarMenu& m, const TAtalhoDoMenu* a) { CopiarCaminho(m.Barra(), *a); }},
    {mnEditar, [](TBarMenu& m, const TAtalhoDoMenu* a) { EditarAtalho(m, *a); }},
    {mnMover, [](TBarMenu& m, const TAtalhoDoMenu* a) { MoverAtalho(m.Barra(), *a); }},
    {mnExcluir, [](TBarMenu& m, const TAtalhoDoMenu* a) { PerguntarEExcluir(m.Barra(), *a); }},
    {mnIncluir, [](TBarMenu& m, const TAtalhoDoMenu*) { m.mnIncluirClick(); }},
    {mnExcluirIcons, [](TBarMenu& m, const TAtalhoDoMenu*) { m.mnExcluirIconsClick(); }},
    {mnConfig, [](TBarMenu& m, const TAtalhoDoMenu*) { m.mnConfigClick(); }},
    {mnSobre, [](TBarMenu& m, const TAtalhoDoMenu*) { m.mnSobreClick(); }},
    {mnDesativarInic, [](TBarMenu& m, const TAtalhoDoMenu*) { m.mnDesativarInicClick(); }},
    {mnFinalizar, [](TBarMenu& m, const TAtalhoDoMenu*) { m.Barra().Finalizar(); }},
    // The program's own folder, in the file manager, launched as a folder shortcut is.
    {mnAbrirPastaPrograma,
     [](TBarMenu& m, const TAtalhoDoMenu*) {
         m.Barra().Lancamento().clickIcone([pasta = DirAplic] {
             TAtalhoRec r;
             r.programa = pasta;
             r.isDirectory = true;
             r.titulo = "Abrir pasta do programa";
             r.programaDigitado = pasta;
             return r;
         });
     }},
};

constexpr const TAcaoComando* AcaoDe(unsigned id) {
    for (const TAcaoComando& a : kAcoes)
        if (a.id == id) return &a;
    return nullptr;
}

// Every row but the separators and the submenu has its handler.
constexpr bool TodasComAcao() {
    for (const TComandoBarra& c : kComandosBarra)
        if (c.id != mnSeparador && c.id != mnAtalhos && !AcaoDe(c.id)) return false;
    return true;
}
static_assert(TodasComAcao(), "a row of kComandosBarra without its handler in kAcoes");

}  // namespace

void TBarMenu::Executar(UINT id) {
    const std::optional<TAtalhoDoMenu> atalho = std::exchange(atalhoEscolhido_, std::nullopt);
    if (id >= mnAtalhoPrimeiro) {
        LancarEntrada(id);
        DevolverTeclado(true);
        return;
    }
    const TComandoBarra* c = ComandoBarra(id);
    const TAcaoComando* acao = c ? AcaoDe(c->id) : nullptr;
    const TAtalhoDoMenu* a = atalho ? &*atalho : nullptr;
    if (acao && Oferecido(*c, a) && !(c->esperaEdicao && barra_.cdsEdicao.Ativa())) acao->executar(*this, a);
    DevolverTeclado(c && c->lanca);
}

void TBarMenu::LancarEntrada(UINT id) {
    // The entry chosen names its target in its hint, whatever the bar rebuilt while the menu was open.
    if (const TMenuItem* item = pmEditaWin32_.ItemDoComando(id); item && item->Parent() == mnAtalhosItem_) {
        barra_.Lancamento().clickIcone(LerEntrada(item->Hint, StrTran(item->Caption, "&&", "&")));
        return;
    }
    const std::size_t i = id - mnAtalhoPrimeiro;
    if (i >= atalhos_.size()) return;
    barra_.Lancamento().clickIcone(LerEntrada(atalhos_[i].hint, atalhos_[i].caption));
}

void TBarMenu::EditarNoDialogo(const std::function<bool()>& comecar, const std::string& caption) {
    TClientDataset& cds = barra_.cds;
    if (!frmItensEdita || barra_.cdsEdicao.Ativa()) return;
    bool confirmado = false;
    try {
        TEdicaoEmCurso edicao(&barra_.cdsEdicao);
        if (!comecar()) return;
        confirmado = frmItensEdita->Open(caption);
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
    barra_.AtualizarIcones();
    barra_.Gravacao().SalvarAgora();
}

void TBarMenu::mnIncluirClick() {
    EditarNoDialogo(
        [&] {
            barra_.cds.Append();
            return true;
        },
        "");
}

void TBarMenu::mnExcluirIconsClick() {
    if (barra_.cdsEdicao.Ativa()) return;
    if (!MsgBoxConf("Limpar todos os ícones da Pivel?", 1)) return;
    if (!MsgBoxConf("Confirma limpar todos os ícones da Pivel?", 1)) return;
    barra_.cds.EmptyDataSet();
    barra_.AtualizarIcones();
}

void TBarMenu::mnDesativarInicClick() {
    if (!MsgBoxConf("Remover o Pivel da inicialização do Windows e finalizar?", 2)) return;
    try {
        IniciarComWindows(KEY_RUN_PIVEL, "", "", HKEY_CURRENT_USER, iwExcluir);
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
        return;
    }
    barra_.Finalizar();
}

void TBarMenu::bConfigClick(bool ctrl) {
    if (ctrl)
        barra_.Finalizar();
    else
        mnConfigClick();
}

void TBarMenu::mnConfigClick() {
    if (barra_.cdsEdicao.Ativa()) return;
    try {
        // Made for this one use, without an owner, and released on every path.
        auto janela = std::make_unique<TfrmConfig>(barra_);
        {
            // The window searches, filters and edits the catalogue: the bar's rebuilds, drops and a
            // log-off's save keep off it until it closes.
            TEdicaoEmCurso edicao(&barra_.cdsEdicao);
            janela->ShowModal(nullptr);
        }
        // What the window saved and the bar could not take while the window edited the catalogue.
        barra_.ConfigFechada();
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
}

}  // namespace nq
