#include "platform/PngDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ImageFixtures.h"

namespace {

using platform::ArgbImage;

bool Decode(const std::vector<uint8_t>& bytes, ArgbImage& image) {
    return platform::DecodePng(bytes.data(), bytes.size(), image);
}

class PngFixture : public testing::TestWithParam<std::string> {};

TEST_P(PngFixture, DecodesTheSamePixelsAsImageMagick) {
    const ArgbImage expected = fixtures::ExpectedPixels(GetParam());
    ASSERT_EQ(13, expected.width);
    ArgbImage decoded;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile(GetParam()), decoded));
    // 16-bit channels narrow to 8 bits with rounding that may differ by one.
    const bool sixteenBits = GetParam().ends_with("16.png");
    EXPECT_LE(fixtures::LargestChannelDifference(expected, decoded), sixteenBits ? 1 : 0);
}

TEST_P(PngFixture, EveryTruncationFails) {
    const std::vector<uint8_t> bytes = fixtures::ReadImageFile(GetParam());
    // The last 12 bytes are the closing chunk, which holds no pixels.
    for (size_t size = 0; size + 12 < bytes.size(); ++size) {
        const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + size);
        ArgbImage image;
        EXPECT_FALSE(Decode(prefix, image)) << "cut at " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(ImageMagickFiles, PngFixture,
                         testing::Values("png-rgb.png", "png-rgba.png", "png-palette.png",
                                         "png-palette-trns.png", "png-grey.png",
                                         "png-grey-alpha.png", "png-rgba16.png", "png-grey16.png"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(4, info.param.find('.') - 4);
                             for (char& c : name) {
                                 c = (c == '-') ? '_' : c;
                             }
                             return name;
                         });

TEST(PngDecoder, PaletteTransparencyGivesAlpha) {
    ArgbImage image;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile("png-palette-trns.png"), image));
    EXPECT_EQ(0u, image.pixels[0] >> 24);  // the three left columns are transparent
    EXPECT_EQ(0xFFu, image.pixels[3] >> 24);
}

TEST(PngDecoder, SizeLimit) {
    ArgbImage image;
    EXPECT_TRUE(Decode(fixtures::ReadImageFile("limit-png-8192.png"), image));
    EXPECT_EQ(8192, image.width);
    EXPECT_EQ(0xFFFFFFFFu, image.pixels.back());
    EXPECT_FALSE(Decode(fixtures::ReadImageFile("limit-png-8193.png"), image));
}

TEST(PngDecoder, CorruptDataFailsWithoutCrashing) {
    const std::vector<uint8_t> bytes = fixtures::ReadImageFile("png-rgba.png");
    ArgbImage image;
    // A flipped byte anywhere after the signature breaks a checksum or the compressed stream.
    for (size_t at = 8; at < bytes.size(); ++at) {
        std::vector<uint8_t> corrupt = bytes;
        corrupt[at] ^= 0x55;
        Decode(corrupt, image);
    }
    std::vector<uint8_t> notPng = bytes;
    notPng[1] = 'X';
    EXPECT_FALSE(Decode(notPng, image));
    EXPECT_FALSE(platform::DecodePng(nullptr, 0, image));
}

}  // namespace
