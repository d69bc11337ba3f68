#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace varn {

// Small BMP files made in memory for the picture tests.
namespace bmp {

// A BMP with a 40-byte header, the given palette (blue, green, red, 0 each) and pixel bytes as
// they are to be stored.
inline std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, uint16_t bitCount,
                                    uint32_t compression, const std::vector<uint8_t>& palette,
                                    const std::vector<uint8_t>& pixels) {
    const uint32_t offset = static_cast<uint32_t>(54 + palette.size());
    const uint32_t size = offset + static_cast<uint32_t>(pixels.size());
    const uint32_t columns = static_cast<uint32_t>(width), rows = static_cast<uint32_t>(height);
    const uint32_t planesAndBits = 1u | static_cast<uint32_t>(bitCount) << 16;
    const uint32_t colours = static_cast<uint32_t>(palette.size() / 4);
    // File size, reserved, pixel offset; header size, width, height, planes and bit count,
    // compression, image size, resolutions, colours used and important.
    const uint32_t fields[] = {size,        0, offset, 40, columns, rows, planesAndBits,
                               compression, 0, 0,      0,  colours, 0};
    std::vector<uint8_t> bytes = {'B', 'M'};
    for (uint32_t field : fields) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<uint8_t>(field >> shift));
        }
    }
    bytes.insert(bytes.end(), palette.begin(), palette.end());
    bytes.insert(bytes.end(), pixels.begin(), pixels.end());
    return bytes;
}

// A bottom-up 24-bit BMP of ARGB pixels given top row first (alpha is dropped).
inline std::vector<uint8_t> MakeBmp24(int width, int height, const std::vector<uint32_t>& argb) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<uint8_t> pixels(stride * static_cast<size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = pixels.data() + static_cast<size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width * 3; ++x) {
            row[x] =
                static_cast<uint8_t>(argb[static_cast<size_t>(y) * width + x / 3] >> 8 * (x % 3));
        }
    }
    return MakeBmp(width, height, 24, 0, {}, pixels);
}

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

}  // namespace bmp

}  // namespace varn
