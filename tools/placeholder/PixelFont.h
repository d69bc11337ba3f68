#pragma once

#include <string_view>

#include "Canvas.h"

namespace varn {

namespace placeholder {

// A 5 x 7 font whose g, j, p, q and y hang two rows below the line the other letters stand on;
// each character takes a 6 x 10 cell at scale 1, so that every line leaves room for them.
constexpr int kGlyphWidth = 5;
constexpr int kGlyphLineRows = 7;
constexpr int kGlyphHeight = kGlyphLineRows + 2;
constexpr int kGlyphCellWidth = kGlyphWidth + 1;
constexpr int kGlyphCellHeight = kGlyphHeight + 1;

int TextWidth(std::string_view text, int scale);

// The rows the text inks at scale 1: down to the line, or below it when a letter hangs.
int TextInkRows(std::string_view text);

// Draws text with its top-left corner at (x, y); characters the font lacks as '?'.
void DrawText(Canvas& canvas, int x, int y, std::string_view text, int scale, Rgb colour);

}  // namespace placeholder

}  // namespace varn
