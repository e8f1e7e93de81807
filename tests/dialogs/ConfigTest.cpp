// The configuration window's catalogue actions and settings, without the window.

#include "dialogs/Config.h"

#include <gtest/gtest.h>

#include "catalogue/Auxiliares.h"
#include "catalogue/NqIniFiles.h"
#include "support/Cp1252.h"

namespace nq {
namespace {

using Titulos = std::vector<std::string>;

class AtalhosConfig : public ::testing::Test {
protected:
    AtalhosConfig() {
        CriarCamposAtalho(cds);
        cds.CreateDataSet();
        Add("Documentos", "C:\\Users\\Maria\\Documents\\", 0);
        Add("Bloco de notas", "C:\\windows\\system32\\notepad.exe");
        Add("Calculadora", "C:\\windows\\system32\\calc.exe", 1, true);
        Add("Fotos", "D:\\Fotos\\", 0, true);
        Add("Relatório d'O Globo", "https://www.oglobo.com.br/");
        atalhos.AbrirEdicao = [this](const std::string& caption) {
            legendas.push_back(caption);
            if (editar) editar();
            return confirmar;
        };
        atalhos.Confirmar = [this](const std::string& texto, const std::vector<std::string>& valores) {
            perguntas.push_back(texto + " " + valores.at(0) + "/" + valores.at(1) + "/" + valores.at(2));
            return sim;
        };
        atalhos.Mostrar();
    }
    void Add(const std::string& titulo, const std::string& programa, int tipo = 1, bool menu = false) {
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(titulo);
        cds.FieldByName("Programa").SetAsString(programa);
        cds.FieldByName("Tipo").SetAsInteger(tipo);
        cds.FieldByName("OpcaoMenu").SetAsBoolean(menu);
        cds.Post();
    }
    std::string Atual() { return cds.FieldByName("Titulo").AsString(); }
    Titulos Visiveis() {
        const TBookmark b = cds.GetBookmark();
        Titulos out;
        for (cds.First(); !cds.Eof(); cds.Next()) out.push_back(Atual());
        cds.GotoBookmark(b);
        return out;
    }

