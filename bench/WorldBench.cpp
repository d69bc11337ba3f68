#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "world/GameState.h"
#include "world/ImageSlots.h"
#include "world/SaveImage.h"

namespace varn {

// The world record's set-up and the save image: neither is hot, but both should stay far below
// a frame.

namespace {

// Each step runs on a record that the earlier steps prepared, as in a real new game.
template <void (GameState::*Step)()>
void BM_NewGameStep(benchmark::State& state) {
    GameState world;
    RunNewGameSetUp(world);
    for (auto _ : state) {
        (world.*Step)();
        benchmark::DoNotOptimize(world);
    }
}
BENCHMARK(BM_NewGameStep<&GameState::InitHeroes>)->Name("NewGame/InitHeroes");
BENCHMARK(BM_NewGameStep<&GameState::InitHeroItems>)->Name("NewGame/InitHeroItems");
BENCHMARK(BM_NewGameStep<&GameState::InitHeroArmies>)->Name("NewGame/InitHeroArmies");
BENCHMARK(BM_NewGameStep<&GameState::InitPlayer>)->Name("NewGame/InitPlayer");
BENCHMARK(BM_NewGameStep<&GameState::InitPlaces>)->Name("NewGame/InitPlaces");
BENCHMARK(BM_NewGameStep<&GameState::UpdateQuests>)->Name("NewGame/UpdateQuests");

void BM_NewGameWhole(benchmark::State& state) {
    for (auto _ : state) {
        GameState world;
        RunNewGameSetUp(world);
        benchmark::DoNotOptimize(world);
    }
}
BENCHMARK(BM_NewGameWhole)->Name("NewGame/ConstructorAndSixSteps");

void BM_SaveImageRoundTrip(benchmark::State& state) {
    GameState world;
    RunNewGameSetUp(world);
    GameState loaded = world;
    std::vector<uint8_t> image(kSaveImageSize);
    const std::span<uint8_t, kSaveImageSize> slots(image.data(), kSaveImageSize);
    for (auto _ : state) {
        WriteSaveImage(world, slots);
        const bool accepted = ReadSaveImage(image, loaded);
        benchmark::DoNotOptimize(accepted);
    }
}
BENCHMARK(BM_SaveImageRoundTrip)->Name("SaveImage/WriteAndRead");

// The load alone, ranges and the world's rules, of a game the player saved mid-game: a file is
// its length and the image.
void BM_SaveImageLoad(benchmark::State& state) {
    std::ifstream in(VARN_SOURCE_DIR "/fuzz/seeds/LoadAndPlay/map-mid-game.save", std::ios::binary);
    const std::vector<uint8_t> file(std::istreambuf_iterator<char>(in), {});
    if (file.size() != kImageSlotSize + kSaveImageSize) {
        state.SkipWithError("the mid-game save is missing");
        return;
    }
    const std::span<const uint8_t> image(file.data() + kImageSlotSize, kSaveImageSize);
    GameState loaded;
    for (auto _ : state) {
        const bool accepted = ReadSaveImage(image, loaded);
        benchmark::DoNotOptimize(accepted);
    }
}
BENCHMARK(BM_SaveImageLoad)->Name("SaveImage/LoadMidGame");

}  // namespace

}  // namespace varn
