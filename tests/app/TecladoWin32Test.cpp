// The bar without the mouse, for a screen reader, and beside full-screen programs: Pivel.exe started
// for real and driven from this process with real keys.

#include <gtest/gtest.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <initializer_list>

#include "BarraEmTeste.h"
#include "support/NqFun.h"
#include "support/Text.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

using test::BarraEmTeste;
using test::Gravado;
using test::Gravador;


class Teclado : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(),
                              Wide(barra_.Pasta() / "recorder.exe").c_str(), FALSE));
        ASSERT_TRUE(
            barra_.Catalogo({Gravador(barra_, "Agenda", "um"), Gravador(barra_, "Bloco de notas", "bloco"),
                             Gravador(barra_, "Calculadora", "tres")}));
    }
    std::string Registro() const { return barra_.Pasta() / "gravado.txt"; }
    // The command line of the recorder's launch, once it came (empty when none came in time).
    std::string Lancado() const {
        test::WaitFor([&] { return !Gravado(Registro()).empty(); }, 15000);
        return Gravado(Registro());
    }
    // The visible window with this title in front, once it is; nullptr when none came in time.
    static HWND DialogoNaFrente(const wchar_t* titulo) {
        HWND d = nullptr;
        const bool aberto = test::WaitFor(
            [&] {
                d = GetForegroundWindow();
                wchar_t texto[64] = L"";
                GetWindowTextW(d, texto, 64);
                return IsWindowVisible(d) && lstrcmpW(texto, titulo) == 0;
            },
            15000);
        return aberto ? d : nullptr;
    }
    // The user works in another program when the global key is pressed.
    void OutroProgramaNaFrente() {
        if (!outro_)
            outro_ = CreateWindowExW(0, test::PlainWindowClass(L"PivelTesteOutro"), L"Outro",
                                     WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(outro_);
        test::WaitFor([&] { return GetForegroundWindow() == outro_; });
    }
    void TearDown() override {
        if (outro_) DestroyWindow(outro_);
    }
    HWND outro_ = nullptr;
    HWND Iniciar() { return barra_.Iniciar("", {"PIVEL_RECORD_FILE=" + Registro()}); }

    // Keys held together (Ctrl+Alt+P ...), in one batch of input: pressed in order, let go in reverse.
    static void Combinacao(std::initializer_list<WORD> teclas) {
        std::vector<INPUT> in;
        for (bool solta : {false, true}) {
            std::vector<WORD> ordem(teclas);
            if (solta) std::reverse(ordem.begin(), ordem.end());
            for (WORD vk : ordem) {
                INPUT i{};
                i.type = INPUT_KEYBOARD;
                i.ki.wVk = vk;
                i.ki.dwFlags = solta ? KEYEVENTF_KEYUP : 0;
                in.push_back(i);
            }
        }
        SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    }
    static void TeclaGlobal() { Combinacao({VK_CONTROL, VK_MENU, WORD('P')}); }

    BarraEmTeste barra_;
};

TEST_F(Teclado, TheGlobalKeyOpensAndClosesTheBarAndTheArrowsLaunch) {
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Fechada());
    OutroProgramaNaFrente();
    TeclaGlobal();
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Aberta(); })) << "the global key opens the bar";
    ASSERT_TRUE(barra_.ComTeclado()) << "in front, with the keyboard";
    TeclaGlobal();
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Fechada(); })) << "pressed again, it closes";

    TeclaGlobal();
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Aberta(); }));
    ASSERT_TRUE(barra_.ComTeclado());
    test::PressKey(VK_DOWN);
    test::PressKey(VK_DOWN);
    test::SalvarTela(w, "barra-marca");
    test::PressKey(VK_RETURN);
    EXPECT_EQ(Right(Lancado(), 6), " bloco") << "the second button: " << Lancado();
    EXPECT_TRUE(barra_.Encerrar());
}

TEST_F(Teclado, TypingFindsAShortcutAndEscClearsThenCloses) {
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Abrir());
    ASSERT_TRUE(barra_.ComTeclado());
    test::Digitar(L"bloc");
    test::SalvarTela(w, "barra-busca");
    test::PressKey(VK_RETURN);
    EXPECT_EQ(Right(Lancado(), 6), " bloco");
    EXPECT_TRUE(test::WaitFor([&] { return barra_.Fechada(); })) << "a launch closes the bar";

    // Esc clears the typed text first; the next Esc closes the bar.
    ASSERT_TRUE(barra_.Abrir());
    ASSERT_TRUE(barra_.ComTeclado());
    test::Digitar(L"calc");
    test::PressKey(VK_ESCAPE);
    EXPECT_FALSE(test::WaitFor([&] { return barra_.Fechada(); }, 1000))
        << "the first Esc only clears the text";
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitFor([&] { return barra_.Fechada(); }));
    EXPECT_TRUE(barra_.Encerrar());
}

