#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "world/GameState.h"

namespace varn {

namespace {

TEST(NumberedEntries, NumbersIndexFromOneAndStrayNumbersTouchNothing) {
    GameState world;
    world.Quest(100) = 7;
    world.TownOwned(0) = 1;
    world.Trigger(29) = 1;
    world.HeroJoined(10) = 1;
    world.HeroMapCell(10) = 10800;
    EXPECT_EQ(world.questState[99], 7);
    EXPECT_EQ(world.townOwned[0], 1);
    EXPECT_EQ(std::tuple(world.battleTrigger[29], world.heroJoined[9], world.heroMapCell[9]),
              std::tuple(1, 1, 10800));
    const GameState before = world;
    for (int number : {0, 101, -1, 1000}) {
        world.Quest(number) = 9;
        world.BattleSite(number) = 9;
        world.CarryA(number) = 9;
        world.CarryB(number) = 9;
        world.VillageJoined(number) = 9;
        world.TownOwned(number - 1) = 9;
        world.HeroJoined(number == 0 ? 11 : number) = 9;
        world.HeroMapCell(number == 0 ? 11 : number) = 9;
        EXPECT_EQ(std::as_const(world).HeroMapCell(number), 0);
        EXPECT_EQ(std::as_const(world).Quest(number), 0);
    }
    world.VillageJoined(11) = 9;
    world.TownOwned(10) = 9;
    world.Trigger(30) = 9;
    world.Trigger(-1) = 9;
    world.heroNames.SetName(HeroNameTable::kColumnCount, EncodeGlyphs("x"));
    EXPECT_EQ(world.heroNames.Name(HeroNameTable::kColumnCount), GlyphString{});
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
}

TEST(DailyIncome, EachHeldEntryPaysItsRateOnceAndGoldIsUntouched) {
    GameState world;
    world.gold = 1000;
    world.gemOwned[29] = 1;
    world.VillageJoined(9) = 1;
    // Town entry 0 is the gold mine; any nonzero entry counts once.
    world.artifactOwned[3] = 200;
    world.TownOwned(0) = 7;
    world.ComputeDailyIncome();
    EXPECT_EQ(std::pair(world.dailyIncome, world.gold), std::pair(3 + 10 + 5 + 20, 1000));
    world.gemOwned.fill(1);
    world.artifactOwned.fill(1);
    world.villageJoined.fill(1);
    world.townOwned.fill(1);
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, 540);
}

// Quest states: 0 locked, 1 offered, 2 accepted, 4 in progress, 5 goal met, 6 reward, 7 solved.

TEST(QuestRules, DayZeroKeepsDayQuestsLockedAndSolvedQuestsOpenTheirFollowersInOneRun) {
    GameState world;
    world.day = 0;
    world.UpdateQuests();
    std::array<uint8_t, kQuestCount> expected{};
    for (int quest : {3, 7, 8, 9, 12, 19}) {
        expected[quest - 1] = 1;
    }
    EXPECT_EQ(world.questState, expected);
    // Quests already open keep their states; 50 has no rule. A second run changes nothing.
    world.day = 1;
    for (auto [quest, state] :
         {std::pair{1, 7}, {3, 5}, {4, 2}, {9, 7}, {12, 7}, {19, 7}, {50, 6}}) {
        world.Quest(quest) = state;
    }
    expected = world.questState;
    for (int quest : {2, 10, 13, 20}) {
        expected[quest - 1] = 1;
    }
    world.UpdateQuests();
    EXPECT_EQ(world.questState, expected);
    world.UpdateQuests();
    EXPECT_EQ(world.questState, expected);
}

TEST(QuestRules, QuestFiveNeedsThreeOrFourPastProgressAndElevenNeedsFiveSolved) {
    GameState world;
    world.Quest(2) = 7;
    world.Quest(3) = world.Quest(4) = 4;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(5), 0);
    world.Quest(4) = 5;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(5), 1);
    EXPECT_EQ(world.Quest(11), 0);
    world.Quest(5) = 7;
    world.UpdateQuests();
    EXPECT_EQ(world.Quest(11), 1);
}

}  // namespace

}  // namespace varn
