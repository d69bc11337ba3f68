#include <gtest/gtest.h>

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

// A present army slot stands in its own position, names its unit type, and fields as many men
// as its training and equipment give.
void ExpectArmyConsistent(const ArmyRecord& a, int character) {
    for (int s = 0; s < kArmySlotCount; ++s) {
        if (a.present[s] != 0) {
            EXPECT_EQ(a.position[s], s) << "character " << character << " slot " << s;
            EXPECT_EQ(a.unitId[s], a.unitType[s] + 1) << "character " << character << " slot " << s;
            EXPECT_EQ(a.alive[s], (a.training[s] + a.equipment[s]) / 10)
                << "character " << character << " slot " << s;
        }
    }
}

TEST(NewGame, CharactersStartConsistentAndNoItemIsOwnedTwice) {
    GameState world;
    RunNewGameSetUp(world);
    std::set<ItemId> seen;
    for (int hero = 0; hero < kHeroCount; ++hero) {
        EXPECT_EQ(std::tuple(int{world.heroMovesLeft[hero]}, int{world.heroDirection[hero]},
                             int{world.heroJoined[hero]}, world.heroMapCell[hero]),
                  std::tuple(7, 4, 0, 0))
            << "hero " << hero + 1;
        EXPECT_GT(NameLength(world.heroNames.Name(hero)), 0) << "hero " << hero + 1;
        const CharacterItemRecord& items = world.heroItems[hero];
        for (size_t cell = 0; cell < items.items.size(); ++cell) {
            const ItemId item = items.items[cell];
            if (item == kNoItem) {
                continue;
            }
            EXPECT_TRUE(seen.insert(item).second) << "item " << int{item};
            EXPECT_EQ(items.owned[item - 1], 1) << "item " << int{item};
            EXPECT_EQ(items.itemCell[item - 1], cell) << "item " << int{item};
        }
        ExpectArmyConsistent(world.heroArmies[hero], hero + 1);
    }
    EXPECT_EQ(seen.size(), 27u);
    ExpectArmyConsistent(world.playerArmy, 0);

    // The player, the places and the opening quests.
    EXPECT_EQ(std::tuple(world.playerMapCell, int{world.playerDirection}, int{world.playerPortrait},
                         int{world.playerMovesLeft}, NameLength(world.playerName)),
              std::tuple(1503, 4, 0, 7, 9));
    EXPECT_EQ(world.playerItems, CharacterItemRecord{});
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
