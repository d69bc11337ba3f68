#pragma once

#include "world/CharacterRecords.h"

namespace varn {

// True when slot 0..5 holds an army.
bool HasArmy(const ArmyRecord& army, int slot);

// Empties slot 0..5: every array but the two spare bytes, which belong to the save alone.
void ClearArmySlot(ArmyRecord& army, int slot);

// Exchanges two army slots, of one character or of two (an empty slot takes the other's army and
// gives its emptiness back). The spare bytes stay with their slots.
void SwapArmySlots(ArmyRecord& first, int firstSlot, ArmyRecord& second, int secondSlot);

}  // namespace varn
