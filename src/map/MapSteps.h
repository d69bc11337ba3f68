#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "world/MapCells.h"

namespace varn {

// Whole cells still to go toward a goal, in the order right, left, up, down; while walking the
// same four bytes flag the directions toward the current point.
using StepCounts = std::array<uint8_t, 4>;
enum StepIndex : uint8_t { kStepRight = 0, kStepLeft = 1, kStepUp = 2, kStepDown = 3 };

inline constexpr StepCounts kNoSteps{};

// The cells from (x, y) to (goalX, goalY), each count a truncating division by the cell size.
inline StepCounts CountSteps(int32_t x, int32_t y, int32_t goalX, int32_t goalY) {
    auto cells = [](int64_t distance) {
        return static_cast<uint8_t>(std::min<int64_t>(distance / kMapCellSize, 255));
    };
    StepCounts counts{};
    if (x < goalX) {
        counts[kStepRight] = cells(int64_t{goalX} - x);
    } else if (x > goalX) {
        counts[kStepLeft] = cells(int64_t{x} - goalX);
    }
    if (y > goalY) {
        counts[kStepUp] = cells(int64_t{y} - goalY);
    } else if (y < goalY) {
        counts[kStepDown] = cells(int64_t{goalY} - y);
    }
    return counts;
}

// One cell onward, counting it off: diagonal while both a horizontal and a vertical count
// remain, then straight.
inline void TakeStep(StepCounts& counts, int32_t& x, int32_t& y) {
    if (counts[kStepRight] > 0) {
        --counts[kStepRight];
        x += kMapCellSize;
    } else if (counts[kStepLeft] > 0) {
        --counts[kStepLeft];
        x -= kMapCellSize;
    }
    if (counts[kStepUp] > 0) {
        --counts[kStepUp];
        y -= kMapCellSize;
    } else if (counts[kStepDown] > 0) {
        --counts[kStepDown];
        y += kMapCellSize;
    }
}

// Moves a coordinate by step toward the target, never past it.
inline void StepToward(int32_t& value, int32_t target, uint8_t step) {
    if (value < target) {
        value = static_cast<int32_t>(std::min<int64_t>(int64_t{value} + step, target));
    } else if (value > target) {
        value = static_cast<int32_t>(std::max<int64_t>(int64_t{value} - step, target));
    }
}

// The direction flags from a position toward a point.
inline StepCounts FlagsToward(int32_t x, int32_t y, int32_t pointX, int32_t pointY) {
    StepCounts flags{};
    flags[kStepRight] = x < pointX;
    flags[kStepLeft] = x > pointX;
    flags[kStepUp] = y > pointY;
    flags[kStepDown] = y < pointY;
    return flags;
}

}  // namespace varn
