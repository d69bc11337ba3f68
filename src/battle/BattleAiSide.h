#pragma once

#include <cstdint>
#include <span>

#include "battle/BattleScreen.h"

namespace varn {

// One side of the computer's play seen through its own fields: the enemies, whose targets are
// the commander, the six army slots and the allies, or the allies, whose targets are the
// enemies. The planner and the walker are written once over this view; the few rules in which
// the sides differ ask IsEnemySide.
struct ComputerSide {
    BattleScreen& screen;
    bool isEnemySide;
    int targetSlots;
    int32_t noCandidate;
    int32_t firstOwnCode;

    // The acting side's units.
    std::span<uint8_t> present;
    std::span<uint8_t> done;
    std::span<uint8_t> moves;
    std::span<uint8_t> facing;
    std::span<int32_t> unitX;
    std::span<int32_t> unitY;
    std::span<int32_t> unitCell;

    uint8_t& phase;
    uint8_t& acted;
    uint8_t& acting;
    uint8_t& chosen;
    int32_t& fromX;
    int32_t& fromY;

    std::span<int32_t> targetX;
    std::span<int32_t> targetY;
    std::span<uint8_t> targetOn;

    std::span<int32_t> candX;
    std::span<int32_t> candY;
    std::span<uint8_t> candInField;
    std::span<uint8_t> candFree;
    std::span<uint8_t> candDist;
    uint8_t& markTarget;
    int32_t& markCandidate;
    // The cell MouseToCell writes while this side acts.
    int32_t& markCell;

    int32_t& bestCand;
    uint8_t& bestDist;
    uint8_t& candFound;
    int32_t& goalX;
    int32_t& goalY;
    uint8_t& candTarget;
    uint8_t& targetFixed;
    uint8_t& struckTarget;
    uint8_t& strikeFollows;
    // The target stood next to the unit when it was chosen.
    uint8_t& strikesInPlace;

    uint8_t& planStage;
    std::span<uint8_t> stepHit;
    uint8_t& moveStart;
    uint8_t& moving;
    uint8_t& nextStep;
    uint8_t& stepIndex;
    uint8_t& moveAbort;
    uint8_t& followCamera;

    static ComputerSide Enemies(BattleScreen& screen);
    static ComputerSide Allies(BattleScreen& screen);

    int Candidates() const { return targetSlots * 8; }

    // The opposing side, as the acting side sees it.
    void FillTargets();
    // Alive and on the field now, at its current position.
    bool TargetLive(int target) const;
    int32_t TargetXNow(int target) const;
    int32_t TargetYNow(int target) const;
    // A unit at the point that the plan may not pass (an opponent: -1 for none, else the enemy's
    // index when the allies plan, 0 when the enemies plan) or may pass but not end on (a friend).
    int HostileAt(int32_t x, int32_t y) const;
    bool FriendAt(int32_t x, int32_t y) const;

    // The planner (BattleAiPlan.cpp).
    void Next();
    void FindNeighbour();
    void MarkCandidates();
    void MarkReach(int32_t x, int32_t y);
    void MarkReachCells(int32_t x, int32_t y);
    void SpreadDistances();
    void ChooseTarget();
    void StepDirection();
    void PlanMove();

    // The walker and the strike stage (BattleAiWalk.cpp).
    void Move(uint8_t step);
    void CloseMove();
    void CheckAdjacency();
    void CentreCamera();
};

}  // namespace varn