// After a dialog closes, the window that opened it has the keyboard at once and no
// window of the dialog is left behind, so that the user goes on typing.
TEST_F(Teclado, AfterEachDialogTheBarHasTheKeyboardAtOnce) {
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Abrir());
    ASSERT_TRUE(barra_.ComTeclado());
    const test::RunningProcess& pivel = barra_.Processo();
    // Gone: the bar in front, and no dialog window of the program, hidden or not.
    auto fechado = [&](const char* passo) {
        const DWORD inicio = GetTickCount();
        const bool devolvido = test::WaitFor(
            [&] { return GetForegroundWindow() == w && !pivel.FindWindowOfClass(L"#32770", 0); }, 2000);
        wchar_t frente[64] = L"";
        GetClassNameW(GetForegroundWindow(), frente, 64);
        EXPECT_TRUE(devolvido) << passo << ": in front is a window of class " << Narrow(frente);
        std::printf("  %s: the bar had the keyboard back after %lu ms\n", passo, test::Elapsed(inicio));
    };

    for (const char* passo : {"first Esc", "second Esc"}) {
        test::PressKey(VK_F5);
        ASSERT_NE(DialogoNaFrente(L"Configurações"), nullptr) << passo;
        test::PressKey(VK_ESCAPE);
        fechado(passo);
    }
    test::PressKey(VK_INSERT);
    ASSERT_NE(DialogoNaFrente(L"Programas e comandos (Edição)"), nullptr);
    test::PressKey(VK_ESCAPE);
    fechado("edit dialog");
    test::PressKey(VK_DOWN);
    test::PressKey(VK_RETURN);
    EXPECT_EQ(Right(Lancado(), 3), " um") << "the first button: " << Lancado();
    EXPECT_TRUE(barra_.Encerrar());
}

// "Configurações" chosen from the tray icon's menu while another program has the keyboard: once the
// window closes, that program has the keyboard again.
TEST_F(Teclado, ADialogFromTheTrayIconGivesTheKeyboardBackToTheProgramThatHadIt) {
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    // Without a notification area on the display, Wine shows the icons in a window of its own.
    HWND bandeja = nullptr;
    ASSERT_TRUE(
        test::WaitFor([&] { return (bandeja = FindWindowW(L"__winex11_standalone_tray", nullptr)) != nullptr; }, 15000));
    OutroProgramaNaFrente();
    POINT icone{GetSystemMetrics(SM_CXSMICON) / 2 + 2, GetSystemMetrics(SM_CYSMICON) / 2 + 2};
    ClientToScreen(bandeja, &icone);
    test::RightClickAt(icone.x, icone.y);
    ASSERT_TRUE(test::WaitFor([&] { return test::MenuWindows(barra_.Processo().pid()).size() == 1; }))
        << "the tray icon's menu";
    for (int i = 0; i < 3; ++i) test::PressKey(VK_DOWN);  // "Outros atalhos", "Incluir atalho", "Configurações"
    test::PressKey(VK_RETURN);
    ASSERT_NE(DialogoNaFrente(L"Configurações"), nullptr);
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == outro_; }, 2000))
        << "the keyboard is back with the other program";
    EXPECT_TRUE(barra_.Encerrar());
}

