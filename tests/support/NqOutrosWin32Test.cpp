// The separator line drawn for real, pixel by pixel.

#include "support/NqOutrosWin32.h"

#include <gtest/gtest.h>

#include <string>

namespace nq {
namespace {

constexpr COLORREF kFundo = RGB(1, 2, 3);
constexpr TColor kVermelho = RGBColor(255, 0, 0), kAzul = RGBColor(0, 0, 255);
constexpr COLORREF kV = RGB(255, 0, 0), kA = RGB(0, 0, 255);

// A 24 x 24 memory canvas filled with the background colour.
class Canvas {
public:
    Canvas() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = 24;
        bi.bmiHeader.biHeight = -24;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        old_ = SelectObject(dc_, bmp_);
        RECT all{0, 0, 24, 24};
        HBRUSH b = CreateSolidBrush(kFundo);
        FillRect(dc_, &all, b);
        DeleteObject(b);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bmp_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    // One character per pixel of a row from column 0 to 15: '.' background, 'v' red, 'a' blue, '?' other.
    std::string Row(int y) const {
        std::string s;
        for (int x = 0; x < 16; ++x) {
            const COLORREF c = GetPixel(dc_, x, y);
            s += c == kFundo ? '.' : c == kV ? 'v' : c == kA ? 'a' : '?';
        }
        return s;
    }

private:
    HDC dc_;
    HBITMAP bmp_;
    HGDIOBJ old_;
};

TEST(TNqBevelWin32, LinesStayInsideTheControl) {
    const TBevelCores cores{kVermelho, kAzul};
    struct Case {
        const char* nome;
        TBevelShape shape;
        int height;
        std::vector<std::string> rows;  // rows 3 to 3 + size - 1 of the canvas
    };
    // The bevel stands at (2, 4), 10 pixels wide.
    const Case cases[] = {
        {"bottom line, 1 high: only the second line",
         TBevelShape::bsBottomLine,
         1,
         {"................", "..aaaaaaaaaa....", "................"}},
        {"bottom line, 6 high",
         TBevelShape::bsBottomLine,
         6,
         {"................", "................", "................", "................", "................",
          "..vvvvvvvvvv....", "..aaaaaaaaaa....", "................"}},
        {"top line",
         TBevelShape::bsTopLine,
         6,
         {"................", "..vvvvvvvvvv....", "..aaaaaaaaaa....", "................"}},
    };
    for (const Case& c : cases) {
        Canvas canvas;
        TNqBevel bevel;
        bevel.Shape = c.shape;
        bevel.Left = 2;
        bevel.Top = 4;
        bevel.Width = 10;
        bevel.Height = c.height;
        bevel.Paint(canvas.dc(), cores);
        for (std::size_t i = 0; i < c.rows.size(); ++i)
            EXPECT_EQ(canvas.Row(3 + static_cast<int>(i)), c.rows[i]) << c.nome << ", row " << 3 + i;
        // The clipping was the control's only while it drew.
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(canvas.dc(), rgn), 0) << c.nome;
        DeleteObject(rgn);
    }
}

TEST(TNqBevelWin32, DrawsInTheColoursOfTheSystemInUse) {
    Canvas canvas;
    TNqBevel bevel;
    bevel.Width = 10;
    bevel.Height = 15;
    bevel.Paint(canvas.dc());
    const TBevelCores cores = BevelLineColorsAtuais();
    const auto ref = [](TColor c) {
        return IsSystemColor(c) ? GetSysColor(c & 0xFF) : static_cast<COLORREF>(c);
    };
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 13), ref(cores.primeira));
    EXPECT_EQ(GetPixel(canvas.dc(), 9, 14), ref(cores.segunda));
    EXPECT_EQ(GetPixel(canvas.dc(), 0, 12), kFundo);
}

}  // namespace
}  // namespace nq
