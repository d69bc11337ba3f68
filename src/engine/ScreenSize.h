#pragma once

#include <cstdint>

namespace varn {

// The back buffer every screen draws into, in pixels.
constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 600;

}  // namespace varn
