#include "items/ItemBonuses.h"

#include <gtest/gtest.h>

#include <climits>

#include "items/EquipSlots.h"
#include "world/GameState.h"

namespace {

using ItemCatalogue::BonusOf;

TEST(BonusOf, EdgesOfTheIdSpace) {
    EXPECT_EQ(BonusOf(0), 0);
    EXPECT_EQ(BonusOf(192), 0);
    EXPECT_EQ(BonusOf(220), 0);
    EXPECT_EQ(BonusOf(251), 0);
    EXPECT_EQ(BonusOf(255), 0);
    EXPECT_EQ(BonusOf(256), 0);
    EXPECT_EQ(BonusOf(-1), 0);
    EXPECT_EQ(BonusOf(INT_MIN), 0);
    EXPECT_EQ(BonusOf(INT_MAX), 0);
}

TEST(BonusOf, FirstAndLastOfEachKind) {
    const struct {
        int id;
        int bonus;
    } cases[] = {
        {1, 3},   {8, 8},    {27, 29},  {36, 22},  {37, 7},   {56, 20},   {57, 13},  {86, 64},
        {87, 6},  {98, 10},  {99, 17},  {126, 35}, {127, 11}, {138, 28},  {139, 12}, {150, 23},
        {151, 3}, {191, 27}, {221, 43}, {232, 29}, {233, 43}, {250, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BonusOf(c.id), c.bonus) << "id " << c.id;
    }
}

TEST(BonusOf, WholeTable) {
    int sum = 0;
    for (int id = 1; id <= 250; ++id) {
        const int bonus = BonusOf(id);
        if (IsItem(id)) {
            EXPECT_GE(bonus, 3) << "id " << id;
            EXPECT_LE(bonus, 100) << "id " << id;
        } else {
            EXPECT_EQ(bonus, 0) << "id " << id;
        }
        sum += bonus;
    }
    // Guards every entry: a misplaced or mistyped value changes the sum.
    EXPECT_EQ(sum, 6133);
}

class EquipmentSum : public testing::Test {
  protected:
    void Wear(EquipSlot slot, ItemId id) { items[CellOf(slot)] = id; }

    void Sum() {
        ItemCatalogue::SumEquipmentBonuses(EquipmentOf(items), 50, 20, 10, maxHealth, attack,
                                           defence, slotBonus);
    }

    CharacterItems items{};
    int32_t maxHealth = -1;
    int32_t attack = -1;
    int32_t defence = -1;
    SlotBonuses slotBonus{};
};

TEST_F(EquipmentSum, NothingWornGivesTheBaseValues) {
    slotBonus.fill(77);
    Sum();
    EXPECT_EQ(maxHealth, 50);
    EXPECT_EQ(attack, 20);
    EXPECT_EQ(defence, 10);
    for (int entry = 0; entry < kEquipSlotCount; ++entry) {
        EXPECT_EQ(slotBonus[entry], 0) << "entry " << entry;
    }
}

TEST_F(EquipmentSum, EveryKindRaisesItsOwnStat) {
    Wear(EquipSlot::Amulet2, 27);  // 29
    Wear(EquipSlot::Ring1, 151);   // 3
    Wear(EquipSlot::Ring8, 191);   // 27
    Wear(EquipSlot::Helmet, 37);   // 7
    Wear(EquipSlot::Armor, 86);    // 64
    Wear(EquipSlot::Belt, 87);     // 6
    Wear(EquipSlot::Pants, 99);    // 17
    Wear(EquipSlot::Shoes, 127);   // 11
    Wear(EquipSlot::Gloves, 139);  // 12
    Wear(EquipSlot::Shield, 221);  // 43
    Wear(EquipSlot::Sword, 250);   // 100
    Sum();
    EXPECT_EQ(maxHealth, 50 + 29 + 3 + 27);
    EXPECT_EQ(attack, 20 + 100);
    EXPECT_EQ(defence, 10 + 7 + 64 + 6 + 17 + 11 + 12 + 43);
    // The record groups the slots by stat.
    EXPECT_EQ(slotBonus[1], 29);
    EXPECT_EQ(slotBonus[3], 3);
    EXPECT_EQ(slotBonus[10], 27);
    EXPECT_EQ(slotBonus[11], 100);
    EXPECT_EQ(slotBonus[12], 7);
    EXPECT_EQ(slotBonus[13], 64);
    EXPECT_EQ(slotBonus[14], 6);
    EXPECT_EQ(slotBonus[15], 17);
    EXPECT_EQ(slotBonus[16], 11);
    EXPECT_EQ(slotBonus[17], 12);
    EXPECT_EQ(slotBonus[18], 43);
}

TEST_F(EquipmentSum, ThreeAmuletsAndEightRingsAllCount) {
    Wear(EquipSlot::Amulet1, 1);
    Wear(EquipSlot::Amulet2, 2);
    Wear(EquipSlot::Amulet3, 3);
    for (int r = 0; r < 8; ++r) {
        Wear(static_cast<EquipSlot>(static_cast<int>(EquipSlot::Ring1) + r),
             static_cast<ItemId>(151 + r));
    }
    Sum();
    EXPECT_EQ(maxHealth, 50 + (3 + 4 + 5) + (3 + 4 + 5 + 6 + 7 + 8 + 9 + 11));
    EXPECT_EQ(attack, 20);
    EXPECT_EQ(defence, 10);
}

TEST_F(EquipmentSum, ItemsOfAnotherKindRaiseNothing) {
    Wear(EquipSlot::Amulet1, 151);  // a ring
    Wear(EquipSlot::Ring2, 8);      // an amulet
    Wear(EquipSlot::Sword, 221);    // a shield
    Wear(EquipSlot::Helmet, 200);   // no item
    Wear(EquipSlot::Shield, 255);   // no item
    Sum();
    EXPECT_EQ(maxHealth, 50);
    EXPECT_EQ(attack, 20);
    EXPECT_EQ(defence, 10);
    for (int entry = 0; entry < kEquipSlotCount; ++entry) {
        EXPECT_EQ(slotBonus[entry], 0) << "entry " << entry;
    }
}

TEST_F(EquipmentSum, BagItemsNeverCount) {
    for (int cell = 0; cell < kBagCellCount; ++cell) {
        items[cell] = static_cast<ItemId>(250 - cell);
    }
    items[0] = 36;
    items[1] = 191;
    Sum();
    EXPECT_EQ(maxHealth, 50);
    EXPECT_EQ(attack, 20);
    EXPECT_EQ(defence, 10);
}

TEST_F(EquipmentSum, EmptiedSlotIsClearedOnTheNextCall) {
    Wear(EquipSlot::Sword, 250);
    Wear(EquipSlot::Amulet3, 8);
    Sum();
    ASSERT_EQ(slotBonus[11], 100);
    Wear(EquipSlot::Sword, kNoItem);
    Sum();
    EXPECT_EQ(slotBonus[11], 0);
    EXPECT_EQ(slotBonus[2], 8);
    EXPECT_EQ(attack, 20);
    EXPECT_EQ(maxHealth, 58);
}

TEST_F(EquipmentSum, BaseValuesNearTheLimitDoNotOverflow) {
    Wear(EquipSlot::Sword, 250);
    Wear(EquipSlot::Amulet1, 36);
    ItemCatalogue::SumEquipmentBonuses(EquipmentOf(items), INT32_MAX, INT32_MAX - 10, INT32_MIN,
                                       maxHealth, attack, defence, slotBonus);
    EXPECT_EQ(maxHealth, INT32_MAX);
    EXPECT_EQ(attack, INT32_MAX);
    EXPECT_EQ(defence, INT32_MIN);
}

class EquipmentStats : public testing::Test {
  protected:
    void SetUp() override {
        stats.baseHealth = 40;
        stats.baseAttack = 5;
        stats.baseDefence = 6;
        stats.experience = 1234;
        stats.level = 3;
    }

