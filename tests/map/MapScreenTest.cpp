#include "map/MapScreen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../engine/DrawingDevice.h"
#include "map/MapFoundPictures.h"
#include "support/GameData.h"

namespace varn {

namespace {

TEST(MapScreen, StartsWithFullMovesAndNoMeeting) {
    MapScreen screen;
    EXPECT_EQ(screen.playerMoves, 7);
    EXPECT_EQ(screen.playerMovesLeft, 7);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        EXPECT_EQ(screen.heroMoves[hero], 7);
        EXPECT_EQ(screen.heroMovesLeft[hero], 7);
    }
    for (uint8_t moves : screen.armyMoves) {
        EXPECT_EQ(moves, 4);
    }
    EXPECT_EQ(screen.meetFirst, 100);
    EXPECT_EQ(screen.meetSecond, 100);
    EXPECT_EQ(screen.dayShown, 1);
    EXPECT_EQ(screen.walkClockState, 1);
    EXPECT_EQ(screen.chestClockState, 1);
    EXPECT_EQ(screen.playerOnMap, 1);
}

// The nine regions' numbering, read both ways: a pick point anywhere inside a cell names it, and
// the cell's corner is its top-left pixel.
TEST(MapScreen, PickCellNumbersTheCellsRegionByRegion) {
    struct Case {
        int32_t x, y, cell;
    };
    const Case cases[] = {
        {-800, -600, 1},     {1199, -600, 50},    {-800, -560, 51},    {1200, -600, 2501},
        {3599, 1399, 5500},  {1200, 1400, 5501},  {1200, -1200, 6401}, {-800, -1200, 7301},
        {-800, 1400, 8051},  {-1800, 1400, 8801}, {-1800, -600, 9176}, {-1800, -1200, 10426},
        {-840, -640, 10800}, {-801, -601, 10800}, {280, 160, 978},     {1880, 160, 3658},
        {-1440, 1640, 8960}, {-1720, 360, 9778},
    };
    for (const Case& c : cases) {
        MapScreen screen;
        screen.pickX = c.x;
        screen.pickY = c.y;
        screen.PickCell();
        EXPECT_EQ(screen.pickedCell, c.cell) << c.x << ", " << c.y;
        int32_t x = 0, y = 0;
        ASSERT_TRUE(MapCellCorner(c.cell, x, y));
        EXPECT_TRUE(x <= c.x && c.x < x + 40 && y <= c.y && c.y < y + 40) << c.cell;
    }
}

TEST(MapScreen, APickPointOffTheMapKeepsThePreviousCell) {
    MapScreen screen;
    screen.pickedCell = 1234;
    for (auto [x, y] : {std::pair{3600, 0}, {0, 2000}, {-1801, 0}, {0, -1201}}) {
        screen.pickX = x;
        screen.pickY = y;
        screen.PickCell();
        EXPECT_EQ(screen.pickedCell, 1234);
    }
}

class MapScreenPictures : public DrawingDeviceTest {
  protected:
    GameDataDir data_;
};

TEST_F(MapScreenPictures, InitLoadsEveryTableRowAndFreeReleasesAll) {
    MapScreen screen;
    screen.Init(&device);
    for (const PictureLoad& row : kMapScreenPictures) {
        EXPECT_TRUE(screen.sprites->IsLoaded(row.slot)) << row.file;
    }
    for (const PictureLoad& row : kMapUnitPictures) {
        EXPECT_TRUE(screen.unitSprites->IsLoaded(row.slot)) << row.file;
    }
    for (const PictureLoad& row : kMapEnemyPictures) {
        EXPECT_TRUE(screen.enemySprites->IsLoaded(row.slot)) << row.file;
    }
    EXPECT_FALSE(screen.sprites->IsLoaded(12));
    screen.Free();
    EXPECT_EQ(screen.sprites, nullptr);
    EXPECT_EQ(screen.font, nullptr);
}

TEST_F(MapScreenPictures, FoundArtLoadsOnlyWhatWasFoundAndItemsWithAPicture) {
    struct Case {
        uint8_t item, gem, artifact;
        uint8_t itemIndex, gemIndex, artifactIndex;
        bool itemLoaded;
    };
    const Case cases[] = {
        {1, 1, 1, 113, 1, 14, true},
        {1, 0, 0, 112, 0, 0, true},
        {1, 0, 0, 3, 0, 0, false},
        {0, 1, 0, 0, 29, 0, false},
    };
    for (const Case& c : cases) {
        MapScreen screen;
        screen.foundItem = c.item;
        screen.foundGem = c.gem;
        screen.foundArtifact = c.artifact;
        screen.foundItemIndex = c.itemIndex;
        screen.foundGemIndex = c.gemIndex;
        screen.foundArtifactIndex = c.artifactIndex;
        screen.LoadFoundItemArt(&device);
        EXPECT_EQ(screen.itemArt->IsLoaded(0), c.itemLoaded) << int{c.itemIndex};
        EXPECT_EQ(screen.gemArt->IsLoaded(0), c.gem != 0);
        EXPECT_EQ(screen.artifactArt->IsLoaded(0), c.artifact != 0);
        screen.Free();
    }
    const auto& asked = platform::Headless()->filesAsked;
    EXPECT_NE(std::find(asked.begin(), asked.end(), "Art\\Items\\Item114.bmp"), asked.end());
    EXPECT_NE(std::find(asked.begin(), asked.end(), "Art\\Items\\Item113.bmp"), asked.end());
}

}  // namespace

}  // namespace varn
