#pragma once
// The bar's popup menu and its commands: its entries and pictures, made from the rows of
// app/ComandosBarra.h, the "Outros atalhos" submenu of the shortcuts flagged for it, the renderer that
// paints them, and what each command does (its handler, in BarMenuWin32.cpp). The tray icon
// opens the same menu; a right click on a shortcut (its button, or its "Outros atalhos" entry) opens it
// with that shortcut's own commands on top.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/Barra.h"
#include "app/ComandosBarra.h"
#include "app/MenuAtalho.h"
#include "app/NqSobreWin32.h"
#include "menus/Menu.h"
#include "menus/NqMenus.h"
#include "menus/NqMenusWin32.h"
#include "ui/ImageListWin32.h"

namespace nq {

class TfrmMainPivel;

class TBarMenu {
public:
    explicit TBarMenu(TfrmMainPivel& barra);

    // The "Outros atalhos" entries of the last rebuild.
    void DefinirAtalhos(std::vector<TMenuAtalho> atalhos) { atalhos_ = std::move(atalhos); }
    std::size_t Atalhos() const { return atalhos_.size(); }

    // Shows the menu at a screen point and runs its loop; nothing while it is open already. From the tray
    // icon, `antes` is the window that had the keyboard: it gets it back once the command has run. With a
    // shortcut, its own commands come first.
    void Mostrar(POINT tela, HWND antes = nullptr, const std::optional<TAtalhoDoMenu>& atalho = std::nullopt);
    bool Aberto() const { return aberto_; }
    // WM_COMMAND of a menu entry or a key: the command's handler, unless it waits for a record being
    // edited; then the keyboard back to the program that had it, unless the command launched one.
    void Executar(UINT id);
    // WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR of the owner-drawn entries, WM_MENUSELECT and
    // WM_MENURBUTTONUP; true when answered.
    bool HandleMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& resposta);
    // The height of an entry of the open menu (see kMsgItemMenu), and its text (see kMsgTextoMenu).
    LRESULT ItemMenu(WPARAM pos, LPARAM submenu) const;
    LRESULT TextoItemMenu(WPARAM pos, LPARAM submenu) const;

    // The commands' handlers and what they reach.
    TfrmMainPivel& Barra() const { return barra_; }
    void mnIncluirClick();
    void mnExcluirIconsClick();
    void mnDesativarInicClick();
    void mnConfigClick();
    void mnSobreClick() { nqSobre1.MenuSobreClick(mnSobre); }
    // The edit dialog on a record that `comecar` begins (Append, or Edit of a shortcut), posted on OK;
    // then the bar is rebuilt and saved.
    void EditarNoDialogo(const std::function<bool()>& comecar, const std::string& caption);
    // The title's menu button: "Configurações", or with Ctrl the end of the program.
    void bConfigClick(bool ctrl);
    // The renderer that paints the menus, made with the look the settings file remembers.
    TNqMenu& Renderizador();

private:
    void CriarMenu();
    // An "Outros atalhos" entry chosen: its shortcut launched.
    void LancarEntrada(UINT id);
    // The shortcut of an "Outros atalhos" entry of the menu shown.
    std::optional<TAtalhoDoMenu> AtalhoDaEntrada(UINT id) const;
    // The right button let go over an "Outros atalhos" entry: the menu ends, and that entry's own menu
    // follows.
    void DireitoNaEntrada(UINT id);
    HMENU SubmenuAtalhos() const;
    void MostrarDicaDaEntrada(UINT id, HMENU menu);
    // The menu loop's messages, while a menu of the bar's is open.
    static LRESULT CALLBACK FiltroDoMenu(int code, WPARAM wp, LPARAM lp);
    static TBarMenu* noFiltro_;
    // After a command chosen from the tray icon's menu: the keyboard back to the program that had it.
    void DevolverTeclado(bool lancou);
    void BuildPopupMenu(const TAtalhoDoMenu* atalho);

    TfrmMainPivel& barra_;
    std::vector<TMenuAtalho> atalhos_;
    // The popup menu, painted by the menu renderer NqMenu1, and its pictures at the bar's density.
    TMenuOwner componentes_;
    TPopupMenu pmEdita{&componentes_};
    TMenuItem* mnAtalhosItem_ = nullptr;  // "Outros atalhos"
    std::vector<std::pair<const TComandoBarra*, TMenuItem*>> itens_;  // each row's entry
    std::vector<int> imagens_;  // the rows' pictures, each once: the picture list's order
    std::vector<TMenuAtalho> atalhosMostrados_;  // the "Outros atalhos" entries of the menu shown
    std::optional<TAtalhoDoMenu> atalhoAberto_;   // the shortcut of the menu shown
    std::optional<TAtalhoDoMenu> atalhoEscolhido_;  // the shortcut of the command chosen
    UINT selecionado_ = 0;  // the entry under the pointer or the keys
    UINT direitoEm_ = 0;    // the "Outros atalhos" entry the right button was let go over
    TMenuSistemaWin32 menuSistema_;
    std::unique_ptr<TNqMenu> NqMenu1;
    TMenuWin32 pmEditaWin32_{pmEdita};
    std::unique_ptr<TImageListWin32> imgMenu;
    int imgMenuDpi_ = 0;
    bool imgMenuEscuro_ = false;  // made of the dark mode's pictures
    bool aberto_ = false;
    HWND dicaMenu_ = nullptr;  // the "Outros atalhos" entries' tooltip, a child of the bar's
    TTTOOLINFOW dicaInfo_{};
    HWND voltar_ = nullptr;  // had the keyboard when the menu opened from the tray icon
    TNqSobre nqSobre1;
};

}  // namespace nq
