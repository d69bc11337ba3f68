#include "engine/SpriteSet.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "engine/DeviceConstants.h"
#include "engine/GraphicsDevice.h"
#include "platform/BmpWriter.h"
#include "platform/HeadlessBackend.h"
#include "support/TempDir.h"

namespace {

constexpr uint16_t kBackground = 0x001F;  // pure blue: no picture of these tests has it

// An opaque colour of its own for every pixel (five bits per channel, so it survives the texture
// exactly): red from x, green from y, blue from both.
uint32_t Distinct(int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>((x % 32) * 8) << 16 |
           static_cast<uint32_t>((y % 32) * 8) << 8 |
           static_cast<uint32_t>(((x / 32 + y / 32) % 32) * 8);
}

uint16_t OnScreen(uint32_t argb) {
    return platform::ToR5G6B5(argb) | ((argb >> 10) & 0x20);  // green's low bit repeats its top
}

void WritePicture(const char* path, int width, int height) {
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            pixels.push_back(Distinct(x, y));
        }
    }
    bmp::WriteFile(path, bmp::MakeBmp24(width, height, pixels));
}

class SpriteSetTest : public testing::Test {
  protected:
    void SetUp() override {
        platform::Headless()->Reset();
        graphics_.CreateD3D();
        ASSERT_EQ(1, graphics_.CreateDevice(&window_, 0, 0, 400, 300, 16));
        ASSERT_EQ(1, sprites_.Init(&graphics_, 2));
        ASSERT_EQ(1, sprites_.SetAlphaTest(1));
        WritePicture("Sheet.bmp", 320, 128);
        WritePicture("Small.bmp", 100, 40);
        ClearScreen();
    }
    void TearDown() override { platform::Headless()->Reset(); }

    void ClearScreen() {
        std::vector<uint16_t>& pixels = graphics_.GetDevice()->backBuffer().pixels;
        std::fill(pixels.begin(), pixels.end(), kBackground);
    }
    uint16_t At(int x, int y) const { return graphics_.GetDevice()->backBuffer().Row(y)[x]; }
    int Drawn() const {
        int count = 0;
        for (uint16_t pixel : graphics_.GetDevice()->backBuffer().pixels) {
            count += pixel != kBackground;
        }
        return count;
    }

    TempWorkingDir folder_;
    int window_ = 0;
    GraphicsDevice graphics_;
    SpriteSet sprites_;
};

TEST_F(SpriteSetTest, InitNeedsADeviceAndSlots) {
    SpriteSet set;
    EXPECT_EQ(0, set.Init(nullptr, 3));
    EXPECT_EQ(nullptr, set.textures);
    EXPECT_EQ(0, set.Init(&graphics_, 0));
    EXPECT_EQ(&graphics_, set.device);
    EXPECT_EQ(nullptr, set.textures);
    EXPECT_EQ(0, set.Init(&graphics_, -4));
    EXPECT_EQ(0, set.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, set.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1, 1));
    ASSERT_EQ(1, set.Init(&graphics_, 255));
    EXPECT_EQ(255, set.count);
    EXPECT_EQ(0, set.frameWidth[254]);
    EXPECT_EQ(0, set.framesPerRow[254]);
}

