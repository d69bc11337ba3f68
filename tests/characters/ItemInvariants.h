#pragma once

#include <gtest/gtest.h>

#include <array>
#include <span>

#include "characters/ItemHolder.h"
#include "items/ItemKinds.h"

namespace varn {

// Every id in one cell of one holder, its owned flag set there and its cell number naming that
// cell; worn items in slots of their kind; nothing else owned; expectedCount items in all.
inline void ExpectItemsConsistent(std::span<const ItemHolder> holders, int expectedCount) {
    std::array<int, kItemTableSize> seen{};
    int count = 0;
    for (const ItemHolder& holder : holders) {
        for (int cell = 0; cell < kItemCellCount; ++cell) {
            const ItemId id = (*holder.items)[static_cast<size_t>(cell)];
            if (id == kNoItem) {
                continue;
            }
            ++count;
            ++seen[id - 1u];
            ASSERT_EQ((*holder.owned)[id - 1u], 1) << +id;
            ASSERT_EQ((*holder.itemCell)[id - 1u], cell) << +id;
            if (cell >= kFirstEquipCell) {
                ASSERT_TRUE(SlotTakes(static_cast<EquipSlot>(cell - kFirstEquipCell), KindOf(id)));
            }
        }
        for (size_t entry = 0; entry < kItemTableSize; ++entry) {
            if ((*holder.owned)[entry] != 0) {
                ASSERT_EQ((*holder.items)[(*holder.itemCell)[entry]], entry + 1) << entry + 1;
            }
        }
    }
    for (int times : seen) {
        ASSERT_LE(times, 1);
    }
    ASSERT_EQ(count, expectedCount);
}

}  // namespace varn
