#include "app/MenuAtalho.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "app/Barra.h"
#include "app/ComandosBarra.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/ClientDataset.h"

namespace nq {
namespace {

std::vector<MenuId> Comandos(const TAtalhoDoMenu& a) {
    std::vector<MenuId> c;
    for (const TComandoBarra* e : EntradasDoAtalho(a)) c.push_back(e->id);
    return c;
}

TEST(MenuAtalho, OffersWhatSuitsTheTarget) {
    using C = MenuId;
    const std::vector<C> programa = {mnAbrir, mnAdministrador, mnAbrirLocal, mnCopiarCaminho,
                                     mnEditar, mnMover, mnExcluir};
    const std::vector<C> documento = {mnAbrir, mnAbrirLocal, mnCopiarCaminho, mnEditar, mnMover, mnExcluir};
    const std::vector<C> endereco = {mnAbrir, mnCopiarCaminho, mnEditar, mnMover, mnExcluir};
    struct Caso {
        const char* alvo;
        bool pasta;
        std::vector<C> esperado;
    } casos[] = {
        {"C:\\Windows\\notepad.exe", false, programa},
        {"%PIVEL%\\..\\Apps\\Setup.MSI", false, programa},
        {"\"C:\\Program Files\\x\\run.cmd\"", false, programa},
        {"notepad.exe", false, programa},
        {"D:\\Docs\\relatório.pdf", false, documento},
        {"D:\\Ferramentas.exe", true, documento},  // a folder, whatever its name
        {"D:\\Docs", false, documento},
        {"https://exemplo.com.br/app.exe", false, endereco},
        {"www.exemplo.com.br", false, endereco},
    };
    for (const Caso& c : casos) {
        TAtalhoDoMenu a;
        a.programa = c.alvo;
        a.pasta = c.pasta;
        EXPECT_EQ(Comandos(a), c.esperado) << c.alvo;
    }
}

TEST(MenuAtalho, TheFirstEntryOpensInBoldAndAnOtherShortcutGoesBackToTheBar) {
    TAtalhoDoMenu a;
    a.programa = "C:\\x.exe";
    auto e = EntradasDoAtalho(a);
    ASSERT_FALSE(e.empty());
    EXPECT_STREQ(TextoDoComando(*e[0], &a), "&Abrir");
    EXPECT_TRUE(e[0]->padrao);
    for (std::size_t i = 1; i < e.size(); ++i) EXPECT_FALSE(e[i]->padrao) << e[i]->texto;
    EXPECT_STREQ(TextoDoComando(*e[e.size() - 2], &a), "&Mover para \"Outros atalhos\"");
    a.noMenu = true;
    e = EntradasDoAtalho(a);
    EXPECT_STREQ(TextoDoComando(*e[e.size() - 2], &a), "Exibir na &barra");
    // Only what changes the catalogue waits for a dialog that edits a record.
    for (const TComandoBarra* x : e)
        EXPECT_EQ(x->esperaEdicao, x->id == mnEditar || x->id == mnMover || x->id == mnExcluir) << x->texto;
}

TEST(MenuAtalho, TextsOfItsCommands) {
    struct Caso {
        const char* programa;
        const char* parametros;
        const char* copiado;
    } copias[] = {
        {"C:\\Windows\\notepad.exe", "", "C:\\Windows\\notepad.exe"},
        {"C:\\Windows\\notepad.exe", "/p a.txt", "C:\\Windows\\notepad.exe /p a.txt"},
        {"C:\\Program Files\\App\\app.exe", "", "C:\\Program Files\\App\\app.exe"},
        {"C:\\Program Files\\App\\app.exe", "-x", "\"C:\\Program Files\\App\\app.exe\" -x"},
        {"\"C:\\Program Files\\App\\app.exe\"", "-x", "\"C:\\Program Files\\App\\app.exe\" -x"},
        {"%PIVEL%\\app.exe", "%TEMP%", "%PIVEL%\\app.exe %TEMP%"},
    };
    for (const Caso& c : copias) EXPECT_EQ(CaminhoParaCopiar(c.programa, c.parametros), c.copiado) << c.programa;

    EXPECT_EQ(ParametrosDoLocal("C:\\Docs\\a b.txt"), "/select,\"C:\\Docs\\a b.txt\"");
    EXPECT_EQ(ParametrosDoLocal("C:\\Docs\\"), "/select,\"C:\\Docs\"");
    EXPECT_EQ(ParametrosDoLocal("C:\\"), "/select,\"C:\\\"");
    EXPECT_EQ(PerguntaExcluir("Bloco de notas"), "Excluir o atalho \"Bloco de notas\"?");
    EXPECT_EQ(AvisoNaoEncontrado("C:\\x.exe"), "O arquivo C:\\x.exe não foi encontrado.");
}

// The menu acts on the record its button was made from, whatever filter or order the catalogue has
// meanwhile, and on nothing once that record is gone.
TEST(MenuAtalho, ActsOnTheRecordOfItsButtonOnly) {
    test::FakePlatform fake;
    TClientDataset cds;
    CriarCamposAtalho(cds);
    cds.CreateDataSet();
    for (const char* t : {"Calculadora", "Bloco", "Agenda"}) {
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(t);
        cds.FieldByName("Programa").SetAsString(std::string("C:\\") + t + ".exe");
        cds.Post();
    }
    const TBarConteudo bar = MontarBarra(cds, 38, false, 1000);
    ASSERT_EQ(bar.botoes.size(), 3u);
    const std::uint64_t bloco = bar.botoes[1].Registro();
    ASSERT_EQ(bar.botoes[1].Titulo(), "Bloco");

    cds.SetFilter("Titulo = 'Agenda'");
    cds.SetFiltered(true);
    ASSERT_TRUE(AlternarMenuDoAtalho(cds, bloco));
    EXPECT_EQ(cds.FieldByName("Titulo").AsString(), "Bloco");
    EXPECT_TRUE(cds.FieldByName("OpcaoMenu").AsBoolean());

    const TBarConteudo depois = MontarBarra(cds, 38, false, 1000);
    ASSERT_EQ(depois.menu.size(), 1u);
    EXPECT_EQ(depois.menu[0].registro, bloco);
    ASSERT_TRUE(AlternarMenuDoAtalho(cds, depois.menu[0].registro));
    EXPECT_FALSE(cds.FieldByName("OpcaoMenu").AsBoolean());

    ASSERT_TRUE(ExcluirAtalho(cds, bloco));
    EXPECT_EQ(cds.RecordCount(), 2);
    EXPECT_FALSE(ExcluirAtalho(cds, bloco)) << "gone already";
    EXPECT_FALSE(AlternarMenuDoAtalho(cds, bloco));
    EXPECT_FALSE(IrParaAtalho(cds, 0));
    EXPECT_EQ(cds.RecordCount(), 2);
}

}  // namespace
}  // namespace nq
