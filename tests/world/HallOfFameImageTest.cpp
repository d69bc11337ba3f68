#include <gtest/gtest.h>

#include <vector>

#include "world/HallOfFameImage.h"
#include "world/ImageSlots.h"

namespace {

constexpr size_t kFlagsSlot = 15;
constexpr size_t kNamesSlot = 20;

GameState FilledHall() {
    GameState world;
    const int32_t scores[kHallOfFamePlaces] = {123456789, 10000, 199, 1, 0};
    for (int place = 0; place < kHallOfFamePlaces; ++place) {
        world.hofUsed[place] = place < 4 ? 1 : 0;
        world.hofScore[place] = scores[place];
        world.hofName[place] = EncodeGlyphs(std::string(place + 3, static_cast<char>('a' + place)));
    }
    world.hofName[0][20] = kGlyphLast;
    return world;
}

std::vector<uint8_t> ImageOf(const GameState& world) {
    std::vector<uint8_t> image(kHallOfFameImageSize, 0xEE);
    WriteHallOfFameImage(world,
                         std::span<uint8_t, kHallOfFameImageSize>(image.data(), image.size()));
    return image;
}

uint32_t SlotAt(const std::vector<uint8_t>& image, size_t slot) {
    return ReadImageSlot(image, slot * kImageSlotSize);
}

TEST(HallOfFameImage, ScoresSplitIntoThreeParts) {
    const std::vector<uint8_t> image = ImageOf(FilledHall());
    EXPECT_EQ(SlotAt(image, 0), 12345u);
    EXPECT_EQ(SlotAt(image, 1), 67u);
    EXPECT_EQ(SlotAt(image, 2), 89u);
    EXPECT_EQ(SlotAt(image, 3), 1u);
    EXPECT_EQ(SlotAt(image, 4), 0u);
    EXPECT_EQ(SlotAt(image, 8), 99u);
    EXPECT_EQ(SlotAt(image, kFlagsSlot), 1u);
    EXPECT_EQ(SlotAt(image, kFlagsSlot + 4), 0u);
    EXPECT_EQ(SlotAt(image, kNamesSlot), kGlyphSmallA);
    EXPECT_EQ(SlotAt(image, kNamesSlot + 21), kGlyphSmallA + 1);
    for (size_t offset = (kNamesSlot + 105) * kImageSlotSize; offset < image.size(); ++offset) {
        ASSERT_EQ(image[offset], 0) << "byte " << offset;
    }
}

TEST(HallOfFameImage, RoundTripKeepsEveryPlace) {
    const GameState original = FilledHall();
    GameState loaded;
    loaded.gold = 77;
    ASSERT_TRUE(ReadHallOfFameImage(ImageOf(original), loaded));
    EXPECT_EQ(loaded.hofUsed, original.hofUsed);
    EXPECT_EQ(loaded.hofScore, original.hofScore);
    EXPECT_EQ(loaded.hofName, original.hofName);
    EXPECT_EQ(loaded.gold, 77);
}

TEST(HallOfFameImage, HighestUnsignedScoreSurvives) {
    GameState world;
    world.hofScore[2] = -1;
    GameState loaded;
    ASSERT_TRUE(ReadHallOfFameImage(ImageOf(world), loaded));
    EXPECT_EQ(loaded.hofScore[2], -1);
}

class HallOfFameImageRefusal : public testing::Test {
  protected:
    void ExpectSlotRefused(size_t slot, uint32_t value) {
        std::vector<uint8_t> bad = ImageOf(FilledHall());
        WriteImageSlot(bad, slot * kImageSlotSize, value);
        ExpectRefused(bad);
    }
    void ExpectRefused(const std::vector<uint8_t>& bad) {
        GameState world = FilledHall();
        world.hofScore[4] = 5;
        const GameState before = world;
        EXPECT_FALSE(ReadHallOfFameImage(bad, world));
        EXPECT_TRUE(static_cast<const GameStateData&>(world) == before);
    }
};

TEST_F(HallOfFameImageRefusal, WrongLengths) {
    const std::vector<uint8_t> image = ImageOf(FilledHall());
    ExpectRefused({});
    ExpectRefused(std::vector<uint8_t>(image.begin(), image.end() - 1));
    std::vector<uint8_t> overlong = image;
    overlong.push_back(0);
    ExpectRefused(overlong);
}

TEST_F(HallOfFameImageRefusal, ScorePartsOutOfRange) {
    ExpectSlotRefused(1, 100);
    ExpectSlotRefused(14, 100);
    // 429497 x 10000 passes the 32-bit range.
    ExpectSlotRefused(12, 429497);
}

TEST_F(HallOfFameImageRefusal, FlagsAndGlyphsOutOfRange) {
    ExpectSlotRefused(kFlagsSlot + 4, 2);
    ExpectSlotRefused(kNamesSlot + 104, kGlyphLast + 1);
    ExpectSlotRefused(kNamesSlot, 0x100);
}

}  // namespace
