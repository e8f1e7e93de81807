// The bar on a display of two monitors: on the one and at the edge the settings choose, chosen in
// "Configurações" without a restart, and back on the primary while its own is unplugged. These tests need
// two monitors (scripts/wine-tests.sh runs them on an X display of two screens, where seeing one fails); on
// one they are skipped.

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarMenuWin32.h"
#include "app/BarSondasWin32.h"
#include "app/LugarBarra.h"
#include "dialogs/ConfigWin32.h"
#include "support/PlatformWin32.h"

namespace nq {
namespace {

// A control of a dialog of another process, by its place in the dialog's table (its id is 100 + place),
// wherever it lies among the dialog's pages.
HWND ControleDoDialogo(HWND dialogo, int controle) {
    struct Q {
        int id;
        HWND achado;
    } q{100 + controle, nullptr};
    EnumChildWindows(
        dialogo,
        [](HWND w, LPARAM p) -> BOOL {
            auto* q = reinterpret_cast<Q*>(p);
            if (GetDlgCtrlID(w) != q->id) return TRUE;
            q->achado = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.achado;
}

std::string Texto(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right()) + ", " +
           std::to_string(r.bottom()) + ")";
}

class Monitores : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWin32Platform();
        monitores_ = CurrentPlatform().monitores->Listar();
        if (monitores_.size() < 2) {
            // The pass on a display of two screens must see both: a test that could not look is a failure.
            if (std::getenv("PIVEL_DUAS_TELAS")) FAIL() << "the two-screen display lists " << monitores_.size();
            GTEST_SKIP() << "one monitor: these tests need two";
        }
        ASSERT_TRUE(barra_.Copiada());
        const TMonitor& segundo = monitores_[1];
        std::printf("  monitors: %zu; the second at %s, work area %s\n", monitores_.size(),
                    Texto(segundo.area).c_str(), Texto(segundo.trabalho).c_str());
    }

    // Starts the bar with these settings and waits until it stands closed where they say.
    HWND Iniciar(const std::string& config) {
        if (!barra_.Catalogo({"titulo=Bloco de notas\xA7programa=C:\\windows\\system32\\notepad.exe\xA7tipo=1\xA7"},
                             "[Config]\r\n" + config))
            return nullptr;
        return barra_.Iniciar();
    }
    Rect Esperado(int monitor, TLado lado, bool aberta) const {
        return LugarDaBarra(monitores_, monitor, lado, aberta).janela;
    }
    bool Em(const Rect& r) const {
        return test::WaitFor([&] { return barra_.Retangulo() == r; });
    }

    std::vector<TMonitor> monitores_;
    test::BarraEmTeste barra_;
};

// The closed strip and the open bar at the right edge of the second monitor, then at its left edge: what
// shows of them (2 and 198 pixels) lies inside that monitor's work area, at its edge.
TEST_F(Monitores, TheBarStandsAtEitherEdgeOfTheSecondMonitor) {
    const Rect trabalho = monitores_[1].trabalho;
    for (const TLado lado : {TLado::Direita, TLado::Esquerda}) {
        const bool esquerda = lado == TLado::Esquerda;
        SCOPED_TRACE(esquerda ? "Lado=Esquerda" : "Lado=Direita");
        test::BarraEmTeste barra;
        ASSERT_TRUE(barra.Copiada());
        ASSERT_TRUE(barra.Catalogo({}, std::string("[Config]\r\nMonitor=2\r\nLado=") +
                                           (esquerda ? "Esquerda" : "Direita") + "\r\n"));
        HWND w = barra.Iniciar();
        ASSERT_NE(w, nullptr);
        const auto medido = [&] { return barra.Retangulo(); };
        ASSERT_TRUE(test::WaitFor([&] { return medido() == Esperado(2, lado, false); })) << Texto(medido());
        Rect r = medido();
        std::printf("  %s closed: %s\n", esquerda ? "left" : "right", Texto(r).c_str());
        EXPECT_EQ(esquerda ? r.right() - 2 : r.left + 2, esquerda ? trabalho.left : trabalho.right());
        EXPECT_EQ(r.bottom(), trabalho.bottom());
        EXPECT_EQ(r.height, trabalho.height * 70 / 100);

        PostMessageW(w, WM_AppRestore, 0, 0);  // a second start's request: the bar opens
        ASSERT_TRUE(test::WaitFor([&] { return medido() == Esperado(2, lado, true); })) << Texto(medido());
        r = medido();
        std::printf("  %s open: %s\n", esquerda ? "left" : "right", Texto(r).c_str());
        EXPECT_EQ(esquerda ? r.right() - 198 : r.left + 198, esquerda ? trabalho.left : trabalho.right());
        EXPECT_EQ(r.top, trabalho.top);
        EXPECT_EQ(r.height, trabalho.height);
        EXPECT_TRUE(barra.Encerrar());
        EXPECT_NE(test::ReadFile(barra.Ini()).find(std::string("Monitor=2\r\nLado=") +
                                                  (esquerda ? "Esquerda" : "Direita") + "\r\n"),
                  std::string::npos);
    }
}

// "Abrir ao apontar" watches the right edge of the bar's own monitor, the second: the pointer resting there
// above the strip opens the bar; resting on the first monitor's right edge does not.
TEST_F(Monitores, PointingOpensTheBarAtTheEdgeOfItsOwnMonitorOnly) {
    const Rect trabalho = monitores_[1].trabalho, outro = monitores_[0].trabalho;
    ASSERT_NE(trabalho.right(), outro.right()) << "the two monitors' right edges differ";
    HWND w = Iniciar("AbrirAoApontar=1\r\nMonitor=2\r\nLado=Direita\r\n");
    ASSERT_NE(w, nullptr);
    const Rect fechada = Esperado(2, TLado::Direita, false), aberta = Esperado(2, TLado::Direita, true);
    ASSERT_TRUE(Em(fechada)) << Texto(barra_.Retangulo());
    const int y = trabalho.top + 20;  // above the strip, which covers the lower 70 %
    SetCursorPos(outro.right() - 1, y);
    EXPECT_TRUE(test::WaitSteady([&] { return barra_.Retangulo() == fechada; }, 1000, 3000))
        << "the first monitor's edge: " << Texto(barra_.Retangulo());
    SetCursorPos(trabalho.right() - 1, y);
    EXPECT_TRUE(Em(aberta)) << Texto(barra_.Retangulo());
    SetCursorPos(trabalho.left + trabalho.width / 3, trabalho.top + trabalho.height / 2);
    EXPECT_TRUE(Em(fechada)) << Texto(barra_.Retangulo());
    EXPECT_TRUE(barra_.Encerrar());
}

// Chosen in "Configurações" and saved, the monitor and the edge are taken at once.
TEST_F(Monitores, TheChoiceInTheConfigurationWindowIsSavedAndTakenWithoutARestart) {
    HWND w = Iniciar("");
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(Em(Esperado(0, TLado::Direita, false)));
    const auto antes = test::WindowsOfClass(barra_.Ultimo().pid(), L"#32770");
    PostMessageW(w, WM_COMMAND, mnConfig, 0);
    HWND d = nullptr;
    ASSERT_TRUE(test::WaitFor([&] {
        for (HWND j : test::WindowsOfClass(barra_.Ultimo().pid(), L"#32770"))
            if (IsWindowVisible(j) && std::find(antes.begin(), antes.end(), j) == antes.end()) d = j;
        return d != nullptr;
    }, 15000));
    HWND monitor = ControleDoDialogo(d, TfrmConfig::cbMonitor), lado = ControleDoDialogo(d, TfrmConfig::cbLado);
    ASSERT_NE(monitor, nullptr);
    ASSERT_NE(lado, nullptr);
    EXPECT_EQ(SendMessageW(monitor, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(1 + monitores_.size()));
    SendMessageW(monitor, CB_SETCURSEL, 2, 0);  // "Principal", "1", "2"
    SendMessageW(lado, CB_SETCURSEL, 1, 0);     // "Direita", "Esquerda"
    PostMessageW(ControleDoDialogo(d, TfrmConfig::bok), BM_CLICK, 0, 0);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }, 15000));
    EXPECT_NE(test::ReadFile(barra_.Ini()).find("Monitor=2\r\nLado=Esquerda\r\n"), std::string::npos)
        << test::ReadFile(barra_.Ini());
    const bool aberta = barra_.Retangulo().width > 0 && test::WaitFor([&] {
        return barra_.Retangulo() == Esperado(2, TLado::Esquerda, true) ||
               barra_.Retangulo() == Esperado(2, TLado::Esquerda, false);
    });
    EXPECT_TRUE(aberta) << Texto(barra_.Retangulo());
    std::printf("  after saving: %s\n", Texto(barra_.Retangulo()).c_str());
    EXPECT_TRUE(barra_.Encerrar());
}

