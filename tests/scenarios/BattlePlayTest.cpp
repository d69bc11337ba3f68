#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/BattleGame.h"

namespace varn {

namespace {

// How often the game asked for a sound effect whose file name contains `name`.
int EffectsLoaded(const std::string& name) {
    const auto& log = HeadlessGame::backend().log;
    return static_cast<int>(std::count_if(log.begin(), log.end(), [&](const std::string& line) {
        return line.rfind("audio.LoadEffect(", 0) == 0 && line.find(name) != std::string::npos;
    }));
}

// A free cell two columns beside the commander, on its row, toward the middle of the field.
int32_t TwoCellsBesideTheCommander(const BattleScreen& s) {
    const int32_t cell = CellColumn(s.commanderCell) < kBattleColumns / 2 ? s.commanderCell + 2
                                                                          : s.commanderCell - 2;
    return s.occupancy[cell] == kOccupantFree ? cell : kNoBattleCell;
}

}  // namespace

TEST(BattlePlay, SelectingMovingAndStrikingWinsTheBattle) {
    BattleGame game;
    game.world().fame = 4;
    const int32_t gold = game.world().gold;
    game.EnterBattle(1);
    game.ClickAway();  // the turn banner
    BattleScreen& s = game.screen();
    const int32_t start = s.commanderCell;
    const int32_t enemyCell = TwoCellsBesideTheCommander(s);
    ASSERT_NE(enemyCell, kNoBattleCell);
    game.KeepOneEnemyAt(enemyCell, 3, 10, 0);

    game.ClickFieldCell(start);
    EXPECT_EQ(s.commanderSelected, 1);
    game.ClickFieldCell(enemyCell);
    EXPECT_EQ(s.attackPlanned, 1) << "the path ran into the enemy";
    EXPECT_EQ(s.pathLength, 1);
    EXPECT_EQ(s.pathShown, 1);
    EXPECT_EQ(s.moveRefused, 0);

    game.PressKey(kKeyReturn);
    game.RunPlayerUnit();
    const int32_t besideTheEnemy = (start + enemyCell) / 2;
    EXPECT_EQ(s.commanderCell, besideTheEnemy);
    EXPECT_EQ(s.occupancy[besideTheEnemy], kOccupantCommander);
    EXPECT_EQ(s.occupancy[start], kOccupantFree);
    EXPECT_EQ(s.commanderMovesCommitted, 0) << "the strike ends the commander's turn";

    // Three men without defence fall to one strike of the commander.
    game.RunFrames(1);
    ASSERT_EQ(s.enemyPresent[0], 0);
    EXPECT_EQ(s.won, 2);
    EXPECT_EQ(s.reportAllDown, 1);
    EXPECT_EQ(EffectsLoaded("Smash.wav"), 1);
    EXPECT_GT(game.world().gold, gold);
    EXPECT_EQ(game.world().BattleSite(1), 0);

    game.ClickAway();
    game.ClickAway();
    ASSERT_TRUE(game.OnMap());
    EXPECT_EQ(game.world().fame, 4 + 3) << "won on the first turn: brilliant";
}

TEST(BattlePlay, AnArmyWalksUpAndStrikesUntilTheEnemyFalls) {
    BattleGame game;
    game.EnterBattle(1);
    game.ClickAway();
    BattleScreen& s = game.screen();
    const int32_t armyStart = s.armyCell[0];
    ASSERT_TRUE(s.armyPresent[0]);
    // An enemy two cells below the army, strong enough to take several strikes.
    const int32_t enemyCell = armyStart + 2 * kBattleColumns;
    ASSERT_TRUE(IsFieldCell(enemyCell));
    ASSERT_EQ(s.occupancy[enemyCell], kOccupantFree);
    ASSERT_EQ(s.occupancy[armyStart + kBattleColumns], kOccupantFree);
    game.KeepOneEnemyAt(enemyCell, 20, 1, 10);
    s.armyAlive[0] = 30;
    s.armyAttack[0] = 20;
    s.armyDefence[0] = 50;

    int turns = 0;
    while (s.won == 0 && turns < 20) {
        game.ClickFieldCell(s.armyCell[0]);
        ASSERT_EQ(s.selectedArmy, 1);
        game.ClickFieldCell(s.enemyCell[0]);
        game.PressKey(kKeyReturn);
        game.RunPlayerUnit();
        EXPECT_EQ(s.armyCell[0], armyStart + kBattleColumns) << "one walk, then strikes in place";
        if (s.won == 0) {
            game.EndTurn();
            game.ClickAway();
        }
        ++turns;
    }
    EXPECT_GT(turns, 1);
    EXPECT_EQ(s.won, 2);
    EXPECT_GT(s.armyCombats[0], turns - 1) << "its own strikes and the enemy's on it";
    EXPECT_GT(EffectsLoaded("Pick.wav"), 0);
}

TEST(BattlePlay, TheEnemiesStrikesBeatAWeakPartyBeforeTheLastTurn) {
    BattleGame game;
    game.world().fame = 2;
    game.EnterBattle(1);
    BattleScreen& s = game.screen();
    s.commanderHealth = 1;
    s.armyAlive.fill(1);
    game.EndTurnsUntilLost(20);
    ASSERT_EQ(s.lost, 1);
    EXPECT_EQ(s.won, 0);
    EXPECT_LT(s.turn, s.lastTurn) << "beaten by strikes, not by time";
    EXPECT_EQ(s.commanderHealth, 0);
    EXPECT_EQ(s.fallenArmies, kBattleArmySlots);
    EXPECT_EQ(std::count(s.occupancy.begin(), s.occupancy.end(), kOccupantCommander), 0)
        << "a fallen commander holds no cell";
    EXPECT_GT(EffectsLoaded("Smash.wav"), 0);
    EXPECT_EQ(game.app.battleResult[0], 1);

    game.ClickAway();
    ASSERT_TRUE(game.OnMap());
    EXPECT_EQ(game.world().fame, 0) << "-3, not below 0";
    EXPECT_EQ(game.world().playerStats.health, 1) << "a fallen commander comes back with 1";
}

}  // namespace varn
