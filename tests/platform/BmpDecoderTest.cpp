#include "platform/BmpDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "platform/BmpWriter.h"
#include "platform/ImageFixtures.h"

namespace varn {

namespace {

using bmp::MakeBmp;
using Pixels = std::vector<uint32_t>;

// The decoded pixels; none when the file is refused.
Pixels Decoded(const std::vector<uint8_t>& bytes) {
    platform::ArgbImage image;
    return platform::DecodeBmp(bytes.data(), bytes.size(), image) ? image.pixels : Pixels{};
}

// The file with the 32-bit field at the offset replaced.
std::vector<uint8_t> WithField(std::vector<uint8_t> bytes, size_t at, uint32_t value) {
    std::memcpy(bytes.data() + at, &value, sizeof value);  // little-endian, as the file
    return bytes;
}

// Two palette entries: 0 green, 1 red.
const std::vector<uint8_t> kTwoColours = {0, 255, 0, 0, 0, 0, 255, 0};
constexpr uint32_t kGreen = 0xFF00FF00, kRed = 0xFFFF0000;

TEST(BmpDecoder, ImageMagickFilesDecodeAlikeAndTruncatedOnesFail) {
    for (const std::string name :
         {"bmp1.bmp", "bmp4.bmp", "bmp4-rle.bmp", "bmp8.bmp", "bmp8-rle.bmp", "bmp16-555.bmp",
          "bmp16-555-masks.bmp", "bmp16-565.bmp", "bmp24.bmp", "bmp24-core.bmp",
          "bmp24-topdown.bmp", "bmp32.bmp", "bmp32-alpha.bmp"}) {
        // Five- and six-bit channels widen with rounding that may differ by one. Run lengths
        // that reach every row make the whole picture without their end marker. ImageMagick takes
        // the fourth byte of a 32-bit pixel without masks for alpha; it is padding.
        fixtures::ExpectLikeImageMagick(platform::DecodeBmp, name, name.starts_with("bmp16"), 0,
                                        name.ends_with("rle.bmp"),
                                        name == "bmp32.bmp" ? 0xFF000000u : 0);
    }
}

TEST(BmpDecoder, MalformedOrOversizedPicturesFail) {
    const std::vector<uint8_t> pixels(8196 * 4);
    const std::vector<uint8_t> one = MakeBmp(1, 1, 24, 0, {}, pixels);
    const std::vector<uint8_t> palette = MakeBmp(2, 1, 8, 0, kTwoColours, {1, 200, 0, 0});
    EXPECT_EQ(8192u, Decoded(MakeBmp(8192, 1, 24, 0, {}, pixels)).size());
    EXPECT_EQ((Pixels{kRed, 0xFF000000}), Decoded(palette));  // black beyond the palette
    // Width, height, bits and compression: too large or empty; depths that do not exist, run
    // lengths at the other depth, bit fields on a palette picture, an unknown compression.
    const int32_t kinds[][4] = {
        {8193, 1, 24, 0}, {1, 8193, 24, 0},      {1, -8193, 24, 0}, {0, 1, 24, 0}, {1, 0, 24, 0},
        {-1, 1, 24, 0},   {1, INT32_MIN, 24, 0}, {1, 1, 0, 0},      {1, 1, 3, 0},  {1, 1, 48, 0},
        {1, 1, 4, 1},     {1, 1, 8, 2},          {1, 1, 8, 3},      {1, 1, 24, 4}};
    for (const auto& [width, height, bits, compression] : kinds) {
        EXPECT_EQ(Pixels{}, Decoded(MakeBmp(width, height, bits, compression, kTwoColours, pixels)))
            << width << " x " << height << ", " << bits << " bits, compression " << compression;
    }
    // A header size too small or absurd, pixels past the end, not a BMP.
    const std::pair<size_t, uint32_t> patches[] = {{14, 20}, {14, 0xFFFFFFF0u}, {10, ~0u}, {0, 0}};
    for (auto [at, value] : patches) {
        EXPECT_EQ(Pixels{}, Decoded(WithField(one, at, value))) << at << " = " << value;
    }
    EXPECT_EQ(Pixels{}, Decoded(WithField(palette, 46, 200)));  // more colours than it holds
    // An absolute run longer than the data, a delta cut short, rows missing without an end.
    EXPECT_EQ(Pixels{}, Decoded(MakeBmp(4, 1, 8, 1, kTwoColours, {0, 6, 1, 1})));
    EXPECT_EQ(Pixels{}, Decoded(MakeBmp(4, 1, 8, 1, kTwoColours, {0, 2, 1})));
    EXPECT_EQ(Pixels{}, Decoded(MakeBmp(4, 2, 8, 1, kTwoColours, {4, 1, 0, 0})));
}

TEST(BmpDecoder, MasksReachingTheTopBitAndRunsPastThePictureAreReadSafely) {
    // The masks follow the header. Red fills all 32 bits; green is bits 31 and 0, read as the
    // whole span between them, so all ones is about half; blue is empty.
    EXPECT_EQ((Pixels{0xFF000000, 0xFFFF8000}),
              Decoded(MakeBmp(2, 1, 32, 3, {255, 255, 255, 255, 1, 0, 0, 128, 0, 0, 0, 0},
                              {0, 0, 0, 0, 255, 255, 255, 255})));
    // 2 x 2: a run of 200 pixels, an absolute run of 3, and a delta far below. Bottom-up: the
    // first row of runs is the picture's bottom row.
    EXPECT_EQ((Pixels{kRed, kGreen, kRed, kRed}),
              Decoded(MakeBmp(2, 2, 8, 1, kTwoColours,
                              {200, 1, 0, 0, 0, 3, 1, 0, 1, 0, 0, 2, 5, 100, 0, 1})));
}

}  // namespace

}  // namespace varn
