#pragma once
// A shortcut's target as stored and as the program uses it. The settings file keeps what the user typed;
// wherever the target is used (launched, looked at for its icon and kind, checked by a dialog) it is
// taken through AlvoEmUso:
//   - %NAME% is an environment variable, %PIVEL% the program's own folder; a name the system does not
//     know stays as written, and the target is then simply missing;
//   - a path with a folder but without a drive or a leading backslash ("Apps\editor.exe", ".\docs",
//     "..\Ferramentas\x.exe") is the program folder's; a bare name ("notepad.exe") is left to the shell.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace nq {

// The longest path the system takes, in characters.
inline constexpr std::size_t kCaminhoMaximo = 32767;

// The variables of a text expanded in one pass (a value is not expanded again, so no loop is possible).
// Nothing when a variable the system knows is empty, or the result is longer than kCaminhoMaximo.
std::optional<std::string> ExpandirVariaveis(
    std::string_view texto, const std::function<std::optional<std::string>(const std::string&)>& variavel,
    std::string_view pastaPrograma);

// A relative path with a folder, resolved against the program's folder ("." and ".." taken out);
// anything else as it is. Nothing when it climbs above the drive's root.
std::optional<std::string> ResolverRelativo(std::string_view caminho, std::string_view pastaPrograma);

// What a target that cannot be made a path begins with: no file or folder name holds it.
inline constexpr const char* kAlvoInvalido = "<";

// Both, with the system's variables and the program's folder. A target that cannot be made a path is
// given back as stored behind kAlvoInvalido, so that it is missing as any missing target is and nothing
// else is opened in its place.
std::string AlvoEmUso(const std::string& guardado);
// A carried bar whose drive got another letter: a target "X:\\..." on another drive than the program's,
// that path on the program's drive ("E:\\..."); nothing for any other target.
std::optional<std::string> NaUnidadeDoPrograma(std::string_view caminho, std::string_view pastaPrograma);

// AlvoEmUso, and when that target is missing but its path exists on the program's drive, that one (the
// file keeps what was typed). It looks at the disk: for the threads that launch and look at targets.
std::string AlvoExistente(const std::string& guardado);

// A carried bar: the program runs from a removable drive (set at start).
extern bool ProgramaEmUnidadeRemovivel;

// How a target is stored when a shortcut is added (a drop, "Incluir atalho", the edit dialog): on a
// removable drive, a target on the program's own drive becomes %PIVEL%-relative ("%PIVEL%\\..\\Apps\\x.exe"),
// so that it goes with the bar; anything else as given.
std::string CaminhoParaGuardar(const std::string& caminho, std::string_view pastaPrograma, bool removivel);
std::string AlvoParaGuardar(const std::string& caminho);

// The parameters with their variables expanded (as typed when that fails).
std::string ParametrosEmUso(const std::string& guardados);

}  // namespace nq