    void Recompute() { ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(items), stats, record); }

    CharacterItems items{};
    CharacterStats stats;
    SlotBonuses record{};
};

TEST_F(EquipmentStats, TakingOffAnAmuletLowersHealthToTheNewMaximum) {
    items[CellOf(EquipSlot::Amulet2)] = 27;  // +29
    Recompute();
    ASSERT_EQ(stats.maxHealth, 69);
    stats.health = 65;
    items[CellOf(EquipSlot::Amulet2)] = kNoItem;
    Recompute();
    EXPECT_EQ(stats.maxHealth, 40);
    EXPECT_EQ(stats.health, 40);
    // Putting it back raises the maximum but not the current health.
    items[CellOf(EquipSlot::Amulet2)] = 27;
    Recompute();
    EXPECT_EQ(stats.maxHealth, 69);
    EXPECT_EQ(stats.health, 40);
}

TEST_F(EquipmentStats, HealthBelowTheMaximumIsKept) {
    stats.health = 12;
    items[CellOf(EquipSlot::Ring4)] = 160;  // +24
    Recompute();
    EXPECT_EQ(stats.health, 12);
    items[CellOf(EquipSlot::Ring4)] = kNoItem;
    Recompute();
    EXPECT_EQ(stats.health, 12);
    EXPECT_EQ(stats.maxHealth, 40);
}

TEST_F(EquipmentStats, OnlyTheThreeItemStatsChange) {
    stats.health = 30;
    items[CellOf(EquipSlot::Sword)] = 233;
    items[CellOf(EquipSlot::Shoes)] = 138;
    Recompute();
    EXPECT_EQ(stats.attack, 5 + 43);
    EXPECT_EQ(stats.defence, 6 + 28);
    EXPECT_EQ(stats.baseHealth, 40);
    EXPECT_EQ(stats.baseAttack, 5);
    EXPECT_EQ(stats.baseDefence, 6);
    EXPECT_EQ(stats.experience, 1234);
    EXPECT_EQ(stats.level, 3);
    EXPECT_EQ(stats.health, 30);
}

TEST_F(EquipmentStats, NewGameHeroWearingItsOwnItems) {
    GameState world;
    RunNewGameSetUp(world);
    // Hero 2 starts with sword 246, armor 70, shoes 128 and rings 152 and 153, all in the bag.
    CharacterStats& hero = world.heroStats[1];
    CharacterItems& heroItems = world.heroItems[1].items;
    const CharacterStats start = hero;
    ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(heroItems), hero, record);
    EXPECT_EQ(hero, start);

    for (int cell = 0; cell < kBagCellCount; ++cell) {
        const ItemId id = heroItems[cell];
        for (int s = 0; s < kEquipSlotCount && id != kNoItem; ++s) {
            const EquipSlot slot = static_cast<EquipSlot>(s);
            if (SlotTakes(slot, KindOf(id)) && heroItems[CellOf(slot)] == kNoItem) {
                heroItems[CellOf(slot)] = id;
                heroItems[cell] = kNoItem;
                break;
            }
        }
    }
    ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(heroItems), hero, record);
    EXPECT_EQ(hero.maxHealth, start.baseHealth + 4 + 5);
    EXPECT_EQ(hero.attack, start.baseAttack + 31);
    EXPECT_EQ(hero.defence, start.baseDefence + 12 + 12);
    EXPECT_EQ(hero.health, start.health);
}

}  // namespace
