#include "battle/BattleScreen.h"
#include "battle/PathStep.h"
#include "battle/PlayerOrders.h"

namespace varn {

namespace {

// The path of the selected unit is planned at most this many steps ahead.
constexpr uint8_t kFirstPlanStage = 2;
constexpr uint8_t kLastPlanStage = kFirstPlanStage + kPlanSteps - 1;

uint8_t& SelectedMoves(BattleScreen& s) {
    return s.commanderSelected ? s.commanderMoves : s.armyMoves[s.activeArmyIndex];
}

int EnemyOn(const BattleScreen& s, int32_t x, int32_t y) {
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] && s.enemyX[e] == x && s.enemyY[e] == y) {
            return e;
        }
    }
    return -1;
}

int AllyOn(const BattleScreen& s, int32_t x, int32_t y) {
    for (int a = 0; a < kBattleAllySlots; ++a) {
        if (s.allyPresent[a] && s.allyX[a] == x && s.allyY[a] == y) {
            return a;
        }
    }
    return -1;
}

// The step just planned ran into a unit at (unitX, unitY): it is taken back and planning stops.
void TakeBackStep(BattleScreen& s, int32_t unitX, int32_t unitY) {
    ++SelectedMoves(s);
    if (s.pathLength > 0) {
        --s.pathLength;
        s.pathPointOn[s.pathLength] = 0;
    }
    s.planStep = 0;
    s.stepsRight = 0;
    s.stepsLeft = 0;
    s.stepsUp = 0;
    s.stepsDown = 0;
    s.pathTargetFound = 1;
    s.pathTargetX = unitX;
    s.pathTargetY = unitY;
    if (s.pathLength > 0) {
        s.targetX = s.pathX[s.pathLength - 1];
        s.targetY = s.pathY[s.pathLength - 1];
    } else {
        s.pathPointOn.fill(0);
    }
}

void CompletePlan(BattleScreen& s) {
    s.planStep = 0;
    s.pathCursor = 0;
    if (s.commanderSelected) {
        s.commanderOrder = kOrderPlanned;
    } else {
        s.armyOrderPlanned = s.selectedArmy;
    }
}

// Steps toward the clicked point, diagonal first, one move each, stopping before an enemy (an
// attack) or an ally.
void PlanPath(BattleScreen& s) {
    for (uint8_t stage = kFirstPlanStage; stage <= kLastPlanStage; ++stage) {
        if (s.planStep != stage || SelectedMoves(s) == 0) {
            return;
        }
        int32_t x = s.pathLength == 0 ? s.planStartX : s.pathX[s.pathLength - 1];
        int32_t y = s.pathLength == 0 ? s.planStartY : s.pathY[s.pathLength - 1];
        const AxisCounts counts{s.stepsRight, s.stepsLeft, s.stepsUp, s.stepsDown};
        if (!TakePathStep(counts, x, y)) {
            CompletePlan(s);
            return;
        }
        s.planStep = stage == kLastPlanStage ? 0 : static_cast<uint8_t>(stage + 1);
        if (counts.Empty()) {
            CompletePlan(s);
        }
        s.targetX = x;
        s.targetY = y;
        --SelectedMoves(s);
        const bool firstStep = s.pathLength == 0;
        s.pathPointOn[s.pathLength] = 1;
        s.pathX[s.pathLength] = x;
        s.pathY[s.pathLength] = y;
        if (s.pathLength < kBattlePathPoints - 1) {
            ++s.pathLength;
        }
        if (const int e = EnemyOn(s, x, y); e >= 0) {
            TakeBackStep(s, s.enemyX[e], s.enemyY[e]);
            s.targetEnemy = static_cast<uint8_t>(e);
            s.attackPlanned = 1;
            if (firstStep) {
                s.strikeNow = 1;
                s.strikeImmediate = 1;
            }
            return;
        }
        if (const int a = AllyOn(s, x, y); a >= 0) {
            TakeBackStep(s, s.allyX[a], s.allyY[a]);
            s.strikeNow = 1;
            return;
        }
    }
}

void Refuse(BattleScreen& s) {
    s.moveRefused = 1;
    s.refusedX = s.targetX;
    s.refusedY = s.targetY;
}

bool OccupiedByUnitOrObstacle(const BattleScreen& s) {
    const int32_t code = s.occupancy[s.targetCell];
    return code != kOccupantFree && code < kOccupantFirstSpecial;
}

bool ArmyOnTarget(const BattleScreen& s, int slot) {
    return s.armyPresent[slot] && s.armyX[slot] == s.targetX && s.armyY[slot] == s.targetY;
}

}  // namespace

