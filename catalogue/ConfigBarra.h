#pragma once
// The bar's settings: the one record of the keys of the settings file's "Config" section. Only this
// code names those keys; it reads every one with its default, brings the look values into the range
// the keys and the configuration window allow, and writes them in their order.

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

// A stored value brought into its range, so that a hand-edited or damaged file can never hide the
// bar or pile its buttons up.
int NivelNoIntervalo(int nivel);
int SaltoNoIntervalo(int salto);

// Every key of the section, with the default a reader gets when the file lacks it, in the order the
// keys are written.
struct TConfigBarra {
    std::string titulo = kTituloPadrao;       // NomeEmpresa (at most 255 characters)
    std::string icone;                        // IconeEmpresa: the title icon's file
    bool sobreOutros = true;                  // SobreOutros
    bool transparente = true;                 // TransparênciaAtivada
    int nivel = 210;                          // NívelTransparência
    TColor cor = 1714213;                     // Color
    TFont fonte{"Tahoma", 9, clWhite};        // FonteÍcones
    int salto = 38;                           // DistânciaÍcones
    bool editarTitulo = true;                 // EditarTítulo
    bool autoOcultar = false;                 // AutoOcultar
    bool abrirAoApontar = false;              // AbrirAoApontar: the pointer resting on the edge opens the bar
    bool alturaAutomatica = false;            // IconHeightAuto
    std::string teclaAtalho = kTeclaAtalhoPadrao;  // TeclaAtalho: the global key, as a shortcut's text
    std::string monitor = kMonitorPrincipal;       // Monitor: "Principal" or a monitor's number
    std::string lado = kLadoDireita;               // Lado: "Direita" or "Esquerda"
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
