#include <algorithm>
#include <span>

#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapSteps.h"

namespace varn {

// The invaders' march in the enemy phase: which army moves, its plan for the day (first freely
// toward the head of its route, then along the route), the walk of the plan, and whether it meets
// one of the player's characters on the way or at the place it marches on.

namespace {

struct RouteHead {
    int32_t x;
    int32_t y;
    int32_t cell;
};

// The head of each invader's route, armies 80..92.
constexpr std::array<RouteHead, kLastInvader - kFirstInvader + 1> kRouteHeads = {{
    {-960, 80, 9622},
    {-520, -960, 7608},
    {2400, -320, 2951},
    {1600, -760, 7071},
    {-520, -480, 158},
    {-1320, 1520, 8888},
    {-520, -480, 158},
    {2040, 720, 4502},
    {1760, 680, 4435},
    {-1240, 120, 9640},
    {3160, 680, 4470},
    {3160, 680, 4470},
    {3160, 680, 4470},
}};

constexpr int kRouteBArmy = 81;
constexpr int kFirstGarrison = 83;
constexpr int kLastGarrison = 88;
constexpr uint8_t kLastPlanStage = kEnemyPlanPoints;
// While an invader walks, its cell holds its number + 80.
constexpr int kWalkingArmyCodeOffset = 80;

bool IsInvader(int army) {
    return army >= kFirstInvader && army <= kLastInvader;
}

void SetPoint(InvaderRoute& route, int index, int32_t cell, int32_t x, int32_t y) {
    route.cells[index] = cell;
    route.x[index] = x;
    route.y[index] = y;
}

// Lays a route of the army's head and count; the points are filled by the caller.
InvaderRoute& StartRoute(InvaderRoute& route, int army, uint8_t count) {
    const RouteHead& head = kRouteHeads[army - kFirstInvader];
    route.headX = head.x;
    route.headY = head.y;
    route.headCell = head.cell;
    route.count = count;
    return route;
}

void LayRoute(int army, InvaderRoute& route) {
    const RouteHead& head = kRouteHeads[army - kFirstInvader];
    switch (army) {
        case 80:
            StartRoute(route, army, 31);
            SetPoint(route, 0, 9623, -920, 80);
            SetPoint(route, 1, 9624, -880, 80);
            SetPoint(route, 2, 9650, -840, 120);
            for (int i = 3; i <= 31; ++i) {
                SetPoint(route, i, 898 + i, -800 + 40 * (i - 3), 120);
            }
            break;
        case 81: {
            StartRoute(route, army, 13);
            constexpr std::array<int32_t, 12> kCells = {7658, 7708, 7758, 7808, 7858, 7908,
                                                        7958, 8008, 8,    58,   108,  158};
            for (int i = 0; i < 12; ++i) {
                SetPoint(route, i, kCells[i], -520, -920 + 40 * i);
            }
            SetPoint(route, 12, 159, -480, -480);
            break;
        }
        case 82:
            StartRoute(route, army, 13);
            for (int i = 0; i < 12; ++i) {
                SetPoint(route, i, 2950 - i, 2360 - 40 * i, -320);
            }
            SetPoint(route, 12, 2998, 1880, -280);
            break;
        case 89:
            // The march ends at point 36 by the map state's goal line; point 37 continues the row.
            StartRoute(route, army, 38);
            for (int i = 0; i <= 9; ++i) {
                SetPoint(route, i, 9641 + i, -1200 + 40 * i, 120);
            }
            for (int i = 10; i <= 37; ++i) {
                SetPoint(route, i, 891 + i, -800 + 40 * (i - 10), 120);
            }
            break;
        case 90:
        case 91:
        case 92:
            StartRoute(route, army, 36);
            for (int i = 0; i < 36; ++i) {
                SetPoint(route, i, 4469 - i, 3120 - 40 * i, 680);
            }
            break;
        default:
            // The garrisons' routes are their head twice.
            StartRoute(route, army, 2);
            SetPoint(route, 0, head.cell, head.x, head.y);
            SetPoint(route, 1, head.cell, head.x, head.y);
            break;
    }
}

}  // namespace

const InvaderRoute& MapScreen::RouteOf(int army) const {
    return army == kRouteBArmy ? routeB : routeA;
}

bool MapScreen::StandsOnRouteHead(int army) const {
    if (!IsInvader(army)) {
        return false;
    }
    const RouteHead& head = kRouteHeads[army - kFirstInvader];
    return armyX[army] == head.x && armyY[army] == head.y;
}

void MapScreen::BuildRoutes() {
    for (int army = kFirstInvader; army <= kLastInvader; ++army) {
        if (armyActive[army] == 0) {
            continue;
        }
        LayRoute(army, army == kRouteBArmy ? routeB : routeA);
        if (army >= kFirstGarrison && army <= kLastGarrison) {
            armyOnRoute[army] = 1;
        }
    }
}

void MapScreen::NextMovingArmy() {
    int found = -1;
    for (int army = kFirstMovingArmyEntity; army < kMapEntityCount && found < 0; ++army) {
        // An army with no step left today has nothing to move; picking it would plan nothing.
        if (armyActive[army] != 0 && armyDone[army] == 0 && armyMoves[army] != 0) {
            found = army;
        }
    }
    if (found < 0) {
        enemyPhase = kEnemyPhaseSettle;
        return;
    }
    currentMover = static_cast<uint8_t>(found);
    moverRouteIndex = 0;
    moverX = armyX[found];
    moverY = armyY[found];
    enemyPathCount = 0;
    pointReachedX = 0;
    pointReachedY = 0;
    moverGoalX = 0;
    moverGoalY = 0;
    moverArrivalCell = 0;
    pickX = 0;
    pickY = 0;
}

void MapScreen::StepDirection() {
    const InvaderRoute& route = RouteOf(currentMover);
    moverGoalX = route.headX;
    moverGoalY = route.headY;
    stepCounts = CountSteps(moverX, moverY, moverGoalX, moverGoalY);
}

void MapScreen::TestCharactersOnPlannedPoint(int index) {
    const int32_t x = enemyPathX[index];
    const int32_t y = enemyPathY[index];
    auto meet = [this, index](CharacterId side) {
        enemyPlanStep = 0;
        enemyWalkStart = 1;
        enemyPointIndex = 0;
        enemyMetCharacter = 1;
        battleSide = side;
        enemyPointFight[index] = 1;
    };
    if (playerOnMap != 0 && walkX == x && walkY == y) {
        meet(kPlayerCharacter);
    }
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (heroOnMap[hero] != 0 && heroX[hero] == x && heroY[hero] == y) {
            meet(CharacterOfHeroIndex(static_cast<HeroIndex>(hero)));
        }
    }
}

