#pragma once

#include <cstdint>
#include <vector>

namespace varn {

namespace placeholder {

// A short melody as a standard MIDI file (format 0); each ordinal gives another key, instrument
// and melody.
std::vector<uint8_t> ComposeMidiTune(int ordinal);

}  // namespace placeholder

}  // namespace varn
