#pragma once

#include <algorithm>
#include <cstdint>

#include "support/BattleSight.h"

namespace varn {

// A player's plan of a battle, read off the field: the strikes fall on one enemy at a time, the
// weakest first, and the commander keeps out of the reach of the enemies.

// An enemy's weight in a fight: its men first, its attack between equals.
inline int32_t EnemyWeight(const BattleScreen& s, int e) {
    return s.enemyMen[e] * 256 + s.enemyAttack[e];
}

// A free cell beside enemy e that unit u walks to this turn with a move left to strike; no cell
// when none.
inline int32_t StrikingCell(const BattleScreen& s, int unit, int e) {
    const int32_t from = ActingUnitCell(s, unit);
    const int moves = MovesLeft(s, unit);
    const int32_t target = s.enemyCell[e];
    int32_t best = kNoBattleCell;
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int32_t column = CellColumn(target) + dx;
            const int32_t row = CellRow(target) + dy;
            if ((dx == 0 && dy == 0) || column < 0 || column >= kBattleColumns || row < 0 ||
                row >= kBattleRows) {
                continue;
            }
            const int32_t cell = row * kBattleColumns + column + 1;
            if (WalkClear(s, from, cell, moves - 1) &&
                (best == kNoBattleCell ||
                 DistanceInCells(from, cell) < DistanceInCells(from, best))) {
                best = cell;
            }
        }
    }
    return best;
}

// Whether unit u stands beside enemy e.
inline bool Beside(const BattleScreen& s, int unit, int e) {
    const int32_t from = ActingUnitCell(s, unit);
    return from != kNoBattleCell && s.enemyPresent[e] != 0 &&
           DistanceInCells(from, s.enemyCell[e]) == 1;
}

// The enemy the strikes fall on: the lightest that one of the armies strikes this turn, else the
// lightest on the field; -1 when none stands.
inline int FocusEnemy(const BattleScreen& s) {
    int best = -1;
    bool bestInReach = false;
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] == 0) {
            continue;
        }
        bool inReach = false;
        for (int unit = 1; unit <= kBattleArmySlots && !inReach; ++unit) {
            inReach = ActingUnitCell(s, unit) != kNoBattleCell &&
                      (Beside(s, unit, e) || StrikingCell(s, unit, e) != kNoBattleCell);
        }
        if (best < 0 || (inReach && !bestInReach) ||
            (inReach == bestInReach && EnemyWeight(s, e) < EnemyWeight(s, best))) {
            best = e;
            bestInReach = inReach;
        }
    }
    return best;
}

// Steps an enemy needs to come beside the cell: it walks seven and strikes from beside it.
inline int32_t NearestEnemyDistance(const BattleScreen& s, int32_t cell) {
    int32_t nearest = kBattleColumns + kBattleRows;
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] != 0) {
            nearest = std::min(nearest, DistanceInCells(cell, s.enemyCell[e]));
        }
    }
    return nearest;
}

// The cell unit u (0 the commander, 1..6 the armies) is clicked on next, once it is selected;
// no cell when it has nothing more to do this turn. An army strikes the focused enemy, or walks
// beside it; failing that it strikes the lightest enemy beside it or in its reach, or walks
// toward the focused one. The commander walks to the cell of its reach farthest from the
// enemies.
inline int32_t PlannedClick(const BattleScreen& s, int unit) {
    const int32_t from = ActingUnitCell(s, unit);
    const int moves = MovesLeft(s, unit);
    if (from == kNoBattleCell) {
        return kNoBattleCell;
    }
    if (unit == 0) {
        int32_t best = from;
        for (int32_t cell = 1; cell <= kBattleCellCount; ++cell) {
            if (WalkClear(s, from, cell, moves) &&
                NearestEnemyDistance(s, cell) > NearestEnemyDistance(s, best)) {
                best = cell;
            }
        }
        return best == from ? kNoBattleCell : best;
    }
    const int focus = FocusEnemy(s);
    if (focus < 0) {
        return kNoBattleCell;
    }
    if (Beside(s, unit, focus)) {
        return s.enemyCell[focus];
    }
    if (const int32_t cell = StrikingCell(s, unit, focus); cell != kNoBattleCell) {
        return cell;
    }
    int lightest = -1;
    for (int e = 0; e < kBattleEnemySlots; ++e) {
        if (s.enemyPresent[e] != 0 &&
            (Beside(s, unit, e) || StrikingCell(s, unit, e) != kNoBattleCell) &&
            (lightest < 0 || EnemyWeight(s, e) < EnemyWeight(s, lightest))) {
            lightest = e;
        }
    }
    if (lightest >= 0) {
        return Beside(s, unit, lightest) ? s.enemyCell[lightest] : StrikingCell(s, unit, lightest);
    }
    int32_t best = from;
    for (int32_t cell = 1; cell <= kBattleCellCount; ++cell) {
        if (WalkClear(s, from, cell, moves) &&
            DistanceInCells(cell, s.enemyCell[focus]) < DistanceInCells(best, s.enemyCell[focus])) {
            best = cell;
        }
    }
    return best == from ? kNoBattleCell : best;
}

}  // namespace varn
