#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "engine/Owned.h"
#include "engine/StepTimer.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapStateSteps.h"
#include "map/MapView.h"
#include "world/GameState.h"

namespace varn {

// The map state's two heavy moments: the whole end of a day with every invader on the map, and
// its busiest frame. Goal: under 1 ms each.

namespace {

// A new game on the map with the thirteen invaders released, entered through the map state.
void EnterMapWithEveryInvader(GameApp& app) {
    FreeOwned(app.mapScreen);
    app.StartFreshWorld();
    for (int army = kFirstInvader; army <= kLastInvader; ++army) {
        app.world->BattleSite(army + 1) = 1;
    }
    app.EnterMap();
    app.Frame();
}

// The end of a day undrawn: the day cycle, the enemy phase of every army to its end at 7 pixels
// a frame (the player reading each box at once), and the recovery.
void BM_EndOfADay(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    int64_t frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EnterMapWithEveryInvader(app);
        app.stepTimers[kWalkTimer]->steps = 7;
        state.ResumeTiming();
        EndDay(app);
        MapScreen& screen = *app.mapScreen;
        constexpr int kFrameLimit = 100000;
        for (int frame = 0; screen.enemyPhase != kEnemyPhaseOff && frame < kFrameLimit; ++frame) {
            RunEnemyPhase(app);
            if (screen.eventId != 0 || screen.outcomeShown != 0) {
                ConfirmOnMap(app);
            }
            ++frames;
        }
        RunRecovery(app);
        benchmark::DoNotOptimize(screen.armyX);
    }
    state.counters["frames"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
    app.Cleanup();
}
// Each day needs a fresh map, made outside the timing: a fixed count keeps the set-ups few.
BENCHMARK(BM_EndOfADay)->Unit(benchmark::kMicrosecond)->Iterations(50);

// One whole map frame through the state: every treasure, army and hero, the player selected
// with a path and the bottom bar, the story, Day, found and fame boxes, presented headless.
void BM_BusiestMapStateFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    EnterMapWithEveryInvader(app);
    MapScreen& screen = *app.mapScreen;
    for (int hero = 0; hero < kHeroCount; ++hero) {
        screen.heroOnMap[hero] = 1;
        screen.heroCell[hero] = screen.playerCell + 1 + hero;
    }
    screen.PlaceObjects();
    screen.playerSelected = 1;
    uint8_t clicked = 1;
    screen.ClickCell(screen.playerCell + 7 + 350, clicked, screen.walkX + 280, screen.walkY + 280);
    screen.foundItem = screen.foundGem = screen.foundArtifact = 1;
    screen.foundItemIndex = 1;
    screen.foundBox = 1;
    screen.foundGoldShown = 1;
    screen.foundGold = 1000;
    screen.eventId = 30;
    screen.fameBoxShown = 1;
    for (int gift = 0; gift < 6; ++gift) {
        screen.fameRewardShown[gift] = 1;
        screen.fameRewardRow[gift] = static_cast<uint8_t>(gift);
    }
    screen.healMessages = {1, 1, 1};
    CentreView(*app.mapView, screen.walkX, screen.walkY, 400, 300);
    for (auto _ : state) {
        app.Frame();
    }
    benchmark::DoNotOptimize(platform::Headless()->presented.pixels.data());
    app.Cleanup();
}
BENCHMARK(BM_BusiestMapStateFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
