#pragma once
// Taking a path apart: its folder, its name, its extension. Every routine of the program that splits a
// path does it here, with one of two sets of separators.

#include <string>
#include <string_view>

namespace nq {

// A file's path as the system takes it: a backslash, a slash, or the colon after a drive letter.
inline constexpr std::string_view kSeparadores = "\\/:";
// A shortcut's target as the user typed it, which may be a web address: a slash there belongs to the
// address, so only a backslash and a drive's colon separate.
inline constexpr std::string_view kSeparadoresAlvo = "\\:";

// Where the name begins: just after the last separator, or 0 when there is none.
std::size_t InicioDoNome(std::string_view caminho, std::string_view separadores = kSeparadores);
// The folder up to and including the last separator; empty when there is none.
std::string_view PastaDoCaminho(std::string_view caminho, std::string_view separadores = kSeparadores);
// What follows the last separator (the whole path when there is none).
std::string_view NomeDoCaminho(std::string_view caminho, std::string_view separadores = kSeparadores);
// Where the extension's dot stands in the whole path; the path's length when the name has no dot.
std::size_t InicioDaExtensao(std::string_view caminho, std::string_view separadores = kSeparadores);
// The path without its extension (folder kept).
std::string_view SemExtensao(std::string_view caminho, std::string_view separadores = kSeparadores);
// The path with its extension (dot included) replaced by `fim`; appended when it has none.
std::string TrocarExtensao(std::string_view caminho, std::string_view fim);

}  // namespace nq
