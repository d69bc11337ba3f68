#pragma once

#include <cstdint>

namespace varn {

namespace platform {

// The game's key code (0 = no key) of an SDL scancode: see engine/KeyCodes.h.
uint8_t KeyCodeFromScancode(int scancode);

}  // namespace platform

}  // namespace varn
