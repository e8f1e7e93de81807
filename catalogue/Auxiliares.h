#pragma once
// The shortcut catalogue: its eight fields, adding a shortcut, the first shortcuts of a new
// installation, and its storage in the settings file (section "IconesMenu", and the older "Itens").

#include <string>

#include "catalogue/ClientDataset.h"

namespace nq {

class TMemIniFile;

inline constexpr const char* SESSION = "IconesMenu";
inline constexpr int READ_INFO = 1;
inline constexpr int SAVE_INFO = 2;

// Field sizes, in characters. A target takes the longest path the system accepts: a file dropped from
// a deep folder must not be stored cut short and so name nothing.
inline constexpr int TAM_TITULO = 90;
inline constexpr int TAM_PROGRAMA = 32767;
inline constexpr int TAM_PARAM = 255;

// Defines the fields of a shortcut on a closed table without fields, in their stored order: Id,
// Titulo, Programa, Param, Icone (-1), Tipo (1), OpcaoMenu (false, shown as "Sim"/"Não"), IconeId (0).
void CriarCamposAtalho(TClientDataset& cds);

// Adds one shortcut and posts it: texts cut to their fields, the icon category of AProg, and Tipo 0
// (a folder) only for category 4.
void IncluirIcone(TClientDataset& cds, const std::string& AProg, const std::string& AParam,
                  const std::string& ATitulo);

// When the catalogue is empty: "Documentos" (the documents folder), "Bloco de notas" and "Calculadora"
// (from the system folder).
void IncluirPrimeirosAtalhos(TClientDataset& cds, const std::string& dirDocs, const std::string& dirSystem);

// READ_INFO: converts the older layout when present, then loads the catalogue; SAVE_INFO: saves every
// record (the filter is switched off first) and writes the file. Any other value does nothing.
// Without an ini object, the process-wide NqIni is used.
void readSaveIcons(TClientDataset& cds, int AOpcao);
void readSaveIcons(TClientDataset& cds, int AOpcao, TMemIniFile& ini);

// Moves a catalogue kept in the older section "Itens" ("Titulo|Programa|Param|Icone|Tipo|1 or 0")
// into "IconesMenu", in its order, and writes the file; nothing when that section is absent or empty.
void readOldVersion(TClientDataset& cds, TMemIniFile& ini);

}  // namespace nq
