#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "battle/BattleScreen.h"
#include "battle/BattleSideButtons.h"

namespace varn {

namespace {

struct CellCase {
    int32_t x;
    int32_t y;
    int32_t cell;
};

}  // namespace

TEST(BattleGrid, CellsMapToTheirTopLeftPixelsRowByRow) {
    const CellCase cases[] = {
        {0, 0, 1}, {1520, 0, 20}, {0, 80, 21}, {1520, 80, 40}, {1520, 1120, 300}, {80, 1120, 282},
    };
    for (const CellCase& c : cases) {
        EXPECT_EQ(CellPixelX(c.cell), c.x) << c.cell;
        EXPECT_EQ(CellPixelY(c.cell), c.y) << c.cell;
        BattleScreen screen;
        screen.commanderCell = c.cell;
        screen.armyCell[5] = c.cell;
        screen.CellsToPixels();
        EXPECT_EQ(
            std::tuple(screen.commanderX, screen.commanderY, screen.armyX[5], screen.armyY[5]),
            std::tuple(c.x, c.y, c.x, c.y));
    }
}

TEST(BattleGrid, APointOnACellEdgeBelongsToTheCellRightOrBelowAndOutsideChangesNothing) {
    const CellCase cases[] = {
        {79, 79, 1}, {80, 79, 2}, {79, 80, 21},  {80, 80, 22},  {1599, 1199, 300},
        {0, 0, 1},   {-1, 0, 77}, {1600, 0, 77}, {0, 1200, 77},
    };
    for (const CellCase& c : cases) {
        BattleScreen screen;
        screen.targetCell = 77;
        screen.targetX = c.x;
        screen.targetY = c.y;
        screen.MouseToCell();
        EXPECT_EQ(screen.targetCell, c.cell) << c.x << "," << c.y;
    }
}

TEST(BattleGrid, TheCellGoesToTheTableOfThePhaseThatAsks) {
    struct PhaseCase {
        uint8_t enemyPhase;
        uint8_t allyPhase;
        int32_t player;
        int32_t enemy;
        int32_t ally;
    };
    const PhaseCase cases[] = {{0, 0, 22, 0, 0}, {1, 0, 0, 22, 0}, {0, 2, 22, 0, 22}};
    for (const PhaseCase& c : cases) {
        BattleScreen screen;
        screen.enemyPhase = c.enemyPhase;
        screen.allyPhase = c.allyPhase;
        screen.targetX = 100;
        screen.targetY = 100;
        screen.MouseToCell();
        EXPECT_EQ(screen.targetCell, c.player);
        EXPECT_EQ(screen.enemyTargetCell, c.enemy);
        EXPECT_EQ(screen.allyTargetCell, c.ally);
    }
}

TEST(BattleGrid, OccupancyIsWrittenInOrderSoTheLaterUnitWinsASharedCell) {
    BattleScreen screen;
    screen.commanderCell = 5;
    screen.commanderHealth = 10;
    screen.armyPresent[3] = 1;
    screen.armyCell[3] = 6;
    screen.specialPresent[0] = 1;
    screen.specialCell[0] = 7;
    screen.enemyPresent[4] = 1;
    screen.enemyCell[4] = 7;
    screen.obstaclePresent[0] = 1;
    screen.obstacleCell[0] = 8;
    screen.allyPresent[2] = 1;
    screen.allyCell[2] = 8;
    screen.enemyPresent[9] = 1;
    screen.enemyCell[9] = 400;  // off the field: written nowhere
    screen.occupancy[9] = 55;   // the table is not cleared first
    screen.BuildOccupancy();
    EXPECT_EQ(screen.occupancy[5], 1);
    EXPECT_EQ(screen.occupancy[6], 5) << "slot 3 is code 5 whatever its type";
    EXPECT_EQ(screen.occupancy[7], 124);
    EXPECT_EQ(screen.occupancy[8], 12);
    EXPECT_EQ(screen.occupancy[9], 55);

    BattleScreen fallen;
    fallen.commanderCell = 5;
    fallen.BuildOccupancy();
    EXPECT_EQ(fallen.occupancy[5], 0) << "a commander at no health holds no cell";
}

TEST(BattleTimers, TheMarkerBouncesZeroToThreeAndBack) {
    BattleScreen screen;
    std::vector<int> frames = {screen.bounceFrame};
    for (uint32_t now = 0; frames.size() < 9; now += 101) {
        const uint8_t before = screen.bounceFrame;
        screen.Animate(now);
        if (screen.bounceFrame != before) {
            frames.push_back(screen.bounceFrame);
        }
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 2, 1, 0, 1, 2}));
}

