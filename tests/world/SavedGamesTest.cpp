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

// Every game the project keeps: the saves the game wrote at a new game, mid-game, mid-battle, at
// the end of a day, near the end of a game, a step from each house and after a first battle won,
// the prepared worlds of the played games (a slot's file, its length first) and the worlds those
// games end in (the bare image). Each keeps the world's rules, loads and is written again byte for
// byte, scroll position included. Named, not listed: a fuzz run given a seeds folder as its corpus
// writes its inputs into it.
TEST(SavedGames, EveryKeptSaveLoadsAndIsWrittenBackUnchanged) {
    for (const char* name :
         {"fuzz/seeds/LoadAndPlay/new-game.save", "fuzz/seeds/LoadAndPlay/map-mid-game.save",
          "fuzz/seeds/LoadAndPlay/battle-mid-turn.save", "fuzz/seeds/LoadAndPlay/end-of-day.save",
          "fuzz/seeds/LoadAndPlay/near-the-end.save", "fuzz/seeds/MonkeyStarts/hero-beside.save",
          "fuzz/seeds/MonkeyStarts/step-from-castle.save",
          "fuzz/seeds/MonkeyStarts/step-from-palace.save",
          "fuzz/seeds/MonkeyStarts/step-from-temple.save",
          "fuzz/seeds/MonkeyStarts/step-from-tower.save",
          "fuzz/seeds/MonkeyStarts/step-from-town.save",
          "fuzz/seeds/MonkeyStarts/step-from-village.save",
          "fuzz/seeds/MonkeyStarts/won-first-battle.save", "tests/fixtures/saves/fighting.save",
          "tests/fixtures/saves/victory.save", "tests/fixtures/replays/fighting.world",
          "tests/fixtures/replays/first-battles.world",
          "tests/fixtures/replays/peaceful-game.world", "tests/fixtures/replays/victory.world"}) {
        const std::filesystem::path path = std::filesystem::path(VARN_SOURCE_DIR) / name;
        SCOPED_TRACE(name);
        const std::vector<uint8_t> file = ReadBytes(path);
        const bool bare = path.extension() == ".world";
        const size_t start = bare ? 0 : kImageSlotSize;
        ASSERT_EQ(file.size(), start + kSaveImageSize);
        ASSERT_TRUE(bare || ReadImageSlot(file, 0) == kSaveImageSize);
        const std::span<const uint8_t> image(file.data() + start, kSaveImageSize);
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
