#pragma once
// The bar's settings: the one record of the keys of the settings file's "Config" section. One table in
// ConfigBarra.cpp names each key once, with the record's member it fills, its default and its range;
// reading, writing (in the table's order), the copy put back after a failed save and the range checks
// all walk that table.

#include <string>
#include <vector>

#include "support/Font.h"

namespace nq {

class TMemIniFile;

// The key that opens the bar when the file names none; an empty "TeclaAtalho" means none at all.
inline constexpr const char* kTeclaAtalhoPadrao = "Ctrl+Alt+P";
// The title the bar shows when the file names none.
inline constexpr const char* kTituloPadrao = "Meus Atalhos";

// The range of the opacity (the keys step it by kNivelPasso) and of the distance between buttons.
inline constexpr int kNivelMinimo = 100, kNivelMaximo = 255, kNivelPasso = 5;
inline constexpr int kSaltoMinimo = 32, kSaltoMaximo = 54;

// The edge of the monitor the bar stands at, and the values of the key "Lado" that name them.
enum class TLado { Direita, Esquerda };
inline constexpr const char* kLadoDireita = "Direita";
inline constexpr const char* kLadoEsquerda = "Esquerda";
// The value of the key "Monitor" that names the primary monitor, whichever it is.
inline constexpr const char* kMonitorPrincipal = "Principal";

// What the keys "Monitor" and "Lado" mean. The record keeps their text as the file has it, so that a value
// the program does not understand stays in the file until the user chooses another; it means the
// primary monitor (0) and the right edge. A monitor is named by its number, 1 for the first the system
// lists.
int NumeroDoMonitor(const std::string& monitor);
TLado LadoDe(const std::string& lado);

// A stored value brought into its range (the table's), so that a hand-edited or damaged file can never
// hide the bar or pile its buttons up.
int NivelNoIntervalo(int nivel);
int SaltoNoIntervalo(int salto);

// Every key of the section. A record made anew holds every key's default (the table's), which is what a
// reader gets when the file lacks the key.
struct TConfigBarra {
    TConfigBarra();

    std::string titulo;     // the bar's title
    std::string icone;      // the title icon's file
    bool sobreOutros{};     // the bar stays above other windows
    bool transparente{};    // translucent, at the level nivel
    int nivel{};            // the opacity, kNivelMinimo to kNivelMaximo
    TColor cor{};           // the bar's colour
    TFont fonte;            // the buttons' captions
    int salto{};            // the distance between buttons, kSaltoMinimo to kSaltoMaximo
    bool editarTitulo{};    // a dropped shortcut's title is asked for
    bool autoOcultar{};     // the open bar closes when it loses the keyboard
    bool abrirAoApontar{};  // the pointer resting on the edge opens the bar
    bool alturaAutomatica{};  // the distance between buttons follows the monitor's height
    std::string teclaAtalho;  // the global key, as a shortcut's text; empty: none
    std::string monitor;      // "Principal" or a monitor's number
    std::string lado;         // "Direita" or "Esquerda"
};

// The section as the file has it now (read at each use: the file is the one truth).
TConfigBarra LerConfig(const TMemIniFile& ini);
void LerConfig(const TMemIniFile& ini, TConfigBarra& c);
// Writes every key, in their order.
void GravarConfig(TMemIniFile& ini, const TConfigBarra& c);
// The opacity alone, as the bar's Ctrl+Up and Ctrl+Down change it.
void GravarNivel(TMemIniFile& ini, int nivel);

// The keys as they stand, to be put back (RestaurarConfig) when a save cannot reach the file.
struct TCopiaConfig {
    std::vector<std::string> valores;
    std::vector<bool> presentes;
};
TCopiaConfig CopiarConfig(const TMemIniFile& ini);
// A key that was absent takes the value that was read when the copy was made, which is what every
// reader of the key got as its default.
void RestaurarConfig(TMemIniFile& ini, const TCopiaConfig& copia, const TConfigBarra& lidos);

}  // namespace nq
