// The separator line's colours and rows.

#include "support/NqOutros.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TEST(BevelLine, SilverOnlyWithThemesFromVistaOn) {
    const TBevelCores prata{clSilver, clSilver};
    const TBevelCores classica{clBtnShadow, clBtnHighlight};
    EXPECT_EQ(BevelLineColors(true, 6), prata);
    EXPECT_EQ(BevelLineColors(true, 10), prata);
    EXPECT_EQ(BevelLineColors(true, 5), classica);
    EXPECT_EQ(BevelLineColors(false, 10), classica);
}

TEST(BevelLine, RowsOfTopAndBottomLines) {
    EXPECT_EQ(BevelLineRow(TBevelShape::bsTopLine, 15), 0);
    EXPECT_EQ(BevelLineRow(TBevelShape::bsBottomLine, 15), 13);
    // One pixel high: the first line lies above the bevel, only the second one shows.
    EXPECT_EQ(BevelLineRow(TBevelShape::bsBottomLine, 1), -1);
}

}  // namespace
}  // namespace nq
