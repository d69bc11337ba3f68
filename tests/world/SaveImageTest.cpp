#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "world/ImageSlots.h"
#include "world/SaveImage.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

using C = SlotCheck;

// Values inside a check's range that it refuses.
const std::map<SlotCheck, std::vector<int64_t>> kGaps = {
    {C::Quest, {3}},
    {C::MeetingCharacter, {12, 99}},
    {C::UnitType, {5, 6, 11, 19}},
    {C::UnitId, {6, 7, 12, 20}},
    {C::MovingArmy, {1, 79}},
    {C::Invader, {1, 79}},
    {C::RouteCounter, {1, 21}},
};
// A value a check takes, chosen by seed; a byte field's range is held to a byte.
int64_t FittingValue(SlotCheck check, uint32_t seed, bool byte) {
    SlotRange range = RangeOf(check);
    if (byte) {
        range = {std::max<int64_t>(range.low, 0), std::min<int64_t>(range.high, UINT8_MAX)};
    }
    const int64_t span = range.high - range.low + 1;
    for (int64_t step = 0;; ++step) {
        const int64_t value = range.low + (int64_t{seed} * 7919 + step) % span;
        if (SlotFits(value, check)) {
            return value;
        }
    }
}

// Gives every saved field a value of its own kind, varying from field to field, and notes the
// first and the last slot of each check.
struct DistinctFiller {
    void Int(int32_t& value, SlotCheck check) {
        Note(check, false);
        value = static_cast<int32_t>(FittingValue(check, static_cast<uint32_t>(slot++), false));
    }
    void Byte(uint8_t& value, SlotCheck check) {
        if (check == SlotCheck::Any) {
            anyByteSlot = std::min(anyByteSlot, slot);
        }
        Note(check, true);
        value = static_cast<uint8_t>(FittingValue(check, static_cast<uint32_t>(slot++), true));
    }
    void Note(SlotCheck check, bool byte) {
        firstSlot.try_emplace(check, slot);
        lastSlot[check] = slot;
        byteSlot[slot] = byte;
    }
    std::map<SlotCheck, size_t> firstSlot;
    std::map<SlotCheck, size_t> lastSlot;
    std::map<size_t, bool> byteSlot;
    size_t anyByteSlot = SIZE_MAX;
    size_t slot = 0;
    size_t recordSlots = 0;
};

// The party's rules tie its fields to each other: a party that holds nothing keeps them.
void EmptyParty(GameStateData& world) {
    const auto empty = [](CharacterItemRecord& items, ArmyRecord& armies) {
        items.items.fill(kNoItem);
        items.owned.fill(0);
        armies.present.fill(0);
    };
    empty(world.playerItems, world.playerArmy);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        empty(world.heroItems[hero], world.heroArmies[hero]);
    }
    for (std::span<uint8_t> flags :
         {std::span<uint8_t>(world.heldFlagPalace), std::span<uint8_t>(world.heldFlagTemple),
          std::span<uint8_t>(world.heldFlagCastle), std::span<uint8_t>(world.heldFlagTower),
          std::span<uint8_t>(world.heldFlagVillage), std::span<uint8_t>(world.heldFlagTown)}) {
        std::ranges::fill(flags, 0);
    }
}

struct DistinctGame {
    // The name columns past the heroes are not saved: give them a fresh game's. Units on the
    // battle field stand on its cells: here none is on it.
    DistinctGame() {
        save_layout::VisitSavedFields(filler, static_cast<GameStateData&>(world));
        filler.recordSlots = filler.slot;
        filler.slot = kSaveMapStateOffset / kImageSlotSize;
        save_layout::VisitMapStateFields(filler, static_cast<GameStateData&>(world));
        world.heroNames.rows[0][10] = world.heroNames.rows[0][11] = kGlyphCursor;
        world.snapEnemyPresent.fill(0);
        world.snapAllyPresent.fill(0);
        EmptyParty(world);
    }
    DistinctFiller filler;
    GameState world;
};

std::vector<uint8_t> ImageOf(const GameState& world) {
    std::vector<uint8_t> image(kSaveImageSize, 0xEE);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(image.data(), kSaveImageSize));
    return image;
}

std::vector<uint8_t> With(const std::vector<uint8_t>& image, size_t slot, int64_t value) {
    std::vector<uint8_t> changed = image;
    WriteImageSlot(changed, slot * kImageSlotSize, static_cast<uint32_t>(value));
    return changed;
}

