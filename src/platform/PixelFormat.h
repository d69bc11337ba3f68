#pragma once

#include <cstdint>

namespace varn {

namespace platform {

// Pixel formats by the numbers the game's calls pass.
enum PixelFormat : uint32_t {
    kFormatR8G8B8 = 20,
    kFormatA8R8G8B8 = 21,
    kFormatX8R8G8B8 = 22,
    kFormatR5G6B5 = 23,
    kFormatX1R5G5B5 = 24,
    kFormatA1R5G5B5 = 25,
    kFormatA4R4G4B4 = 26,
    kFormatA8P8 = 40,
    kFormatP8 = 41,
};

}  // namespace platform

}  // namespace varn
