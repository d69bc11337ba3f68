#pragma once

#include <cstdint>

#include "engine/PictureTable.h"
#include "world/CharacterRecords.h"

namespace varn {

class Font;
class SpriteSet;

// Unit pictures of an army panel: slot = UnitType, a standing figure from the unit's sheet.
inline constexpr PictureLoad kArmyUnitPictures[] = {
    {0, "Art\\Armies\\Peasants1.bmp", 64, 64, 0xFF000000},
    {1, "Art\\Armies\\Militia1.bmp", 64, 64, 0xFF000000},
    {2, "Art\\Armies\\Infantry.bmp", 64, 64, 0xFF000000},
    {3, "Art\\Armies\\GoldenInfantry.bmp", 64, 64, 0xFF000000},
    {4, "Art\\Armies\\RoyalInfantry.bmp", 64, 64, 0xFF000000},
    {7, "Art\\Armies\\EliteGuards.bmp", 64, 64, 0xFF000000},
    {8, "Art\\Armies\\SwordsMen1.bmp", 64, 64, 0xFF000000},
    {9, "Art\\Armies\\Warriors1.bmp", 64, 64, 0xFF000000},
    {10, "Art\\Armies\\Priests1.bmp", 64, 64, 0xFF000000},
    {20, "Art\\Armies\\Dog.bmp", 64, 64, 0xFFFF0000},
    {21, "Art\\Armies\\Dog2.bmp", 64, 64, 0xFFFF0000},
};
inline constexpr int32_t kArmyUnitSlotCount = 22;

// Where a panel's six army places stand: place k at (x + k stepX, y + k stepY), each a
// kArmyCellWidth x kArmyCellHeight box. Slot k of the record is shown at place k.
struct ArmyPanelLayout {
    int32_t x;
    int32_t y;
    int32_t stepX;
    int32_t stepY;
};
inline constexpr int32_t kArmyCellWidth = 144;
inline constexpr int32_t kArmyCellHeight = 66;

// The army slot 0..5 whose box holds the point, or -1.
int ArmySlotAt(const ArmyPanelLayout& layout, int32_t x, int32_t y);

// The pictures and the font an army panel draws with; the letter sheet's frame is the glyph code.
struct ArmyPanelArt {
    SpriteSet* units;
    SpriteSet* letters;
    int32_t letterSlot;
    Font* font;
};

// Each army as its unit's figure, its men standing and wounded and its name; the selected slot
// (-1 none) is marked. Empty slots show an empty box.
void DrawArmyPanel(const ArmyPanelArt& art, const ArmyRecord& army, const ArmyPanelLayout& layout,
                   int selectedSlot);

}  // namespace varn
