#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "BattleField.h"

namespace varn {

namespace {

constexpr int32_t kStart = CellAt(5, 5);

void Click(BattleScreen& s, int32_t cell) {
    s.cellClicked = 1;
    s.clickedCell = cell;
    s.clickedX = CellPixelX(cell);
    s.clickedY = CellPixelY(cell);
    s.RunPlayerTurn(0);
}

std::vector<std::pair<int, int>> Path(const BattleScreen& s) {
    std::vector<std::pair<int, int>> points;
    for (int k = 0; k < s.pathLength; ++k) {
        points.emplace_back(s.pathX[k] / kBattleCellSize, s.pathY[k] / kBattleCellSize);
    }
    return points;
}

// Runs frames until the walk is over (at most limit frames); returns the frames taken.
int WalkToTheEnd(BattleScreen& s, uint8_t steps, int limit = 200) {
    int frames = 0;
    while ((s.commanderOrder >= 2 || s.armyGo || s.armyWalking) && frames < limit) {
        s.RunPlayerTurn(steps);
        ++frames;
    }
    return frames;
}

TEST(PlayerCommands, PlansDiagonalFirstAndStopsAtTheMoves) {
    struct Case {
        int32_t clicked;
        std::vector<std::pair<int, int>> path;
        int movesLeft;
    };
    const Case cases[] = {
        {CellAt(10, 3), {{6, 4}, {7, 3}, {8, 3}, {9, 3}, {10, 3}}, 2},
        {CellAt(14, 5), {{6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}, {11, 5}, {12, 5}}, 0},
        {CellAt(2, 8), {{4, 6}, {3, 7}, {2, 8}}, 4},
        {CellAt(5, 0), {{5, 4}, {5, 3}, {5, 2}, {5, 1}, {5, 0}}, 2},
        {CellAt(0, 14), {{4, 6}, {3, 7}, {2, 8}, {1, 9}, {0, 10}, {0, 11}, {0, 12}}, 0},
    };
    for (const Case& c : cases) {
        BattleField field;
        field.Commander(kStart);
        BattleScreen& s = field.Build();
        Click(s, kStart);
        ASSERT_EQ(s.commanderSelected, 1);
        Click(s, c.clicked);
        EXPECT_EQ(Path(s), c.path) << c.clicked;
        EXPECT_EQ(s.commanderMoves, c.movesLeft) << c.clicked;
        EXPECT_EQ(
            std::tuple(s.commanderOrder, s.moveRefused, s.pathShown, s.commanderMovesCommitted),
            std::tuple(1, 0, 1, kTurnMoves))
            << c.clicked;
        EXPECT_EQ(s.targetCell, CellAt(c.path.back().first, c.path.back().second));
    }
}

TEST(PlayerCommands, AUnitWithNoMovesPlansNothing) {
    BattleField field;
    field.Commander(kStart);
    BattleScreen& s = field.Build();
    s.commanderMovesCommitted = 0;
    Click(s, kStart);
    Click(s, CellAt(8, 5));
    EXPECT_EQ(s.pathLength, 0);
    s.GiveGoOrder();
    EXPECT_EQ(s.commanderOrder, kOrderNone);
}

TEST(PlayerCommands, EnemyTwoCellsAwayIsAttackedAfterOneStep) {
    BattleField field;
    field.Commander(kStart, 50, 20).Enemy(7, CellAt(7, 7), 10, 10, 20);
    BattleScreen& s = field.Build();
    Click(s, kStart);
    Click(s, CellAt(7, 7));
    EXPECT_EQ(Path(s), (std::vector<std::pair<int, int>>{{6, 6}}));
    EXPECT_EQ(std::tuple(s.attackPlanned, s.targetIsAttack, s.pathTargetFound, s.targetEnemy,
                         s.strikeImmediate, s.commanderMoves, s.moveRefused),
              std::tuple(1, 1, 1, 7, 0, 6, 0));
    s.GiveGoOrder();
    EXPECT_EQ(std::tuple(s.commanderOrder, s.strikeOrdered), std::tuple(2, 1));
    WalkToTheEnd(s, 20);
    EXPECT_EQ(std::tuple(s.commanderCell, s.occupancy[CellAt(6, 6)], s.occupancy[kStart],
                         s.commanderMovesCommitted, s.strikeNow),
              std::tuple(CellAt(6, 6), 1, 0, 6, 1));
    s.RunPlayerTurn(20);
    EXPECT_EQ(std::tuple(s.enemyLight[7], s.commanderMovesCommitted, s.commanderFacing),
              std::tuple(6, 0, 3));
}

TEST(PlayerCommands, AnAllyStopsThePathWithoutAttack) {
    BattleField field;
    field.Commander(kStart).Ally(0, CellAt(8, 5));
    BattleScreen& s = field.Build();
    Click(s, kStart);
    Click(s, CellAt(8, 5));
    EXPECT_EQ(Path(s), (std::vector<std::pair<int, int>>{{6, 5}, {7, 5}}));
    EXPECT_EQ(std::tuple(s.attackPlanned, s.pathTargetFound, s.moveRefused, s.targetIsAttack),
              std::tuple(0, 1, 0, 0));
}

TEST(PlayerCommands, OwnUnitsAreSelectedOrRefused) {
    constexpr int32_t kCommander = CellAt(7, 5);
    constexpr int32_t kSevenBelow = CellAt(7, 12);
    BattleField field;
    field.Commander(kCommander).Army(0, CellAt(0, 5)).Army(1, kSevenBelow);
    BattleScreen& s = field.Build();
    Click(s, kCommander);
    Click(s, CellAt(3, 2));
    ASSERT_GT(s.pathLength, 0);
    // A click on an army selects it and drops the planned path.
    Click(s, CellAt(0, 5));
    EXPECT_EQ(std::tuple(s.commanderSelected, s.selectedArmy, s.activeArmyIndex, s.pathLength,
                         s.strikingArmy, s.strikingCommander),
              std::tuple(0, 1, 0, 0, 1, 0));
    // Seven steps right end on the commander: refused, and Enter drops the order.
    Click(s, CellAt(9, 5));
    EXPECT_EQ(s.pathLength, 7);
    EXPECT_EQ(std::tuple(s.moveRefused, s.refusedX, s.refusedY, s.pathShown),
              std::tuple(1, CellPixelX(kCommander), CellPixelY(kCommander), 1));
    s.GiveGoOrder();
    EXPECT_EQ(std::tuple(s.armyGo, s.armyOrderPlanned, s.moveRefused), std::tuple(0, 0, 1));
    // Seven steps down from the commander end on army slot 2.
    Click(s, kCommander);
    Click(s, CellAt(7, 14));
    EXPECT_EQ(std::tuple(s.moveRefused, s.refusedY), std::tuple(1, CellPixelY(kSevenBelow)));
    // A free destination is not refused.
    Click(s, CellAt(9, 7));
    EXPECT_EQ(std::tuple(s.moveRefused, s.commanderOrder), std::tuple(0, 1));
}

TEST(PlayerCommands, WalksReachEachPointExactlyAtEverySpeed) {
    for (uint8_t steps : {15, 20, 32}) {
        BattleField field;
        field.Commander(kStart).Army(3, CellAt(1, 1));
        BattleScreen& s = field.Build();
        s.specialPresent[4] = 1;
        s.specialCell[4] = CellAt(4, 3);
        s.occupancy[CellAt(4, 3)] = kOccupantFirstSpecial + 4;
        Click(s, CellAt(1, 1));
        Click(s, CellAt(4, 3));
        s.GiveGoOrder();
        EXPECT_EQ(s.armyGo, 4);
        int frames = 0;
        while ((s.armyGo || s.armyWalking) && frames < 200) {
            s.RunPlayerTurn(steps);
            EXPECT_LE(s.armyX[3], CellPixelX(CellAt(4, 3)));
            EXPECT_LE(s.armyY[3], CellPixelY(CellAt(4, 3)));
            ++frames;
        }
        EXPECT_EQ(std::tuple(s.armyX[3], s.armyY[3], s.armyCell[3], s.armyFacing[3]),
                  std::tuple(320, 240, CellAt(4, 3), 2))
            << int{steps};
        EXPECT_EQ(std::tuple(s.specialPresent[4], s.occupancy[CellAt(4, 3)],
                             s.occupancy[CellAt(1, 1)], s.armyMovesCommitted[3], s.pathShown),
                  std::tuple(0, 5, 0, 4, 0));
        // Three cells of 80 pixels, each counted in the frame after it was reached; the walk
        // ends one frame after the last.
        const int perCell = (kBattleCellSize + steps - 1) / steps + 1;
        EXPECT_EQ(frames, 3 * perCell + 1) << int{steps};
    }
}

TEST(PlayerCommands, StrikeOrdersDoNotOutliveTheTurn) {
    for (bool byFreshMoves : {false, true}) {
        BattleField field;
        field.Commander(kStart).Enemy(2, CellAt(6, 5));
        BattleScreen& s = field.Build();
        Click(s, kStart);
        Click(s, CellAt(6, 5));
        ASSERT_EQ(s.strikeImmediate, 1);
        if (byFreshMoves) {
            s.GiveFreshMoves();
        } else {
            s.PressEndTurn();
            s.EndPlayerTurn();
        }
        EXPECT_EQ(std::tuple(s.strikeImmediate, s.strikeNow, s.strikeOrdered, s.commanderOrder,
                             s.armyOrderPlanned, s.commanderSelected),
                  std::tuple(0, 0, 0, 0, 0, 0));
        s.GiveGoOrder();
        s.RunPlayerTurn(20);
        EXPECT_EQ(s.enemyLight[2], 0);
    }
}

// An adjacent enemy struck where it stands: the sword stays over it while it lives and goes with
// it when it falls.
TEST(PlayerCommands, TheAttackMarkGoesWithTheFallenEnemy) {
    for (const uint8_t men : {2, 60}) {
        BattleField field;
        field.Commander(kStart, 50, 40).Enemy(4, CellAt(6, 4), men);
        BattleScreen& s = field.Build();
        Click(s, kStart);
        Click(s, CellAt(6, 4));
        ASSERT_EQ(std::tuple(s.strikeImmediate, s.pathTargetFound, s.targetIsAttack),
                  std::tuple(1, 1, 1));
        s.GiveGoOrder();
        s.RunPlayerTurn(20);
        const bool fell = men == 2;
        ASSERT_EQ(s.enemyPresent[4], fell ? 0 : 1);
        EXPECT_EQ(std::tuple(s.pathTargetFound, s.pathShown, s.targetIsAttack),
                  fell ? std::tuple(0, 0, 0) : std::tuple(1, 1, 1))
            << int{men};
    }
}

TEST(PlayerCommands, NoClickIsTakenWhileTheComputerActs) {
    BattleField field;
    field.Commander(kStart);
    BattleScreen& s = field.Build();
    s.allyPhase = kComputerPlan;
    Click(s, kStart);
    EXPECT_EQ(s.commanderSelected, 0);
}

}  // namespace

}  // namespace varn
