#include "ui/Geometry.h"

namespace nq {

int Scale(int px96, int dpi) {
    const long long n = static_cast<long long>(px96) * dpi;
    return static_cast<int>(n >= 0 ? (n + 48) / 96 : -((-n + 48) / 96));
}

Rect Scale(const Rect& r96, int dpi) {
    const int left = Scale(r96.left, dpi);
    const int top = Scale(r96.top, dpi);
    return Rect{left, top, Scale(r96.right(), dpi) - left, Scale(r96.bottom(), dpi) - top};
}

}  // namespace nq
