#pragma once
// A font as the program describes it: family, size in points, colour and styles.

#include <cstdint>
#include <string>

namespace nq {

// Colours as stored in the settings: red + 256 * green + 65536 * blue for a plain colour, or a
// negative number (high byte 0xFF) naming a system colour by its index.
using TColor = std::int32_t;

constexpr TColor RGBColor(int r, int g, int b) { return r | (g << 8) | (b << 16); }
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }
constexpr bool IsSystemColor(TColor c) { return c < 0; }

constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clMenuBar = SystemColor(30);
constexpr TColor clWhite = RGBColor(255, 255, 255);
constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clSilver = RGBColor(192, 192, 192);

struct TFont {
    std::string name = "Tahoma";
    int size = 8;  // points
    TColor color = clWindowText;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const TFont&) const = default;
};

}  // namespace nq
