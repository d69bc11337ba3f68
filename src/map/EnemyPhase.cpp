#include <algorithm>

#include "app/GameApp.h"
#include "engine/StepTimer.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/Counters.h"
#include "world/GameState.h"

namespace varn {

// After the end of a day the enemy armies move one after the other, a few steps a frame. An
// invader that reaches the place it marches on fights a character standing there, or settles the
// invasion by itself. Once no enemy moves any more, both sides recover.

namespace {

constexpr int32_t kInvasionGold = 500;
constexpr int kCarryHealA = 6;
constexpr int kCarryHealB = 3;
constexpr int32_t kHealthPerDay = 3;

enum class GoalAxis : uint8_t { X, Y };

// One invasion army: its quest, the line that is its goal, how many cells of the goal place are
// searched for a defender, and what beating it is worth.
struct Invader {
    int army;
    int quest;
    GoalAxis axis;
    int32_t goal;
    int32_t otherGoal;  // a second x for the palace's armies, else the same
    uint8_t defenderCells;
    int32_t victoryFame;
};

constexpr Invader kInvaders[] = {
    {80, 6, GoalAxis::X, 240, 280, 6, 5},      {81, 77, GoalAxis::Y, -480, -480, 3, 5},
    {82, 78, GoalAxis::X, 1920, 1920, 3, 5},   {83, 80, GoalAxis::Y, -760, -760, 3, 5},
    {84, 84, GoalAxis::Y, -480, -480, 3, 5},   {85, 86, GoalAxis::Y, 1520, 1520, 3, 5},
    {86, 92, GoalAxis::Y, -480, -480, 3, 5},   {87, 93, GoalAxis::X, 2040, 2040, 1, 5},
    {88, 94, GoalAxis::X, 1760, 1760, 22, 10}, {89, 95, GoalAxis::X, 240, 280, 6, 10},
    {90, 96, GoalAxis::X, 1760, 1760, 22, 10}, {91, 97, GoalAxis::X, 1760, 1760, 22, 10},
    {92, 98, GoalAxis::X, 1760, 1760, 22, 10},
};

constexpr int kLastRewardedArmy = 87;
constexpr int kFirstGuardedArmy = 89;
constexpr int kFirstSurrenderArmy = 90;
constexpr int kFirstTrackedArmy = 83;
constexpr int32_t kWeakenedFame = 3;
constexpr int32_t kWeakenedGold = 200;
constexpr int32_t kUnopposedFame = 3;

const Invader* FindInvader(int army) {
    const auto* found =
        std::find_if(std::begin(kInvaders), std::end(kInvaders),
                     [army](const Invader& invader) { return invader.army == army; });
    return found == std::end(kInvaders) ? nullptr : found;
}

bool AtGoal(const MapScreen& screen, const Invader& invader) {
    const int32_t value =
        invader.axis == GoalAxis::X ? screen.armyX[invader.army] : screen.armyY[invader.army];
    return value == invader.goal || value == invader.otherGoal;
}

void AddFame(GameApp& app, int64_t amount) {
    app.world->fame = AddToCounter(app.world->fame, amount);
    app.mapScreen->fameShown = app.world->fame;
}

void ClearCarriedLosses(GameState& world, int army) {
    world.CarryA(army + 1) = 0;
    world.CarryB(army + 1) = 0;
}

// The guards of the Wawel Castle and the palace are gone with the army that fought them.
void ClearGoalBattle(GameApp& app, int army) {
    if (army >= kFirstGuardedArmy) {
        app.mapScreen->goalBattle = 0;
        app.world->defenderFound() = 0;
    }
}

void RewardVictory(GameApp& app, const Invader& invader) {
    GameState& world = *app.world;
    world.Quest(invader.quest) = kQuestSolved;
    AddFame(app, invader.victoryFame);
    world.gold = AddToCounter(world.gold, kInvasionGold);
    app.mapScreen->eventId = 0;
    ClearCarriedLosses(world, invader.army);
    ClearGoalBattle(app, invader.army);
}

// The place defends itself: the last invaders take the kingdom, the others are beaten, at a cost
// when nobody had weakened them.
void SettleUndefended(GameApp& app, const Invader& invader) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    const int army = invader.army;
    world.Quest(invader.quest) = kQuestSolved;
    if (screen.armyActive[army] == 0) {
        return;
    }
    if (army >= kFirstSurrenderArmy) {
        app.endOfGame[0] = 1;
        // The game ends here: the map leaves for the final save in this frame.
        app.SwitchState(SaveGameStateThunk, kPhaseSwitch);
        return;
    }
    const bool weakened = world.CarryA(army + 1) != 0 || world.CarryB(army + 1) != 0;
    screen.armyActive[army] = 0;
    screen.eventId = 0;
    if (weakened) {
        screen.outcomeEasyWin = static_cast<uint8_t>(army);
        if (army <= kLastRewardedArmy) {
            AddFame(app, kWeakenedFame);
            world.gold = AddToCounter(world.gold, kWeakenedGold);
        }
    } else {
        screen.outcomeHardWin = static_cast<uint8_t>(army);
        AddFame(app, -kUnopposedFame);
    }
    ClearCarriedLosses(world, army);
    ClearGoalBattle(app, army);
}

void SettleInvader(GameApp& app, const Invader& invader) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    const int army = invader.army;
    if (screen.outcomeReward == army && screen.currentMover == 0) {
        screen.outcomeShown = 1;
        RewardVictory(app, invader);
    }
    const bool arrived = screen.currentMover == army && world.Quest(invader.quest) < kQuestSolved &&
                         (screen.outcomeReward != 0 || AtGoal(screen, invader));
    if (!arrived) {
        return;
    }
    if (army >= kFirstTrackedArmy) {
        app.invasionArmy = static_cast<uint8_t>(army);
        app.invasionPlace = static_cast<uint8_t>(invader.quest - 1);
    }
    if (screen.armyActive[army] != 0) {
        screen.armyAtGoal[army] = 1;
        screen.checkDefenders = 1;
        screen.CheckEncounter();
        if (screen.battleSide != 0) {
            world.routePending = kRoutePending;
        }
        world.routeKind = 1;
    }
    screen.outcomeHardWin = 0;
    screen.outcomeEasyWin = 0;
    screen.outcomeReward = 0;
    screen.outcomeShown = 1;
    if (screen.battleSide == 0) {
        SettleUndefended(app, invader);
    }
    if (screen.armyActive[army] == 0 && screen.outcomeHardWin == 0 && screen.outcomeEasyWin == 0) {
        screen.outcomeReward = static_cast<uint8_t>(army);
        RewardVictory(app, invader);
    }
}

