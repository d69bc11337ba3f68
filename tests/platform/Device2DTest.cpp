#include "platform/Device2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "platform/HeadlessBackend.h"
#include "platform/PixelFormat.h"

namespace platform {

std::ostream& operator<<(std::ostream& out, const SourceRect& r) {
    return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

}  // namespace platform

namespace {

using platform::CompareFunction;
using platform::Device2D;
using platform::SourceRect;
using platform::TextureFilter;
using platform::TextureImage;

constexpr uint16_t kBackground = 0x1234;
constexpr uint32_t kWhite = 0xFFFFFFFF;

TextureImage MakeTexture(int width, int height, const std::function<uint16_t(int, int)>& texel) {
    TextureImage texture;
    texture.width = width;
    texture.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            texture.pixels.push_back(texel(x, y));
        }
    }
    return texture;
}

// Every texel different: red from x, green from y, opaque.
uint16_t Distinct(int x, int y) {
    return static_cast<uint16_t>(0x8000 | (x & 31) << 10 | (y & 31) << 5 | ((x + y) & 31));
}

uint16_t ToScreen(uint16_t texel) {
    const uint32_t green5 = (texel >> 5) & 31;
    return static_cast<uint16_t>((texel & 0x7C00) << 1 | ((green5 << 1) | (green5 >> 4)) << 5 |
                                 (texel & 31));
}

SourceRect Whole(const TextureImage& texture) {
    return SourceRect{0, 0, texture.width, texture.height};
}

// A created device as the game sets it up for drawing: linear filters, alpha test on at 8.
class Device2DTest : public testing::Test {
  protected:
    void SetUp() override { Make(device_, 64, 48); }

    static void Make(Device2D& device, int width, int height) {
        ASSERT_TRUE(device.Create(width, height, platform::kFormatR5G6B5));
        device.SetMinFilter(TextureFilter::Linear);
        device.SetMagFilter(TextureFilter::Linear);
        device.SetAlphaTestEnable(true);
        device.SetAlphaReference(8);
        device.SetAlphaFunction(CompareFunction::GreaterEqual);
        std::fill(device.backBuffer().pixels.begin(), device.backBuffer().pixels.end(),
                  kBackground);
    }

    uint16_t At(int x, int y) const { return device_.backBuffer().Row(y)[x]; }

    // The bounding box of the pixels that are not background; empty when there are none.
    SourceRect Touched() const {
        SourceRect box{std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), -1,
                       -1};
        for (int y = 0; y < device_.backBuffer().height; ++y) {
            for (int x = 0; x < device_.backBuffer().width; ++x) {
                if (At(x, y) != kBackground) {
                    box = SourceRect{std::min(box.left, x), std::min(box.top, y),
                                     std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
                }
            }
        }
        return box.right < 0 ? SourceRect{} : box;
    }

    Device2D device_;
};

TEST(Device2DCreate, RefusesWhatTheRendererCannotDo) {
    Device2D device;
    EXPECT_FALSE(device.created());
    EXPECT_FALSE(device.Create(800, 600, platform::kFormatX8R8G8B8));
    EXPECT_FALSE(device.Create(800, 600, platform::kFormatR5G6B5, true));
    EXPECT_FALSE(device.Create(0, 600, platform::kFormatR5G6B5));
    EXPECT_FALSE(device.Create(800, 8193, platform::kFormatR5G6B5));
    EXPECT_FALSE(device.created());
    EXPECT_TRUE(device.Create(800, 600, platform::kFormatX1R5G5B5));
    EXPECT_EQ(platform::kFormatX1R5G5B5, device.backBufferFormat());
    EXPECT_EQ(800, device.backBuffer().width);
    EXPECT_EQ(600u * 800u, device.backBuffer().pixels.size());
}

TEST(Device2DCreate, StartsWithTheDefaultStates) {
    Device2D device;
    ASSERT_TRUE(device.Create(8, 8, platform::kFormatR5G6B5));
    const platform::RenderStates& states = device.states();
    EXPECT_TRUE(states.lighting);
    EXPECT_FALSE(states.alphaBlendEnable);
    EXPECT_FALSE(states.alphaTestEnable);
    EXPECT_EQ(0u, states.alphaReference);
    EXPECT_EQ(CompareFunction::Always, states.alphaFunction);
    EXPECT_EQ(TextureFilter::Point, states.minFilter);
    EXPECT_EQ(TextureFilter::Point, states.magFilter);
}

