#pragma once

namespace varn {

namespace platform {

// For the start-up measurement: when VARN_FIRST_FRAME_STAMP names a file, the first presented
// frame writes the wall clock in nanoseconds there, so a script can compare it with the time it
// started the game. Later calls do nothing.
void StampFirstFrame();

}  // namespace platform

}  // namespace varn
