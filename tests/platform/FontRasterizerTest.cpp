#include "platform/FontRasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/HeadlessBackend.h"

namespace {

constexpr uint16_t kBackground = platform::ToR5G6B5(0xFF204060);
constexpr uint32_t kRed = 0xFFFA3232;

platform::BackBuffer FilledBuffer(int width, int height) {
    platform::BackBuffer buffer;
    buffer.Resize(width, height);
    std::fill(buffer.pixels.begin(), buffer.pixels.end(), kBackground);
    return buffer;
}

int ChangedPixels(const platform::BackBuffer& buffer) {
    return static_cast<int>(std::count_if(buffer.pixels.begin(), buffer.pixels.end(),
                                          [](uint16_t pixel) { return pixel != kBackground; }));
}

// Changed pixels that lie outside the rectangle.
int ChangedOutside(const platform::BackBuffer& buffer, const platform::Rect& rect) {
    int count = 0;
    for (int y = 0; y < buffer.height; ++y) {
        for (int x = 0; x < buffer.width; ++x) {
            const bool inside =
                x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
            if (!inside && buffer.Row(y)[x] != kBackground) {
                ++count;
            }
        }
    }
    return count;
}

int LowestChangedRow(const platform::BackBuffer& buffer) {
    for (int y = buffer.height - 1; y >= 0; --y) {
        const uint16_t* row = buffer.Row(y);
        if (std::any_of(row, row + buffer.width, [](uint16_t p) { return p != kBackground; })) {
            return y;
        }
    }
    return -1;
}

class FontRasterizerTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(font.Open("Arial", 16, false, false)); }
    platform::FontRasterizer font;
};

}  // namespace

TEST_F(FontRasterizerTest, TextStaysInsideItsRectangle) {
    platform::BackBuffer buffer = FilledBuffer(200, 80);
    const platform::Rect rect{20, 20, 70, 30};  // narrower and lower than the text
    font.DrawText(buffer, "Wide words overflow the box", rect, kRed);
    EXPECT_GT(ChangedPixels(buffer), 20);
    EXPECT_EQ(ChangedOutside(buffer, rect), 0);
}

TEST_F(FontRasterizerTest, TextStartsAtTheTopLeftCorner) {
    platform::BackBuffer buffer = FilledBuffer(200, 80);
    const platform::Rect rect{30, 25, 200, 80};
    font.DrawText(buffer, "H", rect, kRed);
    int left = buffer.width;
    int top = buffer.height;
    for (int y = 0; y < buffer.height; ++y) {
        for (int x = 0; x < buffer.width; ++x) {
            if (buffer.Row(y)[x] != kBackground) {
                left = std::min(left, x);
                top = std::min(top, y);
            }
        }
    }
    // The capital sits a few pixels in from the corner, below the ascent's spare room.
    EXPECT_GE(left, 30);
    EXPECT_LE(left, 33);
    EXPECT_GE(top, 25);
    EXPECT_LE(top, 29);
}

TEST_F(FontRasterizerTest, ColourIsAppliedAndEdgesMixWithThePixelBelow) {
    platform::FontRasterizer large;
    ASSERT_TRUE(large.Open("Arial", 48, false, false));
    platform::BackBuffer buffer = FilledBuffer(120, 80);
    large.DrawText(buffer, "O", platform::Rect{0, 0, 120, 80}, kRed);
    const uint16_t red = platform::ToR5G6B5(kRed);
    const auto full = std::count(buffer.pixels.begin(), buffer.pixels.end(), red);
    const auto mixed = std::count_if(buffer.pixels.begin(), buffer.pixels.end(),
                                     [&](uint16_t p) { return p != red && p != kBackground; });
    EXPECT_GT(full, 50);
    EXPECT_GT(mixed, 20);  // anti-aliased edges
    // A mixed pixel lies between the background and the colour in every channel.
    for (uint16_t pixel : buffer.pixels) {
        if (pixel != red && pixel != kBackground) {
            const int redChannel = pixel >> 11;
            EXPECT_GE(redChannel, kBackground >> 11);
            EXPECT_LE(redChannel, red >> 11);
        }
    }
}

TEST_F(FontRasterizerTest, ATransparentColourDrawsNothing) {
    platform::BackBuffer buffer = FilledBuffer(100, 40);
    font.DrawText(buffer, "Invisible", platform::Rect{0, 0, 100, 40}, 0x00FFFFFF);
    EXPECT_EQ(ChangedPixels(buffer), 0);
}

TEST_F(FontRasterizerTest, EmptyStringDrawsNothingAndSucceeds) {
    platform::BackBuffer buffer = FilledBuffer(100, 40);
    EXPECT_EQ(font.DrawText(buffer, "", platform::Rect{0, 0, 100, 40}, kRed), 0);
    EXPECT_EQ(ChangedPixels(buffer), 0);
}