TEST(Adapter2D, HardwareNeedsTheDisplayReferenceOnlyTheRenderer) {
    platform::Headless()->Reset();
    platform::Headless()->supportedFormats = {platform::kFormatX8R8G8B8, platform::kFormatX1R5G5B5};
    platform::Adapter2D adapter;
    EXPECT_FALSE(adapter.CheckDeviceType(platform::kFormatX8R8G8B8, false, true));
    EXPECT_FALSE(adapter.CheckDeviceType(platform::kFormatR5G6B5, false, true));
    EXPECT_TRUE(adapter.CheckDeviceType(platform::kFormatX1R5G5B5, false, true));
    EXPECT_FALSE(adapter.CheckDeviceType(platform::kFormatX8R8G8B8, false, false));
    EXPECT_TRUE(adapter.CheckDeviceType(platform::kFormatR5G6B5, false, false));
    EXPECT_TRUE(adapter.CheckDeviceType(platform::kFormatX1R5G5B5, true, false));
    EXPECT_EQ(platform::kFormatR5G6B5, adapter.DesktopMode().format);
    platform::Headless()->Reset();
}

TEST_F(Device2DTest, ClearFillsTheWholeBackBuffer) {
    device_.Clear(0xFF10F8FF);
    for (uint16_t pixel : device_.backBuffer().pixels) {
        ASSERT_EQ(platform::ToR5G6B5(0xFF10F8FF), pixel);
    }
}

TEST_F(Device2DTest, ScenesPairUpAndEndSceneUnbindsEveryStage) {
    const TextureImage texture = MakeTexture(2, 2, Distinct);
    EXPECT_FALSE(device_.EndScene());
    EXPECT_TRUE(device_.BeginScene());
    EXPECT_FALSE(device_.BeginScene());
    for (int stage = 0; stage < platform::kTextureStages; ++stage) {
        device_.SetTexture(stage, &texture);
    }
    device_.DrawSprite(texture, Whole(texture), 0, 0, 1, 1, kWhite);
    EXPECT_EQ(&texture, device_.texture(0));
    EXPECT_TRUE(device_.EndScene());
    for (int stage = 0; stage < platform::kTextureStages; ++stage) {
        EXPECT_EQ(nullptr, device_.texture(stage)) << stage;
    }
    EXPECT_FALSE(device_.inScene());
}

TEST_F(Device2DTest, PresentHandsTheBackBufferToTheDisplay) {
    platform::Headless()->Reset();
    EXPECT_FALSE(device_.Present());  // no display open
    ASSERT_TRUE(platform::Current().OpenDisplay(64, 48, false));
    device_.Clear(0xFF0000FF);
    EXPECT_TRUE(device_.Present());
    EXPECT_EQ(1, platform::Headless()->presentCount);
    EXPECT_EQ(device_.backBuffer().pixels, platform::Headless()->presented.pixels);
    platform::Headless()->Reset();
}

TEST_F(Device2DTest, FrameCutFromASheetIsAnExactTexelCopy) {
    // A sheet of 4 x 2 frames of 8 x 8; frame 6 is column 2, row 1.
    const TextureImage sheet = MakeTexture(32, 16, Distinct);
    ASSERT_TRUE(device_.DrawSprite(sheet, SourceRect{16, 8, 24, 16}, 5, 3, 1, 1, kWhite));
    EXPECT_EQ((SourceRect{5, 3, 13, 11}), Touched());
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(ToScreen(Distinct(16 + x, 8 + y)), At(5 + x, 3 + y)) << x << "," << y;
        }
    }
}

