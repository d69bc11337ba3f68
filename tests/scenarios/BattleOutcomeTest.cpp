#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "battle/BattlePictures.h"
#include "battle/scenarios/VictoryConsequences.h"
#include "support/BattleGame.h"

namespace varn {

namespace {

// Everything a victory of the battle may write into the world.
struct Consequences {
    uint8_t site = 0;
    std::vector<uint8_t> quests;
    uint8_t mine = 0;
    uint8_t trigger = 0;
    uint8_t heroJoined = 0;
    int32_t heroCell = 0;
    uint8_t beatenInvader = 0;
    std::array<uint8_t, 3> endOfGame{};

    bool operator==(const Consequences&) const = default;
};

Consequences Read(BattleGame& game, int battle) {
    const GameState& world = game.world();
    Consequences c;
    c.site = world.BattleSite(battle);
    c.beatenInvader = world.beatenInvader();
    std::copy(std::begin(game.app.endOfGame), std::end(game.app.endOfGame), c.endOfGame.begin());
    for (const VictoryRow& row : VictoryRows()) {
        if (row.battle != battle) {
            continue;
        }
        for (uint8_t quest : row.quests) {
            c.quests.push_back(quest != 0 ? world.Quest(quest) : 0);
        }
        c.mine = row.mine >= 0 ? world.TownOwned(row.mine) : 0;
        c.trigger = row.trigger >= 0 ? world.Trigger(row.trigger) : 0;
        c.heroJoined = row.hero != 0 ? world.HeroJoined(row.hero) : 0;
        c.heroCell = row.hero != 0 ? world.HeroMapCell(row.hero) : 0;
    }
    return c;
}

// A cell beside the commander that no unit holds.
int32_t FreeNeighbourOfTheCommander(const BattleScreen& s) {
    for (const int32_t step : {1, -1, kBattleColumns, -kBattleColumns}) {
        const int32_t cell = s.commanderCell + step;
        if (IsFieldCell(cell) && DistanceInCells(cell, s.commanderCell) == 1 &&
            s.occupancy[cell] == kOccupantFree) {
            return cell;
        }
    }
    return kNoBattleCell;
}

// A quest, the gold mine and a trigger; a quest and a hero; the game's end; an invader.
void ExpectNoConsequencesAfter(bool retreat) {
    for (const uint8_t battle : {2, 4, 73, 85}) {
        SCOPED_TRACE(+battle);
        BattleGame game;
        game.world().questState.fill(2);
        game.world().battleSiteActive.fill(1);
        game.world().battleTrigger.fill(1);
        game.world().battleMoveSpeed = 3;
        game.world().battleSwingSpeed = 3;
        const Consequences before = Read(game, battle);
        game.EnterBattle(battle);
        game.ClickAway();
        if (retreat) {
            game.ClickSideButton(kSideRetreat);
            game.ClickSideButton(kSideRetreatYes);
        } else {
            game.KeepOneDistantEnemy(2);
            game.EndTurnsUntilLost();
            ASSERT_EQ(game.screen().lost, 1);
        }
        game.PressKey(kKeyReturn);
        ASSERT_TRUE(game.OnMap());
        EXPECT_TRUE(Read(game, battle) == before);
    }
}

}  // namespace

TEST(BattleOutcome, WinningTheBattleThatBringsAHeroJoinsHimWithHisPortrait) {
    BattleGame game;
    game.world().Quest(3) = 2;
    game.EnterBattle(4);
    game.ClickAway();
    BattleScreen& s = game.screen();
    const int32_t enemyCell = FreeNeighbourOfTheCommander(s);
    ASSERT_NE(enemyCell, kNoBattleCell);
    game.KeepOneEnemyAt(enemyCell, 1, 1, 0);
    EXPECT_EQ(game.world().HeroJoined(1), 0);

    game.ClickFieldCell(s.commanderCell);
    game.ClickFieldCell(enemyCell);
    EXPECT_EQ(s.strikeImmediate, 1) << "an adjacent enemy is struck without a walk";
    game.PressKey(kKeyReturn);
    game.RunPlayerUnit();
    ASSERT_EQ(s.won, 2);

    EXPECT_EQ(game.world().HeroJoined(1), 1);
    EXPECT_EQ(game.world().HeroMapCell(1), 1862);
    EXPECT_EQ(game.world().Quest(3), 5) << "a quest taken on reaches its goal";
    EXPECT_EQ(s.joiningHero, 1);
    EXPECT_TRUE(s.mainSprites->IsLoaded(kSlotJoiningHero));
    std::vector<BattleDraw> log;
    s.drawLog = &log;
    game.RunFrames(1);
    s.drawLog = nullptr;
    EXPECT_TRUE(std::any_of(log.begin(), log.end(), [&](const BattleDraw& d) {
        return d.set == s.mainSprites.get() && d.slot == kSlotJoiningHero;
    })) << "the result box shows who joins";

    game.ClickAway();
    game.ClickAway();
    ASSERT_TRUE(game.OnMap());
    EXPECT_EQ(game.world().HeroJoined(1), 1);
}

TEST(BattleOutcome, ALostBattleOrARetreatWritesNoneOfAVictorysConsequences) {
    for (const bool retreat : {false, true}) {
        SCOPED_TRACE(retreat ? "retreat" : "lost");
        ExpectNoConsequencesAfter(retreat);
    }
}

}  // namespace varn
