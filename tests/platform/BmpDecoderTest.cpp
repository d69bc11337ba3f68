#include "platform/BmpDecoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/BmpWriter.h"
#include "platform/ImageFixtures.h"

namespace {

using platform::ArgbImage;
using platform::DecodeBmp;

bool Decode(const std::vector<uint8_t>& bytes, ArgbImage& image) {
    return DecodeBmp(bytes.data(), bytes.size(), image);
}

using bmp::MakeBmp;
using bmp::PutU32;

// Two palette entries: 0 green, 1 red.
const std::vector<uint8_t> kTwoColours = {0, 255, 0, 0, 0, 0, 255, 0};

class BmpFixture : public testing::TestWithParam<std::string> {};

TEST_P(BmpFixture, DecodesTheSamePixelsAsImageMagick) {
    ArgbImage expected = fixtures::ExpectedPixels(GetParam());
    ASSERT_EQ(13, expected.width);
    if (GetParam() == "bmp32.bmp") {
        // ImageMagick takes the fourth byte for alpha; without masks it is padding.
        for (uint32_t& pixel : expected.pixels) {
            pixel |= 0xFF000000u;
        }
    }
    ArgbImage decoded;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile(GetParam()), decoded));
    // Five- and six-bit channels widen to eight bits with rounding that may differ by one.
    const bool sixteenBits = GetParam().starts_with("bmp16");
    EXPECT_LE(fixtures::LargestChannelDifference(expected, decoded), sixteenBits ? 1 : 0);
}

TEST_P(BmpFixture, EveryTruncationFailsOrKeepsEveryPixel) {
    const std::vector<uint8_t> bytes = fixtures::ReadImageFile(GetParam());
    ArgbImage whole;
    ASSERT_TRUE(Decode(bytes, whole));
    for (size_t size = 0; size < bytes.size(); ++size) {
        // A copy of exactly the prefix, so that the sanitizer sees any read past it.
        const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + size);
        ArgbImage image;
        if (Decode(prefix, image)) {
            EXPECT_EQ(whole.pixels, image.pixels) << "cut at " << size;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(ImageMagickFiles, BmpFixture,
                         testing::Values("bmp1.bmp", "bmp4.bmp", "bmp4-rle.bmp", "bmp8.bmp",
                                         "bmp8-rle.bmp", "bmp16-555.bmp", "bmp16-555-masks.bmp",
                                         "bmp16-565.bmp", "bmp24.bmp", "bmp24-core.bmp",
                                         "bmp24-topdown.bmp", "bmp32.bmp", "bmp32-alpha.bmp"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param.substr(0, info.param.find('.'));
                             for (char& c : name) {
                                 c = (c == '-') ? '_' : c;
                             }
                             return name;
                         });

TEST(BmpDecoder, UncompressedFilesCutShortFail) {
    for (const char* name : {"bmp1.bmp", "bmp8.bmp", "bmp16-565.bmp", "bmp24.bmp", "bmp32.bmp"}) {
        const std::vector<uint8_t> bytes = fixtures::ReadImageFile(name);
        const std::vector<uint8_t> prefix(bytes.begin(), bytes.end() - 1);
        ArgbImage image;
        EXPECT_FALSE(Decode(prefix, image)) << name;
    }
}

TEST(BmpDecoder, TopDownAndBottomUpGiveTheSamePicture) {
    ArgbImage bottomUp;
    ArgbImage topDown;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile("bmp24.bmp"), bottomUp));
    ASSERT_TRUE(Decode(fixtures::ReadImageFile("bmp24-topdown.bmp"), topDown));
    EXPECT_EQ(bottomUp.pixels, topDown.pixels);
    // Row 3 of the picture is red on its left, blue on its right.
    EXPECT_EQ(0xFFFF0000u, topDown.pixels[3 * 13]);
    EXPECT_EQ(0xFF0000FFu, topDown.pixels[3 * 13 + 12]);
}