TEST_F(FontRasterizerTest, ALineBreakStartsANewLine) {
    platform::BackBuffer oneLine = FilledBuffer(100, 80);
    platform::BackBuffer twoLines = FilledBuffer(100, 80);
    const platform::Rect rect{0, 0, 100, 80};
    EXPECT_EQ(font.DrawText(oneLine, "Ab", rect, kRed), font.LineHeight());
    EXPECT_EQ(font.DrawText(twoLines, "Ab\nAb", rect, kRed), 2 * font.LineHeight());
    EXPECT_EQ(LowestChangedRow(twoLines), LowestChangedRow(oneLine) + font.LineHeight());
    platform::BackBuffer crLf = FilledBuffer(100, 80);
    EXPECT_EQ(font.DrawText(crLf, "Ab\r\nAb", rect, kRed), 2 * font.LineHeight());
    EXPECT_EQ(crLf.pixels, twoLines.pixels);
}

TEST_F(FontRasterizerTest, TextCutByTheBufferEdgesDrawsOnlyTheVisiblePart) {
    platform::BackBuffer buffer = FilledBuffer(40, 20);
    font.DrawText(buffer, "Clipped at every side", platform::Rect{-15, -8, 4000, 4000}, kRed);
    EXPECT_GT(ChangedPixels(buffer), 0);
    platform::BackBuffer untouched = FilledBuffer(40, 20);
    font.DrawText(untouched, "Far away", platform::Rect{500, 500, 600, 600}, kRed);
    font.DrawText(untouched, "Far away", platform::Rect{-600, -600, -500, -500}, kRed);
    EXPECT_EQ(ChangedPixels(untouched), 0);
}

TEST_F(FontRasterizerTest, RepeatedDrawsGiveTheSamePixels) {
    platform::BackBuffer first = FilledBuffer(160, 30);
    platform::BackBuffer second = FilledBuffer(160, 30);
    font.DrawText(first, "Same text twice", platform::Rect{0, 0, 160, 30}, kRed);
    font.DrawText(second, "Same text twice", platform::Rect{0, 0, 160, 30}, kRed);
    EXPECT_EQ(first.pixels, second.pixels);
}

TEST(FontRasterizer, BoldAndItalicChangeTheGlyphs) {
    platform::FontRasterizer regular, bold, italic;
    ASSERT_TRUE(regular.Open("Arial", 24, false, false));
    ASSERT_TRUE(bold.Open("Arial", 24, true, false));
    ASSERT_TRUE(italic.Open("Arial", 24, false, true));
    const platform::Rect rect{0, 0, 300, 40};
    platform::BackBuffer regularText = FilledBuffer(300, 40);
    platform::BackBuffer boldText = FilledBuffer(300, 40);
    platform::BackBuffer italicText = FilledBuffer(300, 40);
    regular.DrawText(regularText, "Illustration", rect, kRed);
    bold.DrawText(boldText, "Illustration", rect, kRed);
    italic.DrawText(italicText, "Illustration", rect, kRed);
    EXPECT_GT(ChangedPixels(boldText), ChangedPixels(regularText) * 5 / 4);
    EXPECT_NE(italicText.pixels, regularText.pixels);
}

TEST(FontRasterizer, AMissingFaceFailsAndDrawsNothing) {
    platform::FontRasterizer font;
    EXPECT_FALSE(font.Open("No Such Face Anywhere", 16, false, false));
    EXPECT_FALSE(font.IsOpen());
    platform::BackBuffer buffer = FilledBuffer(100, 40);
    EXPECT_EQ(font.DrawText(buffer, "Nothing", platform::Rect{0, 0, 100, 40}, kRed), -1);
    EXPECT_EQ(ChangedPixels(buffer), 0);
    EXPECT_FALSE(font.Open(nullptr, 16, false, false));
    EXPECT_FALSE(font.Open("Arial", 0, false, false));
}

TEST(FontRasterizer, AFailedReopenLeavesTheFontClosed) {
    platform::FontRasterizer font;
    ASSERT_TRUE(font.Open("Arial", 16, false, false));
    EXPECT_FALSE(font.Open("No Such Face Anywhere", 16, false, false));
    platform::BackBuffer buffer = FilledBuffer(100, 40);
    EXPECT_EQ(font.DrawText(buffer, "Nothing", platform::Rect{0, 0, 100, 40}, kRed), -1);
}

TEST(FontRasterizer, CreationIsTraced) {
    platform::Headless()->log.clear();
    platform::FontRasterizer font;
    font.Open("Arial", 22, false, false);
    ASSERT_EQ(platform::Headless()->log.size(), 1u);
    EXPECT_EQ(platform::Headless()->log[0], "font.Create(Arial, 22)");
}
