#include "battle/BattleScreen.h"
#include "battle/scenarios/ScenarioTables.h"

namespace varn {

// The last picture flag is only ever set here, never cleared.
constexpr int kClearedEnemyKinds = 10;

void BattleScreen::SetupEnemySide() {
    for (int kind = 0; kind < kClearedEnemyKinds; ++kind) {
        enemyKindUsed[kind] = 0;
    }
    const EnemySideRow* row = FindEnemySideRow(battleId);
    if (row == nullptr) {
        return;
    }
    for (int kind = 0; kind < kEnemyKindCount; ++kind) {
        if ((row->pictures & (1u << kind)) != 0) {
            enemyKindUsed[kind] = 1;
        }
    }
    enemyCount = row->enemyCount;
    for (const EnemyEntry& enemy : row->enemies) {
        const int s = enemy.slot;
        enemyPresent[s] = 1;
        enemyCell[s] = enemy.cell;
        enemyX[s] = CellPixelX(enemy.cell);
        enemyY[s] = CellPixelY(enemy.cell);
        enemyFacing[s] = enemy.facing;
        enemyKind[s] = enemy.kind;
        enemyMen[s] = enemy.men;
        enemyAttack[s] = enemy.attack;
        enemyDefence[s] = enemy.defence;
        enemyLight[s] = 0;
        enemySerious[s] = 0;
        enemyCritical[s] = 0;
        enemyDown[s] = 0;
    }
}

}  // namespace varn