TEST(BmpDecoder, ThirtyTwoBitsWithoutMasksIgnoreTheFourthByte) {
    ArgbImage image;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile("bmp32.bmp"), image));
    for (uint32_t pixel : image.pixels) {
        ASSERT_EQ(0xFF000000u, pixel & 0xFF000000u);
    }
}

TEST(BmpDecoder, AlphaMaskGivesAlpha) {
    ArgbImage image;
    ASSERT_TRUE(Decode(fixtures::ReadImageFile("bmp32-alpha.bmp"), image));
    EXPECT_EQ(0u, image.pixels[0] >> 24);  // the alpha ramps up from the left edge
    EXPECT_GT(image.pixels[12] >> 24, 0xE0u);
}

TEST(BmpDecoder, SizeLimits) {
    const std::vector<uint8_t> row(8192 * 3, 0x40);
    ArgbImage image;
    EXPECT_TRUE(Decode(MakeBmp(8192, 1, 24, 0, {}, row), image));
    EXPECT_EQ(8192, image.width);
    std::vector<uint8_t> wider(8196 * 3, 0x40);
    EXPECT_FALSE(Decode(MakeBmp(8193, 1, 24, 0, {}, wider), image));
    EXPECT_FALSE(Decode(MakeBmp(1, 8193, 24, 0, {}, std::vector<uint8_t>(8193 * 4)), image));
    EXPECT_FALSE(Decode(MakeBmp(1, -8193, 24, 0, {}, std::vector<uint8_t>(8193 * 4)), image));
    EXPECT_FALSE(Decode(MakeBmp(0, 1, 24, 0, {}, {0, 0, 0, 0}), image));
    EXPECT_FALSE(Decode(MakeBmp(1, 0, 24, 0, {}, {0, 0, 0, 0}), image));
    EXPECT_FALSE(Decode(MakeBmp(-1, 1, 24, 0, {}, {0, 0, 0, 0}), image));
    EXPECT_FALSE(Decode(MakeBmp(1, INT32_MIN, 24, 0, {}, {0, 0, 0, 0}), image));
}

TEST(BmpDecoder, MalformedHeadersFail) {
    const std::vector<uint8_t> pixel = {1, 2, 3, 0};
    ArgbImage image;
    std::vector<uint8_t> bytes = MakeBmp(1, 1, 24, 0, {}, pixel);
    ASSERT_TRUE(Decode(bytes, image));

    std::vector<uint8_t> badMagic = bytes;
    badMagic[1] = 'A';
    EXPECT_FALSE(Decode(badMagic, image));
    std::vector<uint8_t> shortHeader = bytes;
    PutU32(shortHeader, 14, 20);
    EXPECT_FALSE(Decode(shortHeader, image));
    std::vector<uint8_t> hugeHeader = bytes;
    PutU32(hugeHeader, 14, 0xFFFFFFF0u);
    EXPECT_FALSE(Decode(hugeHeader, image));
    std::vector<uint8_t> pixelsPastTheEnd = bytes;
    PutU32(pixelsPastTheEnd, 10, 0xFFFFFFFFu);
    EXPECT_FALSE(Decode(pixelsPastTheEnd, image));
    for (uint16_t bitCount : {0, 2, 3, 12, 48, 64}) {
        EXPECT_FALSE(
            Decode(MakeBmp(1, 1, bitCount, 0, kTwoColours, std::vector<uint8_t>(8)), image))
            << bitCount;
    }
    // Run lengths with the other depth, bit fields on palette pictures, unknown compressions.
    EXPECT_FALSE(Decode(MakeBmp(1, 1, 4, 1, kTwoColours, {0, 1}), image));
    EXPECT_FALSE(Decode(MakeBmp(1, 1, 8, 2, kTwoColours, {0, 1}), image));
    EXPECT_FALSE(Decode(MakeBmp(1, 1, 8, 3, kTwoColours, pixel), image));
    EXPECT_FALSE(Decode(MakeBmp(1, 1, 24, 4, {}, pixel), image));
    EXPECT_FALSE(DecodeBmp(nullptr, 0, image));
}

