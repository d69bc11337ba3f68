#pragma once

#include <cstdint>

#include "app/GlyphText.h"
#include "engine/ButtonBar.h"
#include "engine/Colours.h"
#include "world/Glyph.h"

namespace varn {

class SpriteSet;

// The front end's screens write their texts in "Arial" of this height.
inline constexpr int32_t kFrontEndTextHeight = 22;

// Draws a frame of a button picture at a scale, centred on the rectangle.
void DrawButtonFrame(SpriteSet& sprites, int32_t slot, const ButtonRect& rect, int32_t frame,
                     float scale);

// Draws a button's picture in the frame of its look, at the screen's scale for that look, centred
// on the button's rectangle so that it grows about its middle.
void DrawButton(SpriteSet& sprites, int32_t slot, const ButtonBar& bar, uint8_t id,
                const ButtonScales& scales);

// Draws a name from a letter sheet whose frame is the glyph code, centred on centreX. Blanks and
// the typing cursor draw nothing.
void DrawGlyphName(SpriteSet& sprites, int32_t slot, const GlyphString& name, int32_t centreX,
                   int32_t y);

// Where the letter at index sits when a name whose last letter is at lastIndex is centred on
// centreX.
constexpr int32_t GlyphX(int index, int lastIndex, int32_t centreX) {
    return centreX + kLetterSpacing * index - kLetterSpacing * lastIndex / 2 - kLetterWidth / 2;
}

}  // namespace varn
