#pragma once

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/ArgbImage.h"
#include "platform/BackBuffer.h"
#include "platform/PngDecoder.h"
#include "support/Readability.h"

namespace varn {

// Golden images: the frame the headless backend presented last compared pixel for pixel with a
// PNG kept under tests/fixtures/golden/, and its texts checked readable. Run the tests with
// VARN_UPDATE_GOLDEN=1 to write (or rewrite) the pictures, look at them, and commit them; a missing
// picture fails the test.
namespace golden {

inline std::filesystem::path PathOf(const std::string& name) {
    return std::filesystem::path(VARN_SOURCE_DIR) / "tests/fixtures/golden" / (name + ".png");
}

inline uint32_t ToArgb(uint16_t pixel) {
    const uint32_t r = (pixel >> 11) & 0x1F, g = (pixel >> 5) & 0x3F, b = pixel & 0x1F;
    return 0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

inline bool Write(const platform::BackBuffer& frame, const std::filesystem::path& path) {
    std::vector<uint32_t> argb(frame.pixels.size());
    for (size_t i = 0; i < argb.size(); ++i) {
        argb[i] = ToArgb(frame.pixels[i]);
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(frame.width);
    image.height = static_cast<png_uint_32>(frame.height);
    image.format = PNG_FORMAT_BGRA;  // 0xAARRGGBB little-endian
    std::filesystem::create_directories(path.parent_path());
    return png_image_write_to_file(&image, path.c_str(), 0, argb.data(), 0, nullptr) != 0;
}

}  // namespace golden

inline void ExpectMatchesGolden(const platform::BackBuffer& frame, const std::string& name) {
    ExpectReadable("golden image " + name);
    const std::filesystem::path path = golden::PathOf(name);
    if (std::getenv("VARN_UPDATE_GOLDEN") != nullptr) {
        ASSERT_TRUE(golden::Write(frame, path)) << path;
        return;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path << " is missing: run with VARN_UPDATE_GOLDEN=1 and look at it";
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    platform::ArgbImage expected;
    ASSERT_TRUE(platform::DecodePng(bytes.data(), bytes.size(), expected)) << path;
    ASSERT_EQ(expected.width, frame.width);
    ASSERT_EQ(expected.height, frame.height);
    size_t differing = 0;
    for (size_t i = 0; i < frame.pixels.size(); ++i) {
        differing += platform::ToR5G6B5(expected.pixels[i]) != frame.pixels[i];
    }
    if (differing != 0) {
        const std::filesystem::path actual =
            std::filesystem::temp_directory_path() / (name + ".actual.png");
        golden::Write(frame, actual);
        ADD_FAILURE() << differing << " pixels differ from " << path << "; this frame is in "
                      << actual;
    }
}

}  // namespace varn
