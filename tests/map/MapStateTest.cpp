#include <gtest/gtest.h>

#include "engine/Owned.h"
#include "support/MapPlayer.h"

namespace varn {

namespace {

class MapState : public testing::Test {
  protected:
    MapScreen& Screen() { return *game.app.mapScreen; }
    GameState& World() { return *game.app.world; }

    // The map left as a battle's switch leaves it, then entered again.
    void LeaveAndEnter() {
        LeaveMap(game.app);
        player.EnterMap();
    }

    HeadlessGame game;
    MapPlayer player{game};
};

TEST_F(MapState, APhaseResumedAfterABattleMovesNoArmyTwice) {
    World().day = 22;
    World().Quest(77) = 2;
    player.EnterMap();
    player.PressKey(kKeyReturn);
    player.ClickPanel(kEndDayButton);
    ASSERT_TRUE(player.RunUntil([&] { return Screen().currentMover == 81; }));
    ASSERT_EQ(Screen().armyDone[80], 1);
    const int32_t doneX = Screen().armyX[80];
    const int32_t doneY = Screen().armyY[80];
    Screen().armyMoves[81] = 2;
    LeaveAndEnter();
    EXPECT_EQ(Screen().currentMover, 81);
    EXPECT_EQ(Screen().armyDone[80], 1);
    EXPECT_EQ(World().mapSnapshotState, 0);
    // The interrupted army finishes its day; the one that had moved does not move again.
    ASSERT_TRUE(player.RunUntil([&] {
        return Screen().enemyPhase == kEnemyPhaseSettle || Screen().enemyPhase == kEnemyPhaseOff;
    }));
    EXPECT_EQ(Screen().armyDone[81], 1);
    EXPECT_EQ(Screen().currentMover, 81);
    EXPECT_EQ(std::tuple(Screen().armyX[80], Screen().armyY[80]), std::tuple(doneX, doneY));
}

TEST_F(MapState, EveryRestoredSnapshotByteIsWrittenOnLeave) {
    player.EnterMap();
    World().battleStartBytes[0] = 9;
    Screen().enemyMetCharacter = 1;
    Screen().enemyPlanStep = 3;
    Screen().armyDone[99] = 1;
    LeaveMap(game.app);
    EXPECT_EQ(World().moverLegBytes()[2], 1);
    EXPECT_EQ(World().mapWorkBytes()[2], 3);
    EXPECT_EQ(World().battleStartBytes[0], 0);
    EXPECT_EQ(World().movingArmyDone[19], 1);
    EXPECT_EQ(World().mapSnapshotState, kSnapshotWaiting);
    EXPECT_EQ(game.app.mapScreen, nullptr);
}

TEST_F(MapState, AnEntryWithoutAMovingArmyStartsNoEnemyPhase) {
    World().mapSnapshotState = kSnapshotWaiting;
    World().currentEntity = 0;
    player.EnterMap();
    EXPECT_EQ(Screen().enemyPhase, kEnemyPhaseOff);
    const int32_t x = Screen().armyX[0];
    player.Frames(5);
    EXPECT_EQ(Screen().armyX[0], x);
}

TEST_F(MapState, TheTrackStaysSilentAfterABattleWhileMusicIsOff) {
    World().musicOn = 0;
    World().restartMusicOnMap = 1;
    World().villageOrTowerEntered = 1;
    World().mapSnapshotState = kSnapshotWaiting;
    player.EnterMap();
    EXPECT_FALSE(MapPlayer::Backend().audio.trackRunning);
    EXPECT_EQ(World().restartMusicOnMap, 0);
    EXPECT_EQ(World().villageOrTowerEntered, 0);
}

TEST_F(MapState, ArrivalFlagsAndTheLookClickLastOneFrame) {
    player.EnterMap();
    // A meeting under way refuses the palace: the flag must not open it a frame later.
    Screen().palaceEntered = 1;
    Screen().tradeMode = 2;
    Screen().lookClick = 1;
    player.Frame();
    EXPECT_EQ(Screen().palaceEntered, 0);
    EXPECT_EQ(Screen().lookClick, 0);
    // A village reached by hero 3: the hero, the village's number and the village state are
    // handed over, and the map is left in the same frame.
    Screen().tradeMode = 0;
    Screen().villageEntered = 1;
    Screen().villageNumber = 4;
    Screen().playerArrived = 0;
    Screen().arrivedHero = 2;
    player.Frame();
    EXPECT_EQ(World().houseVisitor, 4);
    EXPECT_EQ(World().villageNumber, 4);
    EXPECT_EQ(World().villageOrTowerEntered, 1);
    EXPECT_TRUE(game.app.stateHandler == VillageStateThunk);
    EXPECT_EQ(game.app.statePhase, kPhaseSwitch);
    EXPECT_EQ(game.app.mapScreen, nullptr);
}

TEST_F(MapState, ASettledPhaseWithoutABattleEnds) {
    player.EnterMap();
    World().Quest(6) = 7;
    Screen().enemyPhase = kEnemyPhaseSettle;
    Screen().currentMover = 80;
    Screen().armyAtGoal[80] = 1;
    Screen().encounterScan = 2;
    RunEnemyPhase(game.app);
    EXPECT_EQ(Screen().enemyPhase, kEnemyPhaseOff);
}

TEST_F(MapState, TheRecoveryHealsCarriedLossesCharactersAndArmies) {
    player.EnterMap();
    const struct {
        int battle;
        uint8_t a;
        uint8_t b;
        uint8_t healedA;
        uint8_t healedB;
    } kCarried[] = {{5, 5, 3, 0, 0}, {6, 6, 4, 0, 1}, {7, 7, 9, 1, 6}, {8, 0, 0, 0, 0}};
    for (const auto& row : kCarried) {
        World().CarryA(row.battle) = row.a;
        World().CarryB(row.battle) = row.b;
    }
    World().CarryA(73) = 20;
    CharacterStats& stats = World().playerStats;
    stats.health = stats.maxHealth - 2;
    World().playerArmy.down[0] = 2;
    World().playerArmy.alive[0] = 10;
    World().playerArmy.critical[0] = 1;
    World().heroStats[5].health = 0;
    game.app.healPending = 1;
    RunRecovery(game.app);
    for (const auto& row : kCarried) {
        EXPECT_EQ(World().CarryA(row.battle), row.healedA) << "battle " << row.battle;
        EXPECT_EQ(World().CarryB(row.battle), row.healedB) << "battle " << row.battle;
    }
    EXPECT_EQ(World().CarryA(73), 0);
    EXPECT_EQ(stats.health, stats.maxHealth);
    EXPECT_EQ(World().playerArmy.down[0], 1);
    EXPECT_EQ(World().playerArmy.alive[0], 11);
    EXPECT_EQ(World().playerArmy.critical[0], 0);
    // A hero who has not joined is not healed.
    EXPECT_EQ(World().heroStats[5].health, 0);
    EXPECT_EQ(Screen().healMessages, (std::array<uint8_t, 3>{1, 1, 1}));
    EXPECT_EQ(game.app.healPending, 0);
}

TEST_F(MapState, FameRewardsAreGrantedOnceInOrderWithTheirLines) {
    World().fame = 10;
    player.EnterMap();
    const int32_t gold = World().gold;
    EndDay(game.app);
    EXPECT_EQ(World().gold, gold + 100 + 400 + World().dailyIncome);
    EXPECT_EQ(World().heroJoined[1], 1);
    EXPECT_EQ(Screen().focusHero, 2);
    EXPECT_EQ(Screen().fameBoxShown, 1);
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(Screen().fameRewardShown[k], 1) << k;
        EXPECT_EQ(Screen().fameRewardRow[k], k) << k;
    }
    EXPECT_EQ(Screen().fameRewardShown[3], 0);
    // The rewards are the game's once only.
    player.RunUntil([&] { return Screen().enemyPhase == kEnemyPhaseOff; });
    const int32_t after = World().gold;
    EndDay(game.app);
    EXPECT_EQ(World().gold, after + World().dailyIncome);
    EXPECT_EQ(Screen().fameBoxShown, 0);
}

TEST(MapInvaderPick, AnArmyWithoutStepsIsNotPicked) {
    MapScreen screen;
    screen.armyActive[80] = 2;
    screen.armyMoves[80] = 0;
    screen.armyActive[81] = 2;
    screen.NextMovingArmy();
    EXPECT_EQ(screen.currentMover, 81);
    screen.armyMoves[81] = 0;
    screen.NextMovingArmy();
    EXPECT_EQ(screen.enemyPhase, kEnemyPhaseSettle);
}

}  // namespace

}  // namespace varn