// A click selects one of the player's units, or plans a path for the selected one toward the
// clicked cell. Each click is handled once.
void BattleScreen::HandleCellClick() {
    strikeImmediate = 0;
    attackPlanned = 0;
    strikeOrdered = kStrikeNone;
    moveRefused = 0;
    strikeNow = 0;
    pathTargetFound = 0;
    commanderOrder = kOrderNone;
    armyOrderPlanned = 0;
    selectionMade = 0;
    planStep = 0;
    strikingCommander = 0;
    strikingArmy = 0;
    targetX = clickedX;
    targetY = clickedY;
    targetCell = clickedCell;
    commanderMoves = commanderMovesCommitted;
    armyMoves[activeArmyIndex] = armyMovesCommitted[activeArmyIndex];
    const bool planClick = cellClicked && (commanderSelected || selectedArmy != 0);
    cellClicked = 0;

    if (commanderHealth > 0 && commanderCell == clickedCell) {
        commanderSelected = 1;
        selectedArmy = 0;
        selectionMade = 1;
    }
    for (int slot = 1; slot <= kBattleArmySlots; ++slot) {
        if (armyPresent[slot - 1] && armyCell[slot - 1] == clickedCell) {
            selectedArmy = static_cast<uint8_t>(slot);
            commanderSelected = 0;
            selectionMade = 1;
        }
    }
    if (selectedArmy != 0) {
        activeArmyIndex = static_cast<uint8_t>(selectedArmy - 1);
        strikingArmy = selectedArmy;
    } else if (commanderSelected) {
        strikingCommander = 1;
    }

    const bool anySelected = commanderSelected || selectedArmy != 0;
    if (anySelected && selectionMade) {
        ClearPlannedPath(*this);
    } else if (anySelected && planClick) {
        ClearPlannedPath(*this);
        planStep = 1;
        planStartX = commanderSelected ? commanderX : armyX[activeArmyIndex];
        planStartY = commanderSelected ? commanderY : armyY[activeArmyIndex];
        SelectedMoves(*this) =
            commanderSelected ? commanderMovesCommitted : armyMovesCommitted[activeArmyIndex];
        stepsRight = clickedX > planStartX ? (clickedX - planStartX) / kBattleCellSize : 0;
        stepsLeft = clickedX < planStartX ? (planStartX - clickedX) / kBattleCellSize : 0;
        stepsUp = clickedY < planStartY ? (planStartY - clickedY) / kBattleCellSize : 0;
        stepsDown = clickedY > planStartY ? (clickedY - planStartY) / kBattleCellSize : 0;
        planStep = kFirstPlanStage;
        PlanPath(*this);
    }

    if (commanderSelected) {
        commanderOrder = kOrderPlanned;
    } else if (selectedArmy != 0) {
        armyOrderPlanned = selectedArmy;
    }
    evaluateRequested = 1;
    pathCursor = 0;
    UpdatePathMarks(*this);
}

// Refuses a destination held by a unit (other than the one the path ran into) or by one of the
// player's own units.
void BattleScreen::EvaluatePlayerTarget() {
    evaluateRequested = 0;
    const bool haveTarget = IsFieldCell(targetCell);
    if (enemyPhase == kComputerIdle && allyPhase == kComputerIdle && haveTarget) {
        if (commanderSelected) {
            if (OccupiedByUnitOrObstacle(*this) &&
                !(pathTargetX == targetX && pathTargetY == targetY)) {
                Refuse(*this);
            }
            if (targetCell == commanderCell) {
                moveRefused = 0;
            }
            for (int slot = 0; slot < kBattleArmySlots; ++slot) {
                if (ArmyOnTarget(*this, slot)) {
                    Refuse(*this);
                    ownUnitHit = kOwnArmyUnderCommander;
                }
            }
        }
        if (selectedArmy != 0) {
            const int selected = selectedArmy - 1;
            if (OccupiedByUnitOrObstacle(*this)) {
                Refuse(*this);
            }
            if (pathTargetX == refusedX && pathTargetY == refusedY) {
                moveRefused = 0;
            }
            if (targetCell == armyCell[selected]) {
                moveRefused = 0;
            }
            if (commanderHealth > 0 && commanderX == targetX && commanderY == targetY) {
                Refuse(*this);
                ownUnitHit = kOwnCommanderUnderArmy;
            }
            for (int slot = 0; slot < kBattleArmySlots; ++slot) {
                if (ArmyOnTarget(*this, slot)) {
                    Refuse(*this);
                    ownUnitHit = kOwnArmyUnderArmy;
                }
            }
            if (ArmyOnTarget(*this, selected)) {
                moveRefused = 0;
                ownUnitHit = kOwnUnitNone;
            }
        }
    }
    if (pathLength > 0 && moveRefused && !noMovesLeft && haveTarget &&
        occupancy[targetCell] > kOccupantFirstArmy + kBattleArmySlots - 1) {
        moveRefused = 0;
    }
    if (ownUnitHit) {
        ownUnitHit = kOwnUnitNone;
        Refuse(*this);
    }
    UpdatePathMarks(*this);
}

}  // namespace varn
