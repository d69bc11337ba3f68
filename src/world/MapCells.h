#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace varn {

// The kingdom map's 40 x 40-pixel cells, numbered 1..10800 region by region, row by row, left to
// right inside a region. Shared by the world record, the map view and the map objects.

inline constexpr int32_t kMapCellSize = 40;
inline constexpr int32_t kMapCellCount = 10800;
inline constexpr int32_t kNoMapCell = 0;

struct MapRegion {
    int32_t left;
    int32_t top;
    int32_t columns;
    int32_t rows;
    int32_t firstCell;

    constexpr int32_t Right() const { return left + columns * kMapCellSize; }
    constexpr int32_t Bottom() const { return top + rows * kMapCellSize; }
    constexpr int32_t LastCell() const { return firstCell + columns * rows - 1; }
};

// Regions 1..9 at entries 0..8: the centre, the east, the strips below and above the east and the
// centre, and the western column from bottom to top.
inline constexpr std::array<MapRegion, 9> kMapRegions = {{
    {-800, -600, 50, 50, 1},
    {1200, -600, 60, 50, 2501},
    {1200, 1400, 60, 15, 5501},
    {1200, -1200, 60, 15, 6401},
    {-800, -1200, 50, 15, 7301},
    {-800, 1400, 50, 15, 8051},
    {-1800, 1400, 25, 15, 8801},
    {-1800, -600, 25, 50, 9176},
    {-1800, -1200, 25, 15, 10426},
}};

// Region n (1..9) of the table above.
constexpr const MapRegion& MapRegionNumber(int n) {
    return kMapRegions[static_cast<size_t>(n - 1)];
}

// The cell of a region that contains world position (x, y), or kNoMapCell outside the region.
// Wide, so a position made from any pointer and scroll is safe.
int32_t MapCellInRegion(const MapRegion& region, int64_t x, int64_t y);

// The cell that contains world position (x, y), or kNoMapCell off the map.
int32_t MapCellAt(int32_t x, int32_t y);

// The world position of a cell's top-left corner; false (and nothing written) for a number that
// is no cell.
bool MapCellCorner(int32_t cell, int32_t& x, int32_t& y);

// The size of the view onto the map: the whole back buffer.
inline constexpr int32_t kMapViewWidth = 800;
inline constexpr int32_t kMapViewHeight = 600;

// Whether any of a w x h rectangle at world (x, y) shows in the view whose top-left corner is
// world (scrollX, scrollY). Regions, tiles and their pieces are culled with it.
constexpr bool RectInView(int64_t x, int64_t y, int64_t w, int64_t h, int64_t scrollX,
                          int64_t scrollY) {
    return x - kMapViewWidth < scrollX && scrollX < x + w && y - kMapViewHeight < scrollY &&
           scrollY < y + h;
}

constexpr bool MapRegionInView(const MapRegion& region, int32_t scrollX, int32_t scrollY) {
    return RectInView(region.left, region.top, region.Right() - region.left,
                      region.Bottom() - region.top, scrollX, scrollY);
}

// The scroll position's limits: the view may run a border's width past the world's left and top
// edges and further past its right and bottom edges, where the border is drawn.
inline constexpr int32_t kMapScrollMinX = -1826;
inline constexpr int32_t kMapScrollMaxX = 2958;
inline constexpr int32_t kMapScrollMinY = -1226;
inline constexpr int32_t kMapScrollMaxY = 1480;
// Centring on a character may go a little further right and less far down than scrolling.
inline constexpr int32_t kCentreMaxX = 2976;
inline constexpr int32_t kCentreMaxY = 1426;

// Pointer tests of edge scrolling, 1 or 0: py >= top + height - 1, py <= top + 1,
// px <= left + 1 and px >= left + width - 1. The map and the battle pass the rectangles of
// kBottomEdgeRect and the others below.
int AtBottomEdge(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px, int32_t py);
int AtTopEdge(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px, int32_t py);
int AtLeftEdge(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px, int32_t py);
int AtRightEdge(int32_t left, int32_t top, int32_t width, int32_t height, int32_t px, int32_t py);

struct EdgeRect {
    int32_t left;
    int32_t top;
    int32_t width;
    int32_t height;
};
inline constexpr EdgeRect kBottomEdgeRect{0, 0, 800, 595};
inline constexpr EdgeRect kTopEdgeRect{0, 5, 800, 600};
inline constexpr EdgeRect kRightEdgeRect{0, 0, 795, 600};
inline constexpr EdgeRect kLeftEdgeRect{5, 0, 800, 600};

}  // namespace varn
