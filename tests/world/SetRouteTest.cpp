#include <gtest/gtest.h>

#include "world/GameState.h"
#include "world/MapCells.h"

namespace {

const std::array<int32_t, kRouteCellCount> kRoute81 = {774, 676, 832, 1075, 1125, 1178,
                                                       934, 785, 482, 475,  1171};
const std::array<int32_t, kRouteCellCount> kRoute89 = {4191, 4250, 4308, 4370, 4488, 4609,
                                                       4671, 4611, 4612, 4731, 4730};

class SetRoute : public testing::Test {
  protected:
    SetRoute() {
        RunNewGameSetUp(world);
        world.routePending = 1;
        // Heroes stand on distinct cells off every route.
        for (int hero = 0; hero < kHeroCount; ++hero) {
            world.heroMapCell[hero] = 100 + hero;
        }
        world.playerMapCell = 200;
    }

    static std::pair<int32_t, int32_t> CornerOf(int32_t cell) {
        int32_t x = 0;
        int32_t y = 0;
        EXPECT_TRUE(MapCellCorner(cell, x, y));
        return {x + 5, y + 5};
    }

    GameState world;
};

TEST_F(SetRoute, PositionModePutsThePlayerOnThePartysCell) {
    world.movingParty = 1;
    std::tie(world.playerX, world.playerY) = CornerOf(5555);
    world.SetRoute(85, 1, 0);
    EXPECT_EQ(world.playerMapCell, 5555);
    EXPECT_EQ(world.routePending, 2);
    EXPECT_EQ(world.routeKind, 0);
    EXPECT_EQ(world.routeCounter, 0);
}

TEST_F(SetRoute, PositionModeFollowsAnotherPartyForAHero) {
    world.movingParty = 4;
    std::tie(world.partyX[2], world.partyY[2]) = CornerOf(10500);
    world.SetRoute(90, 0, 3);
    EXPECT_EQ(world.heroMapCell[2], 10500);
    EXPECT_EQ(world.playerMapCell, 200);
}

TEST_F(SetRoute, UnsetMovingPartyReadsThePlayersPosition) {
    std::tie(world.playerX, world.playerY) = CornerOf(42);
    std::tie(world.partyX[0], world.partyY[0]) = CornerOf(43);
    for (uint8_t party : {0, 9, 255}) {
        world.playerMapCell = 200;
        world.movingParty = party;
        world.SetRoute(81, 1, 0);
        EXPECT_EQ(world.playerMapCell, 42) << "party " << int{party};
    }
}

TEST_F(SetRoute, PositionOffTheMapKeepsTheCommandersCell) {
    world.movingParty = 1;
    world.playerX = 9000;
    world.playerY = 9000;
    world.SetRoute(82, 1, 2);
    EXPECT_EQ(world.playerMapCell, 200);
    EXPECT_EQ(world.heroMapCell[1], 101);
}

TEST_F(SetRoute, RouteModeTakesTheFirstFreeCellForThePlayer) {
    world.routeKind = 1;
    world.heroMapCell[4] = kRoute81[0];
    world.SetRoute(81, 1, 0);
    EXPECT_EQ(world.routeCells, kRoute81);
    EXPECT_EQ(world.playerMapCell, kRoute81[1]);
    EXPECT_EQ(world.routeLength, 0);
    EXPECT_EQ(world.routeKind, 0);
    EXPECT_EQ(world.routePending, 2);
    EXPECT_EQ(world.routeCounter, 22);
}

TEST_F(SetRoute, RouteModeMovesACommandingHero) {
    world.routeKind = 1;
    world.playerMapCell = kRoute89[0];
    world.SetRoute(93, 0, 10);
    EXPECT_EQ(world.heroMapCell[9], kRoute89[1]);
    EXPECT_EQ(world.playerMapCell, kRoute89[0]);
}

TEST_F(SetRoute, CommandersOwnCellCountsAsTaken) {
    world.routeKind = 1;
    world.heroMapCell[6] = kRoute89[0];
    world.SetRoute(89, 0, 7);
    EXPECT_EQ(world.heroMapCell[6], kRoute89[1]);
}

TEST_F(SetRoute, AllCellsTakenMovesNobody) {
    world.routeKind = 1;
    world.playerMapCell = kRoute81[0];
    for (int hero = 0; hero < kHeroCount; ++hero) {
        world.heroMapCell[hero] = kRoute81[hero + 1];
    }
    world.SetRoute(90, 1, 0);
    EXPECT_EQ(world.playerMapCell, kRoute81[0]);
    EXPECT_EQ(world.routeLength, 1);
    EXPECT_EQ(world.routeIndex, 0);
}

TEST_F(SetRoute, BattlesShareTheirRoutes) {
    const std::pair<uint8_t, uint8_t> sharing[] = {{81, 90}, {82, 85}, {82, 87},
                                                   {89, 91}, {89, 92}, {89, 93}};
    for (const auto& [first, second] : sharing) {
        world.routeKind = 1;
        world.SetRoute(first, 0, 0);
        const auto route = world.routeCells;
        world.routeKind = 1;
        world.SetRoute(second, 0, 0);
        EXPECT_EQ(world.routeCells, route) << int{first} << " and " << int{second};
    }
}

TEST_F(SetRoute, EarlyBattlesOnlyMarkTheRouteDone) {
    world.routeKind = 1;
    const GameState before = world;
    world.SetRoute(80, 1, 1);
    EXPECT_EQ(world.routePending, 2);
    EXPECT_EQ(world.routeKind, 0);
    EXPECT_EQ(world.routeCounter, 22);
    world.routePending = before.routePending;
    world.routeKind = before.routeKind;
    world.routeCounter = before.routeCounter;
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
}

TEST_F(SetRoute, BattlesPastTheInvasionsActLikeEarlyOnes) {
    for (uint8_t battle : {94, 100, 255}) {
        world.routeKind = 1;
        world.routeCells = {};
        world.SetRoute(battle, 1, 0);
        EXPECT_EQ(world.routeCells, (std::array<int32_t, kRouteCellCount>{}));
        EXPECT_EQ(world.playerMapCell, 200);
        EXPECT_EQ(world.routeKind, 0);
    }
}

TEST_F(SetRoute, HeroNumberOutOfRangeIsIgnored) {
    const auto heroCells = world.heroMapCell;
    world.routeKind = 1;
    world.SetRoute(81, 0, 11);
    world.movingParty = 1;
    std::tie(world.playerX, world.playerY) = CornerOf(77);
    world.SetRoute(81, 0, 200);
    EXPECT_EQ(world.heroMapCell, heroCells);
}

}  // namespace
