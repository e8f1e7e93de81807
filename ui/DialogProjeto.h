#pragma once
// A dialog as data: its caption, client size and font, and a table of its controls in 96-dpi pixels,
// written as the window's design lists them. The Win32 side (ui/DialogoWin32.h) turns a table into a
// real modal dialog; ui/DialogLayout.h places the controls for a density and a client size.

#include <string>
#include <vector>

#include "support/Font.h"
#include "support/NqOutros.h"
#include "ui/Geometry.h"

namespace nq {

enum class TipoControle {
    Rotulo,       // text label (windowed, so that access keys and screen readers find it)
    Edicao,       // one-line edit box
    Botao,        // push button, with an optional picture beside its caption
    BotaoPlano,   // flat button with a picture and no caption, outside the tab order
    Caixa,        // check box
    Opcao,        // radio button; a group starts at one flagged fGrupo
    Grupo,        // group box with a caption: drawn by its window, the controls inside it beside it
    Lista,        // list box
    Combo,        // drop-down list, or a drop-down with an edit box (fEditavel)
    Numero,       // number box: an edit box with up and down arrows
    Abas,         // tab control; its pages are the Pagina entries whose pai names it
    Pagina,       // one page of a tab control: a container of controls
    Painel,       // a plain container of controls
    TeclaAtalho,  // hot-key box
    Classe,       // a window of the class named in `classe`
    // Windowless: painted by the window that holds them (and so is Grupo).
    Imagem,  // an icon resource, drawn at its rectangle's size
    Faixa,   // filled rectangle with an outline (the white band behind pictures and texts)
    Linha,   // a bevel (TNqBevel): a line, or a frame or box by its shape; raised with fElevada
};

// Which edges of its container a control keeps its distance to when the container changes size.
enum Ancora : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
constexpr unsigned akPadrao = akLeft | akTop;

// How a control fills its container; aligned controls are placed in table order before the others.
enum class Alinhamento { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum FlagControle : unsigned {
    fOculto = 1u << 0,        // created hidden
    fDesligado = 1u << 1,     // created disabled
    fPadrao = 1u << 2,        // the default button (Enter)
    fCancelar = 1u << 3,      // answers Esc
    fGrupo = 1u << 4,         // starts a group of radio buttons (arrow keys move inside it)
    fSemTab = 1u << 5,        // not reached with Tab
    fTransparente = 1u << 6,  // a label shows what lies behind it
    fCentroV = 1u << 7,       // a label's text is centred vertically in its box
    fCentro = 1u << 8,        // text centred across
    fDireita = 1u << 9,       // text aligned right
    fSemPrefixo = 1u << 10,   // "&" shown literally
    fSemQuebra = 1u << 11,    // a label's text is not wrapped
    fMarcado = 1u << 12,      // a check box or radio button checked at first
    fSomenteLeitura = 1u << 13,
    fElevada = 1u << 14,      // Linha: raised instead of sunken
    fEditavel = 1u << 15,     // Combo: an edit box with a list
    fDonoDesenha = 1u << 16,  // Lista: rows of a fixed height drawn by the dialog
    fMaozinha = 1u << 17,     // the hand pointer over the control
    fNumeros = 1u << 18,      // Edicao: digits only
    fLink = 1u << 19,         // Rotulo: a link (underlined, blue unless its font says otherwise, the hand)
};

// A font; an empty name keeps the dialog's. Size in points, or pixels > 0 for a height in 96-dpi
// pixels (the character height, as a font's negative height gives it).
struct ProjetoFonte {
    std::string nome;
    int pontos = 0;
    int pixels = 0;
    bool negrito = false;
    bool italico = false;
    bool sublinhado = false;
    bool icone = false;  // the system's icon font (its face), at `pontos`
    TColor cor = clWindowText;
    bool riscado = false;  // struck out
    bool operator==(const ProjetoFonte&) const = default;
};

inline constexpr TColor clNenhuma = SystemColor(0x7F);  // no colour of its own

struct ProjetoControle {
    TipoControle tipo = TipoControle::Rotulo;
    std::string nome;   // as the design names it; found with TDialogo::Controle
    std::string texto;  // caption; for Abas the page captions come from the pages
    Rect r;             // 96-dpi pixels, inside the container's client area
    std::string pai;    // the container's name; empty for the dialog itself
    unsigned flags = 0;
    unsigned ancoras = akPadrao;
    Alinhamento alinha = Alinhamento::alNone;
    ProjetoFonte fonte;           // empty name and no size: the container's font
    std::string dica;             // hint shown as a tooltip
    int imagem = 0;               // icon resource for Imagem and for a button's picture
    int resultado = 0;            // a button that closes the dialog with this result
    TColor cor = clNenhuma;       // background of a label, a band or an edit box
    TColor corBorda = clNenhuma;  // a band's outline
    int ordem = -1;               // tab order inside its container; -1 keeps the table's order
    int limite = 0;               // Edicao: most characters; Numero: least value
    int maximo = 0;               // Numero: greatest value
    int passo = 1;                // Numero: step
    int alturaItem = 0;           // Lista with fDonoDesenha, Abas: row or tab height (96 dpi)
    int larguraItem = 0;          // Abas: tab width (96 dpi), 0 for tabs as wide as their text
    int borda = 0;                // Painel: inner border, 96 dpi
    std::string classe;           // Classe: the window class
    TBevelShape forma = TBevelShape::bsBottomLine;  // Linha
};

// Where a dialog stands when it shows. The program's main window is the bar, a narrow panel at the
// screen's edge: a dialog stands over it only where that looks right.
enum class LugarDialogo {
    Tela,                    // centred on the monitor of its owner (or its own)
    SobrePrincipalMaior,     // over the main window when that is wider than the dialog
    SobrePrincipalMaiorAlta, // over the main window when that is wider and taller
    SobrePrincipalVisivel,   // over the main window whenever it shows, kept inside the work area
    SobreDonoMaior,          // centred on its owner when that is at least as wide
};

struct ProjetoDialogo {
    std::string titulo;
    int largura = 0, altura = 0;  // client size, 96 dpi
    ProjetoFonte fonte{"Tahoma", 8};
    bool redimensionavel = false;
    int larguraMinima = 0, alturaMinima = 0;  // least outer size of a resizable dialog, 96 dpi
    bool dicas = true;                        // tooltips shown
    LugarDialogo lugar = LugarDialogo::Tela;
    // The keys of a data-entry window: Enter moves to the next control (a button keeps it, Ctrl+Enter
    // moves nowhere); F5 presses the save button, after moving the focus to it so that a box being typed
    // in stores its text, when it is enabled and shows; Esc presses the cancel button. -1: no such key.
    bool enterComoTab = false;
    int botaoF5 = -1;
    int botaoEsc = -1;
    std::vector<ProjetoControle> controles;
};

// A tab page and the controls on it, declared together as a table of their own: the page joins the
// table under its tab control, and each control that names no container of its own follows it, with the
// page as its container. The table stays one list, in this order, so that a dialog's enum still
// indexes it.
inline void AdicionarPagina(std::vector<ProjetoControle>& tabela, std::string abas, ProjetoControle pagina,
                            std::vector<ProjetoControle> dentro) {
    pagina.tipo = TipoControle::Pagina;
    pagina.pai = std::move(abas);
    const std::string nome = pagina.nome;
    tabela.push_back(std::move(pagina));
    for (ProjetoControle& c : dentro) {
        if (c.pai.empty()) c.pai = nome;
        tabela.push_back(std::move(c));
    }
}

// The size of a design's client area after a frame is drawn around it: the base data-entry window
// rounds both sides down to a multiple of 4, plus 1.
inline int ArredondaQuatro(int n) {
    return n / 4 * 4 + 1;
}

}  // namespace nq
