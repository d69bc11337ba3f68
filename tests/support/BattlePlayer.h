#pragma once

#include <cstdint>
#include <functional>

#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"
#include "battle/BattleStateSteps.h"
#include "engine/KeyCodes.h"
#include "support/BattlePlan.h"
#include "support/BattleSight.h"
#include "support/PlayerInput.h"

namespace varn {

// Plays a battle as a person at the screen does: the pointer moved and clicked on the field's
// cells and the side buttons, keys pressed and let go, one frame each step. It reads the battle
// screen only to see what is shown (where its units and the enemies stand, whose turn it is,
// which box is up) and never writes it.
class BattlePlayer : public PlayerInput {
  public:
    using PlayerInput::PlayerInput;

    // The clock of the waits: walks, swings and the computer's turns take few frames.
    uint32_t fastFrameMs = 100;

    BattleScreen& screen() { return *app.battleScreen; }
    bool InBattle() const { return In(BattleStateThunk); }
    bool OnMap() const { return In(MapStateThunk); }

    void MoveTo(int32_t x, int32_t y) {
        PointAt(x, y);
        Frame();
    }
    void ClickSideButton(uint8_t id) { Click(kSideButtons, id); }
    // Clicks on an empty spot of the field, which answers whatever box asks for a click.
    void ClickAway() {
        Read();
        PressAway();
        LetGo();
    }
    // The click's two halves: the press, in whose frame a box is answered and the battle may
    // leave, and the release, which is already the next state's first frame.
    void PressAway() {
        MoveTo(300, 150);
        Backend().SetButton(0, true);
        Frame();
    }
    void LetGo() {
        Backend().SetButton(0, false);
        Frame();
    }

    // Frames while busy() holds, up to the limit; the number run. The clock moves 100 ms a
    // frame meanwhile, so walks and swings take few frames.
    int RunFastWhile(const std::function<bool()>& busy, int frameLimit = 5000) {
        const uint32_t frameMs = Backend().presentAdvanceMs;
        SetClockStep(fastFrameMs);
        int frames = 0;
        while (frames < frameLimit && app.battleScreen && busy()) {
            Frame();
            ++frames;
        }
        SetClockStep(frameMs);
        return frames;
    }
    // The allies' and the enemies' turn.
    int RunComputerTurn() {
        return RunFastWhile([this] { return ComputerActs(screen()); });
    }
    // Until the player's unit sent off has walked and struck. A walk's end marks a strike as due
    // whether or not one was ordered: only an ordered one is waited for.
    int RunPlayerUnit() {
        return RunFastWhile([this] {
            const BattleScreen& s = screen();
            return !PlayerUnitsIdle(s) || (s.strikeNow != 0 && s.strikeOrdered == 1) ||
                   s.strikeAnimOn != 0;
        });
    }

    // Clicks a field cell where it shows, first bringing it into view with the arrow keys.
    void ClickFieldCell(int32_t cell) {
        int32_t x = 0;
        int32_t y = 0;
        for (int frames = 0; frames < 100 && !PointOnCell(cell, x, y); ++frames) {
            HoldScrollKeyToward(cell);
        }
        ClickAt(x, y);
    }
    // The end-of-turn button, then the allies' and the enemies' turn.
    void EndTurn() {
        ClickSideButton(kSideEndTurn);
        RunComputerTurn();
    }
    // Ends turns until the battle is lost or the limit is reached: the time runs out, or the
    // enemies come and strike.
    void EndTurnsUntilLost(int limit = 100) {
        for (int i = 0; i < limit && app.battleScreen && screen().lost == 0; ++i) {
            EndTurn();
        }
    }

    // Every unit of the party that can act this turn, one after the other: selected, sent at the
    // nearest enemy with Enter, watched until it has walked and struck; then the turn ends.
    void PlayTurn() {
        const auto nearestEnemy = [](const BattleScreen& s, int unit) {
            return NearestEnemyCell(s, ActingUnitCell(s, unit));
        };
        PlayTurnBy(nearestEnemy, 1);
    }
    // The armies, then the commander, each sent where the plan says as long as it has an order
    // (a walk beside the focused enemy, then the strike); then the turn ends.
    void PlayPlannedTurn() {
        constexpr int kOrdersPerUnit = 3;
        PlayTurnBy(PlannedClick, kOrdersPerUnit, 1);
    }
    // Turns until the battle is decided or the limit is reached, the nearest enemy's or the
    // plan's; true when it was won.
    bool PlayUntilDecided(int turnLimit = 40) {
        return PlayTurnsUntilDecided([this] { PlayTurn(); }, turnLimit);
    }
    bool PlayPlannedUntilDecided(int turnLimit = 40) {
        return PlayTurnsUntilDecided([this] { PlayPlannedTurn(); }, turnLimit);
    }
    // The retreat button and the question's Yes, then Enter leaves for the map.
    void Retreat() {
        CloseTurnBanner();
        ClickSideButton(kSideRetreat);
        ClickSideButton(kSideRetreatYes);
        PressKey(kKeyReturn);
    }
    // The turn's banner takes the next click, whatever it lands on: it is clicked away first.
    void CloseTurnBanner() {
        if (screen().showTurnInfo != 0) {
            ClickAway();
        }
    }
    // The result box and the summary after a victory, the defeat box after a loss: clicked away
    // until the battle has left.
    void LeaveTheField(int clickLimit = 4) {
        for (int i = 0; i < clickLimit && InBattle(); ++i) {
            ClickAway();
        }
    }

