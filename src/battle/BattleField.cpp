#include "battle/BattleScreen.h"
#include "engine/HitTest.h"

namespace varn {

namespace {

// A unit's code goes into its cell; a cell off the field takes nothing.
void Occupy(std::array<int32_t, kBattleCellCount + 1>& occupancy, int32_t cell, int32_t code) {
    if (IsFieldCell(cell)) {
        occupancy[static_cast<size_t>(cell)] = code;
    }
}

// One step of the two-state period timer: true when a period has passed since the last step.
bool PeriodPassed(uint8_t& state, int32_t& start, uint32_t nowMs, int32_t periodMs) {
    if (state == 1) {
        start = static_cast<int32_t>(nowMs);
        state = 2;
    }
    if (state == 2 && static_cast<int32_t>(nowMs - static_cast<uint32_t>(start)) > periodMs) {
        state = 1;
        return true;
    }
    return false;
}

constexpr uint8_t kLastAnimFrame = 3;
constexpr int32_t kHitFlashPeriods = 6;

}  // namespace

void BattleScreen::CellsToPixels() {
    commanderX = CellPixelX(commanderCell);
    commanderY = CellPixelY(commanderCell);
    for (int s = 0; s < kBattleArmySlots; ++s) {
        armyX[s] = CellPixelX(armyCell[s]);
        armyY[s] = CellPixelY(armyCell[s]);
    }
}

void BattleScreen::BuildOccupancy() {
    // A commander at no health is off the field, as when a strike takes its last point.
    if (commanderCell != kNoBattleCell && commanderHealth != 0) {
        Occupy(occupancy, commanderCell, kOccupantCommander);
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        if (armyPresent[s] != 0) {
            Occupy(occupancy, armyCell[s], kOccupantFirstArmy + s);
        }
    }
    for (int s = 0; s < kBattleSpecialSlots; ++s) {
        if (specialPresent[s] != 0) {
            Occupy(occupancy, specialCell[s], kOccupantFirstSpecial + s);
        }
    }
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (enemyPresent[e] != 0) {
            Occupy(occupancy, enemyCell[e], kOccupantFirstEnemy + e);
        }
    }
    for (int o = 0; o < kBattleObstacleSlots; ++o) {
        if (obstaclePresent[o] != 0) {
            Occupy(occupancy, obstacleCell[o], kOccupantObstacle);
        }
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (allyPresent[a] != 0) {
            Occupy(occupancy, allyCell[a], kOccupantFirstAlly + a);
        }
    }
}

void BattleScreen::MouseToCell() {
    for (int32_t row = 0; row < kBattleRows; ++row) {
        for (int32_t column = 0; column < kBattleColumns; ++column) {
            if (PointInRect(column * kBattleCellSize, row * kBattleCellSize, kBattleCellSize,
                            kBattleCellSize, targetX, targetY) == 0) {
                continue;
            }
            const int32_t cell = row * kBattleColumns + column + 1;
            if (enemyPhase != kComputerIdle) {
                enemyTargetCell = cell;
            } else {
                targetCell = cell;
            }
            if (allyPhase != kComputerIdle) {
                allyTargetCell = cell;
            }
            return;
        }
    }
}

void BattleScreen::Animate(uint32_t nowMs) {
    if (PeriodPassed(bounceState, bounceStart, nowMs, animStepMs)) {
        bounceFrame = bounceFrame > kLastAnimFrame ? kLastAnimFrame : bounceFrame;
        if (bounceUp != 0) {
            if (++bounceFrame >= kLastAnimFrame) {
                bounceUp = 0;
            }
        } else if (bounceFrame == 0) {
            bounceFrame = 1;
            bounceUp = 1;
        } else {
            --bounceFrame;
        }
    }

    AdvanceStrikeSwing(nowMs);

    if (hitFlashOn != kHitFlashOff) {
        if (hitFlashState == kHitTimerIdle) {
            hitFlashStart = static_cast<int32_t>(nowMs);
            hitFlashState = kHitTimerRunning;
            hitFlashOn = kHitFlashShowing;
        }
        const int32_t elapsed = static_cast<int32_t>(nowMs - static_cast<uint32_t>(hitFlashStart));
        if (hitFlashState == kHitTimerRunning && elapsed > kHitFlashPeriods * animStepMs) {
            hitFlashState = kHitTimerIdle;
            hitFlashOn = kHitFlashOff;
            commanderStriking = 0;
            commanderHitShown = 0;
            armyStriking = 0;
            armyHitShown = 0;
        }
    }
}

// The swing shows frames 1, 2, 3, 2, 1, 0, one per animation period, and ends on the seventh:
// then a computer side waiting in its strike stage goes on to its next unit.
void BattleScreen::AdvanceStrikeSwing(uint32_t nowMs) {
    if (strikeAnimOn == 0 || !PeriodPassed(strikeAnimState, strikeAnimStart, nowMs, animStepMs)) {
        return;
    }
    if (strikeAnimUp != 0) {
        if (++strikeAnimFrame >= kLastAnimFrame) {
            strikeAnimFrame = kLastAnimFrame;
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
    strikeAnimState = 1;
    strikeAnimUp = 1;
    if (allyPhase == kComputerStrike) {
        allyPhase = kComputerPlan;
        allyActed = 1;
    }
    if (enemyPhase == kComputerStrike) {
        enemyPhase = kComputerPlan;
        enemyActed = 1;
    }
    commanderStriking = 0;
    commanderHitShown = 0;
    armyStriking = 0;
    armyHitShown = 0;
    allyStriking = 0;
    enemyStriking = 0;
}

void BattleScreen::CheckBattleEnd() {
    battleOver = 1;
    fallenArmies = 0;
    fallenAllies = 0;
    for (uint8_t present : enemyPresent) {
        if (present != 0) {
            battleOver = 0;
        }
    }
    if (battleOver != 0) {
        won = kWonNow;
        lost = 0;
        return;
    }
    for (int s = 0; s < kBattleArmySlots; ++s) {
        fallenArmies += armyPresent[s] == 0 || armyAlive[s] == 0 ? 1 : 0;
    }
    for (int a = 0; a < kBattleAllySlots; ++a) {
        fallenAllies += allyPresent[a] == 0 || allyMen[a] == 0 ? 1 : 0;
    }
    if (commanderHealth == 0 && fallenArmies == kBattleArmySlots &&
        fallenAllies == kBattleAllySlots) {
        won = kNotWon;
        lost = 1;
        battleOver = 1;
    }
}

}  // namespace varn
