#pragma once

#include <cstdint>
#include <vector>

namespace varn {

namespace platform {

// A decoded picture as the device draws it: A1R5G5B5 pixels, rows top to bottom, no padding.
// Bit 15 set means opaque; colour-keyed pixels are 0 (transparent black).
struct TextureImage {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;
    // Non-zero for a picture the loader decoded, and never given to another decoding in the run:
    // such pixels are not changed afterwards, so a picture drawn from them may be kept without
    // comparing its texels again. A texture made or changed by hand keeps 0.
    uint64_t serial = 0;

    const uint16_t* Row(int y) const {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
};

constexpr uint16_t kTexelOpaque = 0x8000;

}  // namespace platform

}  // namespace varn
