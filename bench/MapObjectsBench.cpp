#include <benchmark/benchmark.h>
#include <memory>

#include "../tests/map/MapTestSupport.h"
#include "PlaceholderData.h"
#include "engine/GraphicsDevice.h"
#include "map/MapScreen.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// The map objects' two heavy moments: the enemy phase of a day with every invader on the map,
// and the busiest map frame, every object and box drawn. Goal: under 1 ms each.

namespace {

// A new game's map with the thirteen invaders released and placed.
std::unique_ptr<MapScreen> MapWithEveryInvader(const GameState& world) {
    auto screen = std::make_unique<MapScreen>();
    FillFromWorld(*screen, world);
    for (int army = kFirstInvader; army <= kLastInvader; ++army) {
        screen->armyActive[army] = 1;
    }
    screen->PlaceArmies();
    screen->BuildRoutes();
    return screen;
}

void BM_EnemyPhaseOfADay(benchmark::State& state) {
    GameState world;
    RunNewGameSetUp(world);
    int64_t frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<MapScreen> screen = MapWithEveryInvader(world);
        StartArmyDay(*screen);
        state.ResumeTiming();
        // The map speed's middle rate gives about 7 pixels a frame.
        frames += RunEnemyPhase(*screen, 7);
        benchmark::DoNotOptimize(screen->armyX);
    }
    state.counters["frames"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kAvgIterations);
}
// Each day needs a fresh map, made outside the timing: a fixed count keeps the set-ups few.
BENCHMARK(BM_EnemyPhaseOfADay)->Unit(benchmark::kMicrosecond)->Iterations(200);

void BM_BusiestMapFrame(benchmark::State& state) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    int window = 0;
    GraphicsDevice graphics;
    graphics.CreateD3D();
    if (!graphics.CreateDevice(&window, 800, 600, 16)) {
        state.SkipWithError("no device");
        return;
    }
    GameState world;
    RunNewGameSetUp(world);
    std::unique_ptr<MapScreen> screen = MapWithEveryInvader(world);
    screen->Init(&graphics);
    // Every hero on the map around the player, a seven-point path, and every box open.
    for (int hero = 0; hero < kHeroCount; ++hero) {
        screen->heroOnMap[hero] = 1;
        screen->heroCell[hero] = screen->playerCell + 1 + hero;
    }
    screen->PlaceObjects();
    screen->playerSelected = 1;
    uint8_t clicked = 1;
    screen->ClickCell(screen->playerCell + 7 + 350, clicked, screen->walkX + 280,
                      screen->walkY + 280);
    screen->foundItem = screen->foundGem = screen->foundArtifact = 1;
    screen->foundItemIndex = 1;
    screen->LoadFoundItemArt(&graphics);
    screen->foundBox = 2;
    screen->foundGoldShown = 1;
    screen->foundGold = 1000;
    screen->returnedObject = 101;
    screen->eventId = 30;
    screen->fameBoxShown = 1;
    for (int gift = 0; gift < 6; ++gift) {
        screen->fameRewardShown[gift] = 1;
        screen->fameRewardRow[gift] = static_cast<uint8_t>(gift);
    }
    screen->healMessages = {1, 1, 1};
    screen->showCaption = 1;
    screen->hoverId = 22;
    const int32_t scrollX = screen->walkX - 400;
    const int32_t scrollY = screen->walkY - 300;
    for (auto _ : state) {
        graphics.BeginScene();
        graphics.Clear(0);
        screen->Animate();
        screen->DrawGoldPiles(scrollX, scrollY);
        screen->DrawObjects(scrollX, scrollY);
        screen->DrawSelection(scrollX, scrollY);
        screen->DrawFameReward(1);
        screen->DrawEventMessage(295, 280, 1, 123456, nullptr, 1);
        screen->DrawObjectCaption();
        graphics.EndScene();
        benchmark::DoNotOptimize(graphics.GetDevice()->backBuffer().pixels.data());
    }
    screen->Free();
}
BENCHMARK(BM_BusiestMapFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
