// The menu settings: what the dialog shows and enables, what OK applies, and the renderer's section of
// the settings file.

#include "menus/NqMenusConfig.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "catalogue/NqIniFiles.h"
#include "menus/FakeMenuSistema.h"
#include "support/Cp1252.h"
#include "support/Text.h"

namespace nq {
namespace {

const std::string kFile = "D:\\Apps\\PivelConfig.ini";

// A renderer as the bar has it, and the process-wide settings object on a file of the fake platform.
class MenusConfig : public ::testing::Test {
protected:
    void SetUp() override {
        NqIni = std::make_unique<TMemIniFile>(kFile,
                                              "[Menus]\r\nVelha=1\r\nTipoMenu=3\r\n[Config]\r\nColor=5\r\n");
        menu.Name = "NqMenu1";
        menu.SetFont(TFont{"Segoe UI", 9, clMenuText});
        menu.SetTipoMenu(TTipoMenu::tmOffice);
        menu.SetSessaoIni("Menus");
    }
    void TearDown() override { NqIni.reset(); }

    // The section's lines as the file would hold them, in UTF-8.
    std::vector<std::string> Secao(const std::string& nome = "Menus") {
        std::vector<std::string> linhas;
        NqIni->ReadSectionValues(nome, linhas);
        return linhas;
    }

