#include <gtest/gtest.h>

#include "app/GameApp.h"
#include "support/HeadlessGame.h"

namespace varn {

namespace {

class BackgroundMusicTest : public testing::Test {
  protected:
    const platform::HeadlessAudio& audio() { return HeadlessGame::backend().audio; }
    HeadlessGame game;
};

}  // namespace

TEST_F(BackgroundMusicTest, UpkeepStartsTheTrackInPlaceOfTheMidiAndRestartsItWhenItEnds) {
    game.app.UpkeepTrack();
    EXPECT_EQ(game.app.mp3State, 2);
    EXPECT_TRUE(audio().trackRunning);
    EXPECT_FALSE(audio().musicPlaying);
    EXPECT_EQ(audio().trackVolume, -700);

    // While it plays, upkeep leaves it alone.
    HeadlessGame::backend().audio.SetTrackPosition(42.0);
    game.app.UpkeepTrack();
    EXPECT_EQ(audio().trackPosition, 42.0);

    // Its end is an event: the next upkeep rewinds it and runs it again.
    HeadlessGame::backend().audio.FinishTrack();
    game.app.UpkeepTrack();
    EXPECT_EQ(game.app.mediaEventCode, 1);
    EXPECT_EQ(game.app.mp3State, 2);
    EXPECT_TRUE(audio().trackRunning);
    EXPECT_EQ(audio().trackPosition, 0.0);
}

TEST_F(BackgroundMusicTest, StopSilencesThePlayingTrackOnly) {
    game.app.StopTrack();
    EXPECT_EQ(game.app.mp3State, 0);
    game.app.UpkeepTrack();
    game.app.StopTrack();
    EXPECT_EQ(game.app.mp3State, 0);
    EXPECT_FALSE(audio().trackRunning);
}

TEST_F(BackgroundMusicTest, TheMenuTuneIsReloadedAndPlayedAtTheAskedVolume) {
    game.app.UpkeepTrack();
    game.app.RestartMenuMusic(60);
    EXPECT_EQ(audio().music, "Data\\Music.mid");
    EXPECT_TRUE(audio().musicPlaying);
    EXPECT_EQ(audio().musicVolume, -1280);
}

}  // namespace varn
