#pragma once

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"
#include "engine/KeyCodes.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

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
    void ClickAway() { Click(300, 150); }

    // Ends turns until the battle is lost by time or the limit is reached.
    void EndTurnsUntilLost(int limit = 100) {
        for (int i = 0; i < limit && app.battleScreen && screen().lost == 0; ++i) {
            ClickSideButton(kSideEndTurn);
        }
    }
};

}  // namespace varn
