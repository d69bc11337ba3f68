#include "GlyphArt.h"

#include <algorithm>
#include <string_view>

#include "Palette.h"
#include "PixelFont.h"

namespace varn {

namespace placeholder {

namespace {

// The outline grows with the letters, a pixel short of their strokes, so that drawn at half size
// on a battle field it still rings every stroke.
int OutlineFor(int scale) {
    return std::max(1, scale - 1);
}

}  // namespace

void DrawGlyph(Canvas& canvas, const FrameCell& cell, char character) {
    int scale = 8;
    while (scale > 0 && (kGlyphWidth * scale + 2 * OutlineFor(scale) > cell.width ||
                         kGlyphHeight * scale + 2 * OutlineFor(scale) > cell.height)) {
        --scale;
    }
    if (scale == 0) {
        return;
    }
    const int outline = OutlineFor(scale);
    const int x = cell.left + (cell.width - kGlyphWidth * scale) / 2;
    const int y = cell.top + (cell.height - kGlyphHeight * scale - 2 * outline) / 2 + outline;
    const std::string_view text(&character, 1);
    for (int dy = -outline; dy <= outline; ++dy) {
        for (int dx = -outline; dx <= outline; ++dx) {
            DrawText(canvas, x + dx, y + dy, text, scale, palette::kInkShadow);
        }
    }
    DrawText(canvas, x, y, text, scale, palette::kInk);
}

}  // namespace placeholder

}  // namespace varn
