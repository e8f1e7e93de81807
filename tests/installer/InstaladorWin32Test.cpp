// The installer as people and administrators use it, run for real in a Wine prefix of its own
// (scripts/installer-tests.sh makes it anew for each run): a silent install for one user, an upgrade
// from an older build while the bar runs, the uninstall, an older version refused, and an install for
// all users. The installers are the build's: Pivel-VERSION-instalador.exe beside this program, and the
// older build's (the same tree with a lower version) in anterior\.

#include <gtest/gtest.h>

#include <algorithm>

#include "Win32TestUtil.h"
#include "app/MainWin32.h"
#include "catalogue/NqIniFiles.h"
#include "support/NqFun.h"

// After windows.h (Win32TestUtil.h).
#include <objidl.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <tlhelp32.h>

namespace nq {
namespace {

constexpr const wchar_t* kEntrada = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Pivel";
constexpr const wchar_t* kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
// Exit codes of the installer (installer/Pivel.nsi).
constexpr DWORD kVersaoMaisNova = 1638;

std::string Instalador() { return test::BinFolder() + "Pivel-" PIVEL_VERSION_TEXT "-instalador.exe"; }
std::string InstaladorAnterior() {
    return test::BinFolder() + "anterior\\Pivel-" PIVEL_VERSAO_ANTERIOR "-instalador.exe";
}

std::string PastaDoSistema(int csidl) {
    wchar_t p[MAX_PATH] = L"";
    SHGetFolderPathW(nullptr, csidl, nullptr, 0, p);
    return Narrow(p) + "\\";
}

std::string LerRegistro(HKEY raiz, const wchar_t* chave, const wchar_t* nome) {
    wchar_t buf[2048];
    DWORD size = sizeof buf;
    if (RegGetValueW(raiz, chave, nome, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS) return {};
    return Narrow(buf);
}
DWORD LerNumero(HKEY raiz, const wchar_t* chave, const wchar_t* nome) {
    DWORD v = 0, size = sizeof v;
    RegGetValueW(raiz, chave, nome, RRF_RT_REG_DWORD, nullptr, &v, &size);
    return v;
}
bool ChaveExiste(HKEY raiz, const wchar_t* chave) {
    HKEY k;
    if (RegOpenKeyExW(raiz, chave, 0, KEY_READ, &k) != ERROR_SUCCESS) return false;
    RegCloseKey(k);
    return true;
}
// The installed-programs entries named Pivel, in the user's list and the machine's.
int EntradasPivel() {
    int n = 0;
    for (HKEY raiz : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE}) {
        HKEY k;
        if (RegOpenKeyExW(raiz, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall", 0, KEY_READ, &k) !=
            ERROR_SUCCESS)
            continue;
        wchar_t nome[256];
        for (DWORD i = 0;; ++i) {
            DWORD len = 256;
            if (RegEnumKeyExW(k, i, nome, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
            const std::wstring sub = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + std::wstring(nome);
            if (LerRegistro(raiz, sub.c_str(), L"DisplayName") == "Pivel") ++n;
        }
        RegCloseKey(k);
    }
    return n;
}

// The program a shell link (.lnk) starts.
std::string AlvoDoAtalho(const std::string& lnk) {
    std::string alvo;
    IShellLinkW* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link))))
        return alvo;
    IPersistFile* arquivo = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&arquivo)))) {
        wchar_t caminho[MAX_PATH] = L"";
        if (SUCCEEDED(arquivo->Load(Wide(lnk).c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(caminho, MAX_PATH, nullptr, 0)))
            alvo = Narrow(caminho);
        arquivo->Release();
    }
    link->Release();
    return alvo;
}

// The running bar: its window, process and executable; a null window when none runs.
struct BarraAberta {
    HWND janela = nullptr;
    DWORD pid = 0;
    std::string exe;
};
BarraAberta ProcurarBarra() {
    BarraAberta b;
    b.janela = FindWindowW(kMainClassName, nullptr);
    if (!b.janela) return b;
    GetWindowThreadProcessId(b.janela, &b.pid);
    if (HANDLE p = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, b.pid)) {
        wchar_t caminho[MAX_PATH] = L"";
        DWORD n = MAX_PATH;
        if (QueryFullProcessImageNameW(p, 0, caminho, &n)) b.exe = Narrow(caminho);
        CloseHandle(p);
    }
    return b;
}
// Ends a running bar in order and waits for its process; true when none is left.
bool EncerrarBarra(DWORD ms = 20000) {
    const BarraAberta b = ProcurarBarra();
    if (!b.janela) return true;
    HANDLE p = OpenProcess(SYNCHRONIZE, FALSE, b.pid);
    PostMessageW(b.janela, WM_CLOSE, 0, 0);
    const bool fim = p && WaitForSingleObject(p, ms) == WAIT_OBJECT_0;
    if (p) CloseHandle(p);
    return fim;
}

