#include "world/GameState.h"
#include "world/MapCells.h"

namespace varn {

// Where the commander of a finished battle stands afterwards: at the cell of the party that moved
// into an invasion battle, or on the first free cell of the battle's preset route.

namespace {

using Route = std::array<int32_t, kRouteCellCount>;

constexpr std::array<Route, 7> kRoutes = {{
    {774, 676, 832, 1075, 1125, 1178, 934, 785, 482, 475, 1171},
    {357, 355, 202, 154, 62, 164, 263, 264, 265, 266, 267},
    {3055, 2756, 2637, 2582, 2642, 3179, 3178, 3177, 3176, 3175, 3174},
    {7187, 7249, 2571, 2627, 2691, 6887, 6888, 6889, 6890, 6891, 6892},
    {8885, 8811, 10413, 8842, 8916, 8966, 9012, 9013, 9014, 9015, 9016},
    {4386, 4323, 4320, 4498, 4619, 4680, 4743, 4744, 4745, 4746, 4747},
    {4191, 4250, 4308, 4370, 4488, 4609, 4671, 4611, 4612, 4731, 4730},
}};

// Route of each invasion battle 81..93.
constexpr std::array<uint8_t, kLastBattle - kFirstInvasionBattle + 1> kRouteOfBattle = {
    0, 1, 2, 3, 1, 4, 1, 5, 6, 0, 6, 6, 6,
};

constexpr bool IsInvasionBattle(int battle) {
    return battle >= kFirstInvasionBattle && battle <= kLastBattle;
}

constexpr bool IsHeroNumber(int hero) {
    return hero >= 1 && hero <= kHeroCount;
}

constexpr int kLastOtherParty = kFirstOtherParty + kPartyCount - 1;

}  // namespace

void GameState::SetRoute(uint8_t battle, uint8_t placePlayer, uint8_t heroNumber) {
    if (routeKind != 0) {
        routeCounter = kRouteCounterSet;
    }
    routePending = kRouteDone;
    // Battle numbers past the invasions have no route and no party to follow.
    if (!IsInvasionBattle(battle)) {
        routeKind = 0;
        return;
    }
    const bool placeHero = IsHeroNumber(heroNumber);
    if (routeKind == 0) {
        const bool otherParty = movingParty >= kFirstOtherParty && movingParty <= kLastOtherParty;
        const int32_t x = otherParty ? partyX[movingParty - kFirstOtherParty] : playerX;
        const int32_t y = otherParty ? partyY[movingParty - kFirstOtherParty] : playerY;
        // A position off the map keeps the commander where it stood.
        const int32_t cell = MapCellAt(x, y);
        if (cell != kNoMapCell) {
            if (placePlayer != 0) {
                playerMapCell = cell;
            }
            if (placeHero) {
                heroMapCell[heroNumber - 1] = cell;
            }
        }
        return;
    }
    routeLength = 1;
    routeIndex = 0;
    routeCells = kRoutes[kRouteOfBattle[battle - kFirstInvasionBattle]];
    // A cell is free when neither the player's party nor any hero, joined or not, stands on it.
    auto placeOnFreeCell = [this](int32_t cell, int32_t& commanderCell) {
        if (playerMapCell == cell || routeLength != 1) {
            routeIndex = 0;
            return;
        }
        int heroesElsewhere = 0;
        for (int32_t heroCell : heroMapCell) {
            heroesElsewhere += heroCell != cell ? 1 : 0;
        }
        routeIndex = static_cast<uint8_t>(heroesElsewhere);
        if (heroesElsewhere == kHeroCount) {
            commanderCell = cell;
            routeLength = 0;
        } else {
            routeIndex = 0;
        }
    };
    for (int32_t cell : routeCells) {
        if (placePlayer != 0) {
            placeOnFreeCell(cell, playerMapCell);
        }
        if (placeHero) {
            placeOnFreeCell(cell, heroMapCell[heroNumber - 1]);
        }
    }
    routeKind = 0;
}

}  // namespace varn
