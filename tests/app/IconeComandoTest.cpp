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

}  // namespace
}  // namespace nq
