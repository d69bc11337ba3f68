#include <gtest/gtest.h>

#include <random>

#include "exchange/ArmyMoves.h"
#include "support/PartyInvariants.h"
#include "world/GameState.h"

namespace varn {

namespace {

void FillSlot(ArmyRecord& armies, int slot, uint8_t men, char letter) {
    armies.unitId[slot] = 3;
    armies.present[slot] = 1;
    armies.position[slot] = static_cast<uint8_t>(slot);
    armies.unitType[slot] = 2;
    armies.attack[slot] = 40 + men;
    armies.defence[slot] = 30 + men;
    armies.training[slot] = 100;
    armies.equipment[slot] = 50;
    armies.alive[slot] = men;
    armies.light[slot] = 1;
    armies.serious[slot] = 2;
    armies.critical[slot] = 3;
    armies.down[slot] = 4;
    armies.name[slot] = EncodeGlyphs(std::string(3, letter));
    armies.spareA[slot] = men;
    armies.spareB[slot] = static_cast<uint8_t>(men + 1);
}

TEST(ArmyMoves, AnArmyMovedIntoAnEmptySlotTakesEveryArrayAlongAndClearsItsOwn) {
    ArmyRecord from;
    ArmyRecord to;
    FillSlot(from, 1, 12, 'A');
    ArmyRecord expected = from;
    // Leftovers in an empty slot are no army: they neither stay nor come back.
    to.alive[4] = 10;
    to.attack[4] = 20;

    ASSERT_TRUE(MoveArmy(from, 1, to, 4));
    EXPECT_EQ(from, ArmyRecord{});
    EXPECT_EQ(to.name[4], expected.name[1]);
    EXPECT_EQ(to.spareA[4], 12);
    EXPECT_EQ(to.spareB[4], 13);
    EXPECT_EQ(to.down[4], 4);
    EXPECT_EQ(to.attack[4], expected.attack[1]);
    EXPECT_EQ(to.position[4], 4);
    EXPECT_EQ(to.present[4], 1);
}

TEST(ArmyMoves, AnArmyDroppedOnAnotherChangesPlacesWithItEvenWithinOneCharacter) {
    ArmyRecord armies;
    FillSlot(armies, 0, 8, 'A');
    FillSlot(armies, 5, 19, 'B');
    ASSERT_TRUE(MoveArmy(armies, 0, armies, 5));
    EXPECT_EQ(armies.alive[0], 19);
    EXPECT_EQ(armies.alive[5], 8);
    EXPECT_EQ(armies.name[0], EncodeGlyphs("BBB"));
    EXPECT_EQ(armies.position[0], 0);
    EXPECT_EQ(armies.position[5], 5);
}

TEST(ArmyMoves, NothingMovesWithoutAnArmyOrOutsideTheSixSlots) {
    ArmyRecord from;
    ArmyRecord to;
    FillSlot(from, 2, 5, 'A');
    from.alive[3] = 9;  // men but no army
    const ArmyRecord before = from;
    EXPECT_FALSE(MoveArmy(from, 3, to, 0));
    EXPECT_FALSE(MoveArmy(from, 2, from, 2));
    EXPECT_FALSE(MoveArmy(from, 2, to, 6));
    EXPECT_FALSE(MoveArmy(from, 2, to, -1));
    EXPECT_FALSE(MoveArmy(from, 7, to, 0));
    EXPECT_EQ(from, before);
    EXPECT_EQ(to, ArmyRecord{});
}

TEST(ArmyMoves, ASeededRunOfMovesAmongTheWholePartyKeepsEveryArmyAndMan) {
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
        const bool moves = HoldsArmy(from, fromSlot) && (&from != &to || fromSlot != toSlot);
        ASSERT_EQ(MoveArmy(from, fromSlot, to, toSlot), moves);
        ExpectSoundParty(world, totals, "move " + std::to_string(move));
        if (HasFailure()) {
            return;
        }
    }
}

}  // namespace

}  // namespace varn
