#pragma once
// Where each control of a dialog table stands, for a density and a client size: the design's 96-dpi
// rectangles scaled once, aligned controls stacked along their container's edges, and anchored
// controls following their container's change of size.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/DialogProjeto.h"

namespace nq {

constexpr int kSemPai = -1;

// The index of each control's container in the table (the window that holds it), or kSemPai for the
// dialog itself. A page's container is its tab control. A `pai` that names no container counts as
// the dialog.
std::vector<int> Containers(const ProjetoDialogo& d);

// The order in which the windowed controls are made, which is also the Tab order: a container's
// controls by their tab order (table order where none is given), each container before its own.
std::vector<std::size_t> OrdemCriacao(const ProjetoDialogo& d);

// The area the pages of a tab control cover inside it, for tabs alturaAbas96 high at 96 dpi.
Rect AreaPaginas(const Rect& abas, int alturaAbas96, int dpi);

// Every control's rectangle in device pixels, relative to the client area of the window that holds
// it, for a dialog whose client area is clientW x clientH at the given density.
std::vector<Rect> PosicionarControles(const ProjetoDialogo& d, int dpi, int clientW, int clientH);

// The same at the design's own size and density: the table's rectangles with alignment applied.
std::vector<Rect> PosicionarDesenho(const ProjetoDialogo& d);

// The control and everything inside it, in table order: a container's controls at any depth, and
// the controls that stand inside a group box's rectangle in the same window.
std::vector<std::size_t> ItensDentro(const ProjetoDialogo& d, std::size_t i);

// The toolkit's name for a kind of control (TEdit, TSpinEdit ...), as the colour rule of switching
// controls on and off knows them; a Classe control gives its window class.
std::string ClasseToolkit(const ProjetoControle& c);

bool EhSemJanela(TipoControle t);
bool EhContainer(TipoControle t);

// A number box's text against its range: nothing when it is a whole number from minimo to maximo,
// otherwise the message that tells the user the range ("O valor deve estar entre 100 e 255."). Every
// number box of every dialog is checked by this one rule when the user leaves it.
std::optional<std::string> ForaDoIntervalo(std::string_view texto, int minimo, int maximo);

}  // namespace nq
