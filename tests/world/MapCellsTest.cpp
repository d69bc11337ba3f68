#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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
        {-800, -600, 1},     {3560, 1960, 6400},  {-1800, -1200, 10426}, {-840, 1360, 10425},
        {1199, -600, 50},    {1200, -600, 2501},  {-800, 1399, 2451},    {-800, 1400, 8051},
        {-801, -600, 9200},  {-1801, 0, 0},       {3600, 0, 0},          {0, -1201, 0},
        {0, 2000, 0},        {-1839, -1239, 0},   {3599, 1399, 5500},    {1200, 1400, 5501},
        {1200, -1200, 6401}, {-800, -1200, 7301}, {-1800, 1400, 8801},   {-1800, -600, 9176},
        {-801, -601, 10800},
    };
    for (const auto& [x, y, cell] : cases) {
        EXPECT_EQ(MapCellAt(x, y), cell) << x << ", " << y;
    }
    EXPECT_EQ(MapCellAt(INT32_MIN, INT32_MIN), kNoMapCell);
    EXPECT_EQ(MapCellAt(INT32_MAX, INT32_MAX), kNoMapCell);
}

// The map state's own tests for offering clicks to a region, by the scroll position.
bool OfferedByScroll(int region, int32_t x, int32_t y) {
    const bool centreX = -1600 < x && x < 1200;
    const bool eastX = x > 400;
    const bool westX = x < -800;
    const bool middleY = -1200 < y && y < 1400;
    const bool bottomY = y > 800;
    const bool topY = y < -600;
    const bool tests[] = {centreX && middleY, eastX && middleY, eastX && bottomY,
                          eastX && topY,      centreX && topY,  centreX && bottomY,
                          westX && bottomY,   westX && middleY, westX && topY};
    return tests[region - 1];
}

TEST(MapCellGeometry, ARegionIsInViewExactlyWhenItsRectangleOverlapsTheScreen) {
    // Every region's boundary, one pixel either side, across the whole scroll range.
    std::vector<int32_t> xs = {kMapScrollMinX, kMapScrollMaxX, 0};
    std::vector<int32_t> ys = {kMapScrollMinY, kMapScrollMaxY, 0};
    for (const MapRegion& region : kMapRegions) {
        for (int32_t d : {-1, 0, 1}) {
            xs.insert(xs.end(), {region.left - 800 + d, region.Right() + d});
            ys.insert(ys.end(), {region.top - 600 + d, region.Bottom() + d});
        }
    }
    for (int32_t x : xs) {
        for (int32_t y : ys) {
            if (x < kMapScrollMinX || x > kMapScrollMaxX || y < kMapScrollMinY ||
                y > kMapScrollMaxY) {
                continue;
            }
            for (int region = 1; region <= 9; ++region) {
                ASSERT_EQ(MapRegionInView(MapRegionNumber(region), x, y),
                          OfferedByScroll(region, x, y))
                    << "region " << region << " at " << x << ", " << y;
            }
        }
    }
}

TEST(MapEdges, PointerTestsAtTheMapsRectangles) {
    // The pointer stays inside 2..796 x 2..598: bands of 5 pixels at the top, left and bottom,
    // 3 at the right.
    struct Case {
        int32_t px, py;
        int bottom, top, right, left;
    };
    const Case cases[] = {
        {400, 300, 0, 0, 0, 0}, {400, 594, 1, 0, 0, 0}, {400, 593, 0, 0, 0, 0},
        {400, 6, 0, 1, 0, 0},   {400, 7, 0, 0, 0, 0},   {794, 300, 0, 0, 1, 0},
        {793, 300, 0, 0, 0, 0}, {6, 300, 0, 0, 0, 1},   {7, 300, 0, 0, 0, 0},
        {2, 2, 0, 1, 0, 1},     {796, 598, 1, 0, 1, 0},
    };
    for (const Case& c : cases) {
        const EdgeRect b = kBottomEdgeRect, t = kTopEdgeRect, r = kRightEdgeRect, l = kLeftEdgeRect;
        EXPECT_EQ(AtBottomEdge(b.left, b.top, b.width, b.height, c.px, c.py), c.bottom);
        EXPECT_EQ(AtTopEdge(t.left, t.top, t.width, t.height, c.px, c.py), c.top);
        EXPECT_EQ(AtRightEdge(r.left, r.top, r.width, r.height, c.px, c.py), c.right);
        EXPECT_EQ(AtLeftEdge(l.left, l.top, l.width, l.height, c.px, c.py), c.left)
            << c.px << ", " << c.py;
    }
    // Extreme rectangles do not overflow.
    EXPECT_EQ(AtRightEdge(INT32_MAX, 0, INT32_MAX, 0, INT32_MAX, 0), 0);
    EXPECT_EQ(AtLeftEdge(INT32_MAX, 0, 0, 0, INT32_MAX, 0), 1);
}

TEST(MapCellGeometry, CellsInOneRegionOnly) {
    // A position in region 2 is no cell of region 1, and far positions are none at all.
    EXPECT_EQ(MapCellInRegion(MapRegionNumber(2), 1200, -600), 2501);
    EXPECT_EQ(MapCellInRegion(MapRegionNumber(1), 1200, -600), kNoMapCell);
    EXPECT_EQ(MapCellInRegion(MapRegionNumber(1), INT64_MIN, INT64_MAX), kNoMapCell);
}

}  // namespace

}  // namespace varn
