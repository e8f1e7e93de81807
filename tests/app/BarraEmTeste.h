#pragma once
// A copy of Pivel.exe in a folder of its own, with its own settings file, started and ended for real by
// the Wine tests, as a user's program would be. Every Wine test that runs the bar itself goes through
// this one fixture: the copy, the start and its wait for the window, and the orderly end.

#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>
#include <shlobj.h>

#include <climits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/BarSoltosWin32.h"
#include "app/MainWin32.h"

namespace nq::test {

class BarraEmTeste {
public:
    BarraEmTeste() {
        copiada_ = CopyFileW(Wide(BinFolder() + "Pivel.exe").c_str(), Wide(Exe()).c_str(), FALSE) != 0;
    }
    // False when the copy of Pivel.exe could not be made (a fixture asserts it in SetUp).
    bool Copiada() const { return copiada_; }
    std::string Exe() const { return dir_ / "Pivel.exe"; }
    std::string Ini() const { return dir_ / "PivelConfig.ini"; }
    const TempFolder& Pasta() const { return dir_; }

    // Writes the settings file: the section "IconesMenu" with these records ("titulo=...§programa=..."),
    // and whatever else is given before it.
    bool Catalogo(const std::vector<std::string>& registros, const std::string& antes = "") {
        std::string ini = antes + "[IconesMenu]\r\nRecordCount=" + std::to_string(registros.size()) + "\r\n";
        for (std::size_t i = 0; i < registros.size(); ++i)
            ini += std::to_string(i + 1) + "=" + registros[i] + "\r\n";
        return WriteFile(Ini(), ini);
    }

    // Starts the bar and waits for its window to exist (not yet to show: a bar may ask something first);
    // nullptr, with a failure saying what became of the process, when none came.
    HWND Lancar(const std::string& args = "", const std::vector<std::string>& env = {}) {
        processos_.push_back(std::make_unique<RunningProcess>(Exe(), args, env));
        HWND w = processos_.back()->FindWindowOfClass(kMainClassName);
        if (!w) {
            DWORD code = 0;
            const bool ended = processos_.back()->Wait(0, &code);
            ADD_FAILURE() << "no bar window; the process "
                          << (ended ? "ended with code " + std::to_string(code) : std::string("still runs"));
        }
        janela_ = w;
        return w;
    }
    // Starts the bar and waits for its window to show; nullptr when none came.
    HWND Iniciar(const std::string& args = "", const std::vector<std::string>& env = {}) {
        HWND w = Lancar(args, env);
        if (w && !WaitFor([&] { return IsWindowVisible(w) != 0; })) w = nullptr;
        janela_ = w;
        return w;
    }
    HWND Janela() const { return janela_; }
    RunningProcess& Processo(std::size_t i = 0) const { return *processos_.at(i); }
    RunningProcess& Ultimo() const { return *processos_.back(); }

