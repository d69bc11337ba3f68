#include "platform/TextStrip.h"

#include <algorithm>
#include <limits>

namespace varn {

namespace platform {

TextStrip::TextStrip(const std::vector<PlacedGlyph>& glyphs, int lines) : lines_(lines) {
    int64_t right = std::numeric_limits<int64_t>::min();
    int64_t bottom = std::numeric_limits<int64_t>::min();
    left_ = std::numeric_limits<int64_t>::max();
    top_ = std::numeric_limits<int64_t>::max();
    for (const PlacedGlyph& glyph : glyphs) {
        if (glyph.width > 0 && glyph.rows > 0) {
            left_ = std::min(left_, glyph.x);
            top_ = std::min(top_, glyph.y);
            right = std::max(right, glyph.x + glyph.width);
            bottom = std::max(bottom, glyph.y + glyph.rows);
        }
    }
    if (left_ >= right) {
        left_ = top_ = 0;
        return;  // nothing but spaces
    }
    width_ = right - left_;
    height_ = bottom - top_;
    coverage_.assign(static_cast<size_t>(width_ * height_), 0);
    for (const PlacedGlyph& glyph : glyphs) {
        for (int row = 0; row < glyph.rows; ++row) {
            const int64_t y = glyph.y - top_ + row;
            uint8_t* into = coverage_.data() + y * width_ + (glyph.x - left_);
            const uint8_t* from = glyph.coverage + static_cast<ptrdiff_t>(row) * glyph.width;
            for (int column = 0; column < glyph.width; ++column) {
                if (from[column] == 0) {
                    continue;  // no coverage changes nothing
                }
                if (into[column] == 0) {
                    into[column] = from[column];
                } else {
                    overlaps_.push_back(Overlap{glyph.x - left_ + column, y, from[column]});
                }
            }
        }
    }
    MeasureInk();
}

void TextStrip::MeasureInk() {
    PixelBox ink{width_, height_, 0, 0};
    for (int64_t y = 0; y < height_; ++y) {
        const uint8_t* row = coverage_.data() + y * width_;
        for (int64_t x = 0; x < width_; ++x) {
            if (row[x] != 0) {
                ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                       std::max(ink.bottom, y + 1)};
            }
        }
    }
    if (ink.left < ink.right) {
        ink_ = {left_ + ink.left, top_ + ink.top, left_ + ink.right, top_ + ink.bottom};
    }
}

void TextStrip::Draw(BackBuffer& target, int64_t x, int64_t y, const PixelBox& box,
                     const TextColour& colour) {
    const int64_t left = x + left_;
    const int64_t top = y + top_;
    const int64_t firstColumn = std::max<int64_t>(0, box.left - left);
    const int64_t endColumn = std::min<int64_t>(width_, box.right - left);
    const int64_t firstRow = std::max<int64_t>(0, box.top - top);
    const int64_t endRow = std::min<int64_t>(height_, box.bottom - top);
    if (firstColumn >= endColumn || firstRow >= endRow) {
        return;
    }
    // The touched rectangle in the back buffer.
    const int64_t touchedLeft = left + firstColumn;
    const int64_t touchedTop = top + firstRow;
    const int64_t touchedWidth = endColumn - firstColumn;
    const int64_t touchedHeight = endRow - firstRow;
    if (Repeats(target, touchedLeft, touchedTop, touchedWidth, touchedHeight, colour)) {
        for (int64_t row = 0; row < touchedHeight; ++row) {
            std::copy_n(last_.after.data() + row * touchedWidth, touchedWidth,
                        target.Row(static_cast<int>(touchedTop + row)) + touchedLeft);
        }
        return;
    }
    last_ = LastDraw{touchedLeft, touchedTop, touchedWidth, touchedHeight, colour, {}, {}};
    CopyRows(target, touchedLeft, touchedTop, touchedWidth, touchedHeight, last_.before);
    Blend(target, left, top, firstColumn, endColumn, firstRow, endRow, colour);
    CopyRows(target, touchedLeft, touchedTop, touchedWidth, touchedHeight, last_.after);
}

void TextStrip::Blend(BackBuffer& target, int64_t left, int64_t top, int64_t firstColumn,
                      int64_t endColumn, int64_t firstRow, int64_t endRow,
                      const TextColour& colour) const {
    for (int64_t row = firstRow; row < endRow; ++row) {
        BlendCoverageRow(coverage_.data() + row * width_ + firstColumn,
                         static_cast<int>(endColumn - firstColumn), colour,
                         target.Row(static_cast<int>(top + row)) + (left + firstColumn));
    }
    for (const Overlap& overlap : overlaps_) {
        if (overlap.x >= firstColumn && overlap.x < endColumn && overlap.y >= firstRow &&
            overlap.y < endRow) {
            BlendCoverageRow(&overlap.coverage, 1, colour,
                             target.Row(static_cast<int>(top + overlap.y)) + (left + overlap.x));
        }
    }
}

bool TextStrip::Repeats(const BackBuffer& target, int64_t left, int64_t top, int64_t width,
                        int64_t height, const TextColour& colour) const {
    if (last_.left != left || last_.top != top || last_.width != width || last_.height != height ||
        !(last_.colour == colour) || last_.before.empty()) {
        return false;
    }
    for (int64_t row = 0; row < height; ++row) {
        if (!std::equal(last_.before.data() + row * width, last_.before.data() + (row + 1) * width,
                        target.Row(static_cast<int>(top + row)) + left)) {
            return false;
        }
    }
    return true;
}

void TextStrip::CopyRows(const BackBuffer& from, int64_t left, int64_t top, int64_t width,
                         int64_t height, std::vector<uint16_t>& to) {
    to.resize(static_cast<size_t>(width * height));
    for (int64_t row = 0; row < height; ++row) {
        std::copy_n(from.Row(static_cast<int>(top + row)) + left, width, to.data() + row * width);
    }
}

}  // namespace platform

}  // namespace varn
