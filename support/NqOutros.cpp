#include "support/NqOutros.h"

namespace nq {

TBevelCores BevelLineColors(bool temasAtivos, int versaoMaiorSO) {
    if (temasAtivos && versaoMaiorSO >= 6) return TBevelCores{clSilver, clSilver};
    return TBevelCores{clBtnShadow, clBtnHighlight};
}

int BevelLineRow(TBevelShape shape, int height) {
    return shape == TBevelShape::bsBottomLine ? height - 2 : 0;
}

}  // namespace nq
