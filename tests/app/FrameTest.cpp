#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "app/GameApp.h"
#include "engine/KeyCodes.h"
#include "engine/Settings.h"
#include "support/GoldenImage.h"
#include "support/HeadlessGame.h"

namespace varn {

namespace {

class FrameTest : public testing::Test {
  protected:
    void SetUp() override { HeadlessGame::backend().presentAdvanceMs = 16; }
    HeadlessGame game;
};

// A game whose frames are scripted: the script runs before each frame of the real game.
class ScriptedGame : public GameApp {
  public:
    uint32_t Frame() override {
        ++frames;
        if (frames == escapeAtFrame) {
            platform::Headless()->SetKey(kKeyEscape, true);
        }
        return GameApp::Frame();
    }
    int frames = 0;
    int escapeAtFrame = 0;
};

}  // namespace

TEST_F(FrameTest, AStatesFirstFrameMeasuresNothingAndTheSecondMeasures) {
    game.RunFrames(1);
    EXPECT_EQ(game.app.frameMs, 0u);
    EXPECT_EQ(game.app.frameTimingOn, 1);
    game.RunFrames(1);
    EXPECT_EQ(game.app.frameMs, 16u);

    // Re-entering a state takes no measurement and keeps the last length.
    game.app.statePhase = 1;
    HeadlessGame::backend().presentAdvanceMs = 40;
    game.RunFrames(1);
    EXPECT_EQ(game.app.frameMs, 16u);
    game.RunFrames(1);
    EXPECT_EQ(game.app.frameMs, 40u);
}

TEST_F(FrameTest, TheFrameRateChangesOnlyOnceTheMeasuredFramesPassASecond) {
    // Frames 1 and 2 add nothing (nothing measured yet); from frame 3 each adds 16 ms, so the
    // sum first passes 1000 ms at frame 65, which is counted in the finished second.
    game.RunFrames(64);
    EXPECT_EQ(game.app.fps, 0);
    // Frame 65 resets the count and itself lasts longer than a second: alone in the next
    // second's count, it makes a rate of 1.
    HeadlessGame::backend().presentAdvanceMs = 1500;
    game.RunFrames(1);
    EXPECT_EQ(game.app.fps, 65);
    game.RunFrames(1);
    EXPECT_EQ(game.app.fps, 1);
}

TEST_F(FrameTest, TheSecondsInStateCountWholeSecondsFromTheStatesStart) {
    HeadlessGame::backend().presentAdvanceMs = 400;
    game.RunFrames(3);  // the clock read at 0, 400 and 800 ms
    EXPECT_EQ(game.app.stateSeconds, 0u);
    game.RunFrames(1);  // 1200 ms
    EXPECT_EQ(game.app.stateSeconds, 1u);
    game.app.statePhase = 1;
    game.RunFrames(1);
    EXPECT_EQ(game.app.stateSeconds, 0u);
}

TEST(MainMenuFrame, EscapeEndsTheProgramAfterThatFrameIsPresented) {
    GameDataDir data;
    HeadlessGame::backend().Reset();
    ScriptedGame app;
    app.escapeAtFrame = 5;
    EXPECT_EQ(app.Run(), 1u);
    EXPECT_EQ(app.frames, 5);
    EXPECT_EQ(HeadlessGame::backend().presentCount, 5);
    EXPECT_EQ(app.quit, 1);
    EXPECT_EQ(app.world, nullptr);  // cleaned up
}

TEST(MainMenuFrame, DrawsTheFrameRateWhenTheFirstSettingIsNonzero) {
    static constexpr uint16_t kRateColour = platform::ToR5G6B5(0xFFF582F5);
    auto rateColourRows = [](const platform::BackBuffer& frame) {
        int rows = 0;
        for (int y = 0; y < frame.height; ++y) {
            const uint16_t* row = frame.Row(y);
            if (std::find(row, row + frame.width, kRateColour) != row + frame.width) {
                ++rows;
            }
        }
        return rows;
    };
    {
        HeadlessGame game;
        game.RunFrames(1);
        EXPECT_EQ(rateColourRows(HeadlessGame::backend().presented), 0);
    }
    GameDataDir data;
    std::ofstream("Data/data1.txt") << "1 0 0 0 0 0 0 0 0 0\n";
    HeadlessGame::backend().Reset();
    GameApp app;
    HeadlessGame::backend().CreateMainWindow(app.caption, 0, 0, 600, 480);
    app.hWnd = &HeadlessGame::backend();
    app.Init();
    app.Frame();
    const platform::BackBuffer& frame = HeadlessGame::backend().presented;
    EXPECT_GT(rateColourRows(frame), 5);
    // The text stands in its box at the top of the screen.
    for (int y = 40; y < frame.height; ++y) {
        const uint16_t* row = frame.Row(y);
        EXPECT_EQ(std::find(row, row + frame.width, kRateColour), row + frame.width) << y;
    }
    app.Cleanup();
}

TEST_F(FrameTest, TheFirstFrameShowsTheMainMenuAndThePointerAtItsStart) {
    game.RunFrames(1);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "first-frame");
}

// The leave rule's table: what a switch of each phase asks of the leaving state, and whether the
// next state runs its entry block. A phase that is not a switch asks nothing.
TEST_F(FrameTest, EveryPhaseOfASwitchTellsTheLeavingStateWhatToDo) {
    struct Case {
        uint8_t phase;
        Leave leave;
        bool entry;
    };
    const Case cases[] = {
        {kPhaseRunning, Leave::KeepScreen, false}, {kPhaseSwitch, Leave::Free, true},
        {kPhaseWriteBack, Leave::WriteBack, true}, {kPhaseKeepScreen, Leave::KeepScreen, true},
        {kPhaseAfterSaveQuit, Leave::Free, true},
    };
    GameApp& app = game.app;
    game.RunFrames(1);
    EXPECT_EQ(app.Leaving(), Leave::Stay);
    for (const Case& c : cases) {
        app.SwitchState(MainMenuStateThunk, c.phase);
        EXPECT_EQ(app.Leaving(), c.leave) << +c.phase;
        EXPECT_EQ(app.LeavingFrees(), c.leave == Leave::Free || c.leave == Leave::WriteBack);
        EXPECT_EQ(app.Entering(), c.entry) << +c.phase;
        game.RunFrames(1);
        EXPECT_EQ(app.Leaving(), Leave::Stay) << "a switch counts in its own frame only";
    }
    // The main menu's new-game press is no switch until the menu makes one.
    app.statePhase = kPhaseNewGame;
    EXPECT_EQ(app.Leaving(), Leave::Stay);
}

}  // namespace varn
