#pragma once
// A shortcut's own menu, opened by a right click on its button or its "Outros atalhos" entry: the shortcut
// it is for, the rules of its commands (app/ComandosBarra.h has their rows) and the texts those commands
// work out without the system.

#include <cstdint>
#include <string>
#include <string_view>

namespace nq {

class TClientDataset;

// The shortcut a menu is for, as the bar showed it.
struct TAtalhoDoMenu {
    std::uint64_t registro = 0;  // the catalogue record (a bookmark)
    std::string titulo;
    std::string programa;    // the target as stored
    std::string parametros;  // as stored
    bool noMenu = false;     // an entry of "Outros atalhos"
    bool pasta = false;      // the target is known to be a folder
};

// A program, by the extension of its target: not a folder nor a web address.
bool EhPrograma(std::string_view alvo, bool pasta);

// What "Copiar caminho" puts on the clipboard: the target as typed, followed by its parameters when it
// has any, the target then quoted if it holds a space (so that the text is one command line again).
std::string CaminhoParaCopiar(std::string_view programa, std::string_view parametros);

// The parameters that make the file manager open the folder that holds a path with it selected (for a
// folder, its parent with it selected).
std::string ParametrosDoLocal(std::string_view caminho);

// The questions and notices of the menu's commands.
std::string PerguntaExcluir(std::string_view titulo);
std::string AvisoNaoEncontrado(std::string_view caminho);

// The record of a menu's shortcut made current, whatever filter is on; false when it is gone (the
// catalogue changed while the menu was open).
bool IrParaAtalho(TClientDataset& cds, std::uint64_t registro);
// The record moves between the bar and "Outros atalhos", and is stored; false when it is gone.
bool AlternarMenuDoAtalho(TClientDataset& cds, std::uint64_t registro);
// The record is deleted; false when it is gone.
bool ExcluirAtalho(TClientDataset& cds, std::uint64_t registro);

}  // namespace nq
