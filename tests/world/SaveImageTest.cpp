#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "world/ImageSlots.h"
#include "world/SaveImage.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

// Per byte check: two values it refuses, then three it takes, ends of its range included.
using C = SlotCheck;
const struct {
    SlotCheck check;
    uint32_t refused[2];
    uint8_t taken[3];
} kByteChecks[] = {
    {C::Flag, {2, 255}, {0, 1, 1}},           {C::Quest, {3, 8}, {2, 4, 7}},
    {C::Character, {12, 100}, {0, 5, 11}},    {C::MeetingCharacter, {12, 99}, {0, 11, 100}},
    {C::HeroNumber, {11, 255}, {0, 4, 10}},   {C::TownNumber, {0, 5}, {1, 2, 4}},
    {C::VillageNumber, {0, 10}, {1, 5, 9}},   {C::Item, {251, 255}, {0, 17, 250}},
    {C::ItemIndex, {250, 255}, {0, 17, 249}}, {C::ItemCell, {31, 255}, {0, 17, 30}},
    {C::ArmySlot, {6, 255}, {0, 3, 5}},       {C::UnitType, {5, 22}, {4, 7, 21}},
    {C::UnitId, {6, 23}, {0, 11, 22}},        {C::Direction, {8, 255}, {0, 3, 7}},
    {C::BodyVariant, {3, 255}, {0, 1, 2}},    {C::Speed, {0, 4}, {1, 2, 3}},
    {C::Glyph, {90, 256}, {0, 41, 89}},
};

// Gives every saved field a value of its own kind, varying from field to field, and notes the
// slot of the first field of each check.
struct DistinctFiller {
    void Int(int32_t& value, SlotCheck check) {
        firstSlot.try_emplace(check, count);
        value = static_cast<int32_t>(check == SlotCheck::MapCell ? count % 10801
                                                                 : count * 7919u - 500000);
        ++count;
    }
    void Byte(uint8_t& value, SlotCheck check) {
        firstSlot.try_emplace(check, count);
        value = static_cast<uint8_t>(count * 31u);
        for (const auto& entry : kByteChecks) {
            value = entry.check == check ? entry.taken[count % 3] : value;
        }
        ++count;
    }
    std::map<SlotCheck, size_t> firstSlot;
    uint32_t count = 0;
};

struct DistinctGame {
    // The name columns past the heroes are not saved: give them a fresh game's.
    DistinctGame() {
        save_layout::VisitSavedFields(filler, static_cast<GameStateData&>(world));
        world.heroNames.rows[0][10] = world.heroNames.rows[0][11] = kGlyphCursor;
    }
    DistinctFiller filler;
    GameState world;
};

std::vector<uint8_t> ImageOf(const GameState& world) {
    std::vector<uint8_t> image(kSaveImageSize, 0xEE);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(image.data(), kSaveImageSize));
    return image;
}

TEST(SaveImage, GoldFirstThenTheRecordThenZerosAndGamesComeBackFieldForField) {
    const DistinctGame distinct;
    // The record ends before the front end's scroll position at byte 52960.
    EXPECT_EQ(distinct.filler.count * kImageSlotSize, 52912u);
    const std::vector<uint8_t> image = ImageOf(distinct.world);
    EXPECT_EQ(static_cast<int32_t>(ReadImageSlot(image, 0)), distinct.world.gold);
    EXPECT_EQ(std::count(image.begin() + kSaveImageRecordBytes, image.end(), 0),
              static_cast<ptrdiff_t>(kSaveImageSize - kSaveImageRecordBytes));
    GameState fresh;
    RunNewGameSetUp(fresh);
    const GameState games[] = {fresh, distinct.world};
    for (int k = 0; k < 2; ++k) {
        GameState loaded = games[1 - k];
        ASSERT_TRUE(ReadSaveImage(ImageOf(games[k]), loaded));
        EXPECT_TRUE(static_cast<const GameStateData&>(loaded) == games[k]) << "game " << k;
    }
}

TEST(SaveImageRefusal, BadImagesAreRefusedWholeWithTheRecordUntouched) {
    const DistinctGame distinct;
    const std::vector<uint8_t> image = ImageOf(distinct.world);
    auto first = [&distinct](SlotCheck check) { return distinct.filler.firstSlot.at(check); };
    auto with = [&image](size_t slot, uint32_t value) {
        std::vector<uint8_t> changed = image;
        WriteImageSlot(changed, slot * kImageSlotSize, value);
        return changed;
    };
    GameState world;
    const GameState before = world;
    auto read = [&world](const std::vector<uint8_t>& bytes) { return ReadSaveImage(bytes, world); };
    EXPECT_FALSE(read({}));
    EXPECT_FALSE(read(std::vector<uint8_t>(image.begin(), image.end() - 1)));
    std::vector<uint8_t> overlong = image;
    overlong.push_back(0);
    EXPECT_FALSE(read(overlong));
    // Map cells off the map, a bad last slot.
    EXPECT_FALSE(read(with(first(SlotCheck::MapCell), 10801)));
    EXPECT_FALSE(read(with(first(SlotCheck::MapCell), 0xFFFFFFFF)));
    EXPECT_FALSE(read(with(kSaveImageRecordBytes / kImageSlotSize - 1, 9)));
    for (const auto& entry : kByteChecks) {
        const size_t slot = first(entry.check);
        for (uint32_t value : entry.refused) {
            EXPECT_FALSE(read(with(slot, value))) << "slot " << slot << " value " << value;
        }
    }
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
    EXPECT_TRUE(read(with(first(SlotCheck::MapCell), 10800)));
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
    } kRefused[] = {{0, 3}, {1, 2}, {3, 2}, {103, 6}, {203, 11}, {224, 2}};
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
