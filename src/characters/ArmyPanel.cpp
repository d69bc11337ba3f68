#include "characters/ArmyPanel.h"

#include <algorithm>
#include <cstdio>

#include "app/ArmyPicture.h"
#include "characters/ArmySlots.h"
#include "engine/Colours.h"
#include "engine/Font.h"
#include "engine/HitTest.h"
#include "engine/SpriteSet.h"
#include "world/Glyph.h"

namespace varn {

namespace {

constexpr uint32_t kEmptyColour = 0xFF8C8C8C;
constexpr int32_t kTextX = 56;
// The name takes the cell's bottom row, one pixel in from its left edge: the cell's whole width
// is its room.
constexpr int32_t kNameX = 1;
constexpr int32_t kNameY = 44;

}  // namespace

int ArmySlotAt(const ArmyPanelLayout& layout, int32_t x, int32_t y) {
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        if (PointInRect(layout.x + slot * layout.stepX, layout.y + slot * layout.stepY,
                        kArmyCellWidth, kArmyCellHeight, x, y) != 0) {
            return slot;
        }
    }
    return -1;
}

int MenWounded(const ArmyRecord& army, int slot) {
    const auto entry = static_cast<size_t>(slot);
    return std::min(army.light[entry], army.alive[entry]);
}

std::string MenStanding(int men) {
    return std::to_string(men) + (men == 1 ? " man" : " men");
}

void DrawArmyPanel(const ArmyPanelArt& art, const ArmyRecord& army, const ArmyPanelLayout& layout,
                   int selectedSlot) {
    char text[48];
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        const int32_t x = layout.x + slot * layout.stepX;
        const int32_t y = layout.y + slot * layout.stepY;
        const auto entry = static_cast<size_t>(slot);
        if (!HasArmy(army, slot)) {
            art.font->DrawText("No army", x + kTextX, y + 20, 0, 0, kEmptyColour, 0);
            continue;
        }
        DrawPicture(ArmyPicture(nullptr, art.units, army.unitType[entry], x, y, kFigureScale));
        // The selected army is marked in the titles' green.
        const uint32_t colour = slot == selectedSlot ? kTitleColour : kTextGrey;
        art.font->DrawText(MenStanding(army.alive[entry]).c_str(), x + kTextX, y + 2, 0, 0, colour,
                           0);
        std::snprintf(text, sizeof text, "%d wounded", MenWounded(army, slot));
        art.font->DrawText(text, x + kTextX, y + 22, 0, 0, colour, 0);
        // The name in the panel's own text: letter pictures shrunk this far blur into the ground.
        art.font->DrawText(GlyphText(army.name[entry]).c_str(), x + kNameX, y + kNameY,
                           kArmyCellWidth - kNameX, kArmyCellHeight - kNameY, colour, 0);
    }
}

}  // namespace varn
