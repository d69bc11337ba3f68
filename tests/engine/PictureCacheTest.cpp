#include "engine/PictureCache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "DrawingDevice.h"
#include "engine/DeviceConstants.h"
#include "engine/Texture.h"
#include "platform/BmpWriter.h"
#include "platform/ImageLoader.h"
#include "support/TempDir.h"

namespace varn {

namespace {

class PictureCacheTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        std::vector<uint32_t> pixels;
        for (int i = 0; i < 24 * 10; ++i) {
            // The key colour among others.
            pixels.push_back(i % 5 == 0 ? 0xFFFF00FFu
                                        : 0xFF000000u | static_cast<uint32_t>(i * 9001));
        }
        bytes_ = bmp::MakeBmp24(24, 10, pixels);
        bmp::WriteFile("Art.bmp", bytes_);
    }

    int Load(Texture& texture, const char* path, uint32_t key = 0xFFFF00FF) {
        return texture.Load(&device, path, key, D3DFMT_A1R5G5B5);
    }

    TempWorkingDir folder_;
    std::vector<uint8_t> bytes_;
};

TEST_F(PictureCacheTest, ALoadedAgainPictureIsTheFirstDecodingWithoutReadingTheFile) {
    Texture first;
    Texture again;
    Texture otherKey;
    ASSERT_EQ(1, Load(first, "Art.bmp"));
    platform::Headless()->filesAsked.clear();
    platform::Headless()->log.clear();
    ASSERT_EQ(1, Load(again, "Art.bmp"));
    EXPECT_EQ(first.texture, again.texture);
    EXPECT_TRUE(platform::Headless()->filesAsked.empty()) << "the file was read again";
    EXPECT_EQ(platform::Headless()->log,
              std::vector<std::string>{"texture.Load(Art.bmp, 0xFFFF00FF)"});

    platform::TextureImage fresh;
    ASSERT_TRUE(platform::DecodeTextureImage(bytes_.data(), bytes_.size(), 0xFFFF00FF, fresh));
    EXPECT_EQ(again.texture->width, fresh.width);
    EXPECT_EQ(again.texture->height, fresh.height);
    EXPECT_EQ(again.texture->pixels, fresh.pixels);

    // Another key is another picture: the keyed pixels differ.
    ASSERT_EQ(1, Load(otherKey, "Art.bmp", 0));
    EXPECT_NE(otherKey.texture, first.texture);
    EXPECT_NE(otherKey.texture->pixels, first.texture->pixels);
}

TEST_F(PictureCacheTest, AMissingFileIsLookedForAgainAndPicturesGoWithTheDevice) {
    Texture texture;
    EXPECT_EQ(0, Load(texture, "Later.bmp"));
    bmp::WriteFile("Later.bmp", bytes_);
    ASSERT_EQ(1, Load(texture, "Later.bmp"));
    EXPECT_EQ(device.pictures.Count(), 1u);

    const std::weak_ptr<const platform::TextureImage> decoded = texture.texture;
    device.Release();
    EXPECT_EQ(device.pictures.Count(), 0u);
    EXPECT_FALSE(decoded.expired()) << "the texture still holds its pixels";
    texture.Release();
    EXPECT_TRUE(decoded.expired()) << "the pixels are freed with the last holder";
}

}  // namespace

}  // namespace varn
