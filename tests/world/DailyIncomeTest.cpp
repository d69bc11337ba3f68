#include <gtest/gtest.h>

#include "world/GameState.h"

namespace {

TEST(DailyIncome, NothingHeldPaysNothing) {
    GameState world;
    world.dailyIncome = 99;
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, 0);
}

TEST(DailyIncome, OneGemAndOneVillagePayThirteen) {
    GameState world;
    world.gemOwned[29] = 1;
    world.VillageJoined(9) = 1;
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, 13);
}

TEST(DailyIncome, EverythingHeldPaysFiveHundredForty) {
    GameState world;
    world.gemOwned.fill(1);
    world.artifactOwned.fill(1);
    world.villageJoined.fill(1);
    world.townOwned.fill(1);
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, 90 + 150 + 100 + 200);
}

TEST(DailyIncome, AnyNonzeroEntryCountsOnceAndGoldIsUntouched) {
    GameState world;
    world.gold = 1000;
    world.artifactOwned[3] = 200;
    world.TownOwned(0) = 7;
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, 5 + 20);
    EXPECT_EQ(world.gold, 1000);
}

}  // namespace
