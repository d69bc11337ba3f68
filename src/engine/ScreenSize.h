#pragma once

#include <cstdint>

namespace varn {

// The back buffer every screen draws into, in pixels.
constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 600;
// A screen's background picture, laid over the screen as tiles of this size.
constexpr int32_t kBackTile = 256;

}  // namespace varn
