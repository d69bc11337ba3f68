#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "MapTestSupport.h"
#include "app/ObjectCaptions.h"
#include "app/QuestGivers.h"
#include "houses/QuestChains.h"
#include "map/MapPlaceTables.h"
#include "map/MapScreen.h"

namespace varn {

namespace {

TEST(MapObjects, ANewGamePutsEveryTreasureAndArmyOnItsCell) {
    GameState world;
    RunNewGameSetUp(world);
    MapScreen screen;
    FillFromWorld(screen, world);

    EXPECT_EQ(screen.playerCell, 1503);
    EXPECT_EQ(screen.cellObject[1503], kCodePlayer);
    EXPECT_EQ(screen.pileCell[0], kPileCells[0]);
    EXPECT_EQ(std::pair(screen.pileX[0], screen.pileY[0]), std::pair(-600, 600));
    EXPECT_EQ(screen.cellObject[kBagCells[0]], kCodeFirstBag);
    // Armies are marked last, so an army guarding a chest or a pile owns the cell's code.
    EXPECT_EQ(screen.armyCell[0], 9898);
    EXPECT_EQ(screen.chestCell[0], 9898);
    EXPECT_EQ(screen.cellObject[9898], kCodeFirstArmy + 0);
    for (int army = 65; army < kMapEntityCount; ++army) {
        EXPECT_EQ(screen.armyCell[army], 0) << army;
        EXPECT_EQ(screen.armyPicture[army], 7);
    }
    EXPECT_EQ(screen.armyPicture[10], 4);
    EXPECT_EQ(screen.armyCell[10], 9995);
}

TEST(MapObjects, PlaceObjectsUsesTheTwinsCellAndKeepsInactiveOnesOffTheMap) {
    MapScreen screen;
    screen.chestActive[30] = 1;
    screen.bagActive[17] = 1;
    screen.PlaceObjects();
    // Chest 30 is chest 5's twin: on 9778, whatever the old notes say of 1716.
    EXPECT_EQ(screen.chestCell[30], 9778);
    EXPECT_EQ(screen.chestX[30], -1720);
    EXPECT_EQ(screen.chestY[30], 360);
    for (int chest = 0; chest < kChestCount; ++chest) {
        if (chest != 30) {
            EXPECT_EQ(screen.chestX[chest], 10000);
            EXPECT_EQ(screen.chestCell[chest], 0);
        }
    }
    EXPECT_EQ(screen.bagX[17], 10000);
    EXPECT_EQ(screen.bagCell[17], 0);
    EXPECT_EQ(screen.questObjectCell[32], 4685);
    EXPECT_EQ(screen.questObjectCell[33], 0);
    EXPECT_EQ(screen.siteCells[89], 5670);
    EXPECT_EQ(screen.siteCells[90], 0);
}

TEST(MapObjects, PlaceObjectsTurnsCharacterCellsIntoPositions) {
    struct Case {
        int32_t cell, x, y;
    };
    for (const Case& c : {Case{1, -800, -600}, {2501, 1200, -600}, {10800, -840, -640}}) {
        MapScreen screen;
        screen.playerCell = c.cell;
        screen.heroOnMap[4] = 1;
        screen.heroCell[4] = c.cell;
        screen.PlaceObjects();
        EXPECT_EQ(screen.walkX, c.x);
        EXPECT_EQ(screen.walkY, c.y);
        EXPECT_EQ(screen.heroX[4], c.x);
        EXPECT_EQ(screen.heroY[4], c.y);
    }
}

TEST(MapObjects, MarkCellsWritesInOrderAndKeepsOtherCells) {
    MapScreen screen;
    screen.cellObject[500] = 77;
    screen.heroOnMap[0] = 1;
    screen.heroCell[0] = kPileCells[3];
    screen.pileActive[3] = 1;
    screen.PlaceObjects();
    screen.MarkCells();
    EXPECT_EQ(screen.cellObject[kPileCells[3]], kCodeFirstPile + 3);
    EXPECT_EQ(screen.cellObject[500], 77);
    screen.armyActive[13] = 1;
    screen.PlaceArmies();
    screen.MarkCells();
    EXPECT_EQ(screen.cellObject[kPileCells[3]], kCodeFirstArmy + 13);
}

TEST(MapObjects, IdentifyObjectAtNamesWhatACellShows) {
    GameState world;
    RunNewGameSetUp(world);
    MapScreen screen;
    FillFromWorld(screen, world);
    struct Case {
        int32_t cell;
        int32_t id;
    };
    const Case cases[] = {
        {kPileCells[4], 3}, {kBagCells[0], 4}, {kChestCells[1], 5}, {9995, 16}, {8188, 4050},
        {1733, 4064},       {4057, 78},        {2998, 72},          {1352, 56}, {7132, 63},
        {9961, 64},         {1910, 65},        {8210, 66},          {1690, 67}, {879, 68},
        {8414, 69},         {4491, 70},        {4502, 71},          {6874, 73}, {5670, 80},
        {1358, 7},          {1308, 81},        {893, 35},           {843, 82},
    };
    for (const Case& c : cases) {
        screen.IdentifyObjectAt(c.cell);
        EXPECT_EQ(screen.hoverId, c.id) << c.cell;
    }
    // Army 1 guards the gold mine on 1358; without it the mine names itself.
    screen.armyActive[1] = 0;
    screen.IdentifyObjectAt(1358);
    EXPECT_EQ(screen.hoverId, 81);
}

TEST(MapObjects, AQuestGiverIsNamedAsItsHouseIsCaptionedOnTheMap) {
    GameState world;
    RunNewGameSetUp(world);
    MapScreen screen;
    FillFromWorld(screen, world);
    struct House {
        int32_t cell;
        const QuestChain& chain;
    };
    std::vector<House> houses;
    for (size_t village = 0; village < kVillageChains.size(); ++village) {
        houses.push_back({kVillageCells[village][0], kVillageChains[village]});
    }
    int32_t firstTownCell = 0;
    for (size_t town = 0; town < kTownChains.size(); ++town) {
        houses.push_back({kTownCells[static_cast<size_t>(firstTownCell)], kTownChains[town]});
        firstTownCell += kTownCellCounts[town];
    }
    houses.push_back({kPalaceCells[0], kPalaceChain});
    houses.push_back({kTempleCells[0], kTempleChain});
    houses.push_back({kCastleCells[0], kCastleChain});
    houses.push_back({kTowerCell, kTowerChain});
    for (const House& house : houses) {
        screen.IdentifyObjectAt(house.cell);
        const ObjectCaption* caption = FindObjectCaption(screen.hoverId);
        ASSERT_NE(caption, nullptr) << house.cell;
        for (const ChainQuest& link : house.chain) {
            const std::optional<QuestGiver> giver = QuestGiverOf(link.quest);
            ASSERT_TRUE(giver.has_value()) << int{link.quest};
            EXPECT_EQ(giver->place, caption->text) << int{link.quest};
        }
    }
}

TEST(MapObjects, AnEmptyCellGivesNoCaptionAndLeavesTheShownFlag) {
    MapScreen screen;
    screen.PlaceObjects();
    screen.showCaption = 0;
    screen.IdentifyObjectAt(5000);
    EXPECT_EQ(screen.hoverId, 0);
    EXPECT_EQ(screen.showCaption, 0);
    screen.IdentifyObjectAt(1352);
    EXPECT_EQ(screen.showCaption, 1);
    screen.IdentifyObjectAt(0);
    EXPECT_EQ(screen.hoverId, 0);
    EXPECT_EQ(screen.showCaption, 1);
}

TEST(MapPlacement, AJoiningHeroTakesTheFirstFreeStartCell) {
    struct Case {
        HeroIndex hero;
        int32_t playerCell;
        int32_t otherHeroCell;
        int32_t cell, x, y;
    };
    const Case cases[] = {
        {1, 978, 0, 977, 240, 160},
        {2, 1503, 0, 3658, 1880, 160},
        {3, 1503, 8960, 8961, -1400, 1640},
    };
    for (const Case& c : cases) {
        MapScreen screen;
        screen.playerCell = c.playerCell;
        screen.heroCell[9] = c.otherHeroCell;
        screen.joinHero = c.hero;
        screen.joinPending = 1;
        screen.PlaceJoinedHero();
        EXPECT_EQ(screen.heroCell[c.hero], c.cell);
        EXPECT_EQ(screen.heroX[c.hero], c.x);
        EXPECT_EQ(screen.heroY[c.hero], c.y);
        EXPECT_EQ(screen.joinPending, 0);
    }
}

TEST(MapPlacement, AHeroWithoutAListOrAllCellsTakenStaysPending) {
    MapScreen screen;
    screen.joinHero = 5;
    screen.joinPending = 1;
    screen.PlaceJoinedHero();
    EXPECT_EQ(screen.joinPending, 1);
    EXPECT_EQ(screen.heroCell[5], 0);

    screen.joinHero = 3;
    const int32_t taken[] = {8960, 8961, 8962, 8963, 8964, 8965, 8966, 8967, 8968, 8969};
    for (int hero = 0; hero < 10; ++hero) {
        screen.heroCell[hero] = taken[hero];
    }
    screen.playerCell = 8970;
    screen.PlaceJoinedHero();
    EXPECT_EQ(screen.joinPending, 1);
}

TEST(MapPlacement, ReleasedInvadersArePlacedOnceOnTheirStartCells) {
    struct Case {
        int army;
        int32_t cell, x, y;
        Facing facing;
    };
    const Case cases[] = {
        {80, 9597, -960, 40, 4},   {81, 7558, -520, -1000, 4}, {82, 2833, 2480, -400, 6},
        {83, 7011, 1600, -800, 6}, {89, 9637, -1360, 120, 2},  {92, 4472, 3240, 680, 6},
    };
    for (const Case& c : cases) {
        MapScreen screen;
        screen.playerCell = 1503;
        screen.heroCell[2] = 9596;
        screen.armyActive[c.army] = 1;
        screen.PlaceArmies();
        EXPECT_EQ(screen.armyActive[c.army], 2);
        EXPECT_EQ(screen.armyPlaced[c.army], 1);
        EXPECT_EQ(screen.armyCell[c.army], c.cell) << c.army;
        EXPECT_EQ(screen.armyX[c.army], c.x);
        EXPECT_EQ(screen.armyY[c.army], c.y);
        EXPECT_EQ(screen.armyFacing[c.army], c.facing);
        EXPECT_EQ(screen.armyPicture[c.army], 7);

        // A second call sees it placed and leaves it where it walked to.
        screen.armyX[c.army] = 0;
        screen.PlaceArmies();
        EXPECT_EQ(screen.armyX[c.army], 0);
    }
}

}  // namespace

}  // namespace varn
