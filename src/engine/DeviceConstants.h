#pragma once

#include <cstdint>

#include "platform/PixelFormat.h"

namespace varn {

// The pixel formats the game's calls name, by their classic names and numbers.

constexpr uint32_t D3DFMT_R8G8B8 = platform::kFormatR8G8B8;
constexpr uint32_t D3DFMT_A8R8G8B8 = platform::kFormatA8R8G8B8;
constexpr uint32_t D3DFMT_X8R8G8B8 = platform::kFormatX8R8G8B8;
constexpr uint32_t D3DFMT_R5G6B5 = platform::kFormatR5G6B5;
constexpr uint32_t D3DFMT_X1R5G5B5 = platform::kFormatX1R5G5B5;
constexpr uint32_t D3DFMT_A1R5G5B5 = platform::kFormatA1R5G5B5;
constexpr uint32_t D3DFMT_A4R4G4B4 = platform::kFormatA4R4G4B4;
constexpr uint32_t D3DFMT_A8P8 = platform::kFormatA8P8;
constexpr uint32_t D3DFMT_P8 = platform::kFormatP8;

}  // namespace varn
