// Program entry: start-up values first, then the bar.

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

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

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    nq::InstallWin32Platform();
    nq::IniciarAplicacao(nq::ModulePath(), CommandLineParameters());
    nq::VisualWin10();
    if (WriteStartupReport()) return 0;
    return 0;
}
