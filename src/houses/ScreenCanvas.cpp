#include "houses/QuestDialogue.h"

namespace varn {

void ScreenCanvas::Box(const Panel& panel) {
    screen_.DrawBox(panel.x, panel.y, panel.scaleX, panel.scaleY);
}

void ScreenCanvas::Text(const char* text, int32_t x, int32_t y, int32_t width, int32_t height,
                        uint32_t colour) {
    screen_.DrawText(text, x, y, width, height, colour);
}

void ScreenCanvas::ItemPicture(ItemId item, Spot at) {
    screen_.Sprite(screen_.itemArt.get(), item - 1, 0, at.x, at.y, 1.0f, 1.0f);
}

void ScreenCanvas::Button(int32_t slot, int32_t frame, Spot at) {
    screen_.Sprite(screen_.mainSprites.get(), slot, frame, at.x, at.y, 1.0f, 1.0f);
}

}  // namespace varn
