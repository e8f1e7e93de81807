#include "app/IconeComando.h"

#include <algorithm>

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

void TBotoesPainel::DefinirVista(int altura, int passo) {
    altura_ = std::max(0, altura);
    passo_ = std::max(1, passo);
    primeiro_ = std::clamp(primeiro_, 0, PrimeiroMaximo());
}

bool TBotoesPainel::Rolavel() const {
    if (altura_ <= 0 || botoes_.empty()) return false;
    const long long ultimoFim =
        iTamInicial + static_cast<long long>(botoes_.size() - 1) * passo_ + std::max(kIconSize, kCaptionHeight);
    return ultimoFim > altura_;
}

int TBotoesPainel::Cabem() const {
    if (!Rolavel()) return static_cast<int>(botoes_.size());
    const int livre = altura_ - 2 * kFaixaSeta - iTamInicial - std::max(kIconSize, kCaptionHeight);
    return livre < 0 ? 1 : livre / passo_ + 1;
}

int TBotoesPainel::PrimeiroMaximo() const {
    return std::max(0, static_cast<int>(botoes_.size()) - Cabem());
}

bool TBotoesPainel::Visivel(std::size_t i) const {
    const long long k = static_cast<long long>(i);
    return i < botoes_.size() && k >= primeiro_ && k < primeiro_ + static_cast<long long>(Cabem());
}

bool TBotoesPainel::MaisAbaixo() const { return primeiro_ + Cabem() < static_cast<int>(botoes_.size()); }

int TBotoesPainel::Topo(std::size_t i) const {
    return botoes_[i].Top() - primeiro_ * passo_ + Faixa();
}

Rect TBotoesPainel::SetaRect(bool acima) const {
    return Rect{0, acima ? 0 : altura_ - kFaixaSeta, panelWidth_, kFaixaSeta};
}

bool TBotoesPainel::Rolar(int botoes) {
    const int novo = std::clamp(primeiro_ + botoes, 0, PrimeiroMaximo());
    if (novo == primeiro_) return false;
    primeiro_ = novo;
    MouseLeave();  // what was under the pointer moved away
    pressed_ = -1;
    return true;
}

bool TBotoesPainel::MostrarBotao(int i) {
    if (i < 0 || i >= static_cast<int>(botoes_.size()) || Visivel(static_cast<std::size_t>(i))) return false;
    return Rolar(i < primeiro_ ? i - primeiro_ : i - (primeiro_ + Cabem() - 1));
}

TBotoesPainel::Hit TBotoesPainel::HitTest(int x, int y) const {
    if (Rolavel()) {
        if (Inside(SetaRect(true), x, y)) return {-1, Part::SetaAcima};
        if (Inside(SetaRect(false), x, y)) return {-1, Part::SetaAbaixo};
    }
    // Only the buttons that show; the point is taken into the column's own place.
    const int desde = primeiro_;
    const int ate = std::min(static_cast<int>(botoes_.size()), primeiro_ + Cabem());
    const int yColuna = y + primeiro_ * passo_ - Faixa();
    for (int i = ate - 1; i >= desde; --i) {
        const TIconeComando& b = botoes_[static_cast<std::size_t>(i)];
        if (Inside(b.IconRect(), x, yColuna)) return {i, Part::Icon};
        if (Inside(b.CaptionBox(panelWidth_), x, yColuna)) return {i, Part::Caption};
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