// Case-insensitive equality of paths as Windows compares them.
bool MesmoCaminho(const std::string& a, const std::string& b) {
    return CompareStringOrdinal(Wide(a).c_str(), -1, Wide(b).c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Whether a log-on start value starts this program (its path, quoted when it needs to be).
bool NomeiaOPrograma(const std::string& valor, const std::string& exe) {
    return MesmoCaminho(valor, exe) || MesmoCaminho(valor, "\"" + exe + "\"");
}

// A settings file of 50 shortcuts and a few settings, in Windows-1252 and laid out otherwise than the bar
// writes it (no id, fields in another order), so that a save shows as a change of the bytes.
std::string Configuracoes50() {
    std::string ini = "[Config]\r\nTeclaAtalho=Ctrl+Alt+K\r\nMonitor=Principal\r\nLado=Direita\r\n[IconesMenu]\r\n"
                      "RecordCount=50\r\n";
    for (int i = 1; i <= 50; ++i)
        ini += std::to_string(i) + "=programa=C:\\windows\\notepad.exe\xA7titulo=Atalho n\xBA " + std::to_string(i) +
               "\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7\r\n";
    return ini;
}
// The titles and targets of the shortcuts a settings file holds, sorted (the bar stores them in its own
// order).
std::vector<std::string> Atalhos(const std::string& ini) {
    TMemIniFile f(ini);
    std::vector<std::string> r;
    const int n = f.ReadInteger("IconesMenu", "RecordCount", 0);
    for (int i = 1; i <= n; ++i) {
        const std::string registro = f.ReadString("IconesMenu", std::to_string(i), "");
        auto campo = [&](const std::string& nome) {
            const std::size_t de = registro.find(nome + "=");
            if (de == std::string::npos) return std::string();
            const std::size_t ini = de + nome.size() + 1;
            return registro.substr(ini, registro.find("\xC2\xA7", ini) - ini);
        };
        r.push_back(campo("titulo") + " -> " + campo("programa"));
    }
    std::sort(r.begin(), r.end());
    return r;
}

class Instalacao : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }
    void SetUp() override {
        InstallWin32Platform();
        ASSERT_TRUE(test::Exists(Instalador())) << Instalador();
        ASSERT_TRUE(test::Exists(InstaladorAnterior())) << InstaladorAnterior();
    }
    // Whatever a failed test left: the bar ended in order, the uninstallers run.
    void TearDown() override {
        EncerrarBarra();
        for (const std::string& pasta : {PorUsuario(), TodosUsuarios()})
            if (test::Exists(pasta + "Desinstalar.exe")) Desinstalar(pasta);
    }

    static std::string PorUsuario() { return PastaDoSistema(CSIDL_LOCAL_APPDATA) + "Programs\\Pivel\\"; }
    static std::string TodosUsuarios() { return PastaDoSistema(CSIDL_PROGRAM_FILES) + "Pivel\\"; }

    // Runs an installer or uninstaller and waits for it; its exit code (99 when it outlived the time).
    static DWORD Executar(const std::string& exe, const std::string& args) {
        return test::RunProcess(exe, args, {}, 120000).exitCode;
    }
    // A silent uninstall. The uninstaller hands the work to a copy of itself in the temporary folder and
    // ends, as every NSIS uninstaller does so that it can delete itself: done when that copy ("Un.exe",
    // or "Un_A.exe" and on when the name is taken) has ended too.
    static bool Desinstalar(const std::string& pasta) {
        return Executar(pasta + "Desinstalar.exe", "/S") == 0 && test::WaitFor([] { return !CopiaDesinstalando(); }, 60000);
    }
    static bool CopiaDesinstalando() {
        HANDLE lista = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
        if (lista == INVALID_HANDLE_VALUE) return false;
        PROCESSENTRY32W p{};
        p.dwSize = sizeof p;
        bool aberta = false;
        for (BOOL ok = Process32FirstW(lista, &p); ok && !aberta; ok = Process32NextW(lista, &p))
            aberta = lstrcmpiW(p.szExeFile, L"Un.exe") == 0 || _wcsnicmp(p.szExeFile, L"Un_", 3) == 0;
        CloseHandle(lista);
        return aberta;
    }
};

