#include <gtest/gtest.h>

#include <array>
#include <random>

#include "characters/ItemHolder.h"
#include "characters/ItemInvariants.h"
#include "items/ItemKinds.h"

namespace varn {

namespace {

// One character's items as a screen keeps them, with its holder view.
struct Character {
    CharacterItems items{};
    std::array<uint8_t, kItemTableSize> owned{};
    std::array<uint8_t, kItemTableSize> itemCell{};
    PaperDollReloadFlags reload;

    ItemHolder Holder() { return {&items, &owned, &itemCell, &reload}; }

    void Give(int cell, ItemId id) {
        items[static_cast<size_t>(cell)] = id;
        owned[static_cast<size_t>(id - 1)] = 1;
        itemCell[static_cast<size_t>(id - 1)] = static_cast<uint8_t>(cell);
    }
};

ItemKindTable Kinds() {
    ItemKindTable kinds{};
    ItemIconSlotTable slots{};
    ItemCatalogue::FillKindTables(kinds, slots);
    return kinds;
}

constexpr ItemId kAmulet = 3;
constexpr ItemId kOtherAmulet = 4;
constexpr ItemId kHelmet = 40;
constexpr ItemId kOtherHelmet = 41;
constexpr ItemId kRing = 160;
constexpr ItemId kSword = 240;

class ItemMoves : public ::testing::Test {
  protected:
    void SetUp() override {
        first.Give(0, kSword);
        first.Give(1, kOtherHelmet);
        first.Give(2, kRing);
        first.Give(CellOf(EquipSlot::Helmet), kHelmet);
        first.Give(CellOf(EquipSlot::Amulet2), kAmulet);
        second.Give(5, kOtherAmulet);
        holders = {first.Holder(), second.Holder()};
    }

    bool Move(int fromHolder, int fromCell, int toHolder, int toCell) {
        return MoveItem(holders, kinds, {fromHolder, fromCell}, {toHolder, toCell});
    }

