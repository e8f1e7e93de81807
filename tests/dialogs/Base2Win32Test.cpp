// The base data-entry dialog for real: its keys, its caption, its bound boxes and the offer to print.

#include "dialogs/Base2Win32.h"

#include <gtest/gtest.h>

#include <winspool.h>

#include "catalogue/ClientDataset.h"
#include "support/NqConst.h"
#include "ui/DialogTestUtil.h"
#include "ui/NqMsgAllForm.h"

namespace nq {
namespace {

using test::ComDialogo;

// A data-entry window with two boxes bound to a record; its save step notes what the record held.
class Amostra final : public TfBase2 {
public:
    explicit Amostra(TClientDataset& t) : TfBase2(Desenho()), t_(t) {
        dsPadrao = &t;
        Vincular(Indice("e1"), "Titulo");
        Vincular(Indice("e2"), "Programa");
    }
    int salvos = 0;
    std::string programaAoSalvar;

protected:
    void BitBtn1Click() override {
        ++salvos;
        programaAoSalvar = t_.FieldByName("Programa").AsString();
        Tag = 1;
        Fechar(mrOk);
    }

private:
    static ProjetoDialogo Desenho() {
        ProjetoDialogo d = TfBase2::Desenho();
        d.titulo = "Amostra";
        for (ProjetoControle& c : d.controles)
            if (c.nome == "BitBtn1") c.resultado = 0;
        d.controles.push_back({.tipo = TipoControle::Edicao, .nome = "e1", .r = {8, 8, 200, 21}, .ordem = 2});
        d.controles.push_back(
            {.tipo = TipoControle::Edicao, .nome = "e2", .r = {8, 36, 200, 21}, .ordem = 3});
        return d;
    }
    TClientDataset& t_;
};

class Base2 : public ::testing::Test {
protected:
    void SetUp() override {
        ApplicationTitle = "Nq-Pivel";
        t.AddField("Titulo", TFieldType::ftString, 90);
        t.AddField("Programa", TFieldType::ftString, 255);
        t.CreateDataSet();
        t.Append();
        t.FieldByName("Titulo").SetAsString("Bloco");
    }
    // Waits for the focus to settle on a control of the dialog, and names it.
    static std::string Foco(HWND w, const Amostra& d) {
        std::string nome;
        test::WaitFor([&] { return !(nome = d.NomeDe(test::FocoDe(w))).empty(); }, 2000);
        return nome;
    }
    TClientDataset t;
};

TEST_F(Base2, EnterMovesOnF5SavesWhatIsBeingTypedAndEscCancels) {
    Amostra d(t);
    std::vector<std::string> focos;
    std::string titulo, e1;
    int salvosComBotaoDesligado = -1;
    bool aberto = false;
    ComDialogo([&] { aberto = d.Open(""); },
               [&](HWND w) {
                   titulo = test::TextoDe(w);
                   e1 = test::TextoDe(d.Controle(d.Indice("e1")));
                   ASSERT_TRUE(test::NaFrente(w));
                   d.Foco(d.Indice("e1"));
                   focos.push_back(Foco(w, d));
                   test::PressKey(VK_RETURN);
                   test::WaitFor([&] { return Foco(w, d) != "e1"; }, 3000);
                   focos.push_back(Foco(w, d));
                   test::PressKey(VK_RETURN, false, true);  // Ctrl+Enter stays
                   test::PressKey(VK_RETURN);               // from the last box to the first of the tab order
                   test::WaitFor([&] { return Foco(w, d) != "e2"; }, 3000);
                   focos.push_back(Foco(w, d));

                   // F5 with "Salvar" off does nothing: the Enter after it is handled, the dialog stays.
                   d.Habilitar(d.Indice("BitBtn1"), false);
                   d.Foco(d.Indice("e1"));
                   test::PressKey(VK_F5);
                   test::PressKey(VK_RETURN);
                   test::WaitFor([&] { return Foco(w, d) == "e2"; }, 3000);
                   salvosComBotaoDesligado = d.salvos;

                   // The text being typed reaches the record before the save step runs.
                   d.Habilitar(d.Indice("BitBtn1"), true);
                   SetWindowTextW(d.Controle(d.Indice("e2")), L"digitado agora");
                   test::PressKey(VK_F5);
               });
    EXPECT_EQ(titulo, "Amostra");
    EXPECT_EQ(e1, "Bloco") << "a bound box shows its field";
    EXPECT_EQ(focos, (std::vector<std::string>{"e1", "e2", "BitBtn1"}));
    EXPECT_EQ(salvosComBotaoDesligado, 0);
    EXPECT_TRUE(aberto);
    EXPECT_EQ(d.programaAoSalvar, "digitado agora");
    EXPECT_EQ(t.State(), TDataSetState::dsInsert) << "the caller posts or cancels, never the dialog";

    // Esc cancels; a blank caption keeps the one the dialog has, a given one stays for the next time.
    std::vector<std::string> titulos;
    for (const char* legenda : {"  ", "Inclusão", ""}) {
        ComDialogo([&] { aberto = d.Open(legenda); },
                   [&](HWND w) {
                       titulos.push_back(test::TextoDe(w));
                       ASSERT_TRUE(test::NaFrente(w));
                       test::PressKey(VK_ESCAPE);
                   });
        EXPECT_FALSE(aberto);
        EXPECT_EQ(d.Tag, 0);
    }
    EXPECT_EQ(titulos, (std::vector<std::string>{"Amostra", "Inclusão", "Inclusão"}));
    EXPECT_EQ(d.salvos, 1);
}

TEST_F(Base2, ADoubleClickOffersToPrintTheWindow) {
    DWORD n = 0;
    GetDefaultPrinterW(nullptr, &n);
    if (n != 0) GTEST_SKIP() << "this test wants a system without printers";
    Amostra d(t);
    std::vector<std::string> mensagens;
    bool abertoNoFim = false;
    ComDialogo([&] { d.Open(""); },
               [&](HWND w) {
                   // The question, answered "Não" and then "Sim": only "Sim" goes on, to the message that
                   // there is no printer.
                   for (const wchar_t* resposta : {L"&Não", L"&Sim"}) {
                       const std::set<HWND> antes = test::DialogosVisiveis();
                       PostMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(300, 150));
                       HWND pergunta = test::NovoDialogo(antes);
                       ASSERT_NE(pergunta, nullptr);
                       HWND rotulo = FindWindowExW(pergunta, nullptr, L"Static", nullptr);
                       mensagens.push_back(test::TextoDe(rotulo));
                       const std::set<HWND> comPergunta = test::DialogosVisiveis();
                       PostMessageW(FindWindowExW(pergunta, nullptr, L"Button", resposta), BM_CLICK, 0, 0);
                       ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(pergunta); }));
                       if (resposta[1] == L'N') continue;
                       HWND aviso = test::NovoDialogo(comPergunta);
                       ASSERT_NE(aviso, nullptr);
                       mensagens.push_back(test::TextoDe(FindWindowExW(aviso, nullptr, L"Static", nullptr)));
                       PostMessageW(FindWindowExW(aviso, nullptr, L"Button", L"&OK"), BM_CLICK, 0, 0);
                       ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(aviso); }));
                   }
                   abertoNoFim = IsWindowVisible(w) != 0;
                   PostMessageW(d.Controle(d.Indice("BitBtn2")), BM_CLICK, 0, 0);
               });
    ASSERT_EQ(mensagens.size(), 3u);
    EXPECT_EQ(mensagens[0], "Deseja imprimir esta tela na impressora padrão?");
    EXPECT_EQ(mensagens[1], mensagens[0]) << "after \"Não\" nothing but the next question came";
    EXPECT_NE(mensagens[2].find("Não há uma impressora padrão instalada."), std::string::npos)
        << mensagens[2];
    EXPECT_TRUE(abertoNoFim);
}

}  // namespace
}  // namespace nq
