#include <algorithm>

#include "app/GameApp.h"
#include "engine/GameAssets.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"

namespace varn {

// The map's objects come from the world at every entry and go back at every leave, so whatever
// a battle, a house or a load wrote into the world is what the map shows next. Besides the
// lasting objects, the map carries a snapshot of its enemy phase and fame box through the world,
// written and read field for field.

namespace {

constexpr int kPlayerBattleLostEntry = 1;
constexpr int kHeroBattleLostEntry = 2;

template <typename Dst, typename Src>
void CopyAll(Dst& dst, const Src& src) {
    std::copy(src.begin(), src.end(), dst.begin());
}

bool IsMovingArmy(int army) {
    return army >= kFirstMovingArmyEntity && army < kMapEntityCount;
}

void CopyRouteIn(InvaderRoute& route, const std::array<int32_t, 3>& head, uint8_t count,
                 const std::array<int32_t, kRoutePointCount>& cells,
                 const std::array<int32_t, kRoutePointCount>& x,
                 const std::array<int32_t, kRoutePointCount>& y) {
    route.headX = head[0];
    route.headY = head[1];
    route.headCell = head[2];
    route.count = count;
    route.cells = cells;
    route.x = x;
    route.y = y;
}

void CopyRouteOut(const InvaderRoute& route, std::array<int32_t, 3>& head, uint8_t& count,
                  std::array<int32_t, kRoutePointCount>& cells,
                  std::array<int32_t, kRoutePointCount>& x,
                  std::array<int32_t, kRoutePointCount>& y) {
    head = {route.headX, route.headY, route.headCell};
    count = route.count;
    cells = route.cells;
    x = route.x;
    y = route.y;
}

// The five work bytes of the enemy phase's walk and encounter.
std::array<uint8_t*, 5> WorkBytes(MapScreen& screen) {
    return {&screen.enemyIdle, &screen.enemyWalkEnded, &screen.enemyPlanStep,
            &screen.enemyPointIndex, &screen.encounterScan};
}

void CopyWorldIn(GameApp& app) {
    const GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    MapView& view = *app.mapView;

    screen.dayShown = world.day;
    screen.fameShown = world.fame;
    screen.triggerCopy = world.battleTrigger;
    screen.towerHidden = world.Trigger(kTowerTrigger);
    screen.playerHealthLow = static_cast<uint8_t>(world.playerStats.health);
    view.battleTrigger = world.battleTrigger;
    view.villageJoined = world.villageJoined;
    view.townOwned = world.townOwned;

    screen.portraitVariant = world.playerPortrait;
    screen.playerCell = world.playerMapCell;
    screen.playerFacing = world.playerDirection;
    screen.playerMoves = world.playerMovesLeft;
    // The party is always on the map, so invaders meet it on their way.
    screen.playerOnMap = 1;
    screen.heroOnMap = world.heroJoined;
    screen.heroCell = world.heroMapCell;
    screen.heroFacing = world.heroDirection;
    screen.heroMoves = world.heroMovesLeft;

    CopyAll(screen.pileActive, world.pileOnMap());
    CopyAll(screen.bagActive, world.bagOnMap());
    CopyAll(screen.chestActive, world.chestOnMap());
    for (int army = 0; army < kMapEntityCount; ++army) {
        screen.armyActive[army] = world.BattleSite(army + 1);
        screen.armyX[army] = world.mapEntityA[army];
        screen.armyY[army] = world.mapEntityB[army];
        screen.armyFacing[army] = world.mapEntityF[army];
        screen.armyRouteIndex[army] = world.mapEntityH[army];
        screen.armyOnRoute[army] = world.mapEntityI[army];
    }
    screen.PlaceObjects();
    screen.PlaceArmies();
    screen.BuildRoutes();
}

void RestartTrackAfterBattle(GameApp& app) {
    GameState& world = *app.world;
    if (world.restartMusicOnMap == 0) {
        return;
    }
    world.restartMusicOnMap = 0;
    world.villageOrTowerEntered = 0;
    // A battle stops the track; with the music option off it stays silent.
    if (world.musicOn != 0) {
        app.backgroundTrack.PutCurrentPosition(0.0);
        app.backgroundTrack.PutVolume(kTrackRestartVolume);
        app.backgroundTrack.Run();
        app.mp3State = 2;
    }
}

void TakeBackSnapshot(GameApp& app) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    RestartTrackAfterBattle(app);
    world.mapSnapshotState = kSnapshotTaken;

    screen.fameBoxShown = world.fameBoxOpen();
    screen.focusHero = world.fameFocusHero;
    screen.fameRewardShown = world.fameRewardGiven;
    screen.fameRewardRow = world.fameRewardSlot;

