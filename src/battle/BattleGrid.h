#pragma once

#include <cstdint>

#include "world/BattleField.h"

namespace varn {

inline constexpr int32_t kNoBattleCell = 0;

constexpr bool IsFieldCell(int32_t cell) {
    return cell >= 1 && cell <= kBattleCellCount;
}
constexpr int32_t CellColumn(int32_t cell) {
    return (cell - 1) % kBattleColumns;
}
constexpr int32_t CellRow(int32_t cell) {
    return (cell - 1) / kBattleColumns;
}
// Top-left pixel of a cell in field coordinates.
constexpr int32_t CellPixelX(int32_t cell) {
    return CellColumn(cell) * kBattleCellSize;
}
constexpr int32_t CellPixelY(int32_t cell) {
    return CellRow(cell) * kBattleCellSize;
}

// Facing of a unit: 0 up (smaller y), then clockwise in eighths to 7 up-left.
inline constexpr uint8_t kFacingCount = 8;

}  // namespace varn
