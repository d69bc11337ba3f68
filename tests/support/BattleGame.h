#pragma once

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"
#include "engine/KeyCodes.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

// Steps between two cells when a step may go diagonally.
inline int32_t DistanceInCells(int32_t a, int32_t b) {
    return std::max(std::abs(CellColumn(a) - CellColumn(b)), std::abs(CellRow(a) - CellRow(b)));
}

// A new game on the headless backend that enters a battle the way the map hands one over, with
// helpers that press keys, move the pointer and click as a player would, one frame each step.
class BattleGame : public HeadlessGame {
  public:
    BattleGame() { backend().presentAdvanceMs = 16; }

    GameState& world() { return *app.world; }
    BattleScreen& screen() { return *app.battleScreen; }

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

    bool InBattle() const { return app.stateHandler == BattleStateThunk; }
    bool OnMap() const { return app.stateHandler == MapStateThunk; }

    void MoveTo(int32_t x, int32_t y) {
        backend().MoveMouse(x - app.mouseCursor.x, y - app.mouseCursor.y);
        RunFrames(1);
    }
    void Click(int32_t x, int32_t y, int button = 0) {
        MoveTo(x, y);
        backend().SetButton(button, true);
        RunFrames(1);
        backend().SetButton(button, false);
        RunFrames(1);
    }
    void ClickSideButton(uint8_t id) {
        for (const ButtonRect& button : kSideButtons) {
            if (button.id == id) {
                Click(button.x + button.w / 2, button.y + button.h / 2);
            }
        }
    }
    void PressKey(uint8_t key) {
        backend().SetKey(key, true);
        RunFrames(1);
        backend().SetKey(key, false);
        RunFrames(1);
    }
    // Clicks on an empty spot of the field, which answers whatever box asks for a click.
    void ClickAway() {
        PressAway();
        LetGo();
    }
    // The click's two halves: the press, in whose frame a box is answered and the battle may
    // leave, and the release, which is already the next state's first frame.
    void PressAway() {
        MoveTo(300, 150);
        backend().SetButton(0, true);
        RunFrames(1);
    }
    void LetGo() {
        backend().SetButton(0, false);
        RunFrames(1);
    }

    // Frames while busy() holds, up to the limit; the number run. The clock moves 100 ms a
    // frame meanwhile, so walks and swings take few frames.
    int RunFastWhile(const std::function<bool()>& busy, int frameLimit = 5000) {
        const uint32_t frameMs = backend().presentAdvanceMs;
        backend().presentAdvanceMs = 100;
        int frames = 0;
        while (frames < frameLimit && app.battleScreen && busy()) {
            RunFrames(1);
            ++frames;
        }
        backend().presentAdvanceMs = frameMs;
        return frames;
    }
    // The allies' and the enemies' turn.
    int RunComputerTurn() {
        return RunFastWhile([this] { return screen().allyPhase != 0 || screen().enemyPhase != 0; });
    }
    // Until the player's unit sent off has walked and struck. A walk's end marks a strike as due
    // whether or not one was ordered: only an ordered one is waited for.
    int RunPlayerUnit() {
        return RunFastWhile([this] {
            const BattleScreen& s = screen();
            return s.commanderOrder >= 2 || s.armyGo != 0 || s.armyWalking != 0 ||
                   (s.strikeNow != 0 && s.strikeOrdered == 1) || s.strikeAnimOn != 0;
        });
    }
    // Clicks the middle of a field cell, the camera first brought over it.
    void ClickFieldCell(int32_t cell) {
        BattleScreen& s = screen();
        const int32_t x = CellPixelX(cell) + kBattleCellSize / 2;
        const int32_t y = CellPixelY(cell) + kBattleCellSize / 2;
        s.cameraX = std::clamp(x - 350, kCameraMin, kCameraMaxX);
        s.cameraY = std::clamp(y - 300, kCameraMin, kCameraMaxY);
        Click(x - s.cameraX, y - s.cameraY);
    }
    // The end-of-turn button, then the allies' and the enemies' turn.
    void EndTurn() {
        ClickSideButton(kSideEndTurn);
        RunComputerTurn();
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
    // Ends turns until the battle is lost or the limit is reached.
    void EndTurnsUntilLost(int limit = 100) {
        for (int i = 0; i < limit && app.battleScreen && screen().lost == 0; ++i) {
            EndTurn();
        }
    }
};

}  // namespace varn
