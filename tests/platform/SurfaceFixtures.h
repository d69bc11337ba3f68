#pragma once

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>
#include <memory>

#include "platform/BackBuffer.h"

namespace varn {

struct SurfaceFree {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
};
using Surface = std::unique_ptr<SDL_Surface, SurfaceFree>;

inline Surface MakeSurface(int width, int height, uint32_t format) {
    return Surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 0, format));
}

// Each channel alone, its lowest bit alone, white, black and mixtures.
inline platform::BackBuffer SmallFrame() {
    platform::BackBuffer frame;
    frame.Resize(4, 3);
    const uint16_t pixels[] = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0x0800, 0x0020,
                               0x0001, 0x0000, 0x8410, 0x1234, 0xABCD, 0x7BEF};
    std::copy(std::begin(pixels), std::end(pixels), frame.pixels.begin());
    return frame;
}

// The formats a window surface comes in, 32, 24 and 16 bits.
inline constexpr uint32_t kWindowFormats[] = {SDL_PIXELFORMAT_RGB888,   SDL_PIXELFORMAT_ARGB8888,
                                              SDL_PIXELFORMAT_ABGR8888, SDL_PIXELFORMAT_BGR888,
                                              SDL_PIXELFORMAT_RGB24,    SDL_PIXELFORMAT_RGB565};

}  // namespace varn
