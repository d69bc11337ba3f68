#include "app/GameApp.h"
#include "map/MapStateSteps.h"
#include "world/GameState.h"

namespace varn {

// Every battle the map starts, the player's attack, a fixed place's enemy or an invader that
// reaches a character, is handed over here.
void GameApp::StartBattleFromMap(uint8_t battleId, uint8_t commanderIsPlayer, uint8_t commanderHero,
                                 bool enemyAttacks) {
    world->commanderIsPlayer = commanderIsPlayer;
    world->commanderHero = commanderHero;
    world->inBattle = 1;
    world->battleId = battleId;
    if (enemyAttacks) {
        world->routePending = kRoutePending;
        world->mapSnapshotState = kSnapshotBattleStarted;
    }
    // The map's leave step writes the map back at the end of this frame.
    SwitchState(BattleStateThunk, kPhaseSwitch);
}

}  // namespace varn