// A silent install for one user, an upgrade from an older build while the bar runs with 50 shortcuts,
// then the uninstall, as one user's story.
TEST_F(Instalacao, ParaUmUsuarioInstalaAtualizaComABarraAbertaEDesinstala) {
    const std::string pasta = PorUsuario();
    const std::string exe = pasta + "Pivel.exe";
    const std::string lnk = PastaDoSistema(CSIDL_PROGRAMS) + "Pivel.lnk";

    // The older build, silently, for this user.
    ASSERT_EQ(Executar(InstaladorAnterior(), "/S"), 0u);
    EXPECT_EQ(test::NamesIn(pasta),
              (std::vector<std::string>{"Desinstalar.exe", "LEIAME.txt", "LICENSE.txt", "Pivel.exe"}));
    EXPECT_EQ(GetFileVersion(exe, false), PIVEL_VERSAO_ANTERIOR);
    EXPECT_TRUE(MesmoCaminho(AlvoDoAtalho(lnk), exe)) << AlvoDoAtalho(lnk);
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"DisplayName"), "Pivel");
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"DisplayVersion"), PIVEL_VERSAO_ANTERIOR);
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"Publisher"), "Nq");
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"UninstallString"), "\"" + pasta + "Desinstalar.exe\"");
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"DisplayIcon"), exe + ",0");
    EXPECT_GT(LerNumero(HKEY_CURRENT_USER, kEntrada, L"EstimatedSize"), 100u);  // in KiB
    EXPECT_FALSE(ChaveExiste(HKEY_LOCAL_MACHINE, kEntrada));

    // The bar from the installed place, with 50 shortcuts.
    const std::string ini = pasta + "PivelConfig.ini";
    const std::string escrito = Configuracoes50();
    ASSERT_TRUE(test::WriteFile(ini, escrito));
    const std::vector<std::string> atalhos = Atalhos(ini);
    ASSERT_EQ(atalhos.size(), 50u);
    test::RunningProcess antiga(exe, "");
    ASSERT_NE(antiga.FindWindowOfClass(kMainClassName), nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return NomeiaOPrograma(LerRegistro(HKEY_CURRENT_USER, kRun, L"NqPivel"), exe); }))
        << LerRegistro(HKEY_CURRENT_USER, kRun, L"NqPivel");

    // The upgrade while it runs: the old bar ends in order, having saved, and the new one starts.
    ASSERT_EQ(Executar(Instalador(), "/S"), 0u);
    DWORD codigo = 1;
    ASSERT_TRUE(antiga.Wait(0, &codigo)) << "the old bar still runs";
    EXPECT_EQ(codigo, 0u) << "the old bar was not ended in order";
    const std::string salvo = test::ReadFile(ini);
    EXPECT_NE(salvo, escrito) << "the old bar did not save";
    EXPECT_EQ(Atalhos(ini), atalhos);
    {
        TMemIniFile f(ini);
        EXPECT_EQ(f.ReadString("Config", "TeclaAtalho", ""), "Ctrl+Alt+K");
    }
    BarraAberta nova;
    ASSERT_TRUE(test::WaitFor([&] { return (nova = ProcurarBarra()).janela != nullptr; }, 20000));
    EXPECT_TRUE(MesmoCaminho(nova.exe, exe)) << nova.exe;
    EXPECT_NE(nova.pid, antiga.pid());
    EXPECT_EQ(GetFileVersion(exe, false), PIVEL_VERSION_TEXT);
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"DisplayVersion"), PIVEL_VERSION_TEXT);
    EXPECT_EQ(EntradasPivel(), 1);
    EXPECT_TRUE(MesmoCaminho(AlvoDoAtalho(lnk), exe));

    // The uninstall while the bar runs: it ends in order; everything goes but the settings.
    ASSERT_TRUE(Desinstalar(pasta));
    EXPECT_EQ(ProcurarBarra().janela, nullptr);
    EXPECT_EQ(test::NamesIn(pasta), std::vector<std::string>{"PivelConfig.ini"});
    EXPECT_EQ(Atalhos(ini), atalhos);
    EXPECT_FALSE(test::Exists(lnk));
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kRun, L"NqPivel"), "");
    EXPECT_FALSE(ChaveExiste(HKEY_CURRENT_USER, kEntrada));
    EXPECT_EQ(EntradasPivel(), 0);
    test::TempFolder::RemoveTree(pasta);
}