    Rect Retangulo() const {
        RECT r{};
        GetWindowRect(janela_, &r);
        return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    static Rect AreaDeTrabalho() {
        RECT wa{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        return Rect{0, 0, wa.right - wa.left, wa.bottom - wa.top};
    }
    bool Aberta() const {
        const Rect wa = AreaDeTrabalho();
        return Retangulo() == OpenBarRect(wa.width, wa.height);
    }
    bool Fechada() const {
        const Rect wa = AreaDeTrabalho();
        return Retangulo() == ClosedBarRect(wa.width, wa.height);
    }
    // A click on the strip at the screen's right edge opens the bar; true once it is open.
    bool Abrir() {
        const Rect wa = AreaDeTrabalho();
        ClickAt(wa.width - 1, wa.height - 10);
        return WaitFor([&] { return Aberta(); });
    }
    // The bar in front with the keyboard, steadily (under X without a window manager the focus leaves a
    // window that has just moved, and the bar takes it back a moment later).
    bool ComTeclado() const {
        return WaitSteady([&] { return GetForegroundWindow() == janela_; }, 300);
    }

    // Ends the bar in order (the window closes and saves); true when the process ended with code 0.
    bool Encerrar(std::size_t i = 0) { return Encerrar(janela_, i); }
    // The same for the window w of the i-th start (several bars run in programming mode).
    bool Encerrar(HWND w, std::size_t i) {
        PostMessageW(w, WM_CLOSE, 0, 0);
        DWORD code = 1;
        return processos_.at(i)->Wait(15000, &code) && code == 0;
    }

private:
    RunValue restaurar_;  // every start registers the copy: the value is put back afterwards
    TempFolder dir_;
    std::vector<std::unique_ptr<RunningProcess>> processos_;
    HWND janela_ = nullptr;
    bool copiada_ = false;
};

// The desktop notice of a process clicked once it shows and has slid into place: the box the click shows,
// or nullptr with a failure when either did not come. `aviso` receives the notice's window.
inline HWND ClicarNoAviso(RunningProcess& p, HWND* aviso = nullptr) {
    HWND janela = nullptr;
    if (!WaitFor([&] {
            janela = p.FindWindowOfClass(L"TfmDesktopAviso", 0);
            return janela && IsWindowVisible(janela);
        }, 10000)) {
        ADD_FAILURE() << "no notice";
        return nullptr;
    }
    if (aviso) *aviso = janela;
    EXPECT_EQ(p.FindWindowOfClass(L"#32770", 0), nullptr) << "no box before the click";
    LONG topo = LONG_MIN;
    WaitSteady(  // it slides up first
        [&] {
            RECT r{};
            GetWindowRect(janela, &r);
            return std::exchange(topo, r.top) == r.top;
        },
        300);
    RECT r{};
    GetWindowRect(janela, &r);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    HWND caixa = p.FindWindowOfClass(L"#32770", 10000);
    if (!caixa) ADD_FAILURE() << "the click showed nothing";
    return caixa;
}

// How the recorder program was started: its command line, first of its lines.
inline std::string Gravado(const std::string& arquivo) {
    const std::string raw = ReadFile(arquivo);
    const std::string texto =
        Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / 2));
    return texto.substr(0, texto.find('\n'));
}

// A bar shortcut to the recorder (copied beside the bar) with a parameter of its own, so that each
// launch says which it was.
inline std::string Gravador(const BarraEmTeste& b, const std::string& titulo, const std::string& param) {
    return "titulo=" + titulo + "\xA7programa=" + (b.Pasta() / "recorder.exe") + "\xA7param=" + param +
           "\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7";
}

// The settings kept in application data for a file that would not take them, removed before and after.
class NaoGravadas {
public:
    NaoGravadas() {
        wchar_t pasta[MAX_PATH] = L"";
        SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, pasta);
        pasta_ = Narrow(pasta) + "\\Pivel\\";
        Limpar();
    }
    ~NaoGravadas() { Limpar(); }
    NaoGravadas(const NaoGravadas&) = delete;
    NaoGravadas& operator=(const NaoGravadas&) = delete;
    const std::string& Pasta() const { return pasta_; }
    std::vector<std::string> Nomes() const {
        std::vector<std::string> out;
        for (const std::string& n : test::NamesIn(pasta_))
            if (n.rfind("PivelConfig (não gravada ", 0) == 0) out.push_back(n);
        return out;
    }
    void Limpar() const {
        for (const std::string& n : Nomes()) DeleteFileW(Wide(pasta_ + n).c_str());
    }

private:
    std::string pasta_;
};

// Drops files on the bar as the shell hands a drop over from another program: a DROPFILES header, then
// the wide names, each ended with a zero, and an empty one at the end, sent as WM_COPYDATA.
inline LRESULT Soltar(HWND bar, const std::vector<std::string>& nomes) {
    DROPFILES h{};
    h.pFiles = sizeof h;
    h.fWide = TRUE;
    std::string bytes(reinterpret_cast<const char*>(&h), sizeof h);
    for (const std::string& n : nomes) {
        const std::wstring w = Wide(n) + L'\0';
        bytes.append(reinterpret_cast<const char*>(w.data()), w.size() * sizeof(wchar_t));
    }
    bytes.append(sizeof(wchar_t), '\0');
    COPYDATASTRUCT cd{RegisterWindowMessageW(kSoltarArquivos), static_cast<DWORD>(bytes.size()), bytes.data()};
    return SendMessageW(bar, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cd));
}

// The bar's buttons as a screen reader reads them from another process: their names, and their roles
// when asked for. The caller has joined COM.
inline std::vector<std::string> NomesDosBotoes(HWND bar, std::vector<long>* papeis = nullptr) {
    std::vector<std::string> nomes;
    IAccessible* acc = nullptr;
    if (AccessibleObjectFromWindow(bar, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)) != S_OK)
        return nomes;
    long n = 0;
    acc->get_accChildCount(&n);
    for (long i = 1; i <= n; ++i) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = i;
        BSTR nome = nullptr;
        if (acc->get_accName(v, &nome) == S_OK && nome) nomes.push_back(Narrow(nome));
        SysFreeString(nome);
        if (!papeis) continue;
        VARIANT papel;
        VariantInit(&papel);
        acc->get_accRole(v, &papel);
        papeis->push_back(papel.lVal);
    }
    acc->Release();
    return nomes;
}

}  // namespace nq::test
