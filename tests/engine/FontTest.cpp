#include "engine/Font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "DrawingDevice.h"
#include "platform/HeadlessBackend.h"

namespace {

constexpr uint32_t kText = 0xFFE6E6E6;
constexpr uint32_t kTitle = 0xFF82E682;

class FontTest : public DrawingDeviceTest {
  protected:
    void SetUp() override {
        platform::Headless()->Reset();
        DrawingDeviceTest::SetUp();
        device.Clear(0xFF000000, 1.0f);
    }

    int LitPixels() {
        return static_cast<int>(std::count_if(backBuffer().pixels.begin(),
                                              backBuffer().pixels.end(),
                                              [](uint16_t pixel) { return pixel != 0; }));
    }

    // The right-most column that holds a lit pixel, or -1.
    int RightmostLitColumn() {
        for (int x = backBuffer().width - 1; x >= 0; --x) {
            for (int y = 0; y < backBuffer().height; ++y) {
                if (PixelAt(x, y) != 0) {
                    return x;
                }
            }
        }
        return -1;
    }

    Font font;
};

const char* const kLongLine =
    "A long line of text that runs on across most of the screen from its left edge";

}  // namespace

TEST_F(FontTest, TheGameFontIsCreatedAndTraced) {
    EXPECT_EQ(font.Create(&device, "Arial", 16, 0, 0, 0, 0), 1);
    EXPECT_EQ(font.Begin(), 1);
    EXPECT_EQ(platform::Headless()->log.back(), "font.Create(Arial, 16)");
    EXPECT_EQ(font.End(), 1);
    EXPECT_EQ(font.Release(), 1);
    EXPECT_EQ(font.font, nullptr);
    EXPECT_EQ(font.Release(), 1);
}

TEST_F(FontTest, WithoutAFontNothingIsDrawn) {
    GraphicsDevice noDevice;
    EXPECT_EQ(font.Create(nullptr, "Arial", 16, 0, 0, 0, 0), 0);
    EXPECT_EQ(font.Create(&device, nullptr, 16, 0, 0, 0, 0), 0);
    EXPECT_EQ(font.Create(&noDevice, "Arial", 16, 0, 0, 0, 0), 0);
    EXPECT_EQ(font.Create(&device, "No Such Face Anywhere", 16, 0, 0, 0, 0), 0);
    EXPECT_EQ(font.font, nullptr);
    EXPECT_EQ(font.Begin(), 0);
    EXPECT_EQ(font.DrawText("Hidden", 10, 10, 200, 30, kText, 0), 0);
    EXPECT_EQ(font.End(), 0);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(FontTest, FaceNamesLongerThan31CharactersAreRefused) {
    const std::string longest(31, 'x');
    platform::Headless()->log.clear();
    EXPECT_EQ(font.Create(&device, (longest + "x").c_str(), 16, 0, 0, 0, 0), 0);
    EXPECT_TRUE(platform::Headless()->log.empty());
    // 31 characters reach the font lookup (which finds no such face).
    EXPECT_EQ(font.Create(&device, longest.c_str(), 16, 0, 0, 0, 0), 0);
    EXPECT_EQ(platform::Headless()->log.size(), 1u);
}

TEST_F(FontTest, TextIsDrawnInItsColourInsideItsRectangle) {
    ASSERT_EQ(font.Create(&device, "Arial", 22, 0, 0, 0, 0), 1);
    EXPECT_EQ(font.DrawText(kLongLine, 100, 200, 150, 30, kTitle, 0), 1);
    const uint16_t green = platform::ToR5G6B5(kTitle);
    int inColour = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 800; ++x) {
            const uint16_t pixel = PixelAt(x, y);
            if (pixel == 0) {
                continue;
            }
            ASSERT_TRUE(x >= 100 && x < 250 && y >= 200 && y < 230) << x << "," << y;
            inColour += pixel == green;
        }
    }
    EXPECT_GT(inColour, 30);
}

TEST_F(FontTest, ZeroWidthAndHeightDrawTheWholeString) {
    ASSERT_EQ(font.Create(&device, "Arial", 22, 0, 0, 0, 0), 1);
    EXPECT_EQ(font.DrawText(kLongLine, 0, 500, 0, 0, kText, 0), 1);
    const int unclipped = RightmostLitColumn();
    EXPECT_GT(unclipped, 500);
    device.Clear(0xFF000000, 1.0f);
    font.DrawText(kLongLine, 0, 500, 100, 0, kText, 0);
    EXPECT_LT(RightmostLitColumn(), 100);
    // Text below the rectangle's top still shows with a zero height.
    device.Clear(0xFF000000, 1.0f);
    font.DrawText("Low", 0, 590, 0, 0, kText, 0);
    EXPECT_GT(LitPixels(), 0);
}

TEST_F(FontTest, AnEmptyStringDrawsNothingAndSucceeds) {
    ASSERT_EQ(font.Create(&device, "Arial", 16, 0, 0, 0, 0), 1);
    EXPECT_EQ(font.DrawText("", 10, 10, 100, 30, kText, 0), 1);
    EXPECT_EQ(LitPixels(), 0);
    EXPECT_EQ(font.DrawText(nullptr, 10, 10, 100, 30, kText, 0), 0);
}

TEST_F(FontTest, OnlyBoldOneIsBold) {
    Font regular;
    Font boldTwo;
    ASSERT_EQ(regular.Create(&device, "Arial", 22, 0, 0, 0, 0), 1);
    ASSERT_EQ(boldTwo.Create(&device, "Arial", 22, 2, 0, 0, 0), 1);
    ASSERT_EQ(font.Create(&device, "Arial", 22, 1, 0, 0, 0), 1);
    regular.DrawText("Weight", 0, 0, 200, 30, kText, 0);
    boldTwo.DrawText("Weight", 0, 40, 200, 30, kText, 0);
    font.DrawText("Weight", 0, 80, 200, 30, kText, 0);
    auto band = [&](int top) {
        std::vector<uint16_t> pixels;
        for (int y = top; y < top + 30; ++y) {
            pixels.insert(pixels.end(), backBuffer().Row(y), backBuffer().Row(y) + 200);
        }
        return pixels;
    };
    EXPECT_EQ(band(40), band(0));
    EXPECT_NE(band(80), band(0));
}

TEST_F(FontTest, RectanglesReachingPastTheIntegerRangeAreSafe) {
    ASSERT_EQ(font.Create(&device, "Arial", 16, 0, 0, 0, 0), 1);
    EXPECT_EQ(font.DrawText("Edge", INT32_MAX - 10, INT32_MAX - 10, 0, 0, kText, 0), 1);
    EXPECT_EQ(font.DrawText("Edge", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, kText, 0), 1);
    EXPECT_EQ(font.DrawText("Edge", -5, -5, -10, -10, kText, 0), 1);
    EXPECT_EQ(LitPixels(), 0);
}

TEST_F(FontTest, AFontOutlivingItsDeviceDrawsNothing) {
    ASSERT_EQ(font.Create(&device, "Arial", 16, 0, 0, 0, 0), 1);
    device.Release();
    EXPECT_EQ(font.DrawText("Gone", 10, 10, 100, 30, kText, 0), 0);
}
