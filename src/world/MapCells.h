#pragma once

#include <array>
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

// The cell that contains world position (x, y), or kNoMapCell off the map.
int32_t MapCellAt(int32_t x, int32_t y);

// The world position of a cell's top-left corner; false (and nothing written) for a number that
// is no cell.
bool MapCellCorner(int32_t cell, int32_t& x, int32_t& y);

}  // namespace varn
