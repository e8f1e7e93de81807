#include "catalogue/ConfigBarra.h"

#include <gtest/gtest.h>

#include "catalogue/NqIniFiles.h"
#include "support/Cp1252.h"

namespace nq {
namespace {

std::string Secao(const std::string& linhas) {
    return "[Config]\r\n" + linhas;
}

TEST(ConfigBarraRegistro, AFileWithoutTheKeysGivesTheDefaults) {
    const TConfigBarra c = LerConfig(TMemIniFile("PivelConfig.ini", "[Menus]\r\nTipoMenu=1\r\n"));
    EXPECT_EQ(c.titulo, "Meus Atalhos");
    EXPECT_EQ(c.icone, "");
    EXPECT_TRUE(c.sobreOutros);
    EXPECT_TRUE(c.transparente);
    EXPECT_EQ(c.nivel, 210);
    EXPECT_EQ(c.cor, 1714213);
    EXPECT_EQ(c.fonte, (TFont{"Tahoma", 9, clWhite}));
    EXPECT_EQ(c.salto, 38);
    EXPECT_TRUE(c.editarTitulo);
    EXPECT_FALSE(c.autoOcultar);
    EXPECT_FALSE(c.alturaAutomatica);
    EXPECT_EQ(c.teclaAtalho, "Ctrl+Alt+P");
}

// A hand-edited or damaged file: the look values come back inside their range, the title within its size.
TEST(ConfigBarraRegistro, StoredValuesAreBroughtIntoRange) {
    struct Caso {
        const char* linha;
        int nivel;
        int salto;
    };
    const Caso casos[] = {
        {"NívelTransparência=256\r\nDistânciaÍcones=60\r\n", 255, 54},
        {"NívelTransparência=-5\r\nDistânciaÍcones=0\r\n", 100, 32},
        {"NívelTransparência=100\r\nDistânciaÍcones=32\r\n", 100, 32},
        {"NívelTransparência=x\r\nDistânciaÍcones=\r\n", 210, 38},  // not a number: the default
    };
    for (const Caso& caso : casos) {
        const TConfigBarra c = LerConfig(TMemIniFile("PivelConfig.ini", Utf8ToCp1252(Secao(caso.linha)).value()));
        EXPECT_EQ(c.nivel, caso.nivel) << caso.linha;
        EXPECT_EQ(c.salto, caso.salto) << caso.linha;
    }
    const TConfigBarra longo =
        LerConfig(TMemIniFile("PivelConfig.ini", Secao("NomeEmpresa=" + std::string(300, 'a') + "\r\n")));
    EXPECT_EQ(longo.titulo.size(), 255u);
}

// Every key written reads back as it was, and the opacity key alone changes only itself.
TEST(ConfigBarraRegistro, EveryKeyRoundTrips) {
    TConfigBarra c;
    c.titulo = "Ferramentas ção";
    c.icone = "C:\\Icones\\a.ico";
    c.sobreOutros = false;
    c.transparente = false;
    c.nivel = 150;
    c.cor = 255;
    c.fonte = TFont{"Verdana", 11, clBlack, true, true};
    c.salto = 44;
    c.editarTitulo = false;
    c.autoOcultar = true;
    c.alturaAutomatica = true;
    c.teclaAtalho = "";
    TMemIniFile ini("PivelConfig.ini", "");
    GravarConfig(ini, c);
    const TConfigBarra lido = LerConfig(TMemIniFile("PivelConfig.ini", ini.FileContent()));
    EXPECT_EQ(lido.titulo, c.titulo);
    EXPECT_EQ(lido.icone, c.icone);
    EXPECT_EQ(lido.sobreOutros, c.sobreOutros);
    EXPECT_EQ(lido.transparente, c.transparente);
    EXPECT_EQ(lido.nivel, c.nivel);
    EXPECT_EQ(lido.cor, c.cor);
    EXPECT_EQ(lido.fonte, c.fonte);
    EXPECT_EQ(lido.salto, c.salto);
    EXPECT_EQ(lido.editarTitulo, c.editarTitulo);
    EXPECT_EQ(lido.autoOcultar, c.autoOcultar);
    EXPECT_EQ(lido.alturaAutomatica, c.alturaAutomatica);
    EXPECT_EQ(lido.teclaAtalho, c.teclaAtalho);

    const std::string antes = ini.FileContent();
    GravarNivel(ini, 200);
    EXPECT_EQ(LerConfig(ini).nivel, 200);
    EXPECT_EQ(ini.FileContent().size(), antes.size()) << "only the opacity's digits changed";
}

}  // namespace
}  // namespace nq
