#pragma once
// Where the bar and its shortcut buttons stand. Every size is written in 96-dpi pixels and scaled to
// the monitor's density by Scale (ui/Geometry.h).

#include <string_view>

#include "catalogue/ConfigBarra.h"
#include "ui/Geometry.h"

namespace nq {

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
// The least automatic distance: a button's caption box and a pixel between it and the next one's.
constexpr int kAutoStepMin = kCaptionHeight + 1;

// The bar's window rectangle on a work area, in device pixels, at its right or left edge. The window is
// never mirrored: at the left edge it stands further left, so that what shows of it is its right part (the
// closed strip) or all but its leftmost 3 pixels (the open bar). The 70 % share of the height needs no
// scaling; the widths do.
Rect ClosedBarRect(const Rect& trabalho, TLado lado, int dpi);
Rect OpenBarRect(const Rect& trabalho, TLado lado, int dpi);
// The same at the right edge of a work area of W x H with its origin at 0, 0.
Rect ClosedBarRect(int workWidth, int workHeight, int dpi = 96);
Rect OpenBarRect(int workWidth, int workHeight, int dpi = 96);

// The distance from one button's top to the next, in 96-dpi pixels: the stored distance, or with
// automatic spacing the free height (work-area height in 96-dpi pixels less the title panel) shared
// by the bar's buttons, at most 44 and never less than a button and its caption need (the buttons
// that do not fit then scroll).
int ButtonStep(int storedStep, bool autoHeight, int workHeight, int barButtons);

// The caption box beside a button (left and top of the button inside a panel of the given width).
Rect CaptionRect(int buttonLeft, int buttonTop, int panelWidth);

constexpr int kOpacityMin = kNivelMinimo;  // the least opacity the keys and the configuration allow
constexpr int kOpacityMax = kNivelMaximo;

// The opacity after Ctrl+Up (+5, at most 255) or Ctrl+Down (-5, at least 100).
int OpacityUp(int opacity);
int OpacityDown(int opacity);

// Look values read from the settings file, brought into the range of the settings record
// (catalogue/ConfigBarra.h).
int StoredOpacity(int stored);
int StoredStep(int stored);

// A target is taken for a web address when it holds "www.", "http:", "https:" or "ftp:" anywhere,
// in any letter case.
bool IsURL(std::string_view target);

}  // namespace nq
