#pragma once
// The rules of the shortcut edit dialog that need no window: where its file and folder pickers start,
// and what its save step decides from the typed values.

#include <string>
#include <string_view>

namespace nq {

// The file dialog of the program box.
inline constexpr const char* TITLE = "Selecione um programa ou arquivo para o atalho";
inline constexpr const char* FILE_TYPES =
    "Programas|*.exe;*.com;*.pif;*.bat|Documentos (*.doc)|*.doc?|Planilhas (*.xls)|*.xls?|Arquivos PDF "
    "(*.pdf)|*.pdf|Todos os arquivos (*.*)|*.*";

inline constexpr const char* kFaltaPrograma = "Uma pasta ou arquivo deve ser informado!";
inline constexpr const char* kFaltaTitulo = "Um título para este programa ou pasta deve ser informado!";
// Asked before saving a target that is not there; "%s" is the target as typed.
inline constexpr const char* kPerguntaNaoEncontrado = "O arquivo %s não foi encontrado. Salvar assim mesmo?";

// The folder part of a typed path, up to and including its last "\" or ":"; empty when it has neither.
std::string PastaDoTexto(std::string_view texto);

// What the save step makes of the program box's text, the stored title and the display choice: the
// box that still needs a value, with its message, or the fields the user does not type.
struct TDecisaoItem {
    enum Falta { Nada, Programa, Titulo };
    Falta falta = Nada;
    std::string mensagem;
    int Icone = -1;
    int Tipo = 1;  // 0 for an existing folder
    bool OpcaoMenu = false;
    std::string guardar;  // the target as stored (%PIVEL%-relative on a carried bar's own drive)
    bool encontrado = true;  // false: the target is not there, and the user is asked before it is saved
};
// Whether a typed target is there as the program will use it (catalogue/AlvoEmUso.h): a web address or
// another address the shell opens ("mailto:", "shell:") always is; a path must name a file or folder; a
// bare name ("notepad.exe", "calc") is looked for where the shell looks: the program's folder, the system
// folder and the folders of PATH, with ".exe" when it has no extension.
bool AlvoEncontrado(const std::string& programa);

TDecisaoItem DecidirItem(const std::string& programa, const std::string& titulo, bool menu);

}  // namespace nq
