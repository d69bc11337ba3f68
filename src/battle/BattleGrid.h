#pragma once

#include <cstdint>

namespace varn {

// The battle field: 20 columns by 15 rows of 80-pixel cells, numbered 1..300 row by row from the
// top left (cell = row x 20 + column + 1); 0 is no cell.
inline constexpr int32_t kBattleColumns = 20;
inline constexpr int32_t kBattleRows = 15;
inline constexpr int32_t kBattleCellCount = kBattleColumns * kBattleRows;
inline constexpr int32_t kBattleCellSize = 80;
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
