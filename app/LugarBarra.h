#pragma once
// Where the bar stands among the monitors: on the one the settings choose, or on the primary while that
// one is not there, at the chosen edge of its work area and at its density.

#include <cstddef>
#include <vector>

#include "catalogue/ConfigBarra.h"
#include "support/Platform.h"
#include "ui/Geometry.h"

namespace nq {

// The monitor the bar stands on, as an index in the list: the one numbered n (1 for the first listed), or
// the primary for 0, for a number past the list's end and for a monitor that went; the first when none is
// flagged primary. The list is never empty (IMonitores).
std::size_t MonitorDaBarra(const std::vector<TMonitor>& monitores, int numero);

struct TLugarBarra {
    std::size_t monitor = 0;  // the index in the list
    int dpi = 96;
    Rect janela;   // the window, in virtual-screen pixels
    Rect visivel;  // the part of the window on its own monitor, in the window's coordinates
    bool operator==(const TLugarBarra&) const = default;
};

// The bar, open or closed, at the chosen edge of the chosen monitor's work area. The part of the window
// that lies beyond its monitor's edge (the body of a closed bar, 3 pixels of an open one) would show on a
// neighbouring monitor: only `visivel` is to be shown. A density forced for tests (dpiForcado, non-zero)
// stands for every monitor's.
TLugarBarra LugarDaBarra(const std::vector<TMonitor>& monitores, int numero, TLado lado, bool aberta,
                         int dpiForcado = 0);

}  // namespace nq
