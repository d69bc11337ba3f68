#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include "platform/BackBuffer.h"
#include "platform/Letterbox.h"
#include "platform/SurfacePresenter.h"

namespace varn {

// The present step alone, as the SDL backend does it on a window surface: the 800 x 600 16-bit
// back buffer converted to the window's 32-bit format, then scaled by nearest pixel into the
// letterbox. Pushing the surface to the X server is not included. Beside it, for the record, the
// same picture scaled straight from 16 bits.

namespace {

constexpr int kFrameWidth = 800;
constexpr int kFrameHeight = 600;
// The window surface's format on a 24-bit X display.
constexpr uint32_t kWindowFormat = SDL_PIXELFORMAT_RGB888;

platform::BackBuffer MakeFrame() {
    platform::BackBuffer frame;
    frame.Resize(kFrameWidth, kFrameHeight);
    uint32_t seed = 2024;
    for (uint16_t& pixel : frame.pixels) {
        seed = seed * 1664525u + 1013904223u;
        pixel = static_cast<uint16_t>(seed >> 16);
    }
    return frame;
}

void BM_PresentToWindowSurface(benchmark::State& state) {
    const platform::BackBuffer frame = MakeFrame();
    SDL_Surface* window = SDL_CreateRGBSurfaceWithFormat(
        0, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), 0, kWindowFormat);
    if (window == nullptr) {
        state.SkipWithError("no SDL surface");
        return;
    }
    platform::SurfacePresenter presenter;
    presenter.Draw(frame, window);  // the first frame paints the bars as well
    for (auto _ : state) {
        if (!presenter.Draw(frame, window)) {
            state.SkipWithError("present failed");
            break;
        }
        benchmark::DoNotOptimize(window->pixels);
    }
    SDL_FreeSurface(window);
}
BENCHMARK(BM_PresentToWindowSurface)
    ->Name("Present/WindowSurface")
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMicrosecond);

void BM_PresentScaledFrom16Bits(benchmark::State& state) {
    platform::BackBuffer frame = MakeFrame();
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
