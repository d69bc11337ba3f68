#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>
#include <set>
#include <tuple>
#include <vector>

#include "world/GameState.h"

namespace varn {

namespace {

int NameLength(const GlyphString& name) {
    return name == GlyphString{} ? 0 : LastGlyphIndex(name) + 1;
}

// An army slot as the tables give it: present, unit type, attack, defence, training, equipment,
// men standing, name length.
using ArmyRow = std::array<int, 8>;

ArmyRow RowOf(const ArmyRecord& a, int s) {
    if (a.present[s] != 0) {
        EXPECT_EQ(a.position[s], s);
        EXPECT_EQ(a.unitId[s], a.unitType[s] + 1);
        EXPECT_EQ(a.alive[s], (a.training[s] + a.equipment[s]) / 10);
    }
    return {a.present[s],  a.unitType[s],  a.attack[s], a.defence[s],
            a.training[s], a.equipment[s], a.alive[s],  NameLength(a.name[s])};
}

TEST(NewGame, FollowsTheTablesAndNoItemIsOwnedTwice) {
    GameState world;
    RunNewGameSetUp(world);
    // Health, attack and defence, experience, level, body, name length, bag items (0 none).
    const int heroes[kHeroCount][11] = {
        {20, 10, 0, 0, 0, 7, 155, 69},
        {20, 10, 0, 0, 0, 4, 246, 70, 128, 152, 153},
        {20, 10, 0, 0, 2, 5, 161, 72, 137},
        {41, 16, 200, 3, 0, 7, 84, 186, 34},
        {41, 16, 200, 3, 0, 6, 179, 30, 43, 233},
        {27, 12, 70, 1, 2, 7, 172},
        {69, 24, 550, 7, 2, 9, 133, 17},
        {55, 20, 320, 5, 0, 9, 166},
        {90, 30, 850, 10, 1, 13, 55, 25},
        {111, 36, 1111, 13, 1, 14, 183, 144, 115, 90},
    };
    std::set<ItemId> seen;
    for (int hero = 0; hero < kHeroCount; ++hero) {
        const int* r = heroes[hero];
        EXPECT_EQ(world.heroStats[hero], (CharacterStats{r[0], r[0], r[0], r[0], r[1], r[1], r[1],
                                                         r[1], r[2], static_cast<uint8_t>(r[3])}));
        EXPECT_EQ(
            std::tuple(int{world.heroBodyVariant[hero]}, NameLength(world.heroNames.Name(hero)),
                       int{world.heroMovesLeft[hero]}, int{world.heroDirection[hero]},
                       int{world.heroJoined[hero]}, world.heroMapCell[hero]),
            std::tuple(r[4], r[5], 7, 4, 0, 0))
            << "hero " << hero + 1;
        CharacterItemRecord expected;
        for (int cell = 0; cell < 5 && r[6 + cell] != 0; ++cell) {
            const auto item = static_cast<ItemId>(r[6 + cell]);
            expected.items[cell] = item;
            expected.owned[item - 1] = 1;
            expected.itemCell[item - 1] = static_cast<uint8_t>(cell);
        }
        EXPECT_EQ(world.heroItems[hero], expected) << "hero " << hero + 1;
        for (ItemId item : world.heroItems[hero].items) {
            EXPECT_TRUE(item == kNoItem || seen.insert(item).second) << "item " << int{item};
        }
    }
    EXPECT_EQ(seen.size(), 27u);

    // Character (0 the player, else the hero number), slot, then the slot's row. Unit types:
    // 0 peasants, 1 militia, 2 infantry, 3 golden, 4 royal infantry, 20 and 21 dogs. Hero 1's
    // slots keep values without an army.
    const std::array<int, 10> rows[] = {
        {0, 0, 1, 20, 7, 6, 40, 40, 8, 12},     {0, 1, 1, 0, 22, 16, 90, 100, 19, 15},
        {0, 2, 0, 0, 10, 10, 100, 100, 0, 0},   {0, 3, 0, 0, 10, 10, 100, 100, 0, 0},
        {0, 4, 0, 0, 10, 10, 100, 100, 0, 0},   {0, 5, 0, 0, 10, 10, 100, 100, 0, 0},
        {2, 0, 1, 21, 12, 8, 35, 35, 7, 12},    {2, 1, 1, 21, 17, 13, 60, 60, 12, 15},
        {3, 0, 1, 0, 34, 32, 130, 130, 26, 18}, {3, 1, 1, 0, 18, 22, 65, 65, 13, 17},
        {4, 0, 1, 0, 38, 20, 80, 80, 16, 19},   {4, 1, 1, 0, 22, 28, 90, 90, 18, 18},
        {5, 0, 1, 1, 50, 50, 90, 90, 18, 16},   {5, 1, 1, 1, 64, 36, 70, 70, 14, 19},
        {7, 0, 1, 2, 58, 60, 110, 110, 22, 17}, {7, 1, 1, 2, 72, 48, 120, 120, 24, 16},
        {9, 0, 1, 3, 84, 90, 210, 210, 42, 11}, {10, 0, 1, 4, 100, 100, 250, 250, 50, 12},
        {9, 1, 0, 0, 0, 0, 0, 0, 0, 16},        {10, 1, 0, 0, 0, 0, 0, 0, 0, 16},
        {1, 0, 0, 0, 20, 20, 50, 50, 10, 21},   {1, 1, 0, 0, 55, 150, 100, 100, 12, 9},
        {1, 2, 0, 0, 100, 0, 0, 0, 0, 9},       {1, 3, 0, 0, 0, 0, 0, 0, 0, 19},
        {1, 4, 0, 0, 0, 0, 0, 0, 0, 14},
    };
    for (int character = 0; character <= kHeroCount; ++character) {
        const ArmyRecord& army =
            character == 0 ? world.playerArmy : world.heroArmies[character - 1];
        for (int slot = 0; slot < kArmySlotCount; ++slot) {
            ArmyRow expected{};
            for (const auto& row : rows) {
                if (row[0] == character && row[1] == slot) {
                    std::copy(row.begin() + 2, row.end(), expected.begin());
                }
            }
            EXPECT_EQ(RowOf(army, slot), expected) << "character " << character << " slot " << slot;
        }
    }

    // The player, the places and the opening quests.
    EXPECT_EQ(std::tuple(world.playerMapCell, int{world.playerDirection}, int{world.playerPortrait},
                         int{world.playerMovesLeft}, NameLength(world.playerName)),
              std::tuple(1503, 4, 0, 7, 9));
    EXPECT_EQ(world.playerStats, (CharacterStats{20, 20, 20, 20, 10, 10, 10, 10, 0, 0}));
    EXPECT_EQ(world.playerItems, CharacterItemRecord{});
    EXPECT_EQ(world.battleTrigger, (std::array<uint8_t, kPlaceCount>{1, 1, 0, 0, 0, 0, 0, 0, 0, 0,
                                                                     0, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(world.villageA, (std::array<uint8_t, 10>{1, 2, 3, 4, 5, 6, 7, 8, 0, 0}));
    EXPECT_EQ(world.townA, (std::array<uint8_t, 10>{1, 2, 3, 4, 5, 6, 0, 0, 0, 0}));
    EXPECT_EQ(std::pair(world.villageC, world.townC), std::pair(world.villageA, world.townA));
    world.ComputeDailyIncome();
    EXPECT_EQ(std::tuple(world.dailyIncome, world.gold), std::tuple(0, 0));
    const std::set<int> offered = {1, 3, 4, 7, 8, 9, 12, 19};
    for (int quest = 1; quest <= kQuestCount; ++quest) {
        EXPECT_EQ(world.Quest(quest), offered.count(quest) != 0 ? 1 : 0) << "quest " << quest;
    }
}

TEST(NewGame, TwoFreshRecordsAreEqualByteForByte) {
    // Built over different garbage: value-initialisation must clear every field and the padding.
    // The record ends with bytes; the base's tail padding may hold the derived class's member.
    constexpr size_t kRecordBytes = offsetof(GameStateData, movingArmyDone) + kMovingArmyCount;
    static_assert(sizeof(GameStateData) - kRecordBytes < alignof(GameStateData));
    std::vector<std::vector<unsigned char>> records;
    for (int garbage : {0xA5, 0x5A}) {
        alignas(GameState) unsigned char storage[sizeof(GameState)];
        std::memset(storage, garbage, sizeof(storage));
        GameState* world = new (storage) GameState();
        RunNewGameSetUp(*world);
        const auto* bytes =
            reinterpret_cast<const unsigned char*>(static_cast<GameStateData*>(world));
        records.emplace_back(bytes, bytes + kRecordBytes);
        world->~GameState();
    }
    EXPECT_TRUE(records[0] == records[1]);
}

}  // namespace

}  // namespace varn