void MapScreen::AddPlannedPoint(int32_t x, int32_t y) {
    --armyMoves[currentMover];
    const int index = enemyPathCount;
    enemyPointUsed[index] = 1;
    enemyPathX[index] = x;
    enemyPathY[index] = y;
    if (enemyPathCount < kEnemyPlanPoints) {
        ++enemyPathCount;
    }
    TestCharactersOnPlannedPoint(index);
}

void MapScreen::UpdateArmyMovement() {
    const int mover = currentMover;
    moverStartX = moverX;
    moverStartY = moverY;
    enemyPathCount = 0;
    // An army already on its route head plans nothing; its walk's end puts it on the route.
    enemyPlanStep = stepCounts == kNoSteps ? 0 : 1;
    while (enemyPlanStep != 0 && armyMoves[mover] > 0) {
        enemyPlanStep = enemyPlanStep == kLastPlanStage ? 0 : enemyPlanStep + 1;
        int32_t x = enemyPathCount == 0 ? moverX : enemyPathX[enemyPathCount - 1];
        int32_t y = enemyPathCount == 0 ? moverY : enemyPathY[enemyPathCount - 1];
        TakeStep(stepCounts, x, y);
        if (stepCounts == kNoSteps) {
            enemyPlanStep = 0;
            enemyWalkStart = 1;
            enemyPointIndex = 0;
        }
        AddPlannedPoint(x, y);
    }
    if (armyDone[mover] == 0) {
        enemyWalkStart = 1;
        enemyWalking = 0;
        enemyPointIndex = 0;
    }
}

