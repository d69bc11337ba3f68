#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "frontend/MainMenuScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "scenarios/FrontEndDriver.h"
#include "world/GameState.h"

namespace varn {

namespace {

// A game in play, as the map would leave it when the player opens the save-and-quit question.
void PlayUntilTheSaveQuestion(GameApp& app, uint8_t slot) {
    GameState& world = *app.world;
    world.saveSlot = slot;
    world.playerName = EncodeGlyphs("Ann");
    world.gold = 1234;
    world.day = 17;
    world.fame = 55;
    world.playerPortrait = 1;
    world.storyMode = 1;
    world.heroJoined[2] = 1;
    app.mapScrollX = 480;
    app.mapScrollY = 1200;
    app.saveQuitFromMap = 1;
    app.SwitchState(SaveQuitStateThunk, kPhaseSwitch);
}

// Through the load screen to the load step; returns in the frame after the load ran. The load
// screen marks which slots hold a file in the world (slotEmpty): what the world held before the
// load itself is taken when the slot has been chosen.
GameStateData LoadSlot(FrontEndDriver& player, const GameApp& app, uint8_t slot) {
    player.Click(kMainMenuButtons, kMenuLoad);
    player.Click(kSaveSlotButtons, slot);
    const GameStateData before = *app.world;
    player.Click(kSaveSlotButtons, kSlotConfirm);
    player.Frame();
    return before;
}

void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Container(uint32_t length, size_t bytes, uint8_t fill) {
    std::vector<uint8_t> file(4 + bytes, fill);
    for (int i = 0; i < 4; ++i) {
        file[static_cast<size_t>(i)] = static_cast<uint8_t>(length >> (8 * i));
    }
    return file;
}

}  // namespace

TEST(SaveLoadRoad, ASaveInSlotThreeLoadsBackFieldForField) {
    HeadlessGame game;
    FrontEndDriver player(game);
    GameApp& app = game.app;
    player.Frame();
    PlayUntilTheSaveQuestion(app, 3);
    GameStateData saved = *app.world;
    player.Frame();
    player.Click(kSaveQuitButtons, kSaveQuitYes);
    EXPECT_TRUE(app.stateHandler == SaveGameStateThunk);
    player.Frame();
    EXPECT_EQ(std::filesystem::file_size("Saves/3.save"), 70004u);
    EXPECT_TRUE(app.stateHandler == MainMenuStateThunk);
    player.Frame();
    // Saved and quit: the menu holds a fresh world.
    EXPECT_EQ(app.world->gold, 0);
    EXPECT_EQ(app.saveAndQuit, 0);

    app.mapScrollX = 0;
    app.mapScrollY = 0;
    const GameStateData beforeLoad = LoadSlot(player, app, 3);
    EXPECT_EQ(beforeLoad.slotEmpty[2], 0);
    saved.imageLoaded = 1;
    EXPECT_TRUE(static_cast<const GameStateData&>(*app.world) == saved);
    EXPECT_EQ(app.mapScrollX, 480);
    EXPECT_EQ(app.mapScrollY, 1200);
    EXPECT_TRUE(app.notice.empty());
}

TEST(SaveLoadRoad, ABadSaveIsRefusedWithTheWorldUntouchedAndANoticeOnTheMenu) {
    struct Case {
        const char* name;
        std::vector<uint8_t> file;  // empty: no file at all
    };
    const Case cases[] = {
        {"missing", {}},
        {"truncated", Container(70000, 1000, 0)},
        {"wrong length", Container(100, 100, 0)},
        {"corrupt", Container(70000, 70000, 0xFF)},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.name);
        HeadlessGame game;
        FrontEndDriver player(game);
        GameApp& app = game.app;
        if (!bad.file.empty()) {
            WriteFile("Saves/2.save", bad.file);
        }
        app.world->gold = 777;
        player.Frame();
        const GameStateData before = LoadSlot(player, app, 2);
        EXPECT_EQ(before.gold, 777);
        EXPECT_TRUE(app.stateHandler == MainMenuStateThunk);
        EXPECT_TRUE(static_cast<const GameStateData&>(*app.world) == before);
        EXPECT_EQ(app.notice, "The game in slot 2 could not be loaded.");
        player.Frame();
        EXPECT_EQ(app.notice, "The game in slot 2 could not be loaded.");
        // Leaving the menu puts the notice away.
        player.Click(kMainMenuButtons, kMenuHallOfFame);
        EXPECT_TRUE(app.notice.empty());
    }
}

TEST(SaveLoadRoad, ASaveThatCannotBeWrittenKeepsTheGameAndAsksAgain) {
    HeadlessGame game;
    FrontEndDriver player(game);
    GameApp& app = game.app;
    std::filesystem::create_directory("Saves/4.save");  // nothing can replace it
    player.Frame();
    PlayUntilTheSaveQuestion(app, 4);
    app.world->resumeBattle = 1;
    player.Frame();
    player.PressKey(kKeyReturn);
    EXPECT_TRUE(app.stateHandler == SaveQuitStateThunk);
    EXPECT_EQ(app.notice, "The game could not be saved in slot 4.");
    EXPECT_EQ(app.world->gold, 1234);
    EXPECT_EQ(app.saveAndQuit, 0);
    // No: play on; the battle saved as in progress is no longer to be resumed.
    player.PressKey(kKeyEscape);
    EXPECT_EQ(app.world->resumeBattle, 0);
    EXPECT_TRUE(app.notice.empty());
}

TEST(SaveLoadRoad, WhatKilledSavesLeftIsRemovedAtTheStartAndAtTheNextSave) {
    namespace fs = std::filesystem;
    const std::vector<uint8_t> half(100, 7);
    {
        GameDataDir data;
        WriteFile("Saves/2.save.tmp", half);
        WriteFile("Saves/HallOfFame.save.tmp", half);
        WriteFile("Saves/2.save", Container(70000, 70000, 0));
        platform::HeadlessBackend& backend = HeadlessGame::backend();
        backend.Reset();
        GameApp app;
        backend.CreateMainWindow(app.caption, app.x, app.y, app.width, app.height);
        app.hWnd = &backend;
        ASSERT_EQ(app.Init(), 1u);
        EXPECT_FALSE(fs::exists("Saves/2.save.tmp"));
        EXPECT_FALSE(fs::exists("Saves/HallOfFame.save.tmp"));
        EXPECT_EQ(fs::file_size("Saves/2.save"), 70004u) << "the last whole save stays";
        app.Cleanup();
    }
    HeadlessGame game;
    FrontEndDriver player(game);
    player.Frame();
    WriteFile("Saves/5.save.tmp", half);
    PlayUntilTheSaveQuestion(game.app, 1);
    player.Frame();
    player.Click(kSaveQuitButtons, kSaveQuitYes);
    player.Frame();
    EXPECT_TRUE(fs::exists("Saves/1.save"));
    EXPECT_FALSE(fs::exists("Saves/5.save.tmp"));
    EXPECT_FALSE(fs::exists("Saves/1.save.tmp"));
}

}  // namespace varn
