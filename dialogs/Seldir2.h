#pragma once
// The folder picker's rules that need no window: the chain of folders its list shows, the system
// folders of its second page and the path of a new folder.

#include <string>
#include <vector>

namespace nq {

// A folder and the folders that hold it, from the drive's root (or a network share) down to it,
// each with its trailing backslash: "C:\Dados\x" gives "C:\", "C:\Dados\", "C:\Dados\x\".
std::vector<std::string> CadeiaPastas(const std::string& pasta);

// The name a folder of the chain shows in the list: the root as it is ("C:\", "\\srv\dados\"), any
// other folder by its last part.
std::string NomeNaLista(const std::string& pasta);

// The buttons of the system folders page and the values of the user's "Shell Folders" key they take
// their folders from (empty: always the program's folder).
struct TPastaSistema {
    const char* botao;
    const char* texto;
    const char* valor;
};
const std::vector<TPastaSistema>& PastasSistema();
inline constexpr const char* KEY_SHELL_FOLDERS =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The new folder's path: the current folder, a backslash and the name as typed.
std::string CaminhoNovaPasta(const std::string& atual, const std::string& nome);

}  // namespace nq