// The day's enemy phase is over once nothing is left to show for the army that moved last: no
// battle waits for it, or every cell of its goal was searched, or it never stood at its goal.
void EndSettledPhase(MapScreen& screen) {
    if (screen.eventId != 0 || screen.outcomeShown != 0) {
        return;
    }
    const int mover = screen.currentMover;
    const Invader* invader = FindInvader(mover);
    const uint8_t cells = invader != nullptr ? invader->defenderCells : 0;
    const bool atGoal = mover < kMapEntityCount && screen.armyAtGoal[mover] != 0;
    if (!atGoal || screen.encounterScan == cells || screen.battlePending == 0) {
        screen.enemyPhase = kEnemyPhaseOff;
    }
}

void Settle(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    for (const Invader& invader : kInvaders) {
        SettleInvader(app, invader);
    }
    EndSettledPhase(screen);
    if (screen.currentMover == 0) {
        screen.enemyPhase = kEnemyPhaseOff;
    }
}

void PlanMove(MapScreen& screen) {
    screen.enemyMoved = 1;
    const int mover = screen.currentMover;
    if (screen.armyOnRoute[mover] == 0) {
        screen.StepDirection();
        screen.UpdateArmyMovement();
    } else if (screen.armyMoves[mover] > 0) {
        screen.AdvanceArmy();
    }
    if (screen.enemyPhase == kEnemyPhasePlan) {
        screen.enemyPhase = kEnemyPhaseWalk;
    }
}

void Walk(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    const int mover = screen.currentMover;
    if (mover == 0) {
        screen.enemyPhase = kEnemyPhaseOff;
        return;
    }
    if (screen.enemyWalkStart == 0 && screen.enemyWalking == 0 && screen.armyDone[mover] != 0) {
        screen.enemyPhase = kEnemyPhaseOff;
        screen.eventId = 0;
        return;
    }
    const Invader* invader = FindInvader(mover);
    if (invader != nullptr && AtGoal(screen, *invader)) {
        screen.enemyPhase = kEnemyPhaseSettle;
        screen.enemyWalking = 0;
        return;
    }
    screen.StepArmyAlongRoute(app.stepTimers[kWalkTimer]->steps);
}

