#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "world/GameState.h"
#include "world/HallOfFameImage.h"
#include "world/ImageSlots.h"

namespace varn {

namespace {

using Places = std::vector<std::pair<int32_t, char>>;

// Enters each score under a one-letter name; true when the last one made the hall of fame.
bool Enter(GameState& world, const Places& entries) {
    for (const auto& [score, letter] : entries) {
        world.finalScore = score;
        world.playerName = EncodeGlyphs(std::string(1, letter));
        world.madeHallOfFame = 0;
        world.InsertHallOfFame();
    }
    return world.madeHallOfFame == 1;
}

// The used places from the top, as score and name letter.
Places Used(const GameState& world) {
    Places used;
    for (int place = 0; place < kHallOfFamePlaces && world.hofUsed[place] != 0; ++place) {
        used.emplace_back(world.hofScore[place], 'a' + world.hofName[place][0] - kGlyphSmallA);
    }
    return used;
}

TEST(HallOfFame, FreePlacesTakeLowScoresAndEqualScoresGoAboveOlderOnes) {
    GameState world;
    EXPECT_TRUE(Enter(world, {{0, 'a'}}));
    EXPECT_TRUE(Enter(world, {{300, 'b'}, {300, 'c'}, {100, 'd'}}));
    EXPECT_EQ(Used(world), (Places{{300, 'c'}, {300, 'b'}, {100, 'd'}, {0, 'a'}}));
}

TEST(HallOfFame, FullHallTakesOnlyScoresUpToTheLastPlace) {
    GameState world;
    Enter(world, {{900, 'a'}, {800, 'b'}, {700, 'c'}, {600, 'd'}, {500, 'e'}});
    EXPECT_FALSE(Enter(world, {{499, 'f'}}));
    EXPECT_TRUE(Enter(world, {{1000, 'g'}}));
    EXPECT_FALSE(Enter(world, {{599, 'f'}}));
    EXPECT_TRUE(Enter(world, {{600, 'f'}}));
    EXPECT_EQ(Used(world), (Places{{1000, 'g'}, {900, 'a'}, {800, 'b'}, {700, 'c'}, {600, 'f'}}));
    // A score past the signed range is a high score, not a negative one.
    EXPECT_TRUE(Enter(world, {{INT32_MIN, 'h'}}));
    EXPECT_EQ(world.hofScore[0], INT32_MIN);
    // A later score that misses leaves the made flag set.
    world.finalScore = 1;
    world.InsertHallOfFame();
    EXPECT_EQ(world.madeHallOfFame, 1);
}

// Four used places; the free last place holds the highest unsigned score.
GameState FilledHall() {
    GameState world;
    Enter(world, {{123456789, 'a'}, {10000, 'b'}, {199, 'c'}, {1, 'd'}});
    world.hofScore[4] = -1;
    world.hofName[0][20] = kGlyphLast;
    return world;
}

std::vector<uint8_t> ImageOf(const GameState& world) {
    std::vector<uint8_t> image(kHallOfFameImageSize, 0xEE);
    WriteHallOfFameImage(world, std::span<uint8_t, kHallOfFameImageSize>(image.data(), 600));
    return image;
}

TEST(HallOfFameImage, ScorePartsThenFlagsThenNamesThenZerosAndBackAgain) {
    const GameState hall = FilledHall();
    const std::vector<uint8_t> image = ImageOf(hall);
    std::vector<uint32_t> slots;
    for (size_t offset = 0; offset < image.size(); offset += kImageSlotSize) {
        slots.push_back(ReadImageSlot(image, offset));
    }
    const std::vector<uint32_t> expected = {12345, 67,     89, 1,  0, 0, 0, 1, 99, 0,           0,
                                            1,     429496, 72, 95, 1, 1, 1, 1, 0,  kGlyphSmallA};
    EXPECT_EQ(std::vector(slots.begin(), slots.begin() + 21), expected);
    EXPECT_EQ(std::count(slots.begin() + 125, slots.end(), 0u), 25);  // Zeros after the names.
    GameState loaded;
    ASSERT_TRUE(ReadHallOfFameImage(image, loaded));
    EXPECT_EQ(std::tie(loaded.hofUsed, loaded.hofScore, loaded.hofName),
              std::tie(hall.hofUsed, hall.hofScore, hall.hofName));
}

TEST(HallOfFameImage, BadImagesAreRefusedWithTheRecordUntouched) {
    const std::vector<uint8_t> image = ImageOf(FilledHall());
    std::vector<std::vector<uint8_t>> bad = {{}, {image.begin(), image.end() - 1}, image};
    bad.back().push_back(0);
    // Middle and low score parts over 99, a score past 32 bits, a flag of 2, glyphs past the last.
    for (const auto& [slot, value] : std::vector<std::pair<size_t, uint32_t>>{
             {1, 100}, {14, 100}, {12, 429497}, {19, 2}, {20, 0x100}, {124, kGlyphLast + 1}}) {
        bad.push_back(image);
        WriteImageSlot(bad.back(), slot * kImageSlotSize, value);
    }
    GameState world;
    const GameState before = world;
    for (const std::vector<uint8_t>& bytes : bad) {
        EXPECT_FALSE(ReadHallOfFameImage(bytes, world)) << "image " << &bytes - bad.data();
    }
    EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
}

}  // namespace

}  // namespace varn
