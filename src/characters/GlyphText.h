#pragma once

#include <cstdint>
#include <span>

#include "world/Glyph.h"

namespace varn {

class SpriteSet;

// Draws glyph codes from a letter sheet whose frame is the code, code i at x + spacing * i, at a
// scale. Blanks, the typing cursor and codes past the sheet draw nothing.
void DrawGlyphRow(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs, int32_t x,
                  int32_t y, int32_t spacing, float scale);

// A name centred on centreX, its letters spacing apart.
void DrawCentredGlyphs(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs,
                       int32_t centreX, int32_t y, int32_t spacing, float scale);

}  // namespace varn
