#pragma once
// A caption laid out in a box of a few lines: broken between words, a word wider than the box broken
// between characters, and a text longer than the lines ending in "…" on the last one, so that no line
// is ever cut through its middle.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nq {

// The width of a piece of text in the font it is drawn with.
using MedirTexto = std::function<int(std::string_view)>;

inline constexpr std::string_view kReticencias = "\xE2\x80\xA6";  // "…"

// At most maxLinhas lines (at least one) no wider than largura, as medir measures them.
std::vector<std::string> LinhasDaLegenda(std::string_view texto, int largura, int maxLinhas, const MedirTexto& medir);

}  // namespace nq