TEST_F(Device2DTest, ScaledFrameCoversItsScaledSizeFromItsTopLeftCorner) {
    // 0.8 x 0.6 of 64 x 64 covers 51.2 x 38.4 pixels: the 51 x 38 whose centres lie inside.
    const TextureImage frame = MakeTexture(64, 64, [](int, int) { return uint16_t{0xFFFF}; });
    Device2D big;
    Make(big, 128, 96);
    ASSERT_TRUE(big.DrawSprite(frame, Whole(frame), 10, 20, 0.8f, 0.6f, kWhite));
    int drawn = 0;
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 128; ++x) {
            const bool inside = x >= 10 && x < 61 && y >= 20 && y < 58;
            const uint16_t pixel = big.backBuffer().Row(y)[x];
            ASSERT_EQ(inside ? 0xFFFF : kBackground, pixel) << x << "," << y;
            drawn += inside;
        }
    }
    EXPECT_EQ(51 * 38, drawn);
}

TEST_F(Device2DTest, ColourKeyedTexelsAreDroppedByTheAlphaTest) {
    // A checkerboard of opaque texels and keyed (transparent black) ones.
    const TextureImage texture =
        MakeTexture(6, 6, [](int x, int y) { return (x + y) % 2 ? uint16_t{0} : Distinct(x, y); });
    device_.DrawSprite(texture, Whole(texture), 1, 1, 1, 1, kWhite);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            const uint16_t expected = (x + y) % 2 ? kBackground : ToScreen(Distinct(x, y));
            EXPECT_EQ(expected, At(1 + x, 1 + y)) << x << "," << y;
        }
    }
    // Without the alpha test the keyed texels are drawn, black: nothing is blended.
    device_.SetAlphaTestEnable(false);
    device_.DrawSprite(texture, Whole(texture), 1, 1, 1, 1, kWhite);
    EXPECT_EQ(0x0000, At(2, 1));
}

TEST_F(Device2DTest, AlphaTestAtBilinearEdges) {
    // Two opaque white texels and two keyed ones, stretched to twice their width: the samples
    // between them weigh white by 24/32 and 8/32, so their alpha is 191 and 64 and their colour
    // white darkened toward the keyed black.
    const TextureImage texture =
        MakeTexture(4, 1, [](int x, int) { return x < 2 ? uint16_t{0xFFFF} : uint16_t{0}; });
    const uint16_t threeQuarters = (23 << 11) | (47 << 5) | 23;
    const uint16_t quarter = (8 << 11) | (16 << 5) | 8;
    auto drawRow = [&](uint32_t reference) {
        std::fill(device_.backBuffer().pixels.begin(), device_.backBuffer().pixels.end(),
                  kBackground);
        device_.SetAlphaReference(reference);
        device_.DrawSprite(texture, Whole(texture), 0, 0, 2.0f, 2.0f, kWhite);
        return std::vector<uint16_t>(device_.backBuffer().Row(1), device_.backBuffer().Row(1) + 9);
    };
    const uint16_t white = 0xFFFF;
    EXPECT_EQ((std::vector<uint16_t>{white, white, white, threeQuarters, quarter, kBackground,
                                     kBackground, kBackground, kBackground}),
              drawRow(8));
    EXPECT_EQ((std::vector<uint16_t>{white, white, white, threeQuarters, quarter, kBackground,
                                     kBackground, kBackground, kBackground}),
              drawRow(64));
    EXPECT_EQ((std::vector<uint16_t>{white, white, white, threeQuarters, kBackground, kBackground,
                                     kBackground, kBackground, kBackground}),
              drawRow(65));
    EXPECT_EQ((std::vector<uint16_t>{white, white, white, kBackground, kBackground, kBackground,
                                     kBackground, kBackground, kBackground}),
              drawRow(192));
}

TEST_F(Device2DTest, NotEqualPassesEitherSideOfTheReferenceWhenStretched) {
    // The bilinear samples of the edge case above have alpha 255, 191, 64 and 0.
    const TextureImage texture =
        MakeTexture(4, 1, [](int x, int) { return x < 2 ? uint16_t{0xFFFF} : uint16_t{0}; });
    device_.SetAlphaFunction(CompareFunction::NotEqual);
    device_.SetAlphaReference(191);
    device_.DrawSprite(texture, Whole(texture), 0, 0, 2.0f, 2.0f, kWhite);
    EXPECT_EQ(0xFFFF, At(2, 0));
    EXPECT_EQ(kBackground, At(3, 0));
    EXPECT_EQ((8 << 11) | (16 << 5) | 8, At(4, 0));
    EXPECT_EQ(0x0000, At(5, 0));  // alpha 0 is not 191 either: keyed black is drawn
}

