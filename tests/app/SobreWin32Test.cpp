// "Sobre..." on a running Pivel.exe: the about box opens from the bar's menu every time, says the
// program's version, year and licence and where it lives, and closes with OK, Esc and its close box.

#include <gtest/gtest.h>

#include <ctime>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/MainWin32.h"
#include "support/NqFun.h"
#include "ui/DialogTestUtil.h"
#include "ui/Geometry.h"

namespace nq {
namespace {

// The process's visible window captioned so, waiting up to the time.
HWND JanelaDe(DWORD pid, const wchar_t* titulo, DWORD ms = 10000) {
    HWND achada = nullptr;
    test::WaitFor(
        [&] {
            HWND w = FindWindowW(L"#32770", titulo);
            DWORD dono = 0;
            if (w) GetWindowThreadProcessId(w, &dono);
            achada = (w && dono == pid && IsWindowVisible(w)) ? w : nullptr;
            return achada != nullptr;
        },
        ms);
    return achada;
}

std::string TextosDe(HWND w) {
    std::string todos;
    EnumChildWindows(
        w,
        [](HWND c, LPARAM p) -> BOOL {
            *reinterpret_cast<std::string*>(p) += test::TextoDe(c) + "\n";
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&todos));
    return todos;
}

TEST(Sobre, OpensFromTheMenuEveryTimeAndClosesEveryWay) {
    test::BarraEmTeste barra;
    ASSERT_TRUE(barra.Copiada());
    HWND bar = barra.Iniciar("/p");  // programming mode opens the bar at once
    ASSERT_NE(bar, nullptr);
    test::RunningProcess& pivel = barra.Processo();

    // The first time through the real menu: a right click on the bar, then "Sobre..." from below.
    RECT r{};
    GetWindowRect(bar, &r);
    test::RightClickAt(r.left + 100, r.bottom - 40);
    // Once the bar's thread runs the menu's own loop, the keys are taken in the order they come.
    ASSERT_TRUE(test::WaitFor([&] {
        GUITHREADINFO gi{};
        gi.cbSize = sizeof gi;
        return GetGUIThreadInfo(GetWindowThreadProcessId(bar, nullptr), &gi) && (gi.flags & GUI_INMENUMODE);
    }));
    std::vector<INPUT> teclas;
    // End marks the last entry whatever was marked before; "Sobre..." stands two above it.
    for (WORD k : {VK_END, VK_UP, VK_UP, VK_RETURN}) {
        for (DWORD subir : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
            INPUT i{};
            i.type = INPUT_KEYBOARD;
            i.ki.wVk = k;
            i.ki.dwFlags = subir;
            teclas.push_back(i);
        }
    }
    // The pointer leaves the menu first, so that no entry stays marked under it; then the keys.
    INPUT longe{};
    longe.type = INPUT_MOUSE;
    longe.mi.dx = 0;
    longe.mi.dy = 0;
    longe.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    teclas.insert(teclas.begin(), longe);
    SendInput(static_cast<UINT>(teclas.size()), teclas.data(), sizeof(INPUT));

    struct Fecho {
        const char* como;
        std::function<void(HWND)> fechar;
    };
    const Fecho fechos[] = {
        {"OK",
         [](HWND w) {
             test::NaFrente(w);
             test::PressKey(VK_RETURN);
         }},
        {"Esc",
         [](HWND w) {
             test::NaFrente(w);
             test::PressKey(VK_ESCAPE);
         }},
        {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    int vez = 0;
    for (const Fecho& f : fechos) {
        if (vez++ > 0) PostMessageW(bar, WM_COMMAND, mnSobre, 0);
        HWND sobre = JanelaDe(pivel.pid(), L"Sobre o sistema");
        if (!sobre) test::SalvarTela(GetDesktopWindow(), "Sobre-falhou");
        ASSERT_NE(sobre, nullptr) << "opening " << vez;
        EXPECT_EQ(test::ClienteDe(sobre), (Rect{0, 0, 497, 265}));
        const std::string textos = TextosDe(sobre);
        EXPECT_NE(textos.find("Versão " PIVEL_VERSION_TEXT "\n"), std::string::npos) << textos;
        // The notice has the year the program's file was written (this very year) and the licence the
        // project is under; nothing that contradicts it, and no made-up address.
        std::time_t agora = std::time(nullptr);
        const int ano = std::localtime(&agora)->tm_year + 1900;
        EXPECT_NE(textos.find("Copyright © " + std::to_string(ano) + " Nq. Software livre sob a Licença MIT.\n"),
                  std::string::npos)
            << textos;
        for (const char* falso : {"reservados", "example", "@", "http"})
            EXPECT_EQ(textos.find(falso), std::string::npos) << falso << " in " << textos;
        // Where it lives: the program's own folder and its settings file beside it.
        EXPECT_NE(textos.find("Pasta do programa:\n" + barra.Pasta().path() + "\n"), std::string::npos)
            << textos;
        EXPECT_NE(textos.find("Configurações:\n" + barra.Ini() + "\n"), std::string::npos) << textos;
        EXPECT_NE(textos.find("Abrir registro de eventos\n"), std::string::npos) << textos;
        EXPECT_FALSE(IsWindowEnabled(bar)) << "the bar waits while the box is open";
        if (vez == 1) test::SalvarTela(sobre, "Sobre-96");
        f.fechar(sobre);
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(sobre) || !IsWindowVisible(sobre); })) << f.como;
        EXPECT_TRUE(test::WaitFor([&] { return IsWindowEnabled(bar) != 0; })) << f.como;
    }
    PostMessageW(bar, WM_CLOSE, 0, 0);
    EXPECT_TRUE(pivel.Wait(15000));
}

// In programming mode Shift+Esc in a dialog ends the process at once, without saving. The box is
// opened at 144 dpi here: it is scaled whole.
TEST(Sobre, ShiftEscInADialogEndsAProgrammingModeProcessAtOnce) {
    test::BarraEmTeste barra;
    ASSERT_TRUE(barra.Copiada());
    HWND bar = barra.Iniciar("/p", {"PIVEL_DPI=144"});
    ASSERT_NE(bar, nullptr);
    test::RunningProcess& pivel = barra.Processo();
    PostMessageW(bar, WM_COMMAND, mnSobre, 0);
    HWND sobre = JanelaDe(pivel.pid(), L"Sobre o sistema");
    ASSERT_NE(sobre, nullptr);
    EXPECT_EQ(test::ClienteDe(sobre), Scale(Rect{0, 0, 497, 265}, 144));
    test::SalvarTela(sobre, "Sobre-144");
    ASSERT_TRUE(test::NaFrente(sobre));
    test::PressKey(VK_ESCAPE, true);
    DWORD codigo = 1;
    EXPECT_TRUE(pivel.Wait(10000, &codigo));
    EXPECT_EQ(codigo, 0u);
    EXPECT_FALSE(test::Exists(barra.Ini())) << "nothing was saved";
}

}  // namespace
}  // namespace nq
