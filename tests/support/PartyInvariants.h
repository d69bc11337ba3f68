#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

// What no exchange may change: how many items, armies and men the eleven characters hold
// between them.
struct PartyTotals {
    int items = 0;
    int armies = 0;
    int men = 0;

    bool operator==(const PartyTotals&) const = default;
    friend void PrintTo(const PartyTotals& totals, std::ostream* out) {
        *out << totals.items << " items, " << totals.armies << " armies, " << totals.men << " men";
    }
};

inline PartyTotals CountParty(const GameState& world) {
    PartyTotals totals;
    for (CharacterId id = kPlayerCharacter; id <= 1 + kHeroCount; ++id) {
        for (ItemId item : ItemsOf(world, id)->items) {
            totals.items += item != kNoItem ? 1 : 0;
        }
        const ArmyRecord& armies = *ArmyOf(world, id);
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            if (armies.present[slot] != 0) {
                totals.armies += 1;
                totals.men += armies.alive[slot];
            }
        }
    }
    return totals;
}

// Each item id in at most one cell of one character, owned flags exactly the held items, the
// item-cell entries their cells, each army's position its slot; the totals as expected.
inline void ExpectSoundParty(const GameState& world, const PartyTotals& expected,
                             const std::string& step) {
    SCOPED_TRACE(step);
    std::array<int, kItemTableSize> holders{};
    for (CharacterId id = kPlayerCharacter; id <= 1 + kHeroCount; ++id) {
        SCOPED_TRACE("character " + std::to_string(id));
        const CharacterItemRecord& record = *ItemsOf(world, id);
        std::array<uint8_t, kItemTableSize> held{};
        for (int cell = 0; cell < kItemCellCount; ++cell) {
            const ItemId item = record.items[static_cast<size_t>(cell)];
            if (item == kNoItem) {
                continue;
            }
            holders[item - 1] += 1;
            held[item - 1] = 1;
            EXPECT_EQ(record.itemCell[item - 1], cell) << "item " << int{item};
        }
        for (int entry = 0; entry < kItemTableSize; ++entry) {
            EXPECT_EQ(record.owned[static_cast<size_t>(entry)] != 0, held[entry] != 0)
                << "owned flag of item " << entry + 1;
        }
        const ArmyRecord& armies = *ArmyOf(world, id);
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            if (armies.present[slot] != 0) {
                EXPECT_EQ(armies.position[slot], slot) << "army slot " << slot;
            }
        }
    }
    for (int entry = 0; entry < kItemTableSize; ++entry) {
        EXPECT_LE(holders[entry], 1) << "item " << entry + 1 << " held twice";
    }
    EXPECT_EQ(CountParty(world), expected);
}

}  // namespace varn
