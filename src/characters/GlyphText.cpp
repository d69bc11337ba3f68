#include "characters/GlyphText.h"

#include "engine/SpriteSet.h"

namespace varn {

void DrawGlyphRow(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs, int32_t x,
                  int32_t y, int32_t spacing, float scale) {
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphCode code = glyphs[i];
        if (code == kGlyphBlank || code == kGlyphCursor || !IsValidGlyph(code)) {
            continue;
        }
        letters.Draw(slot, code, x + spacing * static_cast<int32_t>(i), y, 0xFFFFFFFF, scale,
                     scale);
    }
}

void DrawCentredGlyphs(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs,
                       int32_t centreX, int32_t y, int32_t spacing, float scale) {
    const int32_t last = LastGlyphIndex(glyphs);
    const auto letterWidth = static_cast<int32_t>(16 * scale);
    DrawGlyphRow(letters, slot, glyphs, centreX - spacing * last / 2 - letterWidth / 2, y, spacing,
                 scale);
}

}  // namespace varn
