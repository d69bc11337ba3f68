#include <algorithm>

#include "battle/BattleAiSide.h"

namespace varn {

namespace {

// The end cell of a plan held by another enemy: the first time the same enemy plans again
// without that cell; the second time it stays where it stands.
void CheckEnemyEndCell(BattleScreen& s) {
    const int32_t endX = s.stepX[s.stepCount - 1];
    const int32_t endY = s.stepY[s.stepCount - 1];
    bool held = false;
    for (int e = 0; e < kBattleEnemySlots && !held; ++e) {
        held = s.enemyPresent[e] && s.enemyX[e] == endX && s.enemyY[e] == endY;
    }
    if (!held) {
        return;
    }
    ++s.enemyRetry;
    s.enemyBlockedX = endX;
    s.enemyBlockedY = endY;
    if (s.enemyRetry == 1) {
        s.enemyActed = 1;
    } else {
        s.enemyRetry = 0;
        s.stepCount = 0;
    }
}

// One enemy is chosen and planned per frame. When the side has just finished, the marking and
// the choice still run on the empty target table; the plan does not.
void PlanEnemy(BattleScreen& s) {
    ComputerSide side = ComputerSide::Enemies(s);
    std::ranges::fill(side.targetOn, 0);
    if (s.enemyActed) {
        s.enemyActed = 0;
        side.Next();
    }
    side.FindNeighbour();
    if (s.strikeAdjacent) {
        return;
    }
    side.MarkCandidates();
    side.SpreadDistances();
    side.ChooseTarget();
    side.StepDirection();
    s.MouseToCell();
    if (s.enemyPhase != kComputerPlan) {
        return;
    }
    if (s.enemyPlanStage) {
        side.PlanMove();
        s.MouseToCell();
        if (s.enemyBestCand == kNoEnemyCandidate && s.stepCount == 0) {
            s.enemyMoveAbort = 1;
        }
    }
    if (s.stepCount > 0) {
        CheckEnemyEndCell(s);
    }
    if (s.enemyRetry == 0 || s.enemyActed == 0) {
        s.enemyPhase = kComputerWalk;
        s.enemyRetry = 0;
        s.enemyBlockedX = kNoBlockedX;
        s.enemyBlockedY = 0;
    }
    if (s.planDropped) {
        s.planDropped = 0;
        s.enemyPhase = kComputerPlan;
    }
}

// The allies have no end-cell retry, and a side that has just finished plans nothing more: the
// enemies take over in this same frame.
void PlanAlly(BattleScreen& s) {
    ComputerSide side = ComputerSide::Allies(s);
    std::ranges::fill(side.targetOn, 0);
    if (s.allyActed) {
        s.allyActed = 0;
        side.Next();
    }
    if (s.allyPhase != kComputerPlan) {
        return;
    }
    side.FindNeighbour();
    if (s.allyStrikeAdjacent) {
        return;
    }
    side.MarkCandidates();
    side.SpreadDistances();
    side.ChooseTarget();
    side.StepDirection();
    s.MouseToCell();
    if (s.allyPlanStage) {
        side.PlanMove();
        s.MouseToCell();
        if (s.allyBestCand == kNoAllyCandidate && s.stepCount == 0) {
            s.allyMoveAbort = 1;
        }
    }
    if (s.planDropped) {
        s.planDropped = 0;
        return;
    }
    s.allyPhase = kComputerWalk;
}

}  // namespace

// The allies' frame blocks in the battle state's order: the strike stage (the adjacency test,
// the strike's start and end), the planning of the next ally (which hands over to the enemies
// when no ally is left), the camera on the acting ally, and its walk by moveSteps pixels.
void BattleScreen::RunAllyPhase(uint8_t moveSteps) {
    ComputerSide side = ComputerSide::Allies(*this);
    if (allyPhase == kComputerStrike) {
        side.CheckAdjacency();
        AllyStrike();
        AllyStrikeEnd();
    }
    if (allyPhase == kComputerPlan) {
        PlanAlly(*this);
    }
    if (allyFollowCamera) {
        side.CentreCamera();
    }
    if (allyPhase == kComputerWalk && (allyMoveStart || allyMoving)) {
        side.Move(moveSteps);
    }
}

// The enemies' frame blocks in the battle state's order: the strike stage, the planning of the
// next enemy, the camera, the walk by moveSteps pixels, and the return to the player's turn once
// every enemy has acted (phase 100) and no walk is left.
void BattleScreen::RunEnemyPhase(uint8_t moveSteps) {
    ComputerSide side = ComputerSide::Enemies(*this);
    if (enemyPhase == kComputerStrike) {
        side.CheckAdjacency();
        EnemyStrike();
        EnemyStrikeEnd();
        enemyStrikeFollows = 0;
    }
    if (enemyPhase == kComputerPlan) {
        PlanEnemy(*this);
    }
    if (stepCount == 0 && enemyStrikeFollows == 0) {
        enemyFollowCamera = 0;
    }
    if (enemyFollowCamera || enemyFollowAdjacent) {
        side.CentreCamera();
    }
    if (enemyPhase == kComputerWalk && (enemyMoveStart || enemyMoving)) {
        side.Move(moveSteps);
    }
    if (enemyPhase == kComputerDone && !enemyMoving) {
        enemyPhase = kComputerIdle;
    }
}

void BattleScreen::NextEnemy() {
    ComputerSide::Enemies(*this).Next();
}

void BattleScreen::NextAlly() {
    ComputerSide::Allies(*this).Next();
}

void BattleScreen::PlanEnemyMove() {
    ComputerSide::Enemies(*this).PlanMove();
}

void BattleScreen::PlanAllyMove() {
    ComputerSide::Allies(*this).PlanMove();
}

void BattleScreen::MoveEnemy(uint8_t step) {
    ComputerSide::Enemies(*this).Move(step);
}

void BattleScreen::MoveAlly(uint8_t step) {
    ComputerSide::Allies(*this).Move(step);
}

// Both halves; each acts only after a move of its own side that a strike is to follow.
void BattleScreen::CheckStrikeAdjacency() {
    if (enemyPhase == kComputerStrike) {
        ComputerSide::Enemies(*this).CheckAdjacency();
    }
    if (allyPhase == kComputerStrike) {
        ComputerSide::Allies(*this).CheckAdjacency();
    }
}

}  // namespace varn
