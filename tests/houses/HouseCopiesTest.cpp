#include <gtest/gtest.h>

#include <memory>

#include "houses/HouseCopies.h"
#include "houses/HouseScreen.h"
#include "world/GameState.h"

namespace varn {

namespace {

// A character's record with a bag item in cell 0, an equipped item in cell 15 and two armies
// that carry their spare rows.
void Equip(CharacterItemRecord& items, ArmyRecord& armies, CharacterStats& stats) {
    items.items[0] = 7;
    items.owned[6] = 1;
    items.itemCell[6] = 0;
    items.items[15] = 90;
    items.owned[89] = 1;
    items.itemCell[89] = 15;
    for (size_t i : {0u, 3u}) {
        armies.present[i] = 1;
        armies.unitId[i] = 3;
        armies.position[i] = static_cast<uint8_t>(i);
        armies.unitType[i] = 2;
        armies.alive[i] = 5;
        armies.light[i] = 1;
        armies.training[i] = 25;
        armies.equipment[i] = 25;
        armies.name[i] = EncodeGlyphs("Old Guard");
        armies.spareA[i] = 44;
        armies.spareB[i] = 55;
    }
    stats.health = 12;
    stats.maxHealth = 40;
}

class HouseCopies : public testing::Test {
  protected:
    HouseCopies() : world(std::make_unique<GameState>()) {
        Equip(world->playerItems, world->playerArmy, world->playerStats);
        Equip(world->heroItems[3], world->heroArmies[3], world->heroStats[3]);
        world->playerPortrait = 1;
    }

    // The visit's copy-in, for the visitor the world names in village 3.
    std::unique_ptr<VillageScreen> Visit(CharacterId visitor) {
        world->houseVisitor = visitor;
        world->villageNumber = 3;
        auto screen = std::make_unique<VillageScreen>();
        CopyVisitorIdentityIn(*world, *screen);
        CopyVisitorIn(*world, *screen);
        CopyStoreIn(*world, *screen);
        screen->questState = world->questState;
        return screen;
    }

    std::unique_ptr<GameState> world;
};

}  // namespace

TEST_F(HouseCopies, AVisitorsRecordsComeBackAsTheyWentWhenNothingHappened) {
    for (CharacterId visitor : {CharacterId{1}, CharacterId{5}}) {
        SCOPED_TRACE(static_cast<int>(visitor));
        auto screen = Visit(visitor);
        const GameStateData before = *world;
        EXPECT_EQ(screen->houseNumber, 3);
        EXPECT_EQ(screen->portrait, 1);
        EXPECT_EQ(screen->heroIndex, visitor == 1 ? 0 : 3);
        EXPECT_EQ(screen->health, 12);
        EXPECT_EQ(screen->maxHealth, 40);
        EXPECT_EQ(screen->bag[0], 7);
        // Cells count from 1 in the house, from 0 in the record.
        EXPECT_EQ(screen->itemCell[6], 1);
        EXPECT_EQ(screen->itemCell[89], 16);
        EXPECT_EQ(screen->army.alive[3], 5);
        EXPECT_EQ(screen->army.name[3], EncodeGlyphs("Old Guard"));
        WriteVisitBack(*screen, *world);
        EXPECT_TRUE(static_cast<const GameStateData&>(*world) == before);
    }
}

TEST_F(HouseCopies, WhatTheVisitChangedReachesTheVisitorOnlyAndSparesAndEquipmentStay) {
    auto screen = Visit(5);
    // A reward in the first free bag cell, a recruit, a raised hero and a quest moved on.
    screen->bag[1] = 33;
    screen->owned[32] = 1;
    screen->itemCell[32] = 2;
    screen->army.present[1] = 1;
    screen->army.unitId[1] = 2;
    screen->health = 0;
    screen->UpkeepArmiesOnEntry();
    screen->Quest(40) = 2;
    screen->heldFlag[0] = 1;
    screen->heldItem[0] = 60;
    const ArmyRecord playerArmy = world->playerArmy;
    WriteVisitBack(*screen, *world);
    const CharacterItemRecord& items = world->heroItems[3];
    EXPECT_EQ(items.items[1], 33);
    EXPECT_EQ(items.itemCell[32], 1);
    EXPECT_EQ(items.items[15], 90);
    EXPECT_EQ(items.itemCell[89], 15);
    EXPECT_EQ(world->heroArmies[3].present[1], 1);
    EXPECT_EQ(world->heroArmies[3].spareA[0], 44);
    EXPECT_EQ(world->heroArmies[3].spareB[3], 55);
    // A hero raised from no health keeps the 1, so the next visit asks no fame for it.
    EXPECT_EQ(world->heroStats[3].health, 1);
    EXPECT_EQ(world->Quest(40), 2);
    EXPECT_EQ(world->heldFlagVillage[20], 1);
    EXPECT_EQ(world->heldItemVillage[20], 60);
    EXPECT_EQ(world->heldFlagVillage[10], 0);
    EXPECT_TRUE(world->playerArmy == playerArmy);
}

TEST_F(HouseCopies, EachHouseHasItsOwnStoreAndAVisitMustNameSomeone) {
    world->heldFlagTown[30] = 1;
    world->heldFlagCastle[0] = 1;
    const struct {
        HouseKind kind;
        uint8_t number;
        const uint8_t* first;
    } kStores[] = {
        {HouseKind::Town, 4, &world->heldFlagTown[30]},
        {HouseKind::Castle, 0, &world->heldFlagCastle[0]},
        {HouseKind::Palace, 0, &world->heldFlagPalace[0]},
        {HouseKind::Temple, 0, &world->heldFlagTemple[0]},
        {HouseKind::Tower, 0, &world->heldFlagTower[0]},
        {HouseKind::Village, 9, &world->heldFlagVillage[80]},
    };
    for (const auto& store : kStores) {
        const HeldStore held = StoreOf(*world, store.kind, store.number);
        ASSERT_EQ(held.flags.size(), 10u);
        EXPECT_EQ(held.flags.data(), store.first);
    }
    EXPECT_TRUE(StoreOf(*world, HouseKind::Town, 5).flags.empty());
    EXPECT_TRUE(StoreOf(*world, HouseKind::Village, 0).flags.empty());

    world->houseVisitor = 11;
    world->villageNumber = 9;
    EXPECT_TRUE(IsVisitValid(*world, HouseKind::Village));
    world->villageNumber = 10;
    EXPECT_FALSE(IsVisitValid(*world, HouseKind::Village));
    EXPECT_TRUE(IsVisitValid(*world, HouseKind::Temple));
    world->houseVisitor = 12;
    EXPECT_FALSE(IsVisitValid(*world, HouseKind::Temple));
    world->houseVisitor = 0;
    EXPECT_FALSE(IsVisitValid(*world, HouseKind::Tower));
}

}  // namespace varn
