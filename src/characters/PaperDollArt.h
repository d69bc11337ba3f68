#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/PictureTable.h"
#include "engine/SpriteSet.h"
#include "items/ItemBonuses.h"
#include "items/PaperDoll.h"

namespace varn {

class GraphicsDevice;

// Bodies: one figure per variant, frame = variant. Heroes take GameState::heroBodyVariant, the
// player GameState::playerPortrait.
inline constexpr int32_t kBodyVariantCount = 3;
inline constexpr int16_t kBodyWidth = 256;
inline constexpr int16_t kBodyHeight = 448;
inline constexpr PictureLoad kDollBodyPictures[] = {
    {0, "Art\\You\\Bodies.bmp", kBodyWidth, kBodyHeight, 0xFF000000},
};

// The bare body parts drawn where an equipment slot with art holds nothing.
enum BarePartSlot : int32_t {
    kBareHeadSlot = 0,
    kBareTorsoSlot = 1,
    kBareHandsSlot = 2,
    kBareLegsSlot = 3,
    kBareFeetSlot = 4,
};
inline constexpr PictureLoad kDollBarePartPictures[] = {
    {kBareHeadSlot, "Art\\You\\BareHead.bmp", 128, 128, 0xFF000000},
    {kBareTorsoSlot, "Art\\You\\BareTorso.bmp", 256, 256, 0xFF000000},
    {kBareHandsSlot, "Art\\You\\BareHands.bmp", 32, 64, 0xFF000000},
    {kBareLegsSlot, "Art\\You\\BareLegs.bmp", 128, 256, 0xFF000000},
    {kBareFeetSlot, "Art\\You\\BareFeet.bmp", 128, 128, 0xFF000000},
};

// The paper-doll art every character screen shares: the bodies and the bare parts. Created by
// the map and the character states when missing; drawn only by the character screens.
class PaperDollArt {
  public:
    virtual ~PaperDollArt() = default;

    void Init(GraphicsDevice* device);
    void Free();

    SpriteSet bodies;
    SpriteSet bareParts;
};

// The variant a body is drawn with; an unknown one takes the first.
constexpr uint8_t BodyVariantOf(uint8_t variant) {
    return variant < kBodyVariantCount ? variant : 0;
}

// The nine layer sets of one paper doll, owned by the screen that shows the doll; layers points
// at them while they exist.
class DollLayerSets {
  public:
    void Init(GraphicsDevice* device);
    void Free();

    PaperDollLayers layers;

  private:
    std::array<std::unique_ptr<SpriteSet>, kDollLayerCount> sets_;
};

// One whole doll with its top-left corner at (x, y): the body, then in dressing order each
// worn item's layer, or the bare part where its slot is empty; all of it at the scale.
void DrawPaperDoll(PaperDollArt& art, const PaperDollLayers& layers, EquipmentCells equipment,
                   uint8_t bodyVariant, int32_t x, int32_t y, float scale = 1.0f);

}  // namespace varn
