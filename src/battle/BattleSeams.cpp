#include "battle/BattleScreen.h"

namespace varn {

namespace {

constexpr uint8_t kEnemyPhaseDone = 100;

}  // namespace

void BattleScreen::RunPlayerCommand(uint8_t steps) {
    (void)steps;
    // Selection, path planning and the walk come with the battle rules; until then a click on
    // the field selects nothing.
    cellClicked = 0;
}

void BattleScreen::RunComputerPhase(uint8_t steps) {
    (void)steps;
    // Until the allies and enemies plan and strike, each phase finds nobody left to act.
    if (allyPhase != 0) {
        allyPhase = 0;
        enemyPhase = 1;
    }
    if (enemyPhase == 1) {
        enemyPhase = kEnemyPhaseDone;
        showTurnInfo = 1;
        ++turn;
    }
    if (enemyPhase == kEnemyPhaseDone && enemyMoving == 0) {
        enemyPhase = 0;
    }
}

void BattleScreen::BeginComputerPhases() {
    allyPhase = 1;
    allyActed = 1;
    actingAlly = 0;
    allyDone.fill(0);
    enemyActed = 1;
    actingEnemy = 0;
    enemyDone.fill(0);
    commanderMovesCommitted = kTurnMoves;
    armyMovesCommitted.fill(kTurnMoves);
    ClearPlanAndSelection();
}

void BattleScreen::ClearPlanAndSelection() {
    pathPointOn.fill(0);
    pathX.fill(0);
    pathY.fill(0);
    pathLength = 0;
    planStep = 0;
    commanderSelected = 0;
    selectedArmy = 0;
}

void BattleScreen::UpdateStrikeMarks() {
    if (pathShown != 0) {
        const bool armyOutOfMoves = selectedArmy != 0 && activeArmyIndex < kBattleArmySlots &&
                                    armyMoves[activeArmyIndex] == 0;
        noMovesLeft = (commanderSelected != 0 && commanderMoves == 0) || armyOutOfMoves ? 1 : 0;
    }
    if (commanderStriking != 0) {
        commanderHitShown = commanderStriking;
        hitFlashOn = 1;
        hitFlashState = 1;
    }
    if (armyStriking != 0) {
        armyHitShown = armyStriking;
        hitFlashOn = 1;
        hitFlashState = 1;
    }
    if (commanderStriking == 0 && armyStriking == 0 && allyStriking == 0 &&
        hitEnemy != targetEnemy) {
        commanderHitShown = 0;
        armyHitShown = 0;
    }
    if (newStrike != 0) {
        newStrike = 0;
        hitEnemy = targetEnemy;
    }
}

}  // namespace varn
