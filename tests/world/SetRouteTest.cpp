#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <tuple>

#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

namespace {

using Route = std::array<int32_t, kRouteCellCount>;
const Route kRoute81 = {774, 676, 832, 1075, 1125, 1178, 934, 785, 482, 475, 1171};
const Route kRoute89 = {4191, 4250, 4308, 4370, 4488, 4609, 4671, 4611, 4612, 4731, 4730};

class SetRoute : public testing::Test {
  protected:
    // Heroes on cells 100..109 and the player on 200, off every route.
    SetRoute() {
        world.routePending = kRoutePending;
        std::iota(world.heroMapCell.begin(), world.heroMapCell.end(), 100);
        world.playerMapCell = 200;
    }

    void RunRoute(uint8_t battle, uint8_t placePlayer, uint8_t heroNumber) {
        world.routeKind = 1;
        world.SetRoute(battle, placePlayer, heroNumber);
    }

    GameState world;
};

TEST_F(SetRoute, PositionModePlacesOnTheMovingPartysCell) {
    world.movingParty = 1;
    MapCellCorner(5555, world.playerX, world.playerY);
    world.SetRoute(85, 1, 0);
    EXPECT_EQ(
        std::tuple(world.playerMapCell, world.routePending, world.routeKind, world.routeCounter),
        std::tuple(5555, 2, 0, 0));
    // A hero follows another party; the player stays.
    world.movingParty = 4;
    MapCellCorner(10500, world.partyX[2], world.partyY[2]);
    world.SetRoute(90, 0, 3);
    EXPECT_EQ(std::pair(world.heroMapCell[2], world.playerMapCell), std::pair(10500, 5555));
}

TEST_F(SetRoute, BadPartyPositionOrHeroNumberMovesNobodyWrongly) {
    // A moving party outside 2..8 reads the player's position.
    MapCellCorner(42, world.playerX, world.playerY);
    MapCellCorner(43, world.partyX[0], world.partyY[0]);
    for (uint8_t party : {0, 9, 255}) {
        world.playerMapCell = 200;
        world.movingParty = party;
        world.SetRoute(81, 1, 0);
        EXPECT_EQ(world.playerMapCell, 42) << "party " << int{party};
    }
    // A position off the map keeps the commander's cell; a hero number outside 1..10 is ignored.
    world.playerMapCell = 200;
    const auto heroCells = world.heroMapCell;
    world.playerX = 9000;
    world.SetRoute(82, 1, 2);
    world.playerX = 0;
    world.SetRoute(81, 0, 11);
    RunRoute(81, 0, 200);
    EXPECT_EQ(world.playerMapCell, 200);
    EXPECT_EQ(world.heroMapCell, heroCells);
}

TEST_F(SetRoute, RouteModeTakesTheFirstFreeCellAndAllTakenMovesNobody) {
    world.heroMapCell[4] = kRoute81[0];
    RunRoute(81, 1, 0);
    EXPECT_EQ(world.routeCells, kRoute81);
    EXPECT_EQ(std::tuple(world.playerMapCell, world.routeLength, world.routeKind,
                         world.routePending, world.routeCounter),
              std::tuple(kRoute81[1], 0, 0, 2, 22));
    // A commanding hero's own cell counts as taken, and so does the player's.
    world.heroMapCell[9] = kRoute89[0];
    world.playerMapCell = kRoute89[1];
    RunRoute(93, 0, 10);
    EXPECT_EQ(world.heroMapCell[9], kRoute89[2]);
    // Battle 90 shares route 81's cells, all of them taken now.
    world.playerMapCell = kRoute81[0];
    std::copy_n(kRoute81.begin() + 1, kHeroCount, world.heroMapCell.begin());
    RunRoute(90, 1, 0);
    EXPECT_EQ(std::tuple(world.playerMapCell, world.routeLength, world.routeIndex),
              std::tuple(kRoute81[0], 1, 0));
}

TEST_F(SetRoute, OnlyInvasionsHaveRoutes) {
    // 80 and below only mark the route done; above 93 acts the same.
    for (uint8_t battle : {80, 94, 100, 255}) {
        GameState expected = world;
        expected.routePending = kRouteDone;
        expected.routeCounter = 22;
        RunRoute(battle, 1, 1);
        EXPECT_TRUE(static_cast<const GameStateData&>(world) == expected) << int{battle};
        world.routePending = kRoutePending;
    }
}

}  // namespace

}  // namespace varn