TEST(SaveImage, GoldFirstThenTheRecordThenZerosAndGamesComeBackFieldForField) {
    const DistinctGame distinct;
    // The record ends before the front end's scroll position at byte 52960.
    EXPECT_EQ(distinct.filler.recordSlots * kImageSlotSize, 52912u);
    const std::vector<uint8_t> image = ImageOf(distinct.world);
    EXPECT_EQ(static_cast<int32_t>(ReadImageSlot(image, 0)), distinct.world.gold);
    // Zeros up to the scroll position, and past the map state's block.
    const auto zeros = [&image](size_t from, size_t to) {
        return std::all_of(image.begin() + from, image.begin() + to,
                           [](uint8_t b) { return b == 0; });
    };
    EXPECT_TRUE(zeros(kSaveImageRecordBytes, kSaveMapStateOffset));
    EXPECT_TRUE(zeros(kSaveMapStateOffset + kSaveMapStateBytes, kSaveImageSize));
    GameState fresh;
    RunNewGameSetUp(fresh);
    const GameState games[] = {fresh, distinct.world};
    for (int k = 0; k < 2; ++k) {
        GameState loaded = games[1 - k];
        ASSERT_TRUE(ReadSaveImage(ImageOf(games[k]), loaded));
        EXPECT_TRUE(static_cast<const GameStateData&>(loaded) == games[k]) << "game " << k;
    }
}

TEST(SaveImageRefusal, WrongLengthsAreRefused) {
    const std::vector<uint8_t> image = ImageOf(GameState());
    GameState world;
    EXPECT_FALSE(ReadSaveImage({}, world));
    EXPECT_FALSE(ReadSaveImage(std::vector<uint8_t>(image.begin(), image.end() - 1), world));
    std::vector<uint8_t> overlong = image;
    overlong.push_back(0);
    EXPECT_FALSE(ReadSaveImage(overlong, world));
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == GameState());
}

// Each check at the first and the last slot that has it: the ends of its range and one past
// them, the gaps inside it, and the type's limits. A refused image leaves the record as it was.
TEST(SaveImageRefusal, EveryCheckTakesItsRangeAndRefusesTheRestWithTheRecordUntouched) {
    const DistinctGame distinct;
    const std::vector<uint8_t> image = ImageOf(distinct.world);
    GameState world;
    const GameState before = world;
    // The scroll position is the front end's and has a test of its own.
    for (int number = static_cast<int>(C::Flag); number <= static_cast<int>(C::AllyKind);
         ++number) {
        const auto check = static_cast<SlotCheck>(number);
        if (check == C::ScrollX || check == C::ScrollY) {
            continue;
        }
        const SlotRange range = RangeOf(check);
        ASSERT_TRUE(distinct.filler.firstSlot.contains(check)) << "no slot has check " << number;
        for (size_t slot :
             {distinct.filler.firstSlot.at(check), distinct.filler.lastSlot.at(check)}) {
            SCOPED_TRACE(testing::Message() << "check " << number << " slot " << slot);
            std::vector<int64_t> refused =
                kGaps.contains(check) ? kGaps.at(check) : std::vector<int64_t>{};
            refused.insert(refused.end(), {range.low - 1, range.high + 1});
            // The type's limits, where the field cannot hold them.
            for (int64_t limit : {int64_t{INT32_MIN}, int64_t{UINT32_MAX}}) {
                const int64_t read = distinct.filler.byteSlot.at(slot)
                                         ? limit & 0xFFFFFFFF
                                         : static_cast<int32_t>(limit & 0xFFFFFFFF);
                if (!SlotFits(read, check)) {
                    refused.push_back(limit);
                }
            }
            for (int64_t value : refused) {
                GameState untouched = before;
                EXPECT_FALSE(ReadSaveImage(With(image, slot, value), untouched)) << value;
                EXPECT_TRUE(static_cast<const GameStateData&>(untouched) == before) << value;
            }
            // An item alone in a cell, its owned flag unset, breaks the party's rules.
            for (int64_t value : {range.low, range.high}) {
                EXPECT_EQ(ReadSaveImage(With(image, slot, value), world),
                          check != C::Item || value == kNoItem)
                    << value;
            }
        }
    }
}

