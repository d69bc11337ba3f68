#include <gtest/gtest.h>

#include "map/MapScreen.h"
#include "map/MapTestSupport.h"

namespace varn {

namespace {

class MapPickupTest : public testing::Test {
  protected:
    void SetUp() override {
        screen.pileActive.fill(1);
        for (int bag = 0; bag < 16; ++bag) {
            screen.bagActive[bag] = 1;
        }
        for (int chest = 0; chest < 25; ++chest) {
            screen.chestActive[chest] = 1;
        }
        screen.PlaceObjects();
    }

    int32_t ArriveAndCollect(int32_t cell, int32_t gold = 0) {
        return WalkOntoAndCollect(screen, cell, gold);
    }

    void FillBag() {
        for (int cell = 0; cell < kBagCellCount; ++cell) {
            screen.walkerBag[cell] = static_cast<ItemId>(200 + cell);
        }
    }

    MapScreen screen;
};

TEST_F(MapPickupTest, GoldPilesAndBagsPayAndOpenTheFoundBox) {
    struct Case {
        int32_t cell;
        int32_t gold;
        int gem;  // -1 none
    };
    const Case cases[] = {
        {kPileCells[9], 1000, -1},
        {kPileCells[0], 50, -1},
        {kBagCells[0], 20, 0},
        {kBagCells[15], 134, 19},
    };
    for (const Case& c : cases) {
        screen.foundGem = 0;
        EXPECT_EQ(ArriveAndCollect(c.cell, 5), 5 + c.gold) << c.cell;
        EXPECT_EQ(screen.foundBox, kFoundBoxLoading);
        EXPECT_EQ(screen.coinSound, 1);
        EXPECT_EQ(screen.foundGold, c.gold);
        EXPECT_EQ(screen.foundGoldShown, 1);
        EXPECT_EQ(screen.foundGem, c.gem >= 0);
        if (c.gem >= 0) {
            EXPECT_EQ(screen.foundGemIndex, c.gem);
        }
    }
    EXPECT_EQ(screen.pileActive[9], 0);
    EXPECT_EQ(screen.bagActive[15], 0);
}

TEST_F(MapPickupTest, AChestWithAFreeBagFillsTheBagAndTheWealthLists) {
    EXPECT_EQ(ArriveAndCollect(kChestCells[0]), 80);
    EXPECT_EQ(screen.chestSound, 1);
    EXPECT_EQ(screen.foundItemIndex, 1);
    screen.walkerBag[0] = 9;
    screen.StoreFoundItems();
    EXPECT_EQ(screen.walkerBag[1], 2);
    EXPECT_EQ(screen.walkerOwned[1], 1);
    EXPECT_EQ(screen.walkerItemCell[1], 2);
    EXPECT_EQ(screen.bagCopy, kBagCopyWriteBack);
    EXPECT_EQ(screen.gemSlots[0], 16);
    EXPECT_EQ(screen.gemOwned[15], 1);
    EXPECT_EQ(screen.gemSlotOf[15], 1);
    EXPECT_EQ(screen.artifactSlots[0], 1);
    EXPECT_EQ(screen.artifactSlotOf[0], 1);
    EXPECT_EQ(screen.foundItem, 0);
    EXPECT_EQ(screen.bagFull, 0);
    EXPECT_EQ(screen.chestActive[25], 0);
}

TEST_F(MapPickupTest, AFullBagLeavesTheItemInTheTwinChestUntilThereIsRoom) {
    FillBag();
    EXPECT_EQ(ArriveAndCollect(kChestCells[0]), 80);
    screen.StoreFoundItems();
    EXPECT_EQ(screen.bagFull, 1);
    EXPECT_EQ(screen.gemOwned[15], 1);
    EXPECT_EQ(screen.artifactOwned[0], 1);
    EXPECT_EQ(screen.chestActive[0], 0);
    EXPECT_EQ(screen.chestActive[25], 1);
    EXPECT_EQ(screen.chestCell[25], kChestCells[0]);
    EXPECT_EQ(screen.chestX[25], screen.chestX[0]);

    // Full again: the twin itself comes back.
    screen.bagFull = 0;
    EXPECT_EQ(ArriveAndCollect(kChestCells[0]), 0);
    EXPECT_EQ(screen.foundGoldShown, 0);
    screen.StoreFoundItems();
    EXPECT_EQ(screen.chestActive[25], 1);
    EXPECT_EQ(screen.bagFull, 1);

    screen.walkerBag[4] = kNoItem;
    EXPECT_EQ(ArriveAndCollect(kChestCells[0], 10), 10);
    screen.StoreFoundItems();
    EXPECT_EQ(screen.walkerBag[4], 2);
    EXPECT_EQ(screen.chestActive[25], 0);
}

TEST_F(MapPickupTest, AFullWealthListDropsTheFind) {
    screen.gemSlots.fill(1);
    ArriveAndCollect(kBagCells[3]);
    screen.StoreFoundItems();
    EXPECT_EQ(screen.gemOwned[3], 0);
}

TEST_F(MapPickupTest, AFindGoesToTheCharacterAndChestOfTheFind) {
    for (bool full : {false, true}) {
        SCOPED_TRACE(full);
        screen.chestActive[4] = 1;
        screen.walkerBag.fill(kNoItem);
        ArriveAndCollect(kChestCells[4]);
        ASSERT_EQ(screen.foundItem, 1);
        // Before the box is closed, other bytes say a hero found something in chest 7.
        screen.heroFinds = 3;
        screen.playerFinds = 0;
        screen.cellSavedCode = kCodeFirstChest + 7;
        screen.bagCopy = kBagCopyNone;
        if (full) {
            FillBag();
        }
        screen.StoreFoundItems();
        EXPECT_EQ(screen.bagOwnerHero, 0);
        EXPECT_EQ(screen.bagCopy, full ? 0 : 2);
        EXPECT_EQ(screen.chestActive[29], full ? 1 : 0);
        EXPECT_EQ(screen.chestActive[32], 0);
        EXPECT_EQ(screen.heroFinds, 0);
    }
}

TEST_F(MapPickupTest, ArrivalCodesRaiseTheVisitOfTheirPlace) {
    struct Case {
        MapObjectCode code;
        uint8_t MapScreen::*flag;
        uint8_t MapScreen::*number;
        uint8_t value;
    };
    const Case cases[] = {
        {152, &MapScreen::townEntered, &MapScreen::townNumber, 1},
        {159, &MapScreen::townEntered, &MapScreen::townNumber, 1},
        {160, &MapScreen::townEntered, &MapScreen::townNumber, 2},
        {204, &MapScreen::townEntered, &MapScreen::townNumber, 4},
        {205, &MapScreen::villageEntered, &MapScreen::villageNumber, 1},
        {211, &MapScreen::villageEntered, &MapScreen::villageNumber, 3},
        {231, &MapScreen::villageEntered, &MapScreen::villageNumber, 9},
        {302, &MapScreen::palaceEntered, &MapScreen::palaceEntered, 1},
        {317, &MapScreen::templeEntered, &MapScreen::templeEntered, 1},
        {343, &MapScreen::castleEntered, &MapScreen::castleEntered, 1},
        {344, &MapScreen::towerEntered, &MapScreen::towerEntered, 1},
        {345, &MapScreen::siteEntered, &MapScreen::siteEntered, 1},
        {355, &MapScreen::siteEntered, &MapScreen::siteEntered, 2},
        {387, &MapScreen::siteEntered, &MapScreen::siteEntered, 5},
        // The site ranges follow the site list: 23 cells of site 6, 10 of 7, 14 of 8.
        {410, &MapScreen::siteEntered, &MapScreen::siteEntered, 6},
        {411, &MapScreen::siteEntered, &MapScreen::siteEntered, 7},
        {420, &MapScreen::siteEntered, &MapScreen::siteEntered, 7},
        {421, &MapScreen::siteEntered, &MapScreen::siteEntered, 8},
        {434, &MapScreen::siteEntered, &MapScreen::siteEntered, 8},
        {435, &MapScreen::siteEntered, &MapScreen::siteEntered, 0},
    };
    for (const Case& c : cases) {
        MapScreen fresh;
        fresh.cellSavedCode = c.code;
        int32_t gold = 0;
        fresh.CollectPile(gold);
        EXPECT_EQ(fresh.*c.flag != 0, c.value != 0) << c.code;
        EXPECT_EQ(fresh.*c.number, c.value) << c.code;
        EXPECT_EQ(gold, 0);
    }
}

TEST_F(MapPickupTest, TheSiteCellsGiveTheCodesThatNameTheirSite) {
    // The last cell of site 6 and the first of site 7 arrive as 410 and 411.
    EXPECT_EQ(SiteOfListIndex(410 - 345), 6);
    EXPECT_EQ(SiteOfListIndex(411 - 345), 7);
    screen.playerCell = 1;
    ArriveAndCollect(4300);
    EXPECT_EQ(screen.cellSavedCode, 410);
    EXPECT_EQ(screen.siteEntered, 6);
    ArriveAndCollect(5218);
    EXPECT_EQ(screen.cellSavedCode, 411);
    EXPECT_EQ(screen.siteEntered, 7);
}

TEST_F(MapPickupTest, TheTowerCountsOnlyWhileItStands) {
    ArriveAndCollect(kTowerCell);
    EXPECT_EQ(screen.towerEntered, 1);
    screen.towerEntered = 0;
    screen.towerHidden = 1;
    ArriveAndCollect(kTowerCell);
    EXPECT_EQ(screen.cellSavedCode, 0);
    EXPECT_EQ(screen.towerEntered, 0);
}

TEST_F(MapPickupTest, QuestObjectsAndArmiesArriveWithTheirCodes) {
    ArriveAndCollect(kQuestObjectCells[1]);
    EXPECT_EQ(screen.cellSavedCode, 1000);
    ArriveAndCollect(kQuestObjectCells[32]);
    EXPECT_EQ(screen.cellSavedCode, 1029);
    screen.armyActive[70] = 1;
    screen.armyCell[70] = 6000;
    ArriveAndCollect(6000);
    EXPECT_EQ(screen.cellSavedCode, 2020);
}

TEST_F(MapPickupTest, AnAttackFromTheArrivalCellDoesNotCollectItAgain) {
    EXPECT_EQ(ArriveAndCollect(kPileCells[5]), 100);
    // The player stands next to an army and attacks it without a walk.
    screen.armyActive[0] = 1;
    screen.armyX[0] = screen.walkX + kMapCellSize;
    screen.armyY[0] = screen.walkY;
    uint8_t clicked = 1;
    screen.playerSelected = 1;
    screen.ClickCell(MapCellAt(screen.armyX[0], screen.armyY[0]), clicked, screen.armyX[0],
                     screen.armyY[0]);
    ASSERT_EQ(screen.armyTarget, 1);
    ASSERT_EQ(screen.pathCount, 0);
    int32_t gold = 100;
    screen.arrived = 1;
    screen.CollectPile(gold);
    EXPECT_EQ(gold, 100);
}

}  // namespace

}  // namespace varn
