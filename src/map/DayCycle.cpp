
#include "app/GameApp.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/Counters.h"
#include "world/GameState.h"

namespace varn {

// The turn boundary of the kingdom map, all in the frame the end-of-day button is released:
// fame rewards, the new day with its income and quests, dated messages and invasions, the
// treaty at day 150, fresh moves, and the enemy phase to follow.

namespace {

constexpr int kFameLines = 6;
constexpr int kTreatyDay = 150;
constexpr uint8_t kNoHero = 0xFF;

struct FameReward {
    int32_t fameAbove;
    int32_t gold;
    uint8_t hero;  // HeroIndex, or kNoHero
};

constexpr FameReward kFameRewards[kFameRewardCount] = {
    {1, 100, kNoHero},   {4, 0, 1},           {8, 400, kNoHero},   {14, 500, kNoHero},
    {25, 600, kNoHero},  {39, 600, kNoHero},  {49, 0, 2},          {64, 600, kNoHero},
    {79, 0, 3},          {94, 600, kNoHero},  {109, 600, kNoHero}, {129, 0, 4},
    {159, 600, kNoHero}, {189, 600, kNoHero}, {219, 0, 6},         {249, 600, kNoHero},
    {279, 600, kNoHero}, {309, 0, 8},         {339, 600, kNoHero}, {369, 600, kNoHero},
    {399, 600, kNoHero}, {429, 0, 9},         {459, 900, kNoHero},
};

enum class DayTest : uint8_t { Equals, After };

// One dated row: tested once against the new day, in table order.
struct DatedRow {
    int quest;  // 0: the tower's trigger instead
    uint8_t questIs;
    DayTest test;
    int32_t day;
    int army;              // -1 none
    uint8_t questBecomes;  // 0 unchanged
    uint8_t event;         // 0 none
    bool hideDayBox;
};

constexpr DatedRow kDatedRows[] = {
    {6, 0, DayTest::After, 10, 80, 2, 0, false},     {77, 0, DayTest::Equals, 19, -1, 2, 3, true},
    {77, 2, DayTest::After, 22, 81, 4, 0, false},    {78, 0, DayTest::Equals, 20, -1, 2, 6, true},
    {78, 2, DayTest::After, 26, 82, 4, 0, false},    {80, 0, DayTest::Equals, 31, -1, 2, 9, true},
    {80, 2, DayTest::Equals, 37, -1, 0, 13, true},   {80, 2, DayTest::After, 37, 83, 4, 10, false},
    {84, 0, DayTest::Equals, 33, -1, 2, 11, true},   {84, 2, DayTest::Equals, 39, -1, 0, 14, true},
    {84, 2, DayTest::After, 39, 84, 4, 10, false},   {86, 0, DayTest::Equals, 36, -1, 2, 12, true},
    {86, 2, DayTest::Equals, 42, -1, 0, 15, true},   {86, 2, DayTest::Equals, 43, -1, 0, 16, true},
    {86, 2, DayTest::After, 43, 85, 4, 10, false},   {92, 0, DayTest::Equals, 46, -1, 2, 17, true},
    {92, 2, DayTest::Equals, 53, -1, 0, 18, true},   {92, 2, DayTest::Equals, 59, -1, 0, 19, true},
    {92, 2, DayTest::After, 59, 86, 4, 10, false},   {93, 0, DayTest::Equals, 52, -1, 2, 20, true},
    {93, 2, DayTest::Equals, 58, -1, 0, 21, true},   {93, 2, DayTest::Equals, 61, -1, 0, 22, true},
    {93, 2, DayTest::After, 61, 87, 4, 10, false},   {94, 0, DayTest::Equals, 57, -1, 2, 23, true},
    {94, 2, DayTest::Equals, 63, -1, 0, 24, true},   {94, 2, DayTest::After, 63, 88, 4, 10, false},
    {95, 0, DayTest::Equals, 65, -1, 1, 25, true},   {0, 0, DayTest::Equals, 76, -1, 0, 27, true},
    {95, 1, DayTest::After, 65, 89, 2, 0, false},    {96, 0, DayTest::After, 91, 90, 2, 0, false},
    {100, 0, DayTest::Equals, 102, -1, 1, 30, true}, {99, 0, DayTest::Equals, 108, -1, 1, 31, true},
    {97, 0, DayTest::After, 110, 91, 2, 0, true},    {98, 0, DayTest::Equals, 121, -1, 1, 34, true},
    {98, 1, DayTest::After, 122, 92, 2, 0, true},
};

// Each army's announcement: while it has not reached its march route, then once on it.
struct Announcement {
    int army;
    uint8_t heading;
    uint8_t moving;
};

constexpr Announcement kAnnouncements[] = {
    {80, 1, 2}, {81, 4, 5}, {82, 7, 8}, {89, 26, 2}, {90, 28, 29}, {91, 32, 33}, {92, 35, 36},
};

void GrantFameRewards(GameApp& app) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    for (int k = 0; k < kFameRewardCount; ++k) {
        const FameReward& reward = kFameRewards[k];
        if (world.fame <= reward.fameAbove || world.eventDone[k] != 0) {
            continue;
        }
        world.eventDone[k] = 1;
        screen.fameRewardShown[k] = 1;
        screen.fameBoxShown = 1;
        if (reward.hero == kNoHero) {
            world.gold = AddToCounter(world.gold, reward.gold);
            continue;
        }
        screen.joinPending = 1;
        screen.joinHero = reward.hero;
        world.heroJoined[reward.hero] = 1;
        screen.heroOnMap[reward.hero] = 1;
        screen.PlaceJoinedHero();
        screen.focusHero = static_cast<uint8_t>(reward.hero + 1);
    }
    // At most six lines, in ascending order of the rewards.
    for (int line = 0; line < kFameLines; ++line) {
        for (int k = 0; k < kFameRewardCount; ++k) {
            if (screen.fameRewardShown[k] != 0 && screen.fameRewardOrdered[k] == 0) {
                screen.fameRewardOrdered[k] = 1;
                screen.fameRewardRow[k] = static_cast<uint8_t>(line);
                break;
            }
        }
    }
}

void ReleaseArmy(GameApp& app, int army) {
    app.world->BattleSite(army + 1) = 1;
    app.mapScreen->armyActive[army] = 1;
    app.mapScreen->PlaceArmies();
    app.mapScreen->BuildRoutes();
}

void AbandonTower(GameApp& app) {
    app.world->Trigger(kTowerTrigger) = 1;
    app.mapView->battleTrigger[kTowerTrigger] = 1;
    app.mapScreen->towerHidden = 1;
    app.mapScreen->triggerCopy[kTowerTrigger] = 1;
}

void RunDatedRows(GameApp& app) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    for (const DatedRow& row : kDatedRows) {
        const uint8_t state =
            row.quest == 0 ? world.Trigger(kTowerTrigger) : world.Quest(row.quest);
        const bool onDay = row.test == DayTest::Equals ? world.day == row.day : world.day > row.day;
        if (state != row.questIs || !onDay) {
            continue;
        }
        if (row.hideDayBox) {
            app.mapDrawFlag = 0;
        }
        if (row.quest == 0) {
            AbandonTower(app);
        }
        if (row.army >= 0) {
            ReleaseArmy(app, row.army);
        }
        if (row.questBecomes != 0) {
            world.Quest(row.quest) = row.questBecomes;
        }
        if (row.event != 0) {
            screen.eventId = row.event;
        }
    }
}

}  // namespace

