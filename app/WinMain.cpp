// Program entry: start-up values, one bar per user, the bar window and its message loop.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/AppWin32.h"
#include "app/BarSondasWin32.h"
#include "app/MainWin32.h"
#include "catalogue/AvisosConfig.h"
#include "catalogue/NqIniFiles.h"
#include "dialogs/Config.h"
#include "dialogs/ItensEditaWin32.h"
#include "support/NqConst.h"
#include "support/PlatformWin32.h"
#include "support/RegistroDeEventosWin32.h"
#include "support/Text.h"
#include "support/Win32Text.h"

namespace {

std::vector<std::string> CommandLineParameters() {
    std::vector<std::string> args;
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv) return args;
    for (int i = 1; i < argc; ++i) args.push_back(nq::Narrow(argv[i]));
    LocalFree(argv);
    return args;
}

// The bar's keys reach it through the message filter, which sees this loop and every modal one.
int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    nq::InstallWin32Platform();
    nq::InstalarAlvoLento();
    nq::IniciarAplicacao(nq::ModulePath(), CommandLineParameters());
    nq::ApplicationTitle = nq::kApplicationTitle;
    if (nq::EscreverRelatorioInicio()) return 0;
    nq::IniciarRegistroDeEventos();

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    // Shell links and the shell's icons want COM on this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    nq::VisualWin10();
    nq::ConfigUnica = true;
    nq::AppExecutando("TfrmMainPivel");

    {
        nq::TfrmMainPivel bar;
        if (bar.Create()) {
            // The shortcut edit dialog serves the bar and the configuration dialog until the end.
            nq::TfrmItensEdita itensEdita(bar.cds, &bar.cdsEdicao);
            nq::AbrirEdicaoAtalho = [&itensEdita](const std::string& caption) { return itensEdita.Open(caption); };
            bar.FormShow();
            RunMessageLoop();
            nq::AbrirEdicaoAtalho = nullptr;
        }
    }
    // The settings are written once more at the very end (nothing is written when the bar's save left
    // nothing new). Nobody is left to hear of a failure; a copy kept beside the file is told at the next
    // start, so that the end never waits on a message.
    if (nq::NqIni) {
        try {
            nq::NqIni->UpdateFile();
        } catch (const std::exception&) {
        }
        if (const std::vector<std::string> avisos = nq::NqIni->TakeNotices(); !avisos.empty()) {
            nq::GuardarAvisosConfig(*nq::NqIni, avisos);
            try {
                nq::NqIni->UpdateFile();
            } catch (const std::exception&) {
            }
        }
        nq::NqIni.reset();
    }
    nq::RegistrarEvento(nq::TNivelEvento::Info, "Pivel finalizado");
    nq::InstalarRegistroDeEventos(nullptr);  // what it holds is written, a second at most
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
