#pragma once

#include "world/CharacterRecords.h"

namespace varn {

// A slot holds an army only while its present flag is set, whatever its other arrays hold.
bool HoldsArmy(const ArmyRecord& armies, int slot);

// The army of one slot onto another slot of the same or another character: into an empty slot
// it moves and leaves its own slot cleared; onto an army the two change places. Each army's
// position stays its slot's number, as the houses expect. A source without an army, a slot
// outside 0..5 or a slot onto itself changes nothing; false then.
bool MoveArmy(ArmyRecord& source, int sourceSlot, ArmyRecord& target, int targetSlot);

}  // namespace varn
