#include "ui/NqMsgAllForm.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace nq {
namespace {

// Text measured as 7 pixels a character and 16 a line, wrapped at word boundaries.
TMedidaTexto Medir(const std::string& texto, int largura) {
    int linhas = 0, maior = 0;
    std::size_t inicio = 0;
    do {
        std::size_t fim = texto.find("\r\n", inicio);
        const std::string linha =
            texto.substr(inicio, fim == std::string::npos ? std::string::npos : fim - inicio);
        int atual = 0;
        std::size_t p = 0;
        ++linhas;
        while (p < linha.size()) {
            std::size_t q = linha.find(' ', p);
            const int palavra = static_cast<int>(((q == std::string::npos) ? linha.size() : q) - p) * 7;
            if (atual > 0 && atual + 7 + palavra > largura) {
                ++linhas;
                atual = 0;
            }
            atual += (atual > 0 ? 7 : 0) + palavra;
            maior = std::max(maior, atual);
            p = q == std::string::npos ? linha.size() : q + 1;
        }
        inicio = fim == std::string::npos ? std::string::npos : fim + 2;
    } while (inicio != std::string::npos);
    return {maior, linhas * 16};
}

TEST(MsgAll, TextsConvention) {
    struct Caso {
        const char* texto;
        TTipoMensagem tipo;
        const char* comCabecalho;
    } casos[] = {
        {"Local inválido!", tmErro, "ATENÇÃO!|Local inválido!"},
        {"ATENÇÃO!|Já tem", tmErro, "ATENÇÃO!|Já tem"},
        {"ERRO!|Também", tmErro, "ERRO!|Também"},
        {"Excluir atalho?", tmConf, "Excluir atalho?"},
    };
    for (const Caso& c : casos) EXPECT_EQ(ComCabecalho(c.texto, c.tipo), c.comCabecalho) << c.texto;
    EXPECT_EQ(TextoMensagem("a|b|"), "a\r\nb\r\n");
    EXPECT_EQ(TextoMensagem("sem quebra"), "sem quebra");
    EXPECT_EQ(Formatar("Nome: %s|Programa: %s|%s", {"Bloco", "notepad.exe"}),
              "Nome: Bloco|Programa: notepad.exe|");
    EXPECT_EQ(Formatar("100%% de %s", {"tudo"}), "100% de tudo");
}

TEST(MsgAll, AShortErrorTakesTheLeastSizeBesideItsPicture) {
    const TMsgAllLayout m = MsgAllLayout("ATENÇÃO!|Local inválido!", tmErro, 1920, 6, Medir);
    EXPECT_EQ(m.clientW, 290);
    EXPECT_EQ(m.clientH, 110);
    EXPECT_EQ(m.rotulo.height, 32);
    EXPECT_EQ(m.rotulo.top, 8 + (48 - 32) / 2) << "a short text is centred on the picture";
    EXPECT_EQ(m.imagem, (Rect{8, 8, 48, 48}));
    EXPECT_EQ(m.alturaFaixa, 65);
    EXPECT_EQ(m.bok, (Rect{290 - 97 - 8, 110 - 27 - 8, 97, 27}));
    EXPECT_TRUE(m.mostraOk);
    EXPECT_FALSE(m.mostraSimNao);
    EXPECT_EQ(m.som, kSomAsterisco);
}

TEST(MsgAll, AQuestionsButtonsStandBesideEachOtherInTheCorner) {
    const TMsgAllLayout m = MsgAllLayout("Excluir atalho?", tmConf, 1920, 6, Medir);
    EXPECT_TRUE(m.mostraSimNao);
    EXPECT_FALSE(m.mostraOk);
    EXPECT_EQ(m.bnao.right(), m.clientW - 8);
    EXPECT_EQ(m.bsim.right() + 8, m.bnao.left);
    EXPECT_EQ(m.bsim.top, m.clientH - 27 - 8);
    EXPECT_EQ(m.som, kSomExclamacao);
}

TEST(MsgAll, ALongTextWrapsAtFortyPercentOfTheScreenAndGrowsDown) {
    std::string longo = "ATENÇÃO!|";
    for (int i = 0; i < 80; ++i) longo += "palavra ";
    const TMsgAllLayout m = MsgAllLayout(longo, tmErro, 1920, 6, Medir);
    // 40 % of 1920 is 768; less the frame, the label's left 72 and the right margin 12.
    EXPECT_LE(m.rotulo.width, 768 - 6 - 84);
    EXPECT_GT(m.rotulo.width, 768 - 6 - 84 - 7 * 8);
    EXPECT_EQ(m.clientW, 72 + m.rotulo.width + 16);
    EXPECT_GT(m.rotulo.height, 48);
    EXPECT_EQ(m.rotulo.top, 8);
    EXPECT_EQ(m.clientH, 8 + m.rotulo.height + 27 + 32);
    EXPECT_EQ(m.alturaFaixa, m.rotulo.height + 20);
}

TEST(MsgAll, NeverWiderThanMostOfTheScreen) {
    // One word longer than the window: the label is as wide as the word, the window at most 95 %.
    const TMsgAllLayout m = MsgAllLayout(std::string(200, 'x'), tmConf, 1000, 6, Medir);
    EXPECT_EQ(m.clientW, 950);
    EXPECT_EQ(m.rotulo.width, 950 - 72 - 8);
}

}  // namespace
}  // namespace nq
