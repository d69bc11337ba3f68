#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

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

// The units and the turn of a battle folded into one number.
uint64_t Fingerprint(const BattleScreen& s) {
    uint64_t hash = 1469598103934665603ull;
    auto fold = [&hash](const auto& values) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&values);
        for (size_t i = 0; i < sizeof(values); ++i) {
            hash = (hash ^ bytes[i]) * 1099511628211ull;
        }
    };
    fold(s.turn);
    fold(s.allyPhase);
    fold(s.enemyPhase);
    fold(s.actingEnemy);
    fold(s.cameraX);
    fold(s.cameraY);
    fold(s.commanderX);
    fold(s.commanderY);
    fold(s.commanderHealth);
    fold(s.armyX);
    fold(s.armyY);
    fold(s.armyAlive);
    fold(s.armyLight);
    fold(s.enemyPresent);
    fold(s.enemyX);
    fold(s.enemyY);
    fold(s.enemyMen);
    fold(s.enemyLight);
    fold(s.allyX);
    fold(s.allyY);
    fold(s.allyMen);
    fold(s.occupancy);
    fold(s.strikeAnimFrame);
    fold(s.damageLevel);
    return hash;
}

// The battle player's turns played through the battle state. The fingerprint of every frame,
// in order.
std::vector<uint64_t> PlayScript(uint8_t battle, int turns) {
    BattleGame game;
    game.world().Quest(5) = 2;  // the village's men fight beside the party in battle 2
    game.world().battleMoveSpeed = 3;
    game.world().battleSwingSpeed = 3;
    HeadlessGame::backend().presentAdvanceMs = 100;
    std::vector<uint64_t> frames;
    game.afterFrame = [&] {
        if (game.app.battleScreen) {
            frames.push_back(Fingerprint(game.screen()));
        }
    };
    game.EnterBattle(battle);
    game.ClickAway();
    for (int turn = 0; turn < turns && game.screen().battleOver == 0; ++turn) {
        game.PlayTurn();
        game.ClickAway();
    }
    return frames;
}

}  // namespace

TEST(BattlePlay, SelectingMovingAndStrikingWinsTheBattle) {
    BattleGame game;
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

TEST(BattlePlay, TheSameScriptPlaysTheSameBattleFrameByFrame) {
    // Battle 2 with its allies: the party, the allies and the enemies all act in one turn.
    const std::vector<uint64_t> first = PlayScript(2, 1);
    const std::vector<uint64_t> second = PlayScript(2, 1);
    ASSERT_EQ(first.size(), second.size());
    const auto differs = std::mismatch(first.begin(), first.end(), second.begin());
    EXPECT_EQ(differs.first, first.end())
        << "frame " << (differs.first - first.begin()) << " differs";
    EXPECT_GT(std::set<uint64_t>(first.begin(), first.end()).size(), 100u) << "the battle moved";
}

}  // namespace varn
