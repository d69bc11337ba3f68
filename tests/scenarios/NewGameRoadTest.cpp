#include <gtest/gtest.h>

#include "frontend/MainMenuScreen.h"
#include "frontend/PortraitScreen.h"
#include "frontend/SaveSlotScreen.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapView.h"
#include "support/FrontEndPlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

bool IsAt(const GameApp& app, StateThunk state) {
    return app.stateHandler == state;
}

}  // namespace

TEST(NewGameRoad, SlotNamePortraitAndStoryLeadToTheMap) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    player.Click(kMainMenuButtons, kMenuNewGame);
    ASSERT_TRUE(IsAt(app, NewGameSlotStateThunk));
    player.Frame();
    // With no saved game the first slot is offered.
    EXPECT_EQ(app.saveSlotScreen->chosenSlot, 1);
    player.Click(kSaveSlotButtons, 3);
    player.Click(kSaveSlotButtons, kSlotConfirm);
    ASSERT_TRUE(IsAt(app, NameEntryStateThunk));
    EXPECT_EQ(app.world->saveSlot, 3);

    player.Frame();
    EXPECT_EQ(app.saveSlotScreen, nullptr);
    player.Type("Annx");
    player.PressKey(kKeyBack);  // erases the last letter and stays
    ASSERT_TRUE(IsAt(app, NameEntryStateThunk));
    player.Type(" Lee");
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(IsAt(app, PortraitStateThunk));
    EXPECT_EQ(app.world->playerName, EncodeGlyphs("Ann Lee"));
    EXPECT_EQ(app.world->gold, 3000);
    EXPECT_EQ(app.world->storyMode, 1);

    // Back from the portraits finds the name as typed.
    player.PressKey(kKeyEscape);
    ASSERT_TRUE(IsAt(app, NameEntryStateThunk));
    EXPECT_EQ(app.nameLetters->Name(), EncodeGlyphs("Ann Lee"));
    player.PressKey(kKeyReturn);
    player.Frame();
    player.Click(kPortraitButtons, kPortraitSecond);
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(IsAt(app, StoryStateThunk));
    EXPECT_EQ(app.world->playerPortrait, 1);
    EXPECT_EQ(app.nameEntryScreen, nullptr);
    EXPECT_EQ(app.nameLetters, nullptr);

    player.Frame();
    player.Backend().SetKey(kKeyReturn, true);
    player.Frame();
    // The opening story's end is the hand-over to the map, which builds itself on its first
    // frame with the chosen face on the panel.
    EXPECT_TRUE(IsAt(app, MapStateThunk));
    EXPECT_EQ(app.storyScreen, nullptr);
    player.Frame();
    ASSERT_NE(app.mapScreen, nullptr);
    ASSERT_NE(app.mapView, nullptr);
    ASSERT_NE(app.controlPanel, nullptr);
    EXPECT_EQ(app.controlPanel->portrait, 1);
    EXPECT_EQ(app.mapScreen->playerCell, app.world->playerMapCell);
    EXPECT_EQ(app.world->playerName, EncodeGlyphs("Ann Lee"));
}

TEST(NewGameRoad, EscapeLeavesTheNameEntryWhileBackspaceOnlyErases) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    player.Click(kMainMenuButtons, kMenuNewGame);
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(IsAt(app, NameEntryStateThunk));
    player.Frame();
    // Enter with nothing typed (or only blanks) names nobody.
    player.Type("  ");
    player.PressKey(kKeyReturn);
    EXPECT_TRUE(IsAt(app, NameEntryStateThunk));
    for (int i = 0; i < 4; ++i) {
        player.PressKey(kKeyBack);
    }
    EXPECT_TRUE(IsAt(app, NameEntryStateThunk));
    player.PressKey(kKeyEscape);
    EXPECT_TRUE(IsAt(app, MainMenuStateThunk));
    EXPECT_EQ(app.nameEntryScreen, nullptr);
    EXPECT_EQ(app.world->gold, 0);
}

TEST(MainMenu, QuitButtonAndEscapeEndTheProgram) {
    {
        HeadlessGame game;
        FrontEndPlayer player(game);
        player.Frame();
        player.Click(kMainMenuButtons, kMenuQuit);
        EXPECT_EQ(game.app.quit, 1);
        EXPECT_EQ(game.app.Frame(), 0u);
    }
    HeadlessGame game;
    FrontEndPlayer player(game);
    player.Frame();
    HeadlessGame::backend().SetKey(kKeyEscape, true);
    player.Frame();
    EXPECT_EQ(game.app.quit, 1);
}

}  // namespace varn
