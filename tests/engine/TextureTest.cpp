#include "engine/Texture.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/DeviceConstants.h"
#include "engine/GraphicsDevice.h"
#include "platform/BmpWriter.h"
#include "platform/HeadlessBackend.h"
#include "support/TempDir.h"

namespace {

class TextureTest : public testing::Test {
  protected:
    void SetUp() override {
        platform::Headless()->Reset();
        graphics_.CreateD3D();
        ASSERT_EQ(1, graphics_.CreateDevice(&window_, 0, 0, 64, 48, 16));
        // Four columns: red, green, blue, white; three rows.
        std::vector<uint32_t> pixels;
        for (int i = 0; i < 12; ++i) {
            const uint32_t colours[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
            pixels.push_back(colours[i % 4]);
        }
        bmp::WriteFile("Colours.bmp", bmp::MakeBmp24(4, 3, pixels));
    }
    void TearDown() override { platform::Headless()->Reset(); }

    uint16_t At(int x, int y) const { return graphics_.GetDevice()->backBuffer().Row(y)[x]; }

    TempWorkingDir folder_;
    int window_ = 0;
    GraphicsDevice graphics_;
    Texture texture_;
};

TEST_F(TextureTest, LoadKeepsTheFilesSize) {
    ASSERT_EQ(1, texture_.Load(&graphics_, "colours.BMP", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(&graphics_, texture_.device);
    EXPECT_EQ(4, texture_.width);
    EXPECT_EQ(3, texture_.height);
    EXPECT_EQ(4, texture_.QueryWidth());
    EXPECT_EQ(3, texture_.QueryHeight());
}

TEST_F(TextureTest, LoadFailures) {
    EXPECT_EQ(0, texture_.Load(nullptr, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    GraphicsDevice noDevice;
    EXPECT_EQ(0, texture_.Load(&noDevice, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(&noDevice, texture_.device);  // stored before the checks
    EXPECT_EQ(0, texture_.Load(&graphics_, nullptr, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, texture_.Load(&graphics_, "Missing.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, texture_.Load(&graphics_, "Colours.bmp", 0, D3DFMT_R5G6B5));
    EXPECT_EQ(nullptr, texture_.texture);
    EXPECT_EQ(0, texture_.QueryWidth());
}

TEST_F(TextureTest, LoadReleasesTheOldTextureFirst) {
    ASSERT_EQ(1, texture_.Load(&graphics_, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, texture_.Load(&graphics_, "Missing.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(nullptr, texture_.texture);
    EXPECT_EQ(0, texture_.width);
}

TEST_F(TextureTest, ReleaseClearsEveryField) {
    ASSERT_EQ(1, texture_.Load(&graphics_, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, texture_.Release());
    EXPECT_EQ(nullptr, texture_.device);
    EXPECT_EQ(nullptr, texture_.texture);
    EXPECT_EQ(0, texture_.width);
    EXPECT_EQ(0, texture_.height);
    EXPECT_EQ(1, texture_.Release());
}

TEST_F(TextureTest, DrawsTheSourceRectangleAtItsPlace) {
    ASSERT_EQ(1, texture_.Load(&graphics_, "Colours.bmp", 0xFF0000FF, D3DFMT_A1R5G5B5));
    graphics_.SetAlphaTest(1);
    graphics_.Clear(0, 1.0f);
    // Width and height 0 mean the whole texture.
    EXPECT_EQ(1, texture_.Draw(10, 5, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF));
    EXPECT_EQ(0xF800, At(10, 5));
    EXPECT_EQ(0x07E0, At(11, 7));
    EXPECT_EQ(0x0000, At(12, 5));  // blue was keyed
    EXPECT_EQ(0xFFFF, At(13, 7));
    EXPECT_EQ(0x0000, At(14, 5));
    // Columns 1 and 2 of row 1, twice their size: green, then green mixed a quarter toward the
    // keyed blue's transparent black, then the reverse, which the alpha test still lets through.
    EXPECT_EQ(1, texture_.Draw(30, 20, 1, 1, 2, 1, 2.0f, 2.0f, 0xFFFFFFFF));
    EXPECT_EQ(0x07E0, At(30, 20));
    EXPECT_EQ(47 << 5, At(31, 21));
    EXPECT_EQ(16 << 5, At(32, 21));
    EXPECT_EQ(0x0000, At(33, 21));
    EXPECT_EQ(0x0000, At(30, 22));
}

TEST_F(TextureTest, DrawNeedsTextureDeviceAndSprite) {
    EXPECT_EQ(0, texture_.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF));
    ASSERT_EQ(1, texture_.Load(&graphics_, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    graphics_.Release();
    EXPECT_EQ(0, texture_.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, 0xFFFFFFFF));
}

TEST_F(TextureTest, SourceRectangleArithmeticNeverOverflows) {
    ASSERT_EQ(1, texture_.Load(&graphics_, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    graphics_.Clear(0, 1.0f);
    EXPECT_EQ(1, texture_.Draw(0, 0, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 1, 1, 0xFFFFFFFF));
    EXPECT_EQ(1, texture_.Draw(0, 0, INT32_MIN, INT32_MIN, -5, INT32_MIN, 1, 1, 0xFFFFFFFF));
    for (uint16_t pixel : graphics_.GetDevice()->backBuffer().pixels) {
        ASSERT_EQ(0, pixel);
    }
}

}  // namespace
