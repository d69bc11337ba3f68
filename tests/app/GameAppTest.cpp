#include "app/GameApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/Settings.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

namespace {

// True when every line of expected appears in log, in this order (other lines may come between).
bool InOrder(const std::vector<std::string>& log, const std::vector<std::string>& expected) {
    auto at = log.begin();
    for (const std::string& line : expected) {
        at = std::find(at, log.end(), line);
        if (at == log.end()) {
            return false;
        }
        ++at;
    }
    return true;
}

}  // namespace

TEST(GameAppInit, BringsUpTheEngineInItsOrder) {
    HeadlessGame game;
    EXPECT_TRUE(
        InOrder(HeadlessGame::backend().log, {
                                                 "display.Open(800x600, full screen)",
                                                 "input.Create",
                                                 "input.Init(1)",
                                                 "input.Init(2)",
                                                 "window.ShowCursor(0)",
                                                 "texture.Load(Art\\Cursor2.bmp, 0xFF000000)",
                                                 "texture.Load(Art\\Cursor1.bmp, 0xFF000000)",
                                                 "font.Create(Arial, 16)",
                                                 "audio.Open(22050)",
                                                 "audio.SetMasterVolume(1000)",
                                                 "audio.LoadEffect(Data\\Vibrate.wav)",
                                                 "audio.SetEffectVolume(-9500)",
                                                 "audio.PlayEffect(1)",
                                                 "audio.SetMasterVolume(1000)",
                                                 "audio.LoadMusic(Data\\Music.mid)",
                                                 "audio.SetMusicVolume(-320)",
                                                 "audio.SetMusicVolume(-1920)",
                                                 "audio.PlayMusic(0)",
                                                 "audio.OpenTrack(Data\\Bedlam.mp3)",
                                                 "audio.SetTrackVolume(-500)",
                                             }));
}

TEST(GameAppInit, LeavesTheMainMenuCurrentTheMidiPlayingAndTheTrackSilent) {
    HeadlessGame game;
    const platform::HeadlessAudio& audio = HeadlessGame::backend().audio;
    EXPECT_EQ(game.app.stateHandler, &MainMenuStateThunk);
    EXPECT_EQ(game.app.mp3State, 0);
    EXPECT_EQ(audio.music, "Data\\Music.mid");
    EXPECT_TRUE(audio.musicPlaying);
    EXPECT_EQ(audio.track, "Data\\Bedlam.mp3");
    EXPECT_FALSE(audio.trackRunning);
    ASSERT_NE(game.app.settings, nullptr);
    ASSERT_NE(game.app.world, nullptr);
    // The world is a new game: its opening quests are on offer.
    EXPECT_EQ(game.app.world->Quest(1), 1);
}

TEST(GameAppInit, KeepsASettingsObjectAndWorldThatAlreadyExist) {
    GameDataDir data;
    HeadlessGame::backend().Reset();
    GameApp app;
    Settings* settings = new Settings();
    GameState* world = new GameState();
    app.settings = settings;
    app.world = world;
    app.Init();
    EXPECT_EQ(app.settings, settings);
    EXPECT_EQ(app.world, world);
    app.Cleanup();
}

TEST(GameAppCleanup, ReleasesEverythingAndIsHarmlessTwice) {
    HeadlessGame game;
    game.RunFrames(2);
    game.app.Cleanup();
    EXPECT_EQ(game.app.world, nullptr);
    EXPECT_EQ(game.app.settings, nullptr);
    EXPECT_EQ(game.app.device.GetDevice(), nullptr);
    EXPECT_FALSE(HeadlessGame::backend().audio.IsOpen());
    EXPECT_TRUE(HeadlessGame::backend().audio.track.empty());
    EXPECT_EQ(game.app.Cleanup(), 1u);
    // The harness cleans up a third time on its way out.
}

TEST(GameAppCleanup, WithNothingOwnedReleasesOnlyTheEngine) {
    HeadlessGame::backend().Reset();
    GameApp app;
    EXPECT_EQ(app.Cleanup(), 1u);
}

TEST(AnsiToWide, ChecksItsArgumentsAndAlwaysTerminates) {
    wchar_t buffer[8];
    EXPECT_EQ(AnsiToWide(nullptr, "a", 8), kConvertInvalidArgument);
    EXPECT_EQ(AnsiToWideChecked(buffer, nullptr, 8), kConvertInvalidArgument);
    EXPECT_EQ(AnsiToWideChecked(buffer, "a", 0), kConvertInvalidArgument);

    EXPECT_EQ(AnsiToWideChecked(buffer, "Data", 8), kConvertOk);
    EXPECT_EQ(std::wstring(buffer), L"Data");

    std::fill(std::begin(buffer), std::end(buffer), L'x');
    EXPECT_EQ(AnsiToWide(buffer, "Data\\Bedlam.mp3", 8), kConvertFailed);
    EXPECT_EQ(buffer[7], L'\0');
    EXPECT_EQ(std::wstring(buffer), L"Data\\Be");
}

}  // namespace varn