TEST_F(Device2DTest, OneTexelWideSourceStretchesToItsColour) {
    const TextureImage texture = MakeTexture(3, 2, Distinct);
    device_.DrawSprite(texture, SourceRect{1, 0, 2, 1}, 4, 4, 3.0f, 3.0f, kWhite);
    EXPECT_EQ((SourceRect{4, 4, 7, 7}), Touched());
    for (int y = 4; y < 7; ++y) {
        for (int x = 4; x < 7; ++x) {
            EXPECT_EQ(ToScreen(Distinct(1, 0)), At(x, y));
        }
    }
}

TEST_F(Device2DTest, ColourModulatesStretchedPicturesToo) {
    const TextureImage texture = MakeTexture(2, 2, [](int, int) { return uint16_t{0xFFFF}; });
    device_.DrawSprite(texture, Whole(texture), 0, 0, 2.0f, 2.0f, 0xFF80FF00);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ((16 << 11) | (63 << 5), At(x, y));
        }
    }
}

TEST_F(Device2DTest, AlphaFunctionDecidesWhatPasses) {
    const TextureImage texture =
        MakeTexture(2, 1, [](int x, int) { return x == 0 ? uint16_t{0xFFFF} : uint16_t{0}; });
    device_.SetAlphaFunction(CompareFunction::Less);
    device_.DrawSprite(texture, Whole(texture), 0, 0, 1, 1, kWhite);
    EXPECT_EQ(kBackground, At(0, 0));
    EXPECT_EQ(0x0000, At(1, 0));
    device_.SetAlphaFunction(CompareFunction::Never);
    device_.Clear(0xFF0000FF);
    device_.DrawSprite(texture, Whole(texture), 0, 0, 1, 1, kWhite);
    EXPECT_EQ(0x001F, At(0, 0));
    EXPECT_EQ(0x001F, At(1, 0));
}

TEST_F(Device2DTest, PointFilterStretchesWithoutMixing) {
    const TextureImage texture = MakeTexture(4, 4, Distinct);
    device_.SetMagFilter(TextureFilter::Point);
    device_.DrawSprite(texture, Whole(texture), 0, 0, 3.0f, 3.0f, kWhite);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) {
            ASSERT_EQ(ToScreen(Distinct(x / 3, y / 3)), At(x, y)) << x << "," << y;
        }
    }
    // Shrinking uses the minifying filter, still linear: a black and white checkerboard at half
    // its size mixes to grey.
    const TextureImage checkers = MakeTexture(
        4, 4, [](int x, int y) { return (x + y) % 2 ? uint16_t{0xFFFF} : uint16_t{0x8000}; });
    device_.DrawSprite(checkers, Whole(checkers), 20, 0, 0.5f, 0.5f, kWhite);
    const uint16_t grey = (16 << 11) | (33 << 5) | 16;
    EXPECT_EQ(grey, At(20, 0));
    EXPECT_EQ(grey, At(21, 1));
}

TEST_F(Device2DTest, ColourModulatesAndWhiteLeavesTexelsUnchanged) {
    const TextureImage texture = MakeTexture(1, 1, [](int, int) { return uint16_t{0xFFFF}; });
    device_.DrawSprite(texture, Whole(texture), 0, 0, 1, 1, 0x00FFFFFF);
    EXPECT_EQ(0xFFFF, At(0, 0));  // the colour's alpha plays no part
    device_.DrawSprite(texture, Whole(texture), 1, 0, 1, 1, 0xFF80FF00);
    EXPECT_EQ((16 << 11) | (63 << 5), At(1, 0));
}

