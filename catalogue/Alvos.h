#pragma once
// Looking at a shortcut's target: shell links, proposed titles, icon categories.

#include <cstdint>
#include <string>
#include <string_view>

#include "support/Platform.h"

namespace nq {

// A shell link as GetLinkInfo reads it: the caller sets the link file, GetLinkInfo fills the rest.
struct TShellLinkInfoStruct {
    std::string FullPathAndNameOfLinkFile;
    std::string FullPathAndNameOfFileToExecute;  // the target's full path as the link stores it
    std::string ParamStringsOfFileToExecute;
    std::string FullPathAndNameOfWorkingDirectroy;
    std::string Description;
    std::string FullPathAndNameOfFileContiningIcon;
    std::int32_t IconIndex = 0;
    std::int32_t HotKey = 0;  // virtual key in the low byte, modifiers in the next byte
    std::int32_t ShowCommand = 0;
    FileEntry FindData;  // the target's search data; FindData.name is its file name
};

// Fills every field but the link file. A file that cannot be loaded as a link gives empty fields; only
// a system without a shell-link object throws.
void GetLinkInfo(TShellLinkInfoStruct& lpShellLinkInfoStruct);

// The program a link starts, its arguments and a title made from the link file's name. sParam is
// written only when the link has arguments that are not blank, so a caller's default survives.
void ReadLink(const std::string& sFile, std::string& sPrograma, std::string& sParam, std::string& sTitulo);

// A typed or dropped path without its double quotes.
std::string GetPrograma(std::string_view S);

// A proposed caption: a folder's last name, otherwise the file name without its extension.
std::string GetTitulo(const std::string& S);

// The file-name part without its last extension, first letter upper-case ("relatório.final.pdf" ->
// "Relatório.final").
std::string NomeProgramaSemExt(std::string_view S);

// The icon category of a target (see the catalogue's Icone field): -1 when the system extracts an
// icon from it, otherwise by its kind (folder 4, missing 6, web address 7 ...).
int GetIcone(const std::string& Aprog);

}  // namespace nq
