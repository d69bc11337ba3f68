#include <gtest/gtest.h>

#include "world/GameState.h"

namespace {

TEST(NumberedEntries, LastNumbersReachTheLastEntry) {
    GameState world;
    world.Quest(100) = 7;
    world.BattleSite(100) = 2;
    world.CarryA(100) = 6;
    world.CarryB(100) = 3;
    EXPECT_EQ(world.questState[99], 7);
    EXPECT_EQ(world.battleSiteActive[99], 2);
    EXPECT_EQ(world.battleCarryA[99], 6);
    EXPECT_EQ(world.battleCarryB[99], 3);
    world.Quest(1) = 5;
    EXPECT_EQ(world.questState[0], 5);
}

TEST(NumberedEntries, VillagesCountFromOneAndTownsFromTheGoldMine) {
    GameState world;
    world.VillageJoined(1) = 1;
    world.TownOwned(1) = 1;
    EXPECT_EQ(world.villageJoined[0], 1);
    EXPECT_EQ(world.townOwned[0], 0);
    EXPECT_EQ(world.townOwned[1], 1);
    world.TownOwned(0) = 1;
    EXPECT_EQ(world.townOwned[0], 1);
}

TEST(NumberedEntries, NumbersOutOfRangeReadZeroAndWriteNowhere) {
    GameState world;
    const GameState before = world;
    for (int number : {0, 101, -1, 1000}) {
        world.Quest(number) = 9;
        world.BattleSite(number) = 9;
        world.CarryA(number) = 9;
        world.CarryB(number) = 9;
        EXPECT_EQ(world.Quest(number), 0);
        EXPECT_EQ(std::as_const(world).Quest(number), 0);
    }
    world.VillageJoined(11) = 9;
    world.TownOwned(-1) = 9;
    world.TownOwned(10) = 9;
    EXPECT_EQ(world.VillageJoined(0), 0);
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
}

TEST(FieldAliases, OtherNamesShareOneStorage) {
    GameState world;
    world.chestOnMap()[30] = 1;
    EXPECT_EQ(world.roamerFlag[30], 1);
    world.pileOnMap()[3] = 0;
    EXPECT_EQ(world.pileActive[3], 0);
    world.bagOnMap()[18] = 1;
    EXPECT_EQ(world.bagActive[18], 1);
    world.fameBoxOpen() = 1;
    EXPECT_EQ(world.fameBoxShown, 1);
    world.moverLegValues()[4] = 1234;
    EXPECT_EQ(world.moverRecord[4], 1234);
    world.moverLegBytes()[2] = 1;
    EXPECT_EQ(world.enemyWalkFlags[2], 1);
    world.mapWorkBytes()[4] = 3;
    EXPECT_EQ(world.enemyIdleFlags[4], 3);
    world.mapWorkValues()[2] = 4444;
    EXPECT_EQ(world.routeAHead[2], 4444);
    world.mapWorkByte() = 12;
    EXPECT_EQ(world.routeACount, 12);
    world.routeWorkValues()[0] = -40;
    EXPECT_EQ(world.routeBHead[0], -40);
    world.routeWorkByte() = 9;
    EXPECT_EQ(world.routeBCount, 9);
    world.defenderFound() = 1;
    EXPECT_EQ(world.battleHandOver, 1);
    world.beatenInvader() = 85;
    EXPECT_EQ(world.outcomeReward, 85);
    world.movingPartyByte() = 2;
    EXPECT_EQ(world.enemyPointReached, 2);
    world.partyHeader() = 6;
    EXPECT_EQ(world.enemyPathCount, 6);
}

TEST(HeroNames, RenamingOneHeroChangesOnlyItsColumn) {
    GameState world;
    RunNewGameSetUp(world);
    const HeroNameTable before = world.heroNames;
    world.heroNames.SetName(4, EncodeGlyphs("Newname"));
    EXPECT_EQ(world.heroNames.Name(4), EncodeGlyphs("Newname"));
    for (int row = 0; row < kGlyphStringLength; ++row) {
        for (int column = 0; column < HeroNameTable::kColumnCount; ++column) {
            if (column != 4) {
                EXPECT_EQ(world.heroNames.rows[row][column], before.rows[row][column]);
            }
        }
    }
}

TEST(HeroNames, ColumnsPastTheTableAreIgnored) {
    GameState world;
    const HeroNameTable before = world.heroNames;
    world.heroNames.SetName(200, EncodeGlyphs("x"));
    EXPECT_EQ(world.heroNames, before);
    EXPECT_EQ(world.heroNames.Name(35), GlyphString{});
}

}  // namespace

namespace {

TEST(CharacterNumbers, HeroIndexIsCharacterIdLessTwo) {
    EXPECT_EQ(HeroIndexOfCharacter(2), 0);
    EXPECT_EQ(HeroIndexOfCharacter(11), 9);
    EXPECT_EQ(CharacterOfHeroIndex(9), 11);
    EXPECT_FALSE(IsHeroCharacter(kPlayerCharacter));
    EXPECT_FALSE(IsHeroCharacter(kNoCharacter));
    EXPECT_TRUE(IsHeroCharacter(2));
    EXPECT_TRUE(IsHeroCharacter(11));
    EXPECT_FALSE(IsHeroCharacter(12));
}

TEST(CharacterNumbers, OnlyNamedUnitTypesAndQuestStatesAreValid) {
    int known = 0;
    for (int type = 0; type < 256; ++type) {
        known += IsKnownUnitType(static_cast<uint8_t>(type)) ? 1 : 0;
    }
    EXPECT_EQ(known, 11);
    EXPECT_TRUE(IsKnownUnitType(21));
    EXPECT_FALSE(IsKnownUnitType(5));
    EXPECT_FALSE(IsValidQuestState(3));
    EXPECT_TRUE(IsValidQuestState(7));
    EXPECT_FALSE(IsValidQuestState(8));
}

}  // namespace
