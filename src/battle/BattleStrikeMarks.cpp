#include "battle/BattleScreen.h"

namespace varn {

// Kept out of the drawing so that a battle runs the same undrawn: the drawing only reads these.
void BattleScreen::UpdateStrikeMarks() {
    if (pathShown != 0) {
        const bool armyOutOfMoves = selectedArmy != 0 && activeArmyIndex < kBattleArmySlots &&
                                    armyMoves[activeArmyIndex] == 0;
        noMovesLeft = (commanderSelected != 0 && commanderMoves == 0) || armyOutOfMoves ? 1 : 0;
    }
    if (commanderStriking != 0) {
        commanderHitShown = commanderStriking;
        hitFlashOn = kHitFlashAsked;
        hitFlashState = kHitTimerIdle;
    }
    if (armyStriking != 0) {
        armyHitShown = armyStriking;
        hitFlashOn = kHitFlashAsked;
        hitFlashState = kHitTimerIdle;
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
