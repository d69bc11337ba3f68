#include "engine/Font.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrawingDevice.h"

namespace varn {

namespace {

constexpr uint32_t kText = 0xFF82E682;
const char* const kLongLine = "A long line of text that runs on across most of the screen";

class FontTest : public DrawingDeviceTest {
  protected:
    Font font;
};

}  // namespace

TEST_F(FontTest, WithoutAFaceOrDeviceNothingIsDrawn) {
    EXPECT_EQ(font.Create(nullptr, "Arial", 16, 0, 0, 0, 0) +
                  font.Create(&device, nullptr, 16, 0, 0, 0, 0),
              0);
    EXPECT_EQ(font.Create(&device, "No Such Face Anywhere", 16, 0, 0, 0, 0), 0);
    EXPECT_EQ(font.DrawText("Hidden", 10, 10, 200, 30, kText, 0), 0);
    // Face names longer than 31 characters do not reach the font lookup.
    platform::Headless()->log.clear();
    EXPECT_EQ(font.Create(&device, std::string(32, 'x').c_str(), 16, 0, 0, 0, 0), 0);
    EXPECT_TRUE(platform::Headless()->log.empty());
    EXPECT_EQ(Count(0, 0, 800, 600), 0);
    ASSERT_EQ(font.Create(&device, "Arial", 16, 0, 0, 0, 0), 1);
    device.Release();
    EXPECT_EQ(font.DrawText("Gone", 10, 10, 100, 30, kText, 0), 0);
}

TEST_F(FontTest, TextIsDrawnInItsColourInsideItsRectangle) {
    ASSERT_EQ(font.Create(&device, "Arial", 22, 0, 0, 0, 0), 1);
    EXPECT_EQ(font.DrawText(kLongLine, 100, 200, 150, 30, kText, 0), 1);
    EXPECT_EQ(Count(0, 0, 800, 600), Count(100, 200, 250, 230));
    EXPECT_GT(Count(100, 200, 250, 230, platform::ToR5G6B5(kText)), 30);
    // Width and height 0 draw the whole string; an empty string draws nothing.
    device.Clear(0xFF000000);
    EXPECT_EQ(font.DrawText(kLongLine, 0, 570, 0, 0, kText, 0), 1);
    EXPECT_GT(Count(501, 570, 800, 600), 0);
    EXPECT_EQ(font.DrawText("", 10, 10, 100, 30, kText, 0), 1);
    EXPECT_EQ(font.DrawText("Edge", INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, kText, 0), 1);
    EXPECT_EQ(font.DrawText("Edge", INT32_MAX - 10, INT32_MAX - 10, 0, 0, kText, 0), 1);
    EXPECT_EQ(Count(0, 0, 800, 570), 0);
}

TEST_F(FontTest, OnlyBoldOneIsBold) {
    std::vector<std::vector<uint16_t>> drawn;
    for (int bold : {0, 2, 1}) {
        ASSERT_EQ(font.Create(&device, "Arial", 22, bold, 0, 0, 0), 1);
        device.Clear(0xFF000000);
        font.DrawText("Weight", 0, 0, 200, 30, kText, 0);
        drawn.push_back(backBuffer().pixels);
    }
    EXPECT_EQ(drawn[1], drawn[0]);
    EXPECT_NE(drawn[2], drawn[0]);
}

TEST_F(FontTest, KeptTextsAreToldWithTheBoxTheirPixelsTake) {
    platform::HeadlessBackend& backend = *platform::Headless();
    ASSERT_EQ(font.Create(&device, "Arial", 22, 0, 0, 0, 0), 1);
    font.DrawText("Unkept", 10, 10, 200, 30, kText, 0);
    EXPECT_TRUE(backend.drawingTexts.empty());

    backend.recordTexts = true;
    device.Clear(0xFF000000);
    font.DrawText("   ", 10, 10, 200, 30, kText, 0);  // no pixels: nothing to read
    font.DrawText("Gold", 100, 200, 150, 30, kText, 0);
    font.DrawText(kLongLine, 100, 300, 150, 30, kText, 0);
    ASSERT_EQ(backend.drawingTexts.size(), 2u);
    const auto& gold = backend.drawingTexts[0];
    EXPECT_EQ(gold.text, "Gold");
    EXPECT_EQ(gold.colour, kText);
    EXPECT_EQ(std::vector<int32_t>({gold.requested.left, gold.requested.top, gold.requested.right,
                                    gold.requested.bottom}),
              std::vector<int32_t>({100, 200, 250, 230}));
    // The box holds every drawn pixel and is no wider than they are.
    const platform::Rect box = gold.drawn;
    EXPECT_EQ(Count(box.left, box.top, box.right, box.bottom), Count(0, 0, 800, 250));
    EXPECT_GT(Count(box.left, box.top, box.left + 1, box.bottom), 0);
    EXPECT_GT(Count(box.right - 1, box.top, box.right, box.bottom), 0);
    // A clipped text is told with the whole box it would take.
    EXPECT_GT(backend.drawingTexts[1].drawn.right, 400);
    EXPECT_EQ(backend.drawingTexts[1].requested.right, 250);

    device.Present();
    EXPECT_TRUE(backend.drawingTexts.empty());
    EXPECT_EQ(backend.presentedTexts.size(), 2u);
}

}  // namespace varn