// Targets written with variables, relative to the program, or on a drive letter the carried bar no longer
// has: launched as the program uses them, kept in the file as typed; a variable the system does not know
// leaves the target missing, told as any is.
TEST_F(Teclado, VariablesAndPathsRelativeToTheProgramLaunchAndStayAsTyped) {
    const std::string ferramentas = barra_.Pasta() / "ferramentas";
    ASSERT_TRUE(CreateDirectoryW(Wide(ferramentas).c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(),
                          Wide(ferramentas + "\\recorder.exe").c_str(), FALSE));
    auto registro = [](const std::string& titulo, const std::string& programa, const std::string& param) {
        return "titulo=" + titulo + "\xA7programa=" + programa + "\xA7param=" + param +
               "\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7";
    };
    // In the bar's order: by title.
    // A carried bar whose drive got another letter: the stored drive letter names no drive.
    const std::string outraLetra = "Q" + (ferramentas + "\\recorder.exe").substr(1);
    ASSERT_EQ(ferramentas[1], ':');
    ASSERT_TRUE(barra_.Catalogo({registro("A variavel", "%PIVEL%\\ferramentas\\recorder.exe", "%USERPROFILE%"),
                                 registro("B desconhecida", "%NAOEXISTE%\\recorder.exe", "x"),
                                 registro("C relativo", "ferramentas\\recorder.exe", "rel"),
                                 registro("D outra letra", outraLetra, "letra"),
                                 registro("E absoluto", ferramentas + "\\recorder.exe", "abs")}));
    wchar_t perfil[MAX_PATH] = L"";
    ASSERT_GT(GetEnvironmentVariableW(L"USERPROFILE", perfil, MAX_PATH), 0u);
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    // Each button shows its target's own icon: the same as the absolute path's, unlike a missing one's.
    ASSERT_TRUE(barra_.Abrir());
    const UINT atalhos = RegisterWindowMessageW(kMsgAtalhos);
    ASSERT_TRUE(test::WaitFor([&] { return SendMessageW(w, atalhos, 3, 0) == 0; }, 15000));
    const Rect aberta = barra_.Retangulo();
    auto icone = [&](int i) {
        std::vector<COLORREF> pontos;
        HDC tela = GetDC(nullptr);
        const int x0 = aberta.left + kButtonLeft, y0 = aberta.top + kTitlePanelHeight + iTamInicial + 38 * i;
        for (int y = 0; y < kIconSize; y += 2)
            for (int x = 0; x < kIconSize; x += 2) pontos.push_back(GetPixel(tela, x0 + x, y0 + y));
        ReleaseDC(nullptr, tela);
        return pontos;
    };
    EXPECT_TRUE(test::WaitFor([&] { return icone(0) == icone(4); })) << "%PIVEL%";
    EXPECT_EQ(icone(2), icone(4)) << "relative";
    EXPECT_EQ(icone(3), icone(4)) << "another drive letter";
    EXPECT_NE(icone(1), icone(4)) << "an unknown variable: missing";
    ASSERT_TRUE(barra_.ComTeclado());
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Fechada(); }));

    auto lancar = [&](int descidas) {
        DeleteFileW(Wide(Registro()).c_str());
        EXPECT_TRUE(barra_.Abrir());
        EXPECT_TRUE(barra_.ComTeclado());
        for (int i = 0; i < descidas; ++i) test::PressKey(VK_DOWN);
        test::PressKey(VK_RETURN);
    };

    lancar(1);
    EXPECT_EQ(Right(Lancado(), static_cast<int>(wcslen(perfil)) + 1), " " + Narrow(perfil))
        << "the parameter expanded: " << Lancado();
    EXPECT_NE(Lancado().find("ferramentas"), std::string::npos) << Lancado();
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Fechada(); }));

    lancar(3);
    EXPECT_EQ(Right(Lancado(), 4), " rel") << "the relative path launched: " << Lancado();
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Fechada(); }));

    lancar(4);
    EXPECT_EQ(Right(Lancado(), 6), " letra") << "found on the program's drive: " << Lancado();
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Fechada(); }));

    lancar(2);
    EXPECT_TRUE(test::WaitFor([&] {
        HWND aviso = barra_.Processo().FindWindowOfClass(L"TfmDesktopAviso", 0);
        return aviso && IsWindowVisible(aviso);
    })) << "the missing target is told";
    EXPECT_FALSE(test::Exists(Registro())) << "and nothing else was launched";

    EXPECT_TRUE(barra_.Encerrar());
    const std::string ini = test::ReadFile(barra_.Ini());
    for (const std::string& guardado :
         {std::string("programa=%PIVEL%\\ferramentas\\recorder.exe\xA7param=%USERPROFILE%\xA7"),
          std::string("programa=ferramentas\\recorder.exe\xA7"), std::string("programa=%NAOEXISTE%\\recorder.exe\xA7"),
          "programa=" + outraLetra + "\xA7"})
        EXPECT_NE(ini.find(guardado), std::string::npos) << guardado << "\n" << ini;
}

