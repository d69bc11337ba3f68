#pragma once

#include <cstdint>
#include <span>

namespace varn {

class SpriteSet;

// One picture a screen loads: the sprite-set slot, the game path, the frame size (0 takes the
// whole picture) and the colour key made transparent (0 for none).
struct PictureLoad {
    int32_t slot;
    const char* file;
    int16_t frameWidth;
    int16_t frameHeight;
    uint32_t colourKey;
};

// A screen's picture table under a name, so that tests can check every table against the data
// set without running the screen.
struct NamedPictureTable {
    const char* owner;
    std::span<const PictureLoad> loads;
};

// Loads every row into its slot as A1R5G5B5 with the alpha test's transparency. A missing or
// unreadable picture leaves its slot empty, so it draws nothing; returns how many loaded.
int LoadPictures(SpriteSet& set, std::span<const PictureLoad> table);

}  // namespace varn
