#pragma once

#include <cstdint>

namespace varn {

// The direction flags of one step, as the walkers keep them.
struct StepFlags {
    bool right = false;
    bool left = false;
    bool up = false;
    bool down = false;

    bool Any() const { return right || left || up || down; }
};

// Flags toward (toX, toY) from (fromX, fromY); up is toward smaller y.
constexpr StepFlags FlagsToward(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
    return StepFlags{fromX<toX, fromX> toX, fromY > toY, fromY < toY};
}

// Facing 0 up, 1 up-right, 2 right, 3 down-right, 4 down, 5 down-left, 6 left, 7 up-left; with no
// flag set the unit keeps its facing.
constexpr uint8_t FacingFromFlags(StepFlags flags, uint8_t current) {
    if (flags.right) {
        return flags.up ? 1 : flags.down ? 3 : 2;
    }
    if (flags.left) {
        return flags.up ? 7 : flags.down ? 5 : 6;
    }
    if (flags.up) {
        return 0;
    }
    if (flags.down) {
        return 4;
    }
    return current;
}

}  // namespace varn
