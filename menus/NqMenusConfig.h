#pragma once
// The menu settings dialog without its window: what it shows when it opens, and which of its controls
// are enabled for a choice. The window itself belongs to the dialog layer, which hands the user's
// choices to TNqMenu::AplicarEscolha on OK (through TNqMenu::DialogoConfig).

#include "menus/NqMenus.h"

namespace nq {

// The styles the dialog offers, in the order of its ESTILO group.
inline constexpr const char* kEstilosMenu[] = {"&1.Padrão com ícones", "&2.Estilo Office XP", "&3.Sem ícones",
                                               "&4.Estilo Windows 7"};

// The controls' values when the dialog opens for a renderer: its style (one beyond the group's last
// item shows the last), its icon size (0 and anything unknown as "Automático"), its font in the size
// box's range, and its three switches.
TMenusEscolha EscolhaInicial(const TNqMenu& menu);

// Which controls a choice leaves enabled.
struct TMenusHabilitacao {
    bool icones = false;     // the icon-size group
    bool degrade = false;    // "F&undo dos ícones em degradê de cinza"
    bool semIcones = false;  // "Não e&xibir ícones nos menus"
    bool fonte = false;      // the font group and everything in it
    bool operator==(const TMenusHabilitacao&) const = default;
};
TMenusHabilitacao Habilitacao(int estilo, bool fonteWin);

}  // namespace nq
