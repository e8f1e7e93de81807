// The folder picker and the text input window, shown for real and answered from another thread.

#include <gtest/gtest.h>

#include <atomic>

#include "dialogs/Seldir2Win32.h"
#include "support/NqConst.h"
#include "support/NqFun.h"
#include "ui/DialogTestUtil.h"
#include "ui/NqReadlnFormWin32.h"

namespace nq {
namespace {

using test::ComDialogo;

class Pastas : public ::testing::Test {
protected:
    void SetUp() override {
        ApplicationTitle = "Nq-Pivel";
        dirAplicAntes_ = DirAplic;
        DirAplic = FormatPath(test::BinFolder());
    }
    void TearDown() override { DirAplic = dirAplicAntes_; }

    // Waits until the picker has listed its folder and can be confirmed.
    static TfSeldir2* Pronto(HWND w) {
        auto* d = reinterpret_cast<TfSeldir2*>(GetWindowLongPtrW(w, DWLP_USER));
        test::WaitFor([&] { return IsWindowEnabled(d->Controle(d->Indice("bok"))) != 0; });
        return d;
    }
    static void Clicar(HWND botao) { PostMessageW(botao, BM_CLICK, 0, 0); }
    // Turns to a page as a click on its tab would.
    static void Pagina(TfSeldir2* d, HWND w, int pagina) {
        HWND abas = d->Controle(d->Indice("pcc"));
        SendMessageW(abas, TCM_SETCURSEL, static_cast<WPARAM>(pagina), 0);
        NMHDR nm{abas, static_cast<UINT_PTR>(GetDlgCtrlID(abas)), static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageW(GetParent(abas), WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
        (void)w;
    }

    std::string dirAplicAntes_;
    test::TempFolder dir_;
};

TEST_F(Pastas, AFolderThatIsNotThereStartsInTheProgramsFolder) {
    std::string escolhida = "antes";
    bool ok = false;
    ComDialogo([&] { ok = Seldir(escolhida, dir_ / "nao\\existe", ""); },
               [&](HWND w) {
                   TfSeldir2* d = Pronto(w);
                   EXPECT_EQ(test::TextoDe(w), "Selecione uma pasta");
                   Clicar(d->Controle(d->Indice("bok")));
               });
    EXPECT_TRUE(ok);
    EXPECT_TRUE(SameText(escolhida, DirAplic)) << escolhida;
}

TEST_F(Pastas, CancellingLeavesTheOutputAsItWas) {
    std::string escolhida = "antes";
    bool ok = true;
    ComDialogo([&] { ok = Seldir(escolhida, dir_.path(), "Escolha"); },
               [&](HWND w) {
                   TfSeldir2* d = Pronto(w);
                   EXPECT_EQ(test::TextoDe(w), "Escolha");
                   Clicar(d->Controle(d->Indice("bcancel")));
               });
    EXPECT_FALSE(ok);
    EXPECT_EQ(escolhida, "antes");
}

TEST_F(Pastas, AClickOnTheRootConfirmsItWithOneBackslash) {
    std::string escolhida;
    ComDialogo(
        [&] { Seldir(escolhida, "C:\\windows", ""); },
        [&](HWND w) {
            TfSeldir2* d = Pronto(w);
            // A single click on the first row, the drive's root, opens it.
            HWND lista = d->Controle(d->Indice("dirlst"));
            RECT linha{};
            SendMessageW(lista, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&linha));
            test::CliqueEm(lista, linha.left + 30, (linha.top + linha.bottom) / 2);
            EXPECT_TRUE(test::WaitFor([&] { return test::TextoDe(d->Controle(d->Indice("lbpasta"))) == "C:\\"; }));
            Clicar(d->Controle(d->Indice("bok")));
        });
    EXPECT_EQ(escolhida, "C:\\");
}

TEST_F(Pastas, ANewFolderIsCreatedAsTypedAndChosen) {
    std::string escolhida;
    ComDialogo([&] { Seldir(escolhida, dir_.path(), ""); },
               [&](HWND w) {
                   TfSeldir2* d = Pronto(w);
                   const std::set<HWND> antes = test::DialogosVisiveis();
                   Clicar(d->Controle(d->Indice("bmakedir")));
                   HWND pergunta = test::NovoDialogo(antes);
                   ASSERT_NE(pergunta, nullptr);
                   EXPECT_EQ(test::TextoDe(pergunta), "Criar pasta");
                   HWND edit = FindWindowExW(pergunta, nullptr, L"Edit", nullptr);
                   SetWindowTextW(edit, L"nOvA");
                   PostMessageW(FindWindowExW(pergunta, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
                   EXPECT_TRUE(test::WaitFor(
                       [&] { return SameText(test::TextoDe(d->Controle(d->Indice("lbpasta"))), dir_ / "nOvA\\"); }));
                   Clicar(d->Controle(d->Indice("bok")));
               });
    EXPECT_TRUE(SameText(escolhida, dir_ / "nOvA\\")) << escolhida;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Wide(dir_ / "nova").c_str(), &fd);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FindClose(h);
    EXPECT_EQ(std::wstring(fd.cFileName), L"nOvA") << "the name keeps the case it was typed in";
}

TEST_F(Pastas, ATypedPathThatCannotBeOpenedIsReported) {
    ComDialogo(
        [&] {
            std::string s;
            Seldir(s, dir_.path(), "");
        },
        [&](HWND w) {
            TfSeldir2* d = Pronto(w);
            Pagina(d, w, 2);
            SetWindowTextW(d->Controle(d->Indice("elocal")), Wide(dir_ / "nao\\existe").c_str());
            const std::set<HWND> antes = test::DialogosVisiveis();
            Clicar(d->Controle(d->Indice("sbok")));
            HWND erro = test::NovoDialogo(antes);
            ASSERT_NE(erro, nullptr);
            bool achou = false;
            EnumChildWindows(
                erro,
                [](HWND c, LPARAM p) -> BOOL {
                    if (test::TextoDe(c).find("Local inválido!") != std::string::npos)
                        *reinterpret_cast<bool*>(p) = true;
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&achou));
            EXPECT_TRUE(achou);
            PostMessageW(erro, WM_CLOSE, 0, 0);
            EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(w) == d->Controle(d->Indice("elocal")); }));
            Clicar(d->Controle(d->Indice("bcancel")));
        });
}

// A folder that takes long to answer (a network path that does not) keeps the window responsive, and
// going elsewhere meanwhile drops its late answer.
TEST_F(Pastas, ASlowFolderNeverFreezesThePicker) {
    const std::string lenta = dir_ / "lenta\\";
    std::atomic<bool> soltar{false}, pedida{false}, respondida{false};
    TListarPasta antes = DefinirListarPasta([&, original = TListarPasta()](const std::string& pasta) {
        if (SameText(pasta, lenta)) {
            pedida = true;
            // The folder that does not answer: held until the test lets it go (a poll, not a timing).
            while (!soltar) Sleep(20);
            respondida = true;
            return TConteudoPasta{true, {"tarde"}};
        }
        return TConteudoPasta{true, {"rapida"}};
    });
    DWORD respostaMs = 0;
    std::string depois;
    ComDialogo(
        [&] {
            std::string s;
            Seldir(s, dir_.path(), "");
        },
        [&](HWND w) {
            TfSeldir2* d = Pronto(w);
            Pagina(d, w, 2);
            SetWindowTextW(d->Controle(d->Indice("elocal")), Wide(lenta).c_str());
            Clicar(d->Controle(d->Indice("sbok")));
            EXPECT_TRUE(test::WaitFor([&] { return pedida.load(); }));  // the slow listing is under way
            const DWORD inicio = GetTickCount();
            DWORD_PTR r = 0;
            EXPECT_NE(SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r), 0);
            respostaMs = GetTickCount() - inicio;
            // Elsewhere, then the slow answer comes: the list stays where the user went.
            SetWindowTextW(d->Controle(d->Indice("elocal")), Wide(dir_.path()).c_str());
            Clicar(d->Controle(d->Indice("sbok")));
            test::WaitFor([&] { return SameText(test::TextoDe(d->Controle(d->Indice("lbpasta"))), dir_.path()); });
            soltar = true;
            EXPECT_TRUE(test::WaitFor([&] { return respondida.load(); }));
            // The late answer is now on its way to the window; what is tested is that nothing changes
            // when it lands, so there is no condition to wait on: a short span lets it arrive (a list
            // that moved would show after it).
            Sleep(300);
            depois = test::TextoDe(d->Controle(d->Indice("lbpasta")));
            Clicar(d->Controle(d->Indice("bcancel")));
        });
    DefinirListarPasta(antes);
    // The window answers while the listing hangs (for good, until let go): the bound tells a responsive
    // window from one blocked on the listing, and is wide enough for a loaded machine's slow answer.
    EXPECT_LT(respostaMs, 1500u);
    EXPECT_TRUE(SameText(depois, dir_.path())) << depois;
}

