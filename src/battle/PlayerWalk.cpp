#include "battle/BattleScreen.h"
#include "battle/CellAtPoint.h"
#include "battle/Facing.h"
#include "battle/PathStep.h"
#include "battle/PlayerOrders.h"

namespace varn {

namespace {

// The walking unit's position and facing, the commander's or an army slot's.
struct Walker {
    int32_t& x;
    int32_t& y;
    int32_t& cell;
    uint8_t& facing;
    int32_t code;
};

void StartWalk(BattleScreen& s) {
    s.stepsRight = 0;
    s.stepsLeft = 0;
    s.stepsUp = 0;
    s.stepsDown = 0;
    s.pointReached = 0;
    s.standing = 1;
    s.stepTurnPending = 1;
}

void TurnTowardPoint(BattleScreen& s, Walker w) {
    s.stepTurnPending = 0;
    s.stepsRight = 0;
    s.stepsLeft = 0;
    s.stepsUp = 0;
    s.stepsDown = 0;
    if (s.pathCursor >= s.pathLength) {
        return;
    }
    const StepFlags flags = FlagsToward(w.x, w.y, s.pathX[s.pathCursor], s.pathY[s.pathCursor]);
    s.stepsRight = flags.right;
    s.stepsLeft = flags.left;
    s.stepsUp = flags.up;
    s.stepsDown = flags.down;
    if (flags.Any()) {
        s.standing = 0;
    }
    w.facing = FacingFromFlags(flags, w.facing);
}

// The unit takes the cell it stands on; a special on that cell is taken off the field.
void Arrive(BattleScreen& s, Walker w) {
    s.strikeNow = 1;
    s.standing = 1;
    s.pathLength = 0;
    s.pathTargetFound = 0;
    s.attackPlanned = 0;
    if (IsFieldCell(w.cell) && s.occupancy[w.cell] == w.code) {
        s.occupancy[w.cell] = kOccupantFree;
    }
    w.cell = CellAtPoint(w.x, w.y);
    if (IsFieldCell(w.cell)) {
        s.arrivalOccupant = s.occupancy[w.cell];
        s.occupancy[w.cell] = w.code;
    }
    s.targetCell = 0;
    const int32_t special = s.arrivalOccupant - kOccupantFirstSpecial;
    if (special >= 0 && special < kBattleSpecialSlots) {
        s.specialPresent[special] = 0;
    }
    s.pathPointOn.fill(0);
}

// Moves toward the current point by steps pixels per axis, never past it; a point counts as
// reached in the frame after the unit stood on it.
void WalkTowardPoint(BattleScreen& s, Walker w, uint8_t steps) {
    if (s.pathCursor >= s.pathLength) {
        return;
    }
    const int32_t pointX = s.pathX[s.pathCursor];
    const int32_t pointY = s.pathY[s.pathCursor];
    if (w.x == pointX) {
        s.arrivedX = 1;
    }
    if (w.y == pointY) {
        s.arrivedY = 1;
    }
    if (!s.arrivedX) {
        w.x = Approach(w.x, pointX, steps);
    }
    if (!s.arrivedY) {
        w.y = Approach(w.y, pointY, steps);
    }
    if (s.arrivedX && s.arrivedY) {
        s.pathPointOn[s.pathCursor] = 0;
        s.arrivedX = 0;
        s.arrivedY = 0;
        ++s.pathCursor;
        s.pointReached = 1;
        s.stepTurnPending = 1;
    }
}

}  // namespace

// The commander's, then an army slot's walk along the planned path, steps pixels this frame.
void BattleScreen::MovePlayerUnit(uint8_t steps) {
    const Walker commander{commanderX, commanderY, commanderCell, commanderFacing,
                           kOccupantCommander};
    if (commanderOrder == kOrderGo) {
        commanderSelected = 0;
        commanderOrder = kOrderWalking;
        StartWalk(*this);
    }
    if (stepTurnPending && commanderOrder >= kOrderGo) {
        TurnTowardPoint(*this, commander);
    }
    if (pointReached && commanderOrder != kOrderNone) {
        pointReached = 0;
        if (pathCursor == pathLength) {
            commanderMovesCommitted = commanderMoves;
            commanderOrder = kOrderNone;
            Arrive(*this, commander);
        }
    }
    if (commanderOrder == kOrderWalking) {
        WalkTowardPoint(*this, commander, steps);
    }

    if (armyGo != 0) {
        selectedArmy = 0;
        armyWalking = static_cast<uint8_t>(armyGo + 1);
        armyGo = 0;
        StartWalk(*this);
    }
    if (armyWalking == 0) {
        UpdatePathMarks(*this);
        return;
    }
    const int slot = armyWalking - 2;
    const Walker army{armyX[slot], armyY[slot], armyCell[slot], armyFacing[slot],
                      kOccupantFirstArmy + slot};
    if (stepTurnPending) {
        TurnTowardPoint(*this, army);
    }
    if (pointReached) {
        pointReached = 0;
        if (pathCursor == pathLength) {
            armyMovesCommitted[slot] = armyMoves[slot];
            armyGo = 0;
            armyWalking = 0;
            Arrive(*this, army);
        }
    }
    if (armyWalking != 0) {
        WalkTowardPoint(*this, army, steps);
    }
    UpdatePathMarks(*this);
}

}  // namespace varn
