#include "app/LugarBarra.h"

#include <algorithm>

#include "app/BarLayout.h"

namespace nq {

std::size_t MonitorDaBarra(const std::vector<TMonitor>& monitores, int numero) {
    if (numero >= 1 && static_cast<std::size_t>(numero) <= monitores.size()) return static_cast<std::size_t>(numero) - 1;
    for (std::size_t i = 0; i < monitores.size(); ++i)
        if (monitores[i].principal) return i;
    return 0;
}

TLugarBarra LugarDaBarra(const std::vector<TMonitor>& monitores, int numero, TLado lado, bool aberta,
                         int dpiForcado) {
    TLugarBarra lugar;
    if (monitores.empty()) return lugar;
    lugar.monitor = MonitorDaBarra(monitores, numero);
    const TMonitor& m = monitores[lugar.monitor];
    lugar.dpi = dpiForcado > 0 ? dpiForcado : (m.dpi > 0 ? m.dpi : 96);
    const Rect trabalho = m.trabalho;
    lugar.janela = aberta ? OpenBarRect(trabalho, lado, lugar.dpi) : ClosedBarRect(trabalho, lado, lugar.dpi);
    const Rect& j = lugar.janela;
    const int left = std::max(j.left, m.area.left), top = std::max(j.top, m.area.top);
    const int right = std::min(j.right(), m.area.right()), bottom = std::min(j.bottom(), m.area.bottom());
    lugar.visivel = right > left && bottom > top ? RectLTRB(left - j.left, top - j.top, right - j.left, bottom - j.top)
                                                 : Rect{};
    return lugar;
}

}  // namespace nq