TEST(BattleTimers, TheStrikeSwingShowsOneTwoThreeTwoOneZeroAndEndsTheComputersStrike) {
    BattleScreen screen;
    screen.strikeAnimOn = 1;
    screen.enemyPhase = kComputerStrike;
    screen.enemyStriking = 1;
    screen.commanderHitShown = 1;
    std::vector<int> frames;
    uint32_t now = 0;
    screen.Animate(now);
    for (int period = 0; period < 7; ++period) {
        now += 101;
        screen.Animate(now);
        if (screen.strikeAnimOn != 0) {
            frames.push_back(screen.strikeAnimFrame);
        }
        screen.Animate(now);  // restarts the period
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 2, 1, 0}));
    EXPECT_EQ(screen.strikeAnimOn, 0);
    EXPECT_EQ(screen.enemyPhase, kComputerPlan);
    EXPECT_EQ(screen.enemyActed, 1);
    EXPECT_EQ(screen.enemyStriking, 0);
    EXPECT_EQ(screen.commanderHitShown, 0);
}

TEST(BattleTimers, TheHitFlashEndsSixPeriodsAfterItsLastRestart) {
    BattleScreen screen;
    screen.hitFlashOn = kHitFlashAsked;
    screen.armyStriking = 1;
    screen.Animate(1000);
    EXPECT_EQ(screen.hitFlashOn, kHitFlashShowing);
    screen.Animate(1600);
    EXPECT_EQ(screen.hitFlashOn, kHitFlashShowing) << "exactly six periods is not yet more";
    screen.Animate(1601);
    EXPECT_EQ(screen.hitFlashOn, kHitFlashOff);
    EXPECT_EQ(screen.armyStriking, 0);
}

TEST(BattleEnd, WonWhenNoEnemyStandsLostWhenNobodyOfThePlayersDoes) {
    struct EndCase {
        bool enemy;
        int32_t health;
        uint8_t armyMen;
        uint8_t allyMen;
        uint8_t won;
        uint8_t lost;
        uint8_t over;
    };
    const EndCase cases[] = {
        {false, 0, 0, 0, 1, 0, 1},   // the last enemy and the last own unit fall together
        {false, 10, 5, 0, 1, 0, 1},  //
        {true, 0, 0, 0, 0, 1, 1},    //
        {true, 1, 0, 0, 0, 0, 0},    // the commander stands
        {true, 0, 3, 0, 0, 0, 0},    // an army stands
        {true, 0, 0, 4, 0, 0, 0},    // an ally stands
    };
    for (const EndCase& c : cases) {
        BattleScreen screen;
        screen.enemyPresent[7] = c.enemy ? 1 : 0;
        screen.commanderHealth = c.health;
        screen.armyPresent[2] = c.armyMen != 0;
        screen.armyAlive[2] = c.armyMen;
        screen.allyPresent[19] = c.allyMen != 0;
        screen.allyMen[19] = c.allyMen;
        screen.CheckBattleEnd();
        EXPECT_EQ(screen.won, c.won);
        EXPECT_EQ(screen.lost, c.lost);
        EXPECT_EQ(screen.battleOver, c.over);
    }
}

