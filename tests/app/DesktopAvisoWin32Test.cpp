// The desktop notice, in the test process itself and through a failed launch of the real bar.

#include "app/DesktopAvisoWin32.h"

#include <gtest/gtest.h>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "support/ErroSistemaWin32.h"
#include "ui/DialogTestUtil.h"
#include "ui/Geometry.h"

namespace nq {
namespace {

void Pump() {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
}

TEST(DesktopAviso, APictureThatCannotBeDecodedStillShowsAPlainNotice) {
    const char junk[] = "\x89PNG\r\n\x1a\n not really";
    int w = 0, h = 0;
    EXPECT_EQ(DecodePng(junk, sizeof junk, w, h), nullptr);
    EXPECT_EQ(DecodePng(nullptr, 0, w, h), nullptr);

    TfmDesktopAviso& aviso = TfmDesktopAviso::Instance();
    aviso.Hide();  // before any Open: nothing happens
    aviso.Open(nullptr, 240, 110, 1);
    Pump();
    EXPECT_TRUE(aviso.Showing());
    EXPECT_EQ(FindWindowW(L"TfmDesktopAviso", L"Agendamentos"), aviso.Handle());
    aviso.Hide();
    EXPECT_FALSE(aviso.Showing());
}

TEST(DesktopAviso, ASecondOpenWhileShowingStartsTheTimeAgain) {
    TfmDesktopAviso& aviso = TfmDesktopAviso::Instance();
    aviso.Open(nullptr, 240, 110, 2);
    const DWORD first = GetTickCount();
    // Messages wait unhandled meanwhile, so that however long this takes, the first notice cannot end
    // before the second one is opened. The wait is what is tested (a good part of the first notice's
    // time must pass before the second opening), so it is a span of time, not a condition; it is
    // bounded by the clock alone.
    while (test::Elapsed(first) < 1200) Sleep(20);
    ASSERT_TRUE(aviso.Showing());
    aviso.Open(nullptr, 240, 110, 2);
    const DWORD second = GetTickCount();
    // It goes about two seconds after the second opening, so past the first notice's end.
    ASSERT_TRUE(test::WaitFor([&] { Pump(); return !aviso.Showing(); }, 15000));
    EXPECT_GE(test::Elapsed(second), 1800u);
}

TEST(DesktopAviso, AFailedLaunchShowsTheNoticeInTheCornerWithoutTakingTheFocus) {
    test::BarraEmTeste barra;
    ASSERT_TRUE(barra.Copiada());
    ASSERT_TRUE(
        barra.Catalogo({"titulo=Sumiu\xA7programa=Q:\\Sumiu\\app.exe\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7"}));
    HWND w = barra.Iniciar();
    ASSERT_NE(w, nullptr);
    test::RunningProcess& bar = barra.Processo();
    RECT wa{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
    const int W = wa.right - wa.left, H = wa.bottom - wa.top;
    test::ClickAt(W - 1, H - 10);
    const Rect open = OpenBarRect(W, H);
    ASSERT_TRUE(test::WaitFor([&] {
        RECT r;
        GetWindowRect(w, &r);
        return r.left == open.left;
    }));
    HWND before = nullptr;
    test::WaitFor([&] { return (before = GetForegroundWindow()) == w; });

    test::ClickAt(open.left + kButtonLeft + 16, kTitlePanelHeight + iTamInicial + 16);
    HWND notice = bar.FindWindowOfClass(L"TfmDesktopAviso", 10000);
    ASSERT_NE(notice, nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(notice) != 0; }));
    const DWORD shown = GetTickCount();
    RECT r;
    GetWindowRect(notice, &r);
    EXPECT_EQ(r.right - r.left, 240);
    EXPECT_EQ(r.bottom - r.top, 110);
    EXPECT_EQ(r.left, wa.left + W - 240 - 5);
    EXPECT_EQ(r.top, wa.top + H - 110 - 5);
    if (W == 1920 && H == 1040) {
        EXPECT_EQ(r.top, 925);
    }
    EXPECT_NE(GetForegroundWindow(), notice);
    // The bar moved when the launch closed it; under X without a window manager it takes its focus
    // back a moment later.
    EXPECT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == before; }));
    EXPECT_NE(GetForegroundWindow(), notice);

    // It goes by itself after its two seconds; a loaded machine may only make that later.
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindowVisible(notice); }, 15000));
    EXPECT_GE(test::Elapsed(shown), 1500u);
    PostMessageW(w, WM_CLOSE, 0, 0);
    EXPECT_TRUE(bar.Wait(15000));
}

// A click on a failed launch's notice reads which shortcut failed, its target and parameters as typed and
// the system's own reason; the log keeps the same. The target's folder is missing, so the launch stops
// before the shell is asked.
TEST(DesktopAviso, AFailedLaunchsNoticeClickedTellsTheShortcutItsTargetAndTheSystemsReason) {
    ASSERT_FALSE(SetCurrentDirectoryW(L"Q:\\Sumiu\\"));
    const std::string motivo = TextoErroSistema(GetLastError());
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        test::BarraEmTeste barra;
        ASSERT_TRUE(barra.Copiada());
        ASSERT_TRUE(barra.Catalogo(
            {"titulo=Relat\xF3rio mensal\xA7programa=Q:\\Sumiu\\app.exe\xA7param=/abrir ontem\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7"}));
        const std::string registro = barra.Pasta() / "registro";
        HWND w = barra.Iniciar("", {"PIVEL_DPI=" + std::to_string(dpi), "PIVEL_PASTA_REGISTRO=" + registro});
        ASSERT_NE(w, nullptr);
        const Rect wa = test::BarraEmTeste::AreaDeTrabalho();
        const Rect open = OpenBarRect(wa.width, wa.height, dpi);
        test::ClickAt(wa.width - 1, wa.height - 10);
        ASSERT_TRUE(test::WaitFor([&] {
            RECT r;
            GetWindowRect(w, &r);
            return r.left == open.left;
        }));
        ASSERT_TRUE(barra.ComTeclado());
        test::ClickAt(open.left + Scale(kButtonLeft + 16, dpi), Scale(kTitlePanelHeight + iTamInicial + 16, dpi));
        HWND aviso = nullptr;
        HWND caixa = test::ClicarNoAviso(barra.Processo(), &aviso);
        ASSERT_NE(caixa, nullptr);
        EXPECT_FALSE(IsWindowVisible(aviso));
        wchar_t texto[1024] = L"";
        test::WaitFor([&] { return IsWindowVisible(caixa) && GetDlgItemTextW(caixa, 0xFFFF, texto, 1024) > 0; });
        EXPECT_EQ(Narrow(texto), "N\xC3\xA3o foi poss\xC3\xADvel abrir o atalho \"Relat\xC3\xB3rio mensal\".\r\n\r\n"
                                 "Destino: Q:\\Sumiu\\app.exe\r\nPar\xC3\xA2metros: /abrir ontem\r\nMotivo: " + motivo);
        test::SalvarTela(caixa, "falha-lancamento-" + std::to_string(dpi));
        PostMessageW(caixa, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(caixa); }));
        EXPECT_TRUE(barra.Encerrar());
        const std::string log = test::ReadFile(registro + "\\Pivel.log");
        EXPECT_NE(log.find("Relat\xC3\xB3rio mensal"), std::string::npos) << log;
        EXPECT_NE(log.find("Motivo: " + motivo), std::string::npos) << log;
    }
}

}  // namespace
}  // namespace nq
