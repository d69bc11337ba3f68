#include <algorithm>

#include "battle/BattleAiSide.h"
#include "battle/CellAtPoint.h"
#include "battle/Facing.h"
#include "battle/PathStep.h"

namespace varn {

namespace {

constexpr int32_t kHalfViewWidth = 400;
constexpr int32_t kHalfViewHeight = 300;
// A target well below the unit pulls the view further down, so the unit's panel does not cover it.
constexpr int32_t kFarBelow = 100;
constexpr int32_t kFarBelowShift = 200;

void ClearStepFlags(BattleScreen& s) {
    s.stepsRight = 0;
    s.stepsLeft = 0;
    s.stepsUp = 0;
    s.stepsDown = 0;
}

}  // namespace

// Walks the plan by step pixels on each axis. A step finishes in the frame after the unit
// reached it, and the move closes in the frame after the last step finished.
void ComputerSide::Move(uint8_t step) {
    BattleScreen& s = screen;
    const int unit = acting;
    if (moveStart) {
        ClearStepFlags(s);
        moving = 1;
        moveStart = 0;
        nextStep = 1;
        s.arrivedX = 0;
        s.arrivedY = 0;
        s.stepTurnPending = 1;
    }
    const int index = stepIndex;
    if (s.stepTurnPending && moving) {
        s.stepTurnPending = 0;
        ClearStepFlags(s);
        if (index < s.stepCount) {
            const StepFlags flags =
                FlagsToward(unitX[unit], unitY[unit], s.stepX[index], s.stepY[index]);
            s.stepsRight = flags.right;
            s.stepsLeft = flags.left;
            s.stepsUp = flags.up;
            s.stepsDown = flags.down;
            facing[unit] = FacingFromFlags(flags, facing[unit]);
        }
    }
    if (nextStep && moving) {
        nextStep = 0;
        if (index >= s.stepCount || moveAbort || s.stepCount == 0) {
            CloseMove();
        }
    }
    if (!moving) {
        return;
    }
    if (unitX[unit] == s.stepX[index]) {
        s.arrivedX = 1;
    }
    if (unitY[unit] == s.stepY[index]) {
        s.arrivedY = 1;
    }
    if (!s.arrivedX) {
        unitX[unit] = Approach(unitX[unit], s.stepX[index], step);
    }
    if (!s.arrivedY) {
        unitY[unit] = Approach(unitY[unit], s.stepY[index], step);
    }
    if (s.arrivedX && s.arrivedY) {
        s.stepPending[index] = 0;
        ++stepIndex;
        s.arrivedX = 0;
        s.arrivedY = 0;
        nextStep = 1;
        s.stepTurnPending = 1;
    }
    if (moveAbort) {
        nextStep = 1;
    }
}

// The unit takes the cell of the point it stands on; its old cell is freed only while it still
// holds the unit's code, so an empty or abandoned plan never takes another unit's cell.
void ComputerSide::CloseMove() {
    BattleScreen& s = screen;
    const int unit = acting;
    const int32_t code = firstOwnCode + unit;
    moveAbort = 0;
    moveStart = 0;
    moving = 0;
    s.stepCount = 0;
    stepIndex = 0;
    phase = strikeFollows ? 3 : 1;
    acted = 1;
    ClearStepFlags(s);
    const int32_t oldCell = unitCell[unit];
    if (IsFieldCell(oldCell) && s.occupancy[oldCell] == code) {
        s.occupancy[oldCell] = kOccupantFree;
    }
    const int32_t cell = CellAtPoint(unitX[unit], unitY[unit]);
    unitCell[unit] = cell;
    if (IsFieldCell(cell)) {
        s.occupancy[cell] = code;
    }
    done[unit] = 1;
    std::fill(stepHit.begin(), stepHit.end(), 0);
    markCell = 0;
    s.stepPending.fill(0);
    s.stepX.fill(0);
    s.stepY.fill(0);
}

// After a move, the strike goes ahead only while its target is alive and next to the unit.
// The enemies strike the target of the last choice; the allies keep an enemy already settled.
void ComputerSide::CheckAdjacency() {
    BattleScreen& s = screen;
    if (!strikeFollows || strikesInPlace) {
        return;
    }
    s.strikeAdjacent = 0;
    if (isEnemySide || !targetFixed) {
        struckTarget = candTarget;
    }
    if (!isEnemySide) {
        done[acting] = 1;
    }
    const int t = struckTarget;
    if (TargetLive(t) &&
        AreNeighbours(unitX[acting], unitY[acting], TargetXNow(t), TargetYNow(t))) {
        s.strikeAdjacent = 1;
        return;
    }
    strikeFollows = 0;
    phase = 1;
    acted = 1;
    done[acting] = 1;
}

// Centres the view on the middle of the move, or on the unit when it strikes where it stands.
void ComputerSide::CentreCamera() {
    BattleScreen& s = screen;
    int32_t centreX = (fromX + s.targetX) / 2;
    int32_t centreY = (fromY + s.targetY) / 2;
    if (strikesInPlace) {
        centreX = unitX[acting];
        centreY = unitY[acting];
    }
    if (s.targetY > fromY + kFarBelow) {
        centreY += kFarBelowShift;
    }
    s.cameraX = std::clamp(centreX - kHalfViewWidth, kCameraMin, kCameraMaxX);
    s.cameraY = std::clamp(centreY - kHalfViewHeight, kCameraMin, kCameraMaxY);
    followCamera = 0;
    if (isEnemySide) {
        s.enemyFollowAdjacent = 0;
    }
}

}  // namespace varn