    TClientDataset cds;
    TAtalhosConfig atalhos{cds};
    std::vector<std::string> legendas, perguntas;
    std::function<void()> editar;
    bool confirmar = true, sim = true;
};

TEST_F(AtalhosConfig, OpensWithFoldersFirstEachGroupByTitle) {
    EXPECT_EQ(Visiveis(),
              (Titulos{"Documentos", "Fotos", "Bloco de notas", "Calculadora", "Relatório d'O Globo"}));
    EXPECT_EQ(Atual(), "Documentos");
}

TEST_F(AtalhosConfig, SearchAndFiltersShareTheOneFilterText) {
    atalhos.Pesquisar("bloco notas");
    EXPECT_EQ(cds.Filter(), "upper(programa) like '%BLOCO%NOTAS%' or upper(titulo) like '%BLOCO%NOTAS%'");
    EXPECT_EQ(Visiveis(), (Titulos{"Bloco de notas"}));
    atalhos.Pesquisar("system32");  // the program's path counts too
    EXPECT_EQ(Visiveis(), (Titulos{"Bloco de notas", "Calculadora"}));
    atalhos.Pesquisar("d'o");  // a quote is matched as itself
    EXPECT_EQ(Visiveis(), (Titulos{"Relatório d'O Globo"}));
    atalhos.Pesquisar("");
    EXPECT_TRUE(cds.Filtered());
    EXPECT_EQ(Visiveis().size(), 5u);

    struct Caso {
        int tag;
        Titulos visiveis;
    };
    const Caso casos[] = {
        {3, {"Documentos", "Fotos"}},
        {2, {"Bloco de notas", "Calculadora", "Relatório d'O Globo"}},
        {4, {"Documentos", "Bloco de notas", "Relatório d'O Globo"}},
        {5, {"Fotos", "Calculadora"}},
        {1, {"Documentos", "Fotos", "Bloco de notas", "Calculadora", "Relatório d'O Globo"}},
    };
    atalhos.Pesquisar("notas");
    for (const Caso& c : casos) {
        atalhos.Filtrar(c.tag);  // replaces the search
        EXPECT_EQ(Visiveis(), c.visiveis) << c.tag;
    }
    // A choice leaves the current record where it is while it stays visible.
    cds.First();
    cds.MoveBy(3);
    ASSERT_EQ(Atual(), "Calculadora");
    atalhos.Filtrar(2);
    EXPECT_EQ(Atual(), "Calculadora");

    atalhos.Fechar();
    EXPECT_FALSE(cds.Filtered());
    EXPECT_EQ(cds.Filter(), "tipo=1");
}

TEST_F(AtalhosConfig, InsertAndEditPostOnlyWhatTheEditDialogConfirmed) {
    editar = [&] { cds.FieldByName("Titulo").SetAsString("Novo"); };
    EXPECT_TRUE(atalhos.Incluir());
    EXPECT_EQ(cds.RecordCount(), 6);
    EXPECT_EQ(Atual(), "Novo");
    EXPECT_FALSE(cds.FieldByName("OpcaoMenu").AsBoolean());

    confirmar = false;
    EXPECT_FALSE(atalhos.Incluir());
    EXPECT_EQ(cds.RecordCount(), 6);
    EXPECT_EQ(cds.State(), TDataSetState::dsBrowse);

    editar = [&] { cds.FieldByName("Titulo").SetAsString("Mudado"); };
    EXPECT_FALSE(atalhos.Alterar());
    EXPECT_EQ(Atual(), "Novo");
    confirmar = true;
    EXPECT_TRUE(atalhos.Alterar());
    EXPECT_EQ(Atual(), "Mudado");
    EXPECT_EQ(legendas, (Titulos{"Inclusão", "Inclusão", "Alteração", "Alteração"}));

    // An error inside the edit dialog drops the new record and goes on to the caller.
    editar = [] { throw std::runtime_error("falhou"); };
    EXPECT_THROW(atalhos.Incluir(), std::runtime_error);
    EXPECT_EQ(cds.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(cds.RecordCount(), 6);
}

TEST_F(AtalhosConfig, DeleteAsksWithTheShortcutsValuesAndNoKeepsIt) {
    cds.First();
    cds.MoveBy(2);  // "Bloco de notas"
    sim = false;
    EXPECT_FALSE(atalhos.Excluir());
    EXPECT_EQ(cds.RecordCount(), 5);
    sim = true;
    EXPECT_TRUE(atalhos.Excluir());
    EXPECT_EQ(Visiveis(), (Titulos{"Documentos", "Fotos", "Calculadora", "Relatório d'O Globo"}));
    EXPECT_EQ(perguntas.at(0),
              "Excluir atalho?||Nome: %s|Programa: %s|Parâmetros: %s "
              "Bloco de notas/C:\\windows\\system32\\notepad.exe/");
}

TEST_F(AtalhosConfig, TheMenuToggleMovesAShortcutAndAnEmptyViewDoesNothing) {
    atalhos.Filtrar(5);
    cds.First();
    EXPECT_EQ(Atual(), "Fotos");
    EXPECT_TRUE(atalhos.NoMenu(1));
    EXPECT_TRUE(atalhos.AlternarMenu());  // it leaves the "Exibir no menu" view
    EXPECT_EQ(Visiveis(), (Titulos{"Calculadora"}));
    atalhos.Filtrar(4);
    cds.First();
    EXPECT_FALSE(atalhos.NoMenu(1));

    atalhos.Pesquisar("nada assim");
    ASSERT_TRUE(cds.IsEmpty());
    EXPECT_FALSE(atalhos.AlternarMenu());
    EXPECT_FALSE(atalhos.Alterar());
    EXPECT_FALSE(atalhos.Excluir());
    EXPECT_TRUE(legendas.empty());
    EXPECT_TRUE(perguntas.empty());
}

TEST(ConfigBarra, TheKeysAreWrittenInTheirOrderAndReadBack) {
    TMemIniFile ini("PivelConfig.ini", "[Config]\r\nAutoOcultar=1\r\n[Menus]\r\nTipoMenu=1\r\n");
    TConfigBarra c;
    LerConfig(ini, c);
    EXPECT_EQ(c.salto, 38);
    EXPECT_TRUE(c.editarTitulo);
    EXPECT_TRUE(c.autoOcultar);
    EXPECT_FALSE(c.alturaAutomatica);
    EXPECT_EQ(c.icone, "");
    EXPECT_EQ(c.teclaAtalho, "Ctrl+Alt+P") << "the global key when the file names none";

    TMemIniFile novo("PivelConfig.ini", "");
    c.titulo = "Meus Atalhos";
    c.icone = "C:\\Icones\\a.ico";
    c.nivel = 200;
    c.cor = 1714213;
    c.fonte = TFont{"Tahoma", 9, clWhite};
    c.salto = 54;
    GravarConfig(novo, c);
    EXPECT_EQ(
        Cp1252ToUtf8(novo.FileContent()),
        "[Config]\r\nNomeEmpresa=Meus Atalhos\r\nIconeEmpresa=C:\\Icones\\a.ico\r\nSobreOutros=1\r\n"
        "TransparênciaAtivada=1\r\nNívelTransparência=200\r\nColor=1714213\r\n"
        "FonteÍcones=Tahoma,9,16777215,0,0,0,0\r\nDistânciaÍcones=54\r\nEditarTítulo=1\r\nAutoOcultar=1\r\n"
        "AbrirAoApontar=0\r\nIconHeightAuto=0\r\nTeclaAtalho=Ctrl+Alt+P\r\nMonitor=Principal\r\n"
        "Lado=Direita\r\n\r\n");

    // The global key round-trips as the file gives it, none (empty) included.
    for (const char* tecla : {"", "Shift+Ctrl+F12", "Alt+K"}) {
        c.teclaAtalho = tecla;
        GravarConfig(novo, c);
        TConfigBarra lido;
        LerConfig(TMemIniFile("PivelConfig.ini", novo.FileContent()), lido);
        EXPECT_EQ(lido.teclaAtalho, tecla);
    }
}

TEST(ConfigBarra, ASaveThatFailedPutsTheKeysBackAsTheyWere) {
    TMemIniFile ini("PivelConfig.ini", "[Config]\r\nNomeEmpresa=Antigo\r\nColor=255\r\n");
    TConfigBarra lidos;
    lidos.titulo = "Antigo";
    lidos.cor = 255;
    lidos.nivel = 210;
    const TCopiaConfig copia = CopiarConfig(ini);
    TConfigBarra novos = lidos;
    novos.titulo = "Novo";
    novos.cor = 0;
    novos.nivel = 150;
    novos.salto = 40;
    GravarConfig(ini, novos);
    RestaurarConfig(ini, copia, lidos);
    EXPECT_EQ(ini.ReadString("Config", "NomeEmpresa", ""), "Antigo");
    EXPECT_EQ(ini.ReadInteger("Config", "Color", 0), 255);
    // Keys that were absent read as their readers read them before.
    EXPECT_EQ(ini.ReadInteger("Config", "NívelTransparência", 0), 210);
    EXPECT_EQ(ini.ReadInteger("Config", "DistânciaÍcones", 0), 38);
}

}  // namespace
}  // namespace nq
