#include <gtest/gtest.h>

#include <cstdint>

#include "world/MapCells.h"

namespace varn {

namespace {

TEST(MapCellGeometry, EveryCellRoundTripsThroughItsCornerAndNoOtherNumberHasOne) {
    int32_t x = 0;
    int32_t y = 0;
    for (int32_t cell = 1; cell <= kMapCellCount; ++cell) {
        ASSERT_TRUE(MapCellCorner(cell, x, y)) << "cell " << cell;
        ASSERT_EQ(MapCellAt(x, y), cell);
        ASSERT_EQ(MapCellAt(x + kMapCellSize - 1, y + kMapCellSize - 1), cell);
    }
    EXPECT_FALSE(MapCellCorner(0, x, y) || MapCellCorner(kMapCellCount + 1, x, y) ||
                 MapCellCorner(-3, x, y));
    EXPECT_EQ(std::pair(x, y), std::pair(-840, -640));  // Cell 10800's corner, untouched.
}

TEST(MapCellGeometry, RegionEdgesAndPositionsOffTheMap) {
    // Cell 0 is none. Just above and left of region 9 rounds outward, never into the region.
    const std::array<int32_t, 3> cases[] = {
        {-800, -600, 1},    {3560, 1960, 6400}, {-1800, -1200, 10426}, {-840, 1360, 10425},
        {1199, -600, 50},   {1200, -600, 2501}, {-800, 1399, 2451},    {-800, 1400, 8051},
        {-801, -600, 9200}, {-1801, 0, 0},      {3600, 0, 0},          {0, -1201, 0},
        {0, 2000, 0},       {-1839, -1239, 0},
    };
    for (const auto& [x, y, cell] : cases) {
        EXPECT_EQ(MapCellAt(x, y), cell) << x << ", " << y;
    }
    EXPECT_EQ(MapCellAt(INT32_MIN, INT32_MIN), kNoMapCell);
    EXPECT_EQ(MapCellAt(INT32_MAX, INT32_MAX), kNoMapCell);
}

}  // namespace

}  // namespace varn
