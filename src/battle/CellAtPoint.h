#pragma once

#include <cstdint>

#include "battle/BattleGrid.h"

namespace varn {

// The cell whose square holds the field point (x, y): squares include their left and top edges
// only. A point off the field has no cell (0).
constexpr int32_t CellAtPoint(int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= kBattleColumns * kBattleCellSize ||
        y >= kBattleRows * kBattleCellSize) {
        return kNoBattleCell;
    }
    return (y / kBattleCellSize) * kBattleColumns + x / kBattleCellSize + 1;
}

// Two unit positions one cell apart in any of the eight directions.
constexpr bool AreNeighbours(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    const int32_t dx = bx - ax;
    const int32_t dy = by - ay;
    const bool nearX = dx == 0 || dx == kBattleCellSize || dx == -kBattleCellSize;
    const bool nearY = dy == 0 || dy == kBattleCellSize || dy == -kBattleCellSize;
    return nearX && nearY && (dx != 0 || dy != 0);
}

}  // namespace varn
