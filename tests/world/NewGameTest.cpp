#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <new>
#include <set>
#include <vector>

#include "world/GameState.h"

namespace {

class FreshGame : public testing::Test {
  protected:
    FreshGame() { RunNewGameSetUp(world); }

    GameState world;
};

struct HeroRow {
    int32_t health;
    int32_t attackDefence;
    int32_t experience;
    uint8_t level;
    uint8_t bodyVariant;
    int nameLength;
};

const HeroRow kHeroRows[kHeroCount] = {
    {20, 10, 0, 0, 0, 7},       {20, 10, 0, 0, 0, 4},   {20, 10, 0, 0, 2, 5},
    {41, 16, 200, 3, 0, 7},     {41, 16, 200, 3, 0, 6}, {27, 12, 70, 1, 2, 7},
    {69, 24, 550, 7, 2, 9},     {55, 20, 320, 5, 0, 9}, {90, 30, 850, 10, 1, 13},
    {111, 36, 1111, 13, 1, 14},
};

void ExpectStats(const CharacterStats& stats, int32_t health, int32_t attackDefence,
                 int32_t experience, uint8_t level) {
    EXPECT_EQ(stats.baseHealth, health);
    EXPECT_EQ(stats.maxHealth, health);
    EXPECT_EQ(stats.spareHealth, health);
    EXPECT_EQ(stats.health, health);
    EXPECT_EQ(stats.baseAttack, attackDefence);
    EXPECT_EQ(stats.attack, attackDefence);
    EXPECT_EQ(stats.baseDefence, attackDefence);
    EXPECT_EQ(stats.defence, attackDefence);
    EXPECT_EQ(stats.experience, experience);
    EXPECT_EQ(stats.level, level);
}

// A present army as the set-up tables give it: type, attack, defence, training, equipment, alive,
// name length.
struct ArmyRow {
    int slot;
    UnitType type;
    int32_t attack;
    int32_t defence;
    int32_t training;
    int32_t equipment;
    uint8_t alive;
    int nameLength;
};

void ExpectArmy(const ArmyRecord& army, const ArmyRow& row) {
    SCOPED_TRACE(testing::Message() << "slot " << row.slot);
    const int s = row.slot;
    EXPECT_EQ(army.present[s], 1);
    EXPECT_EQ(army.position[s], s);
    EXPECT_EQ(army.unitType[s], static_cast<uint8_t>(row.type));
    EXPECT_EQ(army.unitId[s], static_cast<uint8_t>(row.type) + 1);
    EXPECT_EQ(army.attack[s], row.attack);
    EXPECT_EQ(army.defence[s], row.defence);
    EXPECT_EQ(army.training[s], row.training);
    EXPECT_EQ(army.equipment[s], row.equipment);
    EXPECT_EQ(army.alive[s], row.alive);
    EXPECT_EQ(army.light[s] + army.serious[s] + army.critical[s] + army.down[s], 0);
    EXPECT_EQ(LastGlyphIndex(army.name[s]) + 1, row.nameLength);
}

int NameLength(const GlyphString& name) {
    return name[0] == kGlyphBlank && LastGlyphIndex(name) == 0 ? 0 : LastGlyphIndex(name) + 1;
}

TEST_F(FreshGame, HeroesHaveTheirStatsBodiesAndNames) {
    for (int hero = 0; hero < kHeroCount; ++hero) {
        SCOPED_TRACE(testing::Message() << "hero " << hero + 1);
        const HeroRow& row = kHeroRows[hero];
        ExpectStats(world.heroStats[hero], row.health, row.attackDefence, row.experience,
                    row.level);
        EXPECT_EQ(world.heroBodyVariant[hero], row.bodyVariant);
        EXPECT_EQ(world.heroMovesLeft[hero], 7);
        EXPECT_EQ(world.heroDirection[hero], 4);
        EXPECT_EQ(world.heroJoined[hero], 0);
        EXPECT_EQ(world.heroMapCell[hero], 0);
        const GlyphString name = world.heroNames.Name(hero);
        EXPECT_EQ(NameLength(name), row.nameLength);
        // A run from row 0: no blank at its start, none doubled.
        EXPECT_NE(name[0], kGlyphBlank);
        for (int k = 1; k < row.nameLength; ++k) {
            EXPECT_FALSE(name[k] == kGlyphBlank && name[k - 1] == kGlyphBlank);
        }
    }
    EXPECT_EQ(world.heroNames.rows[0][10], kGlyphCursor);
    EXPECT_EQ(world.heroNames.rows[0][11], kGlyphCursor);
    EXPECT_EQ(world.heroNames.rows[0][12], kGlyphBlank);
}

TEST_F(FreshGame, HeroesCarryTheirItemsInTheBag) {
    const std::vector<std::vector<ItemId>> expected = {
        {155, 69},          {246, 70, 128, 152, 153},
        {161, 72, 137},     {84, 186, 34},
        {179, 30, 43, 233}, {172},
        {133, 17},          {166},
        {55, 25},           {183, 144, 115, 90},
    };
    for (int hero = 0; hero < kHeroCount; ++hero) {
        SCOPED_TRACE(testing::Message() << "hero " << hero + 1);
        const CharacterItemRecord& record = world.heroItems[hero];
        int ownedCount = 0;
        for (uint8_t owned : record.owned) {
            ownedCount += owned;
        }
        EXPECT_EQ(ownedCount, static_cast<int>(expected[hero].size()));
        for (int cell = 0; cell < kItemCellCount; ++cell) {
            const bool filled = cell < static_cast<int>(expected[hero].size());
            const ItemId item = record.items[cell];
            EXPECT_EQ(item, filled ? expected[hero][cell] : kNoItem) << "cell " << cell;
            if (filled) {
                EXPECT_EQ(record.owned[item - 1], 1);
                EXPECT_EQ(record.itemCell[item - 1], cell);
            }
        }
    }
}

TEST_F(FreshGame, NoItemIsOwnedTwice) {
    std::set<ItemId> seen;
    auto collect = [&seen](const CharacterItemRecord& record) {
        for (ItemId item : record.items) {
            if (item != kNoItem) {
                EXPECT_TRUE(seen.insert(item).second) << "item " << int{item};
            }
        }
    };
    collect(world.playerItems);
    for (const CharacterItemRecord& record : world.heroItems) {
        collect(record);
    }
    EXPECT_EQ(seen.size(), 27u);
}

TEST_F(FreshGame, HeroArmiesFollowTheTable) {
    struct HeroArmy {
        int hero;
        ArmyRow row;
    };
    const HeroArmy armies[] = {
        {2, {0, UnitType::Dogs2, 12, 8, 35, 35, 7, 12}},
        {2, {1, UnitType::Dogs2, 17, 13, 60, 60, 12, 15}},
        {3, {0, UnitType::Peasants, 34, 32, 130, 130, 26, 18}},
        {3, {1, UnitType::Peasants, 18, 22, 65, 65, 13, 17}},
        {4, {0, UnitType::Peasants, 38, 20, 80, 80, 16, 19}},
        {4, {1, UnitType::Peasants, 22, 28, 90, 90, 18, 18}},
        {5, {0, UnitType::Militia, 50, 50, 90, 90, 18, 16}},
        {5, {1, UnitType::Militia, 64, 36, 70, 70, 14, 19}},
        {7, {0, UnitType::Infantry, 58, 60, 110, 110, 22, 17}},
        {7, {1, UnitType::Infantry, 72, 48, 120, 120, 24, 16}},
        {9, {0, UnitType::GoldenInfantry, 84, 90, 210, 210, 42, 11}},
        {10, {0, UnitType::RoyalInfantry, 100, 100, 250, 250, 50, 12}},
    };
    int presentCount = 0;
    for (const ArmyRecord& army : world.heroArmies) {
        for (uint8_t present : army.present) {
            presentCount += present;
        }
    }
    EXPECT_EQ(presentCount, 12);
    for (const HeroArmy& army : armies) {
        SCOPED_TRACE(testing::Message() << "hero " << army.hero);
        ExpectArmy(world.heroArmies[army.hero - 1], army.row);
    }
    // Spare names in slots that hold no army.
    EXPECT_EQ(NameLength(world.heroArmies[8].name[1]), 16);
    EXPECT_EQ(NameLength(world.heroArmies[9].name[1]), 16);
    for (int hero : {6, 8}) {
        for (const GlyphString& name : world.heroArmies[hero - 1].name) {
            EXPECT_EQ(NameLength(name), 0) << "hero " << hero;
        }
    }
}

TEST_F(FreshGame, HeroOneHasNoArmyButKeepsSlotValues) {
    const ArmyRecord& army = world.heroArmies[0];
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        EXPECT_EQ(army.present[slot], 0);
        EXPECT_EQ(army.unitId[slot], 0);
        EXPECT_EQ(army.position[slot], 0);
        EXPECT_EQ(army.unitType[slot], 0);
    }
    EXPECT_EQ(army.attack, (std::array<int32_t, 6>{20, 55, 100, 0, 0, 0}));
    EXPECT_EQ(army.defence, (std::array<int32_t, 6>{20, 150, 0, 0, 0, 0}));
    EXPECT_EQ(army.training, (std::array<int32_t, 6>{50, 100, 0, 0, 0, 0}));
    EXPECT_EQ(army.equipment, (std::array<int32_t, 6>{50, 100, 0, 0, 0, 0}));
    EXPECT_EQ(army.alive, (std::array<uint8_t, 6>{10, 12, 0, 0, 0, 0}));
    const int nameLengths[kArmySlotCount] = {21, 9, 9, 19, 14, 0};
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        EXPECT_EQ(NameLength(army.name[slot]), nameLengths[slot]) << "slot " << slot;
    }
}

