#include <gtest/gtest.h>

#include <utility>

#include <algorithm>
#include <tuple>

#include "engine/Owned.h"
#include "frontend/OptionsScreen.h"
#include "frontend/SaveQuitDialog.h"
#include "map/MapPlaceTables.h"
#include "support/FrontEndPlayer.h"
#include "support/GoldenImage.h"
#include "support/MapPlayer.h"
#include "world/MapCells.h"

namespace varn {

namespace {

// A new game on the map, its first Day box put away.
class MapRoad : public testing::Test {
  protected:
    void Enter() {
        player.EnterMap();
        player.PressKey(kKeyReturn);
    }
    MapScreen& Screen() { return *game.app.mapScreen; }
    GameState& World() { return *game.app.world; }

    // The world as the map leaves it, through the save-and-quit question.
    GameStateData LeaveBySaveQuit() {
        player.PressKey(kKeyEscape);
        EXPECT_EQ(game.app.stateHandler, SaveQuitStateThunk);
        return World();
    }

    HeadlessGame game;
    MapPlayer player{game};
};

TEST_F(MapRoad, APathDrawnByClicksIsWalkedOnEnter) {
    Enter();
    const int32_t startX = Screen().walkX;
    const int32_t startY = Screen().walkY;
    player.DrawPlayerPath(startX + 80, startY + 40);
    ASSERT_EQ(Screen().walkState, 1);
    EXPECT_EQ(Screen().pathCount, 2);
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(player.RunUntil([&] { return Screen().walkState == 0; }));
    EXPECT_EQ(Screen().walkX, startX + 80);
    EXPECT_EQ(Screen().walkY, startY + 40);
    EXPECT_EQ(Screen().playerMoves, kMovesPerDay - 2);
    const GameStateData left = LeaveBySaveQuit();
    EXPECT_EQ(left.playerMapCell, MapCellAt(startX + 80, startY + 40));
    EXPECT_EQ(left.playerMovesLeft, kMovesPerDay - 2);
    // The question's No finds the map as it was left, nothing copied in again.
    EXPECT_NE(game.app.mapScreen, nullptr);
}

TEST_F(MapRoad, TheBarWalksTheDrawnPathArmsTheLookAndIsGoneWithTheSelection) {
    Enter();
    const int32_t startX = Screen().walkX;
    const int32_t startY = Screen().walkY;
    player.DrawPlayerPath(startX + 80, startY);
    ASSERT_EQ(Screen().walkState, 1);
    player.ClickBar(kBarMove);
    ASSERT_TRUE(player.RunUntil([&] { return Screen().walkState == 0; }));
    EXPECT_EQ(Screen().walkX, startX + 80);

    player.ClickCell(Screen().walkX, Screen().walkY);
    ASSERT_NE(Screen().playerSelected, 0);
    player.ClickBar(kBarLook);
    EXPECT_NE(Screen().lookMode, 0);
    player.PressKey(kKeyReturn);

    // Hiding the panel lets go of the player: where the bar stood is the map again.
    player.ClickPanel(kHideShowButton);
    ASSERT_EQ(Screen().playerSelected, 0);
    player.ClickBar(kBarLook);
    EXPECT_EQ(Screen().lookMode, 0);
    EXPECT_EQ(Screen().barButtons.Look(kBarLook), kButtonNormal);
}

TEST_F(MapRoad, AGoldPileIsPickedUpAndItsBoxClosesOnEnter) {
    int32_t pileX = 0;
    int32_t pileY = 0;
    ASSERT_TRUE(MapCellCorner(kPileCells[0], pileX, pileY));
    World().playerMapCell = MapCellAt(pileX - 40, pileY);
    const int32_t gold = World().gold;
    Enter();
    player.DrawPlayerPath(pileX, pileY);
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(player.RunUntil([&] { return Screen().foundBox == 2; }));
    EXPECT_EQ(World().gold, gold + 50);
    EXPECT_EQ(Screen().pileActive[0], 0);
    EXPECT_EQ(MapPlayer::Backend().audio.effect, "Data\\Coin.wav");
    player.PressKey(kKeyReturn);
    EXPECT_EQ(Screen().foundBox, 0);
    EXPECT_EQ(LeaveBySaveQuit().pileActive[0], 0);
}

TEST_F(MapRoad, TheEndOfADayRestoresMovesAddsIncomeAndOpensQuests) {
    World().Quest(1) = 7;
    World().TownOwned(1) = 1;
    World().VillageJoined(2) = 1;
    Enter();
    player.DrawPlayerPath(Screen().walkX + 40, Screen().walkY);
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(player.RunUntil([&] { return Screen().walkState == 0; }));
    ASSERT_EQ(Screen().playerMoves, kMovesPerDay - 1);
    const int32_t gold = World().gold;
    player.EndDay();
    EXPECT_EQ(World().day, 2);
    EXPECT_EQ(Screen().dayShown, 2);
    // A town pays 20 a day and a village 10, besides what a new game already owns.
    EXPECT_GE(World().dailyIncome, 30);
    EXPECT_EQ(World().gold, gold + World().dailyIncome);
    EXPECT_EQ(Screen().playerMoves, kMovesPerDay);
    EXPECT_EQ(World().playerMovesLeft, kMovesPerDay);
    EXPECT_EQ(World().Quest(2), 1);
    // No army moved: the recovery came in the same frame and the Day box is up again.
    EXPECT_EQ(game.app.healPending, 0);
    EXPECT_EQ(game.app.mapDrawFlag, 1);
}

TEST_F(MapRoad, ADatedWarningShowsOnItsDayAndEnterPutsItAway) {
    World().day = 18;
    // The palace's invader, due any day after day 10, would announce itself over the warning.
    World().Quest(6) = 2;
    Enter();
    player.EndDay();
    EXPECT_EQ(World().day, 19);
    EXPECT_EQ(Screen().eventId, 3);
    EXPECT_EQ(World().Quest(77), 2);
    EXPECT_EQ(game.app.mapDrawFlag, 0);
    player.PressKey(kKeyReturn);
    EXPECT_EQ(Screen().eventId, 0);
    EXPECT_EQ(game.app.mapDrawFlag, 1);
}

TEST_F(MapRoad, AnInvaderMarchesInTheEnemyPhase) {
    World().day = 10;
    Enter();
    player.ClickPanel(kEndDayButton);
    ASSERT_EQ(World().BattleSite(81), 1);
    const int32_t startX = Screen().armyX[80];
    const int32_t startY = Screen().armyY[80];
    EXPECT_EQ(Screen().eventId, 1);
    // Its four steps of the day walked, the phase waits for the player to read the news.
    ASSERT_TRUE(player.RunUntil([&] { return Screen().enemyPhase == kEnemyPhaseSettle; }));
    EXPECT_NE(std::tuple(Screen().armyX[80], Screen().armyY[80]), std::tuple(startX, startY));
    EXPECT_EQ(Screen().armyDone[80], 1);
    EXPECT_GT(World().enemyMoveFrames, 0);
    // The view followed the army: it stands at the view's centre less 400 down.
    const int32_t viewedX = game.app.mapView->scrollX + 400;
    EXPECT_GE(viewedX, std::min(startX, Screen().armyX[80]));
    EXPECT_LE(viewedX, std::max(startX, Screen().armyX[80]));
    player.PressKey(kKeyReturn);
    EXPECT_EQ(Screen().enemyPhase, kEnemyPhaseOff);
    EXPECT_EQ(game.app.healPending, 0);
}

TEST_F(MapRoad, LeavingAndEnteringAgainLeavesTheWorldAsItWas) {
    World().day = 10;
    Enter();
    player.EndDay();
    player.DrawPlayerPath(Screen().walkX + 40, Screen().walkY + 40);
    player.PressKey(kKeyReturn);
    ASSERT_TRUE(player.RunUntil([&] { return Screen().walkState == 0; }));
    const GameStateData first = LeaveBySaveQuit();
    EXPECT_EQ(first.mapSnapshotState, kSnapshotWaiting);

    FreeOwned(game.app.mapScreen);
    player.EnterMap();
    EXPECT_EQ(World().mapSnapshotState, 0);
    EXPECT_EQ(Screen().armyX[80], first.mapEntityA[80]);
    const GameStateData second = LeaveBySaveQuit();
    EXPECT_TRUE(first == second);
}

TEST_F(MapRoad, ThePanelLeadsToTheOptionsTheQuestLogAndTheQuestionAndBack) {
    Enter();
    GameApp& app = game.app;
    FrontEndPlayer front(game);

    // The options: the map is written back and built again on the way back.
    player.ClickPanel(kOptionsButton);
    ASSERT_TRUE(app.stateHandler == OptionsStateThunk);
    EXPECT_EQ(app.optionsFromMap, 1);
    EXPECT_EQ(app.mapScreen, nullptr);
    EXPECT_EQ(World().mapSnapshotState, kSnapshotWaiting);
    front.Click(kOptionsButtons, kMapFast);
    front.Click(kOptionsButtons, kOptionsBack);
    ASSERT_TRUE(app.stateHandler == MapStateThunk);
    player.Frame();
    ASSERT_NE(app.mapScreen, nullptr);
    EXPECT_EQ(World().mapSpeed, kSpeedFast);
    EXPECT_EQ(app.optionsFromMap, 0);

    // The quest log, and Escape back.
    player.ClickPanel(kQuestLogButton);
    ASSERT_TRUE(app.stateHandler == QuestLogStateThunk);
    player.PressKey(kKeyEscape);
    ASSERT_TRUE(app.stateHandler == MapStateThunk);
    EXPECT_NE(app.mapScreen, nullptr);

    // The save-and-quit question keeps the map screen, and No finds it as it was.
    const MapScreen* kept = app.mapScreen.get();
    player.ClickPanel(kQuitButton);
    ASSERT_TRUE(app.stateHandler == SaveQuitStateThunk);
    EXPECT_EQ(app.saveQuitFromMap, 1);
    EXPECT_EQ(app.mapScreen.get(), kept);
    front.Click(kSaveQuitButtons, kSaveQuitNo);
    ASSERT_TRUE(app.stateHandler == MapStateThunk);
    EXPECT_EQ(app.mapScreen.get(), kept);
    EXPECT_EQ(World().quitFromBattle, 0);
}

TEST_F(MapRoad, NewGameMapFrameMatchesItsGoldenImage) {
    player.EnterMap();
    ExpectMatchesGolden(MapPlayer::Backend().presented, "map-state-new-game");
}

}  // namespace

}  // namespace varn