    ItemKindTable kinds = Kinds();
    Character first;
    Character second;
    std::array<ItemHolder, 2> holders;
};

TEST_F(ItemMoves, AnEquipmentSlotTakesOnlyItsKind) {
    EXPECT_FALSE(Move(0, 0, 0, CellOf(EquipSlot::Shield)));
    EXPECT_FALSE(Move(0, 2, 0, CellOf(EquipSlot::Amulet1)));
    EXPECT_EQ(first.items[0], kSword);
    EXPECT_TRUE(Move(0, 0, 0, CellOf(EquipSlot::Sword)));
    EXPECT_EQ(first.items[CellOf(EquipSlot::Sword)], kSword);
    EXPECT_EQ(first.items[0], kNoItem);
    EXPECT_EQ(first.itemCell[kSword - 1], CellOf(EquipSlot::Sword));
}

TEST_F(ItemMoves, AnOccupiedSlotSendsItsItemToTheSourceCell) {
    EXPECT_TRUE(Move(0, 1, 0, CellOf(EquipSlot::Helmet)));
    EXPECT_EQ(first.items[CellOf(EquipSlot::Helmet)], kOtherHelmet);
    EXPECT_EQ(first.items[1], kHelmet);
    EXPECT_EQ(first.itemCell[kHelmet - 1], 1);
    // Amulets change places between two amulet slots.
    first.Give(CellOf(EquipSlot::Amulet3), kOtherAmulet + 1);
    EXPECT_TRUE(Move(0, CellOf(EquipSlot::Amulet2), 0, CellOf(EquipSlot::Amulet3)));
    EXPECT_EQ(first.items[CellOf(EquipSlot::Amulet3)], kAmulet);
    EXPECT_EQ(first.items[CellOf(EquipSlot::Amulet2)], kOtherAmulet + 1);
}

TEST_F(ItemMoves, AWornItemSwapsWithABagItemOnlyOfItsKind) {
    EXPECT_FALSE(Move(0, CellOf(EquipSlot::Helmet), 0, 0));
    EXPECT_FALSE(Move(0, CellOf(EquipSlot::Helmet), 0, 2));
    EXPECT_TRUE(Move(0, CellOf(EquipSlot::Helmet), 0, 1));
    EXPECT_EQ(first.items[1], kHelmet);
    EXPECT_EQ(first.items[CellOf(EquipSlot::Helmet)], kOtherHelmet);
    // Within the bag anything changes places.
    EXPECT_TRUE(Move(0, 0, 0, 2));
    EXPECT_EQ(first.items[0], kRing);
    EXPECT_EQ(first.items[2], kSword);
}

TEST_F(ItemMoves, OwnedFlagsFollowAnItemToTheOtherCharacter) {
    EXPECT_TRUE(Move(0, 2, 1, 5));
    EXPECT_EQ(second.items[5], kRing);
    EXPECT_EQ(first.items[2], kOtherAmulet);
    EXPECT_EQ(second.owned[kRing - 1], 1);
    EXPECT_EQ(first.owned[kRing - 1], 0);
    EXPECT_EQ(first.owned[kOtherAmulet - 1], 1);
    EXPECT_EQ(second.owned[kOtherAmulet - 1], 0);
    EXPECT_EQ(first.itemCell[kOtherAmulet - 1], 2);
}

TEST_F(ItemMoves, PuttingDownReloadsTheWholeDollForTheBagAndTheSlotForEquipment) {
    EXPECT_TRUE(Move(0, 0, 0, CellOf(EquipSlot::Sword)));
    for (const Character* character : {&first, &second}) {
        PaperDollReloadFlags swordOnly;
        swordOnly.RequestSlot(EquipSlot::Sword);
        EXPECT_EQ(character->reload.flags, swordOnly.flags);
    }
    first.reload.flags.fill(0);
    second.reload.flags.fill(0);
    EXPECT_TRUE(Move(0, CellOf(EquipSlot::Amulet2), 1, CellOf(EquipSlot::Amulet1)));
    EXPECT_EQ(first.reload.flags[static_cast<size_t>(ReloadFlag::Amulet3)], 1);
    EXPECT_EQ(second.reload.flags[static_cast<size_t>(ReloadFlag::Amulet2)], 1);
    EXPECT_EQ(second.reload.flags[static_cast<size_t>(ReloadFlag::Helmet)], 0);
    EXPECT_TRUE(Move(0, CellOf(EquipSlot::Sword), 0, 3));
    for (uint8_t flag : first.reload.flags) {
        EXPECT_EQ(flag, 1);
    }
}

TEST_F(ItemMoves, ADiscardedItemLeavesNoTrace) {
    DiscardItem(holders, {0, CellOf(EquipSlot::Helmet)});
    EXPECT_EQ(first.items[CellOf(EquipSlot::Helmet)], kNoItem);
    EXPECT_EQ(first.owned[kHelmet - 1], 0);
    EXPECT_EQ(first.itemCell[kHelmet - 1], 0);
    // Nothing to discard, or no such cell: nothing changes.
    const CharacterItems before = first.items;
    DiscardItem(holders, {0, 7});
    DiscardItem(holders, {2, 0});
    DiscardItem(holders, {0, kItemCellCount});
    EXPECT_EQ(first.items, before);
}

TEST_F(ItemMoves, CellsOutsideTheHoldersAreRefused) {
    EXPECT_FALSE(Move(0, 0, 0, 0));
    EXPECT_FALSE(Move(0, 0, 2, 0));
    EXPECT_FALSE(Move(0, -1, 0, 3));
    EXPECT_FALSE(Move(0, 0, 0, kItemCellCount));
    EXPECT_FALSE(Move(0, 7, 0, 3));  // an empty cell has nothing to move
}

TEST(ItemCellAt, FindsTheIconSquareUnderThePoint) {
    Character one;
    std::array<ItemHolder, 1> holders = {one.Holder()};
    const CellPosition& sword = ItemCatalogue::ItemCellPositions[CellOf(EquipSlot::Sword)];
    EXPECT_EQ(ItemCellAt(holders, sword.x, sword.y), (ItemCellRef{0, CellOf(EquipSlot::Sword)}));
    EXPECT_EQ(ItemCellAt(holders, 544 + 63, 308 + 63), (ItemCellRef{0, 0}));
    EXPECT_EQ(ItemCellAt(holders, 544 + 64, 308), (ItemCellRef{0, 1}));
    EXPECT_TRUE(ItemCellAt(holders, 10, 10).IsNone());
}

TEST(ItemMovesAtRandom, KeepEveryItemInExactlyOneCell) {
    std::mt19937 random(20261207);
    Character first;
    Character second;
    std::array<ItemHolder, 2> holders = {first.Holder(), second.Holder()};
    const ItemKindTable kinds = Kinds();
    // One of each kind worn by the first (two rings short), both bags full of other items.
    int count = 0;
    std::array<int, kItemKindCount> taken{};
    for (const EquipSlotFacts& slot : kEquipSlots) {
        if (slot.slot != EquipSlot::Ring2) {
            const int id = FactsOf(slot.kind).lastId - taken[static_cast<size_t>(slot.kind)]++;
            first.Give(CellOf(slot.slot), static_cast<ItemId>(id));
            ++count;
        }
    }
    int next = 1;
    for (Character* character : {&first, &second}) {
        for (int cell = 0; cell < kBagCellCount; ++cell) {
            while (first.owned[static_cast<size_t>(next - 1)] != 0) {
                ++next;
            }
            character->Give(cell, static_cast<ItemId>(next));
            next += 7;
            ++count;
        }
    }
    ExpectItemsConsistent(holders, count);
    std::uniform_int_distribution<int> holder(0, 1);
    std::uniform_int_distribution<int> cell(0, kItemCellCount - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    for (int step = 0; step < 4000; ++step) {
        const ItemCellRef from{holder(random), cell(random)};
        if (percent(random) < 2) {
            const bool had = (*holders[static_cast<size_t>(from.holder)].items)[from.cell] != 0;
            DiscardItem(holders, from);
            count -= had ? 1 : 0;
        } else {
            MoveItem(holders, kinds, from, {holder(random), cell(random)});
        }
        ExpectItemsConsistent(holders, count);
        if (HasFatalFailure()) {
            FAIL() << "step " << step;
        }
    }
}

}  // namespace

}  // namespace varn
