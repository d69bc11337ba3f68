#pragma once

#include "battle/BattleScreen.h"

namespace varn {

// Small pieces of the player's orders that the commands, the walk and the turn loop share.

inline void ClearPlannedPath(BattleScreen& s) {
    s.pathPointOn.fill(0);
    s.pathX.fill(0);
    s.pathY.fill(0);
    s.pathLength = 0;
    s.planStep = 0;
}

inline void ClearSelection(BattleScreen& s) {
    s.commanderSelected = 0;
    s.selectedArmy = 0;
}

// A strike or a walk ordered in one turn never carries into the next.
inline void ClearPendingOrders(BattleScreen& s) {
    s.strikeImmediate = 0;
    s.strikeNow = 0;
    s.strikeOrdered = kStrikeNone;
    s.commanderOrder = kOrderNone;
    s.armyOrderPlanned = 0;
}

inline void RestoreTurnMoves(BattleScreen& s) {
    s.commanderMoves = kTurnMoves;
    s.commanderMovesCommitted = kTurnMoves;
    s.armyMoves.fill(kTurnMoves);
    s.armyMovesCommitted.fill(kTurnMoves);
}

// The drawing's view of the path: dots, a target mark or a refusal mark are showing.
inline void UpdatePathMarks(BattleScreen& s) {
    s.pathShown = s.pathLength > 0 || s.pathTargetFound || s.moveRefused;
    s.targetIsAttack = s.attackPlanned;
}

}  // namespace varn
