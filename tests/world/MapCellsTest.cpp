#include <gtest/gtest.h>

#include <climits>

#include "world/MapCells.h"

namespace {

TEST(MapCellGeometry, EveryCellRoundTripsThroughItsCorner) {
    for (int32_t cell = 1; cell <= kMapCellCount; ++cell) {
        int32_t x = 0;
        int32_t y = 0;
        ASSERT_TRUE(MapCellCorner(cell, x, y)) << "cell " << cell;
        ASSERT_EQ(MapCellAt(x, y), cell);
        ASSERT_EQ(MapCellAt(x + kMapCellSize - 1, y + kMapCellSize - 1), cell);
    }
}

TEST(MapCellGeometry, RegionsTileTheMapWithoutGaps) {
    int32_t expectedFirst = 1;
    for (const MapRegion& region : kMapRegions) {
        EXPECT_EQ(region.firstCell, expectedFirst);
        expectedFirst = region.LastCell() + 1;
    }
    EXPECT_EQ(expectedFirst, kMapCellCount + 1);
}

TEST(MapCellGeometry, KnownCornersGiveKnownCells) {
    EXPECT_EQ(MapCellAt(-800, -600), 1);
    EXPECT_EQ(MapCellAt(3560, 1960), 6400);
    EXPECT_EQ(MapCellAt(-1800, -1200), 10426);
    EXPECT_EQ(MapCellAt(-840, 1360), 10425);
    EXPECT_EQ(MapCellAt(1199, -600), 50);
    EXPECT_EQ(MapCellAt(1200, -600), 2501);
    EXPECT_EQ(MapCellAt(-800, 1399), 2451);
    EXPECT_EQ(MapCellAt(-800, 1400), 8051);
    EXPECT_EQ(MapCellAt(-801, -600), 9176 + 24);
}

TEST(MapCellGeometry, PositionsOffTheMapHaveNoCell) {
    EXPECT_EQ(MapCellAt(-1801, 0), kNoMapCell);
    EXPECT_EQ(MapCellAt(3600, 0), kNoMapCell);
    EXPECT_EQ(MapCellAt(0, -1201), kNoMapCell);
    EXPECT_EQ(MapCellAt(0, 2000), kNoMapCell);
    EXPECT_EQ(MapCellAt(INT32_MIN, INT32_MIN), kNoMapCell);
    EXPECT_EQ(MapCellAt(INT32_MAX, INT32_MAX), kNoMapCell);
    // Just above and left of region 9 rounds outward, never into the region.
    EXPECT_EQ(MapCellAt(-1839, -1239), kNoMapCell);
}

TEST(MapCellGeometry, NumbersOutsideTheMapHaveNoCorner) {
    int32_t x = 7;
    int32_t y = 9;
    EXPECT_FALSE(MapCellCorner(0, x, y));
    EXPECT_FALSE(MapCellCorner(kMapCellCount + 1, x, y));
    EXPECT_FALSE(MapCellCorner(-3, x, y));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 9);
}

}  // namespace
