#include "battle/BattleAiSide.h"

namespace varn {

namespace {

// Enemy targets: 0 the commander, 1..6 army slots 1..6, 7.. allies 0..19.

}  // namespace

ComputerSide ComputerSide::Enemies(BattleScreen& s) {
    return ComputerSide{
        .screen = s,
        .isEnemySide = true,
        .targetSlots = kEnemyTargets,
        .noCandidate = kNoEnemyCandidate,
        .firstOwnCode = kOccupantFirstEnemy,
        .present = s.enemyPresent,
        .done = s.enemyDone,
        .moves = s.enemyMoves,
        .facing = s.enemyFacing,
        .unitX = s.enemyX,
        .unitY = s.enemyY,
        .unitCell = s.enemyCell,
        .phase = s.enemyPhase,
        .acted = s.enemyActed,
        .acting = s.actingEnemy,
        .chosen = s.enemyChosen,
        .fromX = s.enemyFromX,
        .fromY = s.enemyFromY,
        .targetX = s.enemyTargetX,
        .targetY = s.enemyTargetY,
        .targetOn = s.enemyTargetOn,
        .candX = s.enemyCandX,
        .candY = s.enemyCandY,
        .candInField = s.enemyCandInField,
        .candFree = s.enemyCandFree,
        .candDist = s.enemyCandDist,
        .markTarget = s.enemyMarkTarget,
        .markCandidate = s.enemyMarkCandidate,
        .markCell = s.enemyTargetCell,
        .bestCand = s.enemyBestCand,
        .bestDist = s.enemyBestDist,
        .candFound = s.enemyCandFound,
        .goalX = s.enemyGoalX,
        .goalY = s.enemyGoalY,
        .candTarget = s.enemyCandTarget,
        .targetFixed = s.enemyTargetFixed,
        .struckTarget = s.enemyStruckTarget,
        .strikeFollows = s.enemyStrikeFollows,
        .strikesInPlace = s.strikeAdjacent,
        .planStage = s.enemyPlanStage,
        .stepHit = s.enemyStepHit,
        .moveStart = s.enemyMoveStart,
        .moving = s.enemyMoving,
        .nextStep = s.enemyNextStep,
        .stepIndex = s.enemyStepIndex,
        .moveAbort = s.enemyMoveAbort,
        .followCamera = s.enemyFollowCamera,
    };
}

ComputerSide ComputerSide::Allies(BattleScreen& s) {
    return ComputerSide{
        .screen = s,
        .isEnemySide = false,
        .targetSlots = kBattleEnemySlots,
        .noCandidate = kNoAllyCandidate,
        .firstOwnCode = kOccupantFirstAlly,
        .present = s.allyPresent,
        .done = s.allyDone,
        .moves = s.allyMoves,
        .facing = s.allyFacing,
        .unitX = s.allyX,
        .unitY = s.allyY,
        .unitCell = s.allyCell,
        .phase = s.allyPhase,
        .acted = s.allyActed,
        .acting = s.actingAlly,
        .chosen = s.allyChosen,
        .fromX = s.allyFromX,
        .fromY = s.allyFromY,
        .targetX = s.allyTargetX,
        .targetY = s.allyTargetY,
        .targetOn = s.allyTargetOn,
        .candX = s.allyCandX,
        .candY = s.allyCandY,
        .candInField = s.allyCandInField,
        .candFree = s.allyCandFree,
        .candDist = s.allyCandDist,
        .markTarget = s.allyMarkTarget,
        .markCandidate = s.allyMarkCandidate,
        .markCell = s.allyTargetCell,
        .bestCand = s.allyBestCand,
        .bestDist = s.allyBestDist,
        .candFound = s.allyCandFound,
        .goalX = s.allyGoalX,
        .goalY = s.allyGoalY,
        .candTarget = s.allyCandTarget,
        .targetFixed = s.allyTargetFixed,
        .struckTarget = s.allyStruckTarget,
        .strikeFollows = s.allyStrikeFollows,
        .strikesInPlace = s.allyStrikeAdjacent,
        .planStage = s.allyPlanStage,
        .stepHit = s.allyStepHit,
        .moveStart = s.allyMoveStart,
        .moving = s.allyMoving,
        .nextStep = s.allyNextStep,
        .stepIndex = s.allyStepIndex,
        .moveAbort = s.allyMoveAbort,
        .followCamera = s.allyFollowCamera,
    };
}

// The enemies aim at every unit of the player with health or men; the allies at every enemy on
// the field, whatever its men.
void ComputerSide::FillTargets() {
    BattleScreen& s = screen;
    s.targetCount = 0;
    auto take = [&](int t, int32_t x, int32_t y) {
        targetOn[t] = 1;
        targetX[t] = x;
        targetY[t] = y;
        ++s.targetCount;
    };
    if (!isEnemySide) {
        for (int e = 0; e < kBattleEnemySlots; ++e) {
            if (s.enemyPresent[e]) {
                take(e, s.enemyX[e], s.enemyY[e]);
            }
        }
        return;
    }
    if (s.commanderHealth != 0) {
        take(0, s.commanderX, s.commanderY);
    }
    for (int slot = 0; slot < kBattleArmySlots; ++slot) {
        if (s.armyAlive[slot] != 0) {
            take(1 + slot, s.armyX[slot], s.armyY[slot]);
        }
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (s.allyMen[a] != 0) {
            take(kFirstAllyTarget + a, s.allyX[a], s.allyY[a]);
        }
    }
}

bool ComputerSide::TargetLive(int t) const {
    const BattleScreen& s = screen;
    if (!isEnemySide) {
        return t >= 0 && t < kBattleEnemySlots && s.enemyPresent[t] && s.enemyMen[t] > 0;
    }
    if (t == 0) {
        return s.commanderHealth > 0;
    }
    if (t >= 1 && t < kFirstAllyTarget) {
        return s.armyPresent[t - 1] && s.armyAlive[t - 1] > 0;
    }
    const int a = t - kFirstAllyTarget;
    return a >= 0 && a < kBattleAllySlots && s.allyPresent[a] && s.allyMen[a] > 0;
}

int32_t ComputerSide::TargetXNow(int t) const {
    const BattleScreen& s = screen;
    if (!isEnemySide) {
        return s.enemyX[t];
    }
    if (t == 0) {
        return s.commanderX;
    }
    return t < kFirstAllyTarget ? s.armyX[t - 1] : s.allyX[t - kFirstAllyTarget];
}

int32_t ComputerSide::TargetYNow(int t) const {
    const BattleScreen& s = screen;
    if (!isEnemySide) {
        return s.enemyY[t];
    }
    if (t == 0) {
        return s.commanderY;
    }
    return t < kFirstAllyTarget ? s.armyY[t - 1] : s.allyY[t - kFirstAllyTarget];
}

namespace {

bool PlayerSideAt(const BattleScreen& s, int32_t x, int32_t y) {
    if (s.commanderHealth != 0 && s.commanderX == x && s.commanderY == y) {
        return true;
    }
    for (int slot = 0; slot < kBattleArmySlots; ++slot) {
        if (s.armyPresent[slot] && s.armyX[slot] == x && s.armyY[slot] == y) {
            return true;
        }
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (s.allyPresent[a] && s.allyX[a] == x && s.allyY[a] == y) {
            return true;
        }
    }
    return false;
}

int EnemyAt(const BattleScreen& s, int32_t x, int32_t y) {
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] && s.enemyX[e] == x && s.enemyY[e] == y) {
            return e;
        }
    }
    return -1;
}

}  // namespace

int ComputerSide::HostileAt(int32_t x, int32_t y) const {
    if (isEnemySide) {
        return PlayerSideAt(screen, x, y) ? 0 : -1;
    }
    return EnemyAt(screen, x, y);
}

bool ComputerSide::FriendAt(int32_t x, int32_t y) const {
    return isEnemySide ? EnemyAt(screen, x, y) >= 0 : PlayerSideAt(screen, x, y);
}

}  // namespace varn
