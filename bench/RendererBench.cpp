#include <SDL2/SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "engine/GraphicsDevice.h"
#include "platform/Backend.h"
#include "platform/Device2D.h"
#include "platform/TextureImage.h"

namespace varn {

// A full headless frame of the renderer: Clear, 300 colour-keyed 64 x 64 frames (half at their
// own size, a quarter each at 0.8 and 1.1, bilinear) and Present; beside it the same frame through
// SDL's own software blitter and scaler on SDL surfaces.

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kFrame = 64;
constexpr int kSheetFrames = 4;  // a sheet of 4 x 4 frames
constexpr int kDraws = 300;

struct Draw {
    int x;
    int y;
    int frame;
    float scale;
};

// The same draws every frame, spread over the screen, some of them over its edges.
std::vector<Draw> MakeDraws() {
    std::vector<Draw> draws;
    uint32_t seed = 12345;
    auto next = [&seed](uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % range);
    };
    for (int i = 0; i < kDraws; ++i) {
        const float scale = i % 2 == 0 ? 1.0f : (i % 4 == 1 ? 0.8f : 1.1f);
        draws.push_back(Draw{next(kWidth + 40) - 40, next(kHeight + 40) - 40, next(16), scale});
    }
    return draws;
}

// A frame is a disc of its own colour on the keyed background, as most of the game's art is.
bool InDisc(int x, int y) {
    const int dx = x % kFrame - kFrame / 2;
    const int dy = y % kFrame - kFrame / 2;
    return dx * dx + dy * dy < 28 * 28;
}

uint16_t FrameColour(int x, int y) {
    const int frame = y / kFrame * kSheetFrames + x / kFrame;
    return static_cast<uint16_t>(((frame * 5 + 3) & 31) << 10 | ((frame * 11 + 7) & 31) << 5 |
                                 ((31 - frame) & 31));
}

platform::TextureImage MakeSheet() {
    platform::TextureImage sheet;
    sheet.width = kFrame * kSheetFrames;
    sheet.height = kFrame * kSheetFrames;
    for (int y = 0; y < sheet.height; ++y) {
        for (int x = 0; x < sheet.width; ++x) {
            sheet.pixels.push_back(InDisc(x, y) ? (platform::kTexelOpaque | FrameColour(x, y)) : 0);
        }
    }
    return sheet;
}

void BM_RendererFrame(benchmark::State& state) {
    platform::UseHeadlessBackend();
    int window = 0;
    GraphicsDevice graphics;
    graphics.CreateD3D();
    if (!graphics.CreateDevice(&window, kWidth, kHeight, 16)) {
        state.SkipWithError("no device");
        return;
    }
    graphics.SetAlphaTest(1);
    const platform::TextureImage sheet = MakeSheet();
    const std::vector<Draw> draws = MakeDraws();
    platform::Sprite2D& sprite = *graphics.GetSprite();
    for (auto _ : state) {
        graphics.BeginScene();
        graphics.Clear(0);
        for (const Draw& draw : draws) {
            const int left = draw.frame % kSheetFrames * kFrame;
            const int top = draw.frame / kSheetFrames * kFrame;
            sprite.Draw(sheet, platform::SourceRect{left, top, left + kFrame, top + kFrame},
                        static_cast<float>(draw.x), static_cast<float>(draw.y), draw.scale,
                        draw.scale, 0xFFFFFFFF);
        }
        graphics.EndScene();
        graphics.Present();
    }
}
BENCHMARK(BM_RendererFrame)->Name("RendererFrame/Project")->Unit(benchmark::kMicrosecond);

// SDL's blitter: keyed blits at scale 1, its software scaler (SDL_BlitScaled, nearest texel, the
// one that honours a colour key) for the others; the frame is copied out as a Present would.
void BM_SdlFrame(benchmark::State& state) {
    SDL_Surface* screen =
        SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 16, SDL_PIXELFORMAT_RGB565);
    SDL_Surface* sheet = SDL_CreateRGBSurfaceWithFormat(
        0, kFrame * kSheetFrames, kFrame * kSheetFrames, 16, SDL_PIXELFORMAT_RGB565);
    if (screen == nullptr || sheet == nullptr) {
        state.SkipWithError("no SDL surfaces");
        return;
    }
    const platform::TextureImage texels = MakeSheet();
    for (int y = 0; y < sheet->h; ++y) {
        auto* row =
            reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(sheet->pixels) + y * sheet->pitch);
        for (int x = 0; x < sheet->w; ++x) {
            const uint16_t texel = texels.pixels[static_cast<size_t>(y) * sheet->w + x];
            const uint16_t green5 = (texel >> 5) & 31;
            row[x] = static_cast<uint16_t>((texel & 0x7C00) << 1 |
                                           ((green5 << 1) | (green5 >> 4)) << 5 | (texel & 31));
        }
    }
    SDL_SetColorKey(sheet, SDL_TRUE, 0);
    const std::vector<Draw> draws = MakeDraws();
    std::vector<uint16_t> presented(static_cast<size_t>(kWidth) * kHeight);
    for (auto _ : state) {
        SDL_FillRect(screen, nullptr, 0);
        for (const Draw& draw : draws) {
            SDL_Rect source{draw.frame % kSheetFrames * kFrame, draw.frame / kSheetFrames * kFrame,
                            kFrame, kFrame};
            const int size = static_cast<int>(kFrame * draw.scale + 0.5f);
            SDL_Rect target{draw.x, draw.y, size, size};
            if (draw.scale == 1.0f) {
                SDL_BlitSurface(sheet, &source, screen, &target);
            } else {
                SDL_BlitScaled(sheet, &source, screen, &target);
            }
        }
        std::memcpy(presented.data(), screen->pixels, presented.size() * sizeof(uint16_t));
        benchmark::DoNotOptimize(presented.data());
    }
    SDL_FreeSurface(sheet);
    SDL_FreeSurface(screen);
}
BENCHMARK(BM_SdlFrame)->Name("RendererFrame/SdlSurfaces")->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace varn
