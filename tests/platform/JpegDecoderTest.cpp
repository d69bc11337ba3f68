#include "platform/JpegDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ImageFixtures.h"

namespace {

using platform::ArgbImage;

bool Decode(const std::vector<uint8_t>& bytes, ArgbImage& image) {
    return platform::DecodeJpeg(bytes.data(), bytes.size(), image);
}

class JpegFixture : public testing::TestWithParam<std::string> {};

TEST_P(JpegFixture, DecodesTheSamePixelsAsImageMagick) {
    const ArgbImage expected = fixtures::ExpectedPixels(GetParam());
    ASSERT_EQ(13, expected.width);
    ArgbImage decoded;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile(GetParam()), decoded));
    // Both go through libjpeg's default inverse transform and upsampling.
    EXPECT_LE(fixtures::LargestChannelDifference(expected, decoded), 1);
}

TEST_P(JpegFixture, EveryTruncationFails) {
    const std::vector<uint8_t> bytes = fixtures::ReadImageFile(GetParam());
    for (size_t size = 0; size < bytes.size(); ++size) {
        const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + size);
        ArgbImage image;
        EXPECT_FALSE(Decode(prefix, image)) << "cut at " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(ImageMagickFiles, JpegFixture,
                         testing::Values("jpeg-baseline.jpg", "jpeg-progressive.jpg",
                                         "jpeg-grey.jpg"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param.substr(5, info.param.find('.') - 5);
                         });

TEST(JpegDecoder, SizeLimit) {
    ArgbImage image;
    EXPECT_TRUE(Decode(fixtures::ReadImageFile("limit-jpeg-8192.jpg"), image));
    EXPECT_EQ(8192, image.width);
    EXPECT_EQ(8, image.height);
    EXPECT_FALSE(Decode(fixtures::ReadImageFile("limit-jpeg-8193.jpg"), image));
}

TEST(JpegDecoder, CorruptDataFailsWithoutCrashing) {
    const std::vector<uint8_t> bytes = fixtures::ReadImageFile("jpeg-progressive.jpg");
    ArgbImage image;
    for (size_t at = 2; at < bytes.size(); ++at) {
        std::vector<uint8_t> corrupt = bytes;
        corrupt[at] ^= 0xA5;
        Decode(corrupt, image);
    }
    EXPECT_FALSE(Decode({0xFF, 0xD8, 0xFF, 0xD9}, image));
    EXPECT_FALSE(Decode({0x42, 0x4D, 0xFF}, image));
    EXPECT_FALSE(platform::DecodeJpeg(nullptr, 0, image));
}

}  // namespace