TEST_F(FreshGame, EveryPresentArmyHasMenForItsPoints) {
    auto check = [](const ArmyRecord& army) {
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            if (army.present[slot] != 0) {
                EXPECT_EQ(army.alive[slot], (army.training[slot] + army.equipment[slot]) / 10);
            }
        }
    };
    check(world.playerArmy);
    for (const ArmyRecord& army : world.heroArmies) {
        check(army);
    }
}

TEST_F(FreshGame, PlayerStartsWithTwoArmiesOnItsCell) {
    EXPECT_EQ(world.playerMapCell, 1503);
    EXPECT_EQ(world.playerDirection, 4);
    EXPECT_EQ(world.playerPortrait, 0);
    EXPECT_EQ(world.playerMovesLeft, 7);
    EXPECT_EQ(NameLength(world.playerName), 9);
    ExpectStats(world.playerStats, 20, 10, 0, 0);
    EXPECT_EQ(world.playerItems, CharacterItemRecord{});
    ExpectArmy(world.playerArmy, {0, UnitType::Dogs, 7, 6, 40, 40, 8, 12});
    ExpectArmy(world.playerArmy, {1, UnitType::Peasants, 22, 16, 90, 100, 19, 15});
    for (int slot = 2; slot < kArmySlotCount; ++slot) {
        SCOPED_TRACE(testing::Message() << "slot " << slot);
        EXPECT_EQ(world.playerArmy.present[slot], 0);
        EXPECT_EQ(world.playerArmy.unitId[slot], 0);
        EXPECT_EQ(world.playerArmy.attack[slot], 10);
        EXPECT_EQ(world.playerArmy.defence[slot], 10);
        EXPECT_EQ(world.playerArmy.training[slot], 100);
        EXPECT_EQ(world.playerArmy.equipment[slot], 100);
        EXPECT_EQ(NameLength(world.playerArmy.name[slot]), 0);
    }
}

