#include "app/IconeComando.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TBotoesPainel PainelCom(int count, int step) {
    TBotoesPainel p;
    for (int i = 0; i < count; ++i) {
        TIconeComando b;
        b.AddShortCut("Atalho " + std::to_string(i), "C:\\x" + std::to_string(i) + ".exe", false, "");
        b.SetBounds(kButtonLeft, iTamInicial + i * step);
        p.Botoes().push_back(b);
    }
    return p;
}

TEST(IconeComando, TargetClassificationIsFixedWhenSet) {
    TIconeComando b;
    b.AddShortCut("Sites", "D:\\Sites\\www.backup", true, "-r");
    EXPECT_TRUE(b.IsURL());
    EXPECT_TRUE(b.IsDirectory());
    EXPECT_EQ(b.Parametros(), "-r");
    b.SetPrograma("D:\\Dados\\relatorio.xls", false);
    EXPECT_FALSE(b.IsURL());
    EXPECT_FALSE(b.IsDirectory());
}

TEST(IconeComando, HoverOnTheCaptionMovesTheButtonAndTheIconEndsIt) {
    TBotoesPainel p = PainelCom(2, iSalto);
    const TIconeComando& b = p.Botoes()[1];
    // Caption of the second button: x from 44, y from 39.
    EXPECT_TRUE(p.MouseMove(60, 50));
    EXPECT_TRUE(b.Hovered());
    EXPECT_EQ(b.Left(), 7);
    EXPECT_EQ(b.Top(), 39);
    EXPECT_FALSE(p.MouseMove(61, 51));  // still on the same caption: nothing to repaint

    EXPECT_TRUE(p.MouseMove(20, 50));  // over the icon
    EXPECT_FALSE(b.Hovered());
    EXPECT_EQ(b.Left(), 8);
    EXPECT_EQ(b.Top(), 40);

    p.MouseMove(60, 50);
    EXPECT_TRUE(p.MouseLeave());
    EXPECT_FALSE(b.Hovered());
}

TEST(IconeComando, ClicksOnIconAndCaptionReachTheSameButton) {
    TBotoesPainel p = PainelCom(3, iSalto);
    struct Case {
        int downX, downY, upX, upY, clicked;
    };
    const Case cases[] = {
        {20, 45, 21, 46, 1},    // icon of the second button
        {150, 45, 150, 50, 1},  // its caption
        {20, 45, 20, 85, -1},   // pressed on one button, released on the next
        {20, 200, 20, 200, -1}, // below every button
        {197, 5, 197, 5, -1},   // right of the caption box
    };
    for (const Case& c : cases) {
        p.MouseDown(c.downX, c.downY);
        EXPECT_EQ(p.MouseUp(c.upX, c.upY), c.clicked) << c.downX << "," << c.downY;
    }
}

TEST(IconeComando, OverlappingCaptionsBelongToTheLaterButton) {
    // A 20-pixel step makes each 35-pixel caption run into the next button's.
    TBotoesPainel p = PainelCom(2, 20);
    EXPECT_EQ(p.HitTest(60, 25).index, 1);
    EXPECT_EQ(p.HitTest(60, 10).index, 0);
}

// 60 buttons on a 991-pixel panel (a 1080-pixel screen's work area less the title): 25 show whole
// between the arrows' bands.
TEST(IconeComando, AColumnTallerThanThePanelScrollsBetweenItsArrows) {
    TBotoesPainel p = PainelCom(60, iSalto);
    p.DefinirVista(991, iSalto);
    ASSERT_TRUE(p.Rolavel());
    EXPECT_EQ(p.Cabem(), 25);
    EXPECT_FALSE(p.MaisAcima());
    EXPECT_TRUE(p.MaisAbaixo());
    EXPECT_EQ(p.Topo(0), TBotoesPainel::kFaixaSeta + iTamInicial);
    EXPECT_FALSE(p.Visivel(25));

    EXPECT_FALSE(p.Rolar(-1));  // already at the top
    EXPECT_TRUE(p.Rolar(1000));
    EXPECT_EQ(p.Primeiro(), 35);  // the last button shows at the bottom, no further
    EXPECT_TRUE(p.Visivel(59));
    EXPECT_FALSE(p.MaisAbaixo());
    EXPECT_LE(p.Topo(59) + kCaptionHeight, 991 - TBotoesPainel::kFaixaSeta);

    // The mark brought into view moves the column as little as it can.
    struct Caso {
        int primeiro, botao, depois;
    } casos[] = {{35, 3, 3}, {3, 20, 3}, {3, 40, 16}, {16, 59, 35}, {0, -1, 0}};
    for (const Caso& c : casos) {
        p.Rolar(c.primeiro - p.Primeiro());
        p.MostrarBotao(c.botao);
        EXPECT_EQ(p.Primeiro(), c.depois) << c.botao;
    }

    // Points land on the buttons as they show; the bands are the arrows'.
    p.Rolar(10 - p.Primeiro());
    EXPECT_EQ(p.HitTest(20, 5).part, TBotoesPainel::Part::SetaAcima);
    EXPECT_EQ(p.HitTest(20, 985).part, TBotoesPainel::Part::SetaAbaixo);
    EXPECT_EQ(p.HitTest(20, 985).index, -1);
    EXPECT_EQ(p.HitTest(20, p.Topo(10) + 5).index, 10);
    EXPECT_EQ(p.HitTest(60, p.Topo(34) + 5).index, 34);
    EXPECT_EQ(p.HitTest(60, p.Topo(35) + 5).index, -1);  // the next one lies under the band

    // A scroll moves the buttons from under the pointer.
    EXPECT_TRUE(p.MouseMove(60, p.Topo(12) + 5));
    EXPECT_TRUE(p.Rolar(1));
    EXPECT_EQ(p.HoveredIndex(), -1);
}

TEST(IconeComando, AColumnThatFitsHasNoArrows) {
    TBotoesPainel p = PainelCom(5, iSalto);
    p.DefinirVista(991, iSalto);
    EXPECT_FALSE(p.Rolavel());
    EXPECT_EQ(p.Faixa(), 0);
    EXPECT_FALSE(p.Rolar(3));
    EXPECT_EQ(p.HitTest(20, 5).index, 0);
    // A panel that grows back keeps no scroll it no longer needs.
    TBotoesPainel q = PainelCom(60, iSalto);
    q.DefinirVista(991, iSalto);
    q.Rolar(30);
    q.DefinirVista(3000, iSalto);
    EXPECT_EQ(q.Primeiro(), 0);
}

}  // namespace
}  // namespace nq
