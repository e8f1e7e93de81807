#pragma once
// Process-wide values, fixed at start-up before the bar is created and read everywhere afterwards.

#include <string>
#include <string_view>
#include <vector>

#include "support/Font.h"

namespace nq {

enum class TTelaConsulta { ccCentralizada1 = 0, ccExpandida2 = 1, ccTelaInteira3 = 2, ccTelaCentralizada4 = 3, ccNone = 4 };

// Number and date formats, the same whatever the system's regional settings.
struct TFormatSettings {
    char DecimalSeparator = ',';
    char ThousandSeparator = '.';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string ShortTimeFormat = "hh:mm:ss";
    int CurrencyFormat = 2;
    int NegCurrFormat = 12;
    int CurrencyDecimals = 2;
    int TwoDigitYearCenturyWindow = 75;
};

// Tooltips of the whole program.
struct TTooltipTiming {
    int InitialPauseMs = 100;
    int HidePauseMs = 40000;
    bool ShowShortcuts = true;  // a control's keyboard shortcut is added to its tooltip
};

extern TFormatSettings FormatSettings;
extern TTooltipTiming TooltipTiming;

extern std::string ApplicationTitle;  // the caption of the program's messages; set by the entry
extern std::string ExeName;   // the running executable's full path
extern std::string DirAplic;  // its folder, in FormatPath form
extern bool ConfigUnica;
extern std::string NqParams;
extern bool inProgrammingMode;
extern std::string FMsgFonteFixa;
extern TColor clCorDesligado;
extern TTelaConsulta NqTelaConsulta;

// The data grid's look.
extern bool gridNovo, gridLines, gridDestacar, gridListrar, gridAutoFocus, NqGridStringAsBoolean;
extern int gridWheelLines, gridAltura;
extern TColor gridCorListrado, gridCorListrado2, gridCorDestaque, gridHighlight, gridHighlightText, gridCorFixed;
extern TFont gridFont;

// GetFileVersion of the running program's executable.
std::string GetVersionSis(bool ABuild);

std::string Parametros();
// True when the lower-case Opcao occurs anywhere in the joined command-line parameters.
bool Parametros(std::string_view Opcao);

// Adjusts the grid's look when visual styles are in use.
void VisualWin10();

// Start-up, in order: formats and tooltip timing, the constants (program folder, grid look, fixed-pitch
// font, switched-off colour, parameters, programming mode), then the deletion of old error logs.
void IniciarAplicacao(const std::string& exePath, const std::vector<std::string>& args);

// Deletes "<exe name>ErrosBD*2015*.log" in the program's folder, hidden and read-only ones too.
void ApagarLogsAntigos();

}  // namespace nq
