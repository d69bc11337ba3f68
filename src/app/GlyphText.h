#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "platform/Backend.h"
#include "world/Glyph.h"

namespace varn {

class SpriteSet;

// Letter sheets hold one 16 x 32 frame per glyph code; a name's letters stand 14 pixels apart.
inline constexpr int32_t kLetterWidth = 16;
inline constexpr int32_t kLetterSpacing = 14;

// Draws glyph codes from a letter sheet whose frame is the code, code i at x + spacing * i, at a
// scale. Blanks, the typing cursor and codes past the sheet draw nothing.
void DrawGlyphRow(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs, int32_t x,
                  int32_t y, int32_t spacing, float scale);

// A name centred on centreX, its letters spacing apart.
void DrawCentredGlyphs(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs,
                       int32_t centreX, int32_t y, int32_t spacing, float scale);

// A text drawn glyph by glyph, told to the backend as one text when the backend keeps texts:
// the box its glyphs' opaque pixels take, their own colour (the median of those pixels inside
// their edges, of all of them when the strokes have no inside), and the box's pixels as they were
// before the glyphs. It is told when the trace goes out of scope; a text without an opaque pixel
// is not.
class GlyphTextTrace {
  public:
    explicit GlyphTextTrace(std::span<const GlyphCode> glyphs);
    ~GlyphTextTrace();
    GlyphTextTrace(const GlyphTextTrace&) = delete;
    GlyphTextTrace& operator=(const GlyphTextTrace&) = delete;

    // One glyph about to be drawn: the frame of the set's slot with its corner at (x, y), at the
    // scales.
    void Add(const SpriteSet& set, int32_t slot, int32_t frame, int32_t x, int32_t y, float scaleX,
             float scaleY);

  private:
    std::span<const GlyphCode> glyphs_;
    bool on_ = false;
    platform::Rect box_;
    std::vector<uint16_t> texels_;  // A1R5G5B5, opaque
    std::vector<uint16_t> inner_;   // those whose four neighbours are opaque too
    const platform::BackBuffer* frame_ = nullptr;
    std::map<size_t, uint16_t> ground_;  // the frame's pixels under the glyphs, by index
};

}  // namespace varn
