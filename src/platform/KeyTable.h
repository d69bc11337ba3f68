#pragma once

#include <cstdint>

namespace varn {

namespace platform {

// DirectInput key code (0 = no key) of an SDL scancode; the game tests keys by these codes.
uint8_t KeyCodeFromScancode(int scancode);

}  // namespace platform

}  // namespace varn