void MapScreen::AdvanceArmy() {
    const int mover = currentMover;
    const InvaderRoute& route = RouteOf(mover);
    enemyPlanStep = 1;
    enemyPathCount = 0;
    moverStartX = armyX[mover];
    moverStartY = armyY[mover];
    const int last = route.count - 1;
    if (armyRouteIndex[mover] >= last) {
        enemyPlanStep = 0;
        armyDone[mover] = 1;
        armyAtRouteEnd[mover] = 1;
    }
    moverRouteIndex = armyRouteIndex[mover];
    bool handedOn = false;
    if (armyDone[mover] == 0 && armyAtRouteEnd[mover] != 0) {
        enemyPlanStep = 0;
        armyDone[mover] = 1;
        enemyPhase = kEnemyPhasePick;
        pickNextArmy = 1;
        handedOn = true;
    }
    while (enemyPlanStep != 0 && armyMoves[mover] > 0 && moverRouteIndex < kRoutePointCount) {
        enemyPlanStep = enemyPlanStep == kLastPlanStage ? 0 : enemyPlanStep + 1;
        const int index = moverRouteIndex;
        if (index == last) {
            enemyPlanStep = 0;
            enemyWalkStart = 1;
            enemyPointIndex = 0;
            armyAtRouteEnd[mover] = 1;
        }
        ++moverRouteIndex;
        AddPlannedPoint(route.x[index], route.y[index]);
    }
    // A plan without a point is still walked, and ends at once, so the phase moves on.
    if (enemyPathCount > 0 || !handedOn) {
        enemyWalkStart = 1;
        enemyWalking = 0;
        enemyPointIndex = 0;
    }
    if (enemyPathCount > 0) {
        armyRouteIndex[mover] = moverRouteIndex;
    }
}

void MapScreen::EndEnemyWalk() {
    const int mover = currentMover;
    if (armyOnRoute[mover] != 0) {
        enemyPhase = kEnemyPhasePick;
        pickNextArmy = 1;
        armyDone[mover] = 1;
    } else {
        if (StandsOnRouteHead(mover)) {
            armyOnRoute[mover] = 1;
        }
        // With no move left, or nothing planned and still off its route, its day is over.
        const bool stuck = enemyPathCount == 0 && armyOnRoute[mover] == 0;
        if (armyMoves[mover] == 0 || stuck) {
            pickNextArmy = 1;
            enemyPhase = kEnemyPhasePick;
            armyDone[mover] = 1;
        } else {
            enemyPhase = kEnemyPhasePlan;
        }
    }
    enemyIdle = 1;
    enemyWalkStart = 0;
    enemyWalking = 0;
    enemyPathCount = 0;
    enemyPointIndex = 0;
    stepCounts.fill(0);
    enemyWalkEnded = 1;

    // The arrival cell follows from where the army stands.
    moverArrivalCell = MapCellAt(armyX[mover], armyY[mover]);
    if (armyCell[mover] >= 1 && armyCell[mover] <= kMapCellCount) {
        cellObject[armyCell[mover]] = 0;
    }
    armyCell[mover] = moverArrivalCell;
    if (moverArrivalCell != kNoMapCell) {
        cellSavedCode = cellObject[moverArrivalCell];
        cellObject[moverArrivalCell] = static_cast<uint8_t>(mover + kWalkingArmyCodeOffset);
    }
    moverArrivalCell = 0;
    // A further plan today starts where this walk ended.
    moverX = armyX[mover];
    moverY = armyY[mover];

    enemyPathX.fill(0);
    enemyPathY.fill(0);
    enemyPointUsed.fill(0);
    enemyPointFight.fill(0);
    battlePending = 0;
    battleSide = 0;
    enemyPlanStep = 0;
}

