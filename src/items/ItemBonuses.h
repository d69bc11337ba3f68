#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "items/ItemKinds.h"
#include "world/CharacterRecords.h"

namespace varn {

// The amount by which a worn item raises its one stat.
using ItemBonus = uint8_t;

// What each equipment slot contributed to the last sum, grouped by stat (see EquipSlots.h).
using SlotBonuses = std::array<uint8_t, kEquipSlotCount>;

using EquipmentCells = std::span<const ItemId, kEquipSlotCount>;

// The nineteen equipment cells of a character's items, in EquipSlot order.
inline EquipmentCells EquipmentOf(const CharacterItems& items) {
    return EquipmentCells(items.data() + kFirstEquipCell, kEquipSlotCount);
}

namespace ItemCatalogue {

// 0 for every id that names no item, inside 1..250 or not.
ItemBonus BonusOf(int32_t id);

// Base values plus the bonuses of the items in the slots that take their kind; bag cells and
// items in a slot of another kind raise nothing. Writes all three results and the whole record.
// Current health is not touched: see RecomputeEquipmentStats.
void SumEquipmentBonuses(EquipmentCells equipment, int32_t baseHealth, int32_t baseAttack,
                         int32_t baseDefence, int32_t& maxHealth, int32_t& attack, int32_t& defence,
                         SlotBonuses& slotBonus);

// What every screen does after a change of equipment: the sum straight into the character's
// stats, then current health lowered to a new maximum below it. Equipping never raises health.
void RecomputeEquipmentStats(EquipmentCells equipment, CharacterStats& stats,
                             SlotBonuses& slotBonus);

}  // namespace ItemCatalogue

}  // namespace varn
