// The shortcut edit dialog for real, on a catalogue of its own: what it proposes, what it refuses, what
// its pickers fill in and what it leaves in the record for its caller.

#include "dialogs/ItensEditaWin32.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <dlgs.h>

#include "catalogue/Auxiliares.h"
#include "catalogue/ClientDataset.h"
#include "dialogs/Seldir2Win32.h"
#include "support/NqConst.h"
#include "support/NqFun.h"
#include "support/PastasSistema.h"
#include "support/PlatformWin32.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

using test::ComDialogo;

class ItensEdita : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWin32Platform();
        ApplicationTitle = "Nq-Pivel";
        CriarCamposAtalho(cds);
        cds.OnNewRecord = [](TClientDataset& t) { t.FieldByName("OpcaoMenu").SetAsBoolean(false); };
        cds.CreateDataSet();
        pasta = dir_ / "Minha Pasta";
        CreateDirectoryW(Wide(pasta).c_str(), nullptr);
    }
    std::string F(const char* campo) { return cds.FieldByName(campo).AsString(); }

    static std::string Foco(HWND w, const TfrmItensEdita& d) { return d.NomeDe(test::FocoDe(w)); }
    // Waits until a control holds a text.
    static bool Mostra(const TfrmItensEdita& d, const char* nome, const std::string& texto) {
        return test::WaitFor([&] { return test::TextoDe(d.Controle(d.Indice(nome))) == texto; }, 5000);
    }
    // The colour in the middle of the icon preview, as the screen shows it.
    static COLORREF MeioDaPrevia(HWND w, const TfrmItensEdita& d) {
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const Rect r = d.Projeto().controles[static_cast<std::size_t>(d.Indice("imgIco"))].r;
        HDC dc = GetDC(w);
        const COLORREF c = GetPixel(dc, d.S(r.left + r.width / 2), d.S(r.top + r.height / 2));
        ReleaseDC(w, dc);
        return c;
    }
    // Answers the message box of the dialog's save step with OK and gives its text.
    static std::string Recusa(const std::set<HWND>& antes) {
        HWND caixa = test::NovoDialogo(antes);
        if (!caixa) return "(nenhuma mensagem)";
        std::string texto;
        for (HWND c = GetWindow(caixa, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetDlgCtrlID(c) != IDOK) texto += test::TextoDe(c);
        PostMessageW(caixa, WM_COMMAND, IDOK, 0);
        test::WaitFor([&] { return !IsWindow(caixa); });
        return texto;
    }

    static constexpr COLORREF kNeutro = RGB(244, 244, 244);  // the middle of the empty preview
    test::TempFolder dir_;
    std::string pasta;
    TClientDataset cds;
};

TEST_F(ItensEdita, ATypedFolderLosesItsQuotesGetsItsNameAndIsStoredAsAFolder) {
    cds.Append();
    TfrmItensEdita d(cds);
    bool ok = false;
    std::string focoInicial, titulo;
    COLORREF antes = 0, depois = 0;
    ComDialogo([&] { ok = d.Open(""); },
               [&](HWND w) {
                   test::WaitFor([&] { return Foco(w, d) == "ePrograma"; });
                   focoInicial = Foco(w, d);
                   antes = MeioDaPrevia(w, d);
                   test::SalvarTela(w, "TfrmItensEdita-vazio-96");
                   SetWindowTextW(d.Controle(d.Indice("ePrograma")), Wide("\"" + pasta + "\"").c_str());
                   d.Foco(d.Indice("eTitulo"));  // leaving the program box, entering the blank title box
                   EXPECT_TRUE(Mostra(d, "ePrograma", pasta)) << "the quotes are gone";
                   EXPECT_TRUE(Mostra(d, "eTitulo", "Minha Pasta")) << "the folder's name is proposed";
                   titulo = test::TextoDe(w);
                   depois = MeioDaPrevia(w, d);
                   test::SalvarTela(w, "TfrmItensEdita-preenchido-96");
                   ASSERT_TRUE(test::NaFrente(w));
                   test::PressKey(VK_F5);
               });
    EXPECT_EQ(titulo, "Programas e comandos (Edição)");
    EXPECT_EQ(focoInicial, "ePrograma");
    EXPECT_EQ(antes, kNeutro) << "a new record shows the neutral picture";
    EXPECT_NE(depois, kNeutro) << "the folder's icon replaced it";
    ASSERT_TRUE(ok);
    EXPECT_EQ(d.Tag, 1);
    EXPECT_EQ(cds.State(), TDataSetState::dsInsert) << "the caller posts";
    EXPECT_EQ(F("Programa"), pasta);
    EXPECT_EQ(F("Titulo"), "Minha Pasta");
    EXPECT_EQ(F("Tipo"), "0");
    EXPECT_EQ(F("Icone"), "4");
    EXPECT_EQ(F("OpcaoMenu"), "Não");
}

