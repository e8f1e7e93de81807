#pragma once
// The bar's commands, one row each: the popup menu's entries in their order, a shortcut's own entries on
// top of them when the menu opens on a shortcut, and the keys that run them. app/BarMenuWin32.cpp makes
// the menu, its pictures and the bar's keys from these rows, and runs each command's handler, found by
// its id; a command is its row here and its handler there.

#include <vector>

#include "app/MenuAtalho.h"
#include "menus/ShortCut.h"
#include "res/resource.h"

namespace nq {

// The commands' identifiers, as WM_COMMAND carries them.
enum MenuId : unsigned {
    mnSeparador = 0,  // a separator line: no command
    mnAtalhos = 100,  // "Outros atalhos", the submenu of the shortcuts kept there
    mnIncluir = 101,
    mnExcluirIcons = 102,
    mnConfig = 103,
    mnSobre = 104,
    mnDesativarInic = 105,
    mnFinalizar = 106,
    mnAbrirPastaPrograma = 107,
    // A shortcut's own commands.
    mnAbrir = 200,
    mnAdministrador = 201,
    mnAbrirLocal = 202,
    mnCopiarCaminho = 203,
    mnEditar = 204,
    mnMover = 205,
    mnExcluir = 206,
    // The "Outros atalhos" entries, one per shortcut in their order, from here on: a range, not a command.
    mnAtalhoPrimeiro = 1000,
};

// Whether an entry shows, given the shortcut the menu opened on (nullptr: the bar's own menu).
using TOferta = bool (*)(const TAtalhoDoMenu* atalho);

struct TComandoBarra {
    MenuId id;
    const char* texto;            // with its access key; "-" a separator line
    const char* tecla = "";       // its key, by the name the menu shows beside the text ("F5", "Shift+Esc")
    TShortCut teclaTambemCom = 0;  // modifiers that may be held with the key too
    int imagem = 0;               // its picture, an icon resource; 0 none
    bool doAtalho = false;        // a shortcut's own: shown and run only on the menu opened on one
    TOferta oferta = nullptr;     // when it shows besides; nullptr always
    bool esperaEdicao = false;    // greyed and refused while a dialog edits a record
    bool lanca = false;           // starts a program, which keeps the keyboard
    bool padrao = false;          // the default entry, drawn in bold: what a click does
    const char* textoNoMenu = nullptr;  // its text on an "Outros atalhos" entry's menu, where it differs
};

// The offers of the rows below.
bool EmModoProgramacao(const TAtalhoDoMenu* atalho);  // the bar started in programming mode
bool AlvoPrograma(const TAtalhoDoMenu* atalho);       // a program (EhPrograma)
bool AlvoNaoWeb(const TAtalhoDoMenu* atalho);         // anything but a web address

// The rows in the menu's order.
inline constexpr TComandoBarra kComandosBarra[] = {
    {.id = mnAbrir, .texto = "&Abrir", .imagem = IDI_MENU_ABRIR, .doAtalho = true, .lanca = true, .padrao = true},
    {.id = mnAdministrador, .texto = "Executar como a&dministrador", .imagem = IDI_MENU_ADMINISTRADOR,
     .doAtalho = true, .oferta = AlvoPrograma, .lanca = true},
    {.id = mnAbrirLocal, .texto = "Abrir &local do arquivo", .imagem = IDI_PASTA_ABERTA, .doAtalho = true,
     .oferta = AlvoNaoWeb, .lanca = true},
    {.id = mnCopiarCaminho, .texto = "&Copiar caminho", .imagem = IDI_MENU_COPIAR, .doAtalho = true},
    {.id = mnEditar, .texto = "&Editar...", .imagem = IDI_NAV_ALTERAR, .doAtalho = true, .esperaEdicao = true},
    {.id = mnMover, .texto = "&Mover para \"Outros atalhos\"", .imagem = IDI_MENU_ATALHOS, .doAtalho = true,
     .esperaEdicao = true, .textoNoMenu = "Exibir na &barra"},
    {.id = mnExcluir, .texto = "E&xcluir", .imagem = IDI_MENU_EXCLUIR, .doAtalho = true, .esperaEdicao = true},
    {.id = mnSeparador, .texto = "-", .doAtalho = true},
    {.id = mnAtalhos, .texto = "Outros atalhos", .imagem = IDI_MENU_ATALHOS},
    {.id = mnSeparador, .texto = "-"},
    {.id = mnIncluir, .texto = "Incluir atalho", .tecla = "Ins", .imagem = IDI_MENU_INCLUIR, .esperaEdicao = true},
    {.id = mnExcluirIcons, .texto = "Excluir todos os atalhos", .oferta = EmModoProgramacao, .esperaEdicao = true},
    {.id = mnConfig, .texto = "Configurações", .tecla = "F5", .teclaTambemCom = scShift | scCtrl,
     .imagem = IDI_MENU_CONFIG, .esperaEdicao = true},
    {.id = mnAbrirPastaPrograma, .texto = "Abrir pasta do programa", .imagem = IDI_PASTA_ABERTA, .lanca = true},
    {.id = mnSeparador, .texto = "-"},
    {.id = mnSobre, .texto = "Sobre...", .imagem = IDI_MENU_SOBRE},
    {.id = mnSeparador, .texto = "-"},
    {.id = mnDesativarInic, .texto = "Desinstalar"},
    {.id = mnFinalizar, .texto = "Finaliza&r", .tecla = "Shift+Esc", .teclaTambemCom = scCtrl,
     .imagem = IDI_MENU_FINALIZAR},
};

// The row of a command; nullptr for a separator or an id that names none.
const TComandoBarra* ComandoBarra(unsigned id);
// Whether a row's entry shows on the menu opened on a shortcut (nullptr: the bar's own menu), and its text
// there.
bool Oferecido(const TComandoBarra& c, const TAtalhoDoMenu* atalho);
const char* TextoDoComando(const TComandoBarra& c, const TAtalhoDoMenu* atalho);
// The command a key runs with the modifiers held (a ShortCut of the key, with Shift and Ctrl as held);
// nullptr when none.
const TComandoBarra* ComandoDaTecla(TShortCut tecla);
// A shortcut's own commands that its menu offers, in their order.
std::vector<const TComandoBarra*> EntradasDoAtalho(const TAtalhoDoMenu& a);

}  // namespace nq
