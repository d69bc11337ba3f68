#include <benchmark/benchmark.h>

#include "PlaceholderData.h"
#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// Start-up of the whole game, headless, over the placeholder data: from constructing the
// application to the first presented main-menu frame; then one main-menu frame.

namespace {

void BM_StartUpToFirstMenuFrame(benchmark::State& state) {
    EnterPlaceholderData();
    for (auto _ : state) {
        GameApp* app = new GameApp();
        BringUp(*app);
        app->Frame();
        benchmark::DoNotOptimize(platform::Headless()->presentCount);
        state.PauseTiming();
        app->Cleanup();
        delete app;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstMenuFrame)->Unit(benchmark::kMillisecond);

void BM_MainMenuFrame(benchmark::State& state) {
    EnterPlaceholderData();
    GameApp app;
    BringUp(app);
    for (auto _ : state) {
        app.Frame();
    }
    app.Cleanup();
}
BENCHMARK(BM_MainMenuFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
