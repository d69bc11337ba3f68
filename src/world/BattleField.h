#pragma once

#include <cstdint>

namespace varn {

// The battle field: 20 columns by 15 rows of 80-pixel cells, numbered 1..300 row by row from the
// top left (cell = row x 20 + column + 1); 0 is no cell. The save keeps positions on it.
inline constexpr int32_t kBattleColumns = 20;
inline constexpr int32_t kBattleRows = 15;
inline constexpr int32_t kBattleCellCount = kBattleColumns * kBattleRows;
inline constexpr int32_t kBattleCellSize = 80;

}  // namespace varn
