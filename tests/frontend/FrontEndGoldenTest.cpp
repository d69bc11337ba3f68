#include <gtest/gtest.h>

#include <fstream>
#include <span>

#include "engine/DataBlob.h"
#include "frontend/HallOfFameScreen.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PageButtons.h"
#include "frontend/PortraitScreen.h"
#include "frontend/SaveFiles.h"
#include "frontend/SaveSlotScreen.h"
#include "frontend/StoryScreen.h"
#include "support/FrontEndPlayer.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"
#include "world/HallOfFameImage.h"
#include "world/SaveImage.h"

namespace varn {

// The menu with the pointer over Load (drawn larger) and a notice from a refused load.
TEST(FrontEndGolden, MainMenu) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    game.app.notice = "The game in slot 2 could not be loaded.";
    const ButtonRect& load = kMainMenuButtons[1];
    player.PointAt(load.x + 20, load.y + 20);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "main-menu");
}

TEST(FrontEndGolden, HallOfFame) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameState record;
    const char* names[] = {"Ann Lee", "Bo", "Cyd"};
    const int32_t scores[] = {1250, 480, 7};
    for (size_t i = 0; i < 3; ++i) {
        record.hofUsed[i] = 1;
        record.hofScore[i] = scores[i];
        record.hofName[i] = EncodeGlyphs(names[i]);
    }
    DataBlob blob;
    blob.Alloc(kHallOfFameImageSize);
    WriteHallOfFameImage(record,
                         std::span<uint8_t, kHallOfFameImageSize>(blob.data, kHallOfFameImageSize));
    ASSERT_EQ(blob.SaveToFile(kHallOfFamePath), 1u);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuHallOfFame);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "hall-of-fame");
}

// No one has a score yet: a line says so, in place of five empty rows.
TEST(FrontEndGolden, HallOfFameEmpty) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuHallOfFame);
    player.Frame();
    ASSERT_NE(game.app.hallOfFameScreen, nullptr);
    EXPECT_TRUE(game.app.hallOfFameScreen->IsEmpty());
    ExpectMatchesGolden(HeadlessGame::backend().presented, "hall-of-fame-empty");
}

// A game under a long name in slot 2 and a damaged file in slot 3, the pointer over slot 4
// (drawn larger): every text stays inside its box.
TEST(FrontEndGolden, LoadSlots) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameState saved;
    saved.playerName = EncodeGlyphs("Sir Alwyn Mortimer Ox");
    saved.day = 150;
    DataBlob blob;
    blob.Alloc(kSaveImageSize);
    WriteSaveImage(saved, std::span<uint8_t, kSaveImageSize>(blob.data, kSaveImageSize));
    ASSERT_EQ(blob.SaveToFile(SaveSlotPath(2).c_str()), 1u);
    std::ofstream("Saves/3.save", std::ios::binary).write("\x09\0\0\0abc", 7);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuLoad);
    const ButtonRect& fourth = kSaveSlotButtons[3];
    player.PointAt(fourth.x + 20, fourth.y + 20);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "load-slots");
}

// The second portrait chosen, both in place: the glowing frame shows round it.
TEST(FrontEndGolden, PortraitChoice) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    player.Frame();
    player.Click(kMainMenuButtons, kMenuNewGame);
    player.Click(kSaveSlotButtons, kSlotConfirm);
    player.Frame();
    player.Type("Ann");
    player.PressKey(kKeyReturn);
    player.Frame();
    ASSERT_NE(game.app.portraitScreen, nullptr);
    player.Click(kPortraitButtons, kPortraitSecond);
    game.app.portraitScreen->slideOffset = 0;
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "portrait-choice");
}

// The opening story half risen: its lines are cut above the Next button, never under it.
TEST(FrontEndGolden, StoryRising) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    player.Frame();
    game.app.SwitchState(StoryStateThunk, kPhaseSwitch);
    player.Frame();
    ASSERT_NE(game.app.storyScreen, nullptr);
    game.app.storyScreen->rise = StoryScreen::kRiseDistance / 2;
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "story-rising");
}

// Music off, the map fast, the pointer over the battle movement's Fast (drawn larger).
TEST(FrontEndGolden, Options) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameState& world = *game.app.world;
    world.musicOn = 0;
    world.mapSpeed = kSpeedFast;
    world.battleSwingSpeed = kSpeedSlow;
    player.Frame();
    game.app.optionsFromMap = 1;
    game.app.SwitchState(OptionsStateThunk, kPhaseSwitch);
    const ButtonRect& fast = kOptionsButtons[kBattleMoveFast - 1];
    player.PointAt(fast.x + 10, fast.y + 10);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "options");
}

// The second of three pages: offered quests, one of them the story's, and quests under way,
// each with its giver and the giver's opening words.
TEST(FrontEndGolden, QuestLog) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameState& world = *game.app.world;
    world.questState = {};
    for (int quest = 1; quest <= 8; ++quest) {
        world.Quest(quest) = static_cast<uint8_t>(QuestState::Offered);
    }
    world.Quest(12) = static_cast<uint8_t>(QuestState::InProgress);
    world.Quest(31) = static_cast<uint8_t>(QuestState::Accepted);
    world.Quest(44) = static_cast<uint8_t>(QuestState::RewardReady);
    world.Quest(45) = static_cast<uint8_t>(QuestState::GoalMet);
    world.Quest(90) = static_cast<uint8_t>(QuestState::Solved);
    player.Frame();
    game.app.SwitchState(QuestLogStateThunk, kPhaseSwitch);
    player.Frame();
    // The first page: the taken quests, then the first offered one; the pointer off the text.
    player.PointAt(760, 60);
    player.Frame();
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-log");
}

}  // namespace varn
