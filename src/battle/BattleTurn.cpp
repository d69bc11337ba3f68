#include <algorithm>

#include "battle/BattleScreen.h"
#include "battle/PlayerOrders.h"

namespace varn {

// The player's units get their moves back once both computer phases are idle (the battle state
// runs this at the top of the frame while its refresh is pending).
void BattleScreen::GiveFreshMoves() {
    RestoreTurnMoves(*this);
    ClearPlannedPath(*this);
    ClearSelection(*this);
    ClearPendingOrders(*this);
    UpdatePathMarks(*this);
}

// Enter or a right click, after the result checks: the planned unit goes; an attack planned on
// the way becomes a strike order, and an adjacent enemy is struck at once.
void BattleScreen::GiveGoOrder() {
    if (commanderOrder == kOrderPlanned) {
        commanderOrder = kOrderGo;
    }
    if (armyOrderPlanned != 0) {
        armyGo = armyOrderPlanned;
        armyOrderPlanned = 0;
    }
    if (pathLength == 0 || moveRefused) {
        commanderOrder = kOrderNone;
        armyOrderPlanned = 0;
        armyGo = 0;
        armyWalking = 0;
    }
    if (attackPlanned) {
        strikeOrdered = kStrikeOrdered;
    }
    if (strikeImmediate) {
        strikeImmediate = 0;
        strikeOrdered = kStrikeOrdered;
        strikeNow = 1;
    }
}

// The press of the end-of-turn button while none of the player's units is sent off or walking:
// orders, path, selection and has-struck marks go, and every unit of all sides has 7 moves.
void BattleScreen::PressEndTurn() {
    ClearSelection(*this);
    ClearPlannedPath(*this);
    commanderOrder = kOrderNone;
    armyGo = 0;
    armyOrderPlanned = 0;
    strikingCommander = 0;
    strikingArmy = 0;
    RestoreTurnMoves(*this);
    enemyMoves.fill(kTurnMoves);
    allyMoves.fill(kTurnMoves);
    UpdatePathMarks(*this);
}

// The end of the player's turn (the button's action; the battle state also marks the fresh moves
// as pending): the allies' phase starts, with the enemies prepared to follow it.
void BattleScreen::EndPlayerTurn() {
    pathTargetFound = 0;
    attackPlanned = 0;
    moveRefused = 0;
    ClearPendingOrders(*this);
    if (!battleOver) {
        allyPhase = kComputerPlan;
        allyActed = 1;
        actingAlly = 0;
        allyChosen = 0;
        allyCandFound = 0;
        allyDone.fill(0);
        allyMoves.fill(kTurnMoves);
        enemyActed = 1;
        actingEnemy = 0;
        enemyChosen = 0;
        enemyCandFound = 0;
        enemyDone.fill(0);
        enemyMoves.fill(kTurnMoves);
        commanderMovesCommitted = kTurnMoves;
        armyMovesCommitted.fill(kTurnMoves);
        ClearPlannedPath(*this);
        ClearSelection(*this);
    }
    UpdatePathMarks(*this);
}

// The player's part of a frame: a strike that is due, then a pending cell click (only while no
// computer side acts and none of the player's units is sent off or walking), the destination's
// check, and the walk by moveSteps pixels.
void BattleScreen::RunPlayerTurn(uint8_t moveSteps) {
    if (strikeNow) {
        PlayerStrike();
        PlayerStrikeEnd();
    }
    if (enemyPhase == kComputerIdle && allyPhase == kComputerIdle && cellClicked &&
        commanderOrder < kOrderGo && armyGo == 0 && armyWalking == 0) {
        HandleCellClick();
        MouseToCell();
    }
    if (evaluateRequested) {
        EvaluatePlayerTarget();
    }
    if (enemyPhase == kComputerIdle) {
        MovePlayerUnit(moveSteps);
    }
}

}  // namespace varn
