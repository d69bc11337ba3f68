#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace varn {

// The save and hall-of-fame images are rows of 32-bit little-endian slots, whatever the machine.

inline constexpr size_t kImageSlotSize = 4;

// The slot at a byte offset; the caller keeps offset + 4 within the image.
inline uint32_t ReadImageSlot(std::span<const uint8_t> image, size_t offset) {
    return static_cast<uint32_t>(image[offset]) | static_cast<uint32_t>(image[offset + 1]) << 8 |
           static_cast<uint32_t>(image[offset + 2]) << 16 |
           static_cast<uint32_t>(image[offset + 3]) << 24;
}

inline void WriteImageSlot(std::span<uint8_t> image, size_t offset, uint32_t value) {
    image[offset] = static_cast<uint8_t>(value);
    image[offset + 1] = static_cast<uint8_t>(value >> 8);
    image[offset + 2] = static_cast<uint8_t>(value >> 16);
    image[offset + 3] = static_cast<uint8_t>(value >> 24);
}

}  // namespace varn
