#include "app/BarMenuWin32.h"

#include <exception>
#include <utility>

#include "app/BarSondasWin32.h"
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

}  // namespace

TBarMenu::TBarMenu(TfrmMainPivel& barra) : barra_(barra) {
    nqSobre1.SetMenuSobre(mnSobre);
}

// The popup menu's entries, as the window describes them, and the renderer that paints them.
void TBarMenu::CriarMenu() {
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
    // "Configurações" offers the renderer's own window ("Aparência do menu...").
    NqMenu1->DialogoConfig = MostrarMenusConfig;
    // The look the user chose, as the file keeps it; a file without it leaves the design's.
    if (NqIni) NqMenu1->ConfigLoad();
}

TNqMenu& TBarMenu::Renderizador() {
    if (!NqMenu1) CriarMenu();
    return *NqMenu1;
}

void TBarMenu::BuildPopupMenu() {
    if (!NqMenu1) CriarMenu();
    // Windows' light or dark mode may have changed since the last menu ("ImmersiveColorSet"): the next
    // menu follows it without a restart.
    if (NqMenu1->Escuro() != menuSistema_.ModoEscuro()) NqMenu1->Atualizar();
    const int dpi = barra_.Dpi();
    if (!imgMenu || imgMenuDpi_ != dpi) {
        // imgMenu: 16 x 16 at 96 dpi, loaded at the bar's density so that they stay sharp.
        imgMenu = std::make_unique<TImageListWin32>(barra_.S(16));
        for (int id : {IDI_MENU_CONFIG, IDI_MENU_ATALHOS, IDI_MENU_INCLUIR, IDI_MENU_SOBRE, 0, IDI_MENU_FINALIZAR})
            imgMenu->AddResource(id);
        imgMenuDpi_ = dpi;
        pmEdita.Images = imgMenu.get();
    }
    // The tray icon's menu opens while a dialog edits a record too: what would begin or drop records waits.
    for (int i = 0; i < pmEdita.Items().Count(); ++i) {
        TMenuItem& item = pmEdita.Items().Items(i);
        if (item.Command == mnIncluir || item.Command == mnExcluirIcons || item.Command == mnConfig)
            item.Enabled = !barra_.cdsEdicao.Ativa();
    }
    // "Outros atalhos": one entry per menu shortcut, each hooked to the renderer once its caption is set.
    mnAtalhosItem_->Clear();
    for (std::size_t i = 0; i < atalhos_.size(); ++i) {
        // A menu would take "&" for an access key; the title shows it as it is.
        auto item = NewItem(nullptr, StrTran(atalhos_[i].caption, "&", "&&"), static_cast<UINT>(mnAtalhoPrimeiro + i));
        item->Hint = atalhos_[i].hint;
        NqMenu1->AtivarIndiv(*item, true);
        mnAtalhosItem_->Add(std::move(item));
    }
    pmEditaWin32_.Criar();
}

void TBarMenu::Mostrar(POINT tela, HWND antes) {
    const HWND janela = barra_.hwnd();
    if (aberto_ || !janela) return;
    aberto_ = true;
    BuildPopupMenu();
    // Another program's window that had the keyboard gets it back once the command has run (the bar must
    // be in front for its menu to work).
    antes = JanelaDoUsuario(antes ? antes : GetForegroundWindow());
    DWORD processo = 0;
    if (antes) GetWindowThreadProcessId(antes, &processo);
    if (processo == GetCurrentProcessId()) antes = nullptr;
    UINT escolha = 0;
    if (HMENU menu = pmEditaWin32_.Handle()) {
        SetForegroundWindow(janela);
        escolha = static_cast<UINT>(
            TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, tela.x, tela.y, 0, janela, nullptr));
    }
    aberto_ = false;
    // The menu ran its own loop: the window may have been destroyed meanwhile.
    if (!barra_.hwnd() || barra_.Destruida()) return;
    // The choice runs as WM_COMMAND, from the message loop, now that the menu's own loop has ended.
    if (escolha) {
        voltar_ = antes;
        PostMessageW(janela, WM_COMMAND, escolha, 0);
    } else {
        if (antes && IsWindow(antes)) SetForegroundWindow(antes);
        PostMessageW(janela, WM_NULL, 0, 0);
    }
}

