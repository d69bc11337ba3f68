#pragma once

#include <cstdint>

#include "platform/PixelFormat.h"

namespace varn {

// The device constants the game passes, by their classic names and numbers.

constexpr uint32_t D3D_SDK_VERSION = 220;

constexpr uint32_t D3DFMT_UNKNOWN = platform::kFormatUnknown;
constexpr uint32_t D3DFMT_R8G8B8 = platform::kFormatR8G8B8;
constexpr uint32_t D3DFMT_A8R8G8B8 = platform::kFormatA8R8G8B8;
constexpr uint32_t D3DFMT_X8R8G8B8 = platform::kFormatX8R8G8B8;
constexpr uint32_t D3DFMT_R5G6B5 = platform::kFormatR5G6B5;
constexpr uint32_t D3DFMT_X1R5G5B5 = platform::kFormatX1R5G5B5;
constexpr uint32_t D3DFMT_A1R5G5B5 = platform::kFormatA1R5G5B5;
constexpr uint32_t D3DFMT_A4R4G4B4 = platform::kFormatA4R4G4B4;
constexpr uint32_t D3DFMT_A8P8 = platform::kFormatA8P8;
constexpr uint32_t D3DFMT_P8 = platform::kFormatP8;

constexpr uint32_t D3DBLEND_ZERO = 1;
constexpr uint32_t D3DBLEND_ONE = 2;
constexpr uint32_t D3DBLEND_SRCALPHA = 5;
constexpr uint32_t D3DBLEND_INVSRCALPHA = 6;

constexpr uint32_t D3DCMP_GREATEREQUAL = 7;

constexpr uint32_t D3DTA_DIFFUSE = 0;
constexpr uint32_t D3DTA_TEXTURE = 2;

constexpr uint32_t D3DTOP_MODULATE = 4;

constexpr uint32_t D3DTEXF_LINEAR = 2;

}  // namespace varn
