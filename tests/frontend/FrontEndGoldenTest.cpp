#include <gtest/gtest.h>

#include <span>

#include "engine/DataBlob.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/OptionsScreen.h"
#include "frontend/PageButtons.h"
#include "frontend/SaveFiles.h"
#include "support/FrontEndPlayer.h"
#include "support/GoldenImage.h"
#include "world/GameState.h"
#include "world/HallOfFameImage.h"

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

// The second of two pages: the quests still due a reward and the solved ones.
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
    player.Click(kPageButtons, kPageNext);
    ExpectMatchesGolden(HeadlessGame::backend().presented, "quest-log");
}

}  // namespace varn
