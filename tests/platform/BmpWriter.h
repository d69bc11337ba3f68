#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Small BMP files made in memory for the picture tests.
namespace bmp {

inline void PutU16(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

inline void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    PutU16(bytes, at, value & 0xFFFF);
    PutU16(bytes, at + 2, value >> 16);
}

// A BMP with a 40-byte header, the given palette (blue, green, red, 0 each) and pixel bytes as
// they are to be stored.
inline std::vector<uint8_t> MakeBmp(int32_t width, int32_t height, uint16_t bitCount,
                                    uint32_t compression, const std::vector<uint8_t>& palette,
                                    const std::vector<uint8_t>& pixels) {
    std::vector<uint8_t> bytes(54);
    bytes[0] = 'B';
    bytes[1] = 'M';
    const uint32_t offset = static_cast<uint32_t>(54 + palette.size());
    PutU32(bytes, 2, static_cast<uint32_t>(offset + pixels.size()));
    PutU32(bytes, 10, offset);
    PutU32(bytes, 14, 40);
    PutU32(bytes, 18, static_cast<uint32_t>(width));
    PutU32(bytes, 22, static_cast<uint32_t>(height));
    PutU16(bytes, 26, 1);
    PutU16(bytes, 28, bitCount);
    PutU32(bytes, 30, compression);
    PutU32(bytes, 46, static_cast<uint32_t>(palette.size() / 4));
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
        for (int x = 0; x < width; ++x) {
            const uint32_t colour = argb[static_cast<size_t>(y) * width + x];
            row[3 * x] = static_cast<uint8_t>(colour);
            row[3 * x + 1] = static_cast<uint8_t>(colour >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(colour >> 16);
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
