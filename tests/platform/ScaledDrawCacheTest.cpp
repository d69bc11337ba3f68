#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/BmpWriter.h"
#include "platform/Device2D.h"
#include "platform/ImageLoader.h"
#include "platform/PixelFormat.h"
#include "platform/ScaledSpriteCache.h"

namespace varn {

namespace {

using platform::Device2D;
using platform::SourceRect;
using platform::TextureImage;

constexpr int kWidth = 96;
constexpr int kHeight = 72;

// Opaque texels of varied colours with a keyed (transparent) hole, so that the alpha test and
// the bilinear edges around the hole both show.
TextureImage HoledTexture(int width, int height) {
    TextureImage texture{.width = width, .height = height, .pixels = {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool hole = x > width / 3 && x < width / 2 && y > height / 4;
            texture.pixels.push_back(
                hole ? 0 : static_cast<uint16_t>(0x8000 | (x * 7 + y * 13) % 0x7FFF));
        }
    }
    return texture;
}

void Prepare(Device2D& device, bool alphaTest) {
    ASSERT_TRUE(device.Create(kWidth, kHeight, platform::kFormatR5G6B5));
    device.SetMinFilter(platform::TextureFilter::Linear);
    device.SetMagFilter(platform::TextureFilter::Linear);
    device.SetAlphaTestEnable(alphaTest);
    device.SetAlphaReference(8);
    device.SetAlphaFunction(platform::CompareFunction::GreaterEqual);
}

struct Draw {
    SourceRect source;
    float x;
    float y;
    float scaleX;
    float scaleY;
    uint32_t colour;
};

// Each draw made on a device that has seen it before must leave the very pixels a device seeing
// it for the first time leaves, over the same back buffer.
void ExpectSameAsAFreshDevice(Device2D& seasoned, const TextureImage& texture, const Draw& draw,
                              bool alphaTest) {
    Device2D fresh;
    Prepare(fresh, alphaTest);
    fresh.backBuffer().pixels = seasoned.backBuffer().pixels;
    seasoned.DrawSprite(texture, draw.source, draw.x, draw.y, draw.scaleX, draw.scaleY,
                        draw.colour);
    fresh.DrawSprite(texture, draw.source, draw.x, draw.y, draw.scaleX, draw.scaleY, draw.colour);
    ASSERT_EQ(seasoned.backBuffer().pixels, fresh.backBuffer().pixels)
        << "at " << draw.x << ", " << draw.y << " scaled " << draw.scaleX << " x " << draw.scaleY;
}

TEST(ScaledDrawCacheTest, RepeatedDrawsAnywhereLeaveThePixelsOfAFirstDraw) {
    const TextureImage texture = HoledTexture(24, 16);
    const SourceRect whole{0, 0, 24, 16};
    const SourceRect part{3, 2, 20, 14};
    // Whole-pixel moves of one draw, fractional corners, clipping at every edge, a source
    // reaching outside the texture, a tint, stretches one way and shrinks the other.
    const Draw draws[] = {
        {whole, 10, 10, 1.5f, 1.5f, 0xFFFFFFFF},
        {whole, 40, 30, 1.5f, 1.5f, 0xFFFFFFFF},
        {whole, -7, 20, 1.5f, 1.5f, 0xFFFFFFFF},
        {whole, 80, 60, 1.5f, 1.5f, 0xFFFFFFFF},
        {whole, 20, -9, 1.5f, 1.5f, 0xFFFFFFFF},
        {whole, 10.3f, 5.7f, 2.2f, 0.9f, 0xFFFFFFFF},
        {whole, 33.3f, 41.7f, 2.2f, 0.9f, 0xFFFFFFFF},
        {part, 5.5f, 5.5f, 3.0f, 3.0f, 0xFF80C040},
        {part, 50.5f, 2.5f, 3.0f, 3.0f, 0xFF80C040},
        {{-4, -2, 30, 20}, 12, 12, 1.25f, 1.75f, 0xFFFFFFFF},
        {whole, 0, 0, 4.0f, 4.5f, 0xFFFFFFFF},
        // Larger than the screen, overhanging it on both sides; and past what is ever kept.
        {whole, -20.4f, -10.6f, 5.5f, 6.0f, 0xFFFFFFFF},
        {whole, -30, -40, 9.0f, 9.5f, 0xFFFFFFFF},
    };
    for (bool alphaTest : {true, false}) {
        SCOPED_TRACE(alphaTest ? "alpha test on" : "alpha test off");
        Device2D seasoned;
        Prepare(seasoned, alphaTest);
        for (int round = 0; round < 3; ++round) {
            for (const Draw& draw : draws) {
                ExpectSameAsAFreshDevice(seasoned, texture, draw, alphaTest);
            }
        }
    }
}

TEST(ScaledDrawCacheTest, ATextureChangedInPlaceIsDrawnAsItIsNow) {
    TextureImage texture = HoledTexture(16, 16);
    const Draw draw{{0, 0, 16, 16}, 4.5f, 3.5f, 2.5f, 2.5f, 0xFFFFFFFF};
    Device2D seasoned;
    Prepare(seasoned, true);
    for (int round = 0; round < 3; ++round) {
        ExpectSameAsAFreshDevice(seasoned, texture, draw, true);
    }
    texture.pixels[5 * 16 + 5] = 0;
    texture.pixels[15] ^= 0x1234;
    for (int round = 0; round < 3; ++round) {
        ExpectSameAsAFreshDevice(seasoned, texture, draw, true);
    }
}

TEST(ScaledDrawCacheTest, ATextureDecodedAgainInPlaceIsDrawnAsDecodedNow) {
    // Decoded textures are trusted by their serial, not compared: a second decoding into the same
    // object must not be shown from the first one's pictures.
    auto picture = [](uint32_t seed) {
        std::vector<uint32_t> argb;
        for (uint32_t i = 0; i < 12 * 10; ++i) {
            argb.push_back(i % 7 == 0 ? 0xFFFF00FF : 0xFF000000 | ((i + seed) * 2654435761u >> 8));
        }
        return bmp::MakeBmp24(12, 10, argb);
    };
    const Draw draw{{0, 0, 12, 10}, 6.5f, 4.5f, 2.5f, 1.5f, 0xFFFFFFFF};
    TextureImage texture;
    Device2D seasoned;
    Prepare(seasoned, true);
    for (uint32_t seed : {1u, 2u}) {
        const std::vector<uint8_t> bytes = picture(seed);
        ASSERT_TRUE(platform::DecodeTextureImage(bytes.data(), bytes.size(), 0xFFFF00FF, texture));
        EXPECT_NE(texture.serial, 0u);
        for (int round = 0; round < 3; ++round) {
            ExpectSameAsAFreshDevice(seasoned, texture, draw, true);
        }
    }
}

TEST(ScaledDrawCacheTest, KeepsPicturesFromTheSecondSightingWithinItsLimit) {
    platform::ScaledSpriteCache cache;
    const TextureImage texture = HoledTexture(8, 8);
    // Pictures of four megabytes each, pixels and mask.
    platform::BackBuffer picture;
    picture.Resize(1024, 1024);
    auto keyOf = [&texture](int n) {
        platform::ScaledDrawKey key;
        key.texture = &texture;
        key.right = 8;
        key.bottom = 8;
        key.width = 1024;
        key.height = 1024;
        key.colour = static_cast<uint32_t>(n);
        return key;
    };
    bool worthStoring = true;
    EXPECT_EQ(cache.Find(keyOf(0), worthStoring), nullptr);
    EXPECT_FALSE(worthStoring) << "a draw seen once is not kept";
    EXPECT_EQ(cache.Find(keyOf(0), worthStoring), nullptr);
    EXPECT_TRUE(worthStoring);
    for (int n = 0; n < 12; ++n) {
        cache.Store(keyOf(n), picture, picture);
        cache.Find(keyOf(0), worthStoring);  // the first stays in use
    }
    EXPECT_NE(cache.Find(keyOf(0), worthStoring), nullptr);
    EXPECT_NE(cache.Find(keyOf(11), worthStoring), nullptr);
    EXPECT_EQ(cache.Find(keyOf(1), worthStoring), nullptr) << "the least used went first";
}

}  // namespace

}  // namespace varn
