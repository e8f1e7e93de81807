#include "app/LugarBarra.h"

#include <gtest/gtest.h>

#include <vector>

namespace nq {
namespace {

// The primary with a taskbar at the bottom, one monitor on its left (lower, negative x), one on its right
// at 144 dpi with a taskbar, one above it (negative y) at 120 dpi, in the order the system lists them.
const TMonitor kPrincipal{RectLTRB(0, 0, 1920, 1080), RectLTRB(0, 0, 1920, 1040), 96, true};
const TMonitor kEsquerda{RectLTRB(-1280, 56, 0, 1080), RectLTRB(-1280, 56, 0, 1080), 96, false};
const TMonitor kDireita144{RectLTRB(1920, 0, 4480, 1440), RectLTRB(1920, 0, 4480, 1400), 144, false};
const TMonitor kAcima120{RectLTRB(0, -1024, 1280, 0), RectLTRB(0, -1024, 1280, 0), 120, false};
const std::vector<TMonitor> kQuatro{kPrincipal, kEsquerda, kDireita144, kAcima120};

TEST(LugarBarra, EachMonitorAndEdgeOpenAndClosed) {
    struct Caso {
        int numero;
        TLado lado;
        bool aberta;
        std::size_t monitor;
        int dpi;
        Rect janela, visivel;
    };
    const TLado D = TLado::Direita, E = TLado::Esquerda;
    const Caso casos[] = {
        {0, D, false, 0, 96, {1918, 312, 201, 728}, {0, 0, 2, 728}},
        {0, D, true, 0, 96, {1722, 0, 201, 1040}, {0, 0, 198, 1040}},
        {1, E, false, 0, 96, {-199, 312, 201, 728}, {199, 0, 2, 728}},  // the body would lie on the left monitor
        {1, E, true, 0, 96, {-3, 0, 201, 1040}, {3, 0, 198, 1040}},
        {2, D, false, 1, 96, {-2, 364, 201, 716}, {0, 0, 2, 716}},  // 70 % of 1024, truncated
        {2, E, true, 1, 96, {-1283, 56, 201, 1024}, {3, 0, 198, 1024}},
        {3, D, false, 2, 144, {4477, 420, 302, 980}, {0, 0, 3, 980}},
        {3, E, true, 2, 144, {1915, 0, 302, 1400}, {5, 0, 297, 1400}},  // 5 pixels would show on the primary
        {4, D, true, 3, 120, {1032, -1024, 251, 1024}, {0, 0, 248, 1024}},
        {4, E, false, 3, 120, {-248, -716, 251, 716}, {248, 0, 3, 716}},
    };
    for (const Caso& c : casos) {
        const TLugarBarra l = LugarDaBarra(kQuatro, c.numero, c.lado, c.aberta);
        const auto nome = ::testing::Message() << "monitor " << c.numero << (c.lado == E ? " esquerda" : " direita")
                                               << (c.aberta ? " aberta" : " fechada");
        EXPECT_EQ(l.monitor, c.monitor) << nome;
        EXPECT_EQ(l.dpi, c.dpi) << nome;
        EXPECT_EQ(l.janela, c.janela) << nome;
        EXPECT_EQ(l.visivel, c.visivel) << nome;
    }
}

// A monitor that is not there (gone, or never was) leaves the bar on the primary, wherever it is listed.
TEST(LugarBarra, AMissingMonitorMeansThePrimary) {
    const std::vector<TMonitor> semDireita{kEsquerda, kPrincipal};
    EXPECT_EQ(MonitorDaBarra(semDireita, 0), 1u);
    EXPECT_EQ(MonitorDaBarra(semDireita, 1), 0u);
    EXPECT_EQ(MonitorDaBarra(semDireita, 3), 1u);
    EXPECT_EQ(MonitorDaBarra(semDireita, 9), 1u);
    EXPECT_EQ(MonitorDaBarra(semDireita, -1), 1u);
    EXPECT_EQ(MonitorDaBarra({kEsquerda, kAcima120}, 0), 0u);  // none flagged primary: the first
    const TLugarBarra volta = LugarDaBarra(semDireita, 3, TLado::Esquerda, false);
    EXPECT_EQ(volta.monitor, 1u);
    EXPECT_EQ(volta.janela, (Rect{-199, 312, 201, 728}));
    EXPECT_EQ(volta.dpi, 96);
}

// A forced density stands for every monitor's; an empty list (no system answer) places nothing.
TEST(LugarBarra, ForcedDensityAndNoMonitors) {
    const TLugarBarra l = LugarDaBarra(kQuatro, 0, TLado::Direita, true, 144);
    EXPECT_EQ(l.dpi, 144);
    EXPECT_EQ(l.janela, (Rect{1623, 0, 302, 1040}));
    EXPECT_EQ(LugarDaBarra({}, 1, TLado::Direita, true), TLugarBarra{});
}

}  // namespace
}  // namespace nq
