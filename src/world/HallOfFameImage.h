#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "world/GameState.h"

namespace varn {

// The hall-of-fame file's image, in 32-bit little-endian slots: the five scores, each as three
// parts (score = a x 10000 + b x 100 + c), the five used flags, the five 21-glyph names, zeros.
inline constexpr size_t kHallOfFameImageSize = 600;

void WriteHallOfFameImage(const GameState& state, std::span<uint8_t, kHallOfFameImageSize> image);

// Takes the five places into the record. An image of the wrong length, with a score part, flag
// or glyph out of range, is refused whole: false, and the record is left as it was.
bool ReadHallOfFameImage(std::span<const uint8_t> image, GameState& state);

}  // namespace varn
