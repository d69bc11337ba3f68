#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>

#include "platform/BackBuffer.h"
#include "platform/Letterbox.h"
#include "platform/SurfacePresenter.h"

namespace varn {

// The present step alone, as the SDL backend does it on a window surface: the 800 x 600 16-bit
// back buffer compared with the last one shown, and what changed converted to the window's 32-bit
// format and scaled by nearest pixel into the letterbox in one pass. Pushing the surface to the X
// server is not included. Beside it, for the record, SDL's own scaled blit from 16 bits.

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;
// The window surface's format on a 24-bit X display.
constexpr uint32_t kWindowFormat = SDL_PIXELFORMAT_RGB888;

platform::BackBuffer MakeFrame(uint32_t seed) {
    platform::BackBuffer frame;
    frame.Resize(kFrameWidth, kFrameHeight);
    for (uint16_t& pixel : frame.pixels) {
        seed = seed * 1664525u + 1013904223u;
        pixel = static_cast<uint16_t>(seed >> 16);
    }
    return frame;
}

// A window surface of the benchmark's size with the presenter's first frame (and its bars) drawn.
struct PresentBench {
    SDL_Surface* window = nullptr;
    platform::SurfacePresenter presenter;
    platform::BackBuffer frame = MakeFrame(2024);

    explicit PresentBench(benchmark::State& state)
        : window(SDL_CreateRGBSurfaceWithFormat(0, static_cast<int>(state.range(0)),
                                                static_cast<int>(state.range(1)), 0,
                                                kWindowFormat)) {
        if (window == nullptr || !presenter.Draw(frame, window)) {
            state.SkipWithError("no SDL surface");
        }
    }
    ~PresentBench() { SDL_FreeSurface(window); }
    PresentBench(const PresentBench&) = delete;
    PresentBench& operator=(const PresentBench&) = delete;
};

// Every row of every frame changes: two different frames in turn.
void BM_PresentWholeFrame(benchmark::State& state) {
    PresentBench bench(state);
    platform::BackBuffer frames[2] = {MakeFrame(7), bench.frame};
    int next = 0;
    for (auto _ : state) {
        if (!bench.presenter.Draw(frames[next], bench.window)) {
            state.SkipWithError("present failed");
            break;
        }
        next ^= 1;
        benchmark::DoNotOptimize(bench.window->pixels);
    }
}
BENCHMARK(BM_PresentWholeFrame)
    ->Name("Present/WholeFrame")
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

// An idle screen: the same frame again, found unchanged and not drawn.
void BM_PresentUnchangedFrame(benchmark::State& state) {
    PresentBench bench(state);
    for (auto _ : state) {
        bench.presenter.Draw(bench.frame, bench.window);
        benchmark::DoNotOptimize(bench.presenter.Changed().data());
    }
}
BENCHMARK(BM_PresentUnchangedFrame)
    ->Name("Present/UnchangedFrame")
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

// The pointer moved: a 32 x 32 block changes place.
void BM_PresentPointerMoved(benchmark::State& state) {
    PresentBench bench(state);
    int x = 0;
    for (auto _ : state) {
        for (int y = 0; y < 32; ++y) {
            std::fill_n(bench.frame.Row(300 + y) + x, 32, static_cast<uint16_t>(x));
        }
        x = (x + 8) % (kFrameWidth - 32);
        bench.presenter.Draw(bench.frame, bench.window);
        benchmark::DoNotOptimize(bench.window->pixels);
    }
}
BENCHMARK(BM_PresentPointerMoved)
    ->Name("Present/PointerMoved")
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

void BM_PresentScaledFrom16Bits(benchmark::State& state) {
    platform::BackBuffer frame = MakeFrame(2024);
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(
        0, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0, kWindowFormat);
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(
        frame.pixels.data(), kFrameWidth, kFrameHeight, 16,
        kFrameWidth * static_cast<int>(sizeof(uint16_t)), SDL_PIXELFORMAT_RGB565);
    if (window == nullptr || source == nullptr) {
        state.SkipWithError("no SDL surface");
        return;
    }
    const platform::PictureRect picture =
        platform::LetterboxRect(kFrameWidth, kFrameHeight, window->w, window->h);
    SDL_Rect into{picture.x, picture.y, picture.width, picture.height};
    for (auto _ : state) {
        SDL_BlitScaled(source, nullptr, window, &into);
        benchmark::DoNotOptimize(window->pixels);
    }
    SDL_FreeSurface(source);
    SDL_FreeSurface(window);
}
BENCHMARK(BM_PresentScaledFrom16Bits)
    ->Name("Present/ScaledFrom16Bits")
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
