#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "BattleField.h"
#include "support/BattleSimulation.h"

namespace varn {

namespace {

// Every unit's position, men, wounds and the turn machine, in one comparable tuple.
auto Snapshot(const BattleScreen& s) {
    return std::tuple(std::tuple(s.commanderX, s.commanderY, s.commanderHealth, s.armyX, s.armyY,
                                 s.armyAlive, s.armyLight, s.armyDown),
                      std::tuple(s.enemyPresent, s.enemyX, s.enemyY, s.enemyMen, s.enemyLight,
                                 s.enemySerious, s.enemyCritical, s.enemyDown, s.enemyFacing),
                      std::tuple(s.allyX, s.allyY, s.allyMen, s.allyDown),
                      std::tuple(s.turn, s.enemyPhase, s.allyPhase, s.occupancy, s.cameraX,
                                 s.cameraY, s.damageLevel));
}

TEST(TurnLoop, AlliesThenEnemiesInIndexOrderEachOnce) {
    BattleField field;
    field.Commander(CellAt(2, 7))
        .Ally(3, CellAt(3, 2))
        .Ally(1, CellAt(3, 12))
        .Enemy(4, CellAt(17, 2))
        .Enemy(0, CellAt(17, 7))
        .Enemy(9, CellAt(17, 12));
    BattleScreen& s = field.Build();
    s.PressEndTurn();
    s.EndPlayerTurn();
    std::vector<std::pair<char, int>> order;
    uint32_t now = 0;
    for (int f = 0; f < 1000 && (s.allyPhase || s.enemyPhase); ++f) {
        s.RunPlayerTurn(20);
        s.RunAllyPhase(20);
        s.RunEnemyPhase(20);
        s.AdvanceStrikeSwing(now);
        now += 100;
        if (s.allyChosen && (order.empty() || order.back() != std::pair('a', int{s.actingAlly}))) {
            order.emplace_back('a', s.actingAlly);
        }
        if (s.enemyChosen &&
            (order.empty() || order.back() != std::pair('e', int{s.actingEnemy}))) {
            order.emplace_back('e', s.actingEnemy);
        }
    }
    EXPECT_EQ(order, (std::vector<std::pair<char, int>>{
                         {'a', 1}, {'a', 3}, {'e', 0}, {'e', 4}, {'e', 9}}));
    EXPECT_EQ(std::tuple(s.turn, s.showTurnInfo, s.allyPhase, s.enemyPhase),
              std::tuple(2, 1, 0, 0));
    EXPECT_EQ(
        std::tuple(s.allyDone[1], s.allyDone[3], s.enemyDone[0], s.enemyDone[4], s.enemyDone[9]),
        std::tuple(1, 1, 1, 1, 1));
    // The enemies stopped next to the allies, who had walked their seven moves.
    for (int e : {0, 4, 9}) {
        EXPECT_EQ(s.enemyX[e], 880) << e;
    }
}

TEST(TurnLoop, TheSameScriptGivesTheSameBattleFrameByFrame) {
    for (int battle : {1, 30, 73}) {
        BattleSimulation first(battle);
        BattleSimulation second(battle);
        int frames = 0;
        while (!first.Decided() && frames < 20000) {
            first.Frame();
            second.Frame();
            ++frames;
            ASSERT_EQ(Snapshot(first.screen()), Snapshot(second.screen()))
                << "battle " << battle << ", frame " << frames;
        }
        EXPECT_TRUE(first.Decided()) << battle;
    }
}

TEST(TurnLoop, AnEarlyBattleIsWonByTheScript) {
    BattleSimulation battle(1);
    battle.RunToEnd(20000);
    EXPECT_TRUE(battle.Won());
    EXPECT_EQ(battle.screen().enemyPresent, (std::array<uint8_t, kBattleEnemySlots>{}));
}

}  // namespace

}  // namespace varn
