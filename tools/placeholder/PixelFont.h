#pragma once

#include <string_view>

#include "Canvas.h"

namespace varn {

namespace placeholder {

// A 5 x 7 font; each character takes a 6 x 8 cell at scale 1.
constexpr int kGlyphCellWidth = 6;
constexpr int kGlyphCellHeight = 8;

int TextWidth(std::string_view text, int scale);

// Draws text with its top-left corner at (x, y); characters the font lacks as '?'.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour);

}  // namespace placeholder

}  // namespace varn
