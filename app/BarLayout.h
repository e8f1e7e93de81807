#pragma once
// Where the bar and its shortcut buttons stand, in 96-dpi pixels. Scaling to the monitor's density
// happens later, at one place in the window code.

#include <string_view>

namespace nq {

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

constexpr int kBarWidth = 201;         // never changes
constexpr int kBarVisibleOpen = 198;   // the rightmost 3 pixels lie beyond the work area
constexpr int kBarStrip = 2;           // what shows of the closed bar
constexpr int kTitlePanelHeight = 49;  // pnMenu
constexpr int iTamInicial = 2;         // top of the first button inside the button panel
constexpr int iSalto = 38;             // default distance between buttons
constexpr int kAutoStepMax = 44;
constexpr int kButtonLeft = 8;
constexpr int kIconSize = 32;
constexpr int kCaptionHeight = 35;

// The bar's window rectangle for a work area of W x H (only its size counts, not its origin).
Rect ClosedBarRect(int workWidth, int workHeight);
Rect OpenBarRect(int workWidth, int workHeight);

// The distance from one button's top to the next: the stored distance, or with automatic spacing the
// free height shared by the bar's buttons, at most 44.
int ButtonStep(int storedStep, bool autoHeight, int workHeight, int barButtons);

// The caption box beside a button (left and top of the button inside a panel of the given width).
Rect CaptionRect(int buttonLeft, int buttonTop, int panelWidth);

// The opacity after Ctrl+Up (+5, at most 255) or Ctrl+Down (-5, at least 100).
int OpacityUp(int opacity);
int OpacityDown(int opacity);

// A target is taken for a web address when it holds "www.", "http:", "https:" or "ftp:" anywhere,
// in any letter case.
bool IsURL(std::string_view target);

}  // namespace nq
