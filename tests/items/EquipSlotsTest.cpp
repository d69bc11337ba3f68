#include "items/EquipSlots.h"

#include <gtest/gtest.h>

namespace {

TEST(EquipSlots, EachSlotTakesExactlyItsOwnKind) {
    const ItemKind expected[kEquipSlotCount] = {
        ItemKind::Amulet, ItemKind::Amulet, ItemKind::Amulet, ItemKind::Helmet, ItemKind::Armor,
        ItemKind::Belt,   ItemKind::Pants,  ItemKind::Shoes,  ItemKind::Gloves, ItemKind::Ring,
        ItemKind::Ring,   ItemKind::Ring,   ItemKind::Ring,   ItemKind::Ring,   ItemKind::Ring,
        ItemKind::Ring,   ItemKind::Ring,   ItemKind::Shield, ItemKind::Sword,
    };
    for (int s = 0; s < kEquipSlotCount; ++s) {
        const EquipSlot slot = static_cast<EquipSlot>(s);
        EXPECT_EQ(CellOf(slot), 12 + s);
        for (int kind = 0; kind < kItemKindCount; ++kind) {
            EXPECT_EQ(SlotTakes(slot, static_cast<ItemKind>(kind)),
                      static_cast<ItemKind>(kind) == expected[s])
                << "slot " << s << " kind " << kind;
        }
    }
}

TEST(EquipSlots, RingsAndAmuletsDoNotShareSlots) {
    // Both raise maximum health, yet neither goes in the other's slot.
    EXPECT_FALSE(SlotTakes(EquipSlot::Amulet1, KindOf(151)));
    EXPECT_FALSE(SlotTakes(EquipSlot::Ring1, KindOf(1)));
    EXPECT_FALSE(SlotTakes(EquipSlot::Sword, KindOf(221)));
    EXPECT_FALSE(SlotTakes(EquipSlot::Helmet, KindOf(200)));
}

TEST(EquipSlots, BonusEntriesAreGroupedByStat) {
    // Amulets 0..2, rings 3..10, sword 11, then helmet, armor, belt, pants, shoes, gloves, shield.
    const int expected[kEquipSlotCount] = {0, 1, 2, 12, 13, 14, 15, 16, 17, 3,
                                           4, 5, 6, 7,  8,  9,  10, 18, 11};
    for (int s = 0; s < kEquipSlotCount; ++s) {
        EXPECT_EQ(kEquipSlots[s].bonusEntry, expected[s]) << "slot " << s;
    }
}

TEST(EquipSlots, ReloadFlagsFollowTheLayerOrder) {
    EXPECT_EQ(FactsOf(EquipSlot::Amulet1).reloadFlag, ReloadFlag::Amulet1);
    EXPECT_EQ(FactsOf(EquipSlot::Amulet3).reloadFlag, ReloadFlag::Amulet3);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Helmet).reloadFlag), 3);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Armor).reloadFlag), 4);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Gloves).reloadFlag), 5);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Pants).reloadFlag), 6);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Shoes).reloadFlag), 7);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Belt).reloadFlag), 8);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Shield).reloadFlag), 9);
    EXPECT_EQ(static_cast<int>(FactsOf(EquipSlot::Sword).reloadFlag), 10);
    for (EquipSlot ring = EquipSlot::Ring1; ring <= EquipSlot::Ring8;
         ring = static_cast<EquipSlot>(static_cast<int>(ring) + 1)) {
        EXPECT_FALSE(FactsOf(ring).hasArt);
    }
}

TEST(EquipSlots, EveryPictureFitsItsLayer) {
    int reloadFlagsUsed = 0;
    for (const EquipSlotFacts& slot : kEquipSlots) {
        if (!slot.hasArt) {
            continue;
        }
        ++reloadFlagsUsed;
        const int layerSlots = kDollLayerSlots[static_cast<int>(slot.layer)];
        for (int p = 0; p < slot.pictureCount; ++p) {
            EXPECT_LT(slot.pictures[p].layerSlot, layerSlots) << slot.artStem;
        }
    }
    EXPECT_EQ(reloadFlagsUsed, kReloadFlagCount);
}

}  // namespace
