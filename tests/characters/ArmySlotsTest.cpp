#include <gtest/gtest.h>

#include "characters/ArmySlots.h"
#include "characters/RenameReturns.h"

namespace varn {

namespace {

ArmyRecord FullArmy(uint8_t seed) {
    ArmyRecord army;
    for (size_t slot = 0; slot < kArmySlotCount; ++slot) {
        const auto value = static_cast<uint8_t>(seed + slot);
        army.unitId[slot] = value;
        army.present[slot] = 1;
        army.position[slot] = static_cast<uint8_t>(slot);
        army.unitType[slot] = value;
        army.attack[slot] = value;
        army.defence[slot] = value;
        army.training[slot] = value;
        army.equipment[slot] = value;
        army.alive[slot] = value;
        army.light[slot] = value;
        army.serious[slot] = value;
        army.critical[slot] = value;
        army.down[slot] = value;
        army.name[slot].fill(value);
        army.spareA[slot] = value;
        army.spareB[slot] = value;
    }
    return army;
}

TEST(ArmySlots, DisbandingEmptiesOneSlotButItsSpareBytes) {
    ArmyRecord army = FullArmy(10);
    const ArmyRecord before = army;
    ClearArmySlot(army, 2);
    EXPECT_FALSE(HasArmy(army, 2));
    EXPECT_EQ(army.unitId[2], 0);
    EXPECT_EQ(army.alive[2], 0);
    EXPECT_EQ(army.attack[2], 0);
    EXPECT_EQ(army.name[2], GlyphString{});
    EXPECT_EQ(army.spareA[2], before.spareA[2]);
    EXPECT_EQ(army.spareB[2], before.spareB[2]);
    army.unitId[2] = before.unitId[2];
    EXPECT_EQ(army.unitId, before.unitId);  // the other slots are untouched
    EXPECT_EQ(army.down[5], before.down[5]);

    const ArmyRecord kept = army;
    ClearArmySlot(army, -1);
    ClearArmySlot(army, kArmySlotCount);
    EXPECT_EQ(army, kept);
    EXPECT_FALSE(HasArmy(army, kArmySlotCount));
}

TEST(ArmySlots, SwappingMovesEveryFieldButTheSpares) {
    ArmyRecord first = FullArmy(10);
    ArmyRecord second = FullArmy(100);
    ClearArmySlot(second, 4);
    SwapArmySlots(first, 1, second, 4);
    EXPECT_FALSE(HasArmy(first, 1));
    EXPECT_TRUE(HasArmy(second, 4));
    EXPECT_EQ(second.alive[4], 11);
    EXPECT_EQ(second.name[4][0], 11);
    EXPECT_EQ(second.spareA[4], 104);
    EXPECT_EQ(first.spareA[1], 11);
    SwapArmySlots(first, 0, first, 5);
    EXPECT_EQ(first.critical[0], 15);
    EXPECT_EQ(first.critical[5], 10);
    const ArmyRecord kept = first;
    SwapArmySlots(first, 0, second, 6);
    EXPECT_EQ(first, kept);
}

TEST(RenameReturns, EveryCodeLeadsToItsStateAndTheRestToTheHeroes) {
    EXPECT_TRUE(RenameReturnState(kRenameToYou) == YouStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToHeroes) == HeroesStateThunk);
    // The houses' codes lead to the heroes screen until their states are part of the game.
    for (uint8_t code : {0, 1, 4, 5, 6, 7, 8, 9, 255}) {
        EXPECT_TRUE(RenameReturnState(code) == HeroesStateThunk) << +code;
    }
}

}  // namespace

}  // namespace varn
