#include "app/GameApp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "engine/Settings.h"
#include "support/HeadlessGame.h"
#include "world/GameState.h"

namespace varn {

TEST(GameAppInit, LeavesTheMainMenuCurrentTheMidiPlayingAndTheTrackSilent) {
    HeadlessGame game;
    const platform::HeadlessAudio& audio = HeadlessGame::backend().audio;
    EXPECT_EQ(game.app.stateHandler, &MainMenuStateThunk);
    EXPECT_EQ(game.app.mp3State, 0);
    // The start-up sound once, quietly; the tune at 40, which is -1920; the track opened at -500.
    EXPECT_EQ(audio.effect, "Data\\Vibrate.wav");
    EXPECT_EQ(audio.effectVolume, -9500);
    EXPECT_EQ(audio.masterVolume, 1000);
    EXPECT_EQ(audio.music, "Data\\Music.mid");
    EXPECT_TRUE(audio.musicPlaying);
    EXPECT_EQ(audio.musicVolume, -1920);
    EXPECT_EQ(audio.track, "Data\\Bedlam.mp3");
    EXPECT_EQ(audio.trackVolume, -500);
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
    auto settings = std::make_unique<Settings>();
    auto world = std::make_unique<GameState>();
    const Settings* keptSettings = settings.get();
    const GameState* keptWorld = world.get();
    app.settings = std::move(settings);
    app.world = std::move(world);
    app.Init();
    EXPECT_EQ(app.settings.get(), keptSettings);
    EXPECT_EQ(app.world.get(), keptWorld);
    app.Cleanup();
}

TEST(GameAppInit, FailsWhenTheDisplayCannotBeOpened) {
    GameDataDir data;
    HeadlessGame::backend().Reset();
    HeadlessGame::backend().canOpenDisplay = false;
    GameApp app;
    EXPECT_EQ(app.Run(), 0u);
    EXPECT_EQ(app.world, nullptr);
}

TEST(GameAppLifetime, TheApplicationPointerDiesWithItsObject) {
    HeadlessGame::backend().Reset();
    {
        GameApp first;
        {
            GameApp second;
            EXPECT_EQ(g_app, &second);
        }
        EXPECT_EQ(g_app, nullptr);
    }
    // A destroyed window with no application left is still handled.
    EXPECT_EQ(AppWindowProc(platform::Message::Destroy), 0);
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
    game.app.Cleanup();
    EXPECT_EQ(game.app.world, nullptr);
    EXPECT_FALSE(HeadlessGame::backend().audio.IsOpen());
    // The harness cleans up a third time on its way out.
}

// The program may end in any state: the screen that state holds goes with the cleanup.
TEST(GameAppCleanup, FreesTheScreenOfTheStateItEndsIn) {
    const StateThunk states[] = {InformationStateThunk, CreditsStateThunk, OptionsStateThunk,
                                 QuestLogStateThunk};
    for (StateThunk state : states) {
        HeadlessGame game;
        game.RunFrames(1);
        game.app.SwitchState(state, kPhaseSwitch);
        game.RunFrames(1);
        const bool shown = game.app.infoScreen || game.app.creditsScreen ||
                           game.app.optionsScreen || game.app.questLogScreen;
        EXPECT_TRUE(shown);
        game.app.Cleanup();
        EXPECT_EQ(game.app.infoScreen, nullptr);
        EXPECT_EQ(game.app.creditsScreen, nullptr);
        EXPECT_EQ(game.app.optionsScreen, nullptr);
        EXPECT_EQ(game.app.questLogScreen, nullptr);
    }
}

TEST(AnsiToWide, ChecksItsArgumentsAndAlwaysTerminates) {
    wchar_t buffer[8];
    EXPECT_EQ(AnsiToWide(nullptr, "a", 8), kConvertInvalidArgument);
    EXPECT_EQ(AnsiToWide(buffer, nullptr, 8), kConvertInvalidArgument);
    EXPECT_EQ(AnsiToWide(buffer, "a", 0), kConvertInvalidArgument);

    EXPECT_EQ(AnsiToWide(buffer, "Data", 8), kConvertOk);
    EXPECT_EQ(std::wstring(buffer), L"Data");

    std::fill(std::begin(buffer), std::end(buffer), L'x');
    EXPECT_EQ(AnsiToWide(buffer, "Data\\Bedlam.mp3", 8), kConvertFailed);
    EXPECT_EQ(buffer[7], L'\0');
    EXPECT_EQ(std::wstring(buffer), L"Data\\Be");
}

}  // namespace varn
