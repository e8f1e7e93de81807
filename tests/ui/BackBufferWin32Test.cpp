#include "ui/BackBufferWin32.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

// A small stand-in for the screen: a 32-bit picture with its own device context.
struct Screen {
    Screen() {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = 40;
        bi.bmiHeader.biHeight = -30;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap.reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        old = SelectObject(dc.get(), bitmap.get());
    }
    ~Screen() { SelectObject(dc.get(), old); }
    MemoryDC dc{nullptr};
    BitmapHandle bitmap;
    HGDIOBJ old = nullptr;
};

void Fill(HDC dc, RECT r, COLORREF c) {
    SetDCBrushColor(dc, c);
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

TEST(BackBuffer, OnlyThePaintedRectangleReachesTheScreenAndTheBufferIsKept) {
    const long before = GdiObjectsLive();
    {
        Screen screen;
        BackBuffer buffer;
        HDC dc = buffer.Begin(screen.dc.get(), 40, 30);
        ASSERT_NE(dc, screen.dc.get());
        Fill(dc, RECT{0, 0, 40, 30}, RGB(200, 0, 0));
        buffer.End(screen.dc.get(), RECT{10, 10, 20, 20});
        EXPECT_EQ(GetPixel(screen.dc.get(), 15, 15), RGB(200, 0, 0));
        EXPECT_EQ(GetPixel(screen.dc.get(), 5, 5), RGB(0, 0, 0));  // outside the dirty part

        // A smaller or equal size keeps the same buffer and its picture.
        const long held = GdiObjectsLive();
        EXPECT_EQ(buffer.Begin(screen.dc.get(), 30, 20), dc);
        EXPECT_EQ(GetPixel(dc, 25, 5), RGB(200, 0, 0));
        EXPECT_EQ(GdiObjectsLive(), held);
    }
    EXPECT_EQ(GdiObjectsLive(), before);
}

TEST(BackBuffer, PaintsStraightOnTheScreenWhenNoBufferCanBeHad) {
    Screen screen;
    const long withScreen = GdiObjectsLive();
    BackBuffer buffer;
    // Far more memory than any machine gives for one picture.
    HDC dc = buffer.Begin(screen.dc.get(), 200000, 200000);
    EXPECT_EQ(dc, screen.dc.get());
    EXPECT_FALSE(buffer.Ready());
    EXPECT_EQ(GdiObjectsLive(), withScreen);  // nothing half-made is left behind
    Fill(dc, RECT{0, 0, 40, 30}, RGB(0, 0, 200));
    buffer.End(screen.dc.get(), RECT{0, 0, 40, 30});
    EXPECT_EQ(GetPixel(screen.dc.get(), 39, 29), RGB(0, 0, 200));

    // The next paint of a sane size gets its buffer again.
    EXPECT_NE(buffer.Begin(screen.dc.get(), 40, 30), screen.dc.get());
    EXPECT_TRUE(buffer.Ready());
    buffer.Release();
    EXPECT_EQ(GdiObjectsLive(), withScreen);
}

}  // namespace
}  // namespace nq
