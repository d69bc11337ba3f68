#include <gtest/gtest.h>

#include "world/GameState.h"
#include "world/PartyMembers.h"

namespace varn {

namespace {

TEST(PartyMembers, EachIdNamesItsOwnRecordsAndNoIdReachesPastTheHeroes) {
    GameState world;
    RunNewGameSetUp(world);
    EXPECT_EQ(StatsOf(world, kPlayerCharacter), &world.playerStats);
    EXPECT_EQ(ItemsOf(world, kPlayerCharacter), &world.playerItems);
    EXPECT_EQ(ArmyOf(world, kPlayerCharacter), &world.playerArmy);
    EXPECT_EQ(NameOf(world, kPlayerCharacter), world.playerName);
    EXPECT_EQ(StatsOf(world, 2), &world.heroStats[0]);
    EXPECT_EQ(ItemsOf(world, 11), &world.heroItems[9]);
    EXPECT_EQ(ArmyOf(world, 11), &world.heroArmies[9]);
    EXPECT_EQ(NameOf(world, 11), world.heroNames.Name(9));
    for (CharacterId stray : {0, 12, 100, 255}) {
        EXPECT_EQ(StatsOf(world, static_cast<CharacterId>(stray)), nullptr);
        EXPECT_EQ(ItemsOf(world, static_cast<CharacterId>(stray)), nullptr);
        EXPECT_EQ(ArmyOf(world, static_cast<CharacterId>(stray)), nullptr);
        EXPECT_EQ(NameOf(world, static_cast<CharacterId>(stray)), GlyphString{});
        EXPECT_FALSE(IsInParty(world, static_cast<CharacterId>(stray)));
    }
}

TEST(PartyMembers, ThePartyIsThePlayerAndTheHeroesWhoHaveJoined) {
    GameState world;
    RunNewGameSetUp(world);
    EXPECT_TRUE(IsInParty(world, kPlayerCharacter));
    EXPECT_FALSE(IsInParty(world, 4));
    world.heroJoined[2] = 1;
    EXPECT_TRUE(IsInParty(world, 4));
    EXPECT_TRUE(IsMeetingPair(world, 4, kPlayerCharacter));
    EXPECT_FALSE(IsMeetingPair(world, 4, 4));
    EXPECT_FALSE(IsMeetingPair(world, kPlayerCharacter, 5));
    EXPECT_FALSE(IsMeetingPair(world, 100, kPlayerCharacter));
}

}  // namespace

}  // namespace varn
