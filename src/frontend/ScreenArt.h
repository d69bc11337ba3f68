#pragma once

#include <span>

#include "engine/Font.h"
#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"

namespace varn {

class GraphicsDevice;

// The pictures and the text font of one front-end screen: a sprite set filled from the screen's
// picture table (slots as the table numbers them) and "Arial" at the front end's text height.
struct ScreenArt {
    void Init(GraphicsDevice* device, std::span<const PictureLoad> pictures);
    void Free();
    void Text(const char* text, int32_t x, int32_t y, uint32_t colour);

    SpriteSet sprites;
    Font font;
};

}  // namespace varn
