#include "app/BarTeclado.h"
#include "dialogs/Config.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TBarTeclado Barra() {
    TBarTeclado b;
    b.Definir({"Documentos", "Bloco de notas", "Calculadora", "Água e Luz"});
    return b;
}

TEST(BarTeclado, TheMarkMovesAcrossTheButtonsAndGoesRound) {
    TBarTeclado b = Barra();
    EXPECT_EQ(b.Marcado(), -1);
    struct Passo {
        TeclaBarra tecla;
        bool shift;
        int marcado;
    } passos[] = {
        {TeclaBarra::Baixo, false, 0}, {TeclaBarra::Baixo, false, 1},  {TeclaBarra::Tab, false, 2},
        {TeclaBarra::Tab, true, 1},    {TeclaBarra::Fim, false, 3},    {TeclaBarra::Baixo, false, 0},
        {TeclaBarra::Cima, false, 3},  {TeclaBarra::Inicio, false, 0},
    };
    for (const Passo& p : passos) {
        EXPECT_EQ(b.Tecla(p.tecla, p.shift).tipo, TAcaoBarra::Redesenhar);
        EXPECT_EQ(b.Marcado(), p.marcado);
    }
    EXPECT_EQ(b.Tecla(TeclaBarra::Enter), (TAcaoBarra{TAcaoBarra::Abrir, 0}));
    EXPECT_EQ(b.Tecla(TeclaBarra::Menu), (TAcaoBarra{TAcaoBarra::AbrirMenu, 0}));
    b.Limpar();
    EXPECT_EQ(b.Tecla(TeclaBarra::Enter), TAcaoBarra{}) << "nothing marked: Enter is not the bar's to open";
    EXPECT_EQ(b.Tecla(TeclaBarra::Esc), TAcaoBarra{}) << "nothing typed: Esc is the bar's own";
}

TEST(BarTeclado, TypingFindsWithoutRegardToCaseOrAccents) {
    TBarTeclado b = Barra();
    for (char32_t c : std::u32string(U"BLOC")) b.Caractere(c);
    EXPECT_EQ(b.Busca(), "BLOC");
    EXPECT_EQ(b.Marcado(), 1);
    EXPECT_EQ(b.Tecla(TeclaBarra::Enter), (TAcaoBarra{TAcaoBarra::Abrir, 1}));
    EXPECT_TRUE(b.Apagado(0));
    EXPECT_FALSE(b.Apagado(1));
    // The mark moves among the bright buttons only.
    b.Tecla(TeclaBarra::Baixo);
    EXPECT_EQ(b.Marcado(), 1);

    TBarTeclado a = Barra();
    for (char32_t c : std::u32string(U"agu")) a.Caractere(c);
    EXPECT_EQ(a.Marcado(), 3) << "\"agu\" finds \"Água e Luz\"";
    // Nothing holds "agux": the character is refused and the last match stays, bright and marked.
    EXPECT_EQ(a.Caractere(U'x'), (TAcaoBarra{TAcaoBarra::Recusar, 3}));
    EXPECT_EQ(a.Busca(), "agu");
    EXPECT_EQ(a.Marcado(), 3);
    EXPECT_FALSE(a.Apagado(3));
    EXPECT_EQ(a.Tecla(TeclaBarra::Enter), (TAcaoBarra{TAcaoBarra::Abrir, 3}));
    a.Tecla(TeclaBarra::Apagar);
    EXPECT_EQ(a.Busca(), "ag");
    EXPECT_EQ(a.Marcado(), 3);

    // Esc clears the text first, then is the bar's own.
    EXPECT_EQ(a.Tecla(TeclaBarra::Esc).tipo, TAcaoBarra::Redesenhar);
    EXPECT_EQ(a.Busca(), "");
    EXPECT_FALSE(a.Apagado(0));
    EXPECT_EQ(a.Tecla(TeclaBarra::Esc), TAcaoBarra{});
}

TEST(BarTeclado, BackspaceTakesAWholeCharacterAndControlsAreNoText) {
    TBarTeclado b = Barra();
    b.Caractere(U'á');
    b.Caractere(U'g');
    b.Tecla(TeclaBarra::Apagar);
    b.Tecla(TeclaBarra::Apagar);
    EXPECT_EQ(b.Busca(), "");
    EXPECT_EQ(b.Caractere(U'\t'), TAcaoBarra{});
    EXPECT_EQ(b.Caractere(127), TAcaoBarra{});
    EXPECT_EQ(b.Busca(), "");
}

TEST(BarTeclado, TheGlobalKeyAndFullScreenWindows) {
    EXPECT_EQ(ModificadoresTeclaGlobal(TextToShortCut("Ctrl+Alt+P")), 3u);
    EXPECT_EQ(TeclaVirtualGlobal(TextToShortCut("Ctrl+Alt+P")), static_cast<unsigned>('P'));
    EXPECT_EQ(ModificadoresTeclaGlobal(TextToShortCut("Shift+F9")), 4u);
    EXPECT_EQ(ModificadoresTeclaGlobal(0), 0u);
    EXPECT_EQ(ShortCutToText(TextToShortCut(kTeclaAtalhoPadrao)), kTeclaAtalhoPadrao);

    const Rect monitor = RectLTRB(0, 0, 1920, 1080);
    EXPECT_TRUE(CobreMonitor(RectLTRB(0, 0, 1920, 1080), monitor));
    EXPECT_TRUE(CobreMonitor(RectLTRB(-8, -8, 1928, 1088), monitor)) << "a maximised-style frame beyond the edges";
    EXPECT_FALSE(CobreMonitor(RectLTRB(0, 0, 1920, 1040), monitor)) << "a window that leaves the taskbar";
    EXPECT_FALSE(CobreMonitor(RectLTRB(1920, 0, 3840, 1080), monitor)) << "another monitor";
}

}  // namespace
}  // namespace nq
