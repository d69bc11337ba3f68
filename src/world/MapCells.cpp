#include "world/MapCells.h"

namespace varn {

namespace {

// Whole cells from a region's edge to a position, rounded down so that a position left of or
// above the edge never rounds into the region. Wide, so any stored position is safe.
constexpr int64_t CellsFrom(int32_t edge, int32_t position) {
    const int64_t offset = int64_t{position} - edge;
    return offset >= 0 ? offset / kMapCellSize : -((-offset + kMapCellSize - 1) / kMapCellSize);
}

}  // namespace

int32_t MapCellAt(int32_t x, int32_t y) {
    for (const MapRegion& region : kMapRegions) {
        const int64_t column = CellsFrom(region.left, x);
        const int64_t row = CellsFrom(region.top, y);
        if (column >= 0 && column < region.columns && row >= 0 && row < region.rows) {
            return region.firstCell + static_cast<int32_t>(row * region.columns + column);
        }
    }
    return kNoMapCell;
}

bool MapCellCorner(int32_t cell, int32_t& x, int32_t& y) {
    for (const MapRegion& region : kMapRegions) {
        if (cell >= region.firstCell && cell <= region.LastCell()) {
            const int32_t offset = cell - region.firstCell;
            x = region.left + (offset % region.columns) * kMapCellSize;
            y = region.top + (offset / region.columns) * kMapCellSize;
            return true;
        }
    }
    return false;
}

}  // namespace varn
