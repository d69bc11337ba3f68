#include "battle/BattleScreen.h"
#include "battle/CellAtPoint.h"

namespace varn {

// The cell of the chosen point goes to the side that is acting: the enemy's while its phase
// runs, else the player's, and also the ally's while the allies act.
void BattleScreen::MouseToCell() {
    const int32_t cell = CellAtPoint(targetX, targetY);
    if (cell == kNoBattleCell) {
        return;
    }
    if (enemyPhase != 0) {
        enemyTargetCell = cell;
    } else {
        targetCell = cell;
    }
    if (allyPhase != 0) {
        allyTargetCell = cell;
    }
}

// Later writes win on a shared cell; the table is not cleared first.
void BattleScreen::BuildOccupancy() {
    if (IsFieldCell(commanderCell)) {
        occupancy[commanderCell] = kOccupantCommander;
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (armyPresent[s] && IsFieldCell(armyCell[s])) {
            occupancy[armyCell[s]] = kOccupantFirstArmy + s;
        }
    }
    for (int s = 0; s < kBattleSpecialSlots; ++s) {
        if (specialPresent[s] && IsFieldCell(specialCell[s])) {
            occupancy[specialCell[s]] = kOccupantFirstSpecial + s;
        }
    }
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (enemyPresent[e] && IsFieldCell(enemyCell[e])) {
            occupancy[enemyCell[e]] = kOccupantFirstEnemy + e;
        }
    }
    for (int o = 0; o < kBattleObstacleSlots; ++o) {
        if (obstaclePresent[o] && IsFieldCell(obstacleCell[o])) {
            occupancy[obstacleCell[o]] = kOccupantObstacle;
        }
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (allyPresent[a] && IsFieldCell(allyCell[a])) {
            occupancy[allyCell[a]] = kOccupantFirstAlly + a;
        }
    }
}

// The swing shows frames 1, 2, 3, 2, 1, 0, one per animation period, and ends on the seventh:
// then a computer side waiting in its strike stage goes on to its next unit.
void BattleScreen::AdvanceStrikeSwing(uint32_t nowMs) {
    if (!strikeAnimOn) {
        return;
    }
    const int32_t now = static_cast<int32_t>(nowMs);
    if (strikeAnimState == 1) {
        strikeAnimStart = now;
        strikeAnimState = 2;
        return;
    }
    if (now - strikeAnimStart <= animStepMs) {
        return;
    }
    strikeAnimState = 1;
    if (strikeAnimUp) {
        ++strikeAnimFrame;
        if (strikeAnimFrame >= 3) {
            strikeAnimFrame = 3;
            strikeAnimUp = 0;
        }
        return;
    }
    if (strikeAnimFrame > 0) {
        --strikeAnimFrame;
        return;
    }
    strikeAnimFrame = 0;
    strikeAnimOn = 0;
    strikeAnimUp = 1;
    if (allyPhase == 3) {
        allyPhase = 1;
        allyActed = 1;
    }
    if (enemyPhase == 3) {
        enemyPhase = 1;
        enemyActed = 1;
    }
    commanderStriking = 0;
    commanderHitShown = 0;
    armyStriking = 0;
    armyHitShown = 0;
    allyStriking = 0;
    enemyStriking = 0;
}

}  // namespace varn
