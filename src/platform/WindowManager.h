#pragma once

struct SDL_Window;

namespace varn {

namespace platform {

// Whether a window manager looks after the window's display. Without one (a bare X server, a
// kiosk) a full-screen request is answered by nobody, and SDL waits a tenth of a second for the
// answer; a borderless window sized to the desktop already is the full screen there.
bool HasWindowManager(SDL_Window* window);

}  // namespace platform

}  // namespace varn
