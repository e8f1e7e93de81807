#pragma once
// The system side of the menus: the renderer's questions answered by the running system, and a menu of
// the model made into a real menu whose owner-drawn items the window's WM_MEASUREITEM and WM_DRAWITEM
// hand to the renderer through the GDI canvas.

#include <windows.h>

#include <functional>
#include <vector>

#include "menus/Menu.h"
#include "menus/NqMenus.h"

namespace nq {

class TMenuSistemaWin32 final : public IMenuSistema {
public:
    bool UseThemes() override;
    int VersaoPrincipal() override;
    bool EmDesign() override { return false; }
    TColor CorSistema(int index) override;
    TFonteSistema FonteMenu(int dpi) override;
    bool ModoEscuro() override;
};

class TMenuWin32 {
public:
    explicit TMenuWin32(TMenu& menu) : menu_(menu) {}
    ~TMenuWin32() { Destruir(); }
    TMenuWin32(const TMenuWin32&) = delete;
    TMenuWin32& operator=(const TMenuWin32&) = delete;

    // Makes the system menu again from the model, the previous one destroyed. The visible items become
    // owner-drawn when the menu is and they have both handlers. An item the system refuses is tried
    // again as a plain item and then left out, so the menu always opens with what could be made;
    // nullptr only when the menu itself could not be made. The model must stay as it is while the
    // system menu lives.
    HMENU Criar();
    void Destruir();
    HMENU Handle() const { return handle_; }

    // WM_MEASUREITEM and WM_DRAWITEM for this menu's items, at a density; false for anything else. An
    // entry with a submenu is left with the renderer's arrow only: the system's is kept off it.
    bool Medir(MEASUREITEMSTRUCT& mis, int dpi);
    bool Desenhar(const DRAWITEMSTRUCT& dis, int dpi);
    // WM_MENUCHAR: the entry of that system menu whose access key ("&x") was typed, to be chosen, or
    // 0 (let the system decide).
    LRESULT MenuChar(wchar_t key, HMENU menu) const;
    // The item of a command identifier of the last menu made, or nullptr.
    TMenuItem* ItemDoComando(UINT id) const;
    // How many items the last Criar made plain or left out.
    int Recusados() const { return recusados_; }

    // How an item goes into a system menu; tests put one that refuses.
    std::function<BOOL(HMENU, UINT, BOOL, const MENUITEMINFOW*)> InserirItem =
        [](HMENU m, UINT pos, BOOL byPos, const MENUITEMINFOW* mi) {
            return InsertMenuItemW(m, pos, byPos, mi);
        };
    // Commands handed out to items whose Command is 0.
    static constexpr UINT kPrimeiroComandoLivre = 0xE000;

private:
    struct Registro {
        TMenuItem* item;
        HMENU menu;
        UINT pos;
        UINT comando;
    };
    void Preencher(HMENU menu, const TMenuItem& pai);

    TMenu& menu_;
    HMENU handle_ = nullptr;
    std::vector<Registro> registros_;  // an owner-drawn item's data is its index here plus one
    UINT proximoComando_ = kPrimeiroComandoLivre;
    int recusados_ = 0;
};

}  // namespace nq
