#include "app/ArmyPicture.h"

#include "app/PartyPictures.h"
#include "engine/Colours.h"
#include "engine/SpriteSet.h"

namespace varn {

PictureDraw ArmyPicture(SpriteSet* icons, SpriteSet* figures, uint8_t unitType, int32_t x,
                        int32_t y, float scale) {
    if (icons != nullptr && icons->IsLoaded(unitType)) {
        return {icons, unitType, 0, x, y, scale, scale};
    }
    return {figures, unitType, kUnitFacingViewer, x, y, scale, scale};
}

void DrawPicture(const PictureDraw& picture) {
    if (picture.set != nullptr) {
        picture.set->Draw(picture.slot, picture.frame, picture.x, picture.y, kUntinted,
                          picture.scaleX, picture.scaleY);
    }
}

}  // namespace varn
