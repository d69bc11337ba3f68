#pragma once

#include <algorithm>
#include <cstdint>

#include "world/SaveRanges.h"

namespace varn {

// Gold, fame and the day add up over a whole game. They stop at the highest value a save keeps
// and never fall below nothing, so that every game a player reaches saves and loads again.
inline int32_t AddToCounter(int32_t value, int64_t amount) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{value} + amount, 0, kSavedValueCeiling));
}

}  // namespace varn