    test::FakePlatform fake;
    test::FakeMenuSistema sis;
    TMenuOwner form;
    TPopupMenu popup{&form};
    TNqMenu menu{&form, sis};
};

TEST_F(MenusConfig, ConfigSaveErasesTheSectionAndWritesExactlyTheSevenKeysInOrder) {
    menu.ConfigSave();
    EXPECT_EQ(Secao(), (std::vector<std::string>{
                           "Ativo=1", "FaixaDegradê=0", "TamanhoÍcone=20", "TipoMenu=1", "UsarFonteWindows=1",
                           "SemÍcones=0", "Fonte=Segoe UI,9," + std::to_string(clMenuText) + ",0,0,0,0"}));
    EXPECT_EQ(Secao("Config"), std::vector<std::string>{"Color=5"});
    // Windows-1252 on disk, as every key of the file.
    const std::string bytes = NqIni->FileContent();
    EXPECT_NE(bytes.find(Utf8ToCp1252("FaixaDegradê=0\r\nTamanhoÍcone=20\r\n").value()), std::string::npos);
}

TEST_F(MenusConfig, TheDialogOpensOnTheRenderersValues) {
    struct Case {
        TTipoMenu tipo;
        int tamIcone;
        int estilo, tamanho;
    };
    const Case cases[] = {
        {TTipoMenu::tmPadrao, 16, 0, 1},
        {TTipoMenu::tmOffice, 20, 1, 2},
        {TTipoMenu::tmSemIcones, 28, 2, 4},
        {TTipoMenu::tmWin7, 32, 3, 5},
        {TTipoMenu::tmOffice, 0, 1, 0},
        {TTipoMenu::tmMarvo, 24, 3, 3},  // the group has four items: the last one shows "&4.Estilo Windows 7"
    };
    for (const Case& c : cases) {
        menu.SetTipoMenu(c.tipo);
        menu.SetTamIcone(c.tamIcone);
        const TMenusEscolha e = EscolhaInicial(menu);
        EXPECT_EQ(e.estilo, c.estilo);
        EXPECT_EQ(e.tamanho, c.tamanho);
    }
    EXPECT_STREQ(kEstilosMenu[EscolhaInicial(menu).estilo], "&4.Estilo Windows 7");
    const TMenusEscolha e = EscolhaInicial(menu);
    EXPECT_EQ(e.fonteNome, "Segoe UI");
    EXPECT_EQ(e.fonteTamanho, 9);  // the bar's font, -12 pixels at 96 dpi
    EXPECT_TRUE(e.fonteWin);
    EXPECT_TRUE(e.semIcones);  // set by tmMarvo
    menu.SetFont(TFont{"Arial", 20});
    EXPECT_EQ(EscolhaInicial(menu).fonteTamanho, 12);  // the size box's range ends at 12
}

TEST_F(MenusConfig, EnablingRules) {
    struct Case {
        int estilo;
        bool fonteWin;
        TMenusHabilitacao esperado;
    };
    const Case cases[] = {
        {0, false, {true, false, false, true}},  {1, false, {true, true, true, true}},
        {2, false, {false, false, false, true}}, {3, true, {false, false, false, false}},
        {1, true, {true, true, true, false}},
    };
    for (const Case& c : cases) EXPECT_EQ(Habilitacao(c.estilo, c.fonteWin), c.esperado) << c.estilo;
}

TEST_F(MenusConfig, OkAppliesEveryChoiceAndWritesTheSection) {
    menu.SetTipoMenu(TTipoMenu::tmMarvo);
    TMenusEscolha e = EscolhaInicial(menu);
    e.tamanho = 0;  // "Automático"
    e.fonteNome = "Tahoma";
    e.fonteTamanho = 11;
    e.degrade = true;  // checked, though disabled for this style: stored all the same
    e.semIcones = false;
    std::optional<TMenusEscolha> resposta = e;
    int aberturas = 0;
    menu.DialogoConfig = [&](TNqMenu& m) {
        ++aberturas;
        EXPECT_EQ(&m, &menu);
        return resposta;
    };
    menu.MenuConfig();
    EXPECT_EQ(aberturas, 1);
    EXPECT_EQ(menu.TipoMenu(), TTipoMenu::tmWin7);
    EXPECT_EQ(menu.TamIcone(), 0);
    EXPECT_TRUE(menu.MenusDegrade());
    EXPECT_FALSE(menu.SemIcones());
    EXPECT_TRUE(menu.UsarFonteWin());
    EXPECT_EQ(menu.Font().name, "Tahoma");  // kept for when the system font is switched off again
    EXPECT_EQ(menu.Font().size, 11);
    EXPECT_EQ(Secao(), (std::vector<std::string>{
                           "Ativo=1", "FaixaDegradê=1", "TamanhoÍcone=0", "TipoMenu=3", "UsarFonteWindows=1",
                           "SemÍcones=0", "Fonte=Tahoma,11," + std::to_string(clMenuText) + ",0,0,0,0"}));

    // Cancel changes nothing and writes nothing; an empty font name keeps the name.
    NqIni->EraseSection("Menus");
    resposta.reset();
    menu.MenuConfig();
    EXPECT_EQ(menu.TipoMenu(), TTipoMenu::tmWin7);
    EXPECT_TRUE(Secao().empty());
    e.fonteNome = "";
    e.fonteWin = false;
    menu.AplicarEscolha(e);
    EXPECT_EQ(menu.Font().name, "Tahoma");
    EXPECT_FALSE(menu.UsarFonteWin());
}

TEST_F(MenusConfig, TheSectionReadsBackWhatItWrote) {
    menu.SetTipoMenu(TTipoMenu::tmSemIcones);
    menu.SetTamIcone(28);
    menu.SetMenusDegrade(true);
    menu.SetUsarFonteWin(false);
    menu.SetSemIcones(true);
    menu.SetFont(TFont{"Arial", 10, RGBColor(255, 0, 0), true});
    menu.SetAtivo(false);
    menu.ConfigSave();

    TNqMenu outro(&form, sis);
    outro.SetTipoMenu(TTipoMenu::tmMarvo);
    outro.ConfigLoad();
    EXPECT_EQ(outro.TipoMenu(), TTipoMenu::tmSemIcones);
    EXPECT_EQ(outro.TamIcone(), 28);
    EXPECT_TRUE(outro.MenusDegrade());
    EXPECT_FALSE(outro.UsarFonteWin());
    EXPECT_TRUE(outro.SemIcones());
    EXPECT_EQ(outro.Font(), menu.Font());
    EXPECT_FALSE(outro.Ativo());

    // Values the renderer refuses are passed over.
    NqIni->WriteInteger("Menus", "TamanhoÍcone", 18);
    NqIni->WriteInteger("Menus", "TipoMenu", 9);
    TNqMenu terceiro(&form, sis);
    EXPECT_NO_THROW(terceiro.ConfigLoad());
    EXPECT_EQ(terceiro.TamIcone(), 20);
    EXPECT_EQ(terceiro.TipoMenu(), TTipoMenu::tmPadrao);

    // A font size beyond the window's range is brought into it; a blank name keeps the renderer's.
    for (const auto& [texto, tamanho] : {std::pair{"Arial,300,0,0,0,0,0", kTamanhoFonteMax},
                                         std::pair{",-4,0,0,0,0,0", kTamanhoFonteMin}}) {
        NqIni->WriteString("Menus", "Fonte", texto);
        TNqMenu quarto(&form, sis);
        quarto.SetFont(TFont{"Tahoma", 9, clMenuText});
        quarto.ConfigLoad();
        EXPECT_EQ(quarto.Font().size, tamanho) << texto;
        EXPECT_FALSE(Trim(quarto.Font().name).empty()) << texto;
    }
}

}  // namespace
}  // namespace nq
