#pragma once

#include <array>
#include <cstdint>

#include "items/ItemKinds.h"
#include "items/ItemLayout.h"
#include "items/ItemTexts.h"
#include "world/CharacterRecords.h"

namespace varn {

class Font;
class GraphicsDevice;
class SpriteSet;

// What the item screens draw items with: the control panel's set (the cell, the box and the
// digits), a letter sheet whose frame is the glyph code, the screen's icon set, and the small
// type that names an empty equipment slot.
struct ItemScreenArt {
    SpriteSet* panel;
    SpriteSet* letters;
    int32_t letterSlot;
    SpriteSet* icons;
    const ItemIconSlotTable* iconSlots;
    Font* slotLabels;
};

// The control panel's box an item's cell is drawn as; the character screens' question stands on
// it too.
inline constexpr int32_t kPanelCellSlot = 16;

// The small type of the slot names, made ready for drawing.
void CreateSlotLabelFont(Font& font, GraphicsDevice* device);

// Each cell's frame (SlotFrames.h) as an empty box, an empty equipment slot named in it by what
// it takes, then every item of the character at its laid-out
// place; the item being dragged is left to the drag.
void DrawCellsAndItems(const ItemScreenArt& art, const CellPositionTable& positions,
                       const CharacterItems& items,
                       const std::array<int32_t, kItemTableSize>& iconX,
                       const std::array<int32_t, kItemTableSize>& iconY, ItemId dragged);

// The icon of an item with its top-left corner at (x, y).
void DrawItemIcon(const ItemScreenArt& art, ItemId item, int32_t x, int32_t y);

// Where a screen shows its description: the box, and the point its lines centre on (x) from
// the first line's top (y).
struct DescriptionPlace {
    int32_t boxX;
    int32_t boxY;
    int32_t boxWidth;
    int32_t boxHeight;
    int32_t x;
    int32_t y;
};

// The description box and, for a shown item, its two lines, its icon, and the bonus line: the
// number, then the label of the stat it raises.
void DrawItemDescription(const ItemScreenArt& art, const ItemDescription& description,
                         int32_t shownItem, const DescriptionPlace& place);

}  // namespace varn