// The text of a message box's label: the message it shows.
std::string TextoDaMensagem(HWND caixa) {
    std::string texto;
    EnumChildWindows(
        caixa,
        [](HWND w, LPARAM p) -> BOOL {
            wchar_t cls[64], t[2048];
            GetClassNameW(w, cls, 64);
            if (lstrcmpiW(cls, L"Static") == 0 && GetWindowTextW(w, t, 2048) > 0)
                *reinterpret_cast<std::string*>(p) += Narrow(t);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texto));
    return texto;
}

// An older installer over a newer install says why it refuses, with and without its window, and
// changes nothing.
TEST_F(Instalacao, UmaVersaoMaisAntigaNaoSubstituiAMaisNova) {
    const std::string pasta = PorUsuario();
    ASSERT_EQ(Executar(Instalador(), "/S"), 0u);
    ASSERT_EQ(GetFileVersion(pasta + "Pivel.exe", false), PIVEL_VERSION_TEXT);

    EXPECT_EQ(Executar(InstaladorAnterior(), "/S"), kVersaoMaisNova);

    test::RunningProcess janela(InstaladorAnterior(), "");
    HWND caixa = janela.FindWindowOfClass(L"#32770", 30000);
    ASSERT_NE(caixa, nullptr);
    std::string texto;
    EXPECT_TRUE(test::WaitFor([&] { return !(texto = TextoDaMensagem(caixa)).empty(); }));
    std::printf("[ message  ] %s\n", texto.c_str());
    EXPECT_NE(texto.find("Uma versão mais nova do Pivel (" PIVEL_VERSION_TEXT ") já está instalada"), std::string::npos)
        << texto;
    EXPECT_NE(texto.find("versão " PIVEL_VERSAO_ANTERIOR), std::string::npos) << texto;
    PostMessageW(caixa, WM_COMMAND, IDOK, 0);
    DWORD codigo = 0;
    ASSERT_TRUE(janela.Wait(30000, &codigo));
    EXPECT_EQ(codigo, kVersaoMaisNova);

    EXPECT_EQ(GetFileVersion(pasta + "Pivel.exe", false), PIVEL_VERSION_TEXT);
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kEntrada, L"DisplayVersion"), PIVEL_VERSION_TEXT);
    EXPECT_EQ(EntradasPivel(), 1);
    ASSERT_TRUE(Desinstalar(pasta));
}

// For all users, by the prefix's administrator: Program Files, the machine's list and Start menu, and
// each user's settings in their application data, though the administrator could write beside the program.
TEST_F(Instalacao, ParaTodosOsUsuariosAsConfiguracoesFicamNosDadosDeCadaUsuario) {
    const std::string pasta = TodosUsuarios();
    const std::string exe = pasta + "Pivel.exe";
    const std::string lnk = PastaDoSistema(CSIDL_COMMON_PROGRAMS) + "Pivel.lnk";
    const std::string dados = PastaDoSistema(CSIDL_APPDATA) + "Pivel\\PivelConfig.ini";

    ASSERT_EQ(Executar(Instalador(), "/S /AllUsers"), 0u);
    EXPECT_TRUE(test::Exists(exe));
    EXPECT_TRUE(MesmoCaminho(AlvoDoAtalho(lnk), exe)) << AlvoDoAtalho(lnk);
    EXPECT_EQ(LerRegistro(HKEY_LOCAL_MACHINE, kEntrada, L"DisplayVersion"), PIVEL_VERSION_TEXT);
    EXPECT_EQ(LerRegistro(HKEY_LOCAL_MACHINE, kEntrada, L"InstallLocation") + "\\", pasta);
    EXPECT_FALSE(ChaveExiste(HKEY_CURRENT_USER, kEntrada));

    {
        test::RunningProcess barra(exe, "");
        ASSERT_NE(barra.FindWindowOfClass(kMainClassName), nullptr);
        ASSERT_TRUE(EncerrarBarra());
    }
    EXPECT_TRUE(test::Exists(dados)) << dados;
    EXPECT_FALSE(test::Exists(pasta + "PivelConfig.ini"));

    ASSERT_TRUE(Desinstalar(pasta));
    EXPECT_FALSE(test::Exists(pasta));
    EXPECT_FALSE(test::Exists(lnk));
    EXPECT_FALSE(ChaveExiste(HKEY_LOCAL_MACHINE, kEntrada));
    EXPECT_EQ(LerRegistro(HKEY_CURRENT_USER, kRun, L"NqPivel"), "");
    EXPECT_TRUE(test::Exists(dados));
}

}  // namespace
}  // namespace nq
