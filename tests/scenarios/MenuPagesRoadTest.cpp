#include <gtest/gtest.h>

#include "frontend/CreditsScreen.h"
#include "frontend/InformationScreen.h"
#include "frontend/MainMenuScreen.h"
#include "frontend/PageButtons.h"
#include "frontend/QuestLogScreen.h"
#include "support/FrontEndPlayer.h"
#include "world/GameState.h"

namespace varn {

namespace {

bool IsAt(const GameApp& app, StateThunk state) {
    return app.stateHandler == state;
}

}  // namespace

TEST(MenuPagesRoad, TheInformationPagesTurnAndLeadBackToTheMenu) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    player.Frame();
    player.Click(kMainMenuButtons, kMenuInformation);
    ASSERT_TRUE(IsAt(app, InformationStateThunk));
    player.Frame();
    EXPECT_EQ(app.mainMenuScreen, nullptr);
    ASSERT_NE(app.infoScreen, nullptr);
    const int last = static_cast<int>(InformationPages().size()) - 1;

    player.Click(kPageButtons, kPagePrevious);  // not shown on the first page
    EXPECT_EQ(app.infoScreen->pages.page, 0);
    player.Click(kPageButtons, kPageNext);
    player.Click(kPageButtons, kPageNext);
    EXPECT_EQ(app.infoScreen->pages.page, 2);
    player.Click(kPageButtons, kPagePrevious);
    EXPECT_EQ(app.infoScreen->pages.page, 1);
    while (app.infoScreen->pages.page < last) {
        player.PressKey(kKeyReturn);
    }
    EXPECT_TRUE(IsAt(app, InformationStateThunk));
    player.PressKey(kKeyReturn);  // Enter on the last page: done
    EXPECT_TRUE(IsAt(app, MainMenuStateThunk));
    EXPECT_EQ(app.infoScreen, nullptr);

    // Shown again, the pages start from the first; Escape leaves at once.
    player.Click(kMainMenuButtons, kMenuInformation);
    player.Frame();
    EXPECT_EQ(app.infoScreen->pages.page, 0);
    player.PressKey(kKeyEscape);
    EXPECT_TRUE(IsAt(app, MainMenuStateThunk));
    EXPECT_EQ(app.quit, 0);  // the menu did not take the same Escape as its Quit
}

TEST(MenuPagesRoad, TheCreditsGoBackToTheMenuByEscapeBackspaceOrTheirButton) {
    enum class Way { Escape, Backspace, Button };
    for (Way way : {Way::Escape, Way::Backspace, Way::Button}) {
        SCOPED_TRACE(static_cast<int>(way));
        HeadlessGame game;
        FrontEndPlayer player(game);
        GameApp& app = game.app;
        player.Frame();
        player.Click(kMainMenuButtons, kMenuCredits);
        ASSERT_TRUE(IsAt(app, CreditsStateThunk));
        player.Frame();
        ASSERT_NE(app.creditsScreen, nullptr);
        player.PressKey(kKeyReturn);  // nothing to confirm
        ASSERT_TRUE(IsAt(app, CreditsStateThunk));
        switch (way) {
            case Way::Escape:
                player.PressKey(kKeyEscape);
                break;
            case Way::Backspace:
                player.PressKey(kKeyBack);
                break;
            case Way::Button:
                player.Click(kCreditsButtons, kCreditsBack);
                break;
        }
        EXPECT_TRUE(IsAt(app, MainMenuStateThunk));
        EXPECT_EQ(app.creditsScreen, nullptr);
        player.Frame();
        EXPECT_NE(app.mainMenuScreen, nullptr);
        EXPECT_EQ(app.quit, 0);
    }
}

TEST(MenuPagesRoad, TheQuestLogPagesThroughTheQuestsAndGoesBackToTheMap) {
    HeadlessGame game;
    FrontEndPlayer player(game);
    GameApp& app = game.app;
    GameState& world = *app.world;
    world.questState = {};
    for (int quest = 1; quest <= 25; ++quest) {
        world.Quest(quest) = static_cast<uint8_t>(QuestState::Solved);
    }
    world.Quest(60) = static_cast<uint8_t>(QuestState::Offered);
    app.SwitchState(MapStateThunk, kPhaseSwitch);
    player.Frame();
    app.SwitchState(QuestLogStateThunk, kPhaseSwitch);
    player.Frame();
    ASSERT_NE(app.questLogScreen, nullptr);
    const QuestLogScreen& log = *app.questLogScreen;
    ASSERT_EQ(log.pages.count, 6);
    EXPECT_EQ(log.entries.front(), (QuestLogEntry{60, QuestStage::Offered}));

    for (int click = 0; click < 6; ++click) {
        player.Click(kPageButtons, kPageNext);
    }
    EXPECT_EQ(log.pages.page, 5);
    player.Click(kPageButtons, kPagePrevious);
    EXPECT_EQ(log.pages.page, 4);
    player.Click(kPageButtons, kPageBack);
    EXPECT_TRUE(IsAt(app, MapStateThunk));
    EXPECT_EQ(app.questLogScreen, nullptr);

    // The log shows the quests as they stand when it opens, and Escape leaves it too.
    world.Quest(60) = static_cast<uint8_t>(QuestState::Accepted);
    app.SwitchState(QuestLogStateThunk, kPhaseSwitch);
    player.Frame();
    EXPECT_EQ(app.questLogScreen->entries.front(), (QuestLogEntry{60, QuestStage::Underway}));
    player.PressKey(kKeyEscape);
    EXPECT_TRUE(IsAt(app, MapStateThunk));
    EXPECT_EQ(app.questLogScreen, nullptr);
}

}  // namespace varn
