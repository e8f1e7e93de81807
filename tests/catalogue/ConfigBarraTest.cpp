#include "catalogue/ConfigBarra.h"

#include <gtest/gtest.h>

#include "catalogue/NqIniFiles.h"
#include "support/Cp1252.h"
#include "support/Text.h"

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
    EXPECT_FALSE(c.abrirAoApontar) << "a click on the strip stays the way to open";
    EXPECT_FALSE(c.alturaAutomatica);
    EXPECT_EQ(c.teclaAtalho, "Ctrl+Alt+P");
    EXPECT_EQ(c.monitor, "Principal");
    EXPECT_EQ(c.lado, "Direita");

    // A record made anew (the bar without a settings file) holds the same defaults, key for key.
    TMemIniFile lido("PivelConfig.ini", ""), novo("PivelConfig.ini", "");
    GravarConfig(lido, c);
    GravarConfig(novo, TConfigBarra{});
    EXPECT_EQ(novo.FileContent(), lido.FileContent());
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
    c.abrirAoApontar = true;
    c.alturaAutomatica = true;
    c.teclaAtalho = "";
    c.monitor = "2";
    c.lado = "Esquerda";
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
    EXPECT_EQ(lido.abrirAoApontar, c.abrirAoApontar);
    EXPECT_EQ(lido.alturaAutomatica, c.alturaAutomatica);
    EXPECT_EQ(lido.teclaAtalho, c.teclaAtalho);
    EXPECT_EQ(lido.monitor, c.monitor);
    EXPECT_EQ(lido.lado, c.lado);

    // Booleans are stored as "1" and "0"; the new key follows auto-hide.
    EXPECT_NE(ini.FileContent().find("AutoOcultar=1\r\nAbrirAoApontar=1\r\n"), std::string::npos)
        << ini.FileContent();

    const std::string antes = ini.FileContent();
    GravarNivel(ini, 200);
    EXPECT_EQ(LerConfig(ini).nivel, 200);
    EXPECT_EQ(ini.FileContent().size(), antes.size()) << "only the opacity's digits changed";
}

// The monitor and the edge are kept as written; what the program does not understand means the primary
// monitor and the right edge, and is written back untouched.
TEST(ConfigBarraRegistro, MonitorAndEdgeKeepTheirTextAndMeanPrimaryAndRightWhenUnknown) {
    struct Caso {
        const char* monitor;
        const char* lado;
        int numero;
        TLado ladoLido;
    };
    const Caso casos[] = {
        {"Principal", "Direita", 0, TLado::Direita},
        {"2", "Esquerda", 2, TLado::Esquerda},
        {" 1 ", "esquerda", 1, TLado::Esquerda},
        {"9", "Cima", 9, TLado::Direita},  // a monitor that may not exist: the bar decides
        {"abc", "", 0, TLado::Direita},
        {"-1", "Esquerdaa", 0, TLado::Direita},
        {"2x", "Direita", 0, TLado::Direita},
        {"99999999999", "Direita", 0, TLado::Direita},
    };
    for (const Caso& caso : casos) {
        const std::string texto = Secao(std::string("Monitor=") + caso.monitor + "\r\nLado=" + caso.lado + "\r\n");
        TMemIniFile ini("PivelConfig.ini", texto);
        const TConfigBarra c = LerConfig(ini);
        EXPECT_EQ(NumeroDoMonitor(c.monitor), caso.numero) << caso.monitor;
        EXPECT_EQ(LadoDe(c.lado), caso.ladoLido) << caso.lado;
        GravarConfig(ini, c);
        EXPECT_EQ(LerConfig(TMemIniFile("PivelConfig.ini", ini.FileContent())).monitor, Trim(caso.monitor));
        EXPECT_EQ(LerConfig(TMemIniFile("PivelConfig.ini", ini.FileContent())).lado, caso.lado);
    }
}

}  // namespace
}  // namespace nq
