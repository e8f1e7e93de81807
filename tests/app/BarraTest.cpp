#include "app/Barra.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/ClientDataset.h"

namespace nq {
namespace {

class Barra : public ::testing::Test {
protected:
    void SetUp() override {
        CriarCamposAtalho(cds);
        cds.CreateDataSet();
        cds.Open();
        fake.files.AddFolder("D:\\Dados");
    }
    void Add(const std::string& titulo, const std::string& programa, int tipo, bool menu,
             const std::string& param = "") {
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(titulo);
        cds.FieldByName("Programa").SetAsString(programa);
        cds.FieldByName("Param").SetAsString(param);
        cds.FieldByName("Tipo").SetAsInteger(tipo);
        cds.FieldByName("OpcaoMenu").SetAsBoolean(menu);
        cds.Post();
    }
    test::FakePlatform fake;
    TClientDataset cds;
};

TEST_F(Barra, FoldersFirstThenByTitleStackedAtTheStoredStep) {
    Add("Calculadora", "C:\\Windows\\system32\\calc.exe", 1, false);
    Add("Grep", "D:\\Util\\grep.exe", 1, true, "-r");
    Add("bloco de notas", "C:\\Windows\\system32\\notepad.exe", 1, false);
    Add("Dados", "D:\\Dados", 0, false);
    Add("Site", "https://exemplo.com.br", 1, false);
    Add("Ajuda", "D:\\Util\\ajuda.exe", 1, true);

    const TBarConteudo b = MontarBarra(cds, iSalto, false, 1040);
    ASSERT_EQ(b.botoes.size(), 4u);
    const char* titles[] = {"Dados", "bloco de notas", "Calculadora", "Site"};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(b.botoes[i].Titulo(), titles[i]);
        EXPECT_EQ(b.botoes[i].Top(), 2 + 38 * static_cast<int>(i));
        EXPECT_EQ(b.botoes[i].Left(), 8);
    }
    EXPECT_TRUE(b.botoes[3].IsURL());
    // No target is looked up on disk while the bar is laid out: that waits for a worker.
    EXPECT_EQ(fake.shell.existenceChecks, 0);
    ASSERT_EQ(b.menu.size(), 2u);
    EXPECT_EQ(b.menu[0].caption, "Ajuda");
    EXPECT_EQ(b.menu[0].hint, "D:\\Util\\ajuda.exe|");
    EXPECT_EQ(b.menu[1].hint, "D:\\Util\\grep.exe|-r");
    EXPECT_EQ(cds.IndexFieldNames(), "Tipo;Titulo");
}

TEST_F(Barra, NumbersInTitlesGoByValueOnTheBarAndInOutrosAtalhos) {
    for (const char* titulo : {"Pasta 100", "Pasta 7", "Pasta 20"}) {
        Add(titulo, "D:\\Dados", 0, false);
        Add(titulo, "D:\\Dados", 1, true);
    }
    const TBarConteudo b = MontarBarra(cds, iSalto, false, 1040);
    ASSERT_EQ(b.botoes.size(), 3u);
    ASSERT_EQ(b.menu.size(), 3u);
    const char* titles[] = {"Pasta 7", "Pasta 20", "Pasta 100"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(b.botoes[i].Titulo(), titles[i]);
        EXPECT_EQ(b.menu[i].caption, titles[i]);
    }
}

TEST_F(Barra, AutomaticSpacingSharesTheFreeHeight) {
    for (int i = 0; i < 24; ++i) Add("A" + std::to_string(100 + i), "C:\\a.exe", 1, false);
    Add("No menu", "C:\\m.exe", 1, true);
    EXPECT_EQ(MontarBarra(cds, iSalto, true, 1040).step, 41);
    EXPECT_EQ(MontarBarra(cds, iSalto, true, 1040).botoes[2].Top(), 2 + 82);
    // More than fit: the step stays what a caption needs and the rest scrolls.
    for (int i = 0; i < 30; ++i) Add("C" + std::to_string(100 + i), "C:\\c.exe", 1, false);
    EXPECT_EQ(MontarBarra(cds, iSalto, true, 1040).step, kAutoStepMin);
    EXPECT_FALSE(cds.Filtered());

    cds.EmptyDataSet();
    for (int i = 0; i < 10; ++i) Add("B" + std::to_string(i), "C:\\b.exe", 1, false);
    EXPECT_EQ(MontarBarra(cds, iSalto, true, 1040).step, 44);

    cds.EmptyDataSet();
    Add("So menu", "C:\\m.exe", 1, true);
    const TBarConteudo onlyMenu = MontarBarra(cds, 50, true, 1040);
    EXPECT_TRUE(onlyMenu.botoes.empty());
    EXPECT_EQ(onlyMenu.step, 50);
}

}  // namespace
}  // namespace nq
