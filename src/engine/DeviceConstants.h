#pragma once

#include <cstdint>

#include "platform/PixelFormat.h"

namespace varn {

// The pixel formats the game's calls name, by their classic names and numbers.

constexpr uint32_t D3DFMT_R5G6B5 = platform::kFormatR5G6B5;
constexpr uint32_t D3DFMT_X1R5G5B5 = platform::kFormatX1R5G5B5;
constexpr uint32_t D3DFMT_A1R5G5B5 = platform::kFormatA1R5G5B5;

}  // namespace varn