TEST_F(ItensEdita, ABlankProgramOrTitleIsRefusedAndTheDialogStays) {
    cds.Append();
    TfrmItensEdita d(cds);
    bool ok = true;
    std::string semPrograma, semTitulo, focoDepois, limites;
    COLORREF comIcone = kNeutro, semIcone = 0;
    ComDialogo([&] { ok = d.Open(""); },
               [&](HWND w) {
                   for (const char* e : {"ePrograma", "eParam", "eTitulo"})
                       limites += std::to_string(SendMessageW(d.Controle(d.Indice(e)), EM_GETLIMITTEXT, 0, 0)) + " ";
                   std::set<HWND> antes = test::DialogosVisiveis();
                   d.Foco(d.Indice("eParam"));
                   PostMessageW(d.Controle(d.Indice("BitBtn1")), BM_CLICK, 0, 0);
                   semPrograma = Recusa(antes);
                   test::WaitFor([&] { return Foco(w, d) == "ePrograma"; });
                   focoDepois = Foco(w, d);

                   // A program but a title emptied by the user. A target without an icon brings the
                   // neutral picture back in place of the last one.
                   SetWindowTextW(d.Controle(d.Indice("ePrograma")), Wide(pasta).c_str());
                   d.Foco(d.Indice("eTitulo"));
                   Mostra(d, "eTitulo", "Minha Pasta");
                   comIcone = MeioDaPrevia(w, d);
                   SetWindowTextW(d.Controle(d.Indice("ePrograma")), L"Z:\\nao\\existe.exe");
                   d.Foco(d.Indice("ePrograma"));
                   d.Foco(d.Indice("eTitulo"));
                   semIcone = MeioDaPrevia(w, d);
                   SetWindowTextW(d.Controle(d.Indice("ePrograma")), Wide(pasta).c_str());
                   SetWindowTextW(d.Controle(d.Indice("eTitulo")), L"  ");
                   antes = test::DialogosVisiveis();
                   PostMessageW(d.Controle(d.Indice("BitBtn1")), BM_CLICK, 0, 0);
                   semTitulo = Recusa(antes);
                   ASSERT_TRUE(IsWindowVisible(w));
                   ASSERT_TRUE(test::NaFrente(w));
                   test::PressKey(VK_ESCAPE);
               });
    EXPECT_EQ(limites, "32767 255 90 ") << "each box takes what its field holds";
    EXPECT_NE(semPrograma.find("Uma pasta ou arquivo deve ser informado!"), std::string::npos) << semPrograma;
    EXPECT_EQ(focoDepois, "ePrograma");
    EXPECT_NE(comIcone, kNeutro);
    EXPECT_EQ(semIcone, kNeutro);
    EXPECT_NE(semTitulo.find("Um título para este programa ou pasta deve ser informado!"), std::string::npos)
        << semTitulo;
    EXPECT_FALSE(ok);
    EXPECT_EQ(d.Tag, 0);
    EXPECT_EQ(cds.State(), TDataSetState::dsInsert) << "the caller cancels";
}

