#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "platform/ArgbImage.h"

// The picture fixtures of tests/fixtures/images and the pixels ImageMagick decodes from them.
namespace fixtures {

inline std::string ImagePath(const std::string& name) {
    return std::string(VARN_SOURCE_DIR) + "/tests/fixtures/images/" + name;
}

inline std::vector<uint8_t> ReadImageFile(const std::string& name) {
    std::ifstream file(ImagePath(name), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// The <name>.pam beside a fixture: 8-bit RGBA as ImageMagick decoded it, as ARGB words.
inline platform::ArgbImage ExpectedPixels(const std::string& name) {
    const std::vector<uint8_t> bytes = ReadImageFile(name + ".pam");
    const std::string text(bytes.begin(), bytes.end());
    const size_t end = text.find("ENDHDR\n");
    platform::ArgbImage image;
    if (end == std::string::npos) {
        return image;
    }
    std::istringstream header(text.substr(0, end));
    std::string key;
    int depth = 0;
    while (header >> key) {
        if (key == "WIDTH") {
            header >> image.width;
        } else if (key == "HEIGHT") {
            header >> image.height;
        } else if (key == "DEPTH") {
            header >> depth;
        }
    }
    const size_t count = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
    const uint8_t* pixel = bytes.data() + end + 7;
    if (depth != 4 || bytes.size() < end + 7 + count * 4) {
        return platform::ArgbImage();
    }
    for (size_t i = 0; i < count; ++i, pixel += 4) {
        image.pixels.push_back(static_cast<uint32_t>(pixel[3]) << 24 |
                               static_cast<uint32_t>(pixel[0]) << 16 |
                               static_cast<uint32_t>(pixel[1]) << 8 | pixel[2]);
    }
    return image;
}

// Largest difference of any channel between two pictures of the same size; 256 when the sizes
// differ.
inline int LargestChannelDifference(const platform::ArgbImage& a, const platform::ArgbImage& b) {
    if (a.width != b.width || a.height != b.height || a.pixels.size() != b.pixels.size()) {
        return 256;
    }
    int largest = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        for (int shift = 0; shift < 32; shift += 8) {
            const int difference = static_cast<int>((a.pixels[i] >> shift) & 0xFF) -
                                   static_cast<int>((b.pixels[i] >> shift) & 0xFF);
            largest = std::max(largest, difference < 0 ? -difference : difference);
        }
    }
    return largest;
}

}  // namespace fixtures
