#include "engine/SpriteSet.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "DrawingDevice.h"
#include "engine/DeviceConstants.h"
#include "platform/BmpWriter.h"
#include "support/TempDir.h"

namespace varn {

namespace {

constexpr uint32_t kBackground = 0xFF000400;  // 0x0020 on screen: a green no picture here has

// An opaque colour of its own for every pixel that survives the texture exactly: five bits a
// channel, green below half so that its sixth bit on screen is 0.
uint32_t Distinct(int x, int y) {
    return 0xFF000000u | static_cast<uint32_t>((x % 32) * 8) << 16 |
           static_cast<uint32_t>((x / 32 + y / 32) * 8) << 8 | static_cast<uint32_t>((y % 32) * 8);
}

class SpriteSetTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        ASSERT_EQ(1, sprites_.Init(&device, 2));
        for (auto [name, width, height] :
             {std::tuple("Sheet.bmp", 320, 128), {"Small.bmp", 100, 40}}) {
            std::vector<uint32_t> pixels;
            for (int i = 0; i < width * height; ++i) {
                pixels.push_back(Distinct(i % width, i / width));
            }
            bmp::WriteFile(name, bmp::MakeBmp24(width, height, pixels));
        }
        device.Clear(kBackground);
    }

    int Load(int32_t slot, const char* file, int32_t frameWidth, int32_t frameHeight) {
        return sprites_.Load(slot, file, frameWidth, frameHeight, 0, D3DFMT_A1R5G5B5);
    }
    int Draw(int32_t slot, int32_t frame, int x = 0, int y = 0, uint32_t colour = 0xFFFFFFFF) {
        return sprites_.Draw(slot, frame, x, y, colour, 1.0f, 1.0f);
    }
    int Drawn() { return 800 * 600 - Count(0, 0, 800, 600, 0x0020); }

    TempWorkingDir folder_;
    SpriteSet sprites_;
};

TEST_F(SpriteSetTest, FramesAreCutInRowsFromTheTopLeftAndReloadingASlotLeavesTheOther) {
    struct Case {
        const char* file;
        int frameWidth, frameHeight, width, height, perRow, frame, left, top;
    };
    const Case cases[] = {
        {"Sheet.bmp", 64, 64, 64, 64, 5, 7, 128, 64},  // 320 wide: five a row
        {"Small.bmp", 0, 0, 100, 40, 1, 0, 0, 0},      // size 0: the whole texture
        {"Small.bmp", 30, 20, 30, 20, 3, 2, 60, 0},    // 100 wide: the last ten columns unused
        {"Small.bmp", 30, 20, 30, 20, 3, 3, 0, 20},
    };
    ASSERT_EQ(1, Load(0, "Sheet.bmp", 64, 64));
    const platform::TextureImage* other = sprites_.slots[0].texture.texture.get();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " frame " + std::to_string(c.frame));
        device.Clear(kBackground);
        ASSERT_EQ(1, Load(1, c.file, c.frameWidth, c.frameHeight));
        EXPECT_EQ(c.width, sprites_.slots[1].frameWidth);
        EXPECT_EQ(c.height, sprites_.slots[1].frameHeight);
        EXPECT_EQ(c.perRow, sprites_.slots[1].framesPerRow);
        // The colour is never passed on: a tinted, half-transparent draw is exact.
        EXPECT_EQ(1, Draw(1, c.frame, 10, 20, 0x80204060));
        EXPECT_EQ(c.width * c.height, Drawn());
        EXPECT_EQ(platform::ToR5G6B5(Distinct(c.left, c.top)), PixelAt(10, 20));
        EXPECT_EQ(platform::ToR5G6B5(Distinct(c.left + c.width - 1, c.top + c.height - 1)),
                  PixelAt(9 + c.width, 19 + c.height));
    }
    EXPECT_EQ(other, sprites_.slots[0].texture.texture.get());
    EXPECT_EQ(5, sprites_.slots[0].framesPerRow);
}

TEST_F(SpriteSetTest, BadSlotsFramesFrameSizesAndPicturesDrawNothing) {
    SpriteSet empty;
    EXPECT_EQ(0, empty.Init(nullptr, 3) + empty.Init(&device, 0) + empty.Init(&device, -4));
    ASSERT_EQ(1, Load(0, "Sheet.bmp", 64, 64));
    for (int32_t slot : {-1, 2, INT_MIN, INT_MAX}) {
        EXPECT_EQ(0, Load(slot, "Sheet.bmp", 64, 64) + sprites_.ReleaseSlot(slot) + Draw(slot, 0))
            << slot;
    }
    for (int32_t frame : {10, INT_MAX, -1, INT_MIN}) {
        Draw(0, frame);
    }
    // A frame wider than its texture gives no frames a row, and nothing divides by that.
    ASSERT_EQ(1, Load(1, "Small.bmp", 128, 40));
    EXPECT_EQ(0, sprites_.slots[1].framesPerRow);
    EXPECT_EQ(0, Draw(1, 0) + Draw(1, 5));
    // A failed load empties the slot but keeps its frames.
    EXPECT_EQ(0, Load(1, "Missing.bmp", 16, 16));
    EXPECT_EQ(128, sprites_.slots[1].frameWidth);
    EXPECT_EQ(0, Draw(1, 0));
    sprites_.Free();
    sprites_.Free();
    EXPECT_EQ(0, Draw(0, 0));
    EXPECT_EQ(0, Drawn());
}

}  // namespace

}  // namespace varn