TEST_F(ItensEdita, ThePickersStartAtTheTypedFolderAndTheirChoiceProposesATitle) {
    const std::string apps = dir_ / "Apps";
    CreateDirectoryW(Wide(apps).c_str(), nullptr);
    const std::string editor = apps + "\\Editor.exe";
    ASSERT_TRUE(test::WriteFile(editor, "MZ"));
    cds.Append();
    TfrmItensEdita d(cds);
    bool ok = false;
    std::string inicioArquivo, inicioPasta, tituloPasta, focoDepoisArquivo, tituloArquivo;
    ComDialogo(
        [&] { ok = d.Open(""); },
        [&](HWND w) {
            // The folder picker, from the folder of what is typed; its choice proposes its name.
            SetWindowTextW(d.Controle(d.Indice("ePrograma")), Wide(pasta + "\\nada.txt").c_str());
            std::set<HWND> antes = test::DialogosVisiveis();
            test::CliqueEm(d.Controle(d.Indice("bpesqFolder")), 8, 8);
            HWND seletor = test::NovoDialogo(antes);
            ASSERT_NE(seletor, nullptr);
            auto* s = reinterpret_cast<TfSeldir2*>(GetWindowLongPtrW(seletor, DWLP_USER));
            test::WaitFor([&] { return IsWindowEnabled(s->Controle(s->Indice("bok"))) != 0; });
            inicioPasta = s->PastaAtual();
            PostMessageW(s->Controle(s->Indice("bok")), BM_CLICK, 0, 0);
            Mostra(d, "eTitulo", "Minha Pasta");
            tituloPasta = test::TextoDe(d.Controle(d.Indice("eTitulo")));

            // The file dialog, from the folder of what is typed; a file chosen fills the program
            // box and moves on to the parameters; the blank title box then proposes its name.
            SetWindowTextW(d.Controle(d.Indice("eTitulo")), L"");
            SetWindowTextW(d.Controle(d.Indice("ePrograma")), Wide(apps + "\\outro.exe").c_str());
            antes = test::DialogosVisiveis();
            test::CliqueEm(d.Controle(d.Indice("bpesqArq")), 8, 8);
            HWND arquivos = test::NovoDialogo(antes);
            ASSERT_NE(arquivos, nullptr);
            EXPECT_EQ(test::TextoDe(arquivos), "Selecione um programa ou arquivo para o atalho");
            wchar_t onde[MAX_PATH] = L"";
            test::WaitFor([&] {
                return SendMessageW(arquivos, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(onde)) >
                       0;
            });
            inicioArquivo = Narrow(onde);
            SendMessageW(arquivos, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(Wide(editor).c_str()));
            SendMessageW(arquivos, CDM_SETCONTROLTEXT, edt1, reinterpret_cast<LPARAM>(Wide(editor).c_str()));
            PostMessageW(arquivos, WM_COMMAND, IDOK, 0);
            Mostra(d, "ePrograma", editor);
            test::WaitFor([&] { return Foco(w, d) == "eParam"; });
            focoDepoisArquivo = Foco(w, d);
            d.Foco(d.Indice("eTitulo"));
            Mostra(d, "eTitulo", "Editor");
            tituloArquivo = test::TextoDe(d.Controle(d.Indice("eTitulo")));

            // Into "Outros atalhos".
            PostMessageW(d.Controle(d.Indice("rMenu")), BM_CLICK, 0, 0);
            test::WaitFor([&] { return d.Marcado(d.Indice("rMenu")); });
            ASSERT_TRUE(test::NaFrente(w));
            test::PressKey(VK_F5);
        });
    EXPECT_TRUE(SameText(inicioPasta, pasta + "\\")) << inicioPasta;
    EXPECT_EQ(tituloPasta, "Minha Pasta");
    EXPECT_TRUE(SameText(inicioArquivo, apps)) << inicioArquivo;
    EXPECT_EQ(focoDepoisArquivo, "eParam");
    EXPECT_EQ(tituloArquivo, "Editor");
    ASSERT_TRUE(ok);
    EXPECT_TRUE(SameText(F("Programa"), editor)) << F("Programa");
    EXPECT_EQ(F("Titulo"), "Editor");
    EXPECT_EQ(F("Tipo"), "1");
    EXPECT_EQ(F("OpcaoMenu"), "Sim");
}

TEST_F(ItensEdita, AChangedMenuShortcutShowsItsChoiceAndIconAndKeepsThem) {
    test::DensidadeForcada densidade(144);
    const std::string notepad = IncluirContraBarra(DirSystem()) + "notepad.exe";
    IncluirIcone(cds, notepad, "", "Bloco de notas");
    cds.Edit();
    cds.FieldByName("OpcaoMenu").SetAsBoolean(true);
    cds.Post();
    TfrmItensEdita d(cds);
    cds.First();
    cds.Edit();
    bool ok = false;
    std::string titulo;
    bool menu = false;
    COLORREF previa = kNeutro;
    ComDialogo([&] { ok = d.Open("Alteração"); },
               [&](HWND w) {
                   titulo = test::TextoDe(w);
                   menu = d.Marcado(d.Indice("rMenu")) && !d.Marcado(d.Indice("rIcone"));
                   test::WaitFor([&] { return (previa = MeioDaPrevia(w, d)) != kNeutro; }, 3000);
                   test::SalvarTela(w, "TfrmItensEdita-alteracao-144");
                   ASSERT_TRUE(test::NaFrente(w));
                   test::PressKey(VK_F5);
               });
    EXPECT_EQ(titulo, "Alteração");
    EXPECT_TRUE(menu);
    EXPECT_NE(previa, kNeutro) << "an existing shortcut shows its target's icon";
    ASSERT_TRUE(ok);
    EXPECT_EQ(F("OpcaoMenu"), "Sim");
    EXPECT_EQ(F("Titulo"), "Bloco de notas");
    EXPECT_TRUE(SameText(F("Programa"), notepad));
}

}  // namespace
}  // namespace nq