void TBarMenu::DevolverTeclado(bool lancou) {
    HWND voltar = std::exchange(voltar_, nullptr);
    if (!voltar || lancou || !IsWindow(voltar)) return;  // a launched program keeps what it took
    HWND frente = GetForegroundWindow();
    DWORD processo = 0;
    if (frente) GetWindowThreadProcessId(frente, &processo);
    if (!frente || processo == GetCurrentProcessId()) SetForegroundWindow(voltar);
}

bool TBarMenu::Mensagem(UINT msg, WPARAM wp, LPARAM lp, LRESULT& resposta) {
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
        default:
            return false;
    }
}

LRESULT TBarMenu::ItemMenu(WPARAM pos, LPARAM submenu) const {
    HMENU menu = aberto_ ? pmEditaWin32_.Handle() : nullptr;
    if (menu && submenu) menu = GetSubMenu(menu, 0);
    RECT r{};
    if (!menu || !GetMenuItemRect(barra_.hwnd(), menu, static_cast<UINT>(pos), &r)) return -1;
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_FTYPE;
    GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mi);
    return (mi.fType & MFT_OWNERDRAW ? kItemMenuDesenhado : 0) | (r.bottom - r.top);
}

void TBarMenu::Executar(UINT id) {
    ExecutarComando(id);
    DevolverTeclado(id >= mnAtalhoPrimeiro);
}

void TBarMenu::ExecutarComando(UINT id) {
    if (nqSobre1.MenuSobreClick(id)) return;
    if (id >= mnAtalhoPrimeiro) {
        // The entry chosen names its target in its hint, whatever the bar rebuilt while the menu was open.
        if (const TMenuItem* item = pmEditaWin32_.ItemDoComando(id); item && item->Parent() == mnAtalhosItem_) {
            barra_.Lancamento().clickIcone([hint = item->Hint] { return readProgramData(hint); });
            return;
        }
        const std::size_t i = id - mnAtalhoPrimeiro;
        if (i >= atalhos_.size()) return;
        barra_.Lancamento().clickIcone([hint = atalhos_[i].hint] { return readProgramData(hint); });
        return;
    }
    switch (id) {
        case mnIncluir: mnIncluirClick(); break;
        case mnExcluirIcons: mnExcluirIconsClick(); break;
        case mnConfig: mnConfigClick(); break;
        case mnDesativarInic: mnDesativarInicClick(); break;
        case mnFinalizar: barra_.Finalizar(); break;
        default: break;
    }
}

void TBarMenu::mnIncluirClick() {
    TClientDataset& cds = barra_.cds;
    if (!frmItensEdita || barra_.cdsEdicao.Ativa()) return;
    bool confirmado = false;
    try {
        TEdicaoEmCurso edicao(&barra_.cdsEdicao);
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
    barra_.AtualizarIcones();
    barra_.Gravacao().SalvarAgora();
}

void TBarMenu::mnExcluirIconsClick() {
    if (barra_.cdsEdicao.Ativa()) return;
    if (!MsgBoxConf("Limpar todos os ícones da Pivel?", 1)) return;
    if (!MsgBoxConf("Confirma limpar todos os ícones da Pivel?", 1)) return;
    barra_.cds.EmptyDataSet();
    barra_.AtualizarIcones();
}

void TBarMenu::mnDesativarInicClick() {
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
        if (janela->Tag == 1) {
            barra_.Salvar();
            barra_.AtualizarIcones();
            barra_.TeclaGlobal().Registrar();  // the key may have changed
        }
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
}

}  // namespace nq
