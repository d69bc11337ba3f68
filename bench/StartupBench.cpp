#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/GameApp.h"
#include "platform/HeadlessBackend.h"

namespace varn {

// Start-up of the whole game, headless, over the placeholder data: from constructing the
// application to the first presented main-menu frame; then one main-menu frame.

namespace {

// The placeholder set, generated once into a folder that becomes the working directory.
void EnterPlaceholderData() {
    static const std::filesystem::path folder = [] {
        char pattern[] = "/tmp/varn-bench-XXXXXX";
        std::filesystem::path made = mkdtemp(pattern);
        std::string command = std::string("'") + VARN_PLACEHOLDER_TOOL +
                              "' '" VARN_SOURCE_DIR "/tools/placeholder/manifest.txt' '" +
                              made.string() + "' > /dev/null";
        if (std::system(command.c_str()) != 0) {
            std::abort();
        }
        return made;
    }();
    std::filesystem::current_path(folder);
}

void BringUp(GameApp& app) {
    platform::HeadlessBackend& backend = *platform::Headless();
    backend.Reset();
    backend.CreateMainWindow(app.caption, app.x, app.y, app.width, app.height);
    app.hWnd = &backend;
    app.Init();
}

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
