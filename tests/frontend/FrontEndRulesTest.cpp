#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/DataBlob.h"
#include "frontend/FrontEndDrawing.h"
#include "frontend/GameEnd.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/SaveFiles.h"
#include "frontend/StoryScreen.h"
#include "support/TempDir.h"
#include "world/SaveImage.h"

namespace varn {

TEST(GameEnd, TheClosingStoryFollowsTheCause) {
    struct Case {
        uint8_t endOfGame[3];
        uint8_t story;
    };
    const Case cases[] = {
        {{0, 0, 0}, 0},
        {{1, 0, 0}, kStorySurrender},
        {{0, 1, 0}, kStoryPeace},
        {{0, 0, 1}, kStoryVictory},
        {{1, 1, 1}, kStoryVictory},
        {{1, 1, 0}, kStorySurrender},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EndingStory(c.endOfGame), c.story);
    }
}

TEST(StoryScreen, EveryModeHasAPageAndUnknownModesShowTheOpening) {
    for (uint8_t mode : {0, 1, 5, 255}) {
        EXPECT_EQ(StoryPage(mode), kStoryOpening) << int{mode};
    }
    for (uint8_t mode = kStorySurrender; mode <= kStoryVictory; ++mode) {
        EXPECT_EQ(StoryPage(mode), mode);
        EXPECT_FALSE(StoryLines(mode).empty());
        EXPECT_NE(StoryLines(mode).data(), StoryLines(kStoryOpening).data());
    }
}

namespace {

// A slot's file as the game writes it: the image's length, then the image.
void WriteSlot(const GameState& world, int slot) {
    DataBlob blob;
    ASSERT_NE(blob.Alloc(kSaveImageSize), nullptr);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(blob.data, kSaveImageSize));
    ASSERT_EQ(blob.SaveToFile(SaveSlotPath(slot).c_str()), 1u);
}

}  // namespace

TEST(SaveFiles, SlotsAreProbedByTheirFiles) {
    TempWorkingDir dir;
    std::filesystem::create_directory("Saves");
    std::ofstream("Saves/2.save", std::ios::binary).write("\0\0\0\0", 4);
    std::ofstream("Saves/5.save", std::ios::binary).write("\x09\0\0\0abc", 7);  // cut short
    GameState world;
    RunNewGameSetUp(world);
    WriteSlot(world, 4);
    // Whole and in range, but an army shares its place with another: no world the game reaches.
    world.playerArmy.present[0] = world.playerArmy.present[1] = 1;
    world.playerArmy.position[1] = world.playerArmy.position[0];
    WriteSlot(world, 1);
    DataBlob probe;
    std::array<uint8_t, kSaveSlotCount> empty{};
    const SlotSummaries slots = ProbeSaveSlots(probe, empty);
    // Only slot 4 holds a game the load would take.
    EXPECT_EQ(empty, (std::array<uint8_t, kSaveSlotCount>{1, 1, 1, 0, 1}));
    EXPECT_EQ(slots[0].verdict, SlotVerdict::Damaged);
    EXPECT_EQ(slots[1].verdict, SlotVerdict::Damaged);
    EXPECT_EQ(slots[2].verdict, SlotVerdict::Empty);
    EXPECT_EQ(slots[3].verdict, SlotVerdict::Saved);
    EXPECT_EQ(slots[4].verdict, SlotVerdict::Damaged);
    EXPECT_EQ(probe.data, nullptr);
    EXPECT_EQ(FirstFreeSlot(empty), 1);
    EXPECT_EQ(FirstFreeSlot({0, 0, 0, 1, 1}), 4);
    EXPECT_EQ(FirstFreeSlot({0, 0, 0, 0, 0}), 1);
    EXPECT_EQ(SaveSlotPath(3), "Saves\\3.save");
}

TEST(SaveFiles, NamesAreReadBackAsText) {
    EXPECT_EQ(GlyphText(EncodeGlyphs("Sir Alwyn 2")), "Sir Alwyn 2");
    EXPECT_EQ(GlyphText(GlyphString{}), "");
}

TEST(SaveFiles, AMissingOrDamagedHallOfFameReadsAsEmpty) {
    TempWorkingDir dir;
    GameState world;
    world.hofUsed[0] = 1;
    world.hofScore[0] = 7;
    DataBlob blob;
    EXPECT_FALSE(LoadHallOfFame(blob, world));
    EXPECT_EQ(world.hofUsed[0], 0);
    EXPECT_EQ(world.hofScore[0], 0);
    std::filesystem::create_directory("Saves");
    std::ofstream("Saves/HallOfFame.save", std::ios::binary).write("\x02\0\0\0ab", 6);
    world.hofUsed[1] = 1;
    EXPECT_FALSE(LoadHallOfFame(blob, world));
    EXPECT_EQ(world.hofUsed[1], 0);
}

// A finished game with a score of 0 still takes a place: only a hall with no place in use
// says that no one has a score yet.
TEST(HallOfFameScreen, OnlyAHallWithNoPlaceInUseIsEmpty) {
    GameState world;
    HallOfFameScreen screen;
    screen.Show(world);
    EXPECT_TRUE(screen.IsEmpty());
    world.finalScore = 0;
    world.InsertHallOfFame();
    screen.Show(world);
    EXPECT_FALSE(screen.IsEmpty());
}

TEST(FrontEndDrawing, NamesAreCentredOnTheirLastLetter) {
    // One letter sits on the centre; each further letter moves the start half a spacing left.
    EXPECT_EQ(GlyphX(0, 0, 400), 400 - kLetterWidth / 2);
    EXPECT_EQ(GlyphX(0, 2, 400), 400 - kLetterSpacing - kLetterWidth / 2);
    EXPECT_EQ(GlyphX(2, 2, 400), 400 + kLetterSpacing - kLetterWidth / 2);
}

}  // namespace varn
