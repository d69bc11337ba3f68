#include <gtest/gtest.h>

#include "world/Glyph.h"

namespace varn {

namespace {

TEST(Glyph, EncodesLettersDigitsAndBlanksRefusesTheRestAndFindsTheLastCode) {
    EXPECT_EQ(EncodeGlyphs("az AZ 09"), (GlyphString{2, 27, 0, 28, 53, 0, 80, 89}));
    EXPECT_TRUE(CanEncodeGlyphs(std::string(21, 'a')));
    EXPECT_FALSE(CanEncodeGlyphs(std::string(22, 'a')) || CanEncodeGlyphs("Queen's") ||
                 CanEncodeGlyphs("caf\xe9") || IsValidGlyph(kGlyphLast + 1));
    EXPECT_EQ(EncodeGlyphs(std::string(25, 'a')), EncodeGlyphs(std::string(21, 'a')));
    EXPECT_EQ(LastGlyphIndex(GlyphString{}), 0);
    EXPECT_EQ(LastGlyphIndex(EncodeGlyphs("Hugh the Wise  ")), 12);
}

}  // namespace

}  // namespace varn