TEST_F(Pastas, ReadLnGivesTheTypedTextOnlyWhenConfirmed) {
    std::string cancelado = "x", confirmado;
    std::string titulo, mensagem;
    ComDialogo([&] { cancelado = ReadLn("", "Linha um|Linha dois", "inicial"); },
               [&](HWND w) {
                   titulo = test::TextoDe(w);
                   HWND edit = FindWindowExW(w, nullptr, L"Edit", nullptr);
                   EXPECT_EQ(test::TextoDe(edit), "inicial");
                   EXPECT_EQ(test::FocoDe(w), edit);
                   DWORD ini = 0, fim = 0;
                   SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&ini),
                                reinterpret_cast<LPARAM>(&fim));
                   EXPECT_EQ(fim - ini, 7u) << "all of the text is selected";
                   test::SalvarTela(w, "ReadLn");
                   PostMessageW(FindWindowExW(w, nullptr, L"Button", L"Cancelar"), BM_CLICK, 0, 0);
               });
    EXPECT_EQ(cancelado, "");
    EXPECT_EQ(titulo, "Nq-Pivel");
    ComDialogo([&] { confirmado = ReadLn("Atalho", "Informe o título deste atalho:", ""); },
               [&](HWND w) {
                   EXPECT_EQ(test::TextoDe(w), "Atalho");
                   ASSERT_TRUE(test::NaFrente(w));
                   test::Digitar(L"Meu");
                   test::WaitFor(
                       [&] { return test::TextoDe(FindWindowExW(w, nullptr, L"Edit", nullptr)) == "Meu"; });
                   test::PressKey(VK_RETURN);
               });
    EXPECT_EQ(confirmado, "Meu");
}

}  // namespace
}  // namespace nq