void EndDay(GameApp& app) {
    GameState& world = *app.world;
    MapScreen& screen = *app.mapScreen;
    const bool playersTurn = screen.enemyPhase == kEnemyPhaseOff && screen.outcomeShown == 0 &&
                             screen.walkState < kWalkOrdered && screen.heroWalkStart == 0 &&
                             screen.walkingHero == 0;
    if (!playersTurn) {
        return;
    }
    world.routeKind = 0;
    app.healPending = 1;
    screen.showCaption = 0;
    screen.hoverId = 0;
    screen.lookClick = 0;
    app.mapView->cellClicked = 0;
    app.mapDrawFlag = 1;
    screen.outcomeHardWin = 0;
    screen.outcomeEasyWin = 0;
    screen.outcomeReward = 0;
    screen.enemyMoved = 0;

    screen.fameRewardShown.fill(0);
    screen.fameRewardOrdered.fill(0);
    screen.fameRewardRow.fill(0);
    screen.fameBoxShown = 0;
    GrantFameRewards(app);

    screen.pointPending.fill(0);
    screen.pathX.fill(0);
    screen.pathY.fill(0);
    screen.pathCount = 0;
    screen.walkState = kWalkNone;
    screen.enemyPhase = kEnemyPhasePick;
    screen.pickNextArmy = 1;
    screen.healMessages.fill(0);

    screen.dayShown = AddToCounter(screen.dayShown, 1);
    world.day = AddToCounter(world.day, 1);
    world.gemA = screen.gemSlots;
    world.gemOwned = screen.gemOwned;
    world.gemC = screen.gemSlotOf;
    world.artifactA = screen.artifactSlots;
    world.artifactOwned = screen.artifactOwned;
    world.artifactC = screen.artifactSlotOf;
    world.ComputeDailyIncome();
    world.gold = AddToCounter(world.gold, world.dailyIncome);
    screen.armyDone.fill(0);
    screen.armyMoves.fill(kArmyMovesPerDay);
    world.UpdateQuests();
    RunDatedRows(app);

    if (world.day == kTreatyDay) {
        app.mapDrawFlag = 0;
        app.endOfGame[1] = 1;
    }
    for (const Announcement& announcement : kAnnouncements) {
        if (screen.armyActive[announcement.army] != 0) {
            screen.eventId = screen.armyOnRoute[announcement.army] != 0 ? announcement.moving
                                                                        : announcement.heading;
        }
    }
    world.playerMovesLeft = kMovesPerDay;
    screen.playerMoves = kMovesPerDay;
    world.heroMovesLeft.fill(kMovesPerDay);
    screen.heroMoves.fill(kMovesPerDay);
}

}  // namespace varn
