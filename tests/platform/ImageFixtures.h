#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/ArgbImage.h"

namespace varn {

// The 13 x 7 pictures of tests/fixtures/images, made by ImageMagick.
namespace fixtures {

inline std::vector<uint8_t> ReadImageFile(const std::string& name) {
    std::ifstream file(std::string(VARN_SOURCE_DIR) + "/tests/fixtures/images/" + name,
                       std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

// Checks the decoded fixture against the <name>.pam beside it, which ends with ImageMagick's RGBA
// (forcedBits set). Every cut up to the size less keptTail must fail, or give the whole picture
// where allowed; each cut is copied alone so that the sanitizer sees any read past it.
inline void ExpectLikeImageMagick(bool (*decode)(const uint8_t*, size_t, platform::ArgbImage&),
                                  const std::string& name, int tolerance, size_t keptTail,
                                  bool cutMayBeWhole, uint32_t forcedBits = 0) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = ReadImageFile(name);
    const std::vector<uint8_t> pam = ReadImageFile(name + ".pam");
    platform::ArgbImage whole;
    ASSERT_TRUE(decode(bytes.data(), bytes.size(), whole));
    ASSERT_TRUE(whole.width == 13 && whole.height == 7 && pam.size() > 4 * 91);
    for (size_t i = 0; i < 91; ++i) {
        const uint8_t* rgba = pam.data() + pam.size() - 4 * (91 - i);
        const uint32_t expected =
            static_cast<uint32_t>(rgba[3] << 24 | rgba[0] << 16 | rgba[1] << 8 | rgba[2]) |
            forcedBits;
        for (int shift = 0; shift < 32; shift += 8) {
            ASSERT_NEAR((expected >> shift) & 0xFF, (whole.pixels[i] >> shift) & 0xFF, tolerance)
                << "pixel " << i << ", bits from " << shift;
        }
    }
    for (size_t size = 0; size + keptTail < bytes.size(); ++size) {
        const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + size);
        platform::ArgbImage image;
        const bool decoded = decode(cut.data(), cut.size(), image);
        ASSERT_TRUE(!decoded || (cutMayBeWhole && image.pixels == whole.pixels))
            << "cut at " << size;
    }
}

}  // namespace fixtures

}  // namespace varn
