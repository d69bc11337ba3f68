#include "frontend/NameLetters.h"

#include <gtest/gtest.h>

namespace varn {

TEST(NameLetters, TypedCharactersBecomeTheirGlyphs) {
    struct Case {
        char character;
        bool shift;
        GlyphCode glyph;
    };
    const Case cases[] = {
        {'a', false, 2},  {'z', false, 27}, {'a', true, 28}, {'z', true, 53},
        {'0', false, 80}, {'9', true, 89},  {' ', false, 0}, {'.', false, kGlyphPeriod},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GlyphOfTypedCharacter(c.character, c.shift), c.glyph) << c.character;
    }
}

TEST(NameLetters, EveryTypingKeyTypesADistinctCharacter) {
    for (const TypingKey& a : kTypingKeys) {
        for (const TypingKey& b : kTypingKeys) {
            if (&a != &b) {
                EXPECT_NE(a.key, b.key);
                EXPECT_NE(a.character, b.character);
            }
        }
    }
}

TEST(NameLetters, TypingKeepsTheCursorAfterTheLastLetter) {
    NameLetters row;
    row.Start(GlyphString{});
    EXPECT_TRUE(row.IsBlank());
    EXPECT_EQ(row.glyphs[0], kGlyphCursor);
    EXPECT_FALSE(row.Erase());

    row.Type(EncodeGlyphs("A")[0]);
    row.Type(EncodeGlyphs("b")[0]);
    EXPECT_EQ(row.length, 2);
    EXPECT_EQ(row.glyphs[2], kGlyphCursor);
    EXPECT_EQ(row.Name(), EncodeGlyphs("Ab"));
    EXPECT_TRUE(row.Erase());
    EXPECT_EQ(row.Name(), EncodeGlyphs("A"));
    EXPECT_EQ(row.glyphs[1], kGlyphCursor);
    EXPECT_EQ(row.glyphs[2], kGlyphBlank);
    // The cursor itself and codes past the sheets are not letters.
    EXPECT_FALSE(row.Type(kGlyphCursor));
    EXPECT_FALSE(row.Type(kGlyphLast + 1));
}

TEST(NameLetters, ANameHoldsTwentyLettersAndTheCursor) {
    NameLetters row;
    row.Start(GlyphString{});
    for (int i = 0; i < NameLetters::kMaxLetters; ++i) {
        EXPECT_TRUE(row.Type(kGlyphSmallA));
    }
    EXPECT_FALSE(row.Type(kGlyphSmallA));
    EXPECT_EQ(row.glyphs[kGlyphStringLength - 1], kGlyphCursor);
    EXPECT_EQ(row.Name()[kGlyphStringLength - 1], kGlyphBlank);
}

TEST(NameLetters, StartingFromANameDropsStrayCursorsAndBadCodes) {
    NameLetters row;
    GlyphString stored = EncodeGlyphs("Ann");
    stored[5] = kGlyphCursor;
    stored[7] = 200;
    stored[20] = kGlyphSmallA;  // no room beside the cursor
    row.Start(stored);
    EXPECT_EQ(row.length, 3);
    EXPECT_EQ(row.Name(), EncodeGlyphs("Ann"));
    row.Start(EncodeGlyphs("   "));
    EXPECT_TRUE(row.IsBlank());
}

}  // namespace varn
