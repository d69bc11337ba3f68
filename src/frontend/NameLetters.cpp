#include "frontend/NameLetters.h"

#include "frontend/FrontEndDrawing.h"

namespace varn {

GlyphCode GlyphOfTypedCharacter(char character, bool shift) {
    if (character == '.') {
        return kGlyphPeriod;
    }
    if (shift && character >= 'a' && character <= 'z') {
        character = static_cast<char>(character - 'a' + 'A');
    }
    GlyphCode glyph = kGlyphBlank;
    EncodeGlyph(character, glyph);
    return glyph;
}

void NameLetters::Init(GraphicsDevice* device) {
    sprites.Init(device, 1);
    sprites.SetAlphaTest(1);
    LoadPictures(sprites, kLetterSheetPictures);
}

void NameLetters::Free() {
    sprites.Free();
}

void NameLetters::Start(const GlyphString& name) {
    glyphs = name;
    length = 0;
    for (int i = 0; i < kMaxLetters; ++i) {
        GlyphCode& glyph = glyphs[static_cast<size_t>(i)];
        if (glyph == kGlyphCursor || !IsValidGlyph(glyph)) {
            glyph = kGlyphBlank;
        }
        if (glyph != kGlyphBlank) {
            length = i + 1;
        }
    }
    for (int i = length; i < kGlyphStringLength; ++i) {
        glyphs[static_cast<size_t>(i)] = kGlyphBlank;
    }
    glyphs[static_cast<size_t>(length)] = kGlyphCursor;
}

bool NameLetters::Type(GlyphCode glyph) {
    if (length >= kMaxLetters || glyph == kGlyphCursor || !IsValidGlyph(glyph)) {
        return false;
    }
    glyphs[static_cast<size_t>(length)] = glyph;
    ++length;
    glyphs[static_cast<size_t>(length)] = kGlyphCursor;
    return true;
}

bool NameLetters::Erase() {
    if (length == 0) {
        return false;
    }
    glyphs[static_cast<size_t>(length)] = kGlyphBlank;
    --length;
    glyphs[static_cast<size_t>(length)] = kGlyphCursor;
    return true;
}

bool NameLetters::IsBlank() const {
    for (int i = 0; i < length; ++i) {
        if (glyphs[static_cast<size_t>(i)] != kGlyphBlank) {
            return false;
        }
    }
    return true;
}

GlyphString NameLetters::Name() const {
    GlyphString name = glyphs;
    name[static_cast<size_t>(length)] = kGlyphBlank;
    return name;
}

void NameLetters::Draw(int32_t centreX, int32_t y, bool cursorShown) {
    DrawGlyphName(sprites, kLetterSheetSlot, glyphs, centreX, y);
    if (cursorShown) {
        const int32_t x = GlyphX(length, LastGlyphIndex(glyphs), centreX);
        sprites.Draw(kLetterSheetSlot, kGlyphCursor, x, y, 0xFFFFFFFF, 1.0f, 1.0f);
    }
}

}  // namespace varn