  private:
    bool Fighting() { return InBattle() && app.battleScreen && screen().battleOver == 0; }

    // Units first..6 then those before first, each sent while `order` names a cell for it, at
    // most `ordersPerUnit` times; then the turn ends.
    void PlayTurnBy(const std::function<int32_t(const BattleScreen&, int)>& order,
                    int ordersPerUnit, int first = 0) {
        CloseTurnBanner();
        for (int i = 0; i <= kBattleArmySlots; ++i) {
            const int unit = (first + i) % (kBattleArmySlots + 1);
            for (int sent = 0; sent < ordersPerUnit && Fighting(); ++sent) {
                const int32_t from = ActingUnitCell(screen(), unit);
                const int32_t to = from == kNoBattleCell ? kNoBattleCell : order(screen(), unit);
                if (to == kNoBattleCell) {
                    break;
                }
                ClickFieldCell(from);
                ClickFieldCell(to);
                PressKey(kKeyReturn);
                RunPlayerUnit();
            }
        }
        if (Fighting()) {
            EndTurn();
        }
    }
    bool PlayTurnsUntilDecided(const std::function<void()>& playTurn, int turnLimit) {
        for (int turn = 0; turn < turnLimit && Fighting(); ++turn) {
            playTurn();
        }
        return app.battleScreen && screen().won != kNotWon;
    }

    // A point of the cell that shows on the field, clear of the side buttons, the unit panel and
    // the edges that scroll; false when the cell is out of view.
    bool PointOnCell(int32_t cell, int32_t& x, int32_t& y) {
        constexpr int32_t kMargin = 8;
        constexpr int32_t kScreenWidth = 800;
        constexpr int32_t kScreenHeight = 600;
        constexpr ButtonRect kUnitPanel = {0, 200, 490, 350, 50};
        const BattleScreen& s = screen();
        const int32_t left = CellPixelX(cell) - s.cameraX;
        const int32_t top = CellPixelY(cell) - s.cameraY;
        for (int32_t dy = kBattleCellSize / 2; dy < kBattleCellSize; dy += kBattleCellSize / 4) {
            for (int32_t dx = kBattleCellSize / 2; dx < kBattleCellSize;
                 dx += kBattleCellSize / 4) {
                for (const int32_t px : {left + dx, left + kBattleCellSize - dx}) {
                    for (const int32_t py : {top + dy, top + kBattleCellSize - dy}) {
                        const bool onScreen = px > kMargin && px < kScreenWidth - kMargin &&
                                              py > kMargin && py < kScreenHeight - kMargin;
                        if (onScreen && s.sideButtons.At(px, py) == 0 &&
                            !Inside(kUnitPanel, px, py)) {
                            x = px;
                            y = py;
                            return true;
                        }
                    }
                }
            }
        }
        return false;
    }
    static bool Inside(const ButtonRect& area, int32_t x, int32_t y) {
        return x >= area.x && x < area.x + area.w && y >= area.y && y < area.y + area.h;
    }

    // One frame of the arrow key that brings the cell toward the middle of the field, along
    // an axis on which the field can still move.
    void HoldScrollKeyToward(int32_t cell) {
        const BattleScreen& s = screen();
        const int32_t x = CellPixelX(cell) + kBattleCellSize / 2 - s.cameraX;
        const int32_t y = CellPixelY(cell) + kBattleCellSize / 2 - s.cameraY;
        uint8_t key = 0;
        if (x < 100 && s.cameraX > kCameraMin) {
            key = kKeyLeft;
        } else if (x > 600 && s.cameraX < kCameraMaxX) {
            key = kKeyRight;
        } else if (y < 300 && s.cameraY > kCameraMin) {
            key = kKeyUp;
        } else if (s.cameraY < kCameraMaxY) {
            key = kKeyDown;
        }
        const uint32_t frameMs = Backend().presentAdvanceMs;
        SetClockStep(fastFrameMs);
        Backend().SetKey(key, key != 0);
        Frame();
        Backend().SetKey(key, false);
        SetClockStep(frameMs);
    }
};

}  // namespace varn
