#include "platform/ImageLoader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/Backend.h"
#include "platform/BmpWriter.h"
#include "platform/HeadlessBackend.h"
#include "platform/ImageFixtures.h"
#include "support/TempDir.h"

namespace {

using platform::TextureImage;

// Red, almost red (red 250: 31 in five bits too), dark red (red 240: 30), white; black, blue.
const std::vector<uint32_t> kColours = {0xFFFF0000, 0xFFFA0000, 0xFFF00000,
                                        0xFFFFFFFF, 0xFF000000, 0xFF0000FF};

bool DecodeTexture(const std::vector<uint8_t>& bytes, uint32_t key, TextureImage& texture) {
    return platform::DecodeTextureImage(bytes.data(), bytes.size(), key, texture);
}

TEST(ImageLoader, ConvertsToA1R5G5B5) {
    TextureImage texture;
    ASSERT_TRUE(DecodeTexture(bmp::MakeBmp24(3, 2, kColours), 0, texture));
    EXPECT_EQ(3, texture.width);
    EXPECT_EQ(2, texture.height);
    EXPECT_EQ((std::vector<uint16_t>{0xFC00, 0xFC00, 0xF800, 0xFFFF, 0x8000, 0x801F}),
              texture.pixels);
}

TEST(ImageLoader, ColourKeyMatchesInFiveBitsPerChannel) {
    TextureImage texture;
    ASSERT_TRUE(DecodeTexture(bmp::MakeBmp24(3, 2, kColours), 0xFFFF0000, texture));
    // Both reds that quantise to 31 are keyed to transparent black; red 240 is not.
    EXPECT_EQ((std::vector<uint16_t>{0x0000, 0x0000, 0xF800, 0xFFFF, 0x8000, 0x801F}),
              texture.pixels);
    ASSERT_TRUE(DecodeTexture(bmp::MakeBmp24(3, 2, kColours), 0xFF000000, texture));
    EXPECT_EQ(0x0000, texture.pixels[4]);
    EXPECT_EQ(0xFC00, texture.pixels[0]);
    // The key's alpha plays no part: 0x00FFFFFF keys white like 0xFFFFFFFF.
    ASSERT_TRUE(DecodeTexture(bmp::MakeBmp24(3, 2, kColours), 0x00FFFFFF, texture));
    EXPECT_EQ(0x0000, texture.pixels[3]);
}

TEST(ImageLoader, FileAlphaBelowHalfIsTransparent) {
    TextureImage texture;
    const std::vector<uint8_t> png = fixtures::ReadImageFile("png-rgba.png");
    platform::ArgbImage expected = fixtures::ExpectedPixels("png-rgba.png");
    ASSERT_TRUE(DecodeTexture(png, 0, texture));
    ASSERT_EQ(expected.pixels.size(), texture.pixels.size());
    for (size_t i = 0; i < expected.pixels.size(); ++i) {
        EXPECT_EQ((expected.pixels[i] >> 24) >= 0x80, (texture.pixels[i] & 0x8000) != 0) << i;
    }
}

TEST(ImageLoader, DetectsTheFormatByContent) {
    TextureImage texture;
    for (const char* name : {"bmp8.bmp", "png-palette.png", "jpeg-progressive.jpg"}) {
        EXPECT_TRUE(DecodeTexture(fixtures::ReadImageFile(name), 0, texture)) << name;
        EXPECT_EQ(13, texture.width);
        EXPECT_EQ(7, texture.height);
    }
    const std::vector<uint8_t> text = {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0};
    EXPECT_FALSE(DecodeTexture(text, 0, texture));
    EXPECT_FALSE(DecodeTexture({}, 0, texture));
}

TEST(ImageLoader, FailureLeavesTheTextureUntouched) {
    TextureImage texture;
    ASSERT_TRUE(DecodeTexture(bmp::MakeBmp24(3, 2, kColours), 0, texture));
    std::vector<uint8_t> truncated = fixtures::ReadImageFile("png-rgb.png");
    truncated.resize(truncated.size() / 2);
    EXPECT_FALSE(DecodeTexture(truncated, 0, texture));
    EXPECT_EQ(3, texture.width);
    EXPECT_EQ(0xFC00, texture.pixels[0]);
}

class ImageLoaderFiles : public testing::Test {
  protected:
    void SetUp() override { platform::Headless()->Reset(); }
    TempWorkingDir folder_;
};

TEST_F(ImageLoaderFiles, LoadsGamePathsAndTracesEveryLoad) {
    std::filesystem::create_directories("Art/Items");
    bmp::WriteFile("Art/Items/Ring.bmp", bmp::MakeBmp24(3, 2, kColours));
    TextureImage texture;
    EXPECT_TRUE(platform::LoadTextureImage("ART\\items\\ring.BMP", 0xFFFF0000, texture));
    EXPECT_EQ(0x0000, texture.pixels[0]);
    EXPECT_FALSE(platform::LoadTextureImage("Art\\Missing.bmp", 0, texture));
    EXPECT_EQ((std::vector<std::string>{"texture.Load(ART\\items\\ring.BMP, 0xFFFF0000)",
                                        "texture.Load(Art\\Missing.bmp, 0x00000000)"}),
              platform::Headless()->log);
}

}  // namespace
