#include "frontend/FrontEndDrawing.h"

#include "app/GlyphText.h"
#include "engine/SpriteSet.h"

namespace varn {

void DrawButtonFrame(SpriteSet& sprites, int32_t slot, const ButtonRect& rect, int32_t frame,
                     float scale) {
    if (!sprites.IsLoaded(slot)) {
        return;
    }
    const SpriteSet::Slot& picture = sprites.slots[static_cast<size_t>(slot)];
    const auto x = static_cast<int32_t>(rect.x + (rect.w - picture.frameWidth * scale) / 2);
    const auto y = static_cast<int32_t>(rect.y + (rect.h - picture.frameHeight * scale) / 2);
    sprites.Draw(slot, frame, x, y, 0xFFFFFFFF, scale, scale);
}

void DrawButton(SpriteSet& sprites, int32_t slot, const ButtonBar& bar, uint8_t id,
                const ButtonScales& scales) {
    const ButtonRect* rect = bar.Find(id);
    if (rect != nullptr) {
        const uint8_t look = bar.Look(id);
        DrawButtonFrame(sprites, slot, *rect, look, scales.For(look));
    }
}

void DrawGlyphName(SpriteSet& sprites, int32_t slot, const GlyphString& name, int32_t centreX,
                   int32_t y) {
    const int last = LastGlyphIndex(name);
    GlyphTextTrace trace(name);
    for (int i = 0; i < kGlyphStringLength; ++i) {
        const GlyphCode code = name[static_cast<size_t>(i)];
        if (code == kGlyphBlank || code == kGlyphCursor || !IsValidGlyph(code)) {
            continue;
        }
        const int32_t x = GlyphX(i, last, centreX);
        trace.Add(sprites, slot, code, x, y, 1.0f, 1.0f);
        sprites.Draw(slot, code, x, y, 0xFFFFFFFF, 1.0f, 1.0f);
    }
}

}  // namespace varn
