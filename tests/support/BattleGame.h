#pragma once

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"
#include "engine/KeyCodes.h"
#include "support/BattlePlayer.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

// A new game on the headless backend that enters a battle the way the map hands one over, with
// the battle player's input and, for the tests that set a field up, writes into the screen.
class BattleGame : public HeadlessGame, public BattlePlayer {
  public:
    BattleGame() : BattlePlayer(static_cast<HeadlessGame&>(*this)) {}

    // The one game, whichever base names it.
    using HeadlessGame::app;

    GameState& world() { return *app.world; }

    // The map's hand-over: battle number, commander (hero 0 = the player), and the map state's
    // byte of an enemy's attack.
    void EnterBattle(uint8_t battle, uint8_t hero = 0, bool enemyAttack = false) {
        world().battleId = battle;
        world().commanderIsPlayer = hero == 0 ? 1 : 0;
        world().commanderHero = hero;
        world().inBattle = 1;
        world().routePending = enemyAttack ? 1 : 0;
        app.SwitchState(BattleStateThunk, kPhaseSwitch);
        RunFrames(2);
    }

    // The field's camera put over the middle of the cell, where the pictures of the planned
    // paths and strikes are taken.
    void CentreCameraOn(int32_t cell) {
        screen().cameraX =
            std::clamp(CellPixelX(cell) + kBattleCellSize / 2 - 350, kCameraMin, kCameraMaxX);
        screen().cameraY =
            std::clamp(CellPixelY(cell) + kBattleCellSize / 2 - 300, kCameraMin, kCameraMaxY);
    }
    // Leaves one enemy, enemy 0, in the corner farthest from the party, and ends the battle by
    // time after the given turn; the distance in cells to the nearest of the party, which a
    // turn's seven steps do not cover from 9 on.
    int32_t KeepOneDistantEnemy(uint8_t lastTurn) {
        BattleScreen& s = screen();
        int32_t bestCell = 0;
        int32_t bestDistance = -1;
        for (const int32_t corner :
             {1, kBattleColumns, kBattleCellCount - kBattleColumns + 1, kBattleCellCount}) {
            int32_t nearest = DistanceInCells(corner, s.commanderCell);
            for (int slot = 0; slot < kBattleArmySlots; ++slot) {
                if (s.armyPresent[slot] != 0) {
                    nearest = std::min(nearest, DistanceInCells(corner, s.armyCell[slot]));
                }
            }
            if (nearest > bestDistance) {
                bestCell = corner;
                bestDistance = nearest;
            }
        }
        KeepOneEnemyAt(bestCell);
        s.lastTurn = lastTurn;
        return bestDistance;
    }
    // Every enemy but enemy 0 leaves the field; enemy 0 stands at the cell.
    void KeepOneEnemyAt(int32_t cell, uint8_t men = 10, uint8_t attack = 10, uint8_t defence = 10) {
        BattleScreen& s = screen();
        s.enemyPresent.fill(0);
        s.enemyPresent[0] = 1;
        s.enemyMen[0] = men;
        s.enemyAttack[0] = attack;
        s.enemyDefence[0] = defence;
        s.enemyCell[0] = cell;
        s.enemyX[0] = CellPixelX(cell);
        s.enemyY[0] = CellPixelY(cell);
        s.occupancy.fill(kOccupantFree);
        s.BuildOccupancy();
    }
};

}  // namespace varn
