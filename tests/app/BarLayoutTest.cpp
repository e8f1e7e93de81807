#include "app/BarLayout.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TEST(BarLayout, ClosedAndOpenPositionsFollowTheWorkAreaSize) {
    struct Case {
        int w, h;
        Rect closed, open;
    };
    const Case cases[] = {
        {1920, 1080, {1918, 324, 201, 756}, {1722, 0, 201, 1080}},
        {1920, 1040, {1918, 312, 201, 728}, {1722, 0, 201, 1040}},
        {1860, 1080, {1858, 324, 201, 756}, {1662, 0, 201, 1080}},  // taskbar at the left
        {1024, 767, {1022, 231, 201, 536}, {826, 0, 201, 767}},     // 70 % truncated
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ClosedBarRect(c.w, c.h), c.closed) << c.w << "x" << c.h;
        EXPECT_EQ(OpenBarRect(c.w, c.h), c.open) << c.w << "x" << c.h;
    }
}

TEST(BarLayout, ScalesWidthsWithTheDensity) {
    EXPECT_EQ(Scale(201, 96), 201);
    EXPECT_EQ(Scale(201, 144), 302);  // 301.5 rounds away from zero
    EXPECT_EQ(Scale(-3, 144), -5);
    EXPECT_EQ(Scale(38, 120), 48);  // 47.5
    EXPECT_EQ(ClosedBarRect(1920, 1080, 144), (Rect{1917, 324, 302, 756}));
    EXPECT_EQ(OpenBarRect(1920, 1080, 144), (Rect{1623, 0, 302, 1080}));
}

TEST(BarLayout, ButtonStep) {
    EXPECT_EQ(ButtonStep(38, false, 1040, 30), 38);
    EXPECT_EQ(ButtonStep(38, true, 1040, 26), 38);
    EXPECT_EQ(ButtonStep(38, true, 1040, 30), kAutoStepMin);   // never below what a caption needs
    EXPECT_EQ(ButtonStep(38, true, 1040, 60), kAutoStepMin);
    EXPECT_EQ(ButtonStep(38, true, 1040, 10), 44);
    EXPECT_EQ(ButtonStep(50, true, 1040, 0), 50);  // no bar buttons: nothing to share
    EXPECT_EQ(ButtonStep(0, false, 1040, 3), 0);
}

TEST(BarLayout, CaptionBoxBesideTheButton) {
    EXPECT_EQ(CaptionRect(8, 2, 201), (Rect{44, 1, 149, 35}));
    EXPECT_EQ(CaptionRect(7, 39, 201), (Rect{43, 38, 150, 35}));  // hovered: one pixel up and left
}

TEST(BarLayout, OpacityKeys) {
    EXPECT_EQ(OpacityUp(253), 255);
    EXPECT_EQ(OpacityUp(255), 255);
    EXPECT_EQ(OpacityDown(102), 100);
    EXPECT_EQ(OpacityDown(60), 100);
    EXPECT_EQ(OpacityDown(210), 205);
}

TEST(BarLayout, StoredLookValuesComeIntoTheirRange) {
    struct Case {
        int stored, opacity, step;
    };
    // 256 would become 0 through a byte cut, and a negative level a nearly invisible bar.
    const Case cases[] = {
        {256, 255, 54}, {300, 255, 54}, {-5, 100, 32}, {0, 100, 32},  {99, 100, 54},
        {210, 210, 54}, {38, 100, 38},  {32, 100, 32}, {54, 100, 54},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StoredOpacity(c.stored), c.opacity) << c.stored;
        EXPECT_EQ(StoredStep(c.stored), c.step) << c.stored;
    }
}

TEST(BarLayout, WebAddresses) {
    struct Case {
        const char* target;
        bool url;
    };
    const Case cases[] = {
        {"https://exemplo.com.br", true},       {"HTTP://X", true},
        {"D:\\Sites\\www.backup\\dados.xls", true}, {"ftp:servidor", true},
        {"D:\\Dados\\relatorio.xls", false},    {"wwwexemplo", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsURL(c.target), c.url) << c.target;
}

}  // namespace
}  // namespace nq
