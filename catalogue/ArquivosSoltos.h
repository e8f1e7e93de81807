#pragma once
// Files, folders and shell links dropped on the bar become shortcuts: each item's target is found, a
// title is proposed and, when the settings ask for it, confirmed by the user.

#include <functional>
#include <string>
#include <vector>

namespace nq {

class TClientDataset;

inline constexpr const char* kLinkSemPrograma =
    "Impossível incluir!||O atalho não possui um programa válido!|";

// What a drop asks of the window it fell on.
struct TPerguntasSoltura {
    // The title box: the edited title when confirmed, the proposed one when cancelled.
    std::function<std::string(const std::string& proposto)> PerguntarTitulo;
    // An error in the system's message box ("|" is a line break).
    std::function<void(const std::string& mensagem)> MostrarErro;
    // Brings the program to the front before the title box shows.
    std::function<void()> TrazerParaFrente;
};

// Adds a shortcut for each dropped item, in order, and gives how many were added. A blank item ends the
// drop; an item that names no file or folder is skipped; a link whose program is not an existing file
// is reported and skipped; a blank title skips its item. When links cannot be read at all, that is
// reported and the drop ends with what was added so far.
int IncluirSoltos(TClientDataset& cds, const std::vector<std::string>& itens, bool editarTitulo,
                  const TPerguntasSoltura& perguntas);

}  // namespace nq
