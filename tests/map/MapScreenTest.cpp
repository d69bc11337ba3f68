#include "map/MapScreen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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
    for (const PictureLoad& row : kIconlessArmyFigurePictures) {
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

namespace varn {

namespace {

// The bar's pixels in the box of army place p.
std::vector<uint16_t> PlacePixels(platform::BackBuffer& buffer, int place) {
    std::vector<uint16_t> pixels;
    for (int y = 540; y < 540 + 44; ++y) {
        for (int x = 103 + 48 * place; x < 103 + 48 * place + 44; ++x) {
            pixels.push_back(buffer.Row(y)[x]);
        }
    }
    return pixels;
}

}  // namespace

// A commander whose armies have no icon still shows them in the bar, each in its place.
TEST_F(MapScreenPictures, ArmiesOfKindsWithoutAnIconShowTheirFiguresInTheBar) {
    MapScreen screen;
    screen.Init(&device);
    screen.playerSelected = 1;
    screen.DrawHeroPanel();
    const std::vector<uint16_t> empty = PlacePixels(backBuffer(), 1);
    const std::vector<uint16_t> emptyFirst = PlacePixels(backBuffer(), 0);
    auto& armies = screen.panelArmies[0];
    armies[0] = 1;
    armies[kArmySlotCount] = 1;
    armies[2 * kArmySlotCount] = static_cast<uint8_t>(UnitType::EliteGuards);
    device.Clear(0xFF000000);
    screen.DrawHeroPanel();
    const std::vector<uint16_t> shown = PlacePixels(backBuffer(), 1);
    int changed = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        changed += shown[i] != empty[i];
    }
    EXPECT_GT(changed, static_cast<int>(shown.size()) / 20);
    EXPECT_EQ(PlacePixels(backBuffer(), 0), emptyFirst) << "the army stands in its own place";
    screen.Free();
}

}  // namespace varn
