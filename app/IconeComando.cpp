#include "app/IconeComando.h"

namespace nq {

namespace {
bool Inside(const Rect& r, int x, int y) {
    return x >= r.left && x < r.left + r.width && y >= r.top && y < r.top + r.height;
}
}  // namespace

void TIconeComando::AddShortCut(const std::string& aTitle, const std::string& aProgram, bool programIsFolder,
                                const std::string& aParams) {
    SetTitulo(aTitle);
    SetPrograma(aProgram, programIsFolder);
    FParametros = aParams;
}

void TIconeComando::SetPrograma(const std::string& Value, bool isFolder) {
    FPrograma = Value;
    FIsDirectory = isFolder;
    FIsURL = nq::IsURL(Value);
}

void TIconeComando::NqMouseEnter() {
    if (Hovered()) return;
    FNqTop = top_;
    FNqLeft = left_;
    top_ -= 1;
    left_ -= 1;
}

void TIconeComando::NqMouseLeave() {
    if (FNqLeft != 0 && FNqTop != 0) {
        left_ = FNqLeft;
        top_ = FNqTop;
    }
    FNqTop = 0;
    FNqLeft = 0;
}

void TBotoesPainel::Clear() {
    botoes_.clear();
    hovered_ = -1;
    pressed_ = -1;
}

TBotoesPainel::Hit TBotoesPainel::HitTest(int x, int y) const {
    for (int i = static_cast<int>(botoes_.size()) - 1; i >= 0; --i) {
        const TIconeComando& b = botoes_[static_cast<std::size_t>(i)];
        if (Inside(b.IconRect(), x, y)) return {i, Part::Icon};
        if (Inside(b.CaptionBox(panelWidth_), x, y)) return {i, Part::Caption};
    }
    return {};
}

bool TBotoesPainel::MouseMove(int x, int y) {
    const Hit hit = HitTest(x, y);
    if (hit.part == Part::Caption) {
        if (hit.index == hovered_) return false;
        MouseLeave();
        botoes_[static_cast<std::size_t>(hit.index)].NqMouseEnter();
        hovered_ = hit.index;
        return true;
    }
    return MouseLeave();
}

bool TBotoesPainel::MouseLeave() {
    if (hovered_ < 0) return false;
    if (hovered_ < static_cast<int>(botoes_.size())) botoes_[static_cast<std::size_t>(hovered_)].NqMouseLeave();
    hovered_ = -1;
    return true;
}

void TBotoesPainel::MouseDown(int x, int y) { pressed_ = HitTest(x, y).index; }

int TBotoesPainel::MouseUp(int x, int y) {
    const int pressed = pressed_;
    pressed_ = -1;
    return pressed >= 0 && HitTest(x, y).index == pressed ? pressed : -1;
}

}  // namespace nq
