#pragma once
// Small text, path and file routines used throughout the program. None of them reports an error:
// a missing or unreadable file gives a neutral value (0, empty text, zeros).

#include <string>
#include <string_view>
#include <vector>

#include "support/DateTime.h"

namespace nq {

// A growable array of strings, indexed from 0.
using TStringArray = std::vector<std::string>;

// Every "|" of a message text as a line break (CR LF).
std::string TextoMensagem(std::string_view texto);

// The toolkit's format routine as the message functions use it: each "%s" takes the next value
// ("%%" is a percent sign); a "%s" without a value left stays empty.
std::string Formatar(std::string_view padrao, const std::vector<std::string>& valores);

// Every occurrence of s1 replaced by s2, case-sensitively, left to right, without overlap; text that
// a replacement produced is not searched again. An empty s1 leaves the text as it is.
std::string StrTran(std::string_view Origem, std::string_view s1, std::string_view s2);

template <class T>
T IIf(bool ValorTeste, const T& ValorTrue, const T& ValorFalse) {
    return ValorTeste ? ValorTrue : ValorFalse;
}
inline int IIf(bool ValorTeste, int ValorTrue, int ValorFalse) { return ValorTeste ? ValorTrue : ValorFalse; }

// True when the text is empty or holds blank characters only.
bool Empty(std::string_view AValor);

// The last qt characters of S (all of it when qt reaches its length, nothing when qt <= 0).
std::string Right(std::string_view S, int qt);

// The quoted match pattern of the catalogue search: 'joao silva' -> '%joao%silva%'.
std::string QuotedStrLike(std::string_view S);

// S in double quotes when it holds a space.
std::string Aspas(std::string_view S);

// S with a trailing backslash, unless it is blank, a single character or already ends with one.
std::string IncluirContraBarra(std::string_view S);

// A folder path in stored form: trailing backslash, doubled backslashes folded (but for a network
// path's leading pair), each word capitalised.
std::string FormatPath(std::string_view S);

// The extension with its dot, lower-case; empty when the name has none.
std::string ExtensaoArquivo(std::string_view NomeArquivo);

// Splits Str at every Sep (see the tests for the exact shape of the result).
TStringArray AParse(std::string_view Str, std::string_view Sep);

// Last-write time in local time, or 0 when the file or folder cannot be found.
TDateTime FileDate(const std::string& FileName);
int AnoData(TDateTime D);

void GetFileVersion(const std::string& arquivo, int& ver, int& mver, int& rele, int& build);
std::string GetFileVersion(const std::string& arquivo, bool build);
// The version text of four version parts, as GetFileVersion gives it.
std::string FormatFileVersion(int ver, int mver, int rele, int buildNumber, bool build);

// Whether switching a control of this toolkit class on or off also changes its colour (the window
// colour when on, the switched-off colour when off): its name, in lower case, is found in the list of
// edit, list, grid and combo classes.
bool LigaDesMudaCor(std::string_view nomeClasse);

// Appends APath + name for every file (not folder) of one folder that matches AMask, hidden files
// included, in the order the file system lists them. Window messages are handled after each file.
void PesqArqs(std::string_view APath, std::string_view AMask, std::vector<std::string>& AList);

}  // namespace nq
