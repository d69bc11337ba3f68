#pragma once

#include <cstdint>

#include "battle/BattleScreen.h"

namespace varn {

class GameApp;

// The steps of the battle's frame, in the files of their jobs. Each works on the battle screen
// of the GameApp, which exists from the entry step on.

// Neither the allies nor the enemies are in their phase.
inline bool ComputerActs(const BattleScreen& b) {
    return b.enemyPhase != kComputerIdle || b.allyPhase != kComputerIdle;
}

// No unit of the player's sent off or walking.
inline bool PlayerUnitsIdle(const BattleScreen& b) {
    return b.commanderOrder < kOrderGo && b.armyGo == 0 && b.armyWalking == 0;
}

// Neither a unit of the player's sent off nor a computer phase under way.
inline bool PlayerIdle(const BattleScreen& b) {
    return PlayerUnitsIdle(b) && !ComputerActs(b);
}

// BattleStateInput.cpp: the keys, the camera's keys and edges, Enter and the right click, the
// side buttons and the clicks on the field and the result. True when the player leaves for the
// map.
bool RunBattleInput(GameApp& app);

}  // namespace varn
