#pragma once

#include <cstdint>
#include <string>

#include "app/PartyPictures.h"
#include "engine/PictureTable.h"
#include "world/CharacterRecords.h"

namespace varn {

class Font;
class SpriteSet;

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
// An army's picture in its place, and carried to another.
inline constexpr float kFigureScale = 0.75f;

// The army slot 0..5 whose box holds the point, or -1.
int ArmySlotAt(const ArmyPanelLayout& layout, int32_t x, int32_t y);

// The pictures and the font an army panel draws with: the party's army figures
// (kArmyFigurePictures), slot = UnitType.
struct ArmyPanelArt {
    SpriteSet* units;
    Font* font;
};

// The men of an army slot who bear a wound. Each wound row counts the men with at least that
// wound, so the light row alone holds them all; the rows outlast the men who fell.
int MenWounded(const ArmyRecord& army, int slot);

// The men an army panel says stand: "1 man", else "N men".
std::string MenStanding(int men);

// Each army as its unit's figure, its men standing and wounded and its name; the selected slot
// (-1 none) is marked. Empty slots show an empty box.
void DrawArmyPanel(const ArmyPanelArt& art, const ArmyRecord& army, const ArmyPanelLayout& layout,
                   int selectedSlot);

}  // namespace varn
