#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "world/ImageSlots.h"
#include "world/SaveImage.h"
#include "world/SaveImageLayout.h"

namespace varn {

namespace {

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The saves the game wrote at a new game, mid-game, mid-battle, at the end of a day and near the
// end of a game: each loads and is written again byte for byte, scroll position included.
TEST(SavedGames, EveryRealSaveLoadsAndIsWrittenBackUnchanged) {
    // Named, not listed: a fuzz run given this folder as its corpus writes its inputs into it.
    const std::filesystem::path folder = VARN_SOURCE_DIR "/fuzz/seeds/LoadAndPlay";
    for (const char* name : {"new-game.save", "map-mid-game.save", "battle-mid-turn.save",
                             "end-of-day.save", "near-the-end.save"}) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> file = ReadBytes(folder / name);
        ASSERT_EQ(file.size(), kImageSlotSize + kSaveImageSize);
        ASSERT_EQ(ReadImageSlot(file, 0), kSaveImageSize);
        const std::span<const uint8_t> image(file.data() + kImageSlotSize, kSaveImageSize);
        GameState world;
        ASSERT_TRUE(ReadSaveImage(image, world));
        std::vector<uint8_t> written(kSaveImageSize);
        const std::span<uint8_t, kSaveImageSize> out(written.data(), kSaveImageSize);
        WriteSaveImage(world, out);
        WriteImageSlot(out, kSaveScrollXOffset, ReadImageSlot(image, kSaveScrollXOffset));
        WriteImageSlot(out, kSaveScrollYOffset, ReadImageSlot(image, kSaveScrollYOffset));
        EXPECT_TRUE(std::equal(written.begin(), written.end(), image.begin()));
    }
}

// The ceilings of the world's own rules are the ranges their saved fields are given.
TEST(SavedGames, TheWorldsRulesStayWithinTheirSavedRanges) {
    GameState world;
    world.gemOwned.fill(1);
    world.artifactOwned.fill(1);
    world.villageJoined.fill(7);
    world.townOwned.fill(255);
    world.ComputeDailyIncome();
    EXPECT_EQ(world.dailyIncome, RangeOf(SlotCheck::DailyIncome).high);

    world.routeKind = 1;
    world.SetRoute(81, 1, 0);
    EXPECT_TRUE(SlotFits(world.routeCounter, SlotCheck::RouteCounter));
    EXPECT_NE(world.routeCounter, 0);
    EXPECT_TRUE(SlotFits(world.routePending, SlotCheck::RouteStep));
    EXPECT_TRUE(SlotFits(world.routeIndex, SlotCheck::HeroTally));
}

}  // namespace

}  // namespace varn
