#include "menus/NqMenusWin32.h"

#include "ui/TemaWin32.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "support/NqOutrosWin32.h"
#include "support/Platform.h"
#include "support/Win32Text.h"
#include "ui/GdiCanvasWin32.h"
#include "ui/GdiWin32.h"

namespace nq {

// --- The system's answers -------------------------------------------------------------------------------

bool TMenuSistemaWin32::UseThemes() {
    return CurrentPlatform().system->VisualStylesActive();
}

int TMenuSistemaWin32::VersaoPrincipal() { return VersaoMaiorSO(); }

bool TMenuSistemaWin32::ModoEscuro() { return ModoEscuroDoWindows(); }

TColor TMenuSistemaWin32::CorSistema(int index) {
    return static_cast<TColor>(GetSysColor(index) & 0xFFFFFF);
}

TFonteSistema TMenuSistemaWin32::FonteMenu(int dpi) {
    if (dpi <= 0) dpi = 96;
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    int altura = 0;
    if (SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, static_cast<UINT>(dpi))) {
        altura = std::abs(ncm.lfMenuFont.lfHeight);
    } else if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
        // Given for the system's density: brought to the one asked for.
        altura = MulDiv(std::abs(ncm.lfMenuFont.lfHeight), dpi, static_cast<int>(GetDpiForSystem()));
    }
    const LOGFONTW& lf = ncm.lfMenuFont;
    TFonteSistema f;
    if (altura <= 0 || !lf.lfFaceName[0]) {
        f.font = TFont{"Segoe UI", 9, clMenuText};
        return f;
    }
    f.font.name = Narrow(lf.lfFaceName);
    f.font.size = std::max(1, MulDiv(altura, 72, dpi));
    f.font.color = clMenuText;
    f.font.bold = lf.lfWeight >= FW_BOLD;
    f.font.italic = lf.lfItalic != 0;
    f.font.underline = lf.lfUnderline != 0;
    f.font.strikeOut = lf.lfStrikeOut != 0;
    f.altura = altura;
    return f;
}

// --- The system menu -------------------------------------------------------------------------------------

namespace {

// Enabled, and not refused by the renderer that paints it.
bool Escolhivel(const TMenuItem& item) {
    return item.Enabled && (!item.OnPodeEscolher || item.OnPodeEscolher(item));
}

}  // namespace

HMENU TMenuWin32::Criar() {
    Destruir();
    registros_.clear();
    recusados_ = 0;
    proximoComando_ = kPrimeiroComandoLivre;
    handle_ = menu_.IsMainMenu() ? CreateMenu() : CreatePopupMenu();
    if (handle_) Preencher(handle_, menu_.Items());
    return handle_;
}

void TMenuWin32::Destruir() {
    if (handle_) DestroyMenu(handle_);  // its submenus go with it
    handle_ = nullptr;
}

void TMenuWin32::Preencher(HMENU menu, const TMenuItem& pai) {
    UINT pos = 0;
    for (int i = 0; i < pai.Count(); ++i) {
        TMenuItem& item = pai.Items(i);
        if (!item.Visible) continue;
        const UINT comando = item.Command ? item.Command : proximoComando_++;
        if (comando > 0xFFFF) {  // a command the window would never receive whole
            ++recusados_;
            continue;
        }
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        mi.wID = comando;
        std::wstring texto;
        if (item.IsLine()) {
            mi.fType = MFT_SEPARATOR;
        } else {
            mi.fType = MFT_STRING;
            mi.fMask |= MIIM_STRING;
            texto = Wide(item.Caption);
            const std::string atalho = ShortCutToText(item.ShortCut);
            if (!atalho.empty()) texto += L"\t" + Wide(atalho);
            mi.dwTypeData = texto.data();
        }
        if (item.RadioItem) mi.fType |= MFT_RADIOCHECK;
        mi.fState = (item.Enabled ? MFS_ENABLED : MFS_DISABLED) | (item.Checked ? MFS_CHECKED : 0u) |
                    (item.Default ? MFS_DEFAULT : 0u);

        const std::size_t antes = registros_.size();
        HMENU sub = nullptr;
        if (item.Count() > 0) {
            sub = CreatePopupMenu();
            if (sub) {
                Preencher(sub, item);
                mi.fMask |= MIIM_SUBMENU;
                mi.hSubMenu = sub;
            } else {
                ++recusados_;  // the entry stays, without its submenu
            }
        }
        registros_.push_back(Registro{&item, menu, pos, comando});
        const bool desenhado = menu_.OwnerDraw && item.OnMeasureItem && item.OnDrawItem;
        if (desenhado) {
            mi.fType |= MFT_OWNERDRAW;
            mi.dwItemData = registros_.size();
        }
        bool ok = InserirItem(menu, pos, TRUE, &mi);
        if (!ok && desenhado) {
            mi.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
            mi.dwItemData = 0;
            ok = InserirItem(menu, pos, TRUE, &mi);
            if (ok) ++recusados_;
        }
        if (!ok) {
            registros_.resize(antes);
            if (sub) DestroyMenu(sub);
            ++recusados_;
            continue;
        }
        ++pos;
    }
}

