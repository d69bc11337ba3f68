#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "frontend/MainMenuScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "support/FrontEndPlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

struct Options {
    uint8_t music;
    uint8_t sounds;
    uint8_t map;
    uint8_t battleMove;
    uint8_t battleSwing;

    bool operator==(const Options&) const = default;
};

Options OptionsOf(const GameState& world) {
    return {world.musicOn, world.soundsOn, world.mapSpeed, world.battleMoveSpeed,
            world.battleSwingSpeed};
}

// The player on the map opens the options from the side panel.
void OpenOptionsFromTheMap(GameApp& app, FrontEndPlayer& player) {
    app.SwitchState(MapStateThunk, kPhaseSwitch);
    player.Frame();
    app.optionsFromMap = 1;
    app.optionsFromBattle = 0;
    app.SwitchState(OptionsStateThunk, kPhaseSwitch);
    player.Frame();
}

void ChooseEveryOptionOffTheDefaults(FrontEndPlayer& player) {
    for (uint8_t button : {kSoundsOff, kMapFast, kBattleMoveSlow, kBattleSwingFast}) {
        player.Click(kOptionsButtons, button);
    }
}

int CountOf(const std::string& call) {
    const auto& log = HeadlessGame::backend().log;
    return static_cast<int>(std::count(log.begin(), log.end(), call));
}

const platform::HeadlessAudio& Audio() {
    return HeadlessGame::backend().audio;
}

}  // namespace

TEST(OptionsRoad, TheChoicesReachTheWorldByEveryWayBack) {
    enum class Way { Escape, Backspace, Enter, Button };
    for (Way way : {Way::Escape, Way::Backspace, Way::Enter, Way::Button}) {
        SCOPED_TRACE(static_cast<int>(way));
        HeadlessGame game;
        FrontEndPlayer player(game);
        GameApp& app = game.app;
        player.Frame();
        OpenOptionsFromTheMap(app, player);
        ASSERT_TRUE(app.stateHandler == OptionsStateThunk);
        ASSERT_NE(app.optionsScreen, nullptr);
        ChooseEveryOptionOffTheDefaults(player);
        switch (way) {
            case Way::Escape:
                player.PressKey(kKeyEscape);
                break;
            case Way::Backspace:
                player.PressKey(kKeyBack);
                break;
            case Way::Enter:
                player.PressKey(kKeyReturn);
                break;
            case Way::Button:
                player.Click(kOptionsButtons, kOptionsBack);
                break;
        }
        EXPECT_TRUE(app.stateHandler == MapStateThunk);
        EXPECT_EQ(app.optionsScreen, nullptr);
        EXPECT_EQ(app.optionsFromMap, 0);
        EXPECT_EQ(OptionsOf(*app.world), (Options{1, 0, 3, 1, 3}));
    }
}

TEST(OptionsRoad, TheOptionsAreSavedWithTheGameAndLoadedBack) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    app.world->saveSlot = 2;
    OpenOptionsFromTheMap(app, player);
    player.Click(kOptionsButtons, kMusicOff);
    ChooseEveryOptionOffTheDefaults(player);
    player.Click(kOptionsButtons, kOptionsBack);
    const Options chosen{0, 0, 3, 1, 3};
    ASSERT_EQ(OptionsOf(*app.world), chosen);

    app.saveQuitFromMap = 1;
    app.SwitchState(SaveQuitStateThunk, kPhaseSwitch);
    player.Frame();
    player.Click(kSaveQuitButtons, kSaveQuitYes);
    player.Frame();
    ASSERT_TRUE(app.stateHandler == MainMenuStateThunk);
    player.Frame();
    // Saved and quit: the menu's fresh world has the options of a new game.
    EXPECT_EQ(OptionsOf(*app.world), (Options{1, 1, 2, 2, 2}));

    player.Click(kMainMenuButtons, kMenuLoad);
    player.Click(kSaveSlotButtons, 2);
    player.Click(kSaveSlotButtons, kSlotConfirm);
    player.Frame();
    EXPECT_TRUE(app.notice.empty());
    EXPECT_EQ(OptionsOf(*app.world), chosen);
}