    screen.enemyPhase = world.mapPhase;
    screen.currentMover = world.currentEntity;
    screen.pickNextArmy = world.pickNextArmy;
    screen.moverRouteIndex = world.moverRouteIndex;
    const auto& leg = world.moverLegValues();
    screen.moverX = leg[0];
    screen.moverY = leg[1];
    screen.moverGoalX = leg[2];
    screen.moverGoalY = leg[3];
    screen.moverArrivalCell = leg[4];
    screen.enemyWalkStart = world.moverLegBytes()[0];
    screen.enemyWalking = world.moverLegBytes()[1];
    screen.enemyMetCharacter = world.moverLegBytes()[2];
    screen.movingParty = world.movingParty;
    screen.enemyPointReached = world.movingPartyByte();
    for (int army = kFirstMovingArmyEntity; army < kMapEntityCount; ++army) {
        screen.armyMoves[army] = world.mapEntityJ[army];
        screen.armyOnRoute[army] = world.mapEntityI[army];
        screen.armyCell[army] = world.mapEntityC[army];
        screen.armyX[army] = world.mapEntityA[army];
        screen.armyY[army] = world.mapEntityB[army];
        screen.armyDone[army] = world.movingArmyDone[army - kFirstMovingArmyEntity];
    }
    screen.enemyPathCount = world.partyHeader();
    screen.partyBytesA = world.partyByteA;
    screen.partyValues = world.partyDwordA;
    screen.partyX = world.partyX;
    screen.partyY = world.partyY;
    screen.partyBytesB = world.partyByteB;
    screen.battleSide = world.battleStartBytes[0];
    screen.battleByte2 = world.battleStartBytes[1];
    screen.battlePending = 0;
    const std::array<uint8_t*, 5> work = WorkBytes(screen);
    for (size_t k = 0; k < work.size(); ++k) {
        *work[k] = world.mapWorkBytes()[k];
    }
    CopyRouteIn(screen.routeA, world.mapWorkValues(), world.mapWorkByte(), world.roamerA,
                world.roamerB, world.roamerC);
    CopyRouteIn(screen.routeB, world.routeWorkValues(), world.routeWorkByte(), world.roamerD,
                world.roamerE, world.roamerF);

    // Only an army that is still on the map and may still move today goes on moving.
    const int mover = screen.currentMover;
    if (IsMovingArmy(mover) && screen.armyActive[mover] != 0 && screen.armyMoves[mover] != 0) {
        screen.enemyPhase = kEnemyPhasePlan;
    }
    if (IsMovingArmy(mover)) {
        screen.moverX = screen.armyX[mover];
        screen.moverY = screen.armyY[mover];
    }
    if (world.beatenInvader() != 0) {
        screen.outcomeReward = world.beatenInvader();
        world.beatenInvader() = 0;
        screen.enemyPhase = kEnemyPhaseSettle;
    }
    if (mover == 89 && world.BattleSite(90) != 0) {
        screen.enemyPhase = kEnemyPhaseSettle;
    }
    screen.playerAttack = 0;
    screen.battlePending = 0;
    screen.battleSide = 0;
}

// A lost or abandoned battle costs its commander the rest of the day, unless the battle already
// moved the party off the battle ground.
void TakeBattleLoss(GameApp& app) {
    MapScreen& screen = *app.mapScreen;
    if (app.battleResult[0] != 1) {
        return;
    }
    app.battleResult[0] = 0;
    if (app.battleResult[kPlayerBattleLostEntry] != 0) {
        if (app.battleToMap == 0) {
            screen.playerMoves = 0;
        }
        app.battleResult[kPlayerBattleLostEntry] = 0;
    }
    const uint8_t hero = app.battleResult[kHeroBattleLostEntry];
    if (hero >= 1 && hero <= kHeroCount) {
        if (app.battleToMap == 0) {
            screen.heroMoves[hero - 1] = 0;
        }
    }
    app.battleResult[kHeroBattleLostEntry] = 0;
    app.battleToMap = 0;
}

void CopyPanelArmies(const ArmyRecord& army, std::array<uint8_t, kPanelArmyBytes>& row) {
    std::copy(army.present.begin(), army.present.end(), row.begin());
    std::copy(army.position.begin(), army.position.end(), row.begin() + kArmySlotCount);
    std::copy(army.unitType.begin(), army.unitType.end(), row.begin() + 2 * kArmySlotCount);
}

void CreateMapScreen(GameApp& app) {
    if (!CreateScreen(app.mapScreen, app.device)) {
        return;
    }
    const GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    CopyWorldIn(app);
    if (world.mapSnapshotState == kSnapshotWaiting) {
        TakeBackSnapshot(app);
    }
    screen.MarkCells();
    TakeBattleLoss(app);
    screen.gemSlots = world.gemA;
    screen.gemOwned = world.gemOwned;
    screen.gemSlotOf = world.gemC;
    screen.artifactSlots = world.artifactA;
    screen.artifactOwned = world.artifactOwned;
    screen.artifactSlotOf = world.artifactC;
    CopyPanelArmies(world.playerArmy, screen.panelArmies[0]);
    for (int hero = 0; hero < kHeroCount; ++hero) {
        CopyPanelArmies(world.heroArmies[hero], screen.panelArmies[hero + 1]);
    }
}

void WriteSnapshot(MapScreen& screen, GameState& world) {
    world.currentEntity = screen.currentMover;
    world.pickNextArmy = screen.pickNextArmy;
    world.moverRouteIndex = screen.moverRouteIndex;
    world.moverLegValues() = {screen.moverX, screen.moverY, screen.moverGoalX, screen.moverGoalY,
                              screen.moverArrivalCell};
    world.moverLegBytes() = {screen.enemyWalkStart, screen.enemyWalking, screen.enemyMetCharacter};
    world.movingParty = screen.movingParty;
    world.movingPartyByte() = screen.enemyPointReached;
    for (int army = kFirstMovingArmyEntity; army < kMapEntityCount; ++army) {
        world.mapEntityJ[army] = screen.armyMoves[army];
        world.mapEntityI[army] = screen.armyOnRoute[army];
        world.mapEntityC[army] = screen.armyCell[army];
        world.mapEntityA[army] = screen.armyX[army];
        world.mapEntityB[army] = screen.armyY[army];
        world.movingArmyDone[army - kFirstMovingArmyEntity] = screen.armyDone[army];
    }
    world.partyHeader() = screen.enemyPathCount;
    world.partyByteA = screen.partyBytesA;
    world.partyDwordA = screen.partyValues;
    world.partyX = screen.partyX;
    world.partyY = screen.partyY;
    world.partyByteB = screen.partyBytesB;
    world.battleStartBytes[0] = screen.battleSide;
    world.battleStartBytes[1] = screen.battleByte2;
    const std::array<uint8_t*, 5> work = WorkBytes(screen);
    for (size_t k = 0; k < work.size(); ++k) {
        world.mapWorkBytes()[k] = *work[k];
    }
    CopyRouteOut(screen.routeA, world.mapWorkValues(), world.mapWorkByte(), world.roamerA,
                 world.roamerB, world.roamerC);
    CopyRouteOut(screen.routeB, world.routeWorkValues(), world.routeWorkByte(), world.roamerD,
                 world.roamerE, world.roamerF);
}

}  // namespace

