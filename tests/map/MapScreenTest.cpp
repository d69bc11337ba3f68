#include "map/MapScreen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../engine/DrawingDevice.h"
#include "app/PartyPictures.h"
#include "map/MapFoundPictures.h"
#include "support/GameData.h"

namespace varn {

namespace {

TEST(MapScreen, APickPointNamesItsCellAndOneOffTheMapKeepsThePreviousCell) {
    MapScreen screen;
    screen.pickX = -801;
    screen.pickY = -601;
    screen.PickCell();
    EXPECT_EQ(screen.pickedCell, 10800);
    for (auto [x, y] : {std::pair{3600, 0}, {0, 2000}, {-1801, 0}, {0, -1201}}) {
        screen.pickX = x;
        screen.pickY = y;
        screen.PickCell();
        EXPECT_EQ(screen.pickedCell, 10800);
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
    for (const PictureLoad& row : kArmyIconPictures) {
        EXPECT_TRUE(screen.unitSprites->IsLoaded(row.slot)) << row.file;
    }
    for (const PictureLoad& row : kArmyFigurePictures) {
        EXPECT_TRUE(screen.unitFigures->IsLoaded(row.slot)) << row.file;
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
