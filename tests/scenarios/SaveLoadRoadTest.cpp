#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "engine/DataBlob.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/SaveFiles.h"
#include "frontend/SaveQuitDialog.h"
#include "frontend/SaveSlotScreen.h"
#include "support/FrontEndPlayer.h"
#include "world/GameState.h"
#include "world/SaveImage.h"

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
GameStateData LoadSlot(FrontEndPlayer& player, const GameApp& app, uint8_t slot) {
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

// A whole save file of the world, as the save writes it.
std::vector<uint8_t> SaveOf(const GameState& world) {
    std::vector<uint8_t> file = Container(kSaveImageSize, 0, 0);
    file.resize(4 + kSaveImageSize);
    WriteSaveImage(world, std::span<uint8_t, kSaveImageSize>(file.data() + 4, kSaveImageSize));
    return file;
}

// Whether the load takes the game in a slot: through the load screen, back on the menu when not.
bool LoadTakes(FrontEndPlayer& player, GameApp& app, uint8_t slot) {
    LoadSlot(player, app, slot);
    const bool taken = app.stateHandler != MainMenuStateThunk;
    EXPECT_EQ(app.notice.empty(), taken);
    return taken;
}

// The load screen's verdict on each slot.
std::vector<SlotVerdict> VerdictsShown(FrontEndPlayer& player, GameApp& app) {
    player.Click(kMainMenuButtons, kMenuLoad);
    player.Frame();
    std::vector<SlotVerdict> verdicts;
    for (const SlotSummary& slot : app.saveSlotScreen->slots) {
        verdicts.push_back(slot.verdict);
    }
    player.Click(kSaveSlotButtons, kSlotBack);
    return verdicts;
}

}  // namespace

// Each slot says what the load makes of it: a whole game by its player's name and day, no file
// as empty, and anything the load refuses (an empty file, a cut one, one too long, a folder) as
// damaged.
TEST(SaveLoadRoad, TheSlotsSayWhatTheLoadMakesOfThem) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    app.world->playerName = EncodeGlyphs("Ann");
    app.world->day = 17;
    const std::vector<uint8_t> valid = SaveOf(*app.world);
    app.world->day = 1;
    WriteFile("Saves/1.save", {});                                                    // empty
    WriteFile("Saves/2.save", std::vector<uint8_t>(valid.begin(), valid.end() - 9));  // cut
    WriteFile("Saves/3.save", Container(kSaveImageSize + 4, kSaveImageSize + 4, 0));  // too long
    std::filesystem::create_directory("Saves/4.save");
    WriteFile("Saves/5.save", valid);

    const std::vector<SlotVerdict> shown = VerdictsShown(player, app);
    EXPECT_EQ(shown, (std::vector<SlotVerdict>{SlotVerdict::Damaged, SlotVerdict::Damaged,
                                               SlotVerdict::Damaged, SlotVerdict::Damaged,
                                               SlotVerdict::Saved}));
    EXPECT_EQ(app.world->slotEmpty, (std::array<uint8_t, kSaveSlotCount>{1, 1, 1, 1, 0}));
    player.Click(kMainMenuButtons, kMenuLoad);
    player.Frame();
    EXPECT_EQ(app.saveSlotScreen->slots[4].playerName, "Ann");
    EXPECT_EQ(app.saveSlotScreen->slots[4].day, 17);
    player.Click(kSaveSlotButtons, kSlotBack);
    for (uint8_t slot = 1; slot <= 4; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_FALSE(LoadTakes(player, app, slot));
        player.Frame();
    }

    // No file at all: empty, and OK there does nothing: the load screen stays, with no notice,
    // until a slot with a game is chosen.
    std::filesystem::remove_all("Saves/4.save");
    EXPECT_EQ(VerdictsShown(player, app)[3], SlotVerdict::Empty);
    const GameStateData before = LoadSlot(player, app, 4);
    EXPECT_TRUE(app.stateHandler == LoadSlotsStateThunk);
    EXPECT_TRUE(app.notice.empty());
    EXPECT_TRUE(static_cast<const GameStateData&>(*app.world) == before);
    player.PressKey(kKeyReturn);
    EXPECT_TRUE(app.stateHandler == LoadSlotsStateThunk);
    player.Click(kSaveSlotButtons, 5);
    player.Click(kSaveSlotButtons, kSlotConfirm);
    player.Frame();
    EXPECT_TRUE(app.notice.empty());
    EXPECT_EQ(app.world->day, 17);
}

