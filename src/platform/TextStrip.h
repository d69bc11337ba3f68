#pragma once

#include <cstdint>
#include <vector>

#include "platform/BackBuffer.h"
#include "platform/CoverageBlend.h"

namespace varn {

namespace platform {

// A rectangle of the back buffer text may touch: right and bottom exclusive.
struct PixelBox {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
};

// A glyph's coverage placed in a string: its bitmap's corner from the string's corner.
struct PlacedGlyph {
    int64_t x = 0;
    int64_t y = 0;
    int width = 0;
    int rows = 0;
    const uint8_t* coverage = nullptr;  // width x rows
};

// A string's glyphs laid into one strip of coverage, so that drawing it is one blend of long
// rows instead of a short one per glyph row. Where glyphs overlap, the later coverage is kept
// aside and blended after, in glyph order: each pixel is mixed exactly as glyph by glyph.
// The last draw's pixels are kept, before and after: text drawn again in the same place and
// colour over the same pixels, as a box's text is every frame, is a copy instead of a blend.
class TextStrip {
  public:
    TextStrip(const std::vector<PlacedGlyph>& glyphs, int lines);

    // Blends the strip with its corner at (x, y), within box.
    void Draw(BackBuffer& target, int64_t x, int64_t y, const PixelBox& box,
              const TextColour& colour);
    int lines() const { return lines_; }
    // The box the strip's inked pixels take, from the string's corner; empty for spaces only.
    // Glyph bitmaps may carry empty edges (a 'w' leaning past its pen), which do not count.
    PixelBox Extent() const { return ink_; }

  private:
    struct Overlap {
        int64_t x = 0;  // from the strip's corner
        int64_t y = 0;
        uint8_t coverage = 0;
    };

    // The back-buffer rectangle a draw touched, and its pixels before and after, row by row.
    struct LastDraw {
        int64_t left = 0;
        int64_t top = 0;
        int64_t width = 0;
        int64_t height = 0;
        TextColour colour;
        std::vector<uint16_t> before;
        std::vector<uint16_t> after;
    };

    void Blend(BackBuffer& target, int64_t left, int64_t top, int64_t firstColumn,
               int64_t endColumn, int64_t firstRow, int64_t endRow, const TextColour& colour) const;
    bool Repeats(const BackBuffer& target, int64_t left, int64_t top, int64_t width, int64_t height,
                 const TextColour& colour) const;
    void MeasureInk();
    static void CopyRows(const BackBuffer& from, int64_t left, int64_t top, int64_t width,
                         int64_t height, std::vector<uint16_t>& to);

    int64_t left_ = 0;  // the strip's corner from the string's corner
    int64_t top_ = 0;
    int64_t width_ = 0;
    int64_t height_ = 0;
    std::vector<uint8_t> coverage_;
    std::vector<Overlap> overlaps_;
    int lines_ = 0;
    PixelBox ink_;
    LastDraw last_;
};

}  // namespace platform

}  // namespace varn
