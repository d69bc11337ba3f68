#include <gtest/gtest.h>

#include "MapTestSupport.h"
#include "map/MapScreen.h"

namespace varn {

namespace {

// An invader released and placed, its route laid, and the player far away.
class MapInvaderTest : public testing::Test {
  protected:
    void Release(int army) {
        screen.playerCell = 1503;
        screen.PlaceObjects();
        screen.armyActive[army] = 1;
        screen.PlaceArmies();
        screen.BuildRoutes();
        screen.MarkCells();
    }

    void PlanFrom(int army, int32_t x, int32_t y) {
        screen.armyX[army] = x;
        screen.armyY[army] = y;
        screen.NextMovingArmy();
        screen.StepDirection();
        screen.UpdateArmyMovement();
    }

    MapScreen screen;
};

TEST_F(MapInvaderTest, NoArmyLeftEndsThePhaseAndKeepsTheMover) {
    screen.currentMover = 85;
    screen.enemyPhase = kEnemyPhasePick;
    screen.armyActive[82] = 2;
    screen.armyDone[82] = 1;
    screen.NextMovingArmy();
    EXPECT_EQ(screen.enemyPhase, kEnemyPhaseSettle);
    EXPECT_EQ(screen.currentMover, 85);
}

TEST_F(MapInvaderTest, AFreePlanGoesDiagonallyTowardTheHeadUntilTheMovesRunOut) {
    Release(80);
    // The head of route A is (-960, 80): start 3 cells left of it and 5 below.
    PlanFrom(80, -1080, 280);
    ASSERT_EQ(screen.enemyPathCount, 4);
    const std::pair<int32_t, int32_t> expected[] = {
        {-1040, 240}, {-1000, 200}, {-960, 160}, {-960, 120}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(screen.enemyPathX[i], expected[i].first);
        EXPECT_EQ(screen.enemyPathY[i], expected[i].second);
    }
    EXPECT_EQ(screen.armyMoves[80], 0);
    EXPECT_EQ(screen.enemyWalkStart, 1);
}

TEST_F(MapInvaderTest, APlanStopsOnACharacterAndTheWalkCallsTheBattle) {
    Release(80);
    screen.walkX = -1000;
    screen.walkY = 200;
    PlanFrom(80, -1080, 280);
    EXPECT_EQ(screen.enemyPathCount, 2);
    EXPECT_EQ(screen.enemyPointFight[1], 1);
    EXPECT_EQ(screen.battleSide, kPlayerCharacter);
    EXPECT_EQ(screen.enemyMetCharacter, 1);

    screen.heroOnMap[2] = 1;
    screen.heroX[2] = -1000;
    screen.heroY[2] = 200;
    screen.armyMoves[80] = 4;
    PlanFrom(80, -1080, 280);
    EXPECT_EQ(screen.battleSide, 4);

    screen.enemyPhase = kEnemyPhaseWalk;
    for (int frame = 0; frame < 20 && screen.battlePending == 0; ++frame) {
        screen.StepArmyAlongRoute(8);
    }
    EXPECT_EQ(screen.battlePending, 1);
    EXPECT_EQ(screen.attackArmy, 80);
    EXPECT_EQ(screen.armyX[80], -1000);
}

TEST_F(MapInvaderTest, AWalkEndingOnTheHeadWithMovesLeftJoinsTheRouteAndPlansAgain) {
    Release(80);
    screen.enemyPhase = kEnemyPhasePick;
    screen.pickNextArmy = 1;
    PlanFrom(80, -1040, 80);
    ASSERT_EQ(screen.enemyPathCount, 2);
    for (int frame = 0; frame < 50 && screen.enemyPhase != kEnemyPhasePlan; ++frame) {
        screen.StepArmyAlongRoute(10);
    }
    EXPECT_EQ(screen.enemyPhase, kEnemyPhasePlan);
    EXPECT_EQ(screen.armyOnRoute[80], 1);
    EXPECT_EQ(screen.armyMoves[80], 2);
    // Its cell follows its position, and the cell shows it walking.
    EXPECT_EQ(screen.armyCell[80], 9622);
    EXPECT_EQ(screen.cellObject[9622], 160);
    screen.AdvanceArmy();
    EXPECT_EQ(screen.enemyPathCount, 2);
    EXPECT_EQ(screen.enemyPathX[0], -920);
    EXPECT_EQ(screen.enemyPathX[1], -880);
}

TEST_F(MapInvaderTest, AGarrisonStepsOntoItsHeadOnceAndThenStays) {
    Release(83);
    ASSERT_EQ(screen.armyOnRoute[83], 1);
    StartArmyDay(screen);
    EXPECT_GT(RunEnemyPhase(screen, 8), 0);
    // Its start cell lies one cell above its route head.
    EXPECT_EQ(screen.armyX[83], 1600);
    EXPECT_EQ(screen.armyY[83], -760);
    EXPECT_EQ(screen.armyAtRouteEnd[83], 1);

    StartArmyDay(screen);
    EXPECT_GT(RunEnemyPhase(screen, 8), 0);
    EXPECT_EQ(screen.armyY[83], -760);
    EXPECT_EQ(screen.armyDone[83], 1);
    EXPECT_EQ(screen.armyMoves[83], 4);
}

TEST_F(MapInvaderTest, APlanWithoutPointsEndsItsWalkAtOnce) {
    Release(82);
    // On its head but not yet on its route: nothing to plan, the walk's end joins the route.
    PlanFrom(82, 2400, -320);
    EXPECT_EQ(screen.enemyPathCount, 0);
    EXPECT_EQ(screen.armyMoves[82], 4);
    screen.enemyPhase = kEnemyPhaseWalk;
    screen.StepArmyAlongRoute(8);
    EXPECT_EQ(screen.armyOnRoute[82], 1);
    EXPECT_EQ(screen.enemyPhase, kEnemyPhasePlan);
}

TEST_F(MapInvaderTest, EveryInvaderMarchesItsDayAndThePhaseEnds) {
    GameState world;
    RunNewGameSetUp(world);
    FillFromWorld(screen, world);
    for (int army = kFirstInvader; army <= kLastInvader; ++army) {
        screen.armyActive[army] = 1;
    }
    screen.PlaceArmies();
    screen.BuildRoutes();
    for (int day = 0; day < 40; ++day) {
        StartArmyDay(screen);
        const int frames = RunEnemyPhase(screen, 7);
        ASSERT_GT(frames, 0) << "day " << day;
        ASSERT_EQ(screen.enemyPhase, kEnemyPhaseSettle) << "day " << day;
        for (int army = kFirstInvader; army <= kLastInvader; ++army) {
            EXPECT_EQ(screen.armyX[army] % 40, 0);
            EXPECT_EQ(screen.armyCell[army], MapCellAt(screen.armyX[army], screen.armyY[army]));
        }
    }
}

TEST_F(MapInvaderTest, TheCellTableReachesTheLastCell) {
    Release(80);
    screen.NextMovingArmy();
    screen.armyX[80] = -840;
    screen.armyY[80] = -640;
    screen.enemyWalkStart = 1;
    screen.enemyPathCount = 0;
    screen.StepArmyAlongRoute(8);
    EXPECT_EQ(screen.armyCell[80], 10800);
    EXPECT_EQ(screen.cellObject[10800], 160);
}

TEST_F(MapInvaderTest, TheEncounterScansTheWholeGoalPlaceEveryTime) {
    struct Case {
        int army;
        int32_t cell;
        CharacterId side;
        uint8_t scan;
        uint8_t goalBattle;
    };
    const Case cases[] = {
        {90, kCastleCells[4], 5, 4, 1},     {88, kCastleCells[0], 5, 0, 0},
        {89, kPalaceCells[5], 5, 5, 1},     {87, kTowerCell, 5, 0, 0},
        {83, kVillageCells[7][2], 5, 2, 0},
    };
    for (const Case& c : cases) {
        MapScreen fresh;
        fresh.PlaceObjects();
        fresh.armyActive[c.army] = 2;
        fresh.currentMover = static_cast<uint8_t>(c.army);
        fresh.heroOnMap[3] = 1;
        fresh.heroCell[3] = c.cell;
        // A scan left part-way by an earlier call must not skip the first cells.
        fresh.encounterScan = 3;
        fresh.CheckEncounter();
        EXPECT_EQ(fresh.battlePending, 1) << c.army;
        EXPECT_EQ(fresh.battleSide, c.side);
        EXPECT_EQ(fresh.encounterScan, c.scan);
        EXPECT_EQ(fresh.attackArmy, c.army);
        EXPECT_EQ(fresh.goalBattle, c.goalBattle);
    }
}

TEST_F(MapInvaderTest, AnEmptyOrLostGoalPlaceGivesNoBattle) {
    screen.PlaceObjects();
    screen.currentMover = 81;
    screen.armyActive[81] = 2;
    screen.playerCell = 1503;
    screen.CheckEncounter();
    EXPECT_EQ(screen.battlePending, 0);
    EXPECT_EQ(screen.encounterScan, 3);

    screen.playerCell = kVillageCells[6][0];
    screen.armyActive[81] = 0;
    screen.CheckEncounter();
    EXPECT_EQ(screen.battlePending, 0);
    EXPECT_EQ(screen.battleSide, 0);
    EXPECT_EQ(screen.enemyPhase, kEnemyPhaseGone);
}

}  // namespace

}  // namespace varn
