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
#include "app/MainWin32.h"
#include "catalogue/AvisosConfigWin32.h"
#include "catalogue/NqIniFiles.h"
#include "dialogs/Config.h"
#include "dialogs/ItensEditaWin32.h"
#include "support/NqConst.h"
#include "support/PlatformWin32.h"
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

// For tests that need a target as slow as a share that does not answer: PIVEL_ALVO_LENTO="ms:prefix"
// makes every check whether a path that begins with the prefix exists take that long first, on
// whichever thread asks.
class ShellLento final : public nq::IShell {
public:
    ShellLento(nq::IShell& real, std::string prefixo, DWORD ms)
        : real_(real), prefixo_(std::move(prefixo)), ms_(ms) {}
    nq::ShellLinkData LoadShellLink(const std::string& f) override { return real_.LoadShellLink(f); }
    bool ExtractsIcon(const std::string& path) override { return real_.ExtractsIcon(path); }
    bool FileExists(const std::string& path) override { return Esperar(path), real_.FileExists(path); }
    bool DirectoryExists(const std::string& path) override {
        return Esperar(path), real_.DirectoryExists(path);
    }
    std::optional<std::string> UserRegistryString(const std::string& key, const std::string& name) override {
        return real_.UserRegistryString(key, name);
    }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        return real_.EnvironmentVariable(name);
    }
    std::string SystemFolder() override { return real_.SystemFolder(); }

private:
    void Esperar(const std::string& path) const {
        if (nq::SameText(path.substr(0, prefixo_.size()), prefixo_)) Sleep(ms_);
    }
    nq::IShell& real_;
    std::string prefixo_;
    DWORD ms_;
};

void InstalarAlvoLento() {
    wchar_t value[1024];
    const DWORD n = GetEnvironmentVariableW(L"PIVEL_ALVO_LENTO", value, 1024);
    if (n == 0 || n >= 1024) return;
    const std::string text = nq::Narrow(value);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return;
    static ShellLento lento(*nq::CurrentPlatform().shell, text.substr(colon + 1),
                            static_cast<DWORD>(std::strtoul(text.c_str(), nullptr, 10)));
    nq::CurrentPlatform().shell = &lento;
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
    InstalarAlvoLento();
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

    bool avisar = true;
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
        avisar = !bar.SessaoEncerrando();
    }
    // The settings are written once more at the very end (nothing is written when the bar's save left
    // nothing new); nobody is left to hear of a failure, but a copy kept beside the file is still told.
    if (nq::NqIni) {
        try {
            nq::NqIni->UpdateFile();
        } catch (const std::exception&) {
        }
        if (avisar) nq::AvisarCopiasConfig();
        nq::NqIni.reset();
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return 0;
}
