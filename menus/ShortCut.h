#pragma once
// Menu shortcuts: a virtual key in the low byte and the modifier flags above it, and their texts.

#include <cstdint>
#include <string>
#include <string_view>

namespace nq {

using TShortCut = std::uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(int key, TShortCut modifiers = 0) {
    return static_cast<TShortCut>((key & 0xFF) | modifiers);
}

// "Shift+", "Ctrl+" and "Alt+" in that order, then the key's name ("Shift+Ctrl+F9", "Ins"); a key
// without a name, or a shortcut of 0, gives the empty text.
std::string ShortCutToText(TShortCut shortCut);

// The reverse, modifiers in any order and letters in any case; 0 for a text that names no shortcut.
TShortCut TextToShortCut(std::string_view text);

}  // namespace nq
