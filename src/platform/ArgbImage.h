#pragma once

#include <cstdint>
#include <vector>

namespace varn {

namespace platform {

// A decoded picture before it becomes a texture: 0xAARRGGBB pixels, rows top to bottom.
struct ArgbImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Pictures larger than this on either side are refused.
constexpr int kMaxImageSide = 8192;

}  // namespace platform

}  // namespace varn
