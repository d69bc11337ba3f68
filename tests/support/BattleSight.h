#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "battle/BattleScreen.h"

namespace varn {

// What a player reads off the battle field to choose the next click.

// Steps between two cells when a step may go diagonally.
inline int32_t DistanceInCells(int32_t a, int32_t b) {
    return std::max(std::abs(CellColumn(a) - CellColumn(b)), std::abs(CellRow(a) - CellRow(b)));
}

// The cell of unit u (0 the commander, 1..6 the army slots) while it can act this turn, else no
// cell. A fallen army leaves the field.
inline int32_t ActingUnitCell(const BattleScreen& s, int unit) {
    if (unit == 0) {
        return s.commanderHealth > 0 && s.commanderMovesCommitted > 0 ? s.commanderCell
                                                                      : kNoBattleCell;
    }
    const int slot = unit - 1;
    return s.armyPresent[slot] != 0 && s.armyMovesCommitted[slot] > 0 ? s.armyCell[slot]
                                                                      : kNoBattleCell;
}

// The cell of the enemy nearest to the cell, the first of equals; no cell when none stands.
inline int32_t NearestEnemyCell(const BattleScreen& s, int32_t from) {
    int32_t best = kNoBattleCell;
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] != 0 &&
            (best == kNoBattleCell ||
             DistanceInCells(from, s.enemyCell[e]) < DistanceInCells(from, best))) {
            best = s.enemyCell[e];
        }
    }
    return best;
}

// The moves unit u has left this turn; 0 when it cannot act.
inline uint8_t MovesLeft(const BattleScreen& s, int unit) {
    if (ActingUnitCell(s, unit) == kNoBattleCell) {
        return 0;
    }
    return unit == 0 ? s.commanderMovesCommitted : s.armyMovesCommitted[unit - 1];
}

// The cell one step of a planned path leads to from `from` toward `to`: diagonal while both axes
// have cells to go, then straight, as the field plans a clicked path.
inline int32_t PathStepToward(int32_t from, int32_t to) {
    const auto sign = [](int32_t d) { return static_cast<int32_t>(d > 0) - (d < 0); };
    return from + sign(CellColumn(to) - CellColumn(from)) +
           sign(CellRow(to) - CellRow(from)) * kBattleColumns;
}

// Whether a walk from `from` to `to` crosses only free cells (the player's own units may be
// walked over) and ends on a free cell within `moves` steps.
inline bool WalkClear(const BattleScreen& s, int32_t from, int32_t to, int moves) {
    if (to == from || DistanceInCells(from, to) > moves || s.occupancy[to] != kOccupantFree) {
        return false;
    }
    for (int32_t cell = PathStepToward(from, to); cell != to; cell = PathStepToward(cell, to)) {
        const int32_t code = s.occupancy[cell];
        if (code != kOccupantFree && code >= kOccupantFirstAlly) {
            return false;
        }
    }
    return true;
}

}  // namespace varn
