#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <vector>

#include "engine/DataBlob.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/SaveFiles.h"
#include "support/FrontEndPlayer.h"
#include "world/GameState.h"
#include "world/HallOfFameImage.h"

namespace varn {

namespace {

struct Place {
    const char* name;
    int32_t score;
};

void WriteHallOfFame(const std::vector<Place>& places) {
    GameState record;
    for (size_t i = 0; i < places.size(); ++i) {
        record.hofUsed[i] = 1;
        record.hofScore[i] = places[i].score;
        record.hofName[i] = EncodeGlyphs(places[i].name);
    }
    DataBlob blob;
    blob.Alloc(kHallOfFameImageSize);
    WriteHallOfFameImage(record,
                         std::span<uint8_t, kHallOfFameImageSize>(blob.data, kHallOfFameImageSize));
    ASSERT_EQ(blob.SaveToFile(kHallOfFamePath), 1u);
}

std::vector<Place> StoredPlaces(std::vector<GlyphString>& names) {
    GameState record;
    DataBlob blob;
    EXPECT_TRUE(LoadHallOfFame(blob, record));
    std::vector<Place> places;
    for (int i = 0; i < kHallOfFamePlaces; ++i) {
        if (record.hofUsed[static_cast<size_t>(i)] != 0) {
            names.push_back(record.hofName[static_cast<size_t>(i)]);
            places.push_back({"", record.hofScore[static_cast<size_t>(i)]});
        }
    }
    return places;
}

}  // namespace

TEST(HallOfFameRoad, AnEndedGamesScoreGoesInAmongTheOlderPlaces) {
    struct Case {
        const char* cause;
        int endByte;
        int32_t fame;
        uint8_t story;
        std::vector<int32_t> scores;  // the hall afterwards, highest first
        int newPlace;                 // index of the new entry, -1 none
    };
    const Case cases[] = {
        {"victory adds 100", 2, 200, 4, {900, 500, 300, 100}, 2},
        {"surrender takes 100", 0, 550, 2, {900, 500, 450, 100}, 2},
        {"surrender stops at 0", 0, 60, 2, {900, 500, 100, 0}, 3},
        {"peace keeps the fame", 1, 950, 3, {950, 900, 500, 100}, 0},
    };
    for (const Case& ending : cases) {
        SCOPED_TRACE(ending.cause);
        HeadlessGame game;
        FrontEndPlayer player(game);
        GameApp& app = game.app;
        WriteHallOfFame({{"Old", 900}, {"Mid", 500}, {"Low", 100}});
        player.Frame();
        app.world->playerName = EncodeGlyphs("Ann");
        app.world->fame = ending.fame;
        app.world->saveSlot = 1;
        app.endOfGame[ending.endByte] = 1;
        // The map hands an ended game to the save step.
        app.SwitchState(SaveGameStateThunk, kPhaseSwitch);
        player.Frame();
        EXPECT_TRUE(app.stateHandler == RecordScoreStateThunk);
        EXPECT_EQ(app.world->storyMode, ending.story);
        player.Frame();
        ASSERT_TRUE(app.stateHandler == StoryStateThunk);

        std::vector<GlyphString> names;
        const std::vector<Place> stored = StoredPlaces(names);
        ASSERT_EQ(stored.size(), ending.scores.size());
        for (size_t i = 0; i < stored.size(); ++i) {
            EXPECT_EQ(stored[i].score, ending.scores[i]) << i;
            const bool isNew = static_cast<int>(i) == ending.newPlace;
            EXPECT_EQ(names[i] == EncodeGlyphs("Ann"), isNew) << i;
        }

        // The closing story ends in a fresh world and the hall of fame, read from the file.
        player.Frame();
        player.PressKey(kKeyReturn);
        ASSERT_TRUE(app.stateHandler == HallOfFameStateThunk);
        EXPECT_NE(app.world->playerName, EncodeGlyphs("Ann"));
        EXPECT_EQ(app.world->fame, 0);
        EXPECT_EQ(app.endOfGame[ending.endByte], 0);
        player.Frame();
        ASSERT_NE(app.hallOfFameScreen, nullptr);
        for (size_t i = 0; i < stored.size(); ++i) {
            EXPECT_EQ(app.hallOfFameScreen->score[i], ending.scores[i]) << i;
        }
        player.PressKey(kKeyEscape);
        EXPECT_TRUE(app.stateHandler == MainMenuStateThunk);
    }
}

TEST(HallOfFameRoad, AFullHallKeepsItsPlacesWhenTheScoreIsTooLow) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    WriteHallOfFame({{"A", 50}, {"B", 40}, {"C", 30}, {"D", 20}, {"E", 10}});
    player.Frame();
    app.world->fame = 5;
    app.world->saveSlot = 2;
    app.endOfGame[1] = 1;
    app.SwitchState(SaveGameStateThunk, kPhaseSwitch);
    player.Frame();
    player.Frame();
    EXPECT_EQ(app.world->madeHallOfFame, 0);
    std::vector<GlyphString> names;
    const std::vector<Place> stored = StoredPlaces(names);
    ASSERT_EQ(stored.size(), 5u);
    EXPECT_EQ(stored[4].score, 10);
    EXPECT_EQ(names[0], EncodeGlyphs("A"));
}

}  // namespace varn
