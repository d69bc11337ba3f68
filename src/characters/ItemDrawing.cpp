#include "characters/ItemDrawing.h"

#include "app/GlyphText.h"
#include "characters/SlotFrames.h"
#include "engine/Colours.h"
#include "engine/DigitPlaces.h"
#include "engine/Font.h"
#include "engine/SpriteSet.h"
#include "items/ItemArt.h"

namespace varn {

namespace {

// The control panel's pictures the item screens draw with.
constexpr int32_t kPanelDigitSlot = 10;
constexpr int32_t kPanelBoxSlot = 18;

constexpr int32_t kSlotLabelHeight = 12;
constexpr int32_t kSlotLabelMargin = 2;
constexpr uint32_t kSlotLabelColour = 0xFFA0A0B4;
// What each equipment slot takes, in slot order.
constexpr const char* kSlotLabels[kEquipSlotCount] = {
    "Neck", "Neck", "Neck", "Head", "Body", "Belt", "Legs", "Feet",   "Hands", "Ring",
    "Ring", "Ring", "Ring", "Ring", "Ring", "Ring", "Ring", "Shield", "Sword",
};
constexpr int32_t kBoxPictureSize = 128;
constexpr float kLabelScale = 0.8f;
constexpr int32_t kLabelSpacing = 13;
constexpr float kDigitScale = 0.5f;

}  // namespace

void CreateSlotLabelFont(Font& font, GraphicsDevice* device) {
    font.Create(device, "Arial", kSlotLabelHeight, 0, 0, 0, 0);
    font.Begin();
}

void DrawItemIcon(const ItemScreenArt& art, ItemId item, int32_t x, int32_t y) {
    if (item != kNoItem) {
        art.icons->Draw((*art.iconSlots)[static_cast<size_t>(item - 1)], 0, x, y, kUntinted, 1.0f,
                        1.0f);
    }
}

void DrawCellsAndItems(const ItemScreenArt& art, const CellPositionTable& positions,
                       const CharacterItems& items,
                       const std::array<int32_t, kItemTableSize>& iconX,
                       const std::array<int32_t, kItemTableSize>& iconY, ItemId dragged) {
    const CellFrameTable frames = CellFramesOf(positions);
    for (int cell = 0; cell < kItemCellCount; ++cell) {
        const CellFrame& frame = frames[static_cast<size_t>(cell)];
        const float scale = static_cast<float>(frame.size) / kItemIconSize;
        art.panel->Draw(kPanelCellSlot, 0, frame.x, frame.y, kUntinted, scale, scale);
        if (cell >= kFirstEquipCell && items[static_cast<size_t>(cell)] == kNoItem) {
            art.slotLabels->DrawText(
                kSlotLabels[cell - kFirstEquipCell], frame.x + kSlotLabelMargin,
                frame.y + (frame.size - kSlotLabelHeight) / 2 - 1, frame.size - kSlotLabelMargin,
                kSlotLabelHeight + 4, kSlotLabelColour, 0);
        }
    }
    for (const ItemId id : items) {
        if (id != kNoItem && id != dragged) {
            const auto entry = static_cast<size_t>(id - 1);
            DrawItemIcon(art, id, iconX[entry], iconY[entry]);
        }
    }
}

void DrawItemDescription(const ItemScreenArt& art, const ItemDescription& description,
                         int32_t shownItem, const DescriptionPlace& place) {
    art.panel->Draw(kPanelBoxSlot, 0, place.boxX, place.boxY, kUntinted,
                    static_cast<float>(place.boxWidth) / kBoxPictureSize,
                    static_cast<float>(place.boxHeight) / kBoxPictureSize);
    const int32_t x = place.x;
    const int32_t y = place.y;
    if (shownItem == 0 || description.itemId == 0) {
        return;
    }
    DrawGlyphRow(*art.letters, art.letterSlot, description.line1, x - 7 * description.line1Last, y,
                 kLetterSpacing, 1.0f);
    DrawGlyphRow(*art.letters, art.letterSlot, description.line2, x + 5 - 7 * description.line2Last,
                 y + 31, kLetterSpacing, 1.0f);
    DrawItemIcon(art, description.itemId, x - 32, y + 70);
    DrawGlyphRow(*art.letters, art.letterSlot, description.statLabel, x - 39, y + 145,
                 kLabelSpacing, kLabelScale);
    if (description.statLabel[0] == kGlyphBlank && description.statLabel[1] == kGlyphBlank) {
        return;
    }
    for (const PlacedDigit& digit : PlaceDigits(description.bonus, RightAligned(x - 60, 16))) {
        art.panel->Draw(kPanelDigitSlot, digit.digit, digit.x, y + 140, kUntinted, kDigitScale,
                        kDigitScale);
    }
}

}  // namespace varn
