#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "world/GameState.h"

namespace varn {

// A saved game: the record's saved fields, each widened to a 32-bit little-endian slot, gold
// first, then zeros. The front end keeps the map's scroll position in two slots past the record,
// and the map state's own fields follow it.
inline constexpr size_t kSaveImageSize = 70000;
inline constexpr size_t kSaveImageRecordBytes = 52912;
inline constexpr size_t kSaveScrollXOffset = 52960;
inline constexpr size_t kSaveScrollYOffset = 52964;
// The map state's block: its snapshot marker, the fame box and the enemy phase's bookkeeping.
inline constexpr size_t kSaveMapStateOffset = 52968;
inline constexpr size_t kSaveMapStateBytes = 225 * 4;
static_assert(kSaveMapStateOffset + kSaveMapStateBytes <= kSaveImageSize);

// Fills the whole image; the scroll slots are left 0 for the front end to write.
void WriteSaveImage(const GameState& state, std::span<uint8_t, kSaveImageSize> image);
// The image a save writes: the record and the map's scroll position.
void WriteSaveImage(const GameState& state, int32_t scrollX, int32_t scrollY,
                    std::span<uint8_t, kSaveImageSize> image);

// Takes a saved game into the record. An image of the wrong length, with any value out of its
// field's range or with a world that breaks the party's rules (world/PartyRules.h) is refused
// whole: false, and the record is left as it was. Fields the image does
// not hold keep their values.
bool ReadSaveImage(std::span<const uint8_t> image, GameState& state);

}  // namespace varn
