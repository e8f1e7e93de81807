#include "app/ApontarBorda.h"

#include <gtest/gtest.h>

#include <vector>

namespace nq {
namespace {

// The edge is the work area's at the bar's side, over its whole height (not only the closed strip's),
// a couple of pixels wide, more at a higher density.
TEST(ApontarBorda, TheEdgeIsTheWorkAreasAtTheBarsSideOverItsWholeHeight) {
    const Rect trabalho = RectLTRB(1920, 0, 3200, 984);  // a second monitor, the taskbar at its bottom
    struct Caso {
        TLado lado;
        int dpi, x, y;
        bool naBorda;
    };
    const Caso casos[] = {
        {TLado::Direita, 96, 3199, 0, true},      {TLado::Direita, 96, 3199, 983, true},
        {TLado::Direita, 96, 3198, 500, true},    {TLado::Direita, 96, 3197, 500, false},
        {TLado::Direita, 96, 3200, 500, false},   // the next monitor
        {TLado::Direita, 96, 3199, 984, false},   // the taskbar below the work area
        {TLado::Direita, 96, 3199, -1, false},    {TLado::Direita, 144, 3197, 500, true},
        {TLado::Direita, 144, 3196, 500, false},  {TLado::Esquerda, 96, 1920, 10, true},
        {TLado::Esquerda, 96, 1921, 10, true},    {TLado::Esquerda, 96, 1922, 10, false},
        {TLado::Esquerda, 96, 1919, 10, false},   {TLado::Esquerda, 96, 3199, 10, false},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(NaBordaDeApontar(trabalho, c.lado, c.dpi, c.x, c.y), c.naBorda)
            << (c.lado == TLado::Esquerda ? "left " : "right ") << c.dpi << " dpi at " << c.x << "," << c.y;
}

// A pointer's path, tick by tick, and what the bar does at each: whether it is open and whether
// pointing opened it are the bar's, as they stand after the actions so far.
struct Passo {
    unsigned agora;
    bool naBorda, sobreBarra, botao;
    TAcaoApontar esperado;
    bool outroFechou = false;  // before this tick, the bar was closed another way (Esc, a click)
};

void Percorrer(const char* nome, const std::vector<Passo>& caminho, bool abertaNoInicio = false) {
    TApontarBorda a;
    bool aberta = abertaNoInicio, apontada = false;
    for (std::size_t i = 0; i < caminho.size(); ++i) {
        const Passo& p = caminho[i];
        if (p.outroFechou) {
            aberta = apontada = false;
            a.Reiniciar(p.naBorda);
        }
        const TAcaoApontar acao = a.Passo({p.agora, p.naBorda, p.sobreBarra, p.botao}, aberta, apontada);
        EXPECT_EQ(acao, p.esperado) << nome << ", tick " << i << " at " << p.agora << " ms";
        if (acao == TAcaoApontar::Abrir) aberta = apontada = true;
        if (acao == TAcaoApontar::Fechar) aberta = apontada = false;
    }
}

constexpr auto N = TAcaoApontar::Nada;
constexpr auto A = TAcaoApontar::Abrir;
constexpr auto F = TAcaoApontar::Fechar;

TEST(ApontarBorda, RestingOnTheEdgeOpensAndStayingAwayClosesAgain) {
    // Rests 300 ms: opens; over the bar it stays; away 300 ms, it closes; back on the edge, it opens again.
    Percorrer("rest", {{0, true, false, false, N},
                       {100, true, false, false, N},
                       {299, true, false, false, N},
                       {300, true, false, false, A},
                       {400, false, true, false, N},
                       {2000, false, true, false, N},
                       {2100, false, false, false, N},
                       {2399, false, false, false, N},
                       {2400, false, false, false, F},
                       {2500, true, false, false, N},
                       {2800, true, false, false, A}});
    // Passing by is not resting; a short trip off the bar does not close it.
    Percorrer("passing", {{0, true, false, false, N},
                          {200, false, false, false, N},
                          {300, true, false, false, N},
                          {500, true, false, false, N},
                          {600, true, false, false, A},
                          {700, false, false, false, N},
                          {900, false, true, false, N},
                          {1100, false, false, false, N},
                          {1300, false, false, false, N},
                          {1400, false, false, false, F}});
    // The tick count wraps.
    Percorrer("wrap", {{0xFFFFFF00u, true, false, false, N}, {0x0000002Cu, true, false, false, A}});
}

TEST(ApontarBorda, AHeldButtonNeverOpensNorClosesAndAClosedBarWaitsForThePointerToLeave) {
    // A drag reaching the edge: nothing while the button is held; once let go, a whole rest again.
    Percorrer("drag", {{0, true, false, true, N},
                       {500, true, false, true, N},
                       {600, true, false, false, N},
                       {800, true, false, false, N},
                       {900, true, false, false, A},
                       {1000, false, false, true, N},  // dragging off the bar keeps it
                       {1500, false, false, true, N},
                       {1600, false, false, false, N},
                       {1900, false, false, false, F}});
    // Closed with a key while the pointer rests on the edge: it stays closed until the pointer comes back.
    Percorrer("closed by a key", {{0, true, false, false, N},
                                  {300, true, false, false, A},
                                  {400, true, false, false, N, true},
                                  {2000, true, false, false, N},
                                  {2100, false, false, false, N},
                                  {2200, true, false, false, N},
                                  {2500, true, false, false, A}});
    // A bar opened some other way (a click) is not closed by the pointer.
    Percorrer("clicked open", {{0, false, false, false, N}, {5000, false, false, false, N}}, true);
}

}  // namespace
}  // namespace nq