TEST_F(SpriteSetTest, FramesAreLaidOutInRows) {
    // 320 wide with 64-pixel frames: 5 a row; frame 7 comes from (128, 64).
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0xFF000000, D3DFMT_A1R5G5B5));
    EXPECT_EQ(64, sprites_.frameWidth[0]);
    EXPECT_EQ(64, sprites_.frameHeight[0]);
    EXPECT_EQ(5, sprites_.framesPerRow[0]);
    EXPECT_EQ(1, sprites_.Draw(0, 7, 10, 20, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(64 * 64, Drawn());
    EXPECT_EQ(OnScreen(Distinct(128, 64)), At(10, 20));
    EXPECT_EQ(OnScreen(Distinct(191, 127)), At(73, 83));
    EXPECT_EQ(std::vector<std::string>{"texture.Load(Sheet.bmp, 0xFF000000)"},
              std::vector<std::string>(platform::Headless()->log.end() - 1,
                                       platform::Headless()->log.end()));
}

TEST_F(SpriteSetTest, FrameSizeZeroIsTheWholeTexture) {
    ASSERT_EQ(1, sprites_.Load(1, "Small.bmp", 0, 0, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(100, sprites_.frameWidth[1]);
    EXPECT_EQ(40, sprites_.frameHeight[1]);
    EXPECT_EQ(1, sprites_.framesPerRow[1]);
    EXPECT_EQ(1, sprites_.Draw(1, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(100 * 40, Drawn());
}

TEST_F(SpriteSetTest, RemainderOfARowIsNeverDrawn) {
    // 100 wide with 30-pixel frames: three a row, the last ten columns unused.
    ASSERT_EQ(1, sprites_.Load(1, "Small.bmp", 30, 20, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(3, sprites_.framesPerRow[1]);
    EXPECT_EQ(1, sprites_.Draw(1, 3, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(OnScreen(Distinct(0, 20)), At(0, 0));
    ClearScreen();
    EXPECT_EQ(1, sprites_.Draw(1, 2, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(OnScreen(Distinct(89, 19)), At(29, 19));
    EXPECT_EQ(30 * 20, Drawn());
}

TEST_F(SpriteSetTest, FrameWiderThanTheTextureDrawsNothing) {
    ASSERT_EQ(1, sprites_.Load(1, "Small.bmp", 128, 40, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, sprites_.framesPerRow[1]);
    EXPECT_EQ(0, sprites_.Draw(1, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(0, sprites_.Draw(1, 5, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(0, Drawn());
}

TEST_F(SpriteSetTest, ColourIsNeverPassedOn) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, sprites_.Draw(0, 0, 0, 0, 0x80FFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(1, sprites_.Draw(0, 0, 100, 0, 0xFF204060, 1.0f, 1.0f));
    EXPECT_EQ(1, sprites_.Draw(0, 0, 200, 0, 0x00000000, 1.0f, 1.0f));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            ASSERT_EQ(OnScreen(Distinct(x, y)), At(x, y));
            ASSERT_EQ(At(x, y), At(100 + x, y));
            ASSERT_EQ(At(x, y), At(200 + x, y));
        }
    }
}

TEST_F(SpriteSetTest, ScaledFrameCoversItsScaledSize) {
    // 0.8 x 0.6 of a 64 x 64 frame covers 51.2 x 38.4 pixels.
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, sprites_.Draw(0, 3, 30, 40, 0xFFFFFFFF, 0.8f, 0.6f));
    EXPECT_EQ(51 * 38, Drawn());
    EXPECT_NE(kBackground, At(30, 40));
    EXPECT_NE(kBackground, At(80, 77));
    EXPECT_EQ(kBackground, At(81, 77));
    EXPECT_EQ(kBackground, At(80, 78));
}

TEST_F(SpriteSetTest, ColourKeyedPixelsAreDropped) {
    // A frame of black with a red middle, keyed on black.
    std::vector<uint32_t> pixels(16 * 16, 0xFF000000);
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            pixels[y * 16 + x] = 0xFFFF0000;
        }
    }
    bmp::WriteFile("Keyed.bmp", bmp::MakeBmp24(16, 16, pixels));
    ASSERT_EQ(1, sprites_.Load(0, "Keyed.bmp", 16, 16, 0xFF000000, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, sprites_.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(8 * 8, Drawn());
    EXPECT_EQ(0xF800, At(4, 4));
}

TEST_F(SpriteSetTest, ReloadingOneSlotLeavesTheOther) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    ASSERT_EQ(1, sprites_.Load(1, "Sheet.bmp", 32, 32, 0, D3DFMT_A1R5G5B5));
    const platform::TextureImage* first = sprites_.textures[0].texture.get();
    ASSERT_EQ(1, sprites_.Load(1, "Small.bmp", 50, 40, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(first, sprites_.textures[0].texture.get());
    EXPECT_EQ(64, sprites_.frameWidth[0]);
    EXPECT_EQ(100, sprites_.textures[1].width);
    EXPECT_EQ(2, sprites_.framesPerRow[1]);
}

TEST_F(SpriteSetTest, FailedLoadLeavesTheSlotEmptyWithItsOldFrames) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 32, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, sprites_.Load(0, "Missing.bmp", 16, 16, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(nullptr, sprites_.textures[0].texture);
    EXPECT_EQ(64, sprites_.frameWidth[0]);
    EXPECT_EQ(32, sprites_.frameHeight[0]);
    EXPECT_EQ(5, sprites_.framesPerRow[0]);
    EXPECT_EQ(0, sprites_.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    bmp::WriteFile("Broken.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_EQ(0, sprites_.Load(0, "Broken.bmp", 16, 16, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, Drawn());
}

TEST_F(SpriteSetTest, SlotsOutsideTheSetAreRefused) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    for (int32_t slot : {-1, 2, INT_MIN, INT_MAX}) {
        EXPECT_EQ(0, sprites_.Load(slot, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5)) << slot;
        EXPECT_EQ(0, sprites_.ReleaseSlot(slot)) << slot;
        EXPECT_EQ(0, sprites_.Draw(slot, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f)) << slot;
    }
    EXPECT_EQ(0, Drawn());
    EXPECT_NE(nullptr, sprites_.textures[0].texture);
}

TEST_F(SpriteSetTest, FramesBeyondTheSheetDrawNothing) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    for (int32_t frame : {10, 1000, INT_MAX, -1, INT_MIN}) {
        sprites_.Draw(0, frame, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f);
    }
    EXPECT_EQ(0, Drawn());
}

TEST_F(SpriteSetTest, ReleasedSlotDrawsNothingAndKeepsItsFrames) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, sprites_.ReleaseSlot(0));
    EXPECT_EQ(64, sprites_.frameWidth[0]);
    EXPECT_EQ(0, sprites_.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(0, Drawn());
}

TEST_F(SpriteSetTest, FreeEmptiesTheSetAndIsSafeTwice) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, sprites_.Free());
    EXPECT_EQ(nullptr, sprites_.device);
    EXPECT_EQ(0, sprites_.count);
    EXPECT_EQ(nullptr, sprites_.textures);
    EXPECT_EQ(nullptr, sprites_.frameWidth);
    EXPECT_EQ(1, sprites_.Free());
    EXPECT_EQ(0, sprites_.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(0, sprites_.SetAlphaTest(1));
    SpriteSet never;
    EXPECT_EQ(1, never.Free());
}

TEST_F(SpriteSetTest, SetAlphaTestSwitchesTheDevicesTest) {
    EXPECT_TRUE(graphics_.GetDevice()->states().alphaTestEnable);
    EXPECT_EQ(1, sprites_.SetAlphaTest(0));
    EXPECT_FALSE(graphics_.GetDevice()->states().alphaTestEnable);
}

TEST_F(SpriteSetTest, DrawingNeedsTheDevicesSprite) {
    ASSERT_EQ(1, sprites_.Load(0, "Sheet.bmp", 64, 64, 0, D3DFMT_A1R5G5B5));
    graphics_.sprite.reset();
    EXPECT_EQ(0, sprites_.Draw(0, 0, 0, 0, 0xFFFFFFFF, 1.0f, 1.0f));
    EXPECT_EQ(0, Drawn());
}

TEST(DeleteSpriteSet, FreesDeletesAndClearsThePointer) {
    SpriteSet* set = new SpriteSet();
    DeleteSpriteSet(set);
    EXPECT_EQ(nullptr, set);
    DeleteSpriteSet(set);
    EXPECT_EQ(nullptr, set);
}

}  // namespace
