#include "platform/Device2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <tuple>
#include <vector>

#include "platform/PixelFormat.h"

namespace varn {

namespace {

using platform::CompareFunction;
using platform::Device2D;
using platform::SourceRect;
using platform::TextureImage;

constexpr uint16_t kBackground = 0x1234;
constexpr uint32_t kWhite = 0xFFFFFFFF;

TextureImage MakeTexture(int width, int height, const std::function<uint16_t(int, int)>& texel) {
    TextureImage texture{.width = width, .height = height, .pixels = {}};
    for (int i = 0; i < width * height; ++i) {
        texture.pixels.push_back(texel(i % width, i / width));
    }
    return texture;
}

// Every texel different and opaque, and the same texel on the R5G6B5 screen.
uint16_t Distinct(int x, int y) {
    return static_cast<uint16_t>(0x8000 | (x & 31) << 10 | (y & 31) << 5 | ((x + y) & 31));
}
uint16_t OnScreen(int x, int y) {
    return static_cast<uint16_t>((x & 31) << 11 | ((y & 31) << 1 | (y & 31) >> 4) << 5 |
                                 ((x + y) & 31));
}

// A device as the game sets it up for drawing: linear filters, alpha test on at 8.
void Make(Device2D& device, int width, int height) {
    ASSERT_TRUE(device.Create(width, height, platform::kFormatR5G6B5));
    device.SetMinFilter(platform::TextureFilter::Linear);
    device.SetMagFilter(platform::TextureFilter::Linear);
    device.SetAlphaTestEnable(true);
    device.SetAlphaReference(8);
    device.SetAlphaFunction(CompareFunction::GreaterEqual);
    std::ranges::fill(device.backBuffer().pixels, kBackground);
}

class Device2DTest : public testing::Test {
  protected:
    void SetUp() override { Make(device_, 64, 48); }

    bool Draw(const TextureImage& texture, float x, float y, float scale, SourceRect source = {}) {
        source = source == SourceRect{} ? SourceRect{0, 0, texture.width, texture.height} : source;
        return device_.DrawSprite(texture, source, x, y, scale, scale, kWhite);
    }

    uint16_t At(int x, int y) const { return device_.backBuffer().Row(y)[x]; }

    int Changed() const {
        return static_cast<int>(std::ranges::count_if(
            device_.backBuffer().pixels, [](uint16_t pixel) { return pixel != kBackground; }));
    }

