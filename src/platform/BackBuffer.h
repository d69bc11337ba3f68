#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace varn {

namespace platform {

// The frame the game draws into: 16-bit R5G6B5 pixels, rows top to bottom, no padding.
struct BackBuffer {
    int width = 0;
    int height = 0;
    std::vector<uint16_t> pixels;

    void Resize(int w, int h) {
        width = w;
        height = h;
        pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    }
    uint16_t* Row(int y) {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
    const uint16_t* Row(int y) const {
        return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    }
};

// 32-bit ARGB to R5G6B5, the back buffer's format.
constexpr uint16_t ToR5G6B5(uint32_t argb) {
    return static_cast<uint16_t>(((argb >> 8) & 0xF800) | ((argb >> 5) & 0x07E0) |
                                 ((argb >> 3) & 0x001F));
}

}  // namespace platform

}  // namespace varn
