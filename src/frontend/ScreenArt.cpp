#include "frontend/ScreenArt.h"

#include <algorithm>

#include "frontend/FrontEndDrawing.h"

namespace varn {

void ScreenArt::Init(GraphicsDevice* device, std::span<const PictureLoad> pictures) {
    int32_t slots = 0;
    for (const PictureLoad& row : pictures) {
        slots = std::max(slots, row.slot + 1);
    }
    sprites.Init(device, slots);
    sprites.SetAlphaTest(1);
    LoadPictures(sprites, pictures);
    font.Create(device, "Arial", kFrontEndTextHeight, 0, 0, 0, 0);
    font.Begin();
}

void ScreenArt::Free() {
    sprites.Free();
    font.End();
    font.Release();
}

void ScreenArt::Text(const char* text, int32_t x, int32_t y, uint32_t colour) {
    font.DrawText(text, x, y, 0, 0, colour, 0);
}

}  // namespace varn
