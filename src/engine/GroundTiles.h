#pragma once

#include <cstdint>

namespace varn {

// The painted ground of the kingdom map and of the battle field: 128 x 128 pictures, each
// stretched over a tile of 200 x 200 world pixels.
inline constexpr int32_t kTileSize = 200;
inline constexpr float kTileScale = 1.5625f;

}  // namespace varn
