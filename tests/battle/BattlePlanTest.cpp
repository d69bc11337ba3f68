#include <gtest/gtest.h>

#include "BattleField.h"
#include "support/BattlePlan.h"

namespace varn {

namespace {

// Whether the field itself, given the click, plans a walk that runs into no enemy and ends on the
// clicked cell: what the sight's clear walk foretells.
bool FieldWalksClear(BattleScreen& s, int32_t from, int32_t to) {
    for (const int32_t cell : {from, to}) {
        s.cellClicked = 1;
        s.clickedCell = cell;
        s.clickedX = CellPixelX(cell);
        s.clickedY = CellPixelY(cell);
        s.HandleCellClick();
        s.EvaluatePlayerTarget();
    }
    return s.pathTargetFound == 0 && s.moveRefused == 0 && s.pathLength > 0 &&
           s.pathX[s.pathLength - 1] == CellPixelX(to) &&
           s.pathY[s.pathLength - 1] == CellPixelY(to);
}

}  // namespace

TEST(BattlePlan, AClearWalkIsOneTheFieldPlansToItsEnd) {
    // An army at (2, 2); an enemy on the diagonal toward (6, 6), another army on the way to
    // (2, 7), an ally at (8, 2).
    const int32_t from = CellAt(2, 2);
    for (const int32_t to : {CellAt(6, 6), CellAt(2, 7), CellAt(6, 2), CellAt(9, 2), CellAt(5, 9),
                             CellAt(2, 3), CellAt(0, 0), CellAt(2, 12)}) {
        BattleField field;
        BattleScreen& s = field.Army(0, from)
                              .Army(1, CellAt(2, 5))
                              .Enemy(0, CellAt(4, 4))
                              .Ally(0, CellAt(8, 2))
                              .Commander(CellAt(12, 12))
                              .Build();
        SCOPED_TRACE(to);
        const bool clear = WalkClear(s, from, to, kTurnMoves);
        EXPECT_EQ(clear, FieldWalksClear(s, from, to));
    }
}

TEST(BattlePlan, TheArmiesStrikeTheLightestEnemyInReachAndTheCommanderKeepsAway) {
    BattleField field;
    // A heavy enemy beside army 1; a light one four cells from army 2 and nine from army 1; a
    // lighter one out of every army's reach.
    BattleScreen& s = field.Commander(CellAt(5, 7))
                          .Army(0, CellAt(5, 5))
                          .Army(1, CellAt(14, 5))
                          .Enemy(0, CellAt(6, 5), 30, 20)
                          .Enemy(1, CellAt(10, 5), 4, 8)
                          .Enemy(2, CellAt(19, 14), 2, 8)
                          .Build();
    EXPECT_EQ(FocusEnemy(s), 1) << "the lightest the armies reach";
    // Army 2 walks beside it with a move left to strike.
    const int32_t walk = PlannedClick(s, 2);
    EXPECT_EQ(DistanceInCells(walk, s.enemyCell[1]), 1);
    EXPECT_LT(DistanceInCells(CellAt(14, 5), walk), MovesLeft(s, 2));
    EXPECT_EQ(s.occupancy[walk], kOccupantFree);
    // Beside the focused enemy, the click is the strike.
    field.Army(1, walk).Build();
    EXPECT_EQ(PlannedClick(s, 2), s.enemyCell[1]);
    // The commander, two cells from the heavy enemy, walks where the nearest enemy is farther.
    const int32_t away = PlannedClick(s, 0);
    ASSERT_NE(away, kNoBattleCell);
    EXPECT_GT(NearestEnemyDistance(s, away), NearestEnemyDistance(s, s.commanderCell));
    EXPECT_TRUE(WalkClear(s, s.commanderCell, away, MovesLeft(s, 0)));
    // An army that has struck has no more orders; nor has any once the enemies are gone.
    s.armyMovesCommitted[1] = 0;
    EXPECT_EQ(PlannedClick(s, 2), kNoBattleCell);
    s.enemyPresent.fill(0);
    EXPECT_EQ(PlannedClick(s, 1), kNoBattleCell);
    EXPECT_EQ(FocusEnemy(s), -1);
}

}  // namespace varn