TEST(SaveImageRefusal, ByteFieldsRefuseWhatNoByteHoldsAndTheLastSlotIsChecked) {
    const DistinctGame distinct;
    const std::vector<uint8_t> image = ImageOf(distinct.world);
    const size_t anyByte = distinct.filler.anyByteSlot;
    GameState world;
    EXPECT_TRUE(ReadSaveImage(With(image, anyByte, 255), world));
    EXPECT_FALSE(ReadSaveImage(With(image, anyByte, 256), world));
    EXPECT_FALSE(ReadSaveImage(With(image, kSaveImageRecordBytes / kImageSlotSize - 1, 9), world));
}

// The scroll position is the front end's, yet a view far off the map is no game's; a unit on
// the battle field stands on a cell of it.
TEST(SaveImageRefusal, ScrollOffTheMapAndAUnitOffTheFieldAreRefused) {
    const DistinctGame distinct;
    const std::vector<uint8_t> image = ImageOf(distinct.world);
    const size_t scrollX = kSaveScrollXOffset / kImageSlotSize;
    const size_t scrollY = kSaveScrollYOffset / kImageSlotSize;
    GameState world;
    for (auto [slot, check] : {std::pair{scrollX, C::ScrollX}, std::pair{scrollY, C::ScrollY}}) {
        const SlotRange range = RangeOf(check);
        EXPECT_TRUE(ReadSaveImage(With(image, slot, range.low), world));
        EXPECT_TRUE(ReadSaveImage(With(image, slot, range.high), world));
        EXPECT_FALSE(ReadSaveImage(With(image, slot, range.low - 1), world));
        EXPECT_FALSE(ReadSaveImage(With(image, slot, range.high + 1), world));
        EXPECT_FALSE(ReadSaveImage(With(image, slot, INT32_MIN), world));
    }
    GameState battle;
    battle.snapEnemyPresent[49] = 1;
    battle.snapAllyPresent[19] = 1;
    battle.snapAllyCell[19] = 300;
    EXPECT_FALSE(ReadSaveImage(ImageOf(battle), world));
    battle.snapEnemyCell[49] = 1;
    EXPECT_TRUE(ReadSaveImage(ImageOf(battle), world));
    battle.snapAllyCell[19] = 0;
    EXPECT_FALSE(ReadSaveImage(ImageOf(battle), world));
    battle.snapAllyPresent[19] = 0;
    EXPECT_TRUE(ReadSaveImage(ImageOf(battle), world));
}

// The map state's block sits past the scroll position, comes back whole, and its checks refuse
// a load like any other slot's.
TEST(SaveImage, MapStateBlockFollowsTheScrollPositionAndComesBack) {
    GameState world;
    world.mapSnapshotState = 2;
    world.restartMusicOnMap = 1;
    world.villageOrTowerEntered = 1;
    world.fameRewardGiven[22] = 1;
    world.fameRewardSlot[22] = 5;
    world.fameFocusHero = 10;
    world.enemyMoveFrames = 123456;
    world.movingArmyDone[19] = 1;
    const std::vector<uint8_t> image = ImageOf(world);
    EXPECT_EQ(ReadImageSlot(image, kSaveMapStateOffset), 2u);
    EXPECT_EQ(ReadImageSlot(image, kSaveScrollXOffset), 0u);
    EXPECT_EQ(ReadImageSlot(image, kSaveMapStateOffset + kSaveMapStateBytes - kImageSlotSize), 1u);
    EXPECT_EQ(std::count(image.begin() + kSaveMapStateOffset + kSaveMapStateBytes, image.end(), 0),
              static_cast<ptrdiff_t>(kSaveImageSize - kSaveMapStateOffset - kSaveMapStateBytes));
    GameState loaded;
    ASSERT_TRUE(ReadSaveImage(image, loaded));
    EXPECT_TRUE(static_cast<const GameStateData&>(loaded) == world);

    const struct {
        size_t slot;
        uint32_t value;
    } kRefused[] = {{0, 3}, {1, 2}, {3, 2}, {103, 6}, {203, 11}, {204, 0xFFFFFFFF}, {224, 2}};
    for (const auto& bad : kRefused) {
        std::vector<uint8_t> changed = image;
        WriteImageSlot(changed, kSaveMapStateOffset + bad.slot * kImageSlotSize, bad.value);
        GameState untouched;
        EXPECT_FALSE(ReadSaveImage(changed, untouched)) << "slot " << bad.slot;
        EXPECT_TRUE(static_cast<const GameStateData&>(untouched) == GameState());
    }
}

}  // namespace

}  // namespace varn