TEST(BmpDecoder, PaletteMustFitInTheFile) {
    std::vector<uint8_t> bytes = MakeBmp(1, 1, 8, 0, kTwoColours, {1, 0, 0, 0});
    ArgbImage image;
    ASSERT_TRUE(Decode(bytes, image));
    EXPECT_EQ(0xFFFF0000u, image.pixels[0]);
    PutU32(bytes, 46, 200);  // claims 200 colours
    EXPECT_FALSE(Decode(bytes, image));
}

TEST(BmpDecoder, IndexBeyondThePaletteIsBlack) {
    ArgbImage image;
    ASSERT_TRUE(Decode(MakeBmp(2, 1, 8, 0, kTwoColours, {1, 200, 0, 0}), image));
    EXPECT_EQ(0xFFFF0000u, image.pixels[0]);
    EXPECT_EQ(0xFF000000u, image.pixels[1]);
}

TEST(BmpDecoder, BitFieldMasksOfAnyWidth) {
    // 16-bit pixels with a 4-4-4-4 layout: alpha, red, green, blue.
    std::vector<uint8_t> masks(16);
    std::vector<uint8_t> bytes = MakeBmp(2, 1, 16, 6, {}, {0x0F, 0xF0, 0x80, 0x7F});
    PutU32(masks, 0, 0x0F00);
    PutU32(masks, 4, 0x00F0);
    PutU32(masks, 8, 0x000F);
    PutU32(masks, 12, 0xF000);
    bytes.insert(bytes.begin() + 54, masks.begin(), masks.end());
    PutU32(bytes, 10, 70);
    ArgbImage image;
    ASSERT_TRUE(Decode(bytes, image));
    EXPECT_EQ(0xFF0000FFu, image.pixels[0]);
    EXPECT_EQ(0x77FF8800u, image.pixels[1]);
}

TEST(BmpDecoder, MasksReachingTheTopBit) {
    // 32-bit pixels: red fills all 32 bits; green is bits 31 and 0, read as the whole span
    // between them, so all ones is about half; blue is empty.
    std::vector<uint8_t> bytes = MakeBmp(2, 1, 32, 3, {}, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF});
    std::vector<uint8_t> masks(12);
    PutU32(masks, 0, 0xFFFFFFFF);
    PutU32(masks, 4, 0x80000001);
    bytes.insert(bytes.begin() + 54, masks.begin(), masks.end());
    PutU32(bytes, 10, 66);
    ArgbImage image;
    ASSERT_TRUE(Decode(bytes, image));
    EXPECT_EQ(0xFF000000u, image.pixels[0]);
    EXPECT_EQ(0xFFFF8000u, image.pixels[1]);
}

TEST(BmpDecoder, RunLengthsAreClippedToThePicture) {
    // RLE8, 2 x 2: a run of 200 pixels, an absolute run of 3, and a delta far below.
    const std::vector<uint8_t> runs = {200, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 2, 5, 100, 0, 1};
    ArgbImage image;
    ASSERT_TRUE(Decode(MakeBmp(2, 2, 8, 1, kTwoColours, runs), image));
    // Bottom-up: the first row of runs is the picture's bottom row.
    EXPECT_EQ((std::vector<uint32_t>{0xFFFF0000u, 0xFF00FF00u, 0xFFFF0000u, 0xFFFF0000u}),
              image.pixels);
}

TEST(BmpDecoder, RunLengthsEndingEarlyFail) {
    ArgbImage image;
    // An absolute run that claims more bytes than there are.
    EXPECT_FALSE(Decode(MakeBmp(4, 1, 8, 1, kTwoColours, {0, 6, 1, 1}), image));
    // A delta cut short.
    EXPECT_FALSE(Decode(MakeBmp(4, 1, 8, 1, kTwoColours, {0, 2, 1}), image));
    // Rows missing and no end of bitmap.
    EXPECT_FALSE(Decode(MakeBmp(4, 2, 8, 1, kTwoColours, {4, 1, 0, 0}), image));
    // Every row reached, end of bitmap left out: the picture is whole.
    EXPECT_TRUE(Decode(MakeBmp(4, 1, 8, 1, kTwoColours, {4, 1, 0, 0}), image));
}

}  // namespace