TEST(OptionsRoad, MusicOffStopsThePlayingTrackAndOnStartsItInPlaceOfTheTune) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    app.UpkeepTrack();  // the map plays the track
    ASSERT_TRUE(Audio().trackRunning);
    OpenOptionsFromTheMap(app, player);
    EXPECT_TRUE(Audio().trackRunning);

    player.Click(kOptionsButtons, kMusicOff);
    EXPECT_EQ(app.mp3State, 0);
    EXPECT_FALSE(Audio().trackRunning);
    const int stops = CountOf("audio.StopTrack()");
    player.Frame();
    EXPECT_EQ(CountOf("audio.StopTrack()"), stops);  // a silent track is not stopped again

    app.RestartMenuMusic(40);
    ASSERT_TRUE(Audio().musicPlaying);
    HeadlessGame::backend().audio.SetTrackPosition(1.5);
    player.Click(kOptionsButtons, kMusicOn);
    EXPECT_EQ(app.mp3State, 2);
    EXPECT_TRUE(Audio().trackRunning);
    EXPECT_EQ(Audio().trackPosition, 0.0);
    EXPECT_FALSE(Audio().musicPlaying);
}

// The map keeps the track up in every frame while the music is on, so the options are reached
// with it playing; a track that ends while they are open is taken up again by the next change.
TEST(OptionsRoad, TheTrackFollowsTheMusicOptionOnEveryChange) {
    enum class Track { Silent, Playing, EndedBeforeTheMap, EndsInTheOptions };
    struct Case {
        const char* name;
        uint8_t musicOn;
        Track track;
        uint8_t button;
        bool runningAfter;
        int runsByTheMap;
        int runsByTheChange;
    };
    const Case cases[] = {
        // A change while the track plays leaves it alone.
        {"playing, sounds off", 1, Track::Playing, kSoundsOff, true, 0, 0},
        // The map's upkeep takes up a track that ended or never started, before the options.
        {"ended before the map, map speed", 1, Track::EndedBeforeTheMap, kMapFast, true, 1, 0},
        {"silent before the map, sounds off", 1, Track::Silent, kSoundsOff, true, 1, 0},
        // Ended while the options are open: the change takes it up from its start.
        {"ends in the options, map speed", 1, Track::EndsInTheOptions, kMapFast, true, 0, 1},
        // With the music off the map leaves it, no change starts it, and a track still playing
        // is stopped.
        {"music off, speed", 0, Track::Silent, kBattleMoveFast, false, 0, 0},
        {"music off but playing", 0, Track::Playing, kBattleMoveFast, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HeadlessGame game;
        FrontEndPlayer player(game);
        GameApp& app = game.app;
        player.Frame();
        if (c.track != Track::Silent) {
            app.UpkeepTrack();
        }
        if (c.track == Track::EndedBeforeTheMap) {
            HeadlessGame::backend().audio.FinishTrack();
        }
        app.world->musicOn = c.musicOn;
        const int runsBefore = CountOf("audio.RunTrack()");
        OpenOptionsFromTheMap(app, player);
        EXPECT_EQ(CountOf("audio.RunTrack()") - runsBefore, c.runsByTheMap);
        if (c.track == Track::EndsInTheOptions) {
            HeadlessGame::backend().audio.FinishTrack();
        }
        const int runs = CountOf("audio.RunTrack()");
        player.Click(kOptionsButtons, c.button);
        EXPECT_EQ(Audio().trackRunning, c.runningAfter);
        EXPECT_EQ(app.mp3State, c.runningAfter ? 2 : 0);
        EXPECT_EQ(CountOf("audio.RunTrack()") - runs, c.runsByTheChange);
    }
}

}  // namespace varn
