#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "checks/WorldInvariants.h"
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

// The party's records sound (checks/WorldInvariants.h) and its totals as expected.
inline void ExpectSoundParty(const GameState& world, const PartyTotals& expected,
                             const std::string& step) {
    SCOPED_TRACE(step);
    std::vector<std::string> violations;
    AddPartyViolations(world, violations);
    for (const std::string& violation : violations) {
        ADD_FAILURE() << violation;
    }
    EXPECT_EQ(CountParty(world), expected);
}

}  // namespace varn
