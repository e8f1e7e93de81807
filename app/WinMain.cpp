// Program entry: start-up values, one bar per user, the bar window and its message loop.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/AppWin32.h"
#include "app/MainWin32.h"
#include "catalogue/NqIniFiles.h"
#include "dialogs/ItensEditaWin32.h"
#include "support/NqConst.h"
#include "support/PlatformWin32.h"
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

// For tests that drive the real program: PIVEL_STARTUP_REPORT names a file that receives the
// start-up values as "name=value" lines (UTF-8), and the program ends right after writing it.
bool WriteStartupReport() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"PIVEL_STARTUP_REPORT", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    FILE* f = _wfopen(path, L"wb");
    if (!f) return true;
    std::fprintf(f, "DirAplic=%s\nNqParams=%s\ninProgrammingMode=%d\nFMsgFonteFixa=%s\nclCorDesligado=%ld\n",
                 nq::DirAplic.c_str(), nq::NqParams.c_str(), nq::inProgrammingMode ? 1 : 0,
                 nq::FMsgFonteFixa.c_str(), static_cast<long>(nq::clCorDesligado));
    std::fprintf(f, "Version=%s\n", nq::GetVersionSis(true).c_str());
    std::fclose(f);
    return true;
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
    nq::IniciarAplicacao(nq::ModulePath(), CommandLineParameters());
    nq::ApplicationTitle = nq::kApplicationTitle;
    if (WriteStartupReport()) return 0;

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
            bar.FormShow();
            RunMessageLoop();
        }
    }
    // The settings are written once more at the very end; nobody is left to hear of a failure.
    if (nq::NqIni) {
        try {
            nq::NqIni->UpdateFile();
        } catch (const std::exception&) {
        }
        nq::NqIni.reset();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
