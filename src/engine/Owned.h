#pragma once

#include <memory>

#include "engine/GraphicsDevice.h"

namespace varn {

// A state's screen is null while absent and created on the state's first frame that needs it:
// constructed, then given the device to load its pictures. True when created by this call, so
// the state copies in the world data the screen shows.
template <typename Screen>
bool CreateScreen(std::unique_ptr<Screen>& screen, GraphicsDevice& device) {
    if (screen) {
        return false;
    }
    screen = std::make_unique<Screen>();
    screen->Init(&device);
    return true;
}

// Releases a screen (or any owned object with a Free step) and clears its pointer.
template <typename Owned>
void FreeOwned(std::unique_ptr<Owned>& owned) {
    if (owned) {
        owned->Free();
        owned.reset();
    }
}

}  // namespace varn
