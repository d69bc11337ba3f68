#pragma once

#include <string>
#include <vector>

#include "Canvas.h"

namespace varn {

namespace placeholder {

// The pole of the map's flag pictures in the 64 x 64 design grid of an icon: its left edge, width,
// top and foot; the cloth flies right of it from the top.
inline constexpr int kFlagPoleLeft = 14;
inline constexpr int kFlagPoleWidth = 4;
inline constexpr int kFlagPoleTop = 4;
inline constexpr int kFlagPoleFoot = 60;

// Where the kingdom map plants its flags on a piece of its ground: the foot of each flag's pole in
// the pixels of a frame frameSize wide, read from the map's own tables of tiles and flags. None for
// a picture the map does not lay.
std::vector<Point> FlagFeetOn(const std::string& gamePath, int frameSize);

}  // namespace placeholder

}  // namespace varn
