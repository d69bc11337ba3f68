#include <gtest/gtest.h>

#include <tuple>

#include "support/BattleGame.h"

namespace varn {

namespace {

void PutArmy(BattleScreen& s, int slot, int32_t cell) {
    s.armyCell[slot] = cell;
    s.armyX[slot] = CellPixelX(cell);
    s.armyY[slot] = CellPixelY(cell);
}

void PutAlly(BattleScreen& s, int ally, int32_t cell) {
    s.allyPresent[ally] = 1;
    s.allyMen[ally] = 8;
    s.allyCell[ally] = cell;
    s.allyX[ally] = CellPixelX(cell);
    s.allyY[ally] = CellPixelY(cell);
}

}  // namespace

// A click beyond an ally standing next to the commander plans no step, and one beyond an army
// with an enemy behind it ends on the army and is refused; Enter then sends nobody. The marks
// stay until the next click, which plans again: on the commander it clears them, on a free cell
// it plans a walk that Enter carries out.
TEST(BattleOrders, AMoveStoppedByAnAllyOrRefusedTakesTheNextClick) {
    for (const bool byAnAlly : {true, false}) {
        SCOPED_TRACE(byAnAlly ? "ally" : "army");
        BattleGame game;
        game.EnterBattle(2);
        game.ClickAway();
        BattleScreen& s = game.screen();
        const int32_t start = s.commanderCell;
        const int32_t toward = CellColumn(start) < kBattleColumns / 2 ? 1 : -1;
        game.KeepOneEnemyAt(start + 2 * toward);
        s.allyPresent.fill(0);
        for (int slot = 0; slot < kBattleArmySlots; ++slot) {
            PutArmy(s, slot, (kBattleRows - 1) * kBattleColumns + slot + 1);
        }
        if (byAnAlly) {
            PutAlly(s, 0, start + toward);
        } else {
            PutArmy(s, 0, start + toward);
        }
        s.occupancy.fill(kOccupantFree);
        s.BuildOccupancy();

        game.ClickFieldCell(start);
        game.ClickFieldCell(start + 3 * toward);
        ASSERT_EQ(std::tuple(s.pathTargetFound, s.moveRefused, s.pathLength),
                  byAnAlly ? std::tuple(1, 0, 0) : std::tuple(1, 1, 1));
        game.PressKey(kKeyReturn);
        game.RunPlayerUnit();
        EXPECT_EQ(std::tuple(s.commanderCell, s.commanderSelected, s.commanderMovesCommitted,
                             s.pathShown),
                  std::tuple(start, 1, kTurnMoves, 1));

        game.ClickFieldCell(start);
        EXPECT_EQ(std::tuple(s.commanderSelected, s.pathShown), std::tuple(1, 0));

        const int32_t above = start - kBattleColumns;
        game.ClickFieldCell(above);
        EXPECT_EQ(std::tuple(s.pathLength, s.pathTargetFound, s.moveRefused, s.commanderOrder),
                  std::tuple(1, 0, 0, kOrderPlanned));
        game.PressKey(kKeyReturn);
        game.RunPlayerUnit();
        EXPECT_EQ(std::tuple(s.commanderCell, s.commanderMovesCommitted),
                  std::tuple(above, kTurnMoves - 1));
    }
}

}  // namespace varn
