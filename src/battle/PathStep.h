#pragma once

#include <cstdint>

#include "battle/BattleGrid.h"

namespace varn {

// Whole cells still to go on each axis while a path is planned.
struct AxisCounts {
    uint8_t& right;
    uint8_t& left;
    uint8_t& up;
    uint8_t& down;

    bool Empty() const { return right == 0 && left == 0 && up == 0 && down == 0; }
};

// One step of a planned path from (x, y): diagonal while both axes have cells to go, then
// straight. Each count used goes down by one; false (and no move) when none is left.
inline bool TakePathStep(AxisCounts counts, int32_t& x, int32_t& y) {
    auto use = [](uint8_t& count) {
        if (count == 0) {
            return false;
        }
        --count;
        return true;
    };
    const bool right = use(counts.right);
    const bool left = !right && use(counts.left);
    const bool up = use(counts.up);
    const bool down = !up && use(counts.down);
    x += right ? kBattleCellSize : left ? -kBattleCellSize : 0;
    y += down ? kBattleCellSize : up ? -kBattleCellSize : 0;
    return right || left || up || down;
}

// Moves one coordinate by up to step pixels toward goal, never past it.
inline int32_t Approach(int32_t value, int32_t goal, int32_t step) {
    if (value < goal) {
        return value + step < goal ? value + step : goal;
    }
    if (value > goal) {
        return value - step > goal ? value - step : goal;
    }
    return value;
}

}  // namespace varn