TEST(BattleSideButtons, EachButtonIsThereOnlyWhenItCanAct) {
    struct AvailabilityCase {
        const char* when;
        uint8_t enemyPhase;
        uint8_t retreatAsked;
        uint8_t battleOver;
        uint8_t retreatConfirmed;
        std::array<bool, 8> available;  // by id, 0 unused
    };
    const AvailabilityCase cases[] = {
        {"player's turn", 0, 0, 0, 0, {false, true, true, false, false, true, true, true}},
        {"enemy acts", 1, 0, 0, 0, {false, false, true, false, false, true, true, true}},
        {"question open", 0, 1, 0, 0, {false, true, true, true, true, true, true, true}},
        {"battle over", 0, 0, 1, 0, {false, true, false, false, false, true, false, true}},
        {"retreat confirmed", 0, 0, 0, 1, {false, true, false, false, false, true, false, true}},
    };
    for (const AvailabilityCase& c : cases) {
        BattleScreen screen;
        screen.enemyPhase = c.enemyPhase;
        screen.retreatAsked = c.retreatAsked;
        screen.battleOver = c.battleOver;
        screen.retreatConfirmed = c.retreatConfirmed;
        for (uint8_t id = 1; id <= 7; ++id) {
            EXPECT_EQ(screen.SideButtonAvailable(id), c.available[id]) << c.when << " id " << +id;
        }
    }
}

TEST(BattleSideButtons, TheBarHoversOnlyWhatTheBattleOffersNow) {
    BattleScreen screen;
    screen.sideButtons.Hover(705, 255);
    EXPECT_EQ(screen.sideButtons.hoverId, kSideEndTurn);
    EXPECT_EQ(screen.sideButtons.Look(kSideEndTurn), kButtonHovered);
    screen.enemyPhase = kComputerPlan;
    screen.ResetHover();
    screen.sideButtons.Hover(705, 255);
    EXPECT_EQ(screen.sideButtons.hoverId, 0) << "no end of turn while the enemy acts";
    EXPECT_EQ(screen.sideButtons.Look(kSideEndTurn), kButtonNormal);
    EXPECT_EQ(screen.sideButtons.At(340, 340), 0) << "Yes while no question is open";
    screen.retreatAsked = 1;
    EXPECT_EQ(screen.sideButtons.At(340, 340), kSideRetreatYes);
}

TEST(BattleCamera, EdgesScrollWithinTheLimitsAndACornerScrollsBothWays) {
    struct ScrollCase {
        int32_t px;
        int32_t py;
        int32_t startX;
        int32_t startY;
        uint8_t step;
        int32_t x;
        int32_t y;
    };
    const ScrollCase cases[] = {
        {400, 594, 0, 0, 10, 0, 10},     {400, 595, 0, 730, 10, 0, 734},
        {400, 6, 0, -20, 10, 0, -26},    {400, 7, 0, 0, 10, 0, 0},
        {794, 300, 820, 0, 10, 826, 0},  {6, 300, -30, 0, 10, -30, 0},
        {2, 598, 100, 100, 20, 80, 120}, {400, 300, 5, 5, 255, 5, 5},
    };
    for (const ScrollCase& c : cases) {
        BattleScreen screen;
        MouseCursor cursor;
        cursor.x = c.px;
        cursor.y = c.py;
        screen.cameraX = c.startX;
        screen.cameraY = c.startY;
        screen.ScrollCamera(cursor, c.step);
        EXPECT_EQ(screen.cameraX, c.x) << c.px << "," << c.py;
        EXPECT_EQ(screen.cameraY, c.y) << c.px << "," << c.py;
    }
}

TEST(BattleSummaryHover, TheLastAreaUnderThePointerNamesTheGain) {
    const std::pair<std::pair<int, int>, int> cases[] = {
        {{140, 75}, 1}, {{679, 124}, 4}, {{140, 170}, 5}, {{570, 545}, 28}, {{100, 100}, 0},
    };
    for (const auto& [point, id] : cases) {
        BattleScreen screen;
        screen.HoverDialogGrid(point.first, point.second);
        EXPECT_EQ(screen.dialogHover, id) << point.first << "," << point.second;
    }
}

}  // namespace varn
