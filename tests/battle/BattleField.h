#pragma once

#include <memory>

#include "battle/BattleScreen.h"

namespace varn {

// Cell of column c, row r (both 0-based).
constexpr int32_t CellAt(int c, int r) {
    return r * kBattleColumns + c + 1;
}

// A small battle field built unit by unit; Build writes the occupancy table.
class BattleField {
  public:
    BattleField() : screen_(std::make_unique<BattleScreen>()) {}

    BattleField& Commander(int32_t cell, int32_t health = 50, int32_t attack = 10,
                           int32_t defence = 10) {
        BattleScreen& s = *screen_;
        s.commanderCell = cell;
        s.commanderX = CellPixelX(cell);
        s.commanderY = CellPixelY(cell);
        s.commanderHealth = health;
        s.commanderAttack = attack;
        s.commanderDefence = defence;
        return *this;
    }
    BattleField& Army(int slot, int32_t cell, uint8_t men = 10, int32_t attack = 10,
                      int32_t defence = 10) {
        BattleScreen& s = *screen_;
        s.armyPresent[slot] = 1;
        s.armyCell[slot] = cell;
        s.armyX[slot] = CellPixelX(cell);
        s.armyY[slot] = CellPixelY(cell);
        s.armyAlive[slot] = men;
        s.armyAttack[slot] = attack;
        s.armyDefence[slot] = defence;
        return *this;
    }
    BattleField& Enemy(int e, int32_t cell, uint8_t men = 10, uint8_t attack = 10,
                       uint8_t defence = 10) {
        BattleScreen& s = *screen_;
        s.enemyPresent[e] = 1;
        s.enemyCell[e] = cell;
        s.enemyX[e] = CellPixelX(cell);
        s.enemyY[e] = CellPixelY(cell);
        s.enemyMen[e] = men;
        s.enemyAttack[e] = attack;
        s.enemyDefence[e] = defence;
        return *this;
    }
    BattleField& Ally(int a, int32_t cell, uint8_t men = 10, uint8_t attack = 10,
                      uint8_t defence = 10) {
        BattleScreen& s = *screen_;
        s.allyPresent[a] = 1;
        s.allyCell[a] = cell;
        s.allyX[a] = CellPixelX(cell);
        s.allyY[a] = CellPixelY(cell);
        s.allyMen[a] = men;
        s.allyAttack[a] = attack;
        s.allyDefence[a] = defence;
        return *this;
    }
    BattleScreen& Build() {
        screen_->occupancy.fill(kOccupantFree);
        screen_->BuildOccupancy();
        return *screen_;
    }
    BattleScreen& screen() { return *screen_; }

  private:
    std::unique_ptr<BattleScreen> screen_;
};

}  // namespace varn
