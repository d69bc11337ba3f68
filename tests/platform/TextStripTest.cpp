#include "platform/TextStrip.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace varn {

namespace {

struct Bitmap {
    int width;
    int rows;
    std::vector<uint8_t> coverage;
};

Bitmap MakeBitmap(int width, int rows, int seed) {
    Bitmap bitmap{width, rows, {}};
    for (int i = 0; i < width * rows; ++i) {
        // Empty, partial and full coverage mixed.
        const int value = (i * 37 + seed * 11) % 300;
        bitmap.coverage.push_back(static_cast<uint8_t>(value > 255 ? 0 : value));
    }
    return bitmap;
}

// Glyph by glyph, each clipped to the box: how text was drawn before strips.
void DrawGlyphByGlyph(const std::vector<platform::PlacedGlyph>& glyphs, int64_t x, int64_t y,
                      const platform::PixelBox& box, const platform::TextColour& colour,
                      platform::BackBuffer& target) {
    for (const platform::PlacedGlyph& glyph : glyphs) {
        for (int row = 0; row < glyph.rows; ++row) {
            for (int column = 0; column < glyph.width; ++column) {
                const int64_t px = x + glyph.x + column;
                const int64_t py = y + glyph.y + row;
                if (px >= box.left && px < box.right && py >= box.top && py < box.bottom) {
                    platform::BlendCoverageRow(&glyph.coverage[row * glyph.width + column], 1,
                                               colour, target.Row(static_cast<int>(py)) + px);
                }
            }
        }
    }
}

TEST(TextStripTest, OverlappingGlyphsBlendAsTheyDidOneByOneWhereverClipped) {
    // A glyph reaching back over its neighbour, one overlapping two others, one on a second line,
    // one of no pixels, and a bold colour and a faint one.
    const Bitmap bitmaps[] = {MakeBitmap(6, 9, 1), MakeBitmap(5, 7, 2), MakeBitmap(9, 4, 3),
                              MakeBitmap(4, 8, 4), MakeBitmap(0, 0, 5)};
    const std::vector<platform::PlacedGlyph> glyphs = {
        {0, 2, 6, 9, bitmaps[0].coverage.data()},  {4, 0, 5, 7, bitmaps[1].coverage.data()},
        {2, 3, 9, 4, bitmaps[2].coverage.data()},  {-1, 12, 4, 8, bitmaps[3].coverage.data()},
        {20, 0, 0, 0, bitmaps[4].coverage.data()},
    };
    platform::TextStrip strip(glyphs, 2);
    EXPECT_EQ(strip.lines(), 2);
    const platform::PixelBox boxes[] = {
        {0, 0, 40, 30}, {5, 4, 12, 14}, {0, 0, 8, 3}, {30, 0, 40, 30}};
    for (uint32_t argb : {0xFFF0E0D0u, 0x60102030u}) {
        for (const platform::PixelBox& box : boxes) {
            SCOPED_TRACE(testing::Message() << "box " << box.left << ", " << box.top << " .. "
                                            << box.right << ", " << box.bottom);
            platform::BackBuffer expected;
            expected.Resize(40, 30);
            for (size_t i = 0; i < expected.pixels.size(); ++i) {
                expected.pixels[i] = static_cast<uint16_t>(i * 2654435761u >> 7);
            }
            platform::BackBuffer drawn = expected;
            const platform::TextColour colour = platform::SplitColour(argb);
            DrawGlyphByGlyph(glyphs, 3, 2, box, colour, expected);
            strip.Draw(drawn, 3, 2, box, colour);
            EXPECT_EQ(drawn.pixels, expected.pixels);
        }
    }
}

TEST(TextStripTest, DrawnAgainItBlendsThePixelsNowUnderIt) {
    const Bitmap bitmap = MakeBitmap(12, 8, 6);
    const std::vector<platform::PlacedGlyph> glyphs = {{0, 0, 12, 8, bitmap.coverage.data()},
                                                       {7, 2, 12, 8, bitmap.coverage.data()}};
    platform::TextStrip strip(glyphs, 1);
    platform::BackBuffer background;
    background.Resize(32, 16);
    for (size_t i = 0; i < background.pixels.size(); ++i) {
        background.pixels[i] = static_cast<uint16_t>(i * 40503u);
    }
    const platform::PixelBox whole{0, 0, 32, 16};
    const platform::TextColour white = platform::SplitColour(0xFFFFFFFF);
    struct Draw {
        int64_t x;
        int64_t y;
        platform::PixelBox box;
        platform::TextColour colour;
        int changedPixel;  // of the background before the draw; -1 for none
    };
    // The same draw again, over one pixel changed, elsewhere, in another colour, clipped.
    const Draw draws[] = {
        {2, 3, whole, white, -1},          {2, 3, whole, white, -1},
        {2, 3, whole, white, 5 * 32 + 12}, {2, 3, whole, white, -1},
        {3, 3, whole, white, -1},          {3, 3, whole, platform::SplitColour(0x80203040), -1},
        {3, 3, {4, 4, 20, 9}, white, -1},
    };
    for (const Draw& draw : draws) {
        SCOPED_TRACE(testing::Message() << "at " << draw.x << ", " << draw.y);
        if (draw.changedPixel >= 0) {
            background.pixels[static_cast<size_t>(draw.changedPixel)] ^= 0x0841;
        }
        platform::BackBuffer expected = background;
        DrawGlyphByGlyph(glyphs, draw.x, draw.y, draw.box, draw.colour, expected);
        platform::BackBuffer drawn = background;
        strip.Draw(drawn, draw.x, draw.y, draw.box, draw.colour);
        ASSERT_EQ(drawn.pixels, expected.pixels);
    }
}

// A glyph's bitmap may have empty edges, as a 'w' leaning one column left of its pen has: the
// strip's extent is where ink is, so that a text at its rectangle's edge is not taken for past it.
TEST(TextStripTest, TheExtentIsTheInkedPixelsNotTheBitmaps) {
    // Two glyphs side by side: the first with an empty left column and top row, the second with
    // an empty bottom row and right column.
    std::vector<uint8_t> first(4 * 5, 200);
    for (int row = 0; row < 5; ++row) {
        first[row * 4] = 0;
    }
    std::fill_n(first.begin(), 4, 0);
    std::vector<uint8_t> second(3 * 6, 90);
    std::fill_n(second.end() - 3, 3, 0);
    for (int row = 0; row < 6; ++row) {
        second[row * 3 + 2] = 0;
    }
    const platform::TextStrip strip({{-1, 2, 4, 5, first.data()}, {4, 1, 3, 6, second.data()}}, 1);
    const platform::PixelBox ink = strip.Extent();
    EXPECT_EQ(ink.left, 0);
    EXPECT_EQ(ink.top, 1);
    EXPECT_EQ(ink.right, 6);
    EXPECT_EQ(ink.bottom, 7);

    // Bitmaps without a covered pixel have no extent, as spaces have none.
    const std::vector<uint8_t> blank(9, 0);
    const platform::PixelBox none = platform::TextStrip({{0, 0, 3, 3, blank.data()}}, 1).Extent();
    EXPECT_EQ(none.left, none.right);
    EXPECT_EQ(platform::TextStrip({}, 1).Extent().right, 0);
}

}  // namespace

}  // namespace varn
