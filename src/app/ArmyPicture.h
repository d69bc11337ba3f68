#pragma once

#include <cstdint>

namespace varn {

class SpriteSet;

// One picture of a set, placed and scaled.
struct PictureDraw {
    SpriteSet* set = nullptr;
    int32_t slot = 0;
    int32_t frame = 0;
    int32_t x = 0;
    int32_t y = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
};

// What every screen shows for an army of a kind in the icon's box at (x, y), the icon drawn at
// scale: the kind's icon, or, for a kind without one (the elite kinds), its figure facing the
// viewer, which fills the same box. A screen that shows figures only passes no icons.
PictureDraw ArmyPicture(SpriteSet* icons, SpriteSet* figures, uint8_t unitType, int32_t x,
                        int32_t y, float scale);

// Draws the picture untinted; a picture without a set draws nothing.
void DrawPicture(const PictureDraw& picture);

}  // namespace varn