TEST_F(FreshGame, PlacesAndWealthListsStartUnowned) {
    for (int place = 0; place < kPlaceCount; ++place) {
        const bool guarded = place == 0 || place == 1 || (place >= 11 && place <= 18);
        EXPECT_EQ(world.battleTrigger[place], guarded ? 1 : 0) << "place " << place;
    }
    EXPECT_EQ(world.villageA, (std::array<uint8_t, 10>{1, 2, 3, 4, 5, 6, 7, 8, 0, 0}));
    EXPECT_EQ(world.villageC, world.villageA);
    EXPECT_EQ(world.townA, (std::array<uint8_t, 10>{1, 2, 3, 4, 5, 6, 0, 0, 0, 0}));
    EXPECT_EQ(world.townC, world.townA);
    EXPECT_EQ(world.villageJoined, (std::array<uint8_t, 10>{}));
    EXPECT_EQ(world.townOwned, (std::array<uint8_t, 10>{}));
    EXPECT_EQ(world.gemOwned, (std::array<uint8_t, 30>{}));
    EXPECT_EQ(world.artifactOwned, (std::array<uint8_t, 30>{}));
    EXPECT_EQ(world.gold, 0);
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, 0);
}

TEST_F(FreshGame, ConstructorValuesSurviveTheSetUp) {
    EXPECT_EQ(world.day, 1);
    for (int battle = 1; battle <= 100; ++battle) {
        EXPECT_EQ(world.BattleSite(battle), battle <= 65 ? 1 : 0) << "battle " << battle;
    }
    EXPECT_EQ(world.pileActive, (std::array<uint8_t, 20>{1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                                                         1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    for (int bag = 0; bag < 20; ++bag) {
        EXPECT_EQ(world.bagActive[bag], bag < 16 ? 1 : 0);
    }
    for (int chest = 0; chest < 50; ++chest) {
        EXPECT_EQ(world.roamerFlag[chest], chest < 25 ? 1 : 0);
    }
    EXPECT_EQ(world.townNumber, 1);
    EXPECT_EQ(world.villageNumber, 1);
    EXPECT_EQ(world.houseVisitor, kPlayerCharacter);
    EXPECT_EQ(world.musicOn, 1);
    EXPECT_EQ(world.soundsOn, 1);
    EXPECT_EQ(world.mapSpeed, 2);
    EXPECT_EQ(world.battleMoveSpeed, 2);
    EXPECT_EQ(world.battleSwingSpeed, 2);
    EXPECT_EQ(world.fame, 0);
    EXPECT_EQ(world.hofUsed, (std::array<uint8_t, 5>{}));
    EXPECT_EQ(world.saveImage, nullptr);
}

TEST_F(FreshGame, OffersExactlyTheOpeningQuests) {
    const std::set<int> offered = {1, 3, 4, 7, 8, 9, 12, 19};
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        EXPECT_EQ(world.Quest(quest), offered.count(quest) != 0 ? 1 : 0) << "quest " << quest;
    }
}

TEST(NewGame, TwoFreshRecordsAreEqualByteForByte) {
    // Build each record over different garbage: value-initialisation must clear every byte of
    // every field and the padding between them. The base's tail padding is not the record's and
    // may hold the derived class's own member.
    constexpr size_t kRecordBytes =
        offsetof(GameStateData, battleSwingSpeed) + sizeof(GameStateData::battleSwingSpeed);
    static_assert(sizeof(GameStateData) - kRecordBytes < alignof(GameStateData));
    alignas(GameState) unsigned char first[sizeof(GameState)];
    alignas(GameState) unsigned char second[sizeof(GameState)];
    std::memset(first, 0xA5, sizeof(first));
    std::memset(second, 0x5A, sizeof(second));
    GameState* a = new (first) GameState();
    GameState* b = new (second) GameState();
    RunNewGameSetUp(*a);
    RunNewGameSetUp(*b);
    EXPECT_EQ(
        std::memcmp(static_cast<GameStateData*>(a), static_cast<GameStateData*>(b), kRecordBytes),
        0);
    a->~GameState();
    b->~GameState();
}

}  // namespace
