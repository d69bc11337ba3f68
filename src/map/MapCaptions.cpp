#include "app/ObjectCaptions.h"
#include "engine/Colours.h"
#include "map/MapScreen.h"

namespace varn {

void MapScreen::DrawObjectCaption() {
    if (showCaption == 0) {
        return;
    }
    const ObjectCaption* caption = FindObjectCaption(hoverId);
    if (caption == nullptr) {
        return;
    }
    DrawBox(caption->boxX, kCaptionBoxY, caption->scaleX, caption->scaleY);
    if (font) {
        font->DrawText(caption->text, caption->textX, caption->textY, caption->textWidth,
                       caption->textHeight, kTextGrey, 0);
    }
}

}  // namespace varn
