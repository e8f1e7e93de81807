#pragma once
// What the bar shows for a catalogue: one button per bar shortcut, stacked from the top, and one
// "Outros atalhos" entry per menu shortcut; folders first, then by title.

#include <cstdint>
#include <string>
#include <vector>

#include "app/IconeComando.h"

namespace nq {

class TClientDataset;

struct TMenuAtalho {
    std::string caption;
    std::string hint;  // target + "|" + parameters: the launch reads them back from here
    std::uint64_t registro = 0;  // the catalogue record (a bookmark)
};

struct TBarConteudo {
    std::vector<TIconeComando> botoes;
    std::vector<TMenuAtalho> menu;
    int step = iSalto;  // the distance used between buttons
};

// A shortcut's tooltip, on its button or its "Outros atalhos" entry: the whole title, then the target and
// its parameters as typed.
std::string DicaDoAtalho(const std::string& titulo, const std::string& programa, const std::string& parametros);

// Orders the catalogue by "Tipo;Titulo" (the order stays on it) and lays out its shortcuts, without
// touching the disk, so that any number of them costs the window's thread next to nothing.
// workHeight96 is the work area's height in 96-dpi pixels, for the automatic spacing.
TBarConteudo MontarBarra(TClientDataset& cds, int storedStep, bool autoHeight, int workHeight96);

}  // namespace nq
