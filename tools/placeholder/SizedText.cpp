#include "SizedText.h"

#include <cmath>

#include "PixelFont.h"

namespace varn {

namespace placeholder {

namespace {

constexpr Rgb kBlank = {0, 0, 0};
constexpr Rgb kLetter = {255, 255, 255};

// Where font pixel i begins, in picture pixels.
int Edge(int i, double unit) {
    return static_cast<int>(std::lround(i * unit));
}

}  // namespace

int SizedTextWidth(std::string_view text, FontUnits units) {
    return Edge(TextWidth(text, 1), units.x);
}

int SizedTextHeight(std::string_view text, FontUnits units) {
    return Edge(TextInkRows(text), units.y);
}

void DrawSizedText(Canvas& canvas, int x, int y, std::string_view text, FontUnits units,
                   Rgb colour) {
    const int width = TextWidth(text, 1);
    if (width == 0) {
        return;
    }
    Canvas letters(width, kGlyphHeight, kBlank);
    DrawText(letters, 0, 0, text, 1, kLetter);
    for (int row = 0; row < kGlyphHeight; ++row) {
        for (int column = 0; column < width; ++column) {
            if (letters.At(column, row) == kLetter) {
                const int left = Edge(column, units.x);
                const int top = Edge(row, units.y);
                canvas.FillRect(x + left, y + top, Edge(column + 1, units.x) - left,
                                Edge(row + 1, units.y) - top, colour);
            }
        }
    }
}

}  // namespace placeholder

}  // namespace varn
