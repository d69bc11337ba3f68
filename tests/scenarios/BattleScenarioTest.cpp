#include <gtest/gtest.h>

#include "battle/scenarios/ScenarioTables.h"
#include "map/MapScreen.h"
#include "support/BattleGame.h"

namespace varn {

TEST(BattleScenario, ARetreatCostsOneFameAndTheEnemyKeepsItsLosses) {
    for (const int32_t fame : {4, 0}) {
        SCOPED_TRACE(fame);
        BattleGame game;
        game.world().fame = fame;
        game.EnterBattle(5);
        game.ClickAway();  // the turn banner
        game.screen().enemyDown.fill(0);
        game.screen().enemyDown[0] = 40;
        game.ClickSideButton(kSideRetreat);
        EXPECT_EQ(game.screen().retreatAsked, 1);
        game.ClickSideButton(kSideRetreatYes);
        EXPECT_NE(game.screen().retreatConfirmed, 0);
        EXPECT_EQ(game.app.battleResult[0], 1) << "the day's moves are gone on the map";
        EXPECT_FALSE(game.screen().SideButtonAvailable(kSideRetreat));
        EXPECT_FALSE(game.screen().SideButtonAvailable(kSideQuit));

        game.PressKey(kKeyReturn);
        ASSERT_TRUE(game.OnMap());
        EXPECT_EQ(game.world().fame, fame == 0 ? 0 : fame - 1);
        const uint8_t expectedDown = static_cast<uint8_t>(40 / FindEnemySideRow(5)->enemyCount);
        EXPECT_EQ(game.world().CarryB(5), expectedDown);
    }
}

TEST(BattleScenario, ClearingTheEnemiesWinsPaysAndShowsTheSummaryBeforeLeaving) {
    BattleGame game;
    game.world().fame = 10;
    game.world().CarryA(1) = 3;
    const int32_t gold = game.world().gold;
    const int32_t experience = game.world().playerStats.experience;
    game.EnterBattle(1);
    game.ClickAway();
    game.screen().enemyPresent.fill(0);
    game.RunFrames(1);
    ASSERT_EQ(game.screen().won, 2);
    EXPECT_EQ(game.screen().victoryGrade, 3);
    EXPECT_EQ(game.world().gold, gold + 100);
    EXPECT_EQ(game.world().BattleSite(1), 0) << "the army leaves the map";
    EXPECT_EQ(game.app.music.segment, "Data\\Music3.mid");
    EXPECT_EQ(game.app.mp3State, 2) << "stopped but left marked, so the upkeep keeps it silent";

    // The retreat cannot be asked for any more: a won battle stays won.
    game.ClickSideButton(kSideRetreat);
    EXPECT_EQ(game.screen().retreatAsked, 0);
    EXPECT_EQ(game.screen().won, 3) << "the click only hid the field";

    game.ClickAway();
    ASSERT_TRUE(game.OnMap());
    EXPECT_EQ(game.world().fame, 13);
    EXPECT_EQ(game.world().CarryA(1), 0);
    EXPECT_EQ(game.world().playerStats.experience, experience + 70);
    EXPECT_EQ(game.world().gold, gold + 100) << "paid once";
}

TEST(BattleScenario, AnEnemysAttackLostMovesTheCommanderByItsRouteOnce) {
    BattleGame game;
    game.EnterBattle(5, 0, true);
    game.KeepOneDistantEnemy(2);
    game.EndTurnsUntilLost();
    ASSERT_EQ(game.screen().lost, 1);
    EXPECT_EQ(game.world().routePending, 2);
    EXPECT_EQ(game.app.battleToMap, 1);
    const uint8_t moves = game.world().playerMovesLeft;
    ASSERT_NE(moves, 0);
    game.PressAway();
    ASSERT_TRUE(game.OnMap());
    EXPECT_EQ(game.world().mapSnapshotState, 2) << "the map is to take its enemy phase back";

    game.LetGo();
    ASSERT_TRUE(game.app.mapScreen);
    EXPECT_EQ(game.world().mapSnapshotState, 0);
    EXPECT_EQ(game.world().routePending, 2) << "routed once";
    EXPECT_EQ(game.app.battleToMap, 0);
    EXPECT_EQ(game.app.mapScreen->playerMoves, moves) << "moved by its route: the moves stay";
}

TEST(BattleScenario, ABattleNumberWithoutAScenarioGoesBackToTheMapUntouched) {
    for (const uint8_t battle : {0, 74, 80, 94, 255}) {
        SCOPED_TRACE(battle);
        BattleGame game;
        game.world().battleId = battle;
        game.world().commanderIsPlayer = 1;
        game.world().inBattle = 1;
        const GameStateData before = game.world();
        game.app.SwitchState(BattleStateThunk, kPhaseSwitch);
        game.RunFrames(2);
        EXPECT_TRUE(game.OnMap());
        EXPECT_FALSE(game.app.battleScreen);
        EXPECT_TRUE(static_cast<const GameStateData&>(game.world()) == before);
    }
}

TEST(BattleScenario, TheFieldScrollsByKeysAndEdgesAndTheGridToggles) {
    BattleGame game;
    game.EnterBattle(1);
    game.ClickAway();
    BattleScreen& screen = game.screen();
    screen.cameraX = 0;
    screen.cameraY = 0;
    HeadlessGame::backend().SetKey(kKeyRight, true);
    game.RunFrames(20);
    HeadlessGame::backend().SetKey(kKeyRight, false);
    EXPECT_GT(screen.cameraX, 0);
    const int32_t x = screen.cameraX;
    game.MoveTo(400, 599);
    game.RunFrames(20);
    EXPECT_GT(screen.cameraY, 0);
    EXPECT_EQ(screen.cameraX, x);
    game.MoveTo(400, 300);

    game.ClickSideButton(kSideGrid);
    EXPECT_EQ(screen.gridOn, 1);
    game.ClickSideButton(kSideGrid);
    EXPECT_EQ(screen.gridOn, 0);
}

}  // namespace varn
