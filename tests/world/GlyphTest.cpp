#include <gtest/gtest.h>

#include "world/Glyph.h"

namespace {

TEST(GlyphEncoding, LettersDigitsAndBlanksMapToTheirSheets) {
    const GlyphString glyphs = EncodeGlyphs("az AZ 09");
    const GlyphString expected = {2, 27, 0, 28, 53, 0, 80, 89};
    EXPECT_EQ(glyphs, expected);
}

TEST(GlyphEncoding, RefusesTextNoSheetHoldsOrTooLong) {
    EXPECT_TRUE(CanEncodeGlyphs("Sir Alwyn"));
    EXPECT_TRUE(CanEncodeGlyphs(std::string_view("abcdefghijklmnopqrstu")));
    EXPECT_FALSE(CanEncodeGlyphs(std::string_view("abcdefghijklmnopqrstuv")));
    EXPECT_FALSE(CanEncodeGlyphs("Queen's"));
    EXPECT_FALSE(CanEncodeGlyphs("caf\xe9"));
}

TEST(GlyphEncoding, OverlongTextIsCutAtTheStringsEnd) {
    const GlyphString glyphs = EncodeGlyphs("aaaaaaaaaaaaaaaaaaaaaaaaa");
    for (GlyphCode code : glyphs) {
        EXPECT_EQ(code, kGlyphSmallA);
    }
}

TEST(GlyphLength, LastNonZeroCodeGivesTheCentre) {
    EXPECT_EQ(LastGlyphIndex(GlyphString{}), 0);
    EXPECT_EQ(LastGlyphIndex(EncodeGlyphs("A")), 0);
    EXPECT_EQ(LastGlyphIndex(EncodeGlyphs("Hugh the Wise")), 12);
    // Blanks inside the name count; blanks after it do not.
    GlyphString spaced{};
    spaced[0] = kGlyphCapitalA;
    spaced[3] = kGlyphCursor;
    EXPECT_EQ(LastGlyphIndex(spaced), 3);
    // Item stat labels are one glyph longer than names.
    std::array<GlyphCode, 22> label{};
    label[21] = 5;
    EXPECT_EQ(LastGlyphIndex(label), 21);
}

TEST(GlyphRange, CodesPastTheDigitSheetAreInvalid) {
    EXPECT_TRUE(IsValidGlyph(0));
    EXPECT_TRUE(IsValidGlyph(kGlyphLast));
    EXPECT_FALSE(IsValidGlyph(kGlyphLast + 1));
    EXPECT_FALSE(IsValidGlyph(255));
}

}  // namespace
