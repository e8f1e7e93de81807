#include "support/NqConst.h"

#include "support/Caminho.h"
#include "support/NqFun.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

TFormatSettings FormatSettings;
TTooltipTiming TooltipTiming;

std::string ApplicationTitle;
std::string ExeName;
std::string DirAplic;
bool ConfigUnica = false;
std::string NqParams;
bool inProgrammingMode = false;
std::string FMsgFonteFixa;
TColor clCorDesligado = RGBColor(0xE8, 0xE8, 0xE8);
TTelaConsulta NqTelaConsulta = TTelaConsulta::ccTelaCentralizada4;

bool gridNovo, gridLines, gridDestacar, gridListrar, gridAutoFocus, NqGridStringAsBoolean;
int gridWheelLines, gridAltura;
TColor gridCorListrado, gridCorListrado2, gridCorDestaque, gridHighlight, gridHighlightText, gridCorFixed;
TFont gridFont;

namespace {

void ValoresIniciaisGrid() {
    gridNovo = true;
    gridLines = true;
    gridDestacar = true;
    gridListrar = true;
    gridWheelLines = 2;
    gridAltura = 8;
    gridCorListrado = RGBColor(0xF8, 0xF8, 0xF8);
    gridCorListrado2 = RGBColor(0xFF, 0xFF, 0xFF);
    gridCorDestaque = RGBColor(0xDD, 0xEC, 0xFE);
    gridHighlight = clHighlight;
    gridHighlightText = clHighlightText;
    gridCorFixed = clBtnFace;
    gridFont = TFont{};
    gridFont.name = "Tahoma";
    gridFont.size = 8;
    gridAutoFocus = false;
    NqGridStringAsBoolean = true;
}

// The file part of a path, without its extension.
std::string NomeSemExtensao(std::string_view path) {
    return std::string(SemExtensao(NomeDoCaminho(path)));
}

}  // namespace

std::string GetVersionSis(bool ABuild) { return GetFileVersion(ExeName, ABuild); }

std::string Parametros() { return NqParams; }

bool Parametros(std::string_view Opcao) { return NqParams.find(LowerCase(Opcao)) != std::string::npos; }

void VisualWin10() {
    if (!CurrentPlatform().system->VisualStylesActive()) return;
    gridLines = false;
    gridAltura = 10;
    gridCorDestaque = RGBColor(0xDF, 0xE6, 0xF7);
    gridHighlight = RGBColor(0xA5, 0xBE, 0xED);
    gridHighlightText = clWindowText;
    gridCorFixed = clWhite;
}

void IniciarAplicacao(const std::string& exePath, const std::vector<std::string>& args) {
    ISystemInfo& system = *CurrentPlatform().system;

    FormatSettings = TFormatSettings{};
    TooltipTiming = TTooltipTiming{};

    ExeName = exePath;
    DirAplic = FormatPath(PastaDoCaminho(exePath));
    ValoresIniciaisGrid();
    FMsgFonteFixa = system.FontInstalled("Consolas") ? "Consolas" : "Courier New";
    clCorDesligado = system.VisualStylesActive() ? RGBColor(0xE8, 0xE8, 0xE8) : clBtnFace;

    std::string params;
    for (const std::string& a : args) params += " " + LowerCase(a);
    NqParams = Trim(params);
    inProgrammingMode = Parametros("-p") || Parametros("/p") || Parametros("programacao");

    ApagarLogsAntigos();
}

void ApagarLogsAntigos() {
    IFileSystem& files = *CurrentPlatform().files;
    const std::string pattern = DirAplic + NomeSemExtensao(ExeName) + "ErrosBD*2015*.log";
    for (const FileEntry& e : files.Find(pattern)) {
        // A file that cannot be deleted is left alone: the start must go on.
        if (!e.isDirectory) files.ForceDelete(DirAplic + e.name);
    }
}

}  // namespace nq
