#pragma once
// What tests reach of the running program, in one place: the PIVEL_* variables that change how it
// starts, and the registered messages through which another process asks the bar what it holds.
// Nothing here is for the user.

#include <windows.h>

#include <string>

#include "menus/NqMenus.h"

namespace nq {

class TfrmMainPivel;

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
// buttons still wait for what the background worker finds out about their targets, 4 the first button
// that shows in the scrolled panel.
constexpr const wchar_t* kMsgAtalhos = L"Pivel.Atalhos";
// A registered message that the bar answers, while a menu of its own is open, with a global atom holding
// the text of the entry at position wParam of the menu (lParam 0) or of the open "Outros atalhos" submenu
// (lParam 1) as the system menu keeps it for screen readers, preceded by "!" for the default entry; 0
// when there is no such entry. The asker deletes the atom.
constexpr const wchar_t* kMsgTextoMenu = L"Pivel.TextoMenu";
// A registered message that the bar answers with a global atom holding the caption of button wParam as
// it is drawn, its lines joined by "\n"; 0 when there is no such button. The asker deletes the atom.
constexpr const wchar_t* kMsgLegenda = L"Pivel.Legenda";
// A registered message that scrolls the open bar's buttons by wParam of them (negative: up) and paints
// the bar at once, as a turn of the wheel does; the answer is the time that took in microseconds, or -1
// when the buttons did not move (an end was reached). For the benchmark.
constexpr const wchar_t* kMsgRolar = L"Pivel.Rolar";
// A registered message that takes monitors out of the list the bar reads, as if they had been unplugged:
// wParam has bit n-1 set for monitor n (0 puts every monitor back). The bar then hears of a changed
// display, and answers with the number of monitors it sees.
constexpr const wchar_t* kMsgMonitores = L"Pivel.Monitores";
// A registered message whose handler throws, with the text kFalhaDeTeste: what the bar does with a
// failure that escapes a handler.
constexpr const wchar_t* kMsgFalhar = L"Pivel.Falhar";
constexpr const char* kFalhaDeTeste = "Falha provocada pelo teste";

// Before anything else starts: PIVEL_ALVO_LENTO="ms:prefix" makes every check whether a path that
// begins with the prefix exists take that long first (a share that does not answer).
void InstalarAlvoLento();
// PIVEL_STARTUP_REPORT names a file that receives the start-up values as "name=value" lines (UTF-8);
// true when it was asked for, and the program then ends.
bool EscreverRelatorioInicio();
// PIVEL_PASTA_SOMENTE_LEITURA=1 makes the program's folder count as one the user cannot write (a
// standard user under Program Files), which a test user under Wine never meets.
bool PastaDoProgramaSomenteLeitura();
// PIVEL_UNIDADE_REMOVIVEL=1 makes the program's drive count as a removable one (a carried bar).
bool UnidadeRemovivelSimulada();
// PIVEL_SHELL names a program that the launches start in place of asking the shell, with the command
// line "verb|file|parameters|folder", so that a test sees what the shell would have been asked.
std::string ShellDeTeste();
// PIVEL_TIPO_MENU (0 to 4) paints the menus in another style, so that tests can look at every style;
// the bar's own style otherwise.
TTipoMenu TipoMenuBarra();

class TBarSondas {
public:
    explicit TBarSondas(TfrmMainPivel& barra);
    // True when msg was one of the registered questions, with its answer.
    bool Responder(UINT msg, WPARAM wp, LPARAM lp, LRESULT& resposta) const;

private:
    TfrmMainPivel& barra_;
    UINT objetosGdi_ = 0, itemMenu_ = 0, atalhos_ = 0, textoMenu_ = 0, legenda_ = 0, rolar_ = 0, monitores_ = 0, falhar_ = 0;
};

}  // namespace nq
