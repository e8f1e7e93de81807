// The message windows as a user meets them: shown for real, measured and answered from another thread.

#include <gtest/gtest.h>

#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFunWin32.h"
#include "ui/DialogTestUtil.h"
#include "ui/NqMsgAllFormWin32.h"

namespace nq {
namespace {

using test::ComDialogo;

class Mensagens : public ::testing::Test {
protected:
    void SetUp() override { ApplicationTitle = "Nq-Pivel"; }
};

RECT Tela() {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi);
    return mi.rcMonitor;
}

HWND Filho(HWND janela, const char* texto) {
    return FindWindowExW(janela, nullptr, nullptr, Wide(texto).c_str());
}

TEST_F(Mensagens, ErroTakesTheLeastSizeWithItsHeadingCentredOnTheScreen) {
    for (int dpi : {96, 144}) {
        test::DensidadeForcada densidade(dpi);
        Rect cliente;
        std::string titulo, texto;
        RECT janela{};
        ComDialogo([] { Erro("Local inválido!"); },
                   [&](HWND w) {
                       cliente = test::ClienteDe(w);
                       titulo = test::TextoDe(w);
                       GetWindowRect(w, &janela);
                       texto = fmMsgAll ? fmMsgAll->Texto : "";
                       test::SalvarTela(w, "MsgAll-erro-" + std::to_string(dpi));
                       PostMessageW(w, WM_CLOSE, 0, 0);
                   });
        EXPECT_EQ(cliente.width, Scale(290, dpi)) << dpi;
        EXPECT_EQ(cliente.height, Scale(110, dpi)) << dpi;
        EXPECT_EQ(titulo, "Nq-Pivel");
        EXPECT_EQ(texto, "ATENÇÃO!|Local inválido!");
        const RECT tela = Tela();
        EXPECT_NEAR((janela.left + janela.right) / 2, (tela.left + tela.right) / 2, 1);
        EXPECT_NEAR((janela.top + janela.bottom) / 2, (tela.top + tela.bottom) / 2, 1);
    }
}

TEST_F(Mensagens, ALongTextWrapsAtFortyPercentOfTheScreenAndTheWindowGrowsDown) {
    std::string longo;
    for (int i = 0; i < 60; ++i) longo += "Uma frase bem comprida para quebrar em várias linhas. ";
    Rect cliente, rotulo;
    RECT janela{};
    ComDialogo([&] { Erro(longo); },
               [&](HWND w) {
                   cliente = test::ClienteDe(w);
                   GetWindowRect(w, &janela);
                   if (fmMsgAll) rotulo = test::RetanguloNoPai(fmMsgAll->Controle(fmMsgAll->Indice("labelMens")));
                   test::SalvarTela(w, "MsgAll-longo");
                   PostMessageW(w, WM_CLOSE, 0, 0);
               });
    const RECT tela = Tela();
    const int larguraTela = tela.right - tela.left;
    // 40 % of the screen, and up to 4 pixels more when the widest line fills the label: the window keeps
    // 16 pixels right of the text, where the text was first given 12.
    EXPECT_GE(janela.right - janela.left, larguraTela * 40 / 100);
    EXPECT_LE(janela.right - janela.left, larguraTela * 40 / 100 + 4);
    // The text wraps within the client area less its left 72 and right 12 pixels.
    EXPECT_LE(rotulo.width, cliente.width - 84);
    EXPECT_GT(rotulo.width, cliente.width - 84 - 60);
    EXPECT_GT(cliente.height, 110 + 3 * 16);
    EXPECT_EQ(cliente.height, rotulo.top + rotulo.height + 27 + 32);
}

// How a question is answered: by a key, by the close box or by a click on "Sim".
TEST_F(Mensagens, ConfIsTrueOnlyForSim) {
    struct Caso {
        const char* como;
        std::function<void(HWND)> responder;
        bool esperado;
    };
    const Caso casos[] = {
        {"Enter",
         [](HWND w) {
             test::NaFrente(w);
             test::PressKey(VK_RETURN);
         },
         false},
        {"Esc",
         [](HWND w) {
             test::NaFrente(w);
             test::PressKey(VK_ESCAPE);
         },
         false},
        {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }, false},
        {"Sim", [](HWND w) { test::CliqueEm(Filho(w, "&Sim"), 10, 10); }, true},
    };
    for (const Caso& c : casos) {
        bool resposta = !c.esperado;
        HWND foco = nullptr, nao = nullptr;
        ComDialogo([&] { resposta = Conf("Excluir atalho?||Nome: %s", {"Bloco de notas"}); },
                   [&](HWND w) {
                       nao = Filho(w, "&Não");
                       test::WaitFor([&] { return test::FocoDe(w) == nao; });
                       foco = test::FocoDe(w);
                       test::SalvarTela(w, "MsgAll-conf");
                       c.responder(w);
                   });
        EXPECT_EQ(resposta, c.esperado) << c.como;
        EXPECT_EQ(foco, nao) << "\"Não\" has the focus at first";
    }
}

TEST_F(Mensagens, MsgBoxConfAnswersTrueToEnter) {
    bool resposta = false;
    ComDialogo([&] { resposta = MsgBoxConf("Limpar todos os ícones da Pivel?", 1); },
               [&](HWND w) {
                   test::NaFrente(w);
                   test::PressKey(VK_RETURN);
               });
    EXPECT_TRUE(resposta);
}

TEST_F(Mensagens, AClickOnTheTextCopiesItToTheClipboard) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    const DWORD antes = GetClipboardSequenceNumber();
    ComDialogo([] { Erro("Linha um|Linha dois"); },
               [&](HWND w) {
                   test::CliqueEm(fmMsgAll->Controle(fmMsgAll->Indice("labelMens")), 5, 5);
                   test::WaitFor([&] { return GetClipboardSequenceNumber() != antes; });
                   PostMessageW(w, WM_CLOSE, 0, 0);
               });
    ASSERT_TRUE(OpenClipboard(nullptr));
    std::wstring texto;
    if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
        texto = static_cast<const wchar_t*>(GlobalLock(h));
        GlobalUnlock(h);
    }
    CloseClipboard();
    EXPECT_EQ(texto, L"ATENÇÃO!\r\nLinha um\r\nLinha dois");
}

}  // namespace
}  // namespace nq
