#include "world/MapCells.h"

#include <algorithm>

namespace varn {

namespace {

// Whole cells from a region's edge to a position, rounded down so that a position left of or
// above the edge never rounds into the region. Wide, so any stored position is safe.
constexpr int64_t CellsFrom(int32_t edge, int64_t position) {
    const int64_t offset = position - edge;
    return offset >= 0 ? offset / kMapCellSize : -((-offset + kMapCellSize - 1) / kMapCellSize);
}

}  // namespace

int32_t MapCellInRegion(const MapRegion& region, int64_t x, int64_t y) {
    // Far positions are off every region; clamping keeps the arithmetic below from overflowing.
    constexpr int64_t kFar = int64_t{1} << 40;
    const int64_t column = CellsFrom(region.left, std::clamp(x, -kFar, kFar));
    const int64_t row = CellsFrom(region.top, std::clamp(y, -kFar, kFar));
    if (column >= 0 && column < region.columns && row >= 0 && row < region.rows) {
        return region.firstCell + static_cast<int32_t>(row * region.columns + column);
    }
    return kNoMapCell;
}

int32_t MapCellAt(int32_t x, int32_t y) {
    for (const MapRegion& region : kMapRegions) {
        const int32_t cell = MapCellInRegion(region, x, y);
        if (cell != kNoMapCell) {
            return cell;
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

int AtBottomEdge(int32_t, int32_t top, int32_t, int32_t height, int32_t, int32_t py) {
    return int64_t{py} >= int64_t{top} + height - 1 ? 1 : 0;
}

int AtTopEdge(int32_t, int32_t top, int32_t, int32_t, int32_t, int32_t py) {
    return int64_t{py} <= int64_t{top} + 1 ? 1 : 0;
}

int AtLeftEdge(int32_t left, int32_t, int32_t, int32_t, int32_t px, int32_t) {
    return int64_t{px} <= int64_t{left} + 1 ? 1 : 0;
}

int AtRightEdge(int32_t left, int32_t, int32_t width, int32_t, int32_t px, int32_t) {
    return int64_t{px} >= int64_t{left} + width - 1 ? 1 : 0;
}

}  // namespace varn
