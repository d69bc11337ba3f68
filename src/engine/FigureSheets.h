#pragma once

#include <cstdint>

namespace varn {

// A walking figure's sheet holds its steps facing by facing: the frames of one facing follow
// each other, the facings in turn.
inline constexpr int32_t kFramesPerFacing = 4;

}  // namespace varn
