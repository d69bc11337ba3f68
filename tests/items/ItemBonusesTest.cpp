#include "items/ItemBonuses.h"

#include <gtest/gtest.h>

#include <climits>

#include "items/EquipSlots.h"

namespace varn {

namespace {

using ItemCatalogue::BonusOf;

TEST(BonusOf, EdgesOfTheIdSpaceAndOfTheKinds) {
    const int cases[][2] = {{INT_MIN, 0}, {-1, 0},  {0, 0},    {1, 3},      {8, 8},
                            {27, 29},     {36, 22}, {37, 7},   {151, 3},    {191, 27},
                            {192, 0},     {220, 0}, {221, 43}, {233, 43},   {250, 100},
                            {251, 0},     {255, 0}, {256, 0},  {INT_MAX, 0}};
    for (const auto& [id, bonus] : cases) {
        EXPECT_EQ(BonusOf(id), bonus) << "id " << id;
    }
    int sum = 0;
    for (int id = 1; id <= kLastItemId; ++id) {
        EXPECT_EQ(BonusOf(id) >= 3 && BonusOf(id) <= 100, IsItem(id)) << "id " << id;
        sum += BonusOf(id);
    }
    // Guards every entry: a misplaced or mistyped value changes the sum.
    EXPECT_EQ(sum, 6133);
}

class EquipmentSum : public testing::Test {
  protected:
    using Totals = std::array<int32_t, 3>;  // maximum health, attack, defence

    void Wear(EquipSlot slot, ItemId id) { items[CellOf(slot)] = id; }
    Totals Sum(Totals base = {50, 20, 10}) {
        Totals sum{-1, -1, -1};
        ItemCatalogue::SumEquipmentBonuses(EquipmentOf(items), base[0], base[1], base[2], sum[0],
                                           sum[1], sum[2], slotBonus);
        return sum;
    }

    CharacterItems items{};
    SlotBonuses slotBonus{};
};

TEST_F(EquipmentSum, EveryWornItemRaisesItsStatThroughItsGroupedEntry) {
    const ItemId worn[kEquipSlotCount] = {1,   27,  36,  37,  86,  87,  99,  127, 139, 151,
                                          152, 153, 154, 155, 156, 157, 191, 221, 250};
    for (int s = 0; s < kEquipSlotCount; ++s) {
        ASSERT_TRUE(SlotTakes(static_cast<EquipSlot>(s), KindOf(worn[s]))) << "slot " << s;
        Wear(static_cast<EquipSlot>(s), worn[s]);
    }
    EXPECT_EQ(Sum(), (Totals{50 + (3 + 29 + 22) + (3 + 4 + 5 + 6 + 7 + 8 + 9 + 27), 20 + 100,
                             10 + 7 + 64 + 6 + 17 + 11 + 12 + 43}));
    // Amulets, rings, sword, then helmet, armor, belt, pants, shoes, gloves, shield.
    EXPECT_EQ(slotBonus,
              (SlotBonuses{3, 29, 22, 3, 4, 5, 6, 7, 8, 9, 27, 100, 7, 64, 6, 17, 11, 12, 43}));

    // Every call rewrites the record: an emptied slot's entry becomes 0.
    Wear(EquipSlot::Sword, kNoItem);
    EXPECT_EQ(Sum()[1], 20);
    EXPECT_EQ(slotBonus[11], 0);
}

TEST_F(EquipmentSum, WrongKindsIdsWithoutItemsAndTheBagRaiseNothing) {
    slotBonus.fill(77);
    for (int cell = 0; cell < kBagCellCount; ++cell) {
        items[cell] = static_cast<ItemId>(250 - cell);
    }
    // {slot, id}: a ring in Amulet1, an amulet in Ring2, a shield in the sword slot, ids
    // without an item in Helmet and Shield.
    const int wrong[][2] = {{0, 151}, {10, 8}, {18, 221}, {3, 200}, {17, 255}};
    for (const auto& [slot, id] : wrong) {
        EXPECT_FALSE(SlotTakes(static_cast<EquipSlot>(slot), KindOf(id))) << "id " << id;
        items[CellOf(static_cast<EquipSlot>(slot))] = static_cast<ItemId>(id);
    }
    EXPECT_EQ(Sum(), (Totals{50, 20, 10}));
    EXPECT_EQ(slotBonus, SlotBonuses{});
}

TEST_F(EquipmentSum, BaseValuesNearTheLimitDoNotOverflow) {
    Wear(EquipSlot::Sword, 250);
    Wear(EquipSlot::Amulet1, 36);
    EXPECT_EQ(Sum({INT32_MAX, INT32_MAX - 10, INT32_MIN}),
              (Totals{INT32_MAX, INT32_MAX, INT32_MIN}));
}

TEST_F(EquipmentSum, HealthIsLoweredToANewMaximumAndNeverRaised) {
    CharacterStats stats{.baseHealth = 40, .health = 12, .baseAttack = 5, .baseDefence = 6};
    const auto recompute = [&] {
        ItemCatalogue::RecomputeEquipmentStats(EquipmentOf(items), stats, slotBonus);
    };
    Wear(EquipSlot::Amulet2, 27);  // +29
    Wear(EquipSlot::Sword, 233);   // +43
    recompute();
    CharacterStats expected{.baseHealth = 40, .health = 12, .baseAttack = 5, .baseDefence = 6};
    expected.maxHealth = 69;
    expected.attack = 48;
    expected.defence = 6;
    EXPECT_EQ(stats, expected);
    stats.health = 65;
    Wear(EquipSlot::Amulet2, kNoItem);
    recompute();
    EXPECT_EQ(stats.maxHealth, 40);
    EXPECT_EQ(stats.health, 40);
    Wear(EquipSlot::Amulet2, 27);
    recompute();
    EXPECT_EQ(stats.maxHealth, 69);
    EXPECT_EQ(stats.health, 40);
}

}  // namespace

}  // namespace varn