bool TMenuWin32::Medir(MEASUREITEMSTRUCT& mis, int dpi) {
    if (mis.CtlType != ODT_MENU || mis.itemData == 0 || mis.itemData > registros_.size()) return false;
    TMenuItem& item = *registros_[mis.itemData - 1].item;
    if (!item.OnMeasureItem) return false;
    const MemoryDC dc(nullptr);
    if (!dc.get()) return false;
    int w = static_cast<int>(mis.itemWidth), h = static_cast<int>(mis.itemHeight);
    {
        TGdiCanvas canvas(dc.get(), dpi);
        item.OnMeasureItem(item, canvas, w, h);
    }
    mis.itemWidth = static_cast<UINT>(std::max(0, w));
    mis.itemHeight = static_cast<UINT>(std::max(0, h));
    return true;
}

bool TMenuWin32::Desenhar(const DRAWITEMSTRUCT& dis, int dpi) {
    if (dis.CtlType != ODT_MENU || dis.itemData == 0 || dis.itemData > registros_.size()) return false;
    const Registro& r = registros_[dis.itemData - 1];
    if (reinterpret_cast<HMENU>(dis.hwndItem) != r.menu || !r.item->OnDrawItem) return false;
    const TMenuItem& item = *r.item;
    {
        TGdiCanvas canvas(dis.hDC, dpi);
        const RECT& rc = dis.rcItem;
        item.OnDrawItem(
            item, canvas, RectLTRB(rc.left, rc.top, rc.right, rc.bottom),
            TOwnerDrawState{(dis.itemState & ODS_SELECTED) != 0, (dis.itemState & ODS_HOTLIGHT) != 0});
    }
    // The system paints a submenu's arrow over the entry once it is drawn, on the same context: a black
    // triangle in a white box, whatever the style and mode. The renderer drew its own, so the entry is
    // taken out of what the context may still paint.
    if (item.Count() > 0) {
        const RECT& rc = dis.rcItem;
        ExcludeClipRect(dis.hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    // An entry the renderer draws as a title is refused by the system menu too.
    if (item.Enabled && !Escolhivel(item)) EnableMenuItem(r.menu, r.pos, MF_BYPOSITION | MF_GRAYED);
    return true;
}

LRESULT TMenuWin32::MenuChar(wchar_t key, HMENU menu) const {
    const auto upper = [](wchar_t c) {
        return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(c))));
    };
    for (const Registro& r : registros_) {
        if (r.menu != menu || !Escolhivel(*r.item) || r.item->IsLine()) continue;
        const std::wstring caption = Wide(r.item->Caption);
        for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] != L'&') continue;
            if (caption[i + 1] == L'&') {
                ++i;  // "&&" is an ampersand shown
                continue;
            }
            if (upper(caption[i + 1]) == upper(key)) return MAKELRESULT(r.pos, MNC_EXECUTE);
            break;
        }
    }
    return 0;
}

TMenuItem* TMenuWin32::ItemDoComando(UINT id) const {
    for (const Registro& r : registros_)
        if (r.comando == id && r.item->Count() == 0) return r.item;
    return nullptr;
}

}  // namespace nq