// As a screen reader does it: the accessible object of the bar's window, from another process.
TEST_F(Teclado, AScreenReaderReadsTheButtonsFromAnotherProcess) {
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(w, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)),
              S_OK);
    long n = 0;
    EXPECT_EQ(acc->get_accChildCount(&n), S_OK);
    std::vector<long> papeis;
    const std::vector<std::string> nomes = test::NomesDosBotoes(w, &papeis);
    EXPECT_EQ(papeis, std::vector<long>(static_cast<std::size_t>(n), ROLE_SYSTEM_PUSHBUTTON)) << "every one a button";
    EXPECT_EQ(nomes, (std::vector<std::string>{"Agenda", "Bloco de notas", "Calculadora", "Configurações"}));

    // What a sighted user sees: closed, the buttons lie past the screen's edge; open, on the screen
    // where they are drawn.
    RECT monitor{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor, 0);
    monitor.right = GetSystemMetrics(SM_CXSCREEN);
    monitor.bottom = GetSystemMetrics(SM_CYSCREEN);
    auto estados = [&](bool aberta) {
        for (long i = 1; i <= n; ++i) {
            VARIANT v;
            VariantInit(&v);
            v.vt = VT_I4;
            v.lVal = i;
            VARIANT estado;
            VariantInit(&estado);
            ASSERT_EQ(acc->get_accState(v, &estado), S_OK);
            long x = 0, y = 0, lw = 0, lh = 0;
            ASSERT_EQ(acc->accLocation(&x, &y, &lw, &lh, v), S_OK);
            const RECT r{x, y, x + lw, y + lh};
            RECT dentro{};
            const bool naTela = IntersectRect(&dentro, &r, &monitor) != 0;
            const long fora = STATE_SYSTEM_OFFSCREEN | STATE_SYSTEM_INVISIBLE;
            std::printf("  %s, button %ld at x = %ld: state 0x%lx\n", aberta ? "open" : "closed", i, x, estado.lVal);
            EXPECT_EQ(naTela, aberta) << "button " << i << " at x = " << x;
            EXPECT_EQ((estado.lVal & fora) == fora, !aberta) << "button " << i << " at x = " << x;
        }
    };
    estados(false);
    ASSERT_TRUE(barra_.Abrir());
    estados(true);
    acc->Release();
    CoUninitialize();
    EXPECT_TRUE(barra_.Encerrar());
}

// A program in front that covers the whole screen: the closed strip steps aside, and comes back.
TEST_F(Teclado, AFullScreenProgramHidesTheStripUntilItGoes) {
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Fechada());
    const int largura = GetSystemMetrics(SM_CXSCREEN), altura = GetSystemMetrics(SM_CYSCREEN);
    HWND cheia =
        CreateWindowExW(0, test::PlainWindowClass(L"PivelTesteTelaCheia"), L"Video", WS_POPUP | WS_VISIBLE, 0,
                        0, largura, altura, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(cheia, nullptr);
    SetForegroundWindow(cheia);
    EXPECT_TRUE(test::WaitFor([&] {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        return !IsWindowVisible(w);
    })) << "the strip steps aside";
    DestroyWindow(cheia);
    EXPECT_TRUE(test::WaitFor([&] { return IsWindowVisible(w) != 0; })) << "and comes back";
    EXPECT_TRUE(barra_.Fechada());
    EXPECT_TRUE(barra_.Encerrar());
}

// A key another program has taken is told of once, and the bar works on without it; the key is read
// from the settings file in its text form.
TEST_F(Teclado, AKeyAlreadyTakenLeavesTheBarWorkingAndTheSettingNamesTheKey) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'P'));
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    HWND aviso = nullptr;
    EXPECT_TRUE(test::WaitFor([&] {
        aviso = FindWindowW(L"TfmDesktopAviso", L"Agendamentos");
        return aviso && IsWindowVisible(aviso);
    })) << "the notice tells of the taken key";
    if (aviso) test::SalvarTela(aviso, "aviso-tecla");
    EXPECT_TRUE(barra_.Abrir()) << "and the bar works on";
    EXPECT_TRUE(barra_.Encerrar());
    UnregisterHotKey(nullptr, 7);

    // Another key, as the settings file names it.
    ASSERT_TRUE(
        barra_.Catalogo({Gravador(barra_, "Agenda", "um")}, "[Config]\r\nTeclaAtalho=Ctrl+Shift+K\r\n\r\n"));
    HWND w2 = barra_.Iniciar();
    ASSERT_NE(w2, nullptr);
    OutroProgramaNaFrente();
    Combinacao({VK_CONTROL, VK_SHIFT, WORD('K')});
    EXPECT_TRUE(test::WaitFor([&] { return barra_.Aberta(); }));
    EXPECT_TRUE(barra_.Encerrar(1));
    EXPECT_NE(test::ReadFile(barra_.Ini()).find("TeclaAtalho=Ctrl+Shift+K"), std::string::npos);
}

}  // namespace
}  // namespace nq