TEST_F(Device2DTest, SourceOutsideTheTextureIsLeftOut) {
    const TextureImage texture = MakeTexture(4, 4, Distinct);
    // From (-2, -1) to (2, 3): only texels 0..1 x 0..2 exist, drawn where they would have been.
    device_.DrawSprite(texture, SourceRect{-2, -1, 2, 3}, 10, 10, 1, 1, kWhite);
    EXPECT_EQ((SourceRect{12, 11, 14, 14}), Touched());
    EXPECT_EQ(ToScreen(Distinct(0, 0)), At(12, 11));
    // Rectangles wholly outside or empty draw nothing.
    device_.DrawSprite(texture, SourceRect{4, 0, 8, 4}, 30, 10, 1, 1, kWhite);
    device_.DrawSprite(texture, SourceRect{2, 2, 2, 4}, 30, 10, 1, 1, kWhite);
    device_.DrawSprite(texture, SourceRect{3, 3, 1, 1}, 30, 10, 1, 1, kWhite);
    EXPECT_EQ((SourceRect{12, 11, 14, 14}), Touched());
}

TEST_F(Device2DTest, ClippedAtEveryEdgeLikeTheSameDrawOnALargerBuffer) {
    // Each draw is compared with the same draw on a buffer with a margin all round.
    const TextureImage texture =
        MakeTexture(16, 12, [](int x, int y) { return (x * y) % 7 == 3 ? 0 : Distinct(x, y); });
    constexpr int kMargin = 40;
    for (float scale : {1.0f, 0.8f, 1.1f, 2.5f}) {
        for (int y : {-30, -13, -1, 0, 20, 40, 47, 60}) {
            for (int x : {-45, -16, -5, 0, 30, 55, 63, 64, 70}) {
                Device2D small;
                Device2D big;
                Make(small, 64, 48);
                Make(big, 64 + 2 * kMargin, 48 + 2 * kMargin);
                small.DrawSprite(texture, Whole(texture), x, y, scale, scale, kWhite);
                big.DrawSprite(texture, Whole(texture), x + kMargin, y + kMargin, scale, scale,
                               kWhite);
                for (int row = 0; row < 48; ++row) {
                    for (int column = 0; column < 64; ++column) {
                        ASSERT_EQ(big.backBuffer().Row(row + kMargin)[column + kMargin],
                                  small.backBuffer().Row(row)[column])
                            << "scale " << scale << " at " << x << "," << y << ": pixel " << column
                            << "," << row;
                    }
                }
            }
        }
    }
}

TEST_F(Device2DTest, AbsurdPositionsAndScalesDrawNothing) {
    const TextureImage texture = MakeTexture(4, 4, Distinct);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (float position : {-1e30f, 1e30f, -2147483648.0f, 2147483520.0f, nan, infinity}) {
        EXPECT_TRUE(device_.DrawSprite(texture, Whole(texture), position, 0, 1, 1, kWhite));
        EXPECT_TRUE(device_.DrawSprite(texture, Whole(texture), 0, position, 1, 1, kWhite));
    }
    for (float scale : {0.0f, -1.0f, nan, infinity, 1e-30f}) {
        EXPECT_TRUE(device_.DrawSprite(texture, Whole(texture), 0, 0, scale, 1, kWhite));
    }
    EXPECT_EQ(SourceRect{}, Touched());
    // A huge scale fills the buffer from the corner without overflowing anything.
    EXPECT_TRUE(device_.DrawSprite(texture, Whole(texture), 0, 0, 1e30f, 1e30f, kWhite));
    EXPECT_EQ((SourceRect{0, 0, 64, 48}), Touched());
    // A texture whose pixels do not match its size is refused.
    TextureImage broken = texture;
    broken.pixels.pop_back();
    EXPECT_FALSE(device_.DrawSprite(broken, Whole(broken), 0, 0, 1, 1, kWhite));
}

TEST(Device2DWithoutBuffer, DrawsNothingBeforeCreate) {
    Device2D device;
    const TextureImage texture = MakeTexture(2, 2, Distinct);
    EXPECT_TRUE(device.DrawSprite(texture, Whole(texture), 0, 0, 1, 1, kWhite));
    device.Clear(0xFFFFFFFF);
    EXPECT_TRUE(device.backBuffer().pixels.empty());
}

}  // namespace