    Device2D device_;
};

TEST_F(Device2DTest, RefusesWhatTheRendererCannotDoAndClearsWhatItCan) {
    EXPECT_FALSE(Device2D().Create(800, 600, platform::kFormatX8R8G8B8));
    EXPECT_FALSE(Device2D().Create(800, 8193, platform::kFormatR5G6B5));
    device_.Clear(0xFF10F8FF);
    EXPECT_EQ(std::vector<uint16_t>(64 * 48, platform::ToR5G6B5(0xFF10F8FF)),
              device_.backBuffer().pixels);
}

TEST_F(Device2DTest, FramesAreExactTexelCopiesOrScaledFromTheirCornerInTheModulatedColour) {
    // A sheet of 4 x 2 frames of 8 x 8; frame 6 is column 2, row 1.
    ASSERT_TRUE(Draw(MakeTexture(32, 16, Distinct), 5, 3, 1, SourceRect{16, 8, 24, 16}));
    EXPECT_EQ(64, Changed());
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(OnScreen(16 + i % 8, 8 + i / 8), At(5 + i % 8, 3 + i / 8)) << i;
    }
    // 0.8 x 0.6 of 64 x 64 covers 51.2 x 38.4 pixels: the 51 x 38 whose centres lie inside.
    Make(device_, 64, 48);
    const TextureImage white = MakeTexture(64, 64, [](int, int) { return uint16_t{0xFFFF}; });
    device_.DrawSprite(white, SourceRect{0, 0, 64, 64}, 10, 5, 0.8f, 0.6f, 0xFF80FF00);
    EXPECT_EQ(51 * 38, Changed());
    for (int i = 0; i < 51 * 38; ++i) {
        ASSERT_EQ((16 << 11) | (63 << 5), At(10 + i % 51, 5 + i / 51)) << i;
    }
}

TEST_F(Device2DTest, AlphaTestDropsKeyedTexelsAndBilinearEdges) {
    // Two opaque white texels and two keyed ones, stretched to twice their width: the samples
    // between them weigh white by 24/32 and 8/32, so their alpha is 191 and 64 and their colour
    // white darkened toward the keyed black; past them alpha is 0 and the colour black.
    const TextureImage texture =
        MakeTexture(4, 1, [](int x, int) { return x < 2 ? uint16_t{0xFFFF} : uint16_t{0}; });
    constexpr uint16_t W = 0xFFFF, B = kBackground, K = 0x0000;
    constexpr uint16_t Q3 = (23 << 11) | (47 << 5) | 23, Q1 = (8 << 11) | (16 << 5) | 8;
    using enum CompareFunction;
    const std::tuple<CompareFunction, uint32_t, float, std::vector<uint16_t>> cases[] = {
        {GreaterEqual, 8, 1.0f, {W, W, B, B, B}},
        {GreaterEqual, 8, 2.0f, {W, W, W, Q3, Q1, B, B, B, B}},
        {GreaterEqual, 65, 2.0f, {W, W, W, Q3, B, B, B, B, B}},
        {NotEqual, 191, 2.0f, {W, W, W, B, Q1, K, K, K, B}},
        {Less, 8, 2.0f, {B, B, B, B, B, K, K, K, B}}};
    for (const auto& [function, reference, scale, row] : cases) {
        std::ranges::fill(device_.backBuffer().pixels, kBackground);
        device_.SetAlphaFunction(function);
        device_.SetAlphaReference(reference);
        Draw(texture, 0, 0, scale);
        EXPECT_EQ(row, std::vector<uint16_t>(device_.backBuffer().Row(0),
                                             device_.backBuffer().Row(0) + row.size()))
            << static_cast<int>(function) << " " << reference << " at " << scale;
    }
}

TEST_F(Device2DTest, ClippedAtEveryEdgeLikeTheSameDrawOnALargerBuffer) {
    const TextureImage texture =
        MakeTexture(16, 12, [](int x, int y) { return (x * y) % 7 == 3 ? 0 : Distinct(x, y); });
    Device2D big;
    for (float scale : {1.0f, 0.8f, 1.1f, 2.5f}) {
        for (int y : {-30, -13, -1, 0, 20, 40, 47, 60}) {
            for (int x : {-45, -16, -5, 0, 30, 55, 63, 64, 70}) {
                Make(device_, 64, 48);
                Make(big, 144, 128);
                Draw(texture, x, y, scale);
                big.DrawSprite(texture, {0, 0, 16, 12}, x + 40, y + 40, scale, scale, kWhite);
                for (int row = 0; row < 48; ++row) {
                    const uint16_t* inBig = big.backBuffer().Row(row + 40) + 40;
                    ASSERT_TRUE(std::equal(inBig, inBig + 64, device_.backBuffer().Row(row)))
                        << "scale " << scale << " at " << x << "," << y << ": row " << row;
                }
            }
        }
    }
}

TEST_F(Device2DTest, SourcesOutsideTheTextureAndAbsurdPlacesDrawNothingThere) {
    const TextureImage texture = MakeTexture(4, 4, Distinct);
    // From (-2, -1) to (2, 3): only texels 0..1 x 0..2 exist, drawn where they would have been.
    Draw(texture, 10, 10, 1, SourceRect{-2, -1, 2, 3});
    EXPECT_EQ(OnScreen(0, 0), At(12, 11));
    for (const SourceRect source : {SourceRect{4, 0, 8, 4}, {2, 2, 2, 4}, {3, 3, 1, 1}}) {
        Draw(texture, 30, 10, 1, source);
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (float value : {-1e30f, 1e30f, -2147483648.0f, 2147483520.0f, nan, infinity}) {
        EXPECT_TRUE(Draw(texture, value, 0, 1) && Draw(texture, 0, value, 1));
    }
    for (float scale : {0.0f, -1.0f, nan, infinity, 1e-30f}) {
        EXPECT_TRUE(Draw(texture, 0, 0, scale));
    }
    EXPECT_EQ(2 * 3, Changed());  // only the texels that exist, nothing of the rest
    // A huge scale fills the buffer from the corner without overflowing anything.
    EXPECT_TRUE(Draw(texture, 0, 0, 1e30f));
    EXPECT_EQ(64 * 48, Changed());
    EXPECT_FALSE(Draw(TextureImage{.width = 4, .height = 4, .pixels = {1, 2, 3}}, 0, 0, 1));
}

}  // namespace

}  // namespace varn