// An enemy stepped onto one of the player's characters, or found one at its goal.
void HandOverEnemyBattle(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    GameState& world = *app.world;
    if (screen.battlePending == 0) {
        return;
    }
    screen.battlePending = 0;
    world.mapPhase = screen.enemyPhase;
    // The attacker's position, from which a lost battle's preset route is chosen.
    world.playerX = screen.moverStartX;
    world.playerY = screen.moverStartY;
    world.movingParty = kPlayerParty;
    const CharacterId side = screen.battleSide;
    const uint8_t isPlayer = side == kPlayerCharacter ? 1 : 0;
    const uint8_t hero = side > kPlayerCharacter ? static_cast<uint8_t>(side - 1) : 0;
    app.StartBattleFromMap(static_cast<uint8_t>(screen.attackArmy + 1), isPlayer, hero, true);
}

void FollowMover(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (screen.enemyPhase == kEnemyPhaseOff || screen.enemyMoved == 0) {
        return;
    }
    app.world->enemyMoveFrames = AddToCounter(app.world->enemyMoveFrames, 1);
    screen.enemyMoved = 0;
    const int mover = screen.currentMover;
    CentreView(*app.mapView, screen.armyX[mover], screen.armyY[mover], 400, 400);
}

// A planning or walking mover that is no moving army on the map has nothing to walk: the phase
// goes on with the next army instead of waiting for it.
bool MoverGone(const MapScreen& screen) {
    if (screen.enemyPhase != kEnemyPhasePlan && screen.enemyPhase != kEnemyPhaseWalk) {
        return false;
    }
    const int mover = screen.currentMover;
    return mover < kFirstMovingArmyEntity || mover >= kMapEntityCount ||
           screen.armyActive[mover] == 0;
}

bool HealCharacter(CharacterStats& stats) {
    if (stats.health >= stats.maxHealth) {
        return false;
    }
    stats.health = static_cast<int32_t>(
        std::min<int64_t>(int64_t{stats.health} + kHealthPerDay, stats.maxHealth));
    return true;
}

bool HealArmies(ArmyRecord& army) {
    bool healed = false;
    for (int slot = 0; slot < kArmySlotCount; ++slot) {
        if (army.down[slot] != 0) {
            --army.down[slot];
            ++army.alive[slot];
            healed = true;
        }
        for (auto* wounds : {&army.light, &army.serious, &army.critical}) {
            if ((*wounds)[slot] != 0) {
                --(*wounds)[slot];
                healed = true;
            }
        }
    }
    return healed;
}

}  // namespace

void RunEnemyPhase(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (MoverGone(screen)) {
        screen.currentMover = 0;
        screen.enemyPhase = kEnemyPhasePick;
        screen.pickNextArmy = 1;
    }
    if (screen.enemyPhase == kEnemyPhasePick && screen.pickNextArmy != 0) {
        screen.pickNextArmy = 0;
        screen.NextMovingArmy();
        if (screen.enemyPhase != kEnemyPhaseOff && screen.enemyPhase != kEnemyPhaseSettle) {
            screen.enemyPhase = kEnemyPhasePlan;
        }
    }
    if (screen.enemyPhase == kEnemyPhasePlan) {
        PlanMove(screen);
    }
    if (screen.enemyPhase == kEnemyPhaseWalk) {
        Walk(app);
    }
    if (screen.enemyPhase == kEnemyPhaseSettle) {
        Settle(app);
    }
    HandOverEnemyBattle(app);
    FollowMover(app);
}

void RunRecovery(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    GameState& world = *app.world;
    if (app.healPending == 0 || screen.enemyPhase != kEnemyPhaseOff) {
        return;
    }
    app.healPending = 0;
    if (world.CarryA(kCastleBattle) != 0 || world.CarryB(kCastleBattle) != 0) {
        world.CarryA(kCastleBattle) = 0;
        world.CarryB(kCastleBattle) = 0;
        screen.healMessages[2] = 1;
    }
    for (int battle = 1; battle <= kBattleEntryCount; ++battle) {
        uint8_t& a = world.CarryA(battle);
        uint8_t& b = world.CarryB(battle);
        if (a != 0) {
            a = a < kCarryHealA ? 0 : static_cast<uint8_t>(a - kCarryHealA);
            screen.healMessages[1] = 1;
        }
        if (b != 0) {
            b = b < kCarryHealB + 1 ? 0 : static_cast<uint8_t>(b - kCarryHealB);
            screen.healMessages[1] = 1;
        }
    }
    bool healed = HealCharacter(world.playerStats);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (screen.heroOnMap[hero] != 0) {
            healed = HealCharacter(world.heroStats[hero]) || healed;
        }
    }
    healed = HealArmies(world.playerArmy) || healed;
    for (int hero = 0; hero < kHeroCount; ++hero) {
        if (screen.heroOnMap[hero] != 0) {
            healed = HealArmies(world.heroArmies[hero]) || healed;
        }
    }
    if (healed) {
        screen.healMessages[0] = 1;
    }
}

}  // namespace varn
