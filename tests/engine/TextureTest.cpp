#include "engine/Texture.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "DrawingDevice.h"
#include "engine/DeviceConstants.h"
#include "platform/BmpWriter.h"
#include "support/TempDir.h"

namespace varn {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFF;

class TextureTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        DrawingDeviceTest::SetUp();
        // Four columns, three rows: red, green, blue, white.
        const uint32_t row[] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, kWhite};
        std::vector<uint32_t> pixels;
        for (int y = 0; y < 3; ++y) {
            pixels.insert(pixels.end(), row, row + 4);
        }
        bmp::WriteFile("Colours.bmp", bmp::MakeBmp24(4, 3, pixels));
    }

    TempWorkingDir folder_;
    Texture texture_;
};

TEST_F(TextureTest, DrawsTheSourceRectangleAtItsPlace) {
    ASSERT_EQ(1, texture_.Load(&device, "colours.BMP", 0xFF0000FF, D3DFMT_A1R5G5B5));
    EXPECT_EQ(std::make_pair(4, 3), std::make_pair(texture_.QueryWidth(), texture_.QueryHeight()));
    device.SetAlphaTest(1);
    // Width and height 0 mean the whole texture.
    EXPECT_EQ(1, texture_.Draw(10, 5, 0, 0, 0, 0, 1.0f, 1.0f, kWhite));
    EXPECT_EQ(0xF800, PixelAt(10, 5));
    EXPECT_EQ(0x07E0, PixelAt(11, 7));
    EXPECT_EQ(0x0000, PixelAt(12, 5));  // blue was keyed
    EXPECT_EQ(0xFFFF, PixelAt(13, 7));
    EXPECT_EQ(0x0000, PixelAt(14, 5));
    // Column 1 of rows 1 and 2 alone.
    EXPECT_EQ(1, texture_.Draw(30, 20, 1, 1, 1, 2, 1.0f, 1.0f, kWhite));
    EXPECT_EQ(0x07E0, PixelAt(30, 21));
    EXPECT_EQ(0x0000, PixelAt(31, 20) + PixelAt(30, 22));
}

TEST_F(TextureTest, AFailedLoadOrAnAbsurdRectangleDrawsNothing) {
    ASSERT_EQ(1, texture_.Load(&device, "Colours.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(1, texture_.Draw(0, 0, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, 1, 1, kWhite));
    EXPECT_EQ(1, texture_.Draw(0, 0, INT32_MIN, INT32_MIN, -5, INT32_MIN, 1, 1, kWhite));
    EXPECT_EQ(0, texture_.Load(&device, "Missing.bmp", 0, D3DFMT_A1R5G5B5));
    EXPECT_EQ(0, texture_.Draw(0, 0, 0, 0, 0, 0, 1.0f, 1.0f, kWhite));
    EXPECT_EQ(Count(0, 0, 800, 600), 0);
}

}  // namespace

}  // namespace varn
