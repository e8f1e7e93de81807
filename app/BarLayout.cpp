#include "app/BarLayout.h"

#include <algorithm>
#include <string>

#include "catalogue/ConfigBarra.h"
#include "support/Text.h"

namespace nq {

Rect ClosedBarRect(int workWidth, int workHeight, int dpi) {
    const int height = static_cast<int>(static_cast<long long>(workHeight) * 70 / 100);
    return Rect{workWidth - Scale(kBarStrip, dpi), workHeight - height, Scale(kBarWidth, dpi), height};
}

Rect OpenBarRect(int workWidth, int workHeight, int dpi) {
    return Rect{workWidth - Scale(kBarVisibleOpen, dpi), 0, Scale(kBarWidth, dpi), workHeight};
}

int ButtonStep(int storedStep, bool autoHeight, int workHeight, int barButtons) {
    if (!autoHeight || barButtons <= 0) return storedStep;
    return std::min((workHeight - kTitlePanelHeight) / barButtons, kAutoStepMax);
}

Rect CaptionRect(int buttonLeft, int buttonTop, int panelWidth) {
    const int x = buttonLeft + kIconSize + 4;
    return Rect{x, buttonTop - 1, panelWidth - x - 8, kCaptionHeight};
}

int OpacityUp(int opacity) { return std::min(kOpacityMax, opacity + 5); }
int OpacityDown(int opacity) { return std::max(kOpacityMin, opacity - 5); }

int StoredOpacity(int stored) { return NivelNoIntervalo(stored); }
int StoredStep(int stored) { return SaltoNoIntervalo(stored); }

bool IsURL(std::string_view target) {
    const std::string lower = LowerCase(target);
    for (const char* mark : {"www.", "http:", "https:", "ftp:"})
        if (lower.find(mark) != std::string::npos) return true;
    return false;
}

}  // namespace nq
