#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "app/GameApp.h"
#include "battle/BattleScreen.h"
#include "engine/Owned.h"
#include "map/ControlPanel.h"
#include "map/MapScreen.h"
#include "map/MapView.h"
#include "support/BattleGame.h"

namespace varn {

// Entering the map and a battle, headless: the screens made and their first frames drawn. The
// first entry of a run decodes the pictures; an entry again takes them from the run's cache.
// Goal: an entry again under 5 ms.

namespace {

// The map's screens freed as a load does, then the map entered and its first frame drawn.
void EnterMapAnew(GameApp& app) {
    app.FreeMapAndBattleScreens();
    app.ReleaseMapView();
    FreeOwned(app.controlPanel);
    app.EnterMap();
    app.Frame();
}

void EnterMap(benchmark::State& state, bool again) {
    EnterPlaceholderData();
    platform::UseHeadlessBackend();
    GameApp app;
    BringUp(app);
    app.StartFreshWorld();
    EnterMapAnew(app);
    for (auto _ : state) {
        if (!again) {
            state.PauseTiming();
            app.device.pictures.Clear();
            state.ResumeTiming();
        }
        EnterMapAnew(app);
    }
    benchmark::DoNotOptimize(app.mapScreen.get());
    app.Cleanup();
}

void BM_EnterMapFirstTime(benchmark::State& state) {
    EnterMap(state, false);
}
BENCHMARK(BM_EnterMapFirstTime)->Name("Entry/MapFirstTime")->Unit(benchmark::kMillisecond);

void BM_EnterMapAgain(benchmark::State& state) {
    EnterMap(state, true);
}
BENCHMARK(BM_EnterMapAgain)->Name("Entry/MapAgain")->Unit(benchmark::kMillisecond);

// A battle's screen freed as its end does, then the map's hand-over and the battle's first two
// frames.
void EnterBattle(benchmark::State& state, bool again) {
    BattleGame game;
    HeadlessGame::backend().recordTexts = false;  // the tests' text log costs no player a thing
    game.EnterBattle(66);
    for (auto _ : state) {
        state.PauseTiming();
        FreeOwned(game.app.battleScreen);
        if (!again) {
            game.app.device.pictures.Clear();
        }
        state.ResumeTiming();
        game.EnterBattle(66);
    }
    benchmark::DoNotOptimize(game.app.battleScreen.get());
}

void BM_EnterBattleFirstTime(benchmark::State& state) {
    EnterBattle(state, false);
}
BENCHMARK(BM_EnterBattleFirstTime)->Name("Entry/BattleFirstTime")->Unit(benchmark::kMillisecond);

void BM_EnterBattleAgain(benchmark::State& state) {
    EnterBattle(state, true);
}
BENCHMARK(BM_EnterBattleAgain)->Name("Entry/BattleAgain")->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace varn
