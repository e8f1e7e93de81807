#pragma once
// Taking a path apart: its folder, its name, its extension. Every routine of the program that splits a
// path does it here, with one of two sets of separators; and what kind of path it is (TipoDoCaminho), which
// every routine that tells a drive, a network path or an address from the rest asks.

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

// How a path begins.
enum class FormaCaminho {
    Relativo,   // "Apps\x.exe", "x.exe", "": from the current folder
    DaRaiz,     // "\Apps", "/Apps": from the current drive's root
    Unc,        // "\\servidor\pasta": a network path
    Absoluto,   // "C:\Apps", "C:/Apps": a drive and a separator
    DaUnidade,  // "C:Apps", "C:": from that drive's current folder
};

// What a path or a typed target is: its form, and the tests of an address the program has used, each of
// which its callers keep (a target can pass one and not another, and be an absolute path too:
// "C:\www.site\a.html" is absolute and, by the bar's test, an address).
struct TipoCaminho {
    FormaCaminho forma = FormaCaminho::Relativo;
    // "www.", "http:", "https:" or "ftp:" anywhere, in any letter case: the bar opens it as an address.
    bool web = false;
    // "www", "http" or "ftp" anywhere, in any letter case: an "Outros atalhos" entry's launch takes it as
    // an address.
    bool webNoMenu = false;
    // "://" anywhere, or "www." first in any letter case: never taken as a folder of the program's.
    bool endereco = false;
    // A scheme first: a letter, then letters, digits, "+", "-" or "." up to a colon, two characters or
    // more ("mailto:", "shell:", "ms-settings:"; one letter is a drive).
    bool esquema = false;

    bool NaUnidade() const { return forma == FormaCaminho::Absoluto || forma == FormaCaminho::DaUnidade; }
    bool operator==(const TipoCaminho&) const = default;
};
TipoCaminho TipoDoCaminho(std::string_view caminho);

}  // namespace nq
