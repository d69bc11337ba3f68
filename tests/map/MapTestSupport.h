#pragma once

#include "map/MapScreen.h"
#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

// What the map state copies from a new game into the map screen on entry, then the placement.
inline void FillFromWorld(MapScreen& screen, const GameState& world) {
    screen.playerCell = world.playerMapCell;
    for (int hero = 0; hero < kHeroCount; ++hero) {
        screen.heroOnMap[hero] = world.heroJoined[hero];
        screen.heroCell[hero] = world.heroMapCell[hero];
    }
    std::copy(world.pileActive.begin(), world.pileActive.end(), screen.pileActive.begin());
    std::copy(world.bagActive.begin(), world.bagActive.end(), screen.bagActive.begin());
    std::copy(world.roamerFlag.begin(), world.roamerFlag.end(), screen.chestActive.begin());
    for (int army = 0; army < kMapEntityCount; ++army) {
        screen.armyActive[army] = world.BattleSite(army + 1);
    }
    screen.PlaceObjects();
    screen.PlaceArmies();
    screen.BuildRoutes();
    screen.MarkCells();
}

// Arrives by the player's walk on a cell and collects what lies there; returns the gold after.
inline int32_t WalkOntoAndCollect(MapScreen& screen, int32_t cell, int32_t gold = 0) {
    screen.playerCell = cell;
    MapCellCorner(cell, screen.walkX, screen.walkY);
    uint8_t clicked = 1;
    screen.playerSelected = 1;
    screen.ClickCell(cell, clicked, screen.walkX, screen.walkY);
    // One step aside and back makes a walk that ends on the cell.
    screen.walkX += kMapCellSize;
    screen.pathX[0] = screen.walkX - kMapCellSize;
    screen.pathY[0] = screen.walkY;
    screen.pointPending[0] = 1;
    screen.pathCount = 1;
    screen.pathLength = 1;
    screen.pickedCell = cell;
    screen.walkState = kWalkOrdered;
    for (int frame = 0; frame < 10 && screen.walkState != kWalkNone; ++frame) {
        screen.WalkPath(40);
    }
    screen.CollectPile(gold);
    return gold;
}

// The map state's driver of one enemy phase: pick, plan and walk each army in turn until no
// army is left. Returns the frames it took; a battle on the way ends the phase early.
inline int RunEnemyPhase(MapScreen& screen, uint8_t step, int frameLimit = 100000) {
    screen.enemyPhase = kEnemyPhasePick;
    screen.pickNextArmy = 1;
    for (int frame = 1; frame <= frameLimit; ++frame) {
        if (screen.enemyPhase == kEnemyPhasePick && screen.pickNextArmy != 0) {
            screen.pickNextArmy = 0;
            screen.NextMovingArmy();
            if (screen.enemyPhase != kEnemyPhaseOff && screen.enemyPhase != kEnemyPhaseSettle) {
                screen.enemyPhase = kEnemyPhasePlan;
            }
        }
        if (screen.enemyPhase == kEnemyPhasePlan) {
            const int mover = screen.currentMover;
            if (screen.armyOnRoute[mover] == 0) {
                screen.StepDirection();
                screen.UpdateArmyMovement();
            }
            if (screen.armyOnRoute[mover] != 0 && screen.armyMoves[mover] > 0) {
                screen.AdvanceArmy();
            }
            if (screen.enemyPhase == kEnemyPhasePlan) {
                screen.enemyPhase = kEnemyPhaseWalk;
            }
        } else if (screen.enemyPhase == kEnemyPhaseWalk) {
            screen.StepArmyAlongRoute(step);
            if (screen.battlePending != 0) {
                return frame;
            }
        }
        if (screen.enemyPhase == kEnemyPhaseSettle || screen.enemyPhase == kEnemyPhaseOff) {
            return frame;
        }
    }
    return -1;
}

// A new day for the armies, as the map state gives it.
inline void StartArmyDay(MapScreen& screen) {
    screen.armyDone.fill(0);
    screen.armyMoves.fill(kArmyMovesPerDay);
}

}  // namespace varn
