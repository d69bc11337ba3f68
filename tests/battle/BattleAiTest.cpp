#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "BattleField.h"
#include "battle/BattleAiSide.h"

namespace varn {

namespace {

using Points = std::vector<std::pair<int, int>>;

constexpr int32_t Px(int cells) {
    return cells * kBattleCellSize;
}

// One frame of the computer's part, with the clock moved 100 ms.
void Frame(BattleScreen& s, uint32_t& now, uint8_t steps = 20) {
    s.RunPlayerTurn(steps);
    s.RunAllyPhase(steps);
    s.RunEnemyPhase(steps);
    s.AdvanceStrikeSwing(now);
    now += 100;
}

// Ends the player's turn and runs frames until the player's turn is back.
int RunComputerTurn(BattleScreen& s, int limit = 2000) {
    s.PressEndTurn();
    s.EndPlayerTurn();
    uint32_t now = 1000;
    int frames = 0;
    do {
        Frame(s, now);
        ++frames;
    } while ((s.allyPhase != kComputerIdle || s.enemyPhase != kComputerIdle) && frames < limit);
    return frames;
}

Points Steps(const BattleScreen& s) {
    Points points;
    for (int k = 0; k < s.stepCount; ++k) {
        points.emplace_back(s.stepX[k] / kBattleCellSize, s.stepY[k] / kBattleCellSize);
    }
    return points;
}

TEST(EnemyPlay, StrikesTheLowestIndexNeighbourWithoutMoving) {
    struct Case {
        const char* what;
        int32_t commanderHealth;
        uint8_t expectedTarget;
    };
    const Case cases[] = {{"commander first", 50, 0}, {"then army slots", 0, 3}};
    for (const Case& c : cases) {
        BattleField field;
        field.Commander(CellAt(5, 5), c.commanderHealth)
            .Army(2, CellAt(6, 5))
            .Ally(0, CellAt(7, 6))
            .Enemy(0, CellAt(6, 6));
        BattleScreen& s = field.Build();
        s.allyPresent[0] = 0;
        s.EndPlayerTurn();
        uint32_t now = 0;
        for (int f = 0; f < 10 && !s.enemyStriking; ++f) {
            Frame(s, now);
        }
        EXPECT_EQ(s.enemyStruckTarget, c.expectedTarget) << c.what;
        EXPECT_EQ(s.strikeAdjacent, 1) << c.what;
        RunComputerTurn(s);
        EXPECT_EQ(std::tuple(s.enemyCell[0], s.enemyMoves[0], s.enemyDone[0], s.turn),
                  std::tuple(CellAt(6, 6), kTurnMoves, 1, 2))
            << c.what;
    }
}

struct ChoiceCase {
    const char* what;
    int32_t enemyCell;
    int32_t commanderCell;
    std::vector<int32_t> heldByArmies;
    std::vector<int32_t> heldByEnemies;
    int32_t specialCell;
    int32_t bestCandidate;
    Points steps;
};

TEST(EnemyPlay, ChoosesTheNearestFreeCandidateInTableOrder) {
    const ChoiceCase cases[] = {
        {"ties go to the neighbour order",
         CellAt(10, 5),
         CellAt(5, 5),
         {},
         {},
         0,
         1,
         {{9, 4}, {8, 4}, {7, 4}, {6, 4}}},
        {"a held cell is skipped",
         CellAt(10, 5),
         CellAt(5, 5),
         {},
         {CellAt(6, 4)},
         0,
         2,
         {{9, 5}, {8, 5}, {7, 5}, {6, 5}}},
        {"a special's cell may be entered",
         CellAt(10, 5),
         CellAt(5, 5),
         {},
         {},
         CellAt(6, 4),
         1,
         {{9, 4}, {8, 4}, {7, 4}, {6, 4}}},
        {"cells off the field are never candidates",
         CellAt(5, 0),
         CellAt(0, 0),
         {},
         {},
         0,
         2,
         {{4, 0}, {3, 0}, {2, 0}, {1, 0}}},
        {"an army slot's neighbours when nearer",
         CellAt(10, 10),
         CellAt(0, 0),
         {CellAt(8, 10)},
         {},
         0,
         8 * 1 + 1,
         {{9, 9}}},
    };
    for (const ChoiceCase& c : cases) {
        BattleField field;
        field.Commander(c.commanderCell).Enemy(0, c.enemyCell);
        for (size_t k = 0; k < c.heldByArmies.size(); ++k) {
            field.Army(static_cast<int>(k), c.heldByArmies[k]);
        }
        for (size_t k = 0; k < c.heldByEnemies.size(); ++k) {
            field.Enemy(1 + static_cast<int>(k), c.heldByEnemies[k]);
        }
        BattleScreen& s = field.Build();
        if (c.specialCell) {
            s.specialPresent[0] = 1;
            s.occupancy[c.specialCell] = kOccupantFirstSpecial;
        }
        s.EndPlayerTurn();
        uint32_t now = 0;
        Frame(s, now, 0);
        EXPECT_EQ(s.enemyBestCand, c.bestCandidate) << c.what;
        EXPECT_EQ(Steps(s), c.steps) << c.what;
        EXPECT_EQ(std::tuple(s.enemyPhase, s.enemyStrikeFollows, s.enemyCandTarget),
                  std::tuple(2, 1, c.bestCandidate / 8))
            << c.what;
    }
}

struct PlanCase {
    const char* what;
    int dx;
    int dy;
    uint8_t moves;
    Points steps;
    uint8_t enemyStrike;
    uint8_t allyStrike;
    uint8_t dropped;
};

// Plans from (7, 7) toward a goal dx, dy cells away, a strike being wanted.
TEST(ComputerPlan, StepCountsTheirCapAndDrops) {
    const PlanCase cases[] = {
        {"diagonal first", 3, -5, 7, {{8, 6}, {9, 5}, {10, 4}, {10, 3}, {10, 2}}, 1, 1, 0},
        {"seven exactly: only the ally strikes",
         7,
         0,
         7,
         {{8, 7}, {9, 7}, {10, 7}, {11, 7}, {12, 7}, {13, 7}, {14, 7}},
         0,
         1,
         0},
        {"nine away: capped, no strike",
         9,
         1,
         7,
         {{8, 8}, {9, 8}, {10, 8}, {11, 8}, {12, 8}, {13, 8}, {14, 8}},
         0,
         0,
         0},
        {"moves run out", -4, 0, 2, {{6, 7}, {5, 7}}, 1, 1, 0},
        {"no moves, no steps", 2, 2, 0, {}, 1, 1, 0},
        {"through the top-left cell without strike",
         -9,
         -9,
         7,
         {{6, 6}, {5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}, {0, 0}},
         0,
         0,
         1},
    };
    for (bool enemySide : {true, false}) {
        for (const PlanCase& c : cases) {
            BattleField field;
            BattleScreen& s = field.Build();
            ComputerSide side = enemySide ? ComputerSide::Enemies(s) : ComputerSide::Allies(s);
            side.acting = 4;
            side.moves[4] = c.moves;
            side.phase = 1;
            side.fromX = Px(7);
            side.fromY = Px(7);
            side.goalX = Px(7 + c.dx);
            side.goalY = Px(7 + c.dy);
            side.strikeFollows = 1;
            side.StepDirection();
            side.PlanMove();
            const char* sideName = enemySide ? "enemy" : "ally";
            EXPECT_EQ(Steps(s), c.steps) << c.what << ", " << sideName;
            EXPECT_EQ(side.strikeFollows, enemySide ? c.enemyStrike : c.allyStrike)
                << c.what << ", " << sideName;
            EXPECT_EQ(std::tuple(s.planDropped, side.done[4]), std::tuple(c.dropped, c.dropped))
                << c.what << ", " << sideName;
            EXPECT_EQ(side.moves[4], c.moves - c.steps.size()) << c.what;
        }
    }
}

TEST(ComputerPlan, UnitsInTheWay) {
    struct Case {
        const char* what;
        bool enemySide;
        std::vector<std::pair<int, int>> foes;
        std::vector<std::pair<int, int>> friends;
        Points steps;
        uint8_t strike;
    };
    // From (7, 7) six cells right.
    const Case cases[] = {
        {"enemy: third step on an army", true, {{10, 7}}, {}, {{8, 7}, {9, 7}}, 1},
        {"enemy: walks through a friend halfway",
         true,
         {},
         {{9, 7}},
         {{8, 7}, {9, 7}, {10, 7}, {11, 7}, {12, 7}, {13, 7}},
         1},
        {"enemy: friend then army", true, {{10, 7}}, {{9, 7}}, {{8, 7}}, 0},
        {"enemy: ends on friends",
         true,
         {},
         {{12, 7}, {13, 7}},
         {{8, 7}, {9, 7}, {10, 7}, {11, 7}},
         0},
        {"enemy: ends on one friend",
         true,
         {},
         {{13, 7}},
         {{8, 7}, {9, 7}, {10, 7}, {11, 7}, {12, 7}},
         1},
        {"ally: stops before an enemy", false, {{10, 7}}, {}, {{8, 7}, {9, 7}}, 1},
        {"ally: ends on friends",
         false,
         {},
         {{13, 7}, {12, 7}},
         {{8, 7}, {9, 7}, {10, 7}, {11, 7}},
         0},
    };
    for (const Case& c : cases) {
        BattleField field;
        field.Commander(CellAt(0, 14), c.enemySide ? 0 : 50);
        int enemies = 1;
        int armies = 0;
        int allies = 1;
        auto place = [&](bool enemyUnit, std::pair<int, int> at) {
            const int32_t cell = CellAt(at.first, at.second);
            if (enemyUnit) {
                field.Enemy(enemies++, cell);
            } else if (armies < kBattleArmySlots) {
                field.Army(armies++, cell);
            } else {
                field.Ally(allies++, cell);
            }
        };
        for (auto at : c.foes) {
            place(!c.enemySide, at);
        }
        for (auto at : c.friends) {
            place(c.enemySide, at);
        }
        BattleScreen& s = field.Build();
        ComputerSide side = c.enemySide ? ComputerSide::Enemies(s) : ComputerSide::Allies(s);
        side.acting = 0;
        side.moves[0] = kTurnMoves;
        side.fromX = Px(7);
        side.fromY = Px(7);
        side.goalX = Px(13);
        side.goalY = Px(7);
        side.strikeFollows = 1;
        side.targetFixed = 0;
        side.StepDirection();
        side.PlanMove();
        EXPECT_EQ(Steps(s), c.steps) << c.what;
        EXPECT_EQ(side.strikeFollows, c.strike) << c.what;
        if (!c.enemySide && !c.foes.empty()) {
            EXPECT_EQ(std::tuple(side.struckTarget, side.targetFixed), std::tuple(1, 0));
        }
    }
}

TEST(EnemyPlay, EndCellHeldTwiceLeavesTheEnemyInPlace) {
    BattleField field;
    field.Commander(CellAt(5, 5)).Enemy(0, CellAt(15, 5)).Enemy(1, CellAt(12, 4));
    BattleScreen& s = field.Build();
    s.EndPlayerTurn();
    s.enemyMoves[0] = 3;
    uint32_t now = 0;
    Frame(s, now);
    // Three moves left: the plan would end on enemy 1, so it is planned again without that cell.
    EXPECT_EQ(
        std::tuple(s.enemyPhase, s.enemyRetry, s.enemyBlockedX, s.enemyBlockedY, s.enemyActed),
        std::tuple(1, 1, Px(12), Px(4), 1));
    Frame(s, now);
    Frame(s, now);
    EXPECT_EQ(std::tuple(s.enemyX[0], s.enemyY[0], s.enemyCell[0], s.enemyDone[0]),
              std::tuple(Px(15), Px(5), CellAt(15, 5), 1));
    EXPECT_EQ(std::tuple(s.occupancy[CellAt(15, 5)], s.occupancy[CellAt(12, 4)],
                         s.occupancy[CellAt(6, 4)], s.enemyRetry, s.enemyBlockedX),
              std::tuple(120, 121, 0, 0, kNoBlockedX));
}

TEST(EnemyPlay, WalksPlanAndStrikesOnArrival) {
    BattleField field;
    field.Commander(CellAt(5, 5), 50, 10, 10).Enemy(0, CellAt(9, 5), 10, 10);
    BattleScreen& s = field.Build();
    const int frames = RunComputerTurn(s);
    EXPECT_EQ(std::tuple(s.enemyX[0], s.enemyY[0], s.enemyCell[0], s.enemyFacing[0]),
              std::tuple(Px(6), Px(4), CellAt(6, 4), 5));
    EXPECT_EQ(std::tuple(s.occupancy[CellAt(6, 4)], s.occupancy[CellAt(9, 5)], s.enemyMoves[0]),
              std::tuple(120, 0, 4));
    EXPECT_EQ(s.commanderHealth, 50 - (6 + 1 + 3));
    EXPECT_EQ(std::tuple(s.turn, s.showTurnInfo, s.enemyPhase, s.commanderHit),
              std::tuple(2, 1, 0, 1));
    EXPECT_GT(frames, 3 * 5);
}

TEST(EnemyPlay, StrikeOnAFallenTargetIsCalledOff) {
    BattleField field;
    field.Commander(CellAt(0, 0)).Army(2, CellAt(5, 5)).Enemy(0, CellAt(6, 5));
    BattleScreen& s = field.Build();
    s.armyPresent[2] = 0;
    s.armyCell[2] = 0;
    s.enemyPhase = kComputerStrike;
    s.actingEnemy = 0;
    s.enemyStrikeFollows = 1;
    s.strikeAdjacent = 0;
    s.enemyCandTarget = 3;
    s.CheckStrikeAdjacency();
    s.EnemyStrike();
    s.EnemyStrikeEnd();
    EXPECT_EQ(std::tuple(s.enemyPhase, s.enemyActed, s.enemyDone[0], s.armyCombats[2],
                         s.occupancy[0], s.strikeAnimOn),
              std::tuple(1, 1, 1, 0, 0, 0));
}

TEST(ComputerCamera, CentresOnTheMoveOrTheStriker) {
    struct Case {
        int32_t fromX, fromY, toX, toY;
        bool inPlace;
        int32_t cameraX, cameraY;
    };
    const Case cases[] = {
        {Px(10), Px(5), Px(6), Px(5), false, Px(8) - 400, Px(5) - 300},
        {Px(10), Px(2), Px(10), Px(5), false, Px(10) - 400, 280 + 200 - 300},
        {Px(0), Px(0), Px(1), Px(0), false, -26, -26},
        {Px(19), Px(14), Px(18), Px(13), false, 826, 734},
        {Px(12), Px(7), 0, Px(12), true, Px(12) - 400, Px(7) + 200 - 300},
    };
    for (const Case& c : cases) {
        BattleField field;
        field.Enemy(2, CellAt(c.fromX / 80, c.fromY / 80));
        BattleScreen& s = field.Build();
        ComputerSide side = ComputerSide::Enemies(s);
        side.acting = 2;
        side.fromX = c.fromX;
        side.fromY = c.fromY;
        s.targetX = c.toX;
        s.targetY = c.toY;
        s.strikeAdjacent = c.inPlace;
        s.enemyFollowCamera = 1;
        side.CentreCamera();
        EXPECT_EQ(std::pair(s.cameraX, s.cameraY), std::pair(c.cameraX, c.cameraY));
        EXPECT_EQ(s.enemyFollowCamera, 0);
    }
}

TEST(AllyPlay, StrikesTheLowestEnemyNeighbourAndTurnsTheCamera) {
    BattleField field;
    field.Commander(CellAt(0, 14))
        .Ally(0, CellAt(5, 5))
        .Enemy(3, CellAt(6, 6))
        .Enemy(1, CellAt(4, 4));
    BattleScreen& s = field.Build();
    s.EndPlayerTurn();
    s.RunAllyPhase(0);
    EXPECT_EQ(std::tuple(s.allyPhase, s.allyStruckTarget, s.allyStrikeAdjacent, s.allyDone[0]),
              std::tuple(3, 1, 1, 1));
    EXPECT_EQ(std::pair(s.cameraX, s.cameraY), std::pair(Px(5) - 400, Px(5) - 300));
    s.RunAllyPhase(0);
    EXPECT_EQ(std::tuple(s.targetEnemy, s.enemyLight[1]), std::tuple(1, 8));
}

TEST(AllyPlay, WithNoFreeCandidateWalksTowardEnemyZerosStoredPlace) {
    BattleField field;
    field.Commander(CellAt(0, 14)).Ally(0, CellAt(2, 5)).Enemy(1, CellAt(10, 10));
    for (int k = 0; k < 8; ++k) {
        static constexpr std::pair<int, int> kAround[] = {{10, 9},  {11, 9}, {11, 10}, {11, 11},
                                                          {10, 11}, {9, 11}, {9, 10},  {9, 9}};
        if (k < 6) {
            field.Army(k, CellAt(kAround[k].first, kAround[k].second));
        } else {
            field.Ally(k - 5, CellAt(kAround[k].first, kAround[k].second));
        }
    }
    BattleScreen& s = field.Build();
    // Enemy 0 fell in an earlier turn; its place from then is still stored.
    s.allyTargetX[0] = Px(2);
    s.allyTargetY[0] = Px(12);
    s.PressEndTurn();
    s.EndPlayerTurn();
    uint32_t now = 0;
    for (int f = 0; f < 200 && s.allyPhase != kComputerIdle; ++f) {
        Frame(s, now);
        if (s.actingAlly != 0 || s.allyDone[0]) {
            break;
        }
    }
    EXPECT_EQ(std::tuple(s.allyX[0], s.allyY[0], s.allyCell[0], s.occupancy[CellAt(2, 12)]),
              std::tuple(Px(2), Px(12), CellAt(2, 12), 10));
    EXPECT_EQ(s.allyMoveAbort, 0);
}

}  // namespace

}  // namespace varn
