#pragma once

#include <string_view>

#include "Canvas.h"

namespace varn {

namespace placeholder {

// The size of one font pixel in picture pixels, across and down; any size from one up.
struct FontUnits {
    double x = 1;
    double y = 1;
};

int SizedTextWidth(std::string_view text, FontUnits units);
// The height the text inks: to the line, or to the bottom of a hanging letter.
int SizedTextHeight(std::string_view text, FontUnits units);

// Text with its top-left corner at (x, y), each font pixel a block of whole picture pixels, so that
// letters of a size between the font's multiples stay sharp.
void DrawSizedText(Canvas& canvas, int x, int y, std::string_view text, FontUnits units,
                   Rgb colour);

}  // namespace placeholder

}  // namespace varn