// A game loaded from a slot is saved back into that slot, whatever slot its image names (none,
// another or the same).
// A load does not bring the Day box back: the game saved and quit with the box closed opens
// without it, one saved while it was up opens with it; a new game opens on it.
TEST(SaveLoadRoad, ALoadLeavesTheDayBoxAsItWasAndANewGameOpensOnIt) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    for (const uint8_t shown : {0, 1}) {
        SCOPED_TRACE(int{shown});
        PlayUntilTheSaveQuestion(app, 2);
        app.mapDrawFlag = shown;
        player.Frame();
        player.Click(kSaveQuitButtons, kSaveQuitYes);
        player.Frame();
        ASSERT_TRUE(app.stateHandler == MainMenuStateThunk);
        player.Frame();
        ASSERT_TRUE(LoadTakes(player, app, 2));
        EXPECT_EQ(app.mapDrawFlag, shown);
    }
    app.mapDrawFlag = 0;
    app.SwitchState(NameEntryStateThunk, kPhaseSwitch);
    player.Frame();
    player.Type("Ann");
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(app.stateHandler == PortraitStateThunk);
    EXPECT_EQ(app.mapDrawFlag, 1);
}

TEST(SaveLoadRoad, AGameLoadedFromASlotIsSavedBackIntoIt) {
    for (const uint8_t imageSlot : {3, 0, 1}) {
        SCOPED_TRACE(int{imageSlot});
        HeadlessGame game;
        FrontEndPlayer player(game);
        GameApp& app = game.app;
        player.Frame();
        app.world->saveSlot = imageSlot;
        app.world->gold = 4321;
        WriteFile("Saves/1.save", SaveOf(*app.world));
        WriteFile("Saves/3.save", Container(4, 4, 7));  // another game's file, left alone
        ASSERT_TRUE(LoadTakes(player, app, 1));
        EXPECT_EQ(app.world->saveSlot, 1);
        app.world->gold = 5555;
        app.SwitchState(SaveGameStateThunk, kPhaseSwitch);
        player.Frame();
        EXPECT_TRUE(app.notice.empty()) << app.notice;

        DataBlob blob;
        GameState saved;
        ASSERT_TRUE(ReadSlotFile(blob, 1) && TakeSavedGame(blob, saved));
        EXPECT_EQ(saved.gold, 5555);
        EXPECT_EQ(saved.saveSlot, 1);
        EXPECT_EQ(std::filesystem::file_size("Saves/3.save"), 8u);
    }
}

TEST(SaveLoadRoad, ASaveInSlotThreeLoadsBackFieldForField) {
    HeadlessGame game;
    FrontEndPlayer player(game);
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
        std::vector<uint8_t> file;
    };
    const Case cases[] = {
        {"empty file", Container(0, 0, 0)},
        {"truncated", Container(70000, 1000, 0)},
        {"wrong length", Container(100, 100, 0)},
        {"corrupt", Container(70000, 70000, 0xFF)},
    };
    for (const Case& bad : cases) {
        SCOPED_TRACE(bad.name);
        HeadlessGame game;
        FrontEndPlayer player(game);
        GameApp& app = game.app;
        WriteFile("Saves/2.save", bad.file);
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
    FrontEndPlayer player(game);
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
    FrontEndPlayer player(game);
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