void MapScreen::StepArmyAlongRoute(uint8_t step) {
    const int mover = currentMover;
    if (enemyWalkStart != 0) {
        stepCounts.fill(0);
        enemyWalking = 1;
        enemyWalkStart = 0;
        pointReachedX = 0;
        pointReachedY = 0;
        chooseDirection = 1;
        // A plan without a point ends its walk in this frame.
        enemyPointReached = enemyPathCount == 0 ? 1 : 0;
    }
    if (chooseDirection != 0 && enemyWalking != 0 && armyActive[mover] != 0) {
        chooseDirection = 0;
        stepCounts.fill(0);
        if (enemyPointIndex < enemyPathCount) {
            stepCounts = FlagsToward(armyX[mover], armyY[mover], enemyPathX[enemyPointIndex],
                                     enemyPathY[enemyPointIndex]);
        }
        if (stepCounts != kNoSteps) {
            enemyIdle = 0;
        }
        armyFacing[mover] = FacingOf(stepCounts[kStepRight], stepCounts[kStepLeft],
                                     stepCounts[kStepUp], stepCounts[kStepDown], armyFacing[mover]);
    }
    if (enemyPointReached != 0) {
        if (enemyWalking == 0) {
            return;
        }
        if (armyActive[mover] != 0) {
            enemyPointReached = 0;
            if (enemyPointIndex == enemyPathCount) {
                EndEnemyWalk();
            }
        }
    }
    if (enemyWalking == 0 || enemyPointIndex >= enemyPathCount) {
        return;
    }
    const int index = enemyPointIndex;
    pointReachedX |= armyX[mover] == enemyPathX[index];
    pointReachedY |= armyY[mover] == enemyPathY[index];
    if (pointReachedX == 0) {
        StepToward(armyX[mover], enemyPathX[index], step);
    }
    if (pointReachedY == 0) {
        StepToward(armyY[mover], enemyPathY[index], step);
    }
    if (pointReachedX != 0 && pointReachedY != 0) {
        if (enemyPointFight[index] != 0) {
            chooseDirection = 1;
            battlePending = 1;
            attackArmy = static_cast<uint8_t>(mover);
        }
        enemyPointUsed[index] = 0;
        pointReachedX = 0;
        pointReachedY = 0;
        ++enemyPointIndex;
        enemyPointReached = 1;
        chooseDirection = 1;
    }
}

// The save bounds the count of goal cells searched by the largest goal.
static_assert(std::max({kPalaceCells.size(), kCastleCells.size(), size_t{kCellsPerVillage},
                        size_t{1}}) == kLargestGoalCells);

void MapScreen::CheckEncounter() {
    const int mover = currentMover;
    std::span<const int32_t> goal;
    auto village = [this](int number) {
        return std::span<const int32_t>(villageCells)
            .subspan((number - 1) * kCellsPerVillage, kCellsPerVillage);
    };
    switch (mover) {
        case 80:
        case 89:
            goal = palaceCells;
            break;
        case 81:
        case 84:
        case 86:
            goal = village(7);
            break;
        case 82:
            goal = village(9);
            break;
        case 83:
            goal = village(8);
            break;
        case 85:
            goal = village(2);
            break;
        case 87:
            goal = std::span<const int32_t>(&towerCell, 1);
            break;
        case 88:
        case 90:
        case 91:
        case 92:
            goal = castleCells;
            break;
        default:
            break;
    }
    const uint8_t count = static_cast<uint8_t>(goal.size());
    // Every scan covers the whole place from its first cell.
    encounterScan = 0;
    for (uint8_t k = 0; k < count; ++k) {
        if (encounterScan != k) {
            continue;
        }
        if (playerOnMap != 0 && goal[k] == playerCell) {
            battlePending = 1;
            battleSide = kPlayerCharacter;
        }
        for (int hero = 0; hero < kHeroCount; ++hero) {
            if (heroOnMap[hero] != 0 && goal[k] == heroCell[hero]) {
                battlePending = 1;
                battleSide = CharacterOfHeroIndex(static_cast<HeroIndex>(hero));
            }
        }
        if (battlePending == 0) {
            encounterScan = static_cast<uint8_t>(k + 1);
        }
    }
    if (battlePending != 0) {
        attackArmy = static_cast<uint8_t>(mover);
    } else {
        encounterScan = count;
    }
    if (armyActive[mover] == 0) {
        encounterScan = count;
        battlePending = 0;
        battleSide = 0;
        enemyPhase = kEnemyPhaseGone;
    }
    if (mover == 89) {
        goalBattle = battlePending;
    } else if (mover == 88 || (mover >= 90 && mover <= 92)) {
        goalBattle = mover != 88 && battlePending != 0 ? 1 : 0;
    }
}

}  // namespace varn