void CreateMapView(GameApp& app) {
    if (CreateScreen(app.controlPanel, app.device) || app.mapView == nullptr) {
        app.controlPanel->portrait = app.world->playerPortrait;
    }
    if (app.mapView) {
        return;
    }
    app.world->UpdateQuests();
    CreateScreen(app.mapView, app.device);
    app.mapView->battleTrigger = app.world->battleTrigger;
}

void CreateMapObjects(GameApp& app) {
    CreateMapView(app);
    for (size_t timer : {kScrollTimer, kWalkTimer}) {
        if (!app.stepTimers[timer]) {
            app.StartStepTimer(timer);
        }
    }
    CreateMapScreen(app);
}

void LeaveMap(GameApp& app) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    world.defenderFound() = screen.goalBattle;
    world.fameBoxOpen() = screen.fameBoxShown;
    world.fameRewardGiven = screen.fameRewardShown;
    world.fameRewardSlot = screen.fameRewardRow;
    world.fameFocusHero = screen.focusHero;
    screen.tradeFailed = 0;
    world.routePending = screen.battleSide != 0 ? kRoutePending : kRouteNone;
    screen.battleSide = 0;
    if (screen.enemyPhase == kEnemyPhaseOff) {
        screen.currentMover = 0;
        world.currentEntity = 0;
    }

    world.gemA = screen.gemSlots;
    world.gemOwned = screen.gemOwned;
    world.gemC = screen.gemSlotOf;
    world.artifactA = screen.artifactSlots;
    world.artifactOwned = screen.artifactOwned;
    world.artifactC = screen.artifactSlotOf;
    world.playerMapCell = screen.playerCell;
    world.playerDirection = screen.playerFacing;
    world.playerMovesLeft = screen.playerMoves;
    world.heroJoined = screen.heroOnMap;
    world.heroMapCell = screen.heroCell;
    world.heroDirection = screen.heroFacing;
    world.heroMovesLeft = screen.heroMoves;
    CopyAll(world.pileOnMap(), screen.pileActive);
    CopyAll(world.bagOnMap(), screen.bagActive);
    CopyAll(world.chestOnMap(), screen.chestActive);
    for (int army = 0; army < kMapEntityCount; ++army) {
        world.BattleSite(army + 1) = screen.armyActive[army];
        world.mapEntityA[army] = screen.armyX[army];
        world.mapEntityB[army] = screen.armyY[army];
        world.mapEntityF[army] = screen.armyFacing[army];
        world.mapEntityH[army] = screen.armyRouteIndex[army];
        world.mapEntityI[army] = screen.armyOnRoute[army];
    }
    world.meetingSecond = screen.meetSecond;
    world.meetingFirst = screen.meetFirst;
    WriteSnapshot(screen, world);
    world.mapPhase = 0;
    world.mapSnapshotState = kSnapshotWaiting;

    // A save writes the scroll the player left the map at.
    app.mapScrollX = app.mapView->scrollX;
    app.mapScrollY = app.mapView->scrollY;
    app.notice.clear();
    if (world.quitFromBattle == 0) {
        FreeOwned(app.mapScreen);
    }
    world.quitFromBattle = 0;
}

}  // namespace varn
