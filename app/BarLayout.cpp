#include "app/BarLayout.h"

#include <algorithm>
#include <string>

#include "catalogue/ConfigBarra.h"
#include "support/Caminho.h"

namespace nq {

namespace {

// A window of the bar's width whose part of the given width shows inside the work area at its edge.
int LeftAtEdge(const Rect& trabalho, TLado lado, int visible, int width) {
    return lado == TLado::Esquerda ? trabalho.left + visible - width : trabalho.right() - visible;
}

}  // namespace

Rect ClosedBarRect(const Rect& trabalho, TLado lado, int dpi) {
    const int height = static_cast<int>(static_cast<long long>(trabalho.height) * 70 / 100);
    const int width = Scale(kBarWidth, dpi);
    return Rect{LeftAtEdge(trabalho, lado, Scale(kBarStrip, dpi), width), trabalho.bottom() - height, width, height};
}

Rect OpenBarRect(const Rect& trabalho, TLado lado, int dpi) {
    const int width = Scale(kBarWidth, dpi);
    return Rect{LeftAtEdge(trabalho, lado, Scale(kBarVisibleOpen, dpi), width), trabalho.top, width, trabalho.height};
}

Rect ClosedBarRect(int workWidth, int workHeight, int dpi) {
    return ClosedBarRect(Rect{0, 0, workWidth, workHeight}, TLado::Direita, dpi);
}

Rect OpenBarRect(int workWidth, int workHeight, int dpi) {
    return OpenBarRect(Rect{0, 0, workWidth, workHeight}, TLado::Direita, dpi);
}

int ButtonStep(int storedStep, bool autoHeight, int workHeight, int barButtons) {
    if (!autoHeight || barButtons <= 0) return storedStep;
    return std::clamp((workHeight - kTitlePanelHeight) / barButtons, kAutoStepMin, kAutoStepMax);
}

Rect CaptionRect(int buttonLeft, int buttonTop, int panelWidth) {
    const int x = buttonLeft + kIconSize + 4;
    return Rect{x, buttonTop - 1, panelWidth - x - 8, kCaptionHeight};
}

int OpacityUp(int opacity) { return std::min(kOpacityMax, opacity + 5); }
int OpacityDown(int opacity) { return std::max(kOpacityMin, opacity - 5); }

int StoredOpacity(int stored) { return NivelNoIntervalo(stored); }
int StoredStep(int stored) { return SaltoNoIntervalo(stored); }

bool IsURL(std::string_view target) { return TipoDoCaminho(target).web; }

}  // namespace nq
