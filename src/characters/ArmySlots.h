#pragma once

#include "world/CharacterRecords.h"

namespace varn {

// True when slot 0..5 holds an army.
bool HasArmy(const ArmyRecord& army, int slot);

// Empties slot 0..5: every array but the two spare bytes, which belong to the save alone.
void ClearArmySlot(ArmyRecord& army, int slot);

// Moves the army of one slot onto a slot of the same or another character with every array of
// its slot, name and spares included: into an empty slot it moves and leaves its own slot
// cleared; onto an army the two change places. Each army's position stays its slot's number, as
// the houses expect. False, changing nothing, without an army in the source slot, for a slot
// outside 0..5 or a slot onto itself.
bool MoveArmy(ArmyRecord& source, int sourceSlot, ArmyRecord& target, int targetSlot);

}  // namespace varn
