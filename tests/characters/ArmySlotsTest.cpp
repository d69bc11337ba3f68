#include <gtest/gtest.h>

#include <random>
#include <string>

#include "characters/ArmySlots.h"
#include "characters/RenameReturns.h"
#include "support/PartyInvariants.h"
#include "world/GameState.h"

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

TEST(ArmySlots, AnArmyMovedIntoAnEmptySlotTakesEveryArrayAlongAndClearsItsOwn) {
    ArmyRecord first = FullArmy(10);
    ArmyRecord second = FullArmy(100);
    ClearArmySlot(second, 4);
    // Leftovers in an empty slot are no army: they neither stay nor come back.
    second.alive[4] = 9;
    ASSERT_TRUE(MoveArmy(first, 1, second, 4));
    EXPECT_TRUE(HasArmy(second, 4));
    EXPECT_EQ(second.alive[4], 11);
    EXPECT_EQ(second.critical[4], 11);
    EXPECT_EQ(second.name[4][0], 11);
    EXPECT_EQ(second.spareA[4], 11);
    EXPECT_EQ(second.spareB[4], 11);
    EXPECT_EQ(second.position[4], 4);
    EXPECT_FALSE(HasArmy(first, 1));
    EXPECT_EQ(first.alive[1], 0);
    EXPECT_EQ(first.name[1], GlyphString{});
    EXPECT_EQ(first.spareA[1], 0);
    EXPECT_EQ(first.position[1], 0);
}

TEST(ArmySlots, AnArmyDroppedOnAnotherChangesPlacesWithItEvenWithinOneCharacter) {
    ArmyRecord army = FullArmy(10);
    ASSERT_TRUE(MoveArmy(army, 0, army, 5));
    EXPECT_EQ(army.critical[0], 15);
    EXPECT_EQ(army.critical[5], 10);
    EXPECT_EQ(army.spareB[0], 15);
    EXPECT_EQ(army.position[0], 0);
    EXPECT_EQ(army.position[5], 5);
}

TEST(ArmySlots, NothingMovesWithoutAnArmyOrOutsideTheSixSlots) {
    ArmyRecord first = FullArmy(10);
    ArmyRecord second = FullArmy(100);
    ClearArmySlot(first, 3);
    first.alive[3] = 9;  // men but no army
    const ArmyRecord before = first;
    const ArmyRecord other = second;
    EXPECT_FALSE(MoveArmy(first, 3, second, 0));
    EXPECT_FALSE(MoveArmy(first, 2, first, 2));
    EXPECT_FALSE(MoveArmy(first, 2, second, kArmySlotCount));
    EXPECT_FALSE(MoveArmy(first, 2, second, -1));
    EXPECT_FALSE(MoveArmy(first, kArmySlotCount, second, 0));
    EXPECT_EQ(first, before);
    EXPECT_EQ(second, other);
}

TEST(ArmySlots, ASeededRunOfMovesAmongTheWholePartyKeepsEveryArmyAndMan) {
    GameState world;
    RunNewGameSetUp(world);
    const PartyTotals totals = CountParty(world);
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> character(1, 1 + kHeroCount);
    std::uniform_int_distribution<int> slot(0, kArmySlotCount - 1);
    for (int move = 0; move < 2000; ++move) {
        ArmyRecord& from = *ArmyOf(world, static_cast<CharacterId>(character(random)));
        ArmyRecord& to = *ArmyOf(world, static_cast<CharacterId>(character(random)));
        const int fromSlot = slot(random);
        const int toSlot = slot(random);
        const bool moves = HasArmy(from, fromSlot) && (&from != &to || fromSlot != toSlot);
        ASSERT_EQ(MoveArmy(from, fromSlot, to, toSlot), moves);
        ExpectSoundParty(world, totals, "move " + std::to_string(move));
        if (HasFailure()) {
            return;
        }
    }
}

TEST(RenameReturns, EveryCodeLeadsToItsStateAndTheRestToTheHeroes) {
    EXPECT_TRUE(RenameReturnState(kRenameToYou) == YouStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToHeroes) == HeroesStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToVillage) == VillageStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToTown) == TownStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToTemple) == TempleStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToPalace) == PalaceStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToCastle) == CastleStateThunk);
    EXPECT_TRUE(RenameReturnState(kRenameToTower) == TowerStateThunk);
    for (uint8_t code : {0, 9, 255}) {
        EXPECT_TRUE(RenameReturnState(code) == HeroesStateThunk) << +code;
    }
}

}  // namespace

}  // namespace varn
