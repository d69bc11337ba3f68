#include "app/GlyphText.h"

#include <algorithm>
#include <cmath>

#include "engine/GraphicsDevice.h"
#include "engine/SpriteSet.h"

namespace varn {

namespace {

uint32_t TexelArgb(uint16_t texel) {
    const uint32_t r = (texel >> 10) & 0x1F, g = (texel >> 5) & 0x1F, b = texel & 0x1F;
    return 0xFF000000u | ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
}

// Brightness to order texels by; green weighs most, as the eye sees it.
uint32_t Brightness(uint16_t texel) {
    return 2 * ((texel >> 10) & 0x1F) + 7 * ((texel >> 5) & 0x1F) + (texel & 0x1F);
}

}  // namespace

void DrawGlyphRow(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs, int32_t x,
                  int32_t y, int32_t spacing, float scale) {
    GlyphTextTrace trace(glyphs);
    for (size_t i = 0; i < glyphs.size(); ++i) {
        const GlyphCode code = glyphs[i];
        if (code == kGlyphBlank || code == kGlyphCursor || !IsValidGlyph(code)) {
            continue;
        }
        const int32_t glyphX = x + spacing * static_cast<int32_t>(i);
        trace.Add(letters, slot, code, glyphX, y, scale, scale);
        letters.Draw(slot, code, glyphX, y, 0xFFFFFFFF, scale, scale);
    }
}

void DrawCentredGlyphs(SpriteSet& letters, int32_t slot, std::span<const GlyphCode> glyphs,
                       int32_t centreX, int32_t y, int32_t spacing, float scale) {
    const int32_t last = LastGlyphIndex(glyphs);
    const auto letterWidth = static_cast<int32_t>(kLetterWidth * scale);
    DrawGlyphRow(letters, slot, glyphs, centreX - spacing * last / 2 - letterWidth / 2, y, spacing,
                 scale);
}

GlyphTextTrace::GlyphTextTrace(std::span<const GlyphCode> glyphs)
    : glyphs_(glyphs), on_(platform::Current().TracesText()) {}

GlyphTextTrace::~GlyphTextTrace() {
    if (texels_.empty()) {
        return;
    }
    // An outline rings the letters: their own colour is that of the pixels inside the ring.
    std::vector<uint16_t>& own = inner_.empty() ? texels_ : inner_;
    const auto middle = own.begin() + static_cast<std::ptrdiff_t>(own.size() / 2);
    std::nth_element(own.begin(), middle, own.end(),
                     [](uint16_t a, uint16_t b) { return Brightness(a) < Brightness(b); });
    // Where no glyph drew, the frame still shows the ground.
    std::vector<uint16_t> ground = platform::PixelsUnder(*frame_, box_);
    size_t at = 0;
    for (int32_t y = std::max(box_.top, 0); y < std::min(box_.bottom, frame_->height); ++y) {
        for (int32_t x = std::max(box_.left, 0); x < std::min(box_.right, frame_->width); ++x) {
            const auto before = ground_.find(static_cast<size_t>(y) * frame_->width + x);
            if (before != ground_.end()) {
                ground[at] = before->second;
            }
            ++at;
        }
    }
    const std::string text = GlyphText(glyphs_);
    platform::Current().TraceText({text, box_, box_, TexelArgb(*middle), ground});
}

void GlyphTextTrace::Add(const SpriteSet& set, int32_t slot, int32_t frame, int32_t x, int32_t y,
                         float scaleX, float scaleY) {
    int32_t left = 0;
    int32_t top = 0;
    const platform::TextureImage* picture = on_ ? set.FrameSource(slot, frame, left, top) : nullptr;
    if (picture == nullptr || set.device == nullptr || set.device->GetDevice() == nullptr) {
        return;
    }
    frame_ = &set.device->GetDevice()->backBuffer();
    const SpriteSet::Slot& entry = set.slots[static_cast<size_t>(slot)];
    const int32_t right = std::min(left + entry.frameWidth, picture->width);
    const int32_t bottom = std::min(top + entry.frameHeight, picture->height);
    const auto opaque = [&](int32_t column, int32_t row) {
        return column >= left && column < right && row >= top && row < bottom &&
               (picture->Row(row)[column] & platform::kTexelOpaque) != 0;
    };
    for (int32_t row = top; row < bottom; ++row) {
        for (int32_t column = left; column < right; ++column) {
            const uint16_t texel = picture->Row(row)[column];
            if ((texel & platform::kTexelOpaque) == 0) {
                continue;
            }
            if (opaque(column - 1, row) && opaque(column + 1, row) && opaque(column, row - 1) &&
                opaque(column, row + 1)) {
                inner_.push_back(texel);
            }
            const platform::Rect pixel{
                x + static_cast<int32_t>(std::floor((column - left) * scaleX)),
                y + static_cast<int32_t>(std::floor((row - top) * scaleY)),
                x + static_cast<int32_t>(std::ceil((column - left + 1) * scaleX)),
                y + static_cast<int32_t>(std::ceil((row - top + 1) * scaleY))};
            if (texels_.empty()) {
                box_ = pixel;
            }
            box_ = {std::min(box_.left, pixel.left), std::min(box_.top, pixel.top),
                    std::max(box_.right, pixel.right), std::max(box_.bottom, pixel.bottom)};
            texels_.push_back(texel);
            for (int32_t py = std::max(pixel.top, 0); py < std::min(pixel.bottom, frame_->height);
                 ++py) {
                for (int32_t px = std::max(pixel.left, 0);
                     px < std::min(pixel.right, frame_->width); ++px) {
                    ground_.emplace(static_cast<size_t>(py) * frame_->width + px,
                                    frame_->Row(py)[px]);
                }
            }
        }
    }
}

}  // namespace varn
