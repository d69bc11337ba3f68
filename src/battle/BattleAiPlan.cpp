#include <algorithm>
#include <cstdlib>

#include "battle/BattleAiSide.h"
#include "battle/CellAtPoint.h"
#include "battle/PathStep.h"

namespace varn {

namespace {

constexpr int kNeighbours = 8;
// Neighbour k of a cell: 0 up, then clockwise to 7 up-left.
constexpr int32_t kNeighbourDX[kNeighbours] = {0, 80, 80, 80, 0, -80, -80, -80};
constexpr int32_t kNeighbourDY[kNeighbours] = {-80, -80, 0, 80, 80, 80, 0, -80};
constexpr int32_t kLastColumnX = (kBattleColumns - 1) * kBattleCellSize;
constexpr int32_t kLastRowY = (kBattleRows - 1) * kBattleCellSize;
// A plan never takes more steps per axis than a unit's moves of a turn.
constexpr uint8_t kMaxAxisSteps = kPlanSteps;

uint8_t CellDistance(int32_t ax, int32_t ay, int32_t bx, int32_t by) {
    const int32_t cells = std::max(std::abs(bx - ax), std::abs(by - ay)) / kBattleCellSize;
    return static_cast<uint8_t>(std::min<int32_t>(cells, UINT8_MAX));
}

}  // namespace

// The lowest-index unit still to act; without one, or without any target, the side is done.
void ComputerSide::Next() {
    BattleScreen& s = screen;
    candFound = 0;
    chosen = 0;
    std::fill(targetOn.begin(), targetOn.end(), 0);
    for (size_t u = 0; u < present.size(); ++u) {
        if (present[u] && !done[u]) {
            acting = static_cast<uint8_t>(u);
            chosen = 1;
            followCamera = 1;
            break;
        }
    }
    s.targetCount = 0;
    if (chosen) {
        fromX = unitX[acting];
        fromY = unitY[acting];
        FillTargets();
    }
    s.stepCount = 0;
    s.arrivedX = 0;
    s.arrivedY = 0;
    markCell = 0;
    s.targetX = 0;
    s.targetY = 0;
    if (chosen && s.targetCount > 0) {
        return;
    }
    if (isEnemySide) {
        phase = 100;
        s.showTurnInfo = 1;
        ++s.turn;
    } else {
        phase = 0;
        s.enemyPhase = kComputerPlan;
    }
}

// A target already next to the unit is struck where the unit stands; its moves stay unspent.
void ComputerSide::FindNeighbour() {
    BattleScreen& s = screen;
    strikesInPlace = 0;
    strikeFollows = 0;
    for (int t = 0; t < targetSlots; ++t) {
        if (!targetOn[t] || !AreNeighbours(fromX, fromY, targetX[t], targetY[t])) {
            continue;
        }
        strikesInPlace = 1;
        struckTarget = static_cast<uint8_t>(t);
        strikeFollows = 1;
        targetFixed = 1;
        done[acting] = 1;
        phase = 3;
        if (isEnemySide) {
            s.enemyFollowAdjacent = 1;
        } else {
            moveStart = 0;
            moving = 0;
        }
        return;
    }
}

// Every live target's eight neighbours become candidates; those on the field are tested for
// room.
void ComputerSide::MarkCandidates() {
    std::fill(candInField.begin(), candInField.end(), 0);
    for (int t = 0; t < targetSlots; ++t) {
        if (targetOn[t]) {
            markTarget = static_cast<uint8_t>(t);
            MarkReach(targetX[t], targetY[t]);
        }
    }
    BattleScreen& s = screen;
    for (int c = 0; c < Candidates(); ++c) {
        candFree[c] = 0;
        if (!candInField[c]) {
            continue;
        }
        markCandidate = c;
        MarkReachCells(candX[c], candY[c]);
        if (isEnemySide && candX[c] == s.enemyBlockedX && candY[c] == s.enemyBlockedY) {
            candFree[c] = 0;
        }
    }
}

void ComputerSide::MarkReach(int32_t x, int32_t y) {
    for (int k = 0; k < kNeighbours; ++k) {
        const int c = markTarget * kNeighbours + k;
        candX[c] = x + kNeighbourDX[k];
        candY[c] = y + kNeighbourDY[k];
        if (candX[c] >= 0 && candX[c] <= kLastColumnX && candY[c] >= 0 && candY[c] <= kLastRowY) {
            candInField[c] = 1;
        }
    }
}

// A free cell or a special's may be entered.
void ComputerSide::MarkReachCells(int32_t x, int32_t y) {
    const int32_t cell = CellAtPoint(x, y);
    if (cell == kNoBattleCell) {
        return;
    }
    markCell = cell;
    const int32_t code = screen.occupancy[cell];
    if (code == kOccupantFree || code >= kOccupantFirstSpecial) {
        candFree[markCandidate] = 1;
    }
}

void ComputerSide::SpreadDistances() {
    for (int c = 0; c < Candidates(); ++c) {
        if (candFree[c]) {
            candDist[c] = CellDistance(fromX, fromY, candX[c], candY[c]);
        }
    }
}

// The nearest free candidate, ties to the lowest index (target order, then neighbour order);
// without one the unit heads for the stored position of target 0.
void ComputerSide::ChooseTarget() {
    BattleScreen& s = screen;
    bestCand = noCandidate;
    bestDist = kNoCandidateDistance;
    candFound = 0;
    goalX = 0;
    goalY = 0;
    struckTarget = 0;
    if (isEnemySide) {
        moveAbort = 0;
    }
    for (int c = 0; c < Candidates(); ++c) {
        if (candFree[c] && candDist[c] < bestDist) {
            bestCand = c;
            bestDist = candDist[c];
        }
    }
    if (bestDist < kNoCandidateDistance) {
        candFound = 1;
        goalX = candX[bestCand];
        goalY = candY[bestCand];
        candTarget = static_cast<uint8_t>(bestCand / kNeighbours);
        targetFixed = 0;
        strikeFollows = 1;
    } else {
        goalX = targetX[0];
        goalY = targetY[0];
        targetFixed = 1;
    }
    s.targetX = goalX;
    s.targetY = goalY;
}

// Whole cells toward the goal on each axis, at most seven; a goal further away is approached
// without a strike.
void ComputerSide::StepDirection() {
    BattleScreen& s = screen;
    s.stepsRight = 0;
    s.stepsLeft = 0;
    s.stepsUp = 0;
    s.stepsDown = 0;
    auto cells = [&](int32_t distance) {
        const int32_t count = distance / kBattleCellSize;
        if (count > kMaxAxisSteps) {
            strikeFollows = 0;
            return kMaxAxisSteps;
        }
        return static_cast<uint8_t>(count);
    };
    if (goalX > fromX) {
        s.stepsRight = cells(goalX - fromX);
    }
    if (goalX < fromX) {
        s.stepsLeft = cells(fromX - goalX);
    }
    if (goalY < fromY) {
        s.stepsUp = cells(fromY - goalY);
    }
    if (goalY > fromY) {
        s.stepsDown = cells(goalY - fromY);
    }
    planStage = 1;
}

// Up to seven steps toward the goal. An opponent on a step ends the plan before it; a friend is
// walked through, but a plan that ends on friends gives up that run of steps.
void ComputerSide::PlanMove() {
    BattleScreen& s = screen;
    const int unit = acting;
    s.planBackOff = 0;
    s.stepCount = 0;
    moveStart = 0;
    std::fill(stepHit.begin(), stepHit.end(), 0);

    for (int k = 1; k <= kPlanSteps; ++k) {
        if (planStage != k || moves[unit] == 0) {
            continue;
        }
        planStage = k < kPlanSteps ? static_cast<uint8_t>(k + 1) : 0;
        const int index = s.stepCount;
        int32_t x = k == 1 ? fromX : s.stepX[index - 1];
        int32_t y = k == 1 ? fromY : s.stepY[index - 1];
        // A stage with no cell left to go writes the point the tables hold when empty, (0, 0),
        // which drops a plan without strike below.
        const AxisCounts counts{s.stepsRight, s.stepsLeft, s.stepsUp, s.stepsDown};
        if (!TakePathStep(counts, x, y)) {
            x = 0;
            y = 0;
        }
        s.stepX[index] = x;
        s.stepY[index] = y;
        if (counts.Empty()) {
            planStage = 0;
            moveStart = 1;
        }
        --moves[unit];
        s.stepPending[index] = 1;
        s.stepCount = static_cast<uint8_t>(std::min(s.stepCount + 1, kBattlePathPoints - 1));

        const int hostile = HostileAt(x, y);
        if (hostile >= 0) {
            planStage = 0;
            moveStart = 1;
            stepHit[k - 1] = 1;
            strikeFollows = 1;
            s.planBackOff = 1;
            if (isEnemySide) {
                targetFixed = 1;
            } else {
                struckTarget = static_cast<uint8_t>(hostile);
            }
        } else if (FriendAt(x, y)) {
            stepHit[k - 1] = 1;
            if (moveStart) {
                s.planBackOff = 1;
            }
        }

        if (s.planBackOff && stepHit[k - 1]) {
            int run = 1;
            while (k - run >= 1 && stepHit[k - run - 1]) {
                ++run;
            }
            moves[unit] = static_cast<uint8_t>(moves[unit] + run);
            for (int r = 0; r < run && s.stepCount > 0; ++r) {
                --s.stepCount;
                s.stepPending[s.stepCount] = 0;
            }
            if (run >= 2) {
                strikeFollows = 0;
            }
        }
    }

    moveStart = 1;
    moving = 0;
    stepIndex = 0;
    if (isEnemySide && s.stepCount == kPlanSteps) {
        strikeFollows = 0;
    }
    if (s.stepCount == 0) {
        return;
    }
    s.targetX = s.stepX[s.stepCount - 1];
    s.targetY = s.stepY[s.stepCount - 1];
    if (strikeFollows) {
        return;
    }
    for (int i = 0; i < s.stepCount; ++i) {
        if (s.stepX[i] == 0 && s.stepY[i] == 0) {
            chosen = 0;
            done[unit] = 1;
            moveStart = 0;
            phase = 1;
            acted = 1;
            s.planDropped = 1;
            return;
        }
    }
}

}  // namespace varn
