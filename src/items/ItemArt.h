#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "items/EquipSlots.h"
#include "items/ItemBonuses.h"
#include "items/PaperDoll.h"

namespace varn {

class SpriteSet;

inline constexpr int16_t kItemIconSize = 64;
// An item icon set holds a slot for every item id.
inline constexpr int32_t kItemIconSlotCount = 255;

namespace ItemCatalogue {

// "Art\Items\Item<id>.bmp"; empty for ids without an item.
std::string IconFileName(int id);

// The file of one paper-doll picture of an item worn in the slot; empty when the slot has no art
// or does not take the item.
std::string DollFileName(const EquipSlotFacts& slot, const DollPicture& picture, int id);

// Fills both tables, then loads into iconSet, slot id - 1, the icon of every item whose needed
// flag (by id - 1) is set. The flags are left as they are.
void BuildKindTable(ItemKindTable& kinds, ItemIconSlotTable& iconSlots, SpriteSet& iconSet,
                    std::span<const uint8_t, kItemTableSize> needed);

// For each equipment slot with art whose reload flag is set: clears the flag and, when the slot
// holds an item of its kind, loads that item's pictures into the slot's layer. A slot that holds
// nothing loads nothing and keeps its old texture; the screens draw a layer only while its slot
// holds an item.
void LoadEquipmentArt(const PaperDollLayers& layers, EquipmentCells equipment,
                      PaperDollReloadFlags& reload);

}  // namespace ItemCatalogue

}  // namespace varn