// Its monitor unplugged, the bar stands on the primary at once, and goes back when the monitor returns; the
// setting stays as the user chose it.
TEST_F(Monitores, AnUnpluggedMonitorSendsTheBarToThePrimaryAndBackWhenItReturns) {
    HWND w = Iniciar("Monitor=2\r\nLado=Esquerda\r\n");
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(Em(Esperado(2, TLado::Esquerda, false))) << Texto(barra_.Retangulo());
    const UINT tirar = RegisterWindowMessageW(kMsgMonitores);
    EXPECT_EQ(SendMessageW(w, tirar, 1u << 1, 0), static_cast<LRESULT>(monitores_.size() - 1));
    const std::vector<TMonitor> semSegundo{monitores_[0]};
    const Rect principal = LugarDaBarra(semSegundo, 2, TLado::Esquerda, false).janela;
    EXPECT_TRUE(Em(principal)) << Texto(barra_.Retangulo()) << " instead of " << Texto(principal);
    std::printf("  monitor 2 gone: %s\n", Texto(barra_.Retangulo()).c_str());
    EXPECT_EQ(SendMessageW(w, tirar, 0, 0), static_cast<LRESULT>(monitores_.size()));
    EXPECT_TRUE(Em(Esperado(2, TLado::Esquerda, false))) << Texto(barra_.Retangulo());
    EXPECT_TRUE(barra_.Encerrar());
    EXPECT_NE(test::ReadFile(barra_.Ini()).find("Monitor=2\r\nLado=Esquerda\r\n"), std::string::npos);
}

// A program that covers the primary monitor does not send aside the strip of a bar on the second one.
TEST_F(Monitores, AFullScreenProgramOnAnotherMonitorLeavesTheStrip) {
    HWND w = Iniciar("Monitor=2\r\n");
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(Em(Esperado(2, TLado::Direita, false)));
    const Rect primeiro = monitores_[0].area;
    HWND cheia = CreateWindowExW(0, test::PlainWindowClass(L"PivelTesteTelaCheia"), L"Video", WS_POPUP | WS_VISIBLE,
                                 primeiro.left, primeiro.top, primeiro.width, primeiro.height, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(cheia, nullptr);
    SetForegroundWindow(cheia);
    // The strip would be gone within the watch's two seconds: it stays for all of them and more.
    EXPECT_TRUE(test::WaitSteady([&] { return IsWindowVisible(w) != 0; }, 3000, 6000));
    DestroyWindow(cheia);
    EXPECT_TRUE(barra_.Encerrar());
}

}  // namespace
}  // namespace nq
