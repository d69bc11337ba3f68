#pragma once

#include <cstdint>
#include <memory>

#include "battle/BattleScreen.h"
#include "support/BattleSight.h"

namespace varn {

// A whole battle run by the rules alone, without the battle state or any drawing: the scenario
// of one battle number, a fixed commander and six armies, the player's side played by a fixed
// script (each unit in turn is selected, sent toward the nearest enemy with Enter and left to
// strike; then the turn ends), the clock moved 100 ms a frame at the average movement speed.
class BattleSimulation {
  public:
    static constexpr uint32_t kFrameMs = 100;
    // 200 pixels a second.
    static constexpr uint8_t kMoveSteps = 20;

    explicit BattleSimulation(int battleId) : screen_(std::make_unique<BattleScreen>()) {
        BattleScreen& s = *screen_;
        s.battleId = battleId;
        s.SetupPlayerSide();
        s.SetupEnemySide();
        s.commanderHealth = 60;
        s.commanderAttack = 14;
        s.commanderDefence = 12;
        s.commanderX = CellPixelX(s.commanderCell);
        s.commanderY = CellPixelY(s.commanderCell);
        for (int slot = 0; slot < kBattleArmySlots; ++slot) {
            s.armyPresent[slot] = 1;
            s.armyAlive[slot] = 15;
            s.armyAttack[slot] = 12;
            s.armyDefence[slot] = 10;
            s.armyX[slot] = CellPixelX(s.armyCell[slot]);
            s.armyY[slot] = CellPixelY(s.armyCell[slot]);
        }
        s.BuildOccupancy();
    }

    BattleScreen& screen() { return *screen_; }
    bool Won() const { return screen_->won != 0; }
    bool Decided() const { return screen_->battleOver != 0; }

    // One frame; the battle state's order of the rules' entries.
    void Frame() {
        BattleScreen& s = *screen_;
        const bool computerActs = s.allyPhase != 0 || s.enemyPhase != 0;
        if (refreshPending_ && !computerActs) {
            refreshPending_ = false;
            s.GiveFreshMoves();
            nextUnit_ = 0;
            step_ = Step::Select;
        }
        if (!computerActs && !refreshPending_) {
            PlayScript();
        }
        s.RunPlayerTurn(kMoveSteps);
        s.RunAllyPhase(kMoveSteps);
        s.RunEnemyPhase(kMoveSteps);
        s.Animate(now_);
        if (!s.battleOver) {
            s.CheckBattleEnd();
        }
        s.UpdateStrikeMarks();
        // Defeat by time, as the battle state tests it.
        if (!s.won && s.turn == s.lastTurn && s.allyPhase == 0) {
            s.lost = 1;
            s.enemyPhase = 0;
            s.battleOver = 1;
        }
        now_ += kFrameMs;
    }

    // Frames until the battle is decided or the limit is reached.
    int RunToEnd(int frameLimit) {
        int frames = 0;
        while (!Decided() && frames < frameLimit) {
            Frame();
            ++frames;
        }
        return frames;
    }

  private:
    enum class Step { Select, Aim, Go, Wait };

    bool UnitBusy() const {
        const BattleScreen& s = *screen_;
        // A strike order left by a refused move waits for the next click: not busy.
        return s.commanderOrder >= 2 || s.armyGo || s.armyWalking ||
               (s.strikeOrdered && s.strikeNow) || s.strikeAnimOn;
    }

    void Click(int32_t cell) {
        BattleScreen& s = *screen_;
        s.cellClicked = 1;
        s.clickedCell = cell;
        s.clickedX = CellPixelX(cell);
        s.clickedY = CellPixelY(cell);
    }

    void PlayScript() {
        BattleScreen& s = *screen_;
        switch (step_) {
            case Step::Select:
                while (nextUnit_ <= kBattleArmySlots && ActingUnitCell(*screen_, nextUnit_) == 0) {
                    ++nextUnit_;
                }
                if (nextUnit_ > kBattleArmySlots) {
                    s.PressEndTurn();
                    s.EndPlayerTurn();
                    refreshPending_ = true;
                    return;
                }
                Click(ActingUnitCell(*screen_, nextUnit_));
                step_ = Step::Aim;
                return;
            case Step::Aim:
                Click(NearestEnemyCell(*screen_, ActingUnitCell(*screen_, nextUnit_)));
                step_ = Step::Go;
                return;
            case Step::Go:
                s.GiveGoOrder();
                step_ = Step::Wait;
                return;
            case Step::Wait:
                if (!UnitBusy()) {
                    ++nextUnit_;
                    step_ = Step::Select;
                }
                return;
        }
    }

    std::unique_ptr<BattleScreen> screen_;
    uint32_t now_ = 1000;
    bool refreshPending_ = false;
    int nextUnit_ = 0;
    Step step_ = Step::Select;
};

}  // namespace varn
