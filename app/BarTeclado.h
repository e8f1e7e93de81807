#pragma once
// The open bar at the keyboard: a mark that moves across the buttons, and typing that finds them. The
// buttons whose title holds the typed text (without regard to case or accents) stay bright, the others
// dim, and the first of them is marked; a character that would leave no button bright is refused (the
// bar beeps) and the last match stays. The bar's own keys (Esc with nothing typed, Ctrl+arrows, Ins,
// F5, Shift+Esc) stay the bar's: what this does not handle, it passes on.

#include <string>
#include <vector>

#include "menus/ShortCut.h"
#include "support/Platform.h"

namespace nq {

enum class TeclaBarra { Cima, Baixo, Tab, Inicio, Fim, Enter, Esc, Apagar, Menu };

struct TAcaoBarra {
    enum Tipo { Passar, Redesenhar, Abrir, AbrirMenu, Recusar } tipo = Passar;
    int botao = -1;  // the marked button, for Abrir and AbrirMenu (-1: none)
    bool operator==(const TAcaoBarra&) const = default;
};

class TBarTeclado {
public:
    // The buttons' titles, in the bar's order; the mark and the typed text start again.
    void Definir(std::vector<std::string> titulos);
    // No mark and nothing typed (the bar closed).
    void Limpar();

    int Marcado() const { return marcado_; }
    const std::string& Busca() const { return busca_; }
    // Dimmed: the typed text is not in the button's title.
    bool Apagado(std::size_t i) const;

    // A key pressed in the open bar; shift with Tab goes backwards.
    TAcaoBarra Tecla(TeclaBarra t, bool shift = false);
    // A character typed in the open bar (controls are not text and pass).
    TAcaoBarra Caractere(char32_t c);

private:
    int Proximo(int de, int passo) const;
    void Buscar();

    std::vector<std::string> chaves_;  // titles folded as the catalogue sorts them
    std::vector<bool> acesos_;
    std::string busca_;
    int marcado_ = -1;
};

// The global key's modifiers as RegisterHotKey takes them (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4) and its
// virtual key; 0 for a shortcut that names no key.
unsigned ModificadoresTeclaGlobal(TShortCut atalho);
unsigned TeclaVirtualGlobal(TShortCut atalho);

// A window covers its monitor when its rectangle holds the whole of it (right and bottom exclusive).
bool CobreMonitor(const Rect& janela, const Rect& monitor);

}  // namespace nq
